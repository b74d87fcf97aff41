#include "Dot1xstatisticsformunit.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "AuthMib.h"
#include "VnDialogFrame.h"
#include "VnSNMPRequest2Edits.h"

TDiagnosticsInformationForm* DiagnosticsInformationForm = nullptr;
TMacStatisticTableForm* MacStatisticTableForm = nullptr;

const VnDot1xStatisticsTraits TDiagnosticsInformationForm::kTraits{
    "Diagnostics Information Form", "Diagnostics Information Form: ", Dot1xDiagnosticsTable};
const VnDot1xStatisticsTraits TMacStatisticTableForm::kTraits{"MacStatisticTableForm", "MacStatisticTableForm: ",
                                                              Dot1xFrameStatisticsTable};

TDot1xStatisticsForm::TDot1xStatisticsForm(QWidget* owner, const VnDialogContext& context,
                                           const VnDot1xStatisticsTraits& traits)
    : TDialogBase(owner, context, kWidth, kHeight),
      traits_(traits),
      bindings_{.descriptors = traits.table,
                .itemType = MVT_FMV,
                .keyCount = 2,
                .rows = {{-1, VnControlKind::ListView, "ListView1"}},
                .statusOutput = "Memo1",
                .mode = VnSNMPRequest2Controls::kModeSync}
{
    setWindowTitle(traits_.layoutCaption);
    BuildLayout();
}

void TDot1xStatisticsForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    Memo1 = frame.Memo("Memo1");
    Button1 = frame.Button("Button1", "Refresh");
    SetErrorLanding(VnErrorLanding::MemoLine(Memo1));
    On(Button1, &QPushButton::clicked, [this] { Button1Click(); });
}

void TDot1xStatisticsForm::FormCreate()
{
    SetTitle(traits_.title);
    OpenBinder(Request, bindings_, VnErrorLanding::MemoLine(Memo1));
}

void TDot1xStatisticsForm::Button1Click()
{
    if (!CommandAllowed())
        return;
    Request->Refresh();
}

TDiagnosticsInformationForm::TDiagnosticsInformationForm(QWidget* owner, const VnDialogContext& context)
    : TDot1xStatisticsForm(owner, context, kTraits)
{
    SetFormPointer(DiagnosticsInformationForm);
    FormCreate();
}

TMacStatisticTableForm::TMacStatisticTableForm(QWidget* owner, const VnDialogContext& context)
    : TDot1xStatisticsForm(owner, context, kTraits)
{
    SetFormPointer(MacStatisticTableForm);
    FormCreate();
}
