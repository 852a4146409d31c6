// vexa-NAME: a helper of `vexa` for one command that needs large libraries
// (HelperCommands.h), built once per helper with VEXA_HELPER_COMMAND naming
// the command's add function. It reads the same command line as `vexa`, and
// the same Program Folder: that of the `vexa` beside which it is installed.
#include "cli/libexec/HelperCommandsAdd.h"

int main(int argc, char** argv) { return vexa::cli::RunHelper(argc, argv, &vexa::cli::VEXA_HELPER_COMMAND); }
