#include "core/card/CapacityClass.h"

namespace vexa {

CapacityClass CapacityOf(std::uint64_t totalBytes) {
    for (const CapacityLimit& limit : kCapacityLimits)
        if (totalBytes <= limit.upTo)
            return limit.capacity;
    return kCapacityOver;
}

std::string CardSizeText(std::string_view stored) {
    if (stored.empty())
        return {};
    for (const CapacityLimit& limit : kCapacityLimits)
        if (stored == std::to_string(limit.capacity.position))
            return limit.capacity.text;
    return kCapacityOver.text;
}

}  // namespace vexa
