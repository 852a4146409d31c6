#pragma once
// The boxes of the WAVE tools window that a refusal can point at, by the
// names the window gives them.
namespace vexa::tools_field {

inline constexpr const char* kSource = "TxtConv01_0";     // file or folder to convert
inline constexpr const char* kOutput = "TxtConv01_1";     // output file or folder
inline constexpr const char* kMinutes = "TxtMM";
inline constexpr const char* kSeconds = "TxtSS";
inline constexpr const char* kSilentFile = "TxtSirent";  // the silent file to make

}  // namespace vexa::tools_field
