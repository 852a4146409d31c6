#pragma once
// What the system's disk service (UDisks2 on the desktop) says about block
// devices, and what it does with them, behind an interface so that the checks
// and the card windows are tested with a scripted service.
#include <cstdint>
#include <string>
#include <vector>

namespace vexa {

struct Volume {
    std::string device;     // "/dev/sdb1"
    std::string label;      // the file system's label, "" for none
    std::uint64_t sizeBytes = 0;
    std::string idType;     // "vfat", "exfat", "ext4", …
    std::string idVersion;  // "FAT16", "FAT32", …
    bool removable = false;  // the drive's media can be taken out
    std::vector<std::string> mountPoints;

    bool operator==(const Volume&) const = default;
};

// How far the disk service got in taking a volume out.
struct VolumeEjection {
    bool unmounted = false;
    bool poweredOff = false;
    std::string problem;  // why it went no further ("" when both were done)
};

class VolumeService {
public:
    virtual ~VolumeService() = default;
    // False when the service is not there (no system bus, no UDisks2).
    virtual bool available() = 0;
    // Every block device with a file system that the service knows.
    virtual std::vector<Volume> volumes() = 0;
    // Unmounts the volume and powers its drive off.
    virtual VolumeEjection eject(const Volume& volume) = 0;
};

}  // namespace vexa
