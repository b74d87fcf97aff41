// The member-switch list and its add form with a binder of its own: Add
// and Delete as the switch records them, the list read after the set was
// answered, the access words back after Delete, and the two time-outs.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <map>
#include <memory>

#include "Msinfortable.h"
#include "UdpRelay.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Edits.h"
#include "periphery_test_support.h"

using namespace peripherytest;

namespace {

const std::string kMember = "1.3.6.1.4.1.88406.12.8.1.3.1.";

class Members : public PeripherySwitchTest {
protected:
    std::unique_ptr<TMSInformationForm> Open()
    {
        auto form = std::make_unique<TMSInformationForm>(nullptr, Context());
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
    // Adds member `id` with `password` through the edit form.
    void Add(TMSInformationForm& form, const QString& id, const QString& password)
    {
        TMSEditForm* edit = MSEditForm;
        EXPECT_TRUE(WhileShown(edit, [&] { form.AddButtonClick(); }, [&] {
            EXPECT_TRUE(edit->KeyIDEdit->isEnabled());
            EXPECT_TRUE(edit->KeyIDEdit->text().isEmpty());
            EXPECT_EQ(edit->Row_Status->currentText(), "createAndGo");
            edit->KeyIDEdit->setText(id);
            edit->MS_Password->setText(password);
            edit->SetButtonClick();
        }));
        EXPECT_TRUE(WaitIdle(form));
    }
    static QStringList Ids(const TMSInformationForm& form) { return ColumnTexts(form.ListView1, "Member ID"); }
};

TEST_F(Members, AddSendsTheThreeColumnsAtTheTypedId)
{
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "MSInformationForm");
    EXPECT_EQ(Ids(*form), QStringList({"1", "2"}));
    EXPECT_EQ(form->Request->request.timeout, TMSInformationForm::kListTimeout);
    EXPECT_EQ(MSEditForm->Binder->request.timeout, VnDefaultTimeout) << "the edit form keeps the default";
    Add(*form, "3", "");
    const std::vector<std::vector<std::string>> expected = {
        {kMember + "8.3=3", kMember + "9.3=", kMember + "10.3=4"}};
    EXPECT_EQ(SetRecord(), expected);
    EXPECT_EQ(Ids(*form), QStringList({"1", "2", "3"}));
}

TEST_F(Members, AnEmptyIdIsRefused)
{
    auto form = Open();
    TMSEditForm* edit = MSEditForm;
    VnMessageBoxCapture boxes;
    ASSERT_TRUE(WhileShown(edit, [&] { form->AddButtonClick(); }, [&] {
        edit->SetButtonClick();
        EXPECT_TRUE(edit->isVisible());
    }));
    EXPECT_EQ(boxes.Texts(), QStringList({TMSEditForm::kIdMissing}));
    RunEvents(50);
    EXPECT_TRUE(sim().sets().empty());
}

TEST_F(Members, AnIdThatIsNoNumberIsRefused)
{
    auto form = Open();
    TMSEditForm* edit = MSEditForm;
    for (const char* id : {"x1", "1.5", "99999999999"}) {
        SCOPED_TRACE(id);
        VnMessageBoxCapture boxes;
        ASSERT_TRUE(WhileShown(edit, [&] { form->AddButtonClick(); }, [&] {
            edit->KeyIDEdit->setText(id);
            edit->SetButtonClick();
            EXPECT_TRUE(edit->isVisible());
        }));
        EXPECT_EQ(boxes.Texts().size(), 1);
        ASSERT_TRUE(WaitIdle(*form));
    }
    // Typed as a user types, or put into the field whole (pasted): a
    // negative ID is no index, refused at the field by its name as a too
    // large one is.
    std::map<std::string, QString> messages;
    for (const bool typed : {true, false}) {
        for (const char* id : {"-1", "-2147483648", "4294967296"}) {
            SCOPED_TRACE(std::string(id) + (typed ? " typed" : " put in whole"));
            VnMessageBoxCapture boxes;
            ASSERT_TRUE(WhileShown(edit, [&] { form->AddButtonClick(); }, [&] {
                if (typed)
                    QTest::keyClicks(edit->KeyIDEdit, id);
                else
                    edit->KeyIDEdit->setText(id);
                edit->SetButtonClick();
                EXPECT_TRUE(edit->isVisible());
            }));
            ASSERT_EQ(boxes.Texts().size(), 1);
            const QString message = boxes.Texts().front();
            EXPECT_TRUE(message.startsWith("Member Candidate Source: ")) << message.toStdString();
            messages[std::string(id) + (typed ? "" : " whole")] = message;
            ASSERT_TRUE(WaitIdle(*form));
        }
    }
    RunEvents(50);
    EXPECT_TRUE(sim().sets().empty());
    EXPECT_EQ(messages["-1"], messages["4294967296"]);
    EXPECT_EQ(messages["-1 whole"], messages["4294967296 whole"]);
    EXPECT_FALSE(form->Memo1->toPlainText().contains("Invalid Object Identifier"));
}

// The ID of a listed member is refused by the name of the field it was
// typed into, not by the list's column: the user sees no "Member ID".
TEST_F(Members, AListedIdIsRefusedByItsFieldsName)
{
    auto form = Open();
    TMSEditForm* edit = MSEditForm;
    VnMessageBoxCapture boxes;
    ASSERT_TRUE(WhileShown(edit, [&] { form->AddButtonClick(); }, [&] {
        edit->KeyIDEdit->setText("2");
        edit->SetButtonClick();
        EXPECT_TRUE(edit->isVisible()) << "the ID stays for correcting";
    }));
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(boxes.Texts().join('|').toStdString(),
              "A row with Member Candidate Source 2 is listed already. Nothing sent.");
    EXPECT_TRUE(sim().sets().empty());
    EXPECT_TRUE(MemoLines(form->Memo1).back().startsWith("Set: (VnSNMP++) Nothing sent!. Receive at "))
        << MemoLines(form->Memo1).back().toStdString();
    EXPECT_EQ(Ids(*form), QStringList({"1", "2"}));
}

TEST_F(Members, DeleteSendsTheStatusAloneAndTheNextAddAllThree)
{
    auto form = Open();
    {
        VnMessageBoxCapture boxes;
        form->DeleteButtonClick();
        EXPECT_EQ(boxes.Texts(), QStringList({kVnNoRowSelectedText}));
        EXPECT_TRUE(sim().sets().empty());
    }
    SelectRow(form->ListView1, {{"Member ID", "2"}});
    form->DeleteButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    ASSERT_TRUE(WaitIdle(*MSEditForm));
    EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{{kMember + "10.2=6"}}));
    EXPECT_EQ(Ids(*form), QStringList({"1"}));

    sim().clearSets();
    Add(*form, "4", "pw4");
    EXPECT_EQ(SetRecord(),
              (std::vector<std::vector<std::string>>{
                  {kMember + "8.4=4", kMember + "9.4=" + Hex("pw4"), kMember + "10.4=4"}}));
}

TEST_F(Members, AfterARefusedDeleteTheNextAddStillSendsAllThree)
{
    sim().error(kMember + "10.1", "inconsistentValue", "set");
    auto form = Open();
    SelectRow(form->ListView1, {{"Member ID", "1"}});
    {
        VnMessageBoxCapture boxes;
        form->DeleteButtonClick();
        ASSERT_TRUE(WaitIdle(*MSEditForm));
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_TRUE(boxes.Texts().isEmpty()) << "the memo says it";
    }
    EXPECT_EQ(Ids(*form), QStringList({"1", "2"}));
    sim().clearSets();
    Add(*form, "5", "");
    EXPECT_EQ(SetRecord(),
              (std::vector<std::vector<std::string>>{{kMember + "8.5=5", kMember + "9.5=", kMember + "10.5=4"}}));
}

// Whatever the switch answers instead of going through, Delete and the
// edit form's Set leave its refusal as the memo's last word, on a line of
// its own: no read after it says "Ok", and no message box stands in for it.
TEST_F(Members, ARefusalIsTheMemosLastWord)
{
    const char* const answers[] = {"wrongValue", "genErr", "noAccess", "notWritable", "commitFailed",
                                   "spoiled reply"};
    const QString ok = QString::fromStdString(VnErrorText(kVnOk));
    auto form = Open();
    for (const bool del : {true, false}) {
        for (const char* answer : answers) {
            SCOPED_TRACE(std::string(del ? "Delete, " : "Set of an Add, ") + answer);
            const std::string status = kMember + (del ? "10.2" : "10.3");
            sim().clearFaults();
            if (std::string(answer) == "spoiled reply")
                sim().command("spoil-set " + status + " type");
            else
                sim().error(status, answer, "set");
            sim().clearSets();
            form->GetButtonClick();
            ASSERT_TRUE(WaitIdle(*form));
            const qsizetype linesBefore = MemoLines(form->Memo1).size();
            VnMessageBoxCapture boxes;
            if (del) {
                SelectRow(form->ListView1, {{"Member ID", "2"}});
                form->DeleteButtonClick();
                ASSERT_TRUE(WaitIdle(*MSEditForm));
                ASSERT_TRUE(WaitIdle(*form));
            } else {
                Add(*form, "3", "");
            }
            EXPECT_EQ(sim().sets().size(), 1u);
            EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
            const QStringList lines = MemoLines(form->Memo1);
            ASSERT_EQ(lines.size(), linesBefore + 1) << lines.join("\n").toStdString();
            EXPECT_TRUE(lines.back().startsWith("Set: ")) << lines.back().toStdString();
            EXPECT_FALSE(lines.back().contains(ok)) << lines.back().toStdString();
            if (const QString folder = qEnvironmentVariable("VN_SCREENSHOT_DIR");
                !folder.isEmpty() && del && std::string(answer) == "wrongValue") {
                RunEvents(50);
                EXPECT_TRUE(form->grab().save(QDir(folder).filePath("member-switch-refused-delete.png")));
            }
        }
    }
}

// A slow switch may carry out a set the module gave up on: Add and Delete
// say so, and the list is read once the switch answers again, so that it
// shows what the switch did. The switch holds every request on the table
// far past the module's time-out until the test lets it answer.
TEST_F(Members, ASetThatTimedOutSaysItMayBeDoneAndTheListShowsTheOutcome)
{
    const QString said = QString::fromStdString(VnErrorText(kVnErrTimeout)) + kVnSetMayBeDoneTableText;
    const QString ok = "Get: " + QString::fromStdString(VnErrorText(kVnOk));
    for (const bool del : {false, true}) {
        SCOPED_TRACE(del ? "Delete member 2" : "Add member 7");
        auto form = Open();
        const QStringList before = Ids(*form);
        QStringList applied = before;  // the list once the switch has done it
        if (del)
            applied.removeAll("2");
        else
            applied.append("7");
        MSEditForm->Binder->request.timeout = 100;
        form->Request->request.timeout = 100;
        form->Request->rereadIntervalMs = 200;
        sim().clearSets();
        const std::string table = kMember.substr(0, kMember.size() - 1);
        sim().delay(table, 600000);
        VnMessageBoxCapture boxes;
        if (del) {
            SelectRow(form->ListView1, {{"Member ID", "2"}});
            form->DeleteButtonClick();
        } else {
            Add(*form, "7", "");
        }
        ASSERT_TRUE(RunUntil([&] { return !MSEditForm->Binder->Busy(); }));
        ASSERT_TRUE(MemoLines(form->Memo1).back().startsWith("Set: " + said))
            << MemoLines(form->Memo1).back().toStdString();
        EXPECT_TRUE(form->Request->RereadPending());
        EXPECT_EQ(Ids(*form), before) << "the list waits for the switch";

        // The switch carries the held set out, then answers again.
        const std::vector<SimSwitch::SetPdu> held = sim().sets();
        ASSERT_FALSE(held.empty());
        EXPECT_EQ(held.front().status, "received") << "and waits there";
        if (del) {
            for (int column = 2; column <= 10; ++column)
                sim().unset(kMember + std::to_string(column) + ".2");
        } else {
            for (const SimSwitch::Varbind& vb : held.front().varbinds)
                sim().set(vb.oid, vb.type, vb.oid.rfind(kMember + "10.", 0) == 0 ? "1" : vb.value);
        }
        sim().delay(table, 0);
        EXPECT_TRUE(RunUntil([&] { return Ids(*form) == applied && !form->Request->RereadPending(); }));
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_TRUE(MemoLines(form->Memo1).back().startsWith(ok)) << MemoLines(form->Memo1).back().toStdString();
        EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
    }
}

TEST_F(Members, TheListIsReadAfterADelayedSetWasAnswered)
{
    sim().delay(kMember + "10", 300);
    auto form = Open();
    Add(*form, "6", "");
    EXPECT_EQ(Ids(*form), QStringList({"1", "2", "6"}));
    SelectRow(form->ListView1, {{"Member ID", "1"}});
    form->DeleteButtonClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(Ids(*form), QStringList({"2", "6"}));
}

// A set timed out and the switch carried it out; the user adds the same
// member again before the list was read: the switch refuses the row it
// now holds. That refusal may be the earlier set's doing: the memo says
// so, and the list is read, showing the member.
TEST_F(Members, AnAddRefusedWhileTheListWaitsForAnEarlierSetSaysSoAndTheListIsRead)
{
    auto form = Open();
    UdpRelay relay(port());
    ASSERT_NE(relay.port(), 0);
    form->Request->request.device.port = relay.port();
    form->Request->request.timeout = 100;
    form->Request->rereadIntervalMs = 600000;  // asks again only after the test
    MSEditForm->Binder->request.timeout = 100;
    const std::string table = kMember.substr(0, kMember.size() - 1);
    sim().drop(table);
    VnMessageBoxCapture boxes;
    const int before = relay.RequestsSeen();
    Add(*form, "7", "");
    ASSERT_TRUE(RunUntil([&] { return !MSEditForm->Binder->Busy(); }));
    ASSERT_TRUE(form->Request->RereadPending());
    // The list's question whether the switch answers again went out.
    ASSERT_TRUE(RunUntil([&] { return relay.RequestsSeen() > before; }));
    const std::vector<SimSwitch::SetPdu> held = sim().sets();
    ASSERT_FALSE(held.empty());
    for (const SimSwitch::Varbind& vb : held.front().varbinds)
        sim().set(vb.oid, vb.type, vb.oid.rfind(kMember + "10.", 0) == 0 ? "1" : vb.value);
    sim().undrop(table);
    sim().clearSets();
    EXPECT_EQ(Ids(*form), QStringList({"1", "2"})) << "not read yet";

    Add(*form, "7", "");
    ASSERT_TRUE(RunUntil([&] { return !MSEditForm->Binder->Busy(); }));
    const QStringList sets = MemoLines(form->Memo1).filter(QRegularExpression("^Set: "));
    ASSERT_FALSE(sets.isEmpty());
    EXPECT_TRUE(sets.back().contains(kVnEarlierSetMayBeDoneTableText)) << sets.back().toStdString();
    EXPECT_TRUE(RunUntil([&] { return Ids(*form) == QStringList({"1", "2", "7"}) && !form->Request->RereadPending(); }));
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_TRUE(MemoLines(form->Memo1).back().startsWith("Get: " + QString::fromStdString(VnErrorText(kVnOk))))
        << MemoLines(form->Memo1).back().toStdString();
    const std::vector<std::vector<std::string>> again = {{kMember + "8.7=7", kMember + "9.7=", kMember + "10.7=4"}};
    EXPECT_EQ(SetRecord(), again);
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
}

}  // namespace
