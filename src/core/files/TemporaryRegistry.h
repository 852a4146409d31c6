#pragma once
// The temporary files of the replacements in progress, so that a process ended
// by SIGINT, SIGTERM or SIGHUP leaves none of them behind. The registry is a
// fixed table that a signal handler can walk without locks or allocation: the
// handler removes this process's temporaries, puts the default action back and
// raises the signal again, so the process still ends as the signal says.
//
// The handler is installed for a signal only while that signal has its
// default action; a signal the program handles itself (the command line's
// Ctrl+C, heard as a stop request) or ignores is left alone.
#include <filesystem>

namespace vexa {

class TemporaryRegistry {
public:
    // Remembers `temporary` (an absolute path) and installs the handler where
    // allowed. The slot number to forget it by, or -1 when the table is full
    // or the path too long: the file is then only removed by its owner.
    static int remember(const std::filesystem::path& temporary);

    // Forgets the slot (-1 is ignored). Call it once the file is gone or has
    // been renamed to its final name.
    static void forget(int slot);
};

}  // namespace vexa
