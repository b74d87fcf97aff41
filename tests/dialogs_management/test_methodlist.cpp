// The login and enable method lists over the simulated switch: which
// methods travel (empty and "other" never, group names only for
// "server-group", nothing after local or none once the user says so), Edit
// without the row status unless it deletes, Delete, and the access words.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <memory>

#include "Methodlistformunit.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"
#include "mgmt_test_support.h"

using namespace dialogtest;
using namespace mgmttest;

namespace {

constexpr const char* kEnable = "1.3.6.1.4.1.88406.12.5.4.1";
constexpr const char* kLogin = "1.3.6.1.4.1.88406.12.5.3.1";
constexpr int kEmpty = -1;

using Record = std::vector<std::vector<std::string>>;

// The name as an index: length, then its octets.
std::string NameIndex(const std::string& name)
{
    std::string index = std::to_string(name.size());
    for (unsigned char c : name)
        index += "." + std::to_string(c);
    return index;
}

std::string Column(const char* table, int column, const std::string& name, const std::string& value)
{
    return std::string(table) + "." + std::to_string(column) + "." + NameIndex(name) + "=" + value;
}

TEST(MethodOrder, MethodsAfterLocalOrNoneAreIneffective)
{
    struct Case {
        VnMethodSlots methods;
        bool effective;
        VnMethodSlots dropped;
        const char* why;
    };
    const Case cases[] = {
        {{0, 5, 3, kEmpty}, false, {0, 5, kEmpty, kEmpty}, "a method after local"},
        {{6, kEmpty, kEmpty, kEmpty}, true, {6, kEmpty, kEmpty, kEmpty}, "none first, nothing after"},
        {{0, 3, kEmpty, 5}, true, {0, 3, kEmpty, 5}, "local last"},
        {{5, kEmpty, 6, kEmpty}, false, {5, kEmpty, kEmpty, kEmpty}, "none after local counts too"},
        {{0, 1, 2, 3}, true, {0, 1, 2, 3}, "no local or none"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VnMethodOrderEffective(c.methods), c.effective) << c.why;
        EXPECT_EQ(VnDropMethodsAfterLocal(c.methods), c.dropped) << c.why;
    }
}

template <typename Form>
class MethodList : public MgmtSwitchTest {
protected:
    std::unique_ptr<Form> Open()
    {
        auto form = std::make_unique<Form>(nullptr, Context());
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        return form;
    }
    // Entry indexes of the four type lists (-1: nothing chosen).
    static void Types(TMethodListForm& form, std::array<int, 4> entries)
    {
        for (std::size_t k = 0; k < 4; ++k)
            form.TypeComboBoxes[k]->setCurrentIndex(entries[k]);
    }
    static std::vector<unsigned> Words(TMethodListForm& form)
    {
        std::vector<unsigned> words;
        for (int i = 0; i < form.Request->request.varList.Count(); ++i)
            words.push_back(form.Request->request.varList.Item(i).access);
        return words;
    }
    VnMessageBoxCapture boxes;
};

using EnableList = MethodList<TEnableMethodForm>;
using LoginList = MethodList<TLoginMethodListForm>;

TEST_F(EnableList, OpensWithTheListsAndTheNoSelectionState)
{
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "Enable Method List: 127.0.0.1");
    ASSERT_EQ(form->ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(form->StaticText1->text(), "1");
    EXPECT_EQ(form->RowComboBox->currentText(), "createAndGo");
    EXPECT_FALSE(form->EditButton->isEnabled());
    EXPECT_TRUE(form->AddButton->isEnabled());
    ASSERT_TRUE(SelectRow(form->ListView1, 0, "admin"));
    EXPECT_TRUE(form->EditButton->isEnabled());
    EXPECT_FALSE(form->NameEdit->isEnabled());
    EXPECT_EQ(form->TypeComboBoxes[1]->currentText(), "local-enable");
}

TEST_F(EnableList, AddAsksAboutMethodsAfterLocalAndNoSendsTheFirstTwo)
{
    struct Case {
        VnMsgAnswer answer;
        const char* name;
        Record expected;
    };
    const Case cases[] = {
        {VnMsgAnswer::No,
         "lab",
         {{Column(kEnable, 2, "lab", "1"), Column(kEnable, 4, "lab", "7"), Column(kEnable, 10, "lab", "4")}}},
        {VnMsgAnswer::Yes, "lab2", {}},
    };
    for (const Case& c : cases) {
        auto form = Open();
        const std::vector<unsigned> words = Words(*form);
        boxes.Clear();
        boxes.SetAnswer(c.answer);
        form->NameEdit->setText(c.name);
        Types(*form, {0, 5, 3, kEmpty});  // tacacs, local-enable, radius
        form->GroupEdits[2]->setText("ignored");
        form->AddButton->click();
        EXPECT_EQ(boxes.Texts(), QStringList{TMethodListForm::kIneffective});
        EXPECT_EQ(SetRecord(), c.expected);
        EXPECT_EQ(Words(*form), words);
        sim().clearSets();
    }
}

TEST_F(EnableList, GroupNamesTravelOnlyForServerGroupSlots)
{
    auto form = Open();
    form->NameEdit->setText("g");
    Types(*form, {4, 7, 0, kEmpty});  // server-group, other, tacacs
    for (int k = 0; k < 4; ++k)
        form->GroupEdits[static_cast<std::size_t>(k)]->setText(QString("grp%1").arg(k + 1));
    form->AddButton->click();
    const Record expected{{Column(kEnable, 2, "g", "5"), Column(kEnable, 3, "g", Hex("grp1")),
                           Column(kEnable, 6, "g", "1"), Column(kEnable, 10, "g", "4")}};
    EXPECT_EQ(SetRecord(), expected);
    EXPECT_TRUE(boxes.Texts().isEmpty());
    // Read again, the editor empty.
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 2);
    EXPECT_TRUE(form->NameEdit->text().isEmpty());
    EXPECT_TRUE(form->GroupEdits[0]->text().isEmpty());
}

TEST_F(EnableList, AddChecksSendNothing)
{
    struct Case {
        const char* name;
        int rowEntry;
        const char* message;
    };
    const Case cases[] = {
        {"", TMethodListForm::kCreateAndGoEntry, "Enable MethodList Name must be set."},
        {"admin", TMethodListForm::kCreateAndGoEntry,
         "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name."},
        {"new", TMethodListForm::kActiveEntry, TMethodListForm::kNotCreateAndGo},
    };
    auto form = Open();
    for (const Case& c : cases) {
        boxes.Clear();
        form->NameEdit->setText(c.name);
        form->RowComboBox->setCurrentIndex(c.rowEntry);
        Types(*form, {0, kEmpty, kEmpty, kEmpty});
        form->AddButton->click();
        EXPECT_EQ(boxes.Texts(), QStringList{c.message}) << c.name;
    }
    EXPECT_TRUE(SetRecord().empty());
}

TEST_F(EnableList, EditSendsTheSlotsWithoutTheRowStatus)
{
    auto form = Open();
    ASSERT_TRUE(SelectRow(form->ListView1, 0, "admin"));
    Types(*form, {2, 6, kEmpty, kEmpty});  // tacacs-plus, none
    form->EditButton->click();
    EXPECT_EQ(SetRecord(), (Record{{Column(kEnable, 2, "admin", "3"), Column(kEnable, 4, "admin", "8")}}));
    EXPECT_FALSE(form->EditButton->isEnabled());
}

TEST_F(EnableList, EditOnDestroyAndDeleteSendTheFirstTypeAndDestroy)
{
    for (bool viaEdit : {true, false}) {
        auto form = Open();
        sim().clearSets();
        ASSERT_TRUE(SelectRow(form->ListView1, 0, "admin"));
        if (viaEdit) {
            form->RowComboBox->setCurrentIndex(TMethodListForm::kDestroyEntry);
            form->EditButton->click();
        } else {
            form->DeleteButton->click();
        }
        EXPECT_EQ(SetRecord(), (Record{{Column(kEnable, 2, "admin", "4"), Column(kEnable, 10, "admin", "6")}}))
            << viaEdit;
        EXPECT_EQ(form->ListView1->topLevelItemCount(), 0);
        EXPECT_EQ(form->StaticText1->text(), "0");
        sim().set(std::string(kEnable) + ".2." + NameIndex("admin"), "INTEGER", "4");
        sim().set(std::string(kEnable) + ".10." + NameIndex("admin"), "INTEGER", "1");
    }
}

TEST_F(EnableList, AnAgentErrorLandsInTheFirstPanelAndTheWordsComeBack)
{
    auto form = Open();
    const std::vector<unsigned> words = Words(*form);
    sim().error(std::string(kEnable) + ".10", "genErr", "set");
    form->NameEdit->setText("x");
    Types(*form, {0, kEmpty, kEmpty, kEmpty});
    form->AddButton->click();
    EXPECT_FALSE(form->StatusBar1->Panel(0)->Text().isEmpty());
    EXPECT_EQ(Words(*form), words);
    EXPECT_TRUE(form->NameEdit->text().isEmpty());
}

TEST_F(LoginList, TheLoginTwinAsksAboutMethodsAfterLocal)
{
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "AAC Login Method List: 127.0.0.1");
    EXPECT_EQ(form->TypeComboBoxes[0]->itemText(TMethodListForm::kLocalEntry), "local");
    boxes.SetAnswer(VnMsgAnswer::No);
    form->NameEdit->setText("lab");
    Types(*form, {0, 5, 3, kEmpty});  // tacacs, local, radius
    form->AddButton->click();
    EXPECT_EQ(boxes.Texts(), QStringList{TMethodListForm::kIneffective});
    EXPECT_EQ(SetRecord(),
              (Record{{Column(kLogin, 2, "lab", "1"), Column(kLogin, 4, "lab", "6"), Column(kLogin, 10, "lab", "4")}}));
}

}  // namespace
