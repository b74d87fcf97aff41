// A form while it reads from a slow agent: it shows the walk (the rows read
// so far, a busy cursor), a command pressed meanwhile says it was not done
// and sends nothing, and the form is as before once the walk has ended.
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <memory>

#include "VnMessageBox.h"
#include "VnMessages.h"
#include "Vlanstaticformunit.h"
#include "VnSNMPRequest2Edits.h"
#include "dialog_test_support.h"

using namespace dialogtest;

namespace {

// The static VLAN table's row status of VLAN 20, the last row: held back,
// the walk waits there with two rows read.
constexpr const char* kLastRowStatus = "1.3.6.1.2.1.17.7.1.4.3.1.5.20";
// Far longer than a loaded machine needs to see the progress and click.
constexpr int kHeldBackMs = 8000;

QString LastLine(const QPlainTextEdit* memo)
{
    const QStringList lines = MemoLines(memo);
    return lines.isEmpty() ? QString() : lines.last();
}

class BusyForm : public DialogSwitchTest {};

TEST_F(BusyForm, ACommandPressedDuringAWalkSaysSoAndSendsNothing)
{
    VnMessageBoxCapture boxes;
    sim().delay(kLastRowStatus, kHeldBackMs);
    auto form = std::make_unique<TVlanStaticForm>(nullptr, Context());
    // The walk's later steps wait for the held-back reply, not time out.
    form->StaticRequest->request.timeout = 3 * kHeldBackMs / 10;
    form->show();
    ASSERT_TRUE(form->AnyBinderBusy());
    EXPECT_EQ(form->cursor().shape(), Qt::BusyCursor);
    EXPECT_TRUE(LastLine(form->Memo1).startsWith("Reading...")) << LastLine(form->Memo1).toStdString();

    ASSERT_TRUE(RunUntil([&] { return LastLine(form->Memo1) == "Reading... 2 rows"; }))
        << LastLine(form->Memo1).toStdString();
    ASSERT_TRUE(form->AnyBinderBusy()) << "the last row is held back";
    form->ED_VLANID->setText("40");
    // Each command refused during the walk is named, each once.
    const struct {
        QPushButton* button;
        const char* said;
    } presses[] = {
        {form->AddBtn, "Add"},
        {form->SetBtn, "Add, Set"},
        {form->RefreshBtn, "Add, Set, Refresh"},
        {form->AddBtn, "Add, Set, Refresh"},
    };
    for (const auto& press : presses) {
        press.button->click();
        EXPECT_EQ(LastLine(form->Memo1),
                  QString("Reading... 2 rows - Busy reading from the agent: %1 not done.").arg(press.said));
    }
    EXPECT_EQ(form->ED_VLANID->text(), "40") << "the user's input stays";

    const QString folder = qEnvironmentVariable("VN_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(form->grab().save(folder + "/busy_form.png"));
    }

    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_TRUE(sim().sets().empty());
    EXPECT_EQ(form->cursor().shape(), Qt::ArrowCursor) << "the cursor is the form's again";
    EXPECT_TRUE(LastLine(form->Memo1).startsWith("Get: " + QString::fromStdString(VnErrorText(kVnOk))))
        << LastLine(form->Memo1).toStdString();
    for (const QString& line : MemoLines(form->Memo1))
        EXPECT_FALSE(line.startsWith("Reading")) << "the walk's progress gives way to its outcome";
    EXPECT_TRUE(MemoLines(form->Memo1).contains("Busy reading from the agent: Add, Set, Refresh not done."))
        << "the refused commands are still said once the walk is over";
    EXPECT_EQ(form->LV_dot1qVlanStaticEntry->topLevelItemCount(), 3);

    // Idle again: the same command is carried out.
    sim().delay(kLastRowStatus, 0);
    form->AddBtn->click();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(sim().sets().size(), 1u);
}

}  // namespace
