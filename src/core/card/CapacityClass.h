#pragma once
// The card capacity that a total of WAVE bytes needs: the text shown beside
// "積算カード容量" and the position in the capacity list. The three smaller
// limits are those of the cards the device was made for, not powers of two.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vexa {

struct CapacityClass {
    const char* text;
    int position;
};

struct CapacityLimit {
    std::uint64_t upTo;  // largest total of the class, bytes
    CapacityClass capacity;
};

inline constexpr std::array<CapacityLimit, 6> kCapacityLimits = {{
    {31'968'000, {"32MB", 0}},
    {63'952'000, {"64MB", 1}},
    {127'936'000, {"128MB", 2}},
    {268'435'456, {"256MB", 3}},    // 2^28
    {536'870'912, {"512MB", 4}},    // 2^29
    {1'073'741'824, {"1GB", 5}},    // 2^30
}};
inline constexpr CapacityClass kCapacityOver = {"OVER", 6};

// The class of `totalBytes`.
CapacityClass CapacityOf(std::uint64_t totalBytes);

// The text of a stored CardSize position, for the print-out: "0" … "5" give
// "32MB" … "1GB", any other non-empty value "OVER", "" gives "".
std::string CardSizeText(std::string_view stored);

}  // namespace vexa
