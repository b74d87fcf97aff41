// Summer time over the simulated switch: the octet conversions as a pure
// table, what Set sends in each mode (only the mode's pair), the offset
// the list cannot show or did not get, a refused pair, a fault on the
// other pair, and closing mid-set.
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>

#include <array>
#include <memory>

#include "Summertimeconfigformunit.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnSNMPRequest2Edits.h"
#include "mgmt_test_support.h"

using namespace dialogtest;
using namespace mgmttest;

namespace {

constexpr const char* kSummer = "1.3.6.1.4.1.88406.12.10.12";

using Record = std::vector<std::vector<std::string>>;

std::string Scalar(int item, const std::string& value)
{
    return std::string(kSummer) + "." + std::to_string(item) + ".0=" + value;
}

TEST(SummerTimeOctets, AnnualDatesAndHex)
{
    struct Case {
        VnAnnualPositions positions;
        const char* hex;
        const char* why;
    };
    const Case cases[] = {
        {{0, 3, 0, 0}, "01040000", "1 April 00:00"},
        {{30, 9, 23, 59}, "1f0a173b", "31 October 23:59"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VnAnnualHex(c.positions), c.hex) << c.why;
        EXPECT_EQ(VnAnnualFromHex(c.hex), c.positions) << c.why;
        EXPECT_EQ(VnAnnualFromHex(QString(c.hex).toUpper()), c.positions) << c.why;
    }
    EXPECT_TRUE(VnAnnualHex({0, -1, 0, 0}).isEmpty()) << "a list without a choice";
    EXPECT_EQ(VnAnnualFromHex("010400"), (VnAnnualPositions{-1, -1, -1, -1})) << "three octets";
    EXPECT_EQ(VnAnnualFromHex("zz040000"), (VnAnnualPositions{-1, -1, -1, -1})) << "not hex";
    EXPECT_EQ(VnAnnualFromHex("200d183c"), (VnAnnualPositions{-1, -1, -1, -1})) << "day 32, month 13, 24:60";
    EXPECT_EQ(VnAnnualFromHex("01040000ff"), (VnAnnualPositions{0, 3, 0, 0})) << "nothing read past four";
}

TEST(SummerTimeOctets, RepeatingRulesAndTheLastWeek)
{
    struct Case {
        VnRepeatPositions positions;
        bool end;
        const char* hex;
        const char* why;
    };
    const Case cases[] = {
        {{kVnLastWeek, 0, 2, 2, 0}, false, "000001030200", "last Sunday of March 02:00"},
        {{kVnLastWeek, 0, 9, 3, 0}, true, "ff00010a0300", "last Sunday of October 03:00"},
        {{1, 6, 11, 23, 59}, false, "020007 0c173b", "second Saturday of December 23:59"},
    };
    for (const Case& c : cases) {
        QString hex = c.hex;
        hex.remove(' ');
        EXPECT_EQ(VnRepeatHex(c.positions, c.end), hex) << c.why;
        EXPECT_EQ(VnRepeatFromHex(hex, c.end), c.positions) << c.why;
    }
    EXPECT_EQ(VnRepeatFromHex("ff0001030200", false)[0], -1) << "FF is the last week of an end only";
    EXPECT_EQ(VnRepeatFromHex("050001030200", false)[0], -1) << "no fifth week";
    EXPECT_EQ(VnRepeatFromHex("0000010302", false), (VnRepeatPositions{-1, -1, -1, -1, -1})) << "five octets";
}

class SummerTime : public MgmtSwitchTest {
protected:
    std::unique_ptr<TSummerTimeConfigForm> Open()
    {
        auto form = std::make_unique<TSummerTimeConfigForm>(nullptr, Context());
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
    static void ChooseMode(TSummerTimeConfigForm& form, int mode)
    {
        form.ComboBox1->setCurrentIndex(mode);
        emit form.ComboBox1->activated(mode);
    }
    VnMessageBoxCapture boxes;
};

TEST_F(SummerTime, OpensWithTheRepeatingRuleOnly)
{
    auto form = Open();
    EXPECT_EQ(form->ComboBox1->currentText(), "repeating");
    EXPECT_EQ(form->OffSetTimeComboBox->currentText(), "60");
    EXPECT_EQ(form->RepeatFrom[0]->currentText(), "Last");
    EXPECT_EQ(form->RepeatFrom[1]->currentText(), "Sunday");
    EXPECT_EQ(form->RepeatTo[2]->currentText(), "10");
    EXPECT_FALSE(form->AnnualFrom[0]->isVisible());
    EXPECT_TRUE(form->RepeatFrom[0]->isVisible());
    // The annual pair was never read.
    EXPECT_TRUE(form->AnualTimeStartEdit->text().isEmpty());
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

// One read, one line: opening and Refresh in each mode say "Get" once.
TEST_F(SummerTime, EachReadWritesOneGetLine)
{
    for (const char* mode : {"2", "1", "0"}) {
        SCOPED_TRACE(std::string("mode ") + mode);
        sim().set(std::string(kSummer) + ".1.0", "INTEGER", mode);
        auto form = Open();
        const auto getLines = [&form] { return MemoLines(form->Memo1).filter(QRegularExpression("^Get:")).size(); };
        EXPECT_EQ(getLines(), 1) << form->Memo1->toPlainText().toStdString();
        form->GetBtnClick();
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_EQ(getLines(), 2) << form->Memo1->toPlainText().toStdString();
    }
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
}

TEST_F(SummerTime, DisableSendsTheModeAndOffsetOnly)
{
    auto form = Open();
    ChooseMode(*form, TSummerTimeConfigForm::kDisable);
    EXPECT_FALSE(form->RepeatFrom[0]->isEnabled());
    form->SetBtnClick();
    EXPECT_EQ(SetRecord(), (Record{{Scalar(1, "0"), Scalar(2, "60")}}));
}

TEST_F(SummerTime, RepeatingSendsItsPairWithTheRuleOctets)
{
    auto form = Open();
    form->SetBtnClick();
    EXPECT_EQ(SetRecord(), (Record{{Scalar(1, "1"), Scalar(2, "60")},
                                   {Scalar(3, "000001030200"), Scalar(4, "FF00010A0300")}}));
}

TEST_F(SummerTime, AnnualFirstReadsItsPairThenSendsIt)
{
    auto form = Open();
    ChooseMode(*form, TSummerTimeConfigForm::kAnnual);
    EXPECT_TRUE(form->AnnualFrom[0]->isVisible());
    // Never read: the lists are empty, so the pair is read, not sent.
    form->SetBtnClick();
    EXPECT_EQ(SetRecord(), (Record{{Scalar(1, "2"), Scalar(2, "60")}}));
    EXPECT_EQ(form->AnnualFrom[1]->currentText(), "4");
    EXPECT_EQ(form->AnnualTo[0]->currentText(), "31");
    sim().clearSets();
    form->SetBtnClick();
    EXPECT_EQ(SetRecord(), (Record{{Scalar(1, "2"), Scalar(2, "60")}, {Scalar(5, "01040000"), Scalar(6, "1F0A173B")}}));
}

TEST_F(SummerTime, AnAnnualDateNoYearHasSendsNothing)
{
    EXPECT_TRUE(VnAnnualDateExists({28, 1, 0, 0})) << "29 February";
    EXPECT_TRUE(VnAnnualDateExists({30, 11, 0, 0})) << "31 December";
    EXPECT_TRUE(VnAnnualDateExists({30, -1, 0, 0})) << "no month chosen";
    struct Case {
        int side;  // 0 From, 1 To
        int day;
        int month;
        const char* why;
    };
    const Case cases[] = {
        {0, 31, 2, "31 February"},
        {0, 30, 2, "30 February"},
        {1, 31, 4, "31 April"},
        {1, 31, 11, "31 November"},
    };
    for (const Case& c : cases) {
        auto form = Open();
        ChooseMode(*form, TSummerTimeConfigForm::kAnnual);
        form->SetBtnClick();  // reads the annual pair into the lists
        sim().clearSets();
        boxes.Clear();
        auto& lists = c.side == 0 ? form->AnnualFrom : form->AnnualTo;
        lists[0]->setCurrentIndex(c.day - 1);
        lists[1]->setCurrentIndex(c.month - 1);
        form->SetBtnClick();
        EXPECT_TRUE(SetRecord().empty()) << c.why;
        EXPECT_EQ(boxes.Texts().size(), 1) << c.why;
    }
}

// An offset the list does not hold is shown as it stands, as a bound combo
// box shows such a value, and goes out only when the user chooses one:
// nothing is sent that the screen does not show, and nothing untouched.
TEST_F(SummerTime, AnOffsetTheListCannotShowIsShownAndNotSentUntouched)
{
    sim().set(std::string(kSummer) + ".2.0", "INTEGER", "45");
    auto form = Open();
    EXPECT_EQ(form->OffSetTimeComboBox->currentText(), "45");
    ChooseMode(*form, TSummerTimeConfigForm::kDisable);
    form->SetBtnClick();
    EXPECT_EQ(SetRecord(), (Record{{Scalar(1, "0")}})) << "the mode alone";
    EXPECT_TRUE(boxes.Texts().isEmpty());
    // A chosen entry goes out.
    sim().clearSets();
    form->OffSetTimeComboBox->setCurrentIndex(form->OffSetTimeComboBox->findText("120"));
    emit form->OffSetTimeComboBox->activated(form->OffSetTimeComboBox->currentIndex());
    form->SetBtnClick();
    EXPECT_EQ(SetRecord(), (Record{{Scalar(1, "0"), Scalar(2, "120")}}));
    // Read again, a listed offset takes the place of the one shown as it stood.
    form->GetBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(form->OffSetTimeComboBox->currentText(), "120");
    EXPECT_EQ(form->OffSetTimeComboBox->findText("45"), -1);
}

// A read that failed (timed out, or refused) leaves no offset: the list
// shows none, and Set names the field by its label, beside the empty
// value it refuses.
TEST_F(SummerTime, AfterAFailedReadSetNamesTheOffsetField)
{
    for (const bool timedOut : {true, false}) {
        SCOPED_TRACE(timedOut ? "timed out" : "refused");
        sim().clearFaults();
        if (timedOut)
            sim().drop(kSummer);
        else
            sim().error(kSummer, "genErr", "get");
        auto form = Open();
        EXPECT_TRUE(form->OffSetTimeComboBox->currentText().isEmpty());
        boxes.Clear();
        form->SetBtnClick();
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_TRUE(SetRecord().empty());
        ASSERT_EQ(boxes.Texts().size(), 1);
        EXPECT_TRUE(boxes.Texts()[0].startsWith("SummerTimeOffset: ")) << boxes.Texts()[0].toStdString();
        EXPECT_TRUE(form->OffSetTimeComboBox->currentText().isEmpty());
    }
}

// The switch refuses the start and end it was sent after it took the
// mode and offset: the memo's last line is that refusal, naming the From
// and To dates, the line before it says the mode and offset went through,
// and the lists show what the switch holds.
TEST_F(SummerTime, ARefusedDatePairIsTheLastWordAndIsReadBack)
{
    struct Case {
        TSummerTimeConfigForm::Mode mode;
        int refusedItem;  // the pair's start
        const char* why;
    };
    const Case cases[] = {
        {TSummerTimeConfigForm::kAnnual, 5, "annual dates"},
        {TSummerTimeConfigForm::kRepeating, 3, "a repeating rule"},
    };
    const QString ok = QString::fromStdString(VnErrorText(kVnOk));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        sim().clearFaults();
        sim().set(std::string(kSummer) + ".1.0", "INTEGER", c.mode == TSummerTimeConfigForm::kAnnual ? "2" : "1");
        auto form = Open();
        auto& month = c.mode == TSummerTimeConfigForm::kAnnual ? form->AnnualFrom[1] : form->RepeatFrom[2];
        const QString held = month->currentText();
        ASSERT_FALSE(held.isEmpty());
        month->setCurrentIndex(month->findText("6"));
        sim().error(std::string(kSummer) + "." + std::to_string(c.refusedItem), "wrongValue", "set");
        sim().clearSets();
        boxes.Clear();
        form->SetBtnClick();
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_EQ(sim().sets().size(), 2u) << "the mode and offset, then the pair";
        EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
        const QStringList lines = MemoLines(form->Memo1);
        ASSERT_GE(lines.size(), 2);
        const QString refusal = lines.back();
        const QString before = lines.at(lines.size() - 2);
        EXPECT_TRUE(refusal.startsWith("Set: ")) << refusal.toStdString();
        EXPECT_TRUE(refusal.contains("Wrong Value")) << refusal.toStdString();
        EXPECT_TRUE(refusal.contains("From and To")) << refusal.toStdString();
        EXPECT_FALSE(refusal.contains(ok)) << refusal.toStdString();
        EXPECT_TRUE(before.startsWith("Set: " + ok)) << before.toStdString();
        EXPECT_TRUE(before.contains("SummerTimeStatus") && before.contains("SummerTimeOffset")) << before.toStdString();
        EXPECT_EQ(month->currentText(), held) << "the switch's month, read back";
        if (const QString folder = qEnvironmentVariable("VN_SCREENSHOT_DIR");
            !folder.isEmpty() && c.mode == TSummerTimeConfigForm::kAnnual) {
            RunEvents(50);
            EXPECT_TRUE(form->grab().save(QDir(folder).filePath("summer-time-refused-dates.png")));
        }
    }
}

// The dates belong to the mode: when the switch refuses the mode and
// offset, the dates are not sent after them.
TEST_F(SummerTime, ARefusedModeSendsNoDates)
{
    auto form = Open();
    sim().error(std::string(kSummer) + ".1", "wrongValue", "set");
    form->SetBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(sim().sets().size(), 1u);
    const QString last = MemoLines(form->Memo1).back();
    EXPECT_TRUE(last.startsWith("Set: ") && last.contains("Wrong Value")) << last.toStdString();
}

TEST_F(SummerTime, AFaultOnTheOtherPairShowsNothing)
{
    sim().error(std::string(kSummer) + ".5", "genErr", "get");
    sim().error(std::string(kSummer) + ".6", "genErr", "get");
    auto form = Open();
    form->GetBtnClick();
    EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
    for (const QString& line : MemoLines(form->Memo1))
        EXPECT_TRUE(line.contains("Ok!")) << line.toStdString();
}

// The lists of a start and end as the form shows them, one text per list.
template <std::size_t N>
std::string Shown(const std::array<QComboBox*, N>& lists)
{
    QStringList texts;
    for (const QComboBox* list : lists)
        texts << (list->currentIndex() < 0 ? QString("-") : list->currentText());
    return texts.join(' ').toStdString();
}

template <std::size_t N>
void Choose(const std::array<QComboBox*, N>& lists, const QStringList& texts)
{
    for (std::size_t k = 0; k < N; ++k) {
        const QString& text = texts[static_cast<int>(k)];
        lists[k]->setCurrentIndex(text == "-" ? -1 : lists[k]->findText(text));
    }
}

// A date list left without a choice among others chosen: the form refuses
// before anything goes out, names every blank list by its label and group,
// and leaves the user's choices as they are. None chosen is another path
// (the dates the switch holds are read, AnnualFirstReadsItsPairThenSendsIt).
TEST_F(SummerTime, ADateChosenInPartIsRefusedNamingTheBlankLists)
{
    struct Case {
        const char* why;
        TSummerTimeConfigForm::Mode mode;
        const char* repeatStart;  // the switch's repeating start
        QStringList from;
        QStringList to;
        const char* named;
    };
    const Case cases[] = {
        {"annual, seven of eight", TSummerTimeConfigForm::kAnnual, "000001030200", {"5", "5", "1", "30"},
         {"6", "9", "2", "-"}, "Minute in \"To\""},
        {"annual, a blank in each group", TSummerTimeConfigForm::kAnnual, "000001030200", {"5", "5", "-", "30"},
         {"-", "9", "2", "45"}, "Hour in \"From\", Day in \"To\""},
        // A week the lists cannot show (5) leaves its list blank.
        {"repeating, a week the switch holds outside the list", TSummerTimeConfigForm::kRepeating, "050001030200",
         {"-", "Sunday", "3", "2", "0"}, {"Last", "Sunday", "10", "3", "0"}, "Week in \"From\""},
    };
    int shot = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ++shot;
        sim().set(std::string(kSummer) + ".3.0", "OCTETSTR", c.repeatStart);
        auto form = Open();
        const bool annual = c.mode == TSummerTimeConfigForm::kAnnual;
        if (annual) {
            ChooseMode(*form, TSummerTimeConfigForm::kAnnual);
            Choose(form->AnnualFrom, c.from);
            Choose(form->AnnualTo, c.to);
        }
        const auto from = [&] { return annual ? Shown(form->AnnualFrom) : Shown(form->RepeatFrom); };
        const auto to = [&] { return annual ? Shown(form->AnnualTo) : Shown(form->RepeatTo); };
        ASSERT_EQ(from(), c.from.join(' ').toStdString());
        ASSERT_EQ(to(), c.to.join(' ').toStdString());
        const QStringList memo = MemoLines(form->Memo1);
        sim().clearSets();
        boxes.Clear();
        form->SetBtnClick();
        ASSERT_TRUE(WaitIdle(*form));
        EXPECT_TRUE(SetRecord().empty()) << "nothing reaches the switch";
        ASSERT_EQ(boxes.Texts().size(), 1);
        const QString said = boxes.Texts()[0];
        EXPECT_TRUE(said.startsWith(QString(c.named) + ": ")) << said.toStdString();
        EXPECT_EQ(MemoLines(form->Memo1), memo) << "no line claims a set";
        EXPECT_EQ(from(), c.from.join(' ').toStdString()) << "the user's choices stay";
        EXPECT_EQ(to(), c.to.join(' ').toStdString());
        EXPECT_EQ(form->ComboBox1->currentIndex(), c.mode);
        if (const QString folder = qEnvironmentVariable("VN_SCREENSHOT_DIR"); !folder.isEmpty()) {
            RunEvents(50);
            EXPECT_TRUE(form->grab().save(QDir(folder).filePath(QString("summer-time-date-in-part-%1.png").arg(shot))));
        }
    }
}

// The mode and offset go out and the switch does not answer in time: the
// dates are not sent after them, and once the switch answers the promised
// read shows the mode it holds with its dates, not the user's unsent ones.
TEST_F(SummerTime, AfterALostModeSetTheDatesAreReadAgainOnceTheSwitchAnswers)
{
    constexpr int kHeldMs = 600000;  // never answered while the test runs
    const std::string modeOid = std::string(kSummer) + ".1";
    struct Case {
        const char* why;
        TSummerTimeConfigForm::Mode chosen;
        bool carriedOut;  // the switch applies the held set
        TSummerTimeConfigForm::Mode shown;
        const char* from;  // the switch's dates, as the lists show them
        const char* to;
    };
    const Case cases[] = {
        {"repeating, carried out", TSummerTimeConfigForm::kRepeating, true, TSummerTimeConfigForm::kRepeating,
         "Last Sunday 3 2 0", "Last Sunday 10 3 0"},
        {"annual, carried out", TSummerTimeConfigForm::kAnnual, true, TSummerTimeConfigForm::kAnnual, "1 4 0 0",
         "31 10 23 59"},
        {"annual, not carried out", TSummerTimeConfigForm::kAnnual, false, TSummerTimeConfigForm::kRepeating,
         "Last Sunday 3 2 0", "Last Sunday 10 3 0"},
    };
    const QString timedOut = QString::fromStdString(VnErrorText(kVnErrTimeout));
    const QString ok = QString::fromStdString(VnErrorText(kVnOk));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        sim().clearFaults();
        sim().set(modeOid + ".0", "INTEGER", "1");
        auto form = Open();
        // The module's own time-out (1 s, one retry); a quick second try.
        form->ModeRequest->rereadIntervalMs = 200;
        const bool annual = c.chosen == TSummerTimeConfigForm::kAnnual;
        if (annual) {
            ChooseMode(*form, TSummerTimeConfigForm::kAnnual);
            Choose(form->AnnualFrom, {"5", "5", "1", "30"});
            Choose(form->AnnualTo, {"6", "9", "2", "45"});
        } else {
            Choose(form->RepeatFrom, {"Second", "Monday", "4", "1", "0"});
        }
        sim().delay(modeOid, kHeldMs);
        sim().clearSets();
        boxes.Clear();
        form->SetBtnClick();
        ASSERT_TRUE(WaitIdle(*form));
        const std::string mode = std::to_string(static_cast<int>(c.chosen));
        // The mode and offset, resent once the first try timed out; no dates.
        const Record sent = SetRecord();
        ASSERT_FALSE(sent.empty());
        for (const auto& pdu : sent)
            EXPECT_EQ(pdu, (std::vector<std::string>{Scalar(1, mode), Scalar(2, "60")}));
        EXPECT_EQ(sim().sets().front().status, "received") << "held at the switch";
        const QString said = MemoLines(form->Memo1).back();
        EXPECT_TRUE(said.startsWith("Set: " + timedOut + kVnSetMayBeDoneScalarText)) << said.toStdString();
        EXPECT_TRUE(form->ModeRequest->RereadPending());

        if (c.carriedOut) {
            sim().set(modeOid + ".0", "INTEGER", mode);
            sim().set(std::string(kSummer) + ".2.0", "INTEGER", "60");
        }
        sim().delay(modeOid, 0);
        const bool annualShown = c.shown == TSummerTimeConfigForm::kAnnual;
        QComboBox* firstShown = annualShown ? form->AnnualFrom[0] : form->RepeatFrom[0];
        QComboBox* firstHidden = annualShown ? form->RepeatFrom[0] : form->AnnualFrom[0];
        const auto shownFrom = [&] {
            return annualShown ? Shown(form->AnnualFrom) : Shown(form->RepeatFrom);
        };
        const auto shownTo = [&] {
            return annualShown ? Shown(form->AnnualTo) : Shown(form->RepeatTo);
        };
        EXPECT_TRUE(RunUntil([&] {
            return !form->ModeRequest->RereadPending() && !form->AnyBinderBusy() && shownFrom() == c.from &&
                   firstShown->isVisible();
        })) << shownFrom();
        EXPECT_EQ(form->ComboBox1->currentIndex(), c.shown);
        EXPECT_EQ(shownTo(), c.to);
        EXPECT_FALSE(firstHidden->isVisible()) << "the other mode's lists are hidden";
        EXPECT_TRUE(MemoLines(form->Memo1).back().startsWith("Get: " + ok))
            << MemoLines(form->Memo1).back().toStdString();
        EXPECT_EQ(SetRecord(), sent) << "the read sends nothing";
        EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join("|").toStdString();
    }
}

TEST_F(SummerTime, ClosingDuringTheModeSetSendsNothingMore)
{
    auto form = Open();
    sim().delay(std::string(kSummer) + ".1", 60);
    QTimer::singleShot(20, form.get(), [&] { form->reject(); });
    form->SetBtnClick();
    ASSERT_TRUE(WaitIdle(*form));
    EXPECT_EQ(SetRecord(), (Record{{Scalar(1, "1"), Scalar(2, "60")}}));
    form.reset();
    EXPECT_EQ(SummerTimeConfigForm, nullptr);
}

}  // namespace
