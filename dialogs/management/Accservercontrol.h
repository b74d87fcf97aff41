#pragma once
// Puts an authentication server into a named server group of the switch,
// or takes it out: one row of the membership table, whose state is the
// action. No list; the binder is blocking and the form writes the outcome
// of a good set itself.
#include "TDialogBase.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class VnSNMPRequest2Edits;
class VnStatusBar;

class TfrmACCServerCtrl : public TDialogBase {
public:
    static constexpr int kWidth = 440;
    static constexpr int kHeight = 190;

    enum Item { kGroupName, kAddress, kProtocol, kRowState };

    static constexpr const char* kEmptyField = "Don't Leave Empty Fileds !";
    static constexpr const char* kSetFailed = "Set entry failed!";

    // Laid out at its size whatever the fonts.
    TfrmACCServerCtrl(QWidget* owner, const VnDialogContext& context);

    QLineEdit* edtGroupName = nullptr;
    QLineEdit* edtIPAddr = nullptr;
    QComboBox* cbAuthProtocol = nullptr;
    QComboBox* cbRowState = nullptr;
    QPushButton* Button1 = nullptr;  // "Set"
    QPushButton* Button2 = nullptr;  // "Close"
    VnStatusBar* StatusBar1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void FormCreate();
    void Button1Click();
    void Button2Click();

private:
    void BuildLayout();
    void EmptyFields();
};

// Points at the dialog while it exists.
extern TfrmACCServerCtrl* frmACCServerCtrl;
