#include "cli/libexec/VolumeServiceChoice.h"

#include "udisks/UDisks2Service.h"

namespace vexa::cli {

VolumeService* systemVolumeService() {
    static UDisks2Service service;
    return &service;
}

}  // namespace vexa::cli
