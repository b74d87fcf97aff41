// The user-defined mask dialogs of the ports and of the CPU filter over
// the switch: which chunks go out, the chunk limit of the ports, the Edit
// hand-overs, and the refusals that send nothing.
#include <QLabel>

#include <functional>

#include "Cpuusermaskinforunit.h"
#include "Usermaskinforunit.h"
#include "mask_test_support.h"

using namespace masktest;

namespace {

using Form = TUserMaskDialog;

const Twin kTwins[] = {{"port", std::string(kPort) + "3.1.", false, "1"},
                       {"cpu", std::string(kCpu) + "3.1.", true, "5"}};

const std::string kZeros(32, '0');
const char* const kChunkA = "0123456789abcdefFEDCBA9876543210";
const std::string kChunkAHex = "0123456789ABCDEFFEDCBA9876543210";

// A whole chunk of 16 bytes that starts with `head`.
std::string Chunk(const std::string& head)
{
    return head + std::string(32 - head.size(), '0');
}

using UserMasks = TwinTest<Form, TUserMaskInfoForm, TCPUUserMaskInfoForm>;

void FillAll(Form& f, const std::string& text)
{
    for (QLineEdit* field : {f.Edit5, f.Edit3, f.Edit4, f.Edit6, f.Edit7})
        field->setText(QString::fromStdString(text));
}

TEST_F(UserMasks, OpenWithTheRowCountAndCreateAndGoChosen)
{
    for (const Twin& twin : kTwins) {
        SCOPED_TRACE(twin.name);
        auto form = OpenTwin(twin);
        EXPECT_EQ(Ids(*form), QStringList({twin.listed}));
        EXPECT_EQ(form->Static->text(), "1");
        EXPECT_FALSE(form->Static->isVisible());
        EXPECT_EQ(form->ComboBox1->currentText(), "createAndGo");
        EXPECT_EQ(form->OperButton->text(), "Edit");
        EXPECT_TRUE(NoRowState(*form));
    }
}

struct SendCase {
    const char* name;
    bool edit;  // the Edit button at the listed row, else Add of mask 7
    std::function<void(Form&)> fill;
    std::vector<std::string> sent;  // with "ID" for the mask ID
    bool cpuOnly = false;
    bool portOnly = false;
};

TEST_F(UserMasks, OnlyTheFilledChunksGoOutByteForByte)
{
    const SendCase cases[] = {
        {"add bytes 32 to 47", false, [](Form& f) { f.Edit4->setText(kChunkA); },
         {"4.ID=" + kChunkAHex, "7.ID=4"}},
        {"add a zero chunk and the last", false,
         [](Form& f) {
             f.Edit5->setText(QString::fromStdString(kZeros));
             f.Edit7->setText(QString::fromStdString(Chunk("FF00")));
         },
         {"2.ID=" + kZeros, "6.ID=" + Chunk("FF00"), "7.ID=4"}},
        {"add four used and a zero chunk", false,
         [](Form& f) {
             FillAll(f, Chunk("FFFF"));
             f.Edit6->setText(QString::fromStdString(kZeros));
         },
         {"2.ID=" + Chunk("FFFF"), "3.ID=" + Chunk("FFFF"), "4.ID=" + Chunk("FFFF"), "5.ID=" + kZeros,
          "6.ID=" + Chunk("FFFF"), "7.ID=4"}},
        {"add all five used", false, [](Form& f) { FillAll(f, Chunk("01")); },
         {"2.ID=" + Chunk("01"), "3.ID=" + Chunk("01"), "4.ID=" + Chunk("01"), "5.ID=" + Chunk("01"),
          "6.ID=" + Chunk("01"), "7.ID=4"},
         true},
        {"edit with the chunks emptied", true,
         [](Form& f) {
             FillAll(f, "");
             f.ComboBox1->setCurrentIndex(0);
         },
         {"7.ID=1"}},
        {"edit one chunk", true,
         [](Form& f) {
             FillAll(f, "");
             f.Edit3->setText(QString::fromStdString(Chunk("8000")));
             f.ComboBox1->setCurrentIndex(0);
         },
         {"3.ID=" + Chunk("8000"), "7.ID=1"}},
        {"edit with destroy deletes", true, [](Form& f) { f.ComboBox1->setCurrentIndex(2); }, {"7.ID=6"}, false,
         true},
        // The CPU form hands nothing over: the shown columns go with it.
        {"edit with destroy sends it as shown", true,
         [](Form& f) {
             FillAll(f, "");
             f.Edit5->setText(QString::fromStdString(Chunk("FF")));
             f.ComboBox1->setCurrentIndex(2);
         },
         {"2.ID=" + Chunk("FF"), "7.ID=6"}, true},
    };
    for (const Twin& twin : kTwins) {
        for (const SendCase& c : cases) {
            if ((c.cpuOnly && !twin.cpu) || (c.portOnly && twin.cpu))
                continue;
            SCOPED_TRACE(std::string(twin.name) + " " + c.name);
            auto form = OpenTwin(twin);
            const std::string id = c.edit ? twin.listed.toStdString() : "7";
            if (c.edit)
                Select(*form, twin.listed);
            else
                form->Edit1->setText("7");
            c.fill(*form);
            (c.edit ? form->OperButton : form->AddButton)->click();
            ExpectSentAndCleared(*form, twin.entry, WithId(c.sent, id));
            EXPECT_TRUE(form->Edit4->text().isEmpty());
            // Back to the data file's rows for the next case.
            if (!c.edit)
                RemoveRow(twin.entry, "7", 7);
            else if (c.sent.back() == "7.ID=6")
                sim().set(twin.entry + "7." + id, "INTEGER", "1");
            sim().clearSets();
        }
    }
}

struct RefusalCase {
    const char* name;
    bool edit;
    std::function<void(Form&)> fill;
    QString message;  // empty: the library's
    const char* focus;
    bool portOnly = false;
};

TEST_F(UserMasks, RefusalsSendNothing)
{
    const RefusalCase cases[] = {
        {"add without ID", false, [](Form& f) { f.Edit1->clear(); }, Form::kIdMissing, "Edit1"},
        {"add a listed ID", false, [](Form& f) { f.Edit1->setText(f.ListView1->topLevelItem(0)->text(0)); },
         Form::kIdTaken, "Edit1"},
        {"add as active", false, [](Form& f) { f.ComboBox1->setCurrentIndex(0); }, Form::kNotCreateAndGo,
         "ComboBox1"},
        {"add five used chunks", false, [](Form& f) { FillAll(f, Chunk("01")); }, Form::kTooManyChunks, nullptr, true},
        {"edit five used chunks", true,
         [](Form& f) {
             FillAll(f, Chunk("01"));
             f.ComboBox1->setCurrentIndex(0);
         },
         Form::kTooManyChunks, nullptr, true},
        {"edit to createAndGo adds the listed ID", true, [](Form& f) { f.ComboBox1->setCurrentIndex(1); },
         Form::kIdTaken, nullptr, true},
        {"odd hex digits", false, [](Form& f) { f.Edit5->setText("ABC"); }, "", nullptr},
        {"not hex", false, [](Form& f) { f.Edit7->setText("0x12"); }, "", nullptr},
    };
    for (const Twin& twin : kTwins) {
        for (const RefusalCase& c : cases) {
            if (c.portOnly && twin.cpu)
                continue;
            SCOPED_TRACE(std::string(twin.name) + " " + c.name);
            auto form = OpenTwin(twin);
            if (c.edit)
                Select(*form, twin.listed);
            else
                form->Edit1->setText("7");
            c.fill(*form);
            (c.edit ? form->OperButton : form->AddButton)->click();
            ExpectRefused(*form, c.message, c.focus);
        }
    }
}

// A chunk cell the walk left out is neither used nor sent: four used
// chunks beside it are within the ports' limit, and only they go out.
TEST_F(UserMasks, AMissingChunkCellIsNotCountedNorSent)
{
    for (const Twin& twin : kTwins) {
        SCOPED_TRACE(twin.name);
        const std::string id = twin.listed.toStdString();
        for (int column = 2; column <= 5; ++column)
            sim().set(twin.entry + std::to_string(column) + "." + id, "OCTETSTR", kChunkAHex);
        sim().unset(twin.entry + "6." + id);
        auto form = OpenTwin(twin);
        Select(*form, twin.listed);
        form->ComboBox1->setCurrentIndex(0);
        form->OperButton->click();
        ExpectSentAndCleared(*form, twin.entry,
                             WithId({"2.ID=" + kChunkAHex, "3.ID=" + kChunkAHex, "4.ID=" + kChunkAHex,
                                     "5.ID=" + kChunkAHex, "7.ID=1"},
                                    id));
    }
}

// The CPU filter's Edit sends the row status as shown: "createAndGo" on a
// listed row is the agent's to refuse, and panel 0 shows it.
TEST_F(UserMasks, CpuEditSendsCreateAndGoAsShown)
{
    auto form = Open<TCPUUserMaskInfoForm>();
    Select(*form, "5");
    FillAll(*form, "");
    form->ComboBox1->setCurrentIndex(1);
    form->OperButton->click();
    EXPECT_EQ(Sets(std::string(kCpu) + "3.1."), Record({{"7.5=4"}}));
    EXPECT_FALSE(Panel0(*form).isEmpty());
    EXPECT_TRUE(NoRowState(*form));
}

}  // namespace
