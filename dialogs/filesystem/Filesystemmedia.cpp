#include "Filesystemmedia.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <exception>

#include "SyslogFileSystemMib.h"
#include "TWaitingForm.h"
#include "VnDialogFrame.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"

TMediaInfoForm* MediaInfoForm = nullptr;
TMediaFormatForm* MediaFormatForm = nullptr;

namespace {

using K = VnControlKind;
using F = TMediaFormatForm;

const VnBindingTable kMediaBindings{
    .descriptors = MediaInfoTable,
    .itemType = MVT_FMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "ListView1"}},
    .statusOutput = "Memo1",
    .rowCount = "StaticText1",
};

const VnBindingTable kFormatBindings{
    .descriptors = MediaFormatTable,
    .itemType = SVT_SV,
    .keyCount = 0,
    .rows = {{F::kDrive, K::ComboBox, "cbxDriveName"},
             {F::kFat, K::ComboBox, "cbxFileSysType"},
             {F::kLabel, K::Edits, "edtLabel", "%s{n0x8l8}"},
             {F::kType, K::ComboBox, "cbxStyle"},
             {F::kActivity, K::ComboBox, "cbxOper"}},
    .statusOutput = "StatusBar1",
    .mode = VnSNMPRequest2Controls::kModeSync,
};

// Entry indexes of the format's lists: drive "c", "fat16", "start".
constexpr int kDriveC = 3;
constexpr int kFat16 = 0;
constexpr int kStart = 1;

int ColumnOf(const QTreeWidget* list, const QString& caption)
{
    const QTreeWidgetItem* header = list->headerItem();
    for (int i = 0; header && i < header->columnCount(); ++i) {
        if (header->text(i) == caption)
            return i;
    }
    return -1;
}

}  // namespace

TMediaInfoForm::TMediaInfoForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(MediaInfoForm);
    setWindowTitle("File System Drive Information");
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    Memo1 = frame.Memo("Memo1", 4);
    StaticText1 = frame.Count("StaticText1", "Media");
    BtnGet = frame.Button("BtnGet", "Refresh");
    BtnOper = frame.Button("BtnOper", "Format");
    BtnExit = frame.Button("BtnExit", "Close");
    BtnOper->setEnabled(false);
    On(BtnGet, &QPushButton::clicked, [this] { BtnGetClick(); });
    On(BtnOper, &QPushButton::clicked, [this] { BtnOperClick(); });
    On(BtnExit, &QPushButton::clicked, [this] { close(); });
    On(ListView1, &QTreeWidget::itemSelectionChanged, [this] { FollowSelection(); });
    SetErrorLanding(VnErrorLanding::MemoLine(Memo1));
    OpenBinder(Request, kMediaBindings, VnErrorLanding::MemoLine(Memo1));
}

void TMediaInfoForm::FollowSelection()
{
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    const int column = ColumnOf(ListView1, "Drive Name");
    bool named = false;
    if (!selected.isEmpty() && column >= 0) {
        const QString drive = selected.first()->text(column).toUpper();
        named = !drive.isEmpty() && drive != "(NOTDONE)";
    }
    BtnOper->setEnabled(named);
}

void TMediaInfoForm::BtnGetClick()
{
    if (!CommandAllowed())
        return;
    BtnOper->setEnabled(false);
    Request->Refresh();
}

void TMediaInfoForm::BtnOperClick()
{
    if (!CommandAllowed())
        return;
    {
        TMediaFormatForm format(nullptr, Context());
        format.exec();
    }
    BtnOper->setEnabled(false);
    BtnGetClick();
}

TMediaFormatForm::TMediaFormatForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(MediaFormatForm);
    setWindowTitle("File System Drive Format");
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint & ~Qt::WindowMinMaxButtonsHint);
    VnDialogFrame frame(*this);
    QWidget* area = frame.EditArea("Panel1");
    VnFieldGrid fields(area);
    edtDriveName = fields.Add<QLineEdit>(0, 0, "Drive Name", "edtDriveName");
    edtFileSystemType = fields.Add<QLineEdit>(1, 0, "File System Type", "edtFileSystemType");
    edtLabel = fields.Add<QLineEdit>(2, 0, "Label", "edtLabel");
    cbxStyle = fields.Add<QComboBox>(3, 0, "Format Option", "cbxStyle");
    edtDriveName->setText("C");
    edtFileSystemType->setText("FAT16");
    edtDriveName->setReadOnly(true);
    edtFileSystemType->setReadOnly(true);
    for (QComboBox** hidden : {&cbxDriveName, &cbxFileSysType, &cbxOper}) {
        *hidden = new QComboBox(area);
        (*hidden)->hide();
    }
    cbxDriveName->setObjectName("cbxDriveName");
    cbxFileSysType->setObjectName("cbxFileSysType");
    cbxOper->setObjectName("cbxOper");
    btnOper = frame.Button("btnOper", "Start");
    btnClose = frame.Button("btnClose", "Close");
    StatusBar1 = frame.StatusBar("StatusBar1");
    StatusBar1->AddPanel(50);
    // The binder's line is read whole beside the panel.
    setMinimumWidth(fontMetrics().horizontalAdvance("Get: (VnSNMP++) Ok!. Receive at 00:00:00 PM.") + 120);
    On(btnOper, &QPushButton::clicked, [this] { btnOperClick(); });
    On(btnClose, &QPushButton::clicked, [this] { close(); });
    SetErrorLanding(VnErrorLanding::FirstPanel(StatusBar1));
    OpenBinder(Request, kFormatBindings, VnErrorLanding::FirstPanel(StatusBar1),
               [this](VnSNMPRequest2Edits&) { edtLabel->clear(); });
    Remember();
}

QString TMediaFormatForm::PanelText() const
{
    return StatusBar1->Panel(0)->text();
}

void TMediaFormatForm::SetPanel(const QString& text)
{
    StatusBar1->Panel(0)->setText(text);
}

void TMediaFormatForm::Remember()
{
    rememberedDrive_ = cbxDriveName->currentIndex();
    rememberedFat_ = cbxFileSysType->currentIndex();
    rememberedStyle_ = cbxStyle->currentIndex();
    rememberedLabel_ = edtLabel->text();
}

void TMediaFormatForm::PutBack()
{
    cbxDriveName->setCurrentIndex(rememberedDrive_);
    cbxFileSysType->setCurrentIndex(rememberedFat_);
    cbxStyle->setCurrentIndex(rememberedStyle_);
    edtLabel->setText(rememberedLabel_);
}

void TMediaFormatForm::btnOperClick()
{
    if (!CommandAllowed() || !Request)
        return;
    // Whatever the switch reported, c: is formatted with FAT16.
    cbxDriveName->setCurrentIndex(kDriveC);
    cbxFileSysType->setCurrentIndex(kFat16);
    cbxOper->setCurrentIndex(kStart);
    try {
        if (!Request->Apply(false, true, {}, nullptr))
            return;
    } catch (const std::exception& e) {
        SetPanel(QString::fromStdString(e.what()));
        PutBack();
        return;
    }
    bool endedByUser = false;
    try {
        TWaitingForm waiting(this, StatusBar1);
        WaitingForm = &waiting;
        waiting.setWindowTitle("Formatt File System...");
        waiting.exec();
        WaitingForm = nullptr;
        // Esc or the close box leave the loop while it still follows the switch.
        endedByUser = waiting.Running();
    } catch (const std::exception& e) {
        WaitingForm = nullptr;
        SetPanel(QString::fromStdString(e.what()));
        PutBack();
        return;
    }
    Guard([this] { Request->Refresh(); });
    if (endedByUser)
        SetPanel(kWaitEndedText);
    Remember();
}
