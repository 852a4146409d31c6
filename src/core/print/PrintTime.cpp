#include "core/print/PrintTime.h"

#include <cstdio>

namespace vexa::print {
namespace {

constexpr const char* kHeaderTitle = "Chimewell  Vexa Editor";  // two spaces

std::string twoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

}  // namespace

PrintTime PrintTimeNow() { return PrintTimeOf(std::time(nullptr)); }

PrintTime PrintTimeOf(std::time_t moment) {
    std::tm local{};
    localtime_r(&moment, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string PrintDateText(const PrintTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/", time.year);
    return text + twoDigits(time.month) + "/" + twoDigits(time.day);
}

std::string PrintTimeText(const PrintTime& time) {
    return twoDigits(time.hour) + ":" + twoDigits(time.minute) + ":" + twoDigits(time.second);
}

PageHeader CommonPageHeader(const PrintTime& time) {
    return {kHeaderTitle, PrintDateText(time), PrintTimeText(time), std::nullopt};
}

}  // namespace vexa::print
