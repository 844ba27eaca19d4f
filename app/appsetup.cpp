#include "appsetup.h"

#include "deferrediconstyle.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zentak {

namespace {

QFont windowFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho"),
                      QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"),
                      QStringLiteral("IPAexMincho"), QStringLiteral("Noto Serif CJK JP")});
    font.setStyleHint(QFont::Serif);
    font.setPointSize(9);
    return font;
}

} // namespace

void setUpApplication(QApplication &app, QTranslator &qtTranslator)
{
    if (qtTranslator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    app.setFont(windowFont());
    app.setStyle(new DeferredIconStyle);
}

} // namespace zentak
