#pragma once
// How a conversion or a silence file ended; the numbers are what the tools
// window and the command line report.
#include <cstdint>

namespace vexa {

enum class JobResult : std::int16_t {
    Completed = 0,
    Stopped = 1,  // the user asked to stop; the file is written at full length
    Failed = 2,   // nothing was written; the destination is as it was before the job
};

}  // namespace vexa
