#include "Filesysteminfo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <exception>

#include "Directoryoperunit.h"
#include "Fileoperationunits.h"
#include "SyslogFileSystemMib.h"
#include "VnDialogFrame.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"

TFileSystemInforForm* FileSystemInforForm = nullptr;

namespace {

using K = VnControlKind;

const VnBindingTable kListBindings{
    .descriptors = DirectoryListTable,
    .itemType = MVT_FMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "ListView1"}},
    .statusOutput = "Memo1",
    .rowCount = "StaticText1",
};

constexpr const char* kPhrase = "Setting target directory ";

}  // namespace

TFileSystemInforForm::TFileSystemInforForm(QWidget* owner, const VnDialogContext& context,
                                           const QString& currentDirectory)
    : TDialogBase(owner, context, kWidth, kHeight), CurrentDirectory(currentDirectory)
{
    SetFormPointer(FileSystemInforForm);
    setWindowTitle("File System Information");
    BuildLayout();
    FormCreate();
}

void TFileSystemInforForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    Memo1 = frame.Memo("Memo1", 4);
    StaticText1 = frame.Count("StaticText1", "Entries");
    BtnGet = frame.Button("BtnGet", "Refresh");
    btn_Command_md = frame.Button("btn_Command_md", "Make Directory");
    btn_Command_rd = frame.Button("btn_Command_rd", "Delete Directory");
    btn_Command_ren = frame.Button("btn_Command_ren", "Rename File");
    btn_Command_del = frame.Button("btn_Command_del", "Delete File");
    btn_Command_copy = frame.Button("btn_Command_copy", "Copy File");
    btnClose = frame.Button("btnClose", "Close");
    edtTargetDirey = new QLineEdit(this);
    edtTargetDirey->setObjectName("edtTargetDirey");
    edtTargetDirey->hide();
    quietLine_ = new VnStatusPanel(this);
    quietLine_->setObjectName("QuietLine");
    quietLine_->hide();
    for (QPushButton* button : {btn_Command_rd, btn_Command_ren, btn_Command_del, btn_Command_copy})
        button->setEnabled(false);

    On(BtnGet, &QPushButton::clicked, [this] { BtnGetClick(); });
    On(btn_Command_md, &QPushButton::clicked, [this] { btn_Command_mdClick(); });
    On(btn_Command_rd, &QPushButton::clicked, [this] { btn_Command_rdClick(); });
    On(btn_Command_ren, &QPushButton::clicked, [this] { btn_Command_renClick(); });
    On(btn_Command_del, &QPushButton::clicked, [this] { btn_Command_delClick(); });
    On(btn_Command_copy, &QPushButton::clicked, [this] { btn_Command_copyClick(); });
    On(btnClose, &QPushButton::clicked, [this] { close(); });
    // However the selection moves: click, keyboard, or a new walk.
    On(ListView1, &QTreeWidget::itemSelectionChanged, [this] { FollowSelection(); });
    On(ListView1, &QTreeWidget::currentItemChanged, [this] { FollowSelection(); });
}

void TFileSystemInforForm::FormCreate()
{
    SetErrorLanding(VnErrorLanding::MemoLine(Memo1));
    VnGuarded(VnErrorLanding::MemoLine(Memo1), [this] {
        VnSNMPRequest2Edits* binder = NewBinder(PathRequest);
        binder->request.varList = VnSNMPVarList(DirectoryPathTable, SVT_SV, 0);
        binder->mode = VnSNMPRequest2Controls::kModeSync;
        binder->BindEdits(0, "%s{l255}", {edtTargetDirey});
        binder->SetStatusOutput(Memo1);
    });
    BtnGet->setEnabled(false);
    const bool started = OpenBinder(ListRequest, kListBindings, VnErrorLanding::MemoLine(Memo1),
                                    [this](VnSNMPRequest2Edits& binder) {
                                        binder.OnRefreshDone = [this](VnSNMPRequest2Controls&,
                                                                      const VnSNMPError& result) {
                                            BtnGet->setEnabled(true);
                                            EndQuietRead(&result);
                                        };
                                    });
    if (!started || !ListRequest || !ListRequest->Busy())
        BtnGet->setEnabled(true);
}

void TFileSystemInforForm::BtnGetClick()
{
    BtnGet->setEnabled(false);
    // A walk still running ends by enabling the button again.
    if (!ListRequest || ListRequest->Busy() || IsClosed())
        return;
    try {
        ListRequest->Refresh();
    } catch (const std::exception& e) {
        Memo1->appendPlainText(QString::fromStdString(e.what()));
        BtnGet->setEnabled(true);
        SetDirectoryAgain();
    }
    if (!ListRequest->Busy())
        BtnGet->setEnabled(true);
    btn_Command_md->setEnabled(true);
    for (QPushButton* button : {btn_Command_rd, btn_Command_ren, btn_Command_del, btn_Command_copy})
        button->setEnabled(false);
}

void TFileSystemInforForm::FollowSelection()
{
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    bool directory = false;
    bool file = false;
    if (!selected.isEmpty()) {
        const QString name = selected.first()->text(kName);
        const QString attribute = selected.first()->text(kAttribute).toLower();
        directory = attribute == "dir" && name != "." && name != "..";
        file = attribute == "file";
    }
    btn_Command_rd->setEnabled(directory);
    for (QPushButton* button : {btn_Command_ren, btn_Command_del, btn_Command_copy})
        button->setEnabled(file);
}

bool TFileSystemInforForm::SetDirectoryAgain()
{
    try {
        edtTargetDirey->setText(CurrentDirectory);
        PathRequest->Apply(false, true, {}, nullptr);
        return true;
    } catch (const std::exception& e) {
        const QString message = QString::fromStdString(e.what());
        Memo1->appendPlainText(message);
        Memo1->appendPlainText(kPhrase + CurrentDirectory + " met error: " + message);
        return false;
    }
}

void TFileSystemInforForm::RunOperation(TFileOperationForm& form, QLineEdit* pathEdit, const char* noSelection)
{
    if (pathEdit) {
        const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
        if (selected.isEmpty()) {
            VnFieldMessage(this, noSelection);
            return;
        }
        CurrentDirectory = CurrentDirectory.trimmed();
        const QString separator = CurrentDirectory.endsWith('\\') ? "" : "\\";
        pathEdit->setText(CurrentDirectory + separator + selected.first()->text(kName));
    }
    form.exec();
    if (form.OperationFailed()) {
        ReadAgainQuietly();
        return;
    }
    if (SetDirectoryAgain())
        BtnGetClick();
}

void TFileSystemInforForm::ReadAgainQuietly()
{
    // Their "Ok" would follow the operation's failure and hide it.
    PathRequest->SetStatusOutput(quietLine_);
    const bool set = SetDirectoryAgain();
    PathRequest->SetStatusOutput(Memo1);
    if (!set)
        return;
    ListRequest->SetStatusOutput(quietLine_);
    quietRead_ = true;
    BtnGetClick();
    // A walk that did not start, or ended at once, says nothing more.
    if (!ListRequest->Busy())
        EndQuietRead(nullptr);
}

void TFileSystemInforForm::EndQuietRead(const VnSNMPError* result)
{
    if (!quietRead_)
        return;
    quietRead_ = false;
    ListRequest->SetStatusOutput(Memo1);
    if (result && result->code != kVnOk)
        Memo1->appendPlainText(quietLine_->Text());
}

void TFileSystemInforForm::btn_Command_mdClick()
{
    if (!CommandAllowed())
        return;
    TDirectoryForm form(this, Context(), 1, this);
    RunOperation(form, nullptr, nullptr);
}

void TFileSystemInforForm::btn_Command_rdClick()
{
    if (!CommandAllowed())
        return;
    TDirectoryForm form(this, Context(), 2, this);
    RunOperation(form, form.edtDirectory, "Please select the directory which you want to delete.");
}

void TFileSystemInforForm::btn_Command_renClick()
{
    if (!CommandAllowed())
        return;
    TFileRenameForm form(this, Context(), 3, this);
    RunOperation(form, form.edtSourceFile, "Please select the file which you want to rename.");
}

void TFileSystemInforForm::btn_Command_delClick()
{
    if (!CommandAllowed())
        return;
    TFileDeleteForm form(this, Context(), 4, this);
    RunOperation(form, form.edtDeleteFile, "Please select the file which you want to delete.");
}

void TFileSystemInforForm::btn_Command_copyClick()
{
    if (!CommandAllowed())
        return;
    TFileCopyForm form(this, Context(), 5, this);
    RunOperation(form, form.edtSourceFile, "Please select the file which you want to copy.");
}
