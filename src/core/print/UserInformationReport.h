#pragma once
// The user information print-out: the eleven texts, labelled, as held.
#include "config/Configuration.h"
#include "print/PrintTime.h"

namespace vexa::print {

Report UserInformationReport(const UserInformation& user, const PrintTime& time);

}  // namespace vexa::print
