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
    std::string eject(const Volume& volume) override {
        ejected.push_back(volume.device);
        return ejectProblem;
    }

    bool running = false;
    std::vector<Volume> list;
    std::string ejectProblem;
    std::vector<std::string> ejected;
};

}  // namespace vexa::test
