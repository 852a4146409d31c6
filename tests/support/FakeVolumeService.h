#pragma once
// A disk service whose volumes and answers a test sets.
#include "core/cardcheck/VolumeService.h"

#include <string>
#include <vector>

namespace vexa::test {

class FakeVolumeService final : public VolumeService {
public:
    bool available() override { return running; }
    std::vector<Volume> volumes() override { return list; }
    VolumeEjection eject(const Volume& volume) override {
        ejected.push_back(volume.device);
        return ejection;
    }

    bool running = false;
    std::vector<Volume> list;
    VolumeEjection ejection{true, true, {}};
    std::vector<std::string> ejected;
};

}  // namespace vexa::test
