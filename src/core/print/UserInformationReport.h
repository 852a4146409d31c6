#pragma once
// The user information print-out: the eleven texts, labelled, as held.
#include "core/config/Configuration.h"
#include "core/print/PrintTime.h"

namespace vexa::print {

Report UserInformationReport(const UserInformation& user, const PrintTime& time);

}  // namespace vexa::print
