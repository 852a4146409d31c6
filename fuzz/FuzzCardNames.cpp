// The Card Folder and file names of card creation, from outside data: the
// input is split at its first 0xFF into a Folder entry, a CardName and a sound
// name, checked as the creation window checks them, then handed straight to
// the file work (as a forged job would be) in a private card data folder. No
// input may touch anything outside that folder or its own Card Folder. The
// rest of the input after a second 0xFF is read as a swap record.
#include "FuzzFolder.h"

#include "core/card/CardCreation.h"
#include "core/card/CardEntryCheck.h"
#include "core/card/CardFolderName.h"
#include "core/card/CardSwapRecord.h"
#include "core/ui/Progress.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace vexa;
namespace fs = std::filesystem;

namespace {

struct Sandbox {
    fs::path root;
    fs::path cards;
    fs::path source;

    Sandbox() : root(fuzz::FuzzFolder::get().path() / "sandbox"), cards(root / "cards"), source(root / "A.WAV") {
        fs::create_directories(root / "beside");
        fs::create_directories(cards);
        std::ofstream(root / "above.txt") << "above";
        std::ofstream(root / "beside" / "x.txt") << "beside";
        std::ofstream(source) << "RIFF";
    }

    // Everything outside the card data folder, with sizes.
    std::vector<std::string> outside() const {
        std::vector<std::string> entries;
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
             it.increment(ec)) {
            if (it->path() == cards) {
                it.disable_recursion_pending();
                continue;
            }
            entries.push_back(it->path().string() + ":" +
                              std::to_string(it->is_regular_file() ? it->file_size() : 0));
        }
        return entries;
    }
};

std::vector<std::string> split(std::string_view data, std::size_t parts) {
    std::vector<std::string> out;
    while (out.size() + 1 < parts) {
        const auto at = data.find('\xFF');
        out.emplace_back(data.substr(0, at));
        data = at == std::string_view::npos ? std::string_view() : data.substr(at + 1);
    }
    out.emplace_back(data);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Sandbox sandbox;
    static const std::vector<std::string> untouched = sandbox.outside();
    const auto parts = split(std::string_view(reinterpret_cast<const char*>(data), size), 4);
    const std::string& folder = parts[0];
    const std::string& cardName = parts[1];
    const std::string& soundName = parts[2];
    ParseCardSwapRecord(parts[3]);

    CardInformation card;
    card.folder = folder;
    card.cardName = cardName;
    const CheckResult refusal = CheckCardEntries(card);
    if (IsPlainName(folder) && !folder.empty() && refusal && refusal->field == "TxtForder")
        __builtin_trap();  // a plain name must pass the Folder rule

    CardJob job;
    job.settings.maxLine = 1;
    job.cardDataFolder = sandbox.cards;
    job.folderName = folder;
    job.cardFolder = sandbox.cards / folder;
    job.controlFileName = cardName + ".vxa";
    job.sounds.push_back({soundName, sandbox.source});
    NoProgress progress;
    CreateCard(job, progress);
    if (sandbox.outside() != untouched)
        __builtin_trap();
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(sandbox.cards, ec))
        fs::remove_all(entry.path(), ec);
    return 0;
}
