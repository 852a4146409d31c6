#include "core/wavetools/SilenceJob.h"

#include "core/wavetools/MakeSilence.h"

namespace vexa {

std::uint64_t SilenceJob::totalBytes() const { return SilenceFileSize(seconds, rate, bits); }

SilenceJob SilenceJobFor(const std::string& path, int seconds, std::string_view sampleChoice,
                         std::string_view bitChoice) {
    return {path, seconds, sampleChoice == kSampleChoices[1] ? 44100 : 22050, bitChoice == kBitChoices[1] ? 16 : 8};
}

JobResult RunSilence(const SilenceJob& job, ProgressLink& link) {
    return MakeSilence(job.path, job.seconds, job.rate, job.bits, link);
}

}  // namespace vexa
