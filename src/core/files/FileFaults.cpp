#include "files/FileFaults.h"

#include <array>
#include <atomic>
#include <cstddef>

namespace vexa {
namespace {

std::array<std::atomic<int>, 4> faults{};

std::atomic<int>& faultOf(FileCall call) { return faults[static_cast<std::size_t>(call)]; }

}  // namespace

void InjectFileFault(FileCall call, int error) { faultOf(call).store(error); }

void ClearFileFaults() {
    for (auto& fault : faults)
        fault.store(0);
}

int TakeFileFault(FileCall call) {
    std::atomic<int>& fault = faultOf(call);
    // A plain load first: the usual case, with nothing injected, writes nothing.
    return fault.load(std::memory_order_relaxed) == 0 ? 0 : fault.exchange(0);
}

}  // namespace vexa
