#include "printlayout/ReportFonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace vexa::printlayout {
namespace {

QFont sized(const QString& family, qreal points, bool bold = false) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setKerning(false);
    return font;
}

}  // namespace

QString JapaneseFontFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families(QFontDatabase::Japanese);
        for (const char* wanted : {"IPAGothic", "IPAPGothic", "Noto Sans CJK JP", "Noto Sans JP", "TakaoGothic",
                                   "VL Gothic"})
            if (installed.contains(QString::fromLatin1(wanted)))
                return QString::fromLatin1(wanted);
        return QGuiApplication::font().family();
    }();
    return family;
}

ReportFonts ReportFonts::make() {
    const QString family = JapaneseFontFamily();
    return {sized(family, 12, true), sized(family, 9), sized(family, 11, true),
            sized(family, 9.5), sized(family, 8), sized(family, 8)};
}

}  // namespace vexa::printlayout
