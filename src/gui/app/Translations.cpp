#include "gui/app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vexa::gui {

bool installJapaneseTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Japanese), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace vexa::gui
