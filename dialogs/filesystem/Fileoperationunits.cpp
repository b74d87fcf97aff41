#include "Fileoperationunits.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "SyslogFileSystemMib.h"
#include "VnDialogFrame.h"

TFileDeleteForm* FileDeleteForm = nullptr;
TFileRenameForm* FileRenameForm = nullptr;
TFileCopyForm* FileCopyForm = nullptr;

namespace {

constexpr const char* kFormat = "%s{l255}";
constexpr int kMaxPath = 255;
constexpr const char* kBadPath = "Please enter correct file path.";

void AddNote(VnFieldGrid& fields, int row)
{
    auto* note = new QLabel("Note: Please enter complete directory path.");
    note->setObjectName("Label5");
    fields.Layout()->addWidget(note, row, 0, 1, 2);
}

}  // namespace

TFileDeleteForm::TFileDeleteForm(QWidget* owner, const VnDialogContext& context, int mode,
                                 TFileSystemInforForm* listing)
    : TFileOperationForm(owner, context, kWidth, kHeight, mode)
{
    SetFormPointer(FileDeleteForm);
    Listing = listing;
    setWindowTitle("File Delete");
    VnFieldGrid& fields = BuildFrame("btnOper", "btnClose");
    edtDeleteFile = fields.Add<QLineEdit>(0, 0, "File Name", "edtDeleteFile");
    edtDeleteFile->setReadOnly(true);
    On(btnOper, &QPushButton::clicked, [this] { btnOperClick(); });
}

void TFileDeleteForm::FormActivate()
{
    OpenOperation(FileDeleteTable, {{edtDeleteFile, kFormat}}, false);
}

void TFileDeleteForm::btnOperClick()
{
    // No checks: the name is the one the listing filled in.
    if (!CommandAllowed() || !OperRequest)
        return;
    RunOperation({FileDeleteTable, "Deleting file ", VnStatusWording::File, 3,
                  Operation::ShortLine::SetOnly}, edtDeleteFile->text());
}

TFileMoveForm::TFileMoveForm(QWidget* owner, const VnDialogContext& context, int width, int height, int mode,
                             TFileSystemInforForm* listing, const Kind& kind)
    : TFileOperationForm(owner, context, width, height, mode), kind_(kind)
{
    Listing = listing;
    VnFieldGrid& fields = BuildFrame("btnOper", "btnClose");
    edtSourceFile = fields.Add<QLineEdit>(0, 0, "Source File", "edtSourceFile");
    edtTargetFile = fields.Add<QLineEdit>(1, 0, "Target File", "edtTargetFile");
    AddNote(fields, 2);
    cbxOper = new QComboBox(edtSourceFile->parentWidget());
    cbxOper->setObjectName("cbxOper");
    cbxOper->hide();
    On(btnOper, &QPushButton::clicked, [this] { btnOperClick(); });
}

void TFileMoveForm::FormActivate()
{
    OpenOperation(kind_.objects, {{edtSourceFile, kFormat}, {edtTargetFile, kFormat}}, true);
    // The source is the file the listing filled in.
    edtSourceFile->setReadOnly(true);
}

bool TFileMoveForm::Checked(const QString& source, const QString& target)
{
    auto refuse = [this](const char* text, QLineEdit* edit) {
        VnFieldMessage(this, text, edit);
        return false;
    };
    if (source.isEmpty())
        return refuse(kind_.sourceMissing, edtSourceFile);
    if (target.isEmpty())
        return refuse("Please enter target file name.", edtTargetFile);
    if (!FitsEdit(source, kMaxPath, edtSourceFile) || !FitsEdit(target, kMaxPath, edtTargetFile))
        return false;
    if (!VnIsValidFilePath(source, kind_.rename))
        return refuse(kBadPath, edtSourceFile);
    if (!VnIsValidFilePath(target, kind_.rename))
        return refuse(kBadPath, edtTargetFile);
    if (QString::compare(source, target, Qt::CaseInsensitive) == 0)
        return refuse("The target file name must be different from source file name.", edtTargetFile);
    const bool sameDirectory = QString::compare(VnDirectoryPart(source), VnDirectoryPart(target),
                                                Qt::CaseInsensitive) == 0;
    // A rename never moves a file.
    if (kind_.rename && !sameDirectory)
        return refuse(kBadPath, edtTargetFile);
    if (sameDirectory && IsListed(VnDirectoryPart(target), target))
        return refuse("Has already exist this target file.", edtTargetFile);
    return true;
}

void TFileMoveForm::btnOperClick()
{
    if (!CommandAllowed() || !OperRequest)
        return;
    const QString source = VnTrimmedPath(edtSourceFile->text());
    const QString target = VnTrimmedPath(edtTargetFile->text());
    if (!Checked(source, target))
        return;
    // What goes out is what the rules checked.
    edtSourceFile->setText(source);
    edtTargetFile->setText(target);
    cbxOper->setCurrentIndex(1);  // start
    RunOperation({kind_.objects, kind_.phrase, VnStatusWording::File, kind_.pauseMs}, source);
}

TFileRenameForm::TFileRenameForm(QWidget* owner, const VnDialogContext& context, int mode,
                                 TFileSystemInforForm* listing)
    : TFileMoveForm(owner, context, kWidth, kHeight, mode, listing,
                    {FileRenameTable, "Renaming file ", "Please enter name of source file which you want to rename.",
                     true, 3})
{
    SetFormPointer(FileRenameForm);
    setWindowTitle("File Rename");
}

TFileCopyForm::TFileCopyForm(QWidget* owner, const VnDialogContext& context, int mode, TFileSystemInforForm* listing)
    : TFileMoveForm(owner, context, kWidth, kHeight, mode, listing,
                    {FileCopyTable, "Copying file ", "Please enter name of source file which you want to copy.", false,
                     10})
{
    SetFormPointer(FileCopyForm);
    setWindowTitle("File Copy");
}
