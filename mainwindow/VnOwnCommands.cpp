#include "VnOwnCommands.h"

#include <QString>

#include <memory>

#include "TMainForm.h"
#include "TPopupProcessBarForm.h"
#include "VnMessageBox.h"

namespace {

struct OwnCommand {
    const char* name;
    VnOwnCommandFn run;
};

constexpr OwnCommand kOwnCommands[] = {
    {"Exit1Click", Exit1Click},
    {"RefreshPanel1Click", RefreshPanel1Click},
    {"Help2Click", Help2Click},
    {"About1Click", About1Click},
};

}  // namespace

VnOwnCommandFn VnFindOwnCommand(std::string_view name)
{
    for (const OwnCommand& command : kOwnCommands) {
        if (name == command.name)
            return command.run;
    }
    return nullptr;
}

// Closing asks the user itself (the main window's close handling).
void Exit1Click(TMainForm& mainForm) { mainForm.close(); }

void RefreshPanel1Click(TMainForm& mainForm)
{
    const VnMsgAnswer answer = VnMessageBox(&mainForm, QStringLiteral("Refresh panel may take a long time. Are you sure?"),
                                            VnMsgButtons::OkCancel, VnMsgIcon::Question);
    if (answer != VnMsgAnswer::Ok)
        return;
    mainForm.FirstLoad = false;
    auto progress = std::make_unique<TPopupProcessBarForm>(&mainForm);
    progress->exec();
}

void Help2Click(TMainForm& mainForm) { mainForm.OpenHelpFile(); }

void About1Click(TMainForm& mainForm) { mainForm.ShowAboutForm(); }
