#pragma once
// Every dialog the main window registers, made in turn over the test's
// switch: a test that checks what all of them share walks them here.
#include <QCoreApplication>
#include <QDialog>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "TDialogBase.h"
#include "VnCommandTable.h"
#include "dialog_test_support.h"

namespace dialogtest {

enum class Shown : bool { No, Yes };

// `visit` gets each dialog once its first read has ended (and, shown, once
// its layout is done); the dialog closes afterwards.
inline void ForEveryDialog(Shown shown, const std::function<void(TDialogBase&, const VnDialogCommand&)>& visit)
{
    for (const VnDialogCommand& command : VnDialogCommands()) {
        if (!command.factory)
            continue;
        SCOPED_TRACE(command.dialogClass);
        const std::unique_ptr<QDialog> dialog = command.factory(VnDialogArgs{});
        auto* form = dynamic_cast<TDialogBase*>(dialog.get());
        ASSERT_NE(form, nullptr) << "every dialog derives from TDialogBase";
        if (shown == Shown::Yes)
            form->show();
        EXPECT_TRUE(WaitIdle(*form));
        QCoreApplication::sendPostedEvents();
        visit(*form, command);
        form->reject();
    }
}

}  // namespace dialogtest
