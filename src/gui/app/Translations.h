#pragma once
// Qt's own texts (dialog buttons, file chooser) in Japanese like the rest of
// the program.
class QCoreApplication;

namespace vexa::gui {

// Loads and installs Qt's Japanese translation; false when it is not installed.
bool installJapaneseTranslations(QCoreApplication& app);

}  // namespace vexa::gui
