#include "core/files/FileFaults.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstddef>

namespace vexa {
namespace {

struct Fault {
    std::atomic<int> error{0};
    std::atomic<int> after{0};
};

std::array<Fault, 4> faults{};

Fault& faultOf(FileCall call) { return faults[static_cast<std::size_t>(call)]; }

}  // namespace

void InjectFileFault(FileCall call, int error, int after) {
    Fault& fault = faultOf(call);
    fault.after.store(after);
    fault.error.store(error);
}

void ClearFileFaults() {
    for (auto& fault : faults) {
        fault.error.store(0);
        fault.after.store(0);
    }
}

int TakeFileFault(FileCall call) {
    Fault& fault = faultOf(call);
    // A plain load first: the usual case, with nothing injected, writes nothing.
    if (fault.error.load(std::memory_order_relaxed) == 0)
        return 0;
    if (fault.after.load() > 0) {
        fault.after.fetch_sub(1);
        return 0;
    }
    const int error = fault.error.exchange(0);
    if (error == kStopProcessFault) {
        ::raise(SIGSTOP);
        return 0;
    }
    return error;
}

}  // namespace vexa
