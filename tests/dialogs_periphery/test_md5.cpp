// The MD5 key list and its edit form: Edit, Add and Delete as the switch
// records them (Delete at the selected row whatever an Add left in the
// fields), the form's own checks, and no key in the memo.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "Md5infortable.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "periphery_test_support.h"

using namespace peripherytest;

namespace {

const std::string kKey = "1.3.6.1.4.1.88406.11.59.5.3.4.1.2.";
const std::string kStatus = "1.3.6.1.4.1.88406.11.59.5.3.4.1.3.";

std::vector<std::vector<std::string>> KeySet(const std::string& id, const std::string& key, int status)
{
    return {{kKey + id + "=" + Hex(key), kStatus + id + "=" + std::to_string(status)}};
}

class Md5 : public PeripherySwitchTest {
protected:
    std::unique_ptr<TMd5InformationForm> Open()
    {
        auto form = std::make_unique<TMd5InformationForm>(nullptr, Context());
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
    static void Select(TMd5InformationForm& form, const char* id) { SelectRow(form.ListView1, {{"Key Id", id}}); }
};

TEST_F(Md5, EditSendsTheKeyWithActiveAtTheSelectedId)
{
    auto form = Open();
    EXPECT_EQ(ColumnTexts(form->ListView1, "Key Id"), QStringList({"1", "7"}));
    EXPECT_FALSE(form->EditButton->isEnabled());
    Select(*form, "7");
    EXPECT_TRUE(form->EditButton->isEnabled());
    TMd5EditForm* edit = Md5EditForm;
    const bool shown = WhileShown(edit, [&] { form->EditButtonClick(); }, [&] {
        EXPECT_EQ(edit->windowTitle(), "MD5 Information Table: 127.0.0.1");
        EXPECT_FALSE(edit->KeyIDEdit->isEnabled());
        EXPECT_EQ(edit->KeyIDEdit->text(), "7");
        EXPECT_EQ(edit->KeyEdit->text(), "k7secret");
        EXPECT_EQ(edit->ComboBox1->currentText(), "active");
        edit->KeyEdit->setText("k7new");
        edit->SetButtonClick();
        EXPECT_FALSE(edit->isVisible());
    });
    ASSERT_TRUE(shown);
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), KeySet("7", "k7new", 1));
    EXPECT_FALSE(form->EditButton->isEnabled());
}

TEST_F(Md5, AddSendsCreateAndGoAtTheTypedId)
{
    auto form = Open();
    Select(*form, "1");
    TMd5EditForm* edit = Md5EditForm;
    ASSERT_TRUE(WhileShown(edit, [&] { form->AddButtonClick(); }, [&] {
        EXPECT_EQ(edit->windowTitle(), "MD5 Information Table: 127.0.0.1(Add)");
        EXPECT_TRUE(edit->KeyIDEdit->isEnabled());
        EXPECT_TRUE(edit->KeyIDEdit->text().isEmpty());
        EXPECT_TRUE(edit->KeyEdit->text().isEmpty());
        EXPECT_EQ(edit->ComboBox1->currentText(), "createAndGo");
        edit->KeyIDEdit->setText("9");
        edit->KeyEdit->setText(QString(16, 'x'));
        edit->SetButtonClick();
    }));
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), KeySet("9", std::string(16, 'x'), 4));
    EXPECT_EQ(ColumnTexts(form->ListView1, "Key Id"), QStringList({"1", "7", "9"}));
}

TEST_F(Md5, DeleteDestroysTheSelectedRowAlsoAfterAnAddWasClosed)
{
    auto form = Open();
    TMd5EditForm* edit = Md5EditForm;
    ASSERT_TRUE(WhileShown(edit, [&] { form->AddButtonClick(); }, [&] {
        edit->KeyIDEdit->setText("200");
        edit->KeyEdit->setText("typed");
    }));
    EXPECT_TRUE(sim().sets().empty());
    {
        VnMessageBoxCapture boxes;
        form->DeleteButtonClick();
        RunEvents(50);
        EXPECT_EQ(boxes.Texts(), QStringList({kVnNoRowSelectedText}));
        EXPECT_TRUE(sim().sets().empty());
    }
    Select(*form, "1");
    form->DeleteButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), KeySet("1", "alpha123", 6));
    EXPECT_EQ(ColumnTexts(form->ListView1, "Key Id"), QStringList({"7"}));
}

struct Refusal {
    const char* id;
    QString key;
    const char* message;  // null: the format's own message
};

TEST_F(Md5, RefusedFieldsSendNothingAndKeepTheFormOpen)
{
    const Refusal cases[] = {
        {"", "key", TMd5EditForm::kKeyIdMissing},  {"7", "key", TMd5EditForm::kKeyIdTaken},
        {"9", "", TMd5EditForm::kKeyMissing},      {"9", "a b", TMd5EditForm::kKeyInvalid},
        {"9", " ab", TMd5EditForm::kKeyInvalid},   {"9", "ab ", TMd5EditForm::kKeyInvalid},
        {"256", "key", nullptr},
    };
    auto form = Open();
    TMd5EditForm* edit = Md5EditForm;
    for (const Refusal& c : cases) {
        SCOPED_TRACE(std::string(c.id) + " / " + c.key.toStdString());
        VnMessageBoxCapture boxes;
        ASSERT_TRUE(WhileShown(edit, [&] { form->AddButtonClick(); }, [&] {
            // Typed, as the format checks what the user types.
            QTest::keyClicks(edit->KeyIDEdit, c.id);
            QTest::keyClicks(edit->KeyEdit, c.key);
            edit->SetButtonClick();
            EXPECT_TRUE(edit->isVisible());
        }));
        RunEvents(50);
        ASSERT_EQ(boxes.Texts().size(), 1);
        if (c.message) {
            EXPECT_EQ(boxes.Texts()[0], c.message);
        }
        EXPECT_TRUE(sim().sets().empty());
    }
}

// The key is bound with at most 16 characters: typing stops there.
TEST_F(Md5, ATypedKeyStopsAtSixteenCharacters)
{
    auto form = Open();
    TMd5EditForm* edit = Md5EditForm;
    ASSERT_TRUE(WhileShown(edit, [&] { form->AddButtonClick(); }, [&] {
        QTest::keyClicks(edit->KeyEdit, QString(17, 'y'));
        EXPECT_EQ(edit->KeyEdit->text(), QString(16, 'y'));
    }));
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(Md5, NoKeyReachesTheMemoAlsoWhenTheSetFails)
{
    sim().error(kStatus + "7", "wrongValue", "set");
    auto form = Open();
    Select(*form, "7");
    TMd5EditForm* edit = Md5EditForm;
    ASSERT_TRUE(WhileShown(edit, [&] { form->EditButtonClick(); }, [&] {
        edit->KeyEdit->setText("hush42");
        edit->SetButtonClick();
    }));
    ASSERT_TRUE(WaitIdle(*form));
    const QString memo = form->Memo1->toPlainText();
    EXPECT_TRUE(memo.contains("Set: ")) << memo.toStdString();
    EXPECT_FALSE(memo.contains("hush42"));
    EXPECT_FALSE(memo.contains("k7secret"));
}

TEST_F(Md5, ClosingDuringTheWalkAsksForNoFurtherRow)
{
    sim().delay("1.3.6.1.4.1.88406.11.59.5.3.4.1", 200);
    auto form = std::make_unique<TMd5InformationForm>(nullptr, Context());
    form->show();
    ASSERT_TRUE(form->AnyBinderBusy());
    form->reject();
    EXPECT_FALSE(form->AnyBinderBusy());
    RunEvents(500);
    EXPECT_LE(form->ListView1->topLevelItemCount(), 1);
    form.reset();
    EXPECT_EQ(Md5EditForm, nullptr);
}

}  // namespace
