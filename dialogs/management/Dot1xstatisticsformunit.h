#pragma once
// The 802.1X per-station counters of MAC-based authentication, read only:
// one row per authenticating station (MAC address and port). Two twins of
// one design, the authenticator's diagnostics and the EAPOL frame
// statistics, differing only in their traits. The binder reads blocking.
#include "TDialogBase.h"

class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class VnSNMPRequest2Edits;
struct VnSNMPVarDesc;

// What tells the twins apart.
struct VnDot1xStatisticsTraits {
    const char* layoutCaption;
    const char* title;  // with its ": "
    const VnSNMPVarDesc* table;
};

class TDot1xStatisticsForm : public TDialogBase {
public:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 360;

    QPushButton* Button1 = nullptr;  // "Refresh"
    QTreeWidget* ListView1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void FormCreate();
    void Button1Click();

protected:
    TDot1xStatisticsForm(QWidget* owner, const VnDialogContext& context, const VnDot1xStatisticsTraits& traits);

private:
    void BuildLayout();

    const VnDot1xStatisticsTraits& traits_;
    VnBindingTable bindings_;
};

class TDiagnosticsInformationForm final : public TDot1xStatisticsForm {
public:
    static const VnDot1xStatisticsTraits kTraits;
    TDiagnosticsInformationForm(QWidget* owner, const VnDialogContext& context);
};

class TMacStatisticTableForm final : public TDot1xStatisticsForm {
public:
    static const VnDot1xStatisticsTraits kTraits;
    TMacStatisticTableForm(QWidget* owner, const VnDialogContext& context);
};

extern TDiagnosticsInformationForm* DiagnosticsInformationForm;
extern TMacStatisticTableForm* MacStatisticTableForm;
