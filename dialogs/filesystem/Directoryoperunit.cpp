#include "Directoryoperunit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "SyslogFileSystemMib.h"
#include "VnDialogFrame.h"

TDirectoryForm* DirectoryForm = nullptr;

namespace {
constexpr int kMaxPath = 64;
}

TDirectoryForm::TDirectoryForm(QWidget* owner, const VnDialogContext& context, int mode,
                               TFileSystemInforForm* listing)
    : TFileOperationForm(owner, context, kWidth, kHeight, mode)
{
    SetFormPointer(DirectoryForm);
    Listing = listing;
    setWindowTitle("Directory Form");
    VnFieldGrid& fields = BuildFrame("btnSet", "btnClose");
    edtDirectory = fields.Add<QLineEdit>(0, 0, "Directory", "edtDirectory");
    auto* note = new QLabel("Note: Please enter complete directory path.");
    note->setObjectName("Label4");
    fields.Layout()->addWidget(note, 1, 0, 1, 2);
    On(btnOper, &QPushButton::clicked, [this] { btnSetClick(); });
}

void TDirectoryForm::FormActivate()
{
    setWindowTitle(Make() ? "To Make Directory" : "To Delete Directory");
    // The directory deleted is the one the listing filled in.
    if (!Make())
        edtDirectory->setReadOnly(true);
    Ready = OpenOperation(Make() ? DirectoryMakeTable : DirectoryDelTable, {{edtDirectory, "%s{l64}"}}, false);
}

void TDirectoryForm::btnSetClick()
{
    if (!CommandAllowed())
        return;
    const char* phrase = Make() ? "Creating directory " : "Deleting directory ";
    if (!Ready || !OperRequest) {
        ReportLine(QString(phrase) + edtDirectory->text().toUpper() + " met memory error.");
        return;
    }
    const QString path = VnTrimmedPath(edtDirectory->text());
    if (path.isEmpty()) {
        VnFieldMessage(this,
                       Make() ? "Please enter this directory which you want to make."
                              : "Please enter this directory which you want to delete.",
                       edtDirectory);
        return;
    }
    if (!FitsEdit(path, kMaxPath, edtDirectory))
        return;
    if (Make()) {
        if (!VnIsValidDirectoryPath(path)) {
            VnFieldMessage(this, "Please enter correct directory path.", edtDirectory);
            return;
        }
        // What goes out is the text the rule checked.
        edtDirectory->setText(path);
    }
    RunOperation({Make() ? DirectoryMakeTable : DirectoryDelTable, phrase, VnStatusWording::Directory, 2,
                  Operation::ShortLine::Always},
                 edtDirectory->text());
}
