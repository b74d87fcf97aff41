// The configuration form's life over the simulated switch: closing during a
// slow walk, the Edit form stopping a walk, page forms refreshing the page
// turned to, and refreshes that come too late or for forms never shown.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMsgPanel.h"
#include "TSNMPListViewPanel.h"
#include "VnException.h"
#include "configform_support.h"

using namespace formtest;

namespace {

constexpr const char* kLongTablePrefix = "1.3.6.1.4.1.88406.996.4";

QLineEdit* Edit(TSNMPEditorPanel* panel, int row)
{
    return qobject_cast<QLineEdit*>(panel->EditsPanel->Rows[static_cast<std::size_t>(row)].InputCtrl);
}

class FormLifecycleTest : public FormSwitchTest {
protected:
    // A slow binder: every reply of the long table comes `delayMs` late.
    std::unique_ptr<VnSNMPRequest2Edits> SlowBinder(QWidget* owner, int delayMs, unsigned char type = MVT_FMV)
    {
        sim().delay(kLongTablePrefix, delayMs);
        auto binder = MakeBinder(owner, kLongTable, type, 1, port());
        binder->request.timeout = 400;  // no retry while a late reply is on its way
        return binder;
    }
};

}  // namespace

TEST_F(FormLifecycleTest, ClosingDuringASlowWalkWaitsForTheBinder)
{
    TConfigForm form;
    auto binder = SlowBinder(&form, 1500);
    VnSNMPRequest2Edits* walker = binder.get();
    form.SetListViewPanel(std::move(binder), -1, nullptr, -1, nullptr);
    bool walking = false;
    QElapsedTimer sinceClose;
    OnModal closer([&](QDialog* dialog) {
        RunEvents(200);
        walking = walker->Busy();
        sinceClose.start();
        dialog->close();
    });
    form.exec();
    const qint64 waited = sinceClose.elapsed();
    EXPECT_TRUE(walking);
    EXPECT_GE(waited, 1000) << "the close waited for the walk's outstanding reply";
    EXPECT_LT(waited, 5000);
    EXPECT_TRUE(form.Requests().empty());
    EXPECT_EQ(form.ActiveRequest(), nullptr);
}

TEST_F(FormLifecycleTest, TheEditFormStopsAWalkUntilItsReplyIsIn)
{
    TConfigForm form;
    auto binder = SlowBinder(&form, 1500);
    VnSNMPRequest2Edits* walker = binder.get();
    int walksEnded = 0;
    walker->OnRefreshDone = [&](VnSNMPRequest2Controls&, const VnSNMPError&) { ++walksEnded; };
    TSNMPListViewPanel* panel = form.SetListViewPanel(std::move(binder), -1, nullptr, -1, nullptr);
    QTreeWidget* list = panel->ListViewPanel->ListView;
    form.show();
    ASSERT_TRUE(RunUntil([&] { return list->topLevelItemCount() == 1; }));
    list->setCurrentItem(list->topLevelItem(0));

    bool busyAtOpen = false;
    bool keepGoingAtOpen = true;
    int rowsAfterReply = 0;
    bool keepGoingAfterReply = false;
    int rowsLater = 0;
    OnModal edit([&](QDialog* dialog) {
        busyAtOpen = walker->Busy();
        keepGoingAtOpen = walker->request.keepGoing;
        RunUntil([&] { return !walker->Busy(); }, 4000);
        rowsAfterReply = list->topLevelItemCount();
        keepGoingAfterReply = walker->request.keepGoing;
        RunEvents(2000);
        rowsLater = list->topLevelItemCount();
        sim().clearFaults();
        dialog->reject();
    });
    panel->CtrlBtnPanel->EditBtn->click();
    EXPECT_TRUE(busyAtOpen) << "the reply did not come within the form's wait";
    EXPECT_FALSE(keepGoingAtOpen);
    EXPECT_EQ(rowsAfterReply, 2) << "the reply under way still lands";
    EXPECT_TRUE(keepGoingAfterReply) << "sets may go out once the walk has ended";
    EXPECT_EQ(rowsLater, 2) << "the walk is not resumed behind the form";
    EXPECT_EQ(walksEnded, 1) << "the form's own handler still runs";
    // Closing the Edit form reads the table again.
    ASSERT_TRUE(RunUntil([&] { return !walker->Busy() && list->topLevelItemCount() == 8; }));
    EXPECT_EQ(walksEnded, 2);
}

TEST_F(FormLifecycleTest, APageFormRefreshesThePageTurnedTo)
{
    TConfigForm form;
    form.SetPageMode();
    TSNMPEditorPanel* ports = form.AddEditorPage("Ports", SlowBinder(&form, 600));
    TSNMPEditorPanel* place = form.AddEditorPage("Place", MakeBinder(&form, kPage2, SVT_SV, 0, port()));
    VnSNMPRequest2Edits* walker = form.Requests()[0].get();
    VnSNMPRequest2Edits* reader = form.Requests()[1].get();
    form.show();
    ASSERT_TRUE(RunUntil([&] { return form.ActiveRequest() != nullptr; }));
    EXPECT_EQ(form.ActiveRequest(), walker) << "the first page is refreshed first";
    EXPECT_TRUE(walker->Busy());
    EXPECT_TRUE(Edit(place, 0)->text().isEmpty());

    form.PageControl()->setCurrentIndex(1);
    EXPECT_EQ(form.ActiveRequest(), reader);
    ASSERT_TRUE(RunUntil([&] { return !reader->Busy() && Edit(place, 0)->text() == "rack 4"; }));
    // The page left takes the reply under way and asks for nothing more.
    ASSERT_TRUE(RunUntil([&] { return !walker->Busy(); }));
    EXPECT_EQ(Edit(ports, 1)->text(), "row1");
    RunEvents(800);
    EXPECT_EQ(Edit(ports, 1)->text(), "row1");

    sim().clearFaults();
    form.PageControl()->setCurrentIndex(0);
    ASSERT_TRUE(RunUntil([&] { return !walker->Busy() && Edit(ports, 1)->text() == "row8"; }));
    form.close();
    EXPECT_TRUE(form.Requests().empty());
}

TEST_F(FormLifecycleTest, APageFormWithoutPagesRefreshesNothing)
{
    TConfigForm form;
    form.SetPageMode();
    form.show();
    RunEvents(100);
    EXPECT_EQ(form.ActiveRequest(), nullptr);
    form.close();
}

TEST_F(FormLifecycleTest, NothingIsReadBeforeShowingOrAfterClosing)
{
    // Built and never shown: no refresh.
    auto idle = std::make_unique<TConfigForm>();
    TSNMPEditorPanel* panel = idle->SetEditorPanel(MakeBinder(idle.get(), kScalars, SVT_SV, 0, port()));
    RunEvents(200);
    EXPECT_TRUE(panel->StatusPanel()->Memo->toPlainText().isEmpty());
    EXPECT_EQ(idle->ActiveRequest(), nullptr);

    // Closed before the posted refresh was handled: it does nothing.
    idle->show();
    idle->close();
    RunEvents(200);
    EXPECT_TRUE(panel->StatusPanel()->Memo->toPlainText().isEmpty());
    EXPECT_EQ(idle->ActiveRequest(), nullptr);
    // A page change reaching a closed form does nothing either.
    idle->Refresh();
    idle.reset();

    // A command whose building fails releases the form: nothing comes later.
    auto failed = std::make_unique<TConfigForm>();
    EXPECT_THROW(failed->SetListViewPanel(MakeBinder(failed.get(), kTable, MVT_FMV, 2, port()), kStatus, "bogus",
                                          -1, nullptr),
                 VnException);
    failed.reset();
    RunEvents(200);
}

TEST_F(FormLifecycleTest, ARefreshClickDuringAWalkIsIgnored)
{
    TConfigForm form;
    TSNMPListViewPanel* panel = form.SetListViewPanel(SlowBinder(&form, 300), -1, nullptr, -1, nullptr);
    QTreeWidget* list = panel->ListViewPanel->ListView;
    form.show();
    ASSERT_TRUE(RunUntil([&] { return list->topLevelItemCount() == 2; }));
    panel->CtrlBtnPanel->RefreshBtn->click();
    EXPECT_EQ(list->topLevelItemCount(), 2) << "the list was not cleared for a second walk";
    sim().clearFaults();
    ASSERT_TRUE(RunUntil([&] { return !form.Requests()[0]->Busy(); }));
    EXPECT_EQ(list->topLevelItemCount(), 8);
    EXPECT_EQ(panel->CtrlBtnPanel->CountText->text(), "8");
    form.close();
}
