#include "TFileOperationForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>

#include <chrono>
#include <exception>
#include <thread>

#include "Filesysteminfo.h"
#include "SyslogFileSystemMib.h"
#include "VnDialogFrame.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"

QString VnDirectoryPart(const QString& path)
{
    return path.left(path.lastIndexOf('\\') + 1);
}

TFileOperationForm::TFileOperationForm(QWidget* owner, const VnDialogContext& context, int width, int height,
                                       int mode)
    : TDialogBase(owner, context, width, height), Mode(mode)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint & ~Qt::WindowMinMaxButtonsHint);
}

TFileOperationForm::~TFileOperationForm() = default;

VnFieldGrid& TFileOperationForm::BuildFrame(const char* okName, const char* closeName)
{
    VnDialogFrame frame(*this);
    QWidget* area = frame.EditArea("Panel1");
    grid_ = std::make_unique<VnFieldGrid>(area);
    fields_ = grid_.get();
    btnOper = frame.Button(okName, "OK");
    btnClose = frame.Button(closeName, "Exit");
    StatusBar1 = frame.StatusBar("StatusBar1");
    StatusBar1->AddPanel(0);
    StatusBar1->hide();
    StatusBar2 = frame.StatusBar("StatusBar2");
    StatusBar2->AddPanel(0);
    StatusLabel = new QLabel(area);
    StatusLabel->setObjectName("StatusLabel");
    StatusLabel->hide();
    ProcessLabel = new QLabel(area);
    ProcessLabel->setObjectName("ProcessLabel");
    ProcessLabel->hide();
    On(btnClose, &QPushButton::clicked, [this] { close(); });
    return *grid_;
}

QString TFileOperationForm::ResultPanelText() const
{
    VnStatusPanel* panel = StatusBar2 ? StatusBar2->Panel(0) : nullptr;
    return panel ? panel->text() : QString();
}

void TFileOperationForm::showEvent(QShowEvent* event)
{
    TDialogBase::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    if (ListingMode()) {
        // The listing's memo takes the lines; the bar goes.
        const int barHeight = StatusBar2->sizeHint().height();
        StatusBar2->hide();
        resize(width(), std::max(minimumSizeHint().height(), height() - barHeight));
    }
    Guard([this] { FormActivate(); });
    FocusFirstPath();
}

void TFileOperationForm::FocusFirstPath()
{
    // Typing starts in the first path the user fills in, not on OK; where
    // the only path is the one filled in for him, on that path.
    QLineEdit* first = nullptr;
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        if (edit->isHidden() || !edit->isEnabled())
            continue;
        if (!edit->isReadOnly()) {
            first = edit;
            break;
        }
        if (!first)
            first = edit;
    }
    if (first)
        first->setFocus(Qt::OtherFocusReason);
}

bool TFileOperationForm::OpenOperation(const VnSNMPVarDesc* objects,
                                       const std::vector<std::pair<QLineEdit*, const char*>>& edits,
                                       bool withActivity)
{
    auto land = VnErrorLanding::Call(
        [this](const std::string& message) { ReportLine(QString::fromStdString(message)); });
    return VnGuarded(land, [&] {
        VnSNMPRequest2Edits* binder = NewBinder(OperRequest);
        binder->request.varList = VnSNMPVarList(objects, SVT_SV, 0);
        binder->mode = VnSNMPRequest2Controls::kModeSync;
        int item = 0;
        for (const auto& [edit, format] : edits)
            binder->BindEdits(item++, format, {edit});
        if (withActivity)
            binder->BindComboBox(item, cbxOper);
        if (ListingMode() && Listing)
            binder->SetStatusOutput(Listing->Memo1);
        else
            binder->SetStatusOutput(StatusBar1);
    });
}

bool TFileOperationForm::RunOperation(const Operation& operation, const QString& path)
{
    QString failure;
    bool finished = false;
    bool setDone = false;
    try {
        // Set: the binder takes the edits and refuses what fails their format.
        if (!OperRequest->Apply(false, true, {}, nullptr))
            return false;
        setDone = true;
        // A fresh status binder for each attempt.
        statusRequest_.reset();
        auto status = std::make_unique<VnSNMPRequest2Edits>(this);
        status->request.varList = VnSNMPVarList(FileSystemCtrlStatusTable, SVT_SV, 0);
        status->mode = VnSNMPRequest2Controls::kModeSync;
        status->BindLabel(0, StatusLabel);
        status->BindLabel(1, ProcessLabel);
        status->SetStatusOutput(StatusBar1);
        statusRequest_ = std::move(status);
        // The switch is given a moment before its status is read once.
        std::this_thread::sleep_for(std::chrono::milliseconds(operation.pauseMs));
        StatusLabel->clear();
        statusRequest_->Refresh();
        finished = StatusLabel->text() == "finish";
    } catch (const std::exception& e) {
        failure = QString::fromStdString(e.what());
        using S = Operation::ShortLine;
        const bool shortLine = ListingMode() && (operation.shortLine == S::Always ||
                                                 (operation.shortLine == S::SetOnly && !setDone));
        QString line = shortLine ? QString(operation.phrase) + path.toUpper() + " met error."
                                 : VnResultError(operation.phrase, path, failure);
        // A set whose reply was lost may still have reached the switch (it
        // was resent, and a slow switch applies it later).
        const auto* vnFailure = dynamic_cast<const VnException*>(&e);
        if (!setDone && vnFailure && vnFailure->HelpContext() == kVnErrTimeout)
            line += kMayStillComplete;
        failed_ = true;
        Report(line, failure);
        return false;
    }
    failed_ = !finished;
    if (finished)
        Report(VnResultSuccess(operation.phrase, path));
    else
        Report(VnResultError(operation.phrase, path, VnStatusText(StatusLabel->text(), operation.wording)));
    return finished;
}

void TFileOperationForm::Report(const QString& line, const QString& exceptionMessage)
{
    if (ListingMode()) {
        if (Listing) {
            if (!exceptionMessage.isEmpty())
                Listing->Memo1->appendPlainText(exceptionMessage);
            Listing->Memo1->appendPlainText(line);
        }
        close();
        return;
    }
    // The message alone stays in the hidden bar.
    if (!exceptionMessage.isEmpty())
        StatusBar1->Panel(0)->setText(exceptionMessage);
    ShowLine(line);
}

void TFileOperationForm::ReportLine(const QString& line)
{
    failed_ = true;
    ShowLine(line);
}

void TFileOperationForm::ShowLine(const QString& line)
{
    if (ListingMode() && Listing) {
        Listing->Memo1->appendPlainText(line);
        return;
    }
    if (VnStatusPanel* panel = StatusBar2->Panel(0))
        panel->setText(line);
}

bool TFileOperationForm::IsListed(const QString& directoryPart, const QString& path) const
{
    if (!Listing)
        return false;
    QTreeWidget* list = Listing->ListView1;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (QString::compare(directoryPart + list->topLevelItem(i)->text(0), path, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

bool TFileOperationForm::FitsEdit(const QString& text, int maxLength, QLineEdit* edit)
{
    if (text.size() <= maxLength)
        return true;
    VnFieldMessage(this, QString("Please enter a string whose length is less than %1!").arg(maxLength), edit);
    return false;
}
