#include "centerform.h"

#include "placementmath.h"
#include "platform.h"

#include <QWidget>

namespace zentak {

void centerform(QWidget *parent, QWidget *dialog, Platform &platform)
{
    const double tx = platform.twipsPerPixelX();
    const double ty = platform.twipsPerPixelY();
    const QRect p = parent->frameGeometry();
    const QSize d = dialog->frameGeometry().size();
    const QSize screen = platform.screenSize();
    PlacementInput in;
    in.parentLeft = p.x() * tx;
    in.parentTop = p.y() * ty;
    in.parentWidth = p.width() * tx;
    in.parentHeight = p.height() * ty;
    in.dialogWidth = d.width() * tx;
    in.dialogHeight = d.height() * ty;
    in.screenWidth = screen.width() * tx;
    in.screenHeight = screen.height() * ty;
    const PlacementResult at = centerPosition(in);
    dialog->move(qRound(at.left / tx), qRound(at.top / ty));
}

} // namespace zentak
