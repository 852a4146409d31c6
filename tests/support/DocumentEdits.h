#pragma once
// Edits a test makes on a Document as a user would, each one undoable step.
#include "core/document/Document.h"

#include <string>

namespace vexa::test {

// Gives sheet `sheet` the name `name`, as the memo grid does.
void renameSheet(Document& document, int sheet, const std::string& name);

}  // namespace vexa::test
