// The private-profile reader under the Configuration File: the whole file
// read as the program reads vexacontrol.ini, single keys through buffers of
// every small size, and a key set from the input's first line ("key=value")
// into the document read.
#include "FuzzFolder.h"

#include "core/config/ConfigurationFile.h"
#include "core/config/PrivateProfile.h"
#include "core/text/Cp932.h"

#include <string_view>

using namespace vexa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto path = fuzz::FuzzFolder::get().write("vexacontrol.ini", bytes);
    (void)ReadConfiguration(path);
    PrivateProfile profile = PrivateProfile::load(path);
    for (std::size_t buffer = 1; buffer < 8; ++buffer)
        (void)profile.get("System", "CardName", "fallback", buffer);
    const std::string_view firstLine = bytes.substr(0, bytes.find_first_of("\r\n"));
    const auto equals = firstLine.find('=');
    if (equals != std::string_view::npos) {
        const std::string key(firstLine.substr(0, equals));
        const std::string value(firstLine.substr(equals + 1));
        // A value that CP932 holds is read back as it was set, up to its first NUL.
        const std::string expected = value.substr(0, value.find('\0'));
        const bool holdable = cp932::toUtf8(cp932::fromUtf8(expected)) == expected;
        if (profile.set("Fuzz", key, value) && holdable && profile.get("Fuzz", key) != expected)
            __builtin_trap();
    }
    return 0;
}
