#include "formdialog.h"

#include <QApplication>
#include <QCloseEvent>

namespace zentak {

FormDialog::FormDialog(Platform &platform, QWidget *mainWindow, QWidget *parent)
    : QDialog(parent), platform_(platform), mainWindow_(mainWindow), scale_(screenScale(platform))
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void FormDialog::formLoad()
{
    if (mainWindow_)
        mainWindow_->hide();
    fillControls();
}

void FormDialog::setClientTwips(double width, double height)
{
    setFixedSize(scale_.px(width), scale_.py(height));
}

void FormDialog::placeTwips(QWidget *w, double left, double top, double width, double height) const
{
    zentak::placeTwips(w, scale_, left, top, width, height);
}

void FormDialog::moveTwips(QWidget *w, double left, double top) const
{
    w->adjustSize();
    w->move(scale_.px(left), scale_.py(top));
}

void FormDialog::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    if (mainWindow_) {
        mainWindow_->show();
        mainWindow_->activateWindow();
    }
}

void FormDialog::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void FormDialog::closeEvent(QCloseEvent *event)
{
    // A visible dialog closes through reject() and so through done(); a
    // close() before it was ever shown arrives here only.
    QDialog::closeEvent(event);
    if (event->isAccepted())
        Form_Unload();
}

FormDialog *FormDialog::openDialog()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        auto *dialog = qobject_cast<FormDialog *>(w);
        if (dialog && dialog->isVisible() && !dialog->unloaded_)
            return dialog;
    }
    return nullptr;
}

} // namespace zentak
