#include "core/cardcheck/CardEject.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace vexa {
namespace {

// Flushes the file system holding `folder`; "" when done, else why not.
std::string syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return "「" + folder + "」を開けません：" + std::strerror(errno);
    const int result = ::syncfs(fd);
    const int error = errno;
    ::close(fd);
    if (result != 0)
        return "「" + folder + "」の内容をカードに書き出せません：" + std::strerror(error);
    return {};
}

// "/media/card/" and "/media/card" are the same folder.
std::filesystem::path normalFolder(const std::filesystem::path& folder) {
    std::filesystem::path normal = folder.lexically_normal();
    return normal.has_filename() ? normal : normal.parent_path();
}

}  // namespace

CardEjectResult EjectCard(const Volume& volume, VolumeService* service) {
    if (volume.mountPoints.empty())
        return {false, false, "「" + volume.device + "」はマウントされていません。"};
    const std::string& mountPoint = volume.mountPoints.front();
    if (std::string problem = syncFolder(mountPoint); !problem.empty())
        return {false, false, problem + "\nカードはまだ取り出さないでください。"};
    if (service == nullptr || !service->available())
        return {true, false,
                "「" + mountPoint + "」の内容はすべてカードに書き出しました。カードは安全に取り出せます。"};
    const VolumeEjection ejection = service->eject(volume);
    if (ejection.unmounted && ejection.poweredOff)
        return {true, true, "「" + mountPoint + "」のマウントを外し、ドライブの電源を切りました。カードは安全に取り出せます。"};
    if (ejection.unmounted)  // the data is on the card (flushed above) and nothing has it open
        return {true, false,
                "「" + mountPoint + "」のマウントは外しました。ドライブの電源は切れませんでした：" + ejection.problem +
                    "\nカードは安全に取り出せます。"};
    return {false, false, ejection.problem};
}

bool CanEjectAfterCheck(const Volume& volume, const std::filesystem::path& checkedFolder,
                        const CardFindings& findings, bool stopped) {
    if (stopped || !volume.removable || volume.mountPoints.empty() || !IsClean(findings))
        return false;
    return normalFolder(volume.mountPoints.front()) == normalFolder(checkedFolder);
}

}  // namespace vexa
