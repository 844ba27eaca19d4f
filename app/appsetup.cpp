#include "appsetup.h"

#include "deferrediconstyle.h"

#include <QApplication>
#include <QFont>
#include <QLocale>

namespace zentak {

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

void setUpApplication(QApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    app.setFont(windowFont());
    app.setStyle(new DeferredIconStyle);
}

} // namespace zentak
