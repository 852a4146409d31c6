#include "cli/CardChecking.h"

#include "cli/TerminalProgress.h"

#include <iostream>
#include <nlohmann/json.hpp>

namespace vexa::cli {

CardVerification checkCardFolder(const std::filesystem::path& folder, const std::optional<Project>& project,
                                 const Project& loadInto, const Settings& settings, VolumeService* service) {
    CardVerifyRequest request;
    request.folder = folder;
    request.project = project;
    request.loadInto = loadInto;
    request.settings = settings;
    TerminalProgress progress;
    progress.setCaption("カードを確認しています　" + folder.string());
    CardVerification result = VerifyCardFolder(request, service, progress);
    progress.setCaption(result.stopped ? "確認を中止しました" : "確認完了");
    progress.finish();
    return result;
}

int reportFindings(const CardVerification& verification, const std::filesystem::path& folder, bool json,
                   std::ostream& out) {
    const CardCheckSummary summary = SummariseCheck(verification.findings, verification.stopped, folder.string());
    if (json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const CardFinding& finding : verification.findings)
            list.push_back({{"severity", SeverityKey(finding.severity)}, {"file", finding.file}, {"text", finding.text}});
        out << nlohmann::ordered_json{{"folder", folder.string()},
                                      {"clean", summary.clean},
                                      {"stopped", verification.stopped},
                                      {"findings", list}}
                   .dump(2)
            << std::endl;
    } else {
        out << FindingsText(verification.findings) << summary.text << std::endl;
    }
    return summary.clean ? 0 : 1;
}

}  // namespace vexa::cli
