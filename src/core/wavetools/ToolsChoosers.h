#pragma once
// The "..." buttons of the tools window and where their choosers start: the
// file chooser at the file last chosen for a conversion, the folder chooser
// at the folder last chosen for one. Kept for as long as the window is open.
#include "core/ui/UserDialogs.h"
#include "core/wavetools/ConversionMode.h"

#include <string>

namespace vexa {

class ToolsChoosers {
public:
    // A conversion box's button: a file in file mode (it becomes the last
    // file), a folder in folder mode (it becomes the last folder); "" when
    // cancelled.
    std::string chooseForConversion(ConversionMode mode, UserDialogs& dialogs);

    // The silent file's button: a file, starting at the last file.
    std::string chooseSilentFile(UserDialogs& dialogs) const;

    const std::string& lastFile() const { return lastFile_; }
    const std::string& lastFolder() const { return lastFolder_; }

private:
    std::string lastFile_;
    std::string lastFolder_;
};

// The file chooser "ファイルを開く" for "*.wav", starting at `lastFile`'s
// folder: a name that does not exist yet may be given, in a folder that does
// (another is not taken). "" when cancelled.
std::string SelectFile(UserDialogs& dialogs, const std::string& lastFile);

}  // namespace vexa
