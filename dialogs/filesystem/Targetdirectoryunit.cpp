#include "Targetdirectoryunit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <exception>

#include "Filesysteminfo.h"
#include "SyslogFileSystemMib.h"
#include "VnDialogFrame.h"
#include "VnStatusOutput.h"

TTargetDirectoryForm* TargetDirectoryForm = nullptr;

namespace {
constexpr const char* kPhrase = "Setting target directory ";
}

TTargetDirectoryForm::TTargetDirectoryForm(QWidget* owner, const VnDialogContext& context)
    : TFileOperationForm(owner, context, kWidth, kHeight, 0)
{
    SetFormPointer(TargetDirectoryForm);
    setWindowTitle("To set target directory");
    VnFieldGrid& fields = BuildFrame("btnConfirm", "btnCancel");
    auto* prompt = new QLabel("Enter target directory name in below");
    prompt->setObjectName("Label1");
    fields.Layout()->addWidget(prompt, 0, 0, 1, 2);
    edtDirectory = new QLineEdit;
    edtDirectory->setObjectName("edtDirectory");
    fields.Layout()->addWidget(edtDirectory, 1, 0, 1, 2);
    auto* note = new QLabel("Note: Please enter complete directory path.");
    note->setObjectName("Label4");
    fields.Layout()->addWidget(note, 2, 0, 1, 2);
    On(btnOper, &QPushButton::clicked, [this] { btnConfirmClick(); });
    // Made with the form: the binder exists before the first showing.
    OpenOperation(DirectoryPathTable, {{edtDirectory, "%s{l255}"}}, false);
    edtDirectory->setFocus();
}

void TTargetDirectoryForm::FormActivate() {}

void TTargetDirectoryForm::btnConfirmClick()
{
    if (!CommandAllowed() || !OperRequest)
        return;
    const QString path = VnTrimmedPath(edtDirectory->text());
    if (path.isEmpty()) {
        VnFieldMessage(this, "Please enter this directory which you want to display.", edtDirectory);
        return;
    }
    if (!FitsEdit(path, 255, edtDirectory))
        return;
    if (!VnIsValidDirectoryPath(path)) {
        VnFieldMessage(this, "Please enter correct directory path.", edtDirectory);
        return;
    }
    edtDirectory->setText(path);
    if (RunOperation({DirectoryPathTable, kPhrase, VnStatusWording::Directory, 2}, path))
        ShowListing(path);
}

void TTargetDirectoryForm::ShowListing(const QString& path)
{
    try {
        TFileSystemInforForm listing(this, Context(), path.toUpper());
        if (isVisible())
            hide();
        listing.exec();
    } catch (const std::exception& e) {
        if (!isVisible())
            show();
        StatusBar2->Panel(0)->setText("Display directory " + path.toUpper() +
                                      " file(s) information met error: " + QString::fromStdString(e.what()));
        return;
    }
    close();
}
