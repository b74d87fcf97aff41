// The BOOTP relay list and its new-entry form: "valid" at the typed pair,
// at most four servers per interface (case counts), "invalid" at the
// selected pair only, and an address that is no address sends nothing.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

#include "Bootctrltableformunit.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "periphery_test_support.h"

using namespace peripherytest;

namespace {

const std::string kState = "1.3.6.1.4.1.88406.11.59.5.3.3.1.4.1.3.";

std::string StateOf(const std::string& name, const std::string& server, int state)
{
    return kState + StringIndex(name, false) + "." + server + "=" + std::to_string(state);
}

class Bootp : public PeripherySwitchTest {
protected:
    std::unique_ptr<TBOOTCtrlTableForm> Open()
    {
        auto form = std::make_unique<TBOOTCtrlTableForm>(nullptr, Context());
        form->setWindowTitle("BOOTP Ctrl Table: 127.0.0.1");
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
    // Types a pair in the new-entry form and presses Set; whether the form
    // closed.
    bool AddPair(TBOOTCtrlTableForm& form, const QString& name, const QString& server)
    {
        TNewBootpCtrlForm* entry = NewBootpCtrlForm;
        bool closed = false;
        EXPECT_TRUE(WhileShown(entry, [&] { form.AddBtnClick(); }, [&] {
            entry->Edit1->setText(name);
            entry->Edit2->setText(server);
            entry->DeleteBtnClick();
            closed = !entry->isVisible();
        }));
        EXPECT_TRUE(WaitIdle(form));
        return closed;
    }
};

TEST_F(Bootp, AddSendsValidAtTheTypedPair)
{
    auto form = Open();
    EXPECT_EQ(ColumnTexts(form->ListView1, "Interface Name").count("vl1"), 3);
    TNewBootpCtrlForm* entry = NewBootpCtrlForm;
    ASSERT_TRUE(WhileShown(entry, [&] { form->AddBtnClick(); }, [&] {
        EXPECT_EQ(entry->windowTitle(), "BOOTP Ctrl Table: 127.0.0.1 (Add)");
        EXPECT_TRUE(entry->Edit1->isEnabled());
        EXPECT_TRUE(entry->Edit2->isEnabled());
    }));
    EXPECT_TRUE(AddPair(*form, "vl1", "10.0.0.1"));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{{StateOf("vl1", "10.0.0.1", 3)}}));
    EXPECT_EQ(kState + "3.118.108.49.10.0.0.1=3", StateOf("vl1", "10.0.0.1", 3));
    EXPECT_EQ(ColumnTexts(form->ListView1, "Interface Name").count("vl1"), 4);

    // Now vl1 has four: a fifth is refused.
    sim().clearSets();
    VnMessageBoxCapture boxes;
    EXPECT_FALSE(AddPair(*form, "vl1", "10.0.0.2"));
    EXPECT_EQ(boxes.Texts(), QStringList({TNewBootpCtrlForm::kTooManyServers}));
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(Bootp, TheServerLimitCountsNamesExactly)
{
    auto form = Open();
    {
        VnMessageBoxCapture boxes;
        EXPECT_FALSE(AddPair(*form, "System", "10.2.2.5"));
        EXPECT_EQ(boxes.Texts(), QStringList({TNewBootpCtrlForm::kTooManyServers}));
        EXPECT_TRUE(sim().sets().empty());
    }
    EXPECT_TRUE(AddPair(*form, "system", "10.2.2.5"));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{{StateOf("system", "10.2.2.5", 3)}}));
}

TEST_F(Bootp, AnAddressThatIsNoAddressSendsNothing)
{
    auto form = Open();
    for (const char* server : {"10.0.0", "10.0.0.256", "10.0.0.1.2", "ten"}) {
        SCOPED_TRACE(server);
        VnMessageBoxCapture boxes;
        EXPECT_FALSE(AddPair(*form, "vl2", server));
        EXPECT_EQ(boxes.Texts().size(), 1);
        EXPECT_TRUE(sim().sets().empty());
    }
}

TEST_F(Bootp, DeleteSendsInvalidAtTheSelectedPairOnly)
{
    auto form = Open();
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
    {
        VnMessageBoxCapture boxes;
        form->DeleteBtnClick();
        RunEvents(50);
        EXPECT_TRUE(sim().sets().empty());
    }
    // A pair typed in a cancelled Add is no address for Delete.
    TNewBootpCtrlForm* entry = NewBootpCtrlForm;
    ASSERT_TRUE(WhileShown(entry, [&] { form->AddBtnClick(); }, [&] {
        entry->Edit1->setText("vl1");
        entry->Edit2->setText("10.1.1.1");
    }));
    SelectRow(form->ListView1, {{"Interface Name", "System"}, {"Bootp Server IP", "10.2.2.2"}});
    EXPECT_TRUE(form->DeleteBtn->isEnabled());
    form->DeleteBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{{StateOf("System", "10.2.2.2", 2)}}));
    EXPECT_EQ(ColumnTexts(form->ListView1, "Interface Name").count("System"), 3);
    EXPECT_FALSE(form->DeleteBtn->isEnabled());
}

TEST_F(Bootp, FieldsAreEmptyAfterASetAndKeptAfterAClose)
{
    auto form = Open();
    TNewBootpCtrlForm* entry = NewBootpCtrlForm;
    ASSERT_TRUE(WhileShown(entry, [&] { form->AddBtnClick(); }, [&] {
        entry->Edit1->setText("lan");
        entry->Edit2->setText("10.9.9.9");
    }));
    ASSERT_TRUE(WhileShown(entry, [&] { form->AddBtnClick(); }, [&] {
        EXPECT_EQ(entry->Edit1->text(), "lan");
        EXPECT_EQ(entry->Edit2->text(), "10.9.9.9");
        entry->DeleteBtnClick();
    }));
    ASSERT_TRUE(WaitIdle(*form));
    ASSERT_TRUE(WhileShown(entry, [&] { form->AddBtnClick(); }, [&] {
        EXPECT_TRUE(entry->Edit1->text().isEmpty());
        EXPECT_TRUE(entry->Edit2->text().isEmpty());
    }));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{{StateOf("lan", "10.9.9.9", 3)}}));
}

}  // namespace
