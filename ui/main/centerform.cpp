#include "centerform.h"

#include "formdialog.h"
#include "placementmath.h"
#include "platform.h"
#include "twips.h"

#include <QWidget>

namespace zentak {

namespace {

QSize frameExtra(const QWidget *window)
{
    return window->frameGeometry().size() - window->geometry().size();
}

} // namespace

QSize outerSize(const QWidget *window, const QWidget *reference)
{
    const QSize own = frameExtra(window);
    if (!own.isNull() || !reference)
        return window->size() + own;
    return window->size() + frameExtra(reference);
}

void centerform(QWidget *parent, QWidget *dialog, Platform &platform)
{
    const TwipScale s = screenScale(platform);
    const QRect p = parent->frameGeometry();
    const QSize d = outerSize(dialog, parent);
    const QSize screen = platform.screenSize();
    PlacementInput in;
    in.parentLeft = p.x() * s.x;
    in.parentTop = p.y() * s.y;
    in.parentWidth = p.width() * s.x;
    in.parentHeight = p.height() * s.y;
    in.dialogWidth = d.width() * s.x;
    in.dialogHeight = d.height() * s.y;
    in.screenWidth = screen.width() * s.x;
    in.screenHeight = screen.height() * s.y;
    const PlacementResult at = centerPosition(in);
    // The position of a window is that of its frame's top-left corner.
    dialog->move(s.px(at.left), s.py(at.top));
}

void openForm(FormDialog *dialog, QWidget *mainWindow, Platform &platform)
{
    // Its text boxes' menus read in Japanese.
    platform.useJapaneseQtTexts();
    dialog->load();
    centerform(mainWindow, dialog, platform);
    dialog->show();
}

} // namespace zentak
