#pragma once
// The commands of `vexa`, one file each; main() registers them in this order.
#include "CliContext.h"

namespace vexa::cli {

}  // namespace vexa::cli
