#pragma once
// The numbered catalogue of every caption, question and error text shown to
// the user, and GetMsg, through which all of them are fetched.
#include "core/config/MessageNumbers.h"

#include <string>
#include <string_view>

namespace vexa {

// The text of `number` with `extra` put in place of its first "$", or appended
// when it has none. An unknown number gives "".
std::string GetMsg(int number, std::string_view extra = {});

// The catalogue text alone (nullptr for an unknown number).
const char* messageText(int number) noexcept;

}  // namespace vexa
