#pragma once
// The settings dialog (Form2): the user's eight settings shown, checked and
// saved, in memory and in the per-user store. It hides the main window
// while it is open.

#include "formdialog.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace zentak {

struct AppState;
class NoteEdit;
struct SettingsForm;

class SettingsDialog : public FormDialog {
    Q_OBJECT
public:
    SettingsDialog(AppState &state, Platform &platform, QWidget *mainWindow, QWidget *parent = nullptr);

    QLineEdit *initim() const { return initim_; }
    QLineEdit *daytim() const { return daytim_; }
    QLineEdit *yukyuz() const { return yukyuz_; }
    NoteEdit *text1() const { return text1_; }
    QRadioButton *option1() const { return option1_; }
    QRadioButton *option2() const { return option2_; }
    QCheckBox *check1() const { return check1_; }
    QCheckBox *check2() const { return check2_; }

    // Writes every setting to the store.
    void rinisave();

public slots:
    void Command1_Click(); // 保存
    void Command2_Click(); // 戻る

protected:
    void fillControls() override;

private:
    void build();
    SettingsForm shown() const;
    void tellRefused(const QString &refused);

    AppState &state_;

    QLineEdit *initim_ = nullptr;
    QLineEdit *daytim_ = nullptr;
    QLineEdit *yukyuz_ = nullptr;
    NoteEdit *text1_ = nullptr;
    QRadioButton *option1_ = nullptr;
    QRadioButton *option2_ = nullptr;
    QCheckBox *check1_ = nullptr;
    QCheckBox *check2_ = nullptr;
};

} // namespace zentak
