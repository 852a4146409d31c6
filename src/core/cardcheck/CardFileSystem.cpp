#include "core/cardcheck/CardFileSystem.h"

#include "core/cardcheck/MountTable.h"
#include <cstdio>

#include <sys/statvfs.h>

namespace vexa {
namespace {

namespace fs = std::filesystem;

FatType fatTypeOf(const Volume& volume) {
    if (volume.idType == "exfat")
        return FatType::ExFat;
    if (volume.idType != "vfat" && volume.idType != "msdos")
        return FatType::NotFat;
    if (volume.idVersion == "FAT12")
        return FatType::Fat12;
    if (volume.idVersion == "FAT32")
        return FatType::Fat32;
    return FatType::Fat16;
}

bool isExFatMountType(const std::string& type) { return type == "exfat" || type == "fuse.exfat"; }

std::string gigabytes(std::uint64_t bytes) {
    const double gb = static_cast<double>(bytes) / static_cast<double>(1ull << 30);
    char text[32];
    std::snprintf(text, sizeof text, "%.1f GB", gb);
    return text;
}

}  // namespace

bool IsFatMountType(const std::string& type) {
    return type == "vfat" || type == "msdos" || type == "fat" || type == "fuse.fusefat";
}

CardFileSystem DescribeCardFileSystem(const fs::path& folder, VolumeService* service) {
    CardFileSystem facts;
    facts.folder = folder;
    const auto mount = MountOf(folder);
    if (!mount)
        return facts;
    std::error_code error;
    const fs::path real = fs::canonical(folder, error);
    facts.isMountTop = !error && real.string() == mount->mountPoint;
    facts.mountPoint = mount->mountPoint;
    facts.type = mount->type;
    facts.source = mount->source;
    facts.readOnly = mount->readOnly();
    if (service != nullptr && service->available()) {
        for (const Volume& volume : service->volumes()) {
            if (volume.device != mount->source)
                continue;
            facts.fatTold = true;
            facts.fat = fatTypeOf(volume);
            facts.toldBy = "UDisks2";
            facts.volumeBytes = volume.sizeBytes;
        }
    }
    if (!facts.fatTold && mount->source.starts_with('/')) {
        if (const auto sector = ReadFatBootSectorOf(mount->source)) {
            facts.fatTold = true;
            facts.fat = sector->type;
            facts.toldBy = "ブートセクタ";
            facts.volumeBytes = sector->volumeBytes;
        }
    }
    if (!facts.fatTold && isExFatMountType(facts.type)) {
        facts.fatTold = true;
        facts.fat = FatType::ExFat;
        facts.toldBy = "マウントの種類";
    }
    if (!facts.fatTold && !IsFatMountType(facts.type)) {
        facts.fatTold = true;
        facts.fat = FatType::NotFat;
        facts.toldBy = "マウントの種類";
    }
    if (facts.volumeBytes == 0) {
        struct statvfs info {};
        if (::statvfs(folder.c_str(), &info) == 0)
            facts.volumeBytes = static_cast<std::uint64_t>(info.f_blocks) * (info.f_frsize ? info.f_frsize : info.f_bsize);
    }
    return facts;
}

std::string FormatAdvice(const std::string& device) {
    const std::string shown = device.starts_with("/dev/") ? device : "/dev/sdX1";
    return "FAT16 でフォーマットしてください（カードの中身は消えます）：Linux では「sudo mkfs.fat -F 16 " + shown +
           "」（マウントを外してから。" + (shown == device ? "" : "sdX1 はカードのパーティション。") +
           "）、またはデスクトップのディスク管理ツールで FAT を選びます。";
}

CardFindings FileSystemFindings(const CardFileSystem& facts) {
    CardFindings findings;
    const std::string place = facts.folder.string();
    if (!facts.isMountTop) {
        findings.push_back({Severity::Note, place,
                            "カードの一番上のフォルダ（マウントポイント）ではないため、ファイルシステムは確かめていません。"});
        return findings;
    }
    if (!facts.fatTold) {
        findings.push_back({Severity::Note, place,
                            "FAT の種類（FAT16 か FAT32 か）を確かめられませんでした（" + facts.type + "、" +
                                facts.source + "）。"});
    } else if (facts.fat == FatType::NotFat) {
        findings.push_back({Severity::Error, place,
                            "カードのファイルシステムが FAT ではありません（" + facts.type + "）。この機器は FAT16 のカードを読みます。" +
                                FormatAdvice(facts.source)});
    } else if (facts.fat != FatType::Fat16) {
        findings.push_back({Severity::Error, place,
                            "カードのファイルシステムは " + FatTypeName(facts.fat) + " です（" + facts.toldBy +
                                "による）。この機器は FAT16 のカードだけを読みます。" + FormatAdvice(facts.source)});
    } else {
        findings.push_back({Severity::Note, place, "ファイルシステム：FAT16（" + facts.toldBy + "による）"});
    }
    if (facts.volumeBytes > kFat16MaxBytes)
        findings.push_back({Severity::Error, place,
                            "カードの大きさ（" + gigabytes(facts.volumeBytes) +
                                "）が FAT16 で扱える大きさ（4 GB）を超えています。"});
    else if (facts.volumeBytes > kFat16CommonMaxBytes)
        findings.push_back({Severity::Warning, place,
                            "カードの大きさ（" + gigabytes(facts.volumeBytes) +
                                "）が 2 GB を超えています。FAT16 の 2 GB を超えるカードを読めない機器があります。"});
    if (facts.readOnly)
        findings.push_back({Severity::Note, place, "カードは読み取り専用でマウントされています。"});
    return findings;
}

}  // namespace vexa
