// The ifX list and its alias form: the set carries the alias alone, a
// blank is refused, the form waits for a running walk, Refresh does not
// start a second one, and closing lets the walk read to its end.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

#include "Ifxuseunit.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "periphery_test_support.h"

using namespace peripherytest;

namespace {

const std::string kIfx = "1.3.6.1.2.1.31.1.1.1";
constexpr int kInterfaces = 74;  // ifIndex 1-24 and 65-114

class Ifx : public PeripherySwitchTest {
protected:
    std::unique_ptr<TIfxForm> Open()
    {
        auto form = std::make_unique<TIfxForm>(nullptr, Context());
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
    // Opens the alias form on `ifIndex`, types `alias` and presses Set.
    void SetAlias(TIfxForm& form, const char* ifIndex, const QString& alias)
    {
        SelectRow(form.lvIfxInformation, {{"IF Index", ifIndex}});
        TIfxEditForm* edit = IfxEditForm;
        EXPECT_TRUE(WhileShown(edit, [&] { form.EditSelectedInterface(); }, [&] {
            EXPECT_EQ(edit->edtIfIndex->text(), ifIndex);
            EXPECT_FALSE(edit->edtIfIndex->isEnabled());
            edit->edtAlias->setText(alias);
            edit->btnSetClick();
        }));
        EXPECT_TRUE(WaitIdle(form));
    }
};

TEST_F(Ifx, ListsEveryInterfaceWithItsIndexFirst)
{
    auto form = Open();
    EXPECT_EQ(form->lvIfxInformation->topLevelItemCount(), kInterfaces);
    EXPECT_EQ(form->ST_Count->text(), QString::number(kInterfaces));
    EXPECT_EQ(form->lvIfxInformation->headerItem()->text(0), "IF Index");
    EXPECT_EQ(ColumnTexts(form->lvIfxInformation, "Alias").at(24), "port65");
    EXPECT_FALSE(form->btnEdit->isEnabled());
}

TEST_F(Ifx, TheAliasSetCarriesTheAliasAlone)
{
    auto form = Open();
    SetAlias(*form, "5", "uplink");
    SetAlias(*form, "66", "");
    const std::vector<std::vector<std::string>> expected = {{kIfx + ".18.5=" + Hex("uplink")}, {kIfx + ".18.66="}};
    EXPECT_EQ(SetRecord(), expected);
    EXPECT_EQ(sim().get(kIfx + ".18.5")->value, Hex("uplink"));
    EXPECT_FALSE(form->btnEdit->isEnabled());
}

TEST_F(Ifx, AnAliasWithABlankOrACloseSendsNothing)
{
    auto form = Open();
    SelectRow(form->lvIfxInformation, {{"IF Index", "3"}});
    TIfxEditForm* edit = IfxEditForm;
    for (const char* alias : {"a b", " lead", "trail "}) {
        SCOPED_TRACE(alias);
        VnMessageBoxCapture boxes;
        ASSERT_TRUE(WhileShown(edit, [&] { form->EditSelectedInterface(); }, [&] {
            edit->edtAlias->setText(alias);
            edit->btnSetClick();
            EXPECT_TRUE(edit->isVisible());
        }));
        EXPECT_EQ(boxes.Texts(), QStringList({TIfxEditForm::kAliasInvalid}));
        SelectRow(form->lvIfxInformation, {{"IF Index", "3"}});
    }
    ASSERT_TRUE(WhileShown(edit, [&] { form->EditSelectedInterface(); }, [&] { edit->edtAlias->setText("fine"); }));
    RunEvents(100);
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(Ifx, SetWaitsForARunningWalk)
{
    auto form = Open();
    SelectRow(form->lvIfxInformation, {{"IF Index", "2"}});
    TIfxEditForm* edit = IfxEditForm;
    VnMessageBoxCapture boxes;
    ASSERT_TRUE(WhileShown(edit, [&] { form->EditSelectedInterface(); }, [&] {
        sim().delay(kIfx, 5);
        form->Request->Refresh();
        ASSERT_TRUE(form->AnyBinderBusy());
        edit->edtAlias->setText("busy");
        edit->btnSetClick();
        EXPECT_TRUE(edit->isVisible());
    }));
    EXPECT_EQ(boxes.Texts(), QStringList({TIfxEditForm::kGetNotComplete}));
    ASSERT_TRUE(WaitIdle(*form, 20000));
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(Ifx, RefreshDuringAWalkDoesNothingAndClosingLetsTheWalkEnd)
{
    sim().delay(kIfx, 15);
    auto form = std::make_unique<TIfxForm>(nullptr, Context());
    form->show();
    ASSERT_TRUE(form->AnyBinderBusy());
    form->btnRefreshClick();
    form->reject();
    // The walk goes on after the close: every interface, once.
    ASSERT_TRUE(WaitIdle(*form, 20000));
    EXPECT_EQ(form->lvIfxInformation->topLevelItemCount(), kInterfaces);
    form.reset();

    // Deleting the form mid-walk waits for the walk before the edit form
    // and the binder go.
    form = std::make_unique<TIfxForm>(nullptr, Context());
    ASSERT_TRUE(form->AnyBinderBusy());
    form.reset();
    EXPECT_EQ(IfxEditForm, nullptr);
    EXPECT_EQ(IfxForm, nullptr);
}

}  // namespace
