#include "core/files/TemporaryRegistry.h"

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace vexa {
namespace {

constexpr std::size_t kSlots = 32;
constexpr std::size_t kPathBytes = 4096;
constexpr std::array kSignals{SIGINT, SIGTERM, SIGHUP};

// A slot's state: the low bits tell its phase, the rest count its uses, so
// that the handler can see whether a path it copied was replaced meanwhile.
constexpr unsigned kFree = 0, kFilling = 1, kLive = 2, kPhaseMask = 3, kUse = 4;

struct Slot {
    std::atomic<unsigned> state{kFree};
    pid_t owner = 0;  // a forked child never removes its parent's files
    char path[kPathBytes] = {};
};

static_assert(std::atomic<unsigned>::is_always_lock_free, "the signal handler needs lock-free atomics");

std::array<Slot, kSlots> slots;
std::mutex installing;

void removeLiveTemporaries() {
    const pid_t self = ::getpid();
    char copy[kPathBytes];
    for (Slot& slot : slots) {
        const unsigned before = slot.state.load(std::memory_order_acquire);
        if ((before & kPhaseMask) != kLive)
            continue;
        const pid_t owner = slot.owner;
        std::memcpy(copy, slot.path, kPathBytes);
        copy[kPathBytes - 1] = '\0';
        // Another thread may have reused the slot while it was copied.
        if (owner == self && slot.state.load(std::memory_order_acquire) == before)
            ::unlink(copy);
    }
}

extern "C" void onEndingSignal(int signal) {
    removeLiveTemporaries();
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    sigemptyset(&defaults.sa_mask);
    ::sigaction(signal, &defaults, nullptr);
    // Still blocked while the handler runs: delivered, with the default
    // action, as soon as it returns.
    ::raise(signal);
}

bool hasDefaultAction(const struct sigaction& action) {
    return (action.sa_flags & SA_SIGINFO) == 0 && action.sa_handler == SIG_DFL;
}

void installWhereDefault() {
    const std::lock_guard lock(installing);
    for (const int signal : kSignals) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || !hasDefaultAction(current))
            continue;
        struct sigaction ours {};
        ours.sa_handler = onEndingSignal;
        sigfillset(&ours.sa_mask);  // one cleaning at a time, whichever signal comes
        ::sigaction(signal, &ours, nullptr);
    }
}

}  // namespace

int TemporaryRegistry::remember(const std::filesystem::path& temporary) {
    const std::string& text = temporary.native();
    if (text.size() >= kPathBytes)
        return -1;
    installWhereDefault();
    for (std::size_t i = 0; i < slots.size(); ++i) {
        Slot& slot = slots[i];
        unsigned state = slot.state.load(std::memory_order_relaxed);
        if ((state & kPhaseMask) != kFree)
            continue;
        const unsigned use = (state & ~kPhaseMask) + kUse;
        if (!slot.state.compare_exchange_strong(state, use | kFilling, std::memory_order_acq_rel))
            continue;
        std::memcpy(slot.path, text.c_str(), text.size() + 1);
        slot.owner = ::getpid();
        slot.state.store(use | kLive, std::memory_order_release);
        return static_cast<int>(i);
    }
    return -1;
}

void TemporaryRegistry::forget(int slot) {
    if (slot < 0 || static_cast<std::size_t>(slot) >= slots.size())
        return;
    std::atomic<unsigned>& state = slots[static_cast<std::size_t>(slot)].state;
    state.store(state.load(std::memory_order_relaxed) & ~kPhaseMask, std::memory_order_release);
}

}  // namespace vexa
