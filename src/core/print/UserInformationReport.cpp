#include "core/print/UserInformationReport.h"

#include <array>

namespace vexa::print {
namespace {

// By the keys' order (kUserInformationKeys).
constexpr std::array<const char*, kUserInformationKeys.size()> kLabels = {
    "会社名", "所属部署", "氏　名", "郵便番号", "住　所", "電話番号",
    "FAX番号", "業務内容", "e-Mail", "URL", "導入日付"};

}  // namespace

Report UserInformationReport(const UserInformation& user, const PrintTime& time) {
    Section section;
    section.heading = "［ユーザー情報］";
    for (std::size_t k = 0; k < kLabels.size(); ++k)
        section.fields.push_back({kLabels[k], user.values[k]});
    return {ReportKind::UserInformation, CommonPageHeader(time), {std::move(section)}, false, true};
}

}  // namespace vexa::print
