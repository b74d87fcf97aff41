#pragma once
// The GARP timers of every bridge port (P-BRIDGE dot1dPortGarpTable): join,
// leave and leave-all time, listed only. Its refreshes and those of the
// port capability dialog are serialised by the request flags of Form1.
#include <memory>

#include "TDialogBase.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QWidget;
class TForm1;
class VnSNMPRequest2Edits;

class TGARPForm : public TDialogBase {
public:
    static constexpr int kWidth = 696;
    static constexpr int kHeight = 486;
    static constexpr const char* kTitle = "GARP Form: ";

    enum Item { kPort, kJoinTime, kLeaveTime, kLeaveAllTime };

    TGARPForm(QWidget* owner, const VnDialogContext& context);

    QLabel* ST_Count = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;  // never shown
    QTreeWidget* LV_dot1dPortGarpEntry = nullptr;
    QWidget* Panel5 = nullptr;  // never shown
    QLineEdit* GarpJoinTime = nullptr;
    QLineEdit* GarpLeaveTime = nullptr;
    QLineEdit* GarpLeaveAllTime = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Binder = nullptr;

    void FormCreate();
    void RefreshBtnClick();

    // The flags this dialog goes by: Form1's, or the dialog's own where the
    // program made none.
    TForm1& Flags() const { return *flags_; }

private:
    void BuildLayout();

    // Shared with the binder's completion, which may come while the form
    // goes.
    std::shared_ptr<TForm1> flags_;
};

extern TGARPForm* GARPForm;
