// The IP-MAC map over the simulated switch: only an offset without an
// interface name is edited, the name checks, the one set at the selected
// offset and the re-read, and closing during a slow walk.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

#include "Ipmacmapunit.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "mgmt_test_support.h"

using namespace dialogtest;
using namespace mgmttest;

namespace {

constexpr const char* kColumn = "1.3.6.1.4.1.88406.11.59.5.3.2.6.1.1.2";
const std::string kName = std::string(kColumn) + ".";

class IpMacMap : public MgmtSwitchTest {
protected:
    std::unique_ptr<TIPMACMapForm> Open()
    {
        auto form = std::make_unique<TIPMACMapForm>(nullptr, Context());
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
    static void Select(TIPMACMapForm& form, const char* offset)
    {
        ASSERT_TRUE(SelectRow(form.lvData, 0, offset)) << offset;
    }
    VnMessageBoxCapture boxes;
};

TEST_F(IpMacMap, ListsEveryOffsetWithItsName)
{
    auto form = Open();
    EXPECT_EQ(form->lvData->topLevelItemCount(), 40);
    EXPECT_EQ(form->lvData->topLevelItem(0)->text(1), "System");
    EXPECT_FALSE(form->btnEdit->isEnabled());
    EXPECT_EQ(IPMACMapForm, form.get());
    EXPECT_NE(IPMACMapEditForm, nullptr);
}

TEST_F(IpMacMap, OnlyARowWithoutNameOpensTheEditForm)
{
    struct Case {
        const char* offset;
        bool opens;
        const char* why;
    };
    const Case cases[] = {
        {"1", false, "the system's interface"},
        {"2", false, "an offset already named"},
        {"5", true, "a free offset"},
    };
    auto form = Open();
    for (const Case& c : cases) {
        Select(*form, c.offset);
        EXPECT_EQ(form->btnEdit->isEnabled(), c.opens) << c.why;
        EXPECT_EQ(WhileShown(IPMACMapEditForm, [&] { form->btnEdit->click(); }), c.opens) << c.why;
        QTreeWidgetItem* row = form->lvData->currentItem();
        EXPECT_EQ(WhileShown(IPMACMapEditForm, [&] { emit form->lvData->itemDoubleClicked(row, 0); }), c.opens)
            << c.why;
    }
    // The keyboard moves the selection too.
    Select(*form, "2");
    QTest::keyClick(form->lvData, Qt::Key_Down);
    EXPECT_EQ(form->lvData->currentItem()->text(0), "3");
    EXPECT_TRUE(form->btnEdit->isEnabled());
    form->lvData->clearSelection();
    EXPECT_FALSE(form->btnEdit->isEnabled());
    EXPECT_TRUE(SetRecord().empty());
}

TEST_F(IpMacMap, TheEditFormShowsTheOffsetAndAnEmptyNameEachTime)
{
    auto form = Open();
    for (const char* offset : {"5", "7"}) {
        Select(*form, offset);
        EXPECT_TRUE(WhileShown(IPMACMapEditForm, [&] { form->btnEdit->click(); }, [&] {
            EXPECT_EQ(IPMACMapEditForm->edtOffset->text(), offset);
            EXPECT_TRUE(IPMACMapEditForm->edtInterface->text().isEmpty());
            EXPECT_TRUE(IPMACMapEditForm->edtOffset->isReadOnly());
            IPMACMapEditForm->edtInterface->setText("typed");
        }));
    }
    EXPECT_TRUE(SetRecord().empty());
}

TEST_F(IpMacMap, RefusedNamesKeepTheEditFormOpenAndSendNothing)
{
    struct Case {
        const char* name;
        const char* message;
    };
    const Case cases[] = {
        {"", TIPMACMapEditForm::kNameMissing},
        {"System", TIPMACMapEditForm::kSystemName},
    };
    auto form = Open();
    Select(*form, "5");
    for (const Case& c : cases) {
        boxes.Clear();
        EXPECT_TRUE(WhileShown(IPMACMapEditForm, [&] { form->btnEdit->click(); }, [&] {
            IPMACMapEditForm->edtInterface->setText(c.name);
            IPMACMapEditForm->btnSet->click();
            EXPECT_TRUE(IPMACMapEditForm->isVisible()) << c.name;
        }));
        EXPECT_EQ(boxes.Texts(), QStringList{c.message}) << c.name;
    }
    // The name's format: at most 12 characters can be typed.
    EXPECT_TRUE(WhileShown(IPMACMapEditForm, [&] { form->btnEdit->click(); }, [&] {
        QTest::keyClicks(IPMACMapEditForm->edtInterface, "abcdefghijklm");
        EXPECT_EQ(IPMACMapEditForm->edtInterface->text(), "abcdefghijkl");
    }));
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_TRUE(SetRecord().empty());
}

TEST_F(IpMacMap, SetSendsTheNameAtTheSelectedOffsetAndReadsTheMapAgain)
{
    auto form = Open();
    Select(*form, "5");
    EXPECT_TRUE(WhileShown(IPMACMapEditForm, [&] { form->btnEdit->click(); }, [&] {
        IPMACMapEditForm->edtInterface->setText("system");
        IPMACMapEditForm->btnSet->click();
        EXPECT_FALSE(IPMACMapEditForm->isVisible());
    }));
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_TRUE(boxes.Texts().isEmpty());
    const std::vector<std::vector<std::string>> expected = {{kName + "5=" + Hex("system")}};
    EXPECT_EQ(SetRecord(), expected);
    ASSERT_EQ(form->lvData->topLevelItemCount(), 40);
    EXPECT_EQ(form->lvData->topLevelItem(4)->text(1), "system");
}

TEST_F(IpMacMap, AnAgentErrorLandsInTheMemo)
{
    auto form = Open();
    sim().error(kColumn, "genErr", "set");
    Select(*form, "5");
    WhileShown(IPMACMapEditForm, [&] { form->btnEdit->click(); }, [&] {
        IPMACMapEditForm->edtInterface->setText("lan");
        IPMACMapEditForm->btnSet->click();
    });
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_TRUE(form->memReply->toPlainText().contains("Set:")) << form->memReply->toPlainText().toStdString();
    EXPECT_TRUE(sim().get(kName + "5")->value.empty());
}

TEST_F(IpMacMap, DuringASlowWalkRefreshAndEditDoNothing)
{
    auto form = Open();
    Select(*form, "5");
    sim().delay(kColumn, 30);
    form->btnRefresh->click();
    ASSERT_TRUE(form->Request->Busy());
    form->btnRefresh->click();
    RunEvents(40);
    EXPECT_LT(form->lvData->topLevelItemCount(), 40);
    form->btnEdit->setEnabled(true);
    EXPECT_FALSE(WhileShown(IPMACMapEditForm, [&] { form->btnEdit->click(); }));
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(form->lvData->topLevelItemCount(), 40);
}

TEST_F(IpMacMap, ClosingMidWalkLetsTheWalkEnd)
{
    auto form = Open();
    sim().delay(kColumn, 30);
    form->btnRefresh->click();
    RunEvents(60);
    form->reject();
    EXPECT_FALSE(form->isVisible());
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(form->lvData->topLevelItemCount(), 40);
}

TEST_F(IpMacMap, DeletingMidWalkDeletesTheEditFormThenTheBinder)
{
    auto form = Open();
    sim().delay(kColumn, 30);
    form->btnRefresh->click();
    RunEvents(60);
    form->reject();
    ASSERT_TRUE(form->Request->Busy());
    form.reset();
    EXPECT_EQ(IPMACMapForm, nullptr);
    EXPECT_EQ(IPMACMapEditForm, nullptr);
    EXPECT_TRUE(SetRecord().empty());
}

}  // namespace
