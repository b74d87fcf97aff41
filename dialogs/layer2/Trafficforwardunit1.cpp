#include "Trafficforwardunit1.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Stackingportuitformunit.h"
#include "SwitchMib.h"
#include "VnDialogFrame.h"
#include "VnMessageBox.h"
#include "VnPortIndex.h"
#include "VnSNMPRequest2Edits.h"
#include "VnShownUnits.h"
#include "VnStatusOutput.h"

TTrafficSegmentationForm* TrafficSegmentationForm = nullptr;

namespace {

using K = VnControlKind;
using F = TTrafficSegmentationForm;

const VnBindingTable kSegmentationBindings{
    .descriptors = TrafficSegmentationTable,
    .itemType = MVT_UMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "LV_TrafficForward"},
             {F::kPort, K::StaticText, "ST_Port"},
             {F::kForwardPorts, K::PortGrid, "ForwardPorts"}},
    .statusOutput = "StatusPanel",
    .rowCount = "StaticText1",
};

}  // namespace

TTrafficSegmentationForm::TTrafficSegmentationForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(TrafficSegmentationForm);
    setWindowTitle("Traffic Segmentation Table");
    BuildLayout();
    FormCreate();
}

void TTrafficSegmentationForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    LV_TrafficForward = frame.ListView("LV_TrafficForward");
    QWidget* panel = frame.EditArea("Panel3");
    StatusBar1 = frame.StatusBar("StatusBar1");
    StatusPanel = StatusBar1->AddPanel();
    StatusPanel->setObjectName("StatusPanel");
    StaticText1 = frame.Count("StaticText1");
    BT_Get = frame.Button("BT_Get", "Refresh");
    BT_Set = frame.Button("BT_Set", "Set");
    StopBtn = frame.Button("StopBtn", "Stop");

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* port = new QGroupBox("Port", panel);
    port->setObjectName("GroupBox1");
    auto* portLayout = new QHBoxLayout(port);
    Combo_Unit = new QLineEdit(port);
    Combo_Unit->setObjectName("Combo_Unit");
    Combo_Unit->setReadOnly(true);
    Combo_Port = new QLineEdit(port);
    Combo_Port->setObjectName("Combo_Port");
    Combo_Port->setReadOnly(true);
    portLayout->addWidget(new QLabel("Unit : ", port));
    portLayout->addWidget(Combo_Unit);
    portLayout->addWidget(new QLabel("Port : ", port));
    portLayout->addWidget(Combo_Port);
    portLayout->addStretch(1);
    ST_Port = new QLabel(port);
    ST_Port->setObjectName("ST_Port");
    ST_Port->hide();
    layout->addWidget(port);
    Panel4 = new QScrollArea(panel);
    Panel4->setObjectName("Panel4");
    Panel4->setWidgetResizable(true);
    layout->addWidget(Panel4, 1);

    On(BT_Get, &QPushButton::clicked, [this] { BT_GetClick(); });
    On(BT_Set, &QPushButton::clicked, [this] { BT_SetClick(); });
    On(StopBtn, &QPushButton::clicked, [this] { StopBtnClick(); });
}

void TTrafficSegmentationForm::FormCreate()
{
    SetTitle(kTitle);
    VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [this] {
        ForwardPorts = VnEmbedPortGrid(Panel4, "ForwardPorts");
        VnShowPresentUnits(Context(), {ForwardPorts});
    });
    SetErrorLanding(VnErrorLanding::FirstPanel(StatusBar1));
    OpenBinder(Binder, kSegmentationBindings, VnErrorLanding::FirstPanel(StatusBar1),
               [this](VnSNMPRequest2Edits& binder) {
                   binder.OnRefreshDone = [this](VnSNMPRequest2Controls&, const VnSNMPError&) {
                       refreshComplete_ = true;
                   };
                   // Cleared before the fill: a row whose fill fails shows
                   // no unit and port of the row selected before it.
                   binder.OnRowSelecting = [this](QTreeWidgetItem* row) {
                       if (row) {
                           ForwardPorts->UncheckAll();
                           Combo_Unit->clear();
                           Combo_Port->clear();
                       }
                   };
                   binder.OnRowSelected = [this](QTreeWidgetItem*) { LV_TrafficForwardClick(); };
                   binder.OnSelectionCleared = [this] { ForgetRow(); };
               });
}

bool TTrafficSegmentationForm::WalkSettled()
{
    if (refreshComplete_ && !Binder->Busy())
        return true;
    VnMessageBox(this, kRefreshNotComplete);
    return false;
}

void TTrafficSegmentationForm::ForgetRow()
{
    ST_Port->clear();
    Combo_Unit->clear();
    Combo_Port->clear();
}

void TTrafficSegmentationForm::BT_GetClick()
{
    if (!WalkSettled() || !CommandAllowed())
        return;
    Binder->request.keepGoing = true;
    refreshComplete_ = false;
    ForgetRow();
    if (!VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [this] { Binder->Refresh(); }))
        refreshComplete_ = !Binder->Busy();
    ForwardPorts->UncheckAll();
}

void TTrafficSegmentationForm::BT_SetClick()
{
    if (!WalkSettled() || !CommandAllowed())
        return;
    Binder->request.keepGoing = true;
    // At the selected row only: without one nothing is sent.
    VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [this] { Binder->ApplyToSelectedRow(true); });
}

void TTrafficSegmentationForm::StopBtnClick()
{
    refreshComplete_ = true;
    Binder->request.keepGoing = false;
}

void TTrafficSegmentationForm::LV_TrafficForwardClick()
{
    if (!Binder->SelectedRowIndex()) {
        ForgetRow();
        return;
    }
    const VnUnitPort port = VnUnitPortOfIndex(VnFieldNumber(ST_Port->text().toStdString()));
    Combo_Unit->setText(QString::number(port.unit));
    Combo_Port->setText(QString::number(port.port));
}
