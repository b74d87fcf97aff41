#pragma once
// The 802.1 capabilities of every bridge port (P-BRIDGE
// dot1dPortCapabilitiesTable), listed only; refreshes are serialised with
// the GARP dialog's by the request flags of Form1.
#include <memory>

#include "TDialogBase.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class TForm1;
class VnSNMPRequest2Edits;

class TPortCapabilities8021dForm : public TDialogBase {
public:
    static constexpr int kWidth = 449;
    static constexpr int kHeight = 291;
    static constexpr const char* kTitle = "Port Capability Form: ";

    TPortCapabilities8021dForm(QWidget* owner, const VnDialogContext& context);

    QLabel* ST_Count = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QTreeWidget* LV_dot1dPortCapabilitiesEntry = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Binder = nullptr;

    void FormCreate();
    void RefreshBtnClick();

    TForm1& Flags() const { return *flags_; }

private:
    void BuildLayout();

    // Shared with the binder's completion, which may come while the form
    // goes.
    std::shared_ptr<TForm1> flags_;
};

extern TPortCapabilities8021dForm* PortCapabilities8021dForm;
