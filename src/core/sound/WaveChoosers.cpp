#include "core/sound/WaveChoosers.h"

#include "core/config/Messages.h"
#include "core/sound/WaveFolderListing.h"
#include "core/text/TextRules.h"
#include "core/ui/FileChoosers.h"

namespace vexa {

std::vector<std::string> WaveFileFilters() { return {"Wave Files (*.wav)|*.wav"}; }

std::vector<std::string> ChooseWaveFiles(UserDialogs& dialogs, const std::string& waveRef) {
    const std::string selection =
        OpenFileDialog(dialogs, true, WaveFileFilters(), waveRef, GetMsg(msg::kChooseFileTitle));
    std::vector<std::string> paths;
    if (!selection.empty())
        SplitSelection(selection, paths);
    return paths;
}

std::vector<std::string> ChooseWaveFolder(UserDialogs& dialogs, const std::string& waveRef) {
    const std::string folder = BrowseFolder(dialogs, waveRef);
    if (folder.empty())
        return {};
    return ListWaveFiles(folder);
}

std::string WaveRefAfter(const std::vector<std::string>& paths) {
    if (paths.empty())
        return {};
    std::string folder;
    SplitPath(paths.front(), folder);
    return folder;
}

}  // namespace vexa
