#include "VnCommandKinds.h"

#include <QDialog>
#include <QString>

#include <memory>

#include "TConfigForm.h"
#include "TEditsPanel.h"
#include "TMainForm.h"
#include "TSNMPListViewPanel.h"
#include "TSNMPPanel.h"
#include "VnErrorLanding.h"
#include "VnException.h"
#include "VnMessageBox.h"
#include "VnOwnCommands.h"
#include "VnSNMPRequest2Edits.h"

namespace {

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

int Scaled(const TMainForm& mainForm, int pixels)
{
    return static_cast<int>(static_cast<float>(pixels) * mainForm.FontScale);
}

// The width the inputs were given, which every input has until one is
// widened for its text; a command's own width starts from it, not from
// the widening.
int FirstInputWidth(const TSNMPEditorPanel& panel)
{
    return panel.EditsPanel->EditWidth;
}

void ApplySteps(TMainForm& mainForm, TConfigForm& form, TSNMPEditorPanel& panel,
                std::span<const VnEditorStep> steps)
{
    for (const VnEditorStep& step : steps) {
        const int pixels = Scaled(mainForm, step.pixels);
        switch (step.kind) {
        case VnEditorStepKind::Format:
            panel.SetVarFormat(step.column, step.format);
            break;
        case VnEditorStepKind::SetHeight:
            form.resize(form.width(), pixels);
            break;
        case VnEditorStepKind::SetHeightUnscaled:
            form.resize(form.width(), step.pixels);
            break;
        case VnEditorStepKind::GrowHeight:
            form.resize(form.width(), form.height() + pixels);
            break;
        case VnEditorStepKind::GrowWidth:
            form.resize(form.width() + pixels, form.height());
            break;
        case VnEditorStepKind::SetEditWidth:
            panel.SetEditWidth(pixels);
            break;
        case VnEditorStepKind::GrowEditWidth:
            panel.SetEditWidth(FirstInputWidth(panel) + pixels);
            break;
        case VnEditorStepKind::GrowEditsPanelWidth:
            panel.EditsPanel->SetEditWidth(FirstInputWidth(panel) + pixels, TEditsPanel::kLayoutRows);
            break;
        }
    }
}

// A binder over one descriptor table, owned by the form it is handed to.
std::unique_ptr<VnSNMPRequest2Edits> MakeBinder(TConfigForm& form, const VnSNMPVarDesc* table,
                                                unsigned char itemType, unsigned keyCount)
{
    auto binder = std::make_unique<VnSNMPRequest2Edits>(&form);
    binder->request.varList = VnSNMPVarList(table, itemType, keyCount);
    return binder;
}

void RunHook(TMainForm& mainForm, const VnEditorCommand& command, TConfigForm& form, TSNMPEditorPanel* panel,
             VnSNMPRequest2Edits* binder)
{
    if (!command.afterPanel)
        return;
    VnEditorContext context{mainForm, command, form, panel, binder};
    command.afterPanel(context);
}

// Shows the finished form modally; the form goes when the pointer does,
// also when building it raised, so a half-built form is never shown and
// its posted first refresh dies with it.
void ShowAndDelete(std::unique_ptr<TConfigForm> form) { form->exec(); }

void RunPageForm(TMainForm& mainForm, const VnEditorCommand& command)
{
    auto form = std::make_unique<TConfigForm>(&mainForm);
    form->setWindowTitle(ToQString(std::string(command.title) + ": " + mainForm.AgentAddress));
    form->SetPageMode();
    TSNMPEditorPanel* panel = nullptr;
    VnSNMPRequest2Edits* binder = nullptr;
    for (const VnEditorPage& page : command.pages) {
        auto pageBinder = MakeBinder(*form, page.table, page.itemType, page.keyCount);
        binder = pageBinder.get();
        panel = form->AddEditorPage(QString::fromUtf8(page.caption), std::move(pageBinder));
        ApplySteps(mainForm, *form, *panel, page.steps);
    }
    RunHook(mainForm, command, *form, panel, binder);
    if (panel)
        ApplySteps(mainForm, *form, *panel, command.steps);
    ShowAndDelete(std::move(form));
}

}  // namespace

void VnRunEditorCommand(TMainForm& mainForm, const VnEditorCommand& command)
{
    if (command.kind == VnCommandKind::PageEditor) {
        RunPageForm(mainForm, command);
        return;
    }
    if (!command.caption)
        mainForm.DialogTitle = command.title;
    auto form = std::make_unique<TConfigForm>(&mainForm);
    auto binder = MakeBinder(*form, command.table, command.itemType, command.keyCount);
    VnSNMPRequest2Edits* rawBinder = binder.get();
    TSNMPEditorPanel* panel = nullptr;
    if (command.kind == VnCommandKind::TableEditor) {
        panel = form->SetListViewPanel(std::move(binder), command.addColumn, command.addValue,
                                       command.deleteColumn, command.deleteValue);
    } else {
        panel = form->SetEditorPanel(std::move(binder));
    }
    RunHook(mainForm, command, *form, panel, rawBinder);
    ApplySteps(mainForm, *form, *panel, command.steps);
    const std::string caption = command.caption ? std::string(command.caption) : mainForm.DialogTitle + ": ";
    form->setWindowTitle(ToQString(caption + mainForm.AgentAddress));
    ShowAndDelete(std::move(form));
}

void VnRunDialogCommand(TMainForm& mainForm, const VnDialogCommand& command)
{
    if (!command.factory)
        throw VnException(std::string(command.dialogClass) + " is not available.");
    VnDialogArgs args;
    args.owner = command.owner == VnDialogOwner::MainWindow ? &mainForm : nullptr;
    args.mode = command.mode;
    args.mainForm = &mainForm;
    std::unique_ptr<QDialog> dialog = command.factory(args);
    if (!dialog)
        return;
    if (command.caption) {
        std::string caption = command.caption;
        if (command.withAddress)
            caption += mainForm.AgentAddress;
        dialog->setWindowTitle(ToQString(caption));
    }
    dialog->exec();
}

void VnRunModuleCommand(TMainForm& mainForm, const VnModuleCommand& command)
{
    mainForm.RunEmsModule(command.argument);
}

bool VnCommandAvailable(std::string_view name)
{
    if (VnFindEditorCommand(name) || VnFindModuleCommand(name) || VnFindOwnCommand(name))
        return true;
    const VnDialogCommand* dialog = VnFindDialogCommand(name);
    return dialog && dialog->factory;
}

bool VnRunCommand(TMainForm& mainForm, std::string_view name)
{
    if (const VnEditorCommand* editor = VnFindEditorCommand(name)) {
        VnRunEditorCommand(mainForm, *editor);
        return true;
    }
    if (const VnDialogCommand* dialog = VnFindDialogCommand(name)) {
        VnRunDialogCommand(mainForm, *dialog);
        return true;
    }
    if (const VnModuleCommand* module = VnFindModuleCommand(name)) {
        VnRunModuleCommand(mainForm, *module);
        return true;
    }
    if (VnOwnCommandFn own = VnFindOwnCommand(name)) {
        own(mainForm);
        return true;
    }
    return false;
}

void VnExecuteCommand(TMainForm& mainForm, std::string_view name) noexcept
{
    VnGuarded(VnErrorLanding::MessageBox(&mainForm, VnMsgIcon::Error), [&] { VnRunCommand(mainForm, name); });
}
