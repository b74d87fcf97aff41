#include "Staticfilterformunit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "BridgeMib.h"
#include "Stackingportuitformunit.h"
#include "VnAccessScope.h"
#include "VnDialogFrame.h"
#include "VnListRows.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Edits.h"

TMulticastFilterInformationForm* MulticastFilterInformationForm = nullptr;
TUnicastFilterInformationForm* UnicastFilterInformationForm = nullptr;

namespace {

using K = VnControlKind;
using F = TStaticFilterForm;

const VnBindingTable kMulticastBindings{
    .descriptors = StaticMulticastTable,
    .itemType = MVT_UMV,
    .keyCount = 3,
    .rows = {{-1, K::ListView, "LV_dot1qStaticMulticastEntry"},
             {F::kFdbId, K::Edits, "ED_MulticastVID", "%i{n1x4094}"},
             {F::kAddress, K::Edits, "ED_MACAddress", "%h"},
             {F::kPorts, K::PortGrid, "Ports"},
             {F::kStatus, K::ComboBox, "Status"}},
    .statusOutput = "Memo1",
    .rowCount = "ST_Count",
};

const VnBindingTable kUnicastBindings{
    .descriptors = StaticUnicastTable,
    .itemType = MVT_UMV,
    .keyCount = 3,
    .rows = {{-1, K::ListView, "LV_dot1qStaticUnicastEntry"},
             {F::kFdbId, K::Edits, "ED_UnicastVID", "%i{n1x4094}"},
             {F::kAddress, K::Edits, "UnicastAddress", "%h"},
             {F::kPorts, K::PortGrid, "Ports"},
             {F::kStatus, K::ComboBox, "UStatus"}},
    .statusOutput = "Memo1",
    .rowCount = "ST_Count",
};

}  // namespace

const VnStaticFilterDescription TMulticastFilterInformationForm::kDescription{
    .title = "Multicast Filter Information: ",
    .caption = "MulticastFilterInformationForm",
    .width = 659,
    .height = 449,
    .bindings = &kMulticastBindings,
    .vidField = "ED_MulticastVID",
    .addressField = "ED_MACAddress",
    .addressCaption = "MAC Address",
    .statusCombo = "Status",
    .keyFieldsDisabled = false,
    .gridOnPage = true,
    .samplesCaption = true,
    .setOffered = true,
    .clearOnRefresh = true,
};

const VnStaticFilterDescription TUnicastFilterInformationForm::kDescription{
    .title = "Unicast Filter Information :",
    .caption = "UnicastFilterInformationForm",
    .width = 695,
    .height = 485,
    .bindings = &kUnicastBindings,
    .vidField = "ED_UnicastVID",
    .addressField = "UnicastAddress",
    .addressCaption = "MAC  Address",
    .statusCombo = "UStatus",
    .keyFieldsDisabled = true,
    .gridOnPage = false,
    .samplesCaption = false,
    .setOffered = false,
    .clearOnRefresh = false,
};

TMulticastFilterInformationForm::TMulticastFilterInformationForm(QWidget* owner, const VnDialogContext& context)
    : TStaticFilterForm(owner, context, kDescription)
{
    SetFormPointer(MulticastFilterInformationForm);
    FormCreate();
}

TUnicastFilterInformationForm::TUnicastFilterInformationForm(QWidget* owner, const VnDialogContext& context)
    : TStaticFilterForm(owner, context, kDescription)
{
    SetFormPointer(UnicastFilterInformationForm);
    FormCreate();
}

TStaticFilterForm::TStaticFilterForm(QWidget* owner, const VnDialogContext& context,
                                     const VnStaticFilterDescription& description)
    : TDialogBase(owner, context, description.width, description.height), description_(description)
{
    setWindowTitle(description.caption);
    BuildLayout();
}

void TStaticFilterForm::BuildLayout()
{
    const VnStaticFilterDescription& d = description_;
    VnDialogFrame frame(*this);
    ListView = frame.ListView(d.bindings->rows.front().control);
    QWidget* panel4 = frame.EditArea("Panel4");
    Memo1 = frame.Memo("Memo1");
    ST_Count = frame.Count("ST_Count", d.samplesCaption ? "Samples" : "");
    ST_Count->setText("0");
    RefreshBtn = frame.Button("RefreshBtn", "Refresh");
    if (d.setOffered)
        SetBtn = frame.Button("SetBtn", "Set");
    DeleteBtn = frame.Button("DeleteBtn", "Delete");

    auto* panel4Layout = new QVBoxLayout(panel4);
    panel4Layout->setContentsMargins(0, 0, 0, 0);
    auto* groupBox5 = new QGroupBox(panel4);
    groupBox5->setObjectName("GroupBox5");
    VnFieldGrid fields(groupBox5);
    VidField = fields.Add<QLineEdit>(0, 0, "VID", d.vidField);
    AddressField = fields.Add<QLineEdit>(0, 1, d.addressCaption, d.addressField);
    StatusCombo = fields.Add<QComboBox>(0, 2, "Status", d.statusCombo);
    for (QLineEdit* key : {VidField, AddressField}) {
        key->setReadOnly(true);
        key->setEnabled(!d.keyFieldsDisabled);
    }
    panel4Layout->addWidget(groupBox5);

    if (d.gridOnPage) {
        auto* pageControl1 = new QTabWidget(panel4);
        pageControl1->setObjectName("PageControl1");
        ScrollBox1 = VnAddGridPage(pageControl1, "ScrollBox1", "Egress Ports");
        panel4Layout->addWidget(pageControl1, 1);
    } else {
        auto* groupBox1 = new QGroupBox("Allow To Go To Port", panel4);
        groupBox1->setObjectName("GroupBox1");
        auto* boxLayout = new QVBoxLayout(groupBox1);
        ScrollBox1 = new QScrollArea(groupBox1);
        ScrollBox1->setObjectName("ScrollBox1");
        ScrollBox1->setWidgetResizable(true);
        boxLayout->addWidget(ScrollBox1);
        panel4Layout->addWidget(groupBox1, 1);
    }

    On(RefreshBtn, &QPushButton::clicked, [this] { RefreshBtnClick(); });
    if (SetBtn)
        On(SetBtn, &QPushButton::clicked, [this] { SetBtnClick(); });
    On(DeleteBtn, &QPushButton::clicked, [this] { DeleteBtnClick(); });
}

void TStaticFilterForm::FormCreate()
{
    SetTitle(description_.title);
    Ports = VnEmbedPortGrid(ScrollBox1, "Ports");
    VnShowPresentUnits(Context(), {Ports});
    OpenBinder(Request, *description_.bindings, [this](VnSNMPRequest2Edits& binder) {
        // A short port list then leaves no earlier entry's ports behind.
        binder.OnRowSelecting = [this](QTreeWidgetItem* row) {
            rowShownWhole_ = false;
            if (row)
                Ports->UncheckAll();
        };
        // Not reached when filling the controls raised.
        binder.OnRowSelected = [this](QTreeWidgetItem* row) {
            rowShownWhole_ = row != nullptr;
            // The binder enables every bound control on a selection; the
            // keys of a listed entry are shown, never edited.
            for (QLineEdit* key : {VidField, AddressField})
                key->setEnabled(!description_.keyFieldsDisabled);
        };
    });
}

void TStaticFilterForm::RefreshBtnClick()
{
    if (!CommandAllowed())
        return;
    VnGuarded(VnErrorLanding::StatusLine(Request), [this] {
        Request->Refresh();
        if (description_.clearOnRefresh)
            ClearFields();
        VnShowRowCount(ST_Count, ListView);
    });
}

void TStaticFilterForm::SetBtnClick()
{
    if (!CommandAllowed())
        return;
    if (Request->SelectedRowIndex() && !rowShownWhole_) {
        VnFieldMessage(this, QString::fromStdString(VnErrorText(kVnErrIndexOutOfRange)), ListView);
        return;
    }
    VnGuarded(VnErrorLanding::StatusLine(Request), [this] { Request->ApplyToSelectedRow(true); });
}

void TStaticFilterForm::DeleteBtnClick()
{
    if (!CommandAllowed())
        return;
    const int shownStatus = StatusCombo->currentIndex();
    bool sent = false;
    {
        // The port list stays out of the set; its word comes back however
        // the set ends.
        VnAccessScope scope(Request->request.varList);
        scope.LeaveOut(kPorts);
        scope.RestoreAs(kPorts, kReadWriteWord);
        VnGuarded(VnErrorLanding::StatusLine(Request), [&] {
            StatusCombo->setCurrentIndex(kInvalidEntry);
            sent = Request->ApplyToSelectedRow(true);
        });
    }
    VnShowRowCount(ST_Count, ListView);
    if (sent) {
        // The set's own re-read shows the table without the entry; a second
        // walk now would fill the list twice.
        ClearFields();
        return;
    }
    StatusCombo->setCurrentIndex(shownStatus);
    RefreshBtnClick();
    ClearFields();
}

void TStaticFilterForm::ClearFields()
{
    Ports->UncheckAll();
    VidField->clear();
    AddressField->clear();
    StatusCombo->setCurrentIndex(-1);
    VnShowRowCount(ST_Count, ListView);
}
