#include "core/card/CardSwapRecovery.h"

#include "core/card/CardFolderSwap.h"
#include "core/card/WorkFolder.h"
#include "core/files/FolderAt.h"
#include "core/files/TemporaryName.h"

#include <sys/stat.h>

namespace vexa {
namespace {

namespace fs = std::filesystem;

bool isFolder(int folder, const std::string& name) {
    struct stat info {};
    return StatAt(folder, name, info) && S_ISDIR(info.st_mode);
}

void append(CardRecovery& into, CardRecovery from) {
    into.settled.insert(into.settled.end(), from.settled.begin(), from.settled.end());
    into.problems.insert(into.problems.end(), from.problems.begin(), from.problems.end());
}

}  // namespace

CardRecovery RecoverStaleWorkFolders(int place, const fs::path& shownPlace) {
    CardRecovery recovery;
    for (const std::string& name : NamesIn(place)) {
        std::string workFolder = name;
        if (const auto ofRecord = WorkFolderOfRecord(name)) {
            if (ExistsAt(place, *ofRecord))
                continue;  // settled with its folder
            workFolder = *ofRecord;  // a record whose folder is gone: the swap had ended
        } else if (!WorkFolderOwner(name) || !isFolder(place, name)) {
            continue;
        }
        const auto owner = WorkFolderOwner(workFolder);
        if (!owner || !ProcessHasEnded(*owner))
            continue;
        if (std::string problem = SettleCardSwap(place, shownPlace, workFolder, false); !problem.empty())
            recovery.problems.push_back(problem);
        else
            recovery.settled.push_back(shownPlace / workFolder);
    }
    return recovery;
}

CardRecovery RecoverInterruptedCards(const fs::path& cardDataFolder) {
    CardRecovery recovery;
    const UniqueFd data = OpenFolder(cardDataFolder);
    if (!data)
        return recovery;
    append(recovery, RecoverStaleWorkFolders(data.get(), cardDataFolder));
    for (const std::string& name : NamesIn(data.get())) {
        if (WorkFolderOwner(name) || !isFolder(data.get(), name))
            continue;
        if (const UniqueFd card = OpenSubFolder(data.get(), name))
            append(recovery, RecoverStaleWorkFolders(card.get(), cardDataFolder / name));
    }
    return recovery;
}

std::vector<std::string> WorkFoldersIn(int place) {
    std::vector<std::string> names;
    for (const std::string& name : NamesIn(place))
        if (WorkFolderOwner(name) && isFolder(place, name))
            names.push_back(name);
    return names;
}

std::string CardRecoveryText(const CardRecovery& recovery) {
    std::string text;
    if (!recovery.settled.empty()) {
        text = "前回中断されたコントロールデータ作成の作業フォルダを片付けました（作成フォルダは元のファイルか新しいファイルのどちらか一方だけになっています）。";
        for (const fs::path& folder : recovery.settled)
            text += "\n" + folder.string();
    }
    for (const std::string& problem : recovery.problems)
        text += (text.empty() ? "" : "\n") + problem;
    return text;
}

}  // namespace vexa
