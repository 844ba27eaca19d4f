#include "formdialog.h"

#include <QApplication>
#include <QCloseEvent>

namespace zentak {

FormDialog::FormDialog(Platform &platform, QWidget *mainWindow, QWidget *parent)
    : QDialog(parent), platform_(platform), scale_(screenScale(platform)), mainWindow_(mainWindow)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void FormDialog::load()
{
    if (mainWindow_)
        mainWindow_->hide();
    fillControls();
}

void FormDialog::setClientTwips(double width, double height)
{
    setFixedSize(scale_.px(width), scale_.py(height));
}

BuiltControls FormDialog::buildForm(const std::vector<ControlSpec> &controls)
{
    return buildControls(this, controls, scale_);
}

void FormDialog::showMainWindow()
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
    showMainWindow();
    QDialog::done(result);
}

void FormDialog::closeEvent(QCloseEvent *event)
{
    // A visible dialog closes through reject() and so through done(); a
    // close() before it was ever shown arrives here only.
    QDialog::closeEvent(event);
    if (event->isAccepted())
        showMainWindow();
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
