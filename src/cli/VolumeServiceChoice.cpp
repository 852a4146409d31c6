#include "cli/VolumeServiceChoice.h"

namespace vexa::cli {
namespace {

// Until the D-Bus adapter is linked: a service that is never there.
class NoVolumeService final : public VolumeService {
public:
    bool available() override { return false; }
    std::vector<Volume> volumes() override { return {}; }
    std::string eject(const Volume&) override { return "ディスク管理サービス（UDisks2）がありません。"; }
};

}  // namespace

VolumeService* systemVolumeService() {
    static NoVolumeService service;
    return &service;
}

}  // namespace vexa::cli
