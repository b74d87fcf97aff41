#include "Portmirror.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "Stackingportuitformunit.h"
#include "SwitchMib.h"
#include "VnDialogFrame.h"
#include "VnDigitsEdit.h"
#include "VnMessageBox.h"
#include "VnPortIndex.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"

TPortMirrorForm* PortMirrorForm = nullptr;

namespace {

using K = VnControlKind;
using F = TPortMirrorForm;

const VnBindingTable kMirrorBindings{
    .descriptors = PortMirrorTable,
    .itemType = SVT_SV,
    .keyCount = 0,
    .rows = {{F::kTargetPort, K::Edits, "ET_TargetPort", "%i"},
             {F::kIngress, K::PortGrid, "IngressPorts"},
             {F::kEgress, K::PortGrid, "EgressPorts"},
             {F::kState, K::CheckBox, "CK_Status"}},
    .statusOutput = "StatusPanel",
    .mode = VnSNMPRequest2Controls::kModeSync,
};

int Number(const QLineEdit* edit)
{
    return VnFieldNumber(edit->text().trimmed().toStdString());
}

bool BoxChecked(const TStackingPortUitForm* grid, int position)
{
    const auto& boxes = grid->CheckBoxList();
    return position >= 0 && position < static_cast<int>(boxes.size()) &&
           boxes[static_cast<std::size_t>(position)]->isChecked();
}

}  // namespace

TPortMirrorForm::TPortMirrorForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(PortMirrorForm);
    setWindowTitle("Port Mirror Table");
    BuildLayout();
    FormCreate();
}

QScrollArea* TPortMirrorForm::GridArea(QGroupBox* group, const char* name)
{
    auto* layout = new QVBoxLayout(group);
    auto* area = new QScrollArea(group);
    area->setObjectName(name);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    layout->addWidget(area);
    return area;
}

void TPortMirrorForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    QWidget* panel = frame.EditArea("Panel1");
    StatusBar1 = frame.StatusBar("StatusBar1");
    StatusPanel = StatusBar1->AddPanel();
    StatusPanel->setObjectName("StatusPanel");
    BT_Refresh = frame.Button("BT_Refresh", "Refresh");
    BT_Set = frame.Button("BT_Set", "Set Member");

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* targetLine = new QHBoxLayout;
    targetLine->addWidget(new QLabel("Target Port ", panel));
    auto* target = new QGroupBox(panel);
    target->setObjectName("TargetPortGB");
    auto* targetLayout = new QHBoxLayout(target);
    UnitEdit = new QLineEdit(target);
    UnitEdit->setObjectName("UnitEdit");
    PortEdit = new QLineEdit(target);
    PortEdit->setObjectName("PortEdit");
    targetLayout->addWidget(new QLabel("Unit : ", target));
    targetLayout->addWidget(UnitEdit);
    targetLayout->addWidget(new QLabel("Port : ", target));
    targetLayout->addWidget(PortEdit);
    VnDigitsOnly(UnitEdit);
    VnDigitsOnly(PortEdit);
    targetLine->addWidget(target);
    ET_TargetPort = new QLineEdit(panel);
    ET_TargetPort->setObjectName("ET_TargetPort");
    ET_TargetPort->hide();
    CK_Status = new QCheckBox("Mirroring Status", panel);
    CK_Status->setObjectName("CK_Status");
    targetLine->addWidget(CK_Status);
    targetLine->addStretch(1);
    layout->addLayout(targetLine);

    GroupBox1 = new QGroupBox("Source Port", panel);
    GroupBox1->setObjectName("GroupBox1");
    auto* sources = new QVBoxLayout(GroupBox1);
    IngressPortGB = new QGroupBox("Ingress Port", GroupBox1);
    IngressPortGB->setObjectName("IngressPortGB");
    EgressPortGB = new QGroupBox("Egress Port", GroupBox1);
    EgressPortGB->setObjectName("EgressPortGB");
    sources->addWidget(IngressPortGB, 1);
    sources->addWidget(EgressPortGB, 1);
    layout->addWidget(GroupBox1, 1);

    On(BT_Refresh, &QPushButton::clicked, [this] { BT_RefreshClick(); });
    On(BT_Set, &QPushButton::clicked, [this] { BT_SetClick(); });
    On(ET_TargetPort, &QLineEdit::textChanged, [this] { ET_TargetPortChange(); });
}

void TPortMirrorForm::FormCreate()
{
    SetTitle(kTitle);
    VnGuarded(VnErrorLanding::FirstPanel(StatusBar1), [this] { CreatePortGrid(); });
    OpenBinder(Binder, kMirrorBindings);
    SetErrorLanding(VnErrorLanding::StatusLine(Binder));
}

void TPortMirrorForm::CreatePortGrid()
{
    IngressPorts = VnEmbedPortGrid(GridArea(IngressPortGB, "IngressScrollBox"), "IngressPorts");
    EgressPorts = VnEmbedPortGrid(GridArea(EgressPortGB, "EgressScrollBox"), "EgressPorts");
    UnitInformationMirrorList = VnShowUnitsListed(Context(), {IngressPorts, EgressPorts});
}

void TPortMirrorForm::BT_RefreshClick()
{
    if (!CommandAllowed())
        return;
    VnGuarded(VnErrorLanding::StatusLine(Binder), [this] { Binder->Refresh(); });
}

void TPortMirrorForm::ET_TargetPortChange()
{
    const VnUnitPort target = VnMirrorUnitPortOfIndex(Number(ET_TargetPort));
    UnitEdit->setText(QString::number(target.unit));
    PortEdit->setText(QString::number(target.port));
}

bool TPortMirrorForm::AnyChecked() const
{
    for (const TStackingPortUitForm* grid : {IngressPorts, EgressPorts}) {
        for (const QCheckBox* box : grid->CheckBoxList()) {
            if (box->isChecked())
                return true;
        }
    }
    return false;
}

void TPortMirrorForm::BT_SetClick()
{
    if (!CommandAllowed())
        return;
    if (!AnyChecked()) {
        VnMessageBox(this, kNoSourcePorts, VnMsgButtons::Ok, VnMsgIcon::Warning);
        return;
    }
    const int unit = Number(UnitEdit);
    if (unit < 1 || unit > TStackingPortUitForm::kUnits) {
        VnFieldMessage(this, kInvalidTarget, UnitEdit);
        return;
    }
    const VnShownUnit* shown = VnFindShownUnit(UnitInformationMirrorList, unit);
    if (!shown) {
        VnFieldMessage(this, kInvalidTarget, UnitEdit);
        return;
    }
    const int port = Number(PortEdit);
    if (port < 1 || port > 50 || shown->portCount < port) {
        VnFieldMessage(this, kInvalidTarget, PortEdit);
        return;
    }
    const int target = VnPortIndex(unit, port);
    ET_TargetPort->setText(QString::number(target));
    if (BoxChecked(IngressPorts, target - 1) || BoxChecked(EgressPorts, target - 1)) {
        VnFieldMessage(this, kTargetIsMember);
        return;
    }
    VnGuarded(VnErrorLanding::StatusLine(Binder), [this] { Binder->Apply(true, true, {}, nullptr); });
}
