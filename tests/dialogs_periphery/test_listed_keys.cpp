// An Add at the key of a listed row, in the dialogs whose Add has no
// duplicate check of its own: the key is compared as the instance it
// encodes to ("010.1.1.1" is the row 10.1.1.1), nothing is sent and the
// box names the row as the list shows it. A state "valid" written at a
// listed BOOTP pair would go through as a plain write.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <string>
#include <vector>

#include "Bootctrltableformunit.h"
#include "Communitystringtableformunit.h"
#include "Msinfortable.h"
#include "Routeredistributformunit.h"
#include "VnMessageBox.h"
#include "periphery_test_support.h"

using namespace peripherytest;

namespace {

// Whether a line of the memo says that a set sent nothing.
bool SaysNothingSent(const QPlainTextEdit* memo)
{
    const QStringList lines = MemoLines(memo);
    return std::any_of(lines.begin(), lines.end(),
                       [](const QString& line) { return line.startsWith("Set: (VnSNMP++) Nothing sent!"); });
}

// Opens a `Form` over the switch, lets `add` type a new row's key and press
// Add (and the new-entry form's Set); whether the memo then says that
// nothing was sent.
template <typename Form, typename Add>
bool AddIn(const Add& add)
{
    Form form(nullptr, Context());
    form.show();
    EXPECT_TRUE(WaitIdle(form));
    add(form);
    EXPECT_TRUE(WaitIdle(form));
    return SaysNothingSent(form.Memo1);
}

bool AddBootpPair(const QString& server)
{
    return AddIn<TBOOTCtrlTableForm>([&](TBOOTCtrlTableForm& form) {
        TNewBootpCtrlForm* entry = NewBootpCtrlForm;
        EXPECT_TRUE(WhileShown(entry, [&] { form.AddBtnClick(); }, [&] {
            // vl1 has three servers: the limit of four lets this one pass.
            entry->Edit1->setText("vl1");
            entry->Edit2->setText(server);
            entry->DeleteBtnClick();
        }));
    });
}

bool AddCommunity(const QString& index)
{
    return AddIn<TCommunityStringTableForm>([&](TCommunityStringTableForm& form) {
        form.Edit1->setText(index);
        form.Edit2->setText("n1");
        form.Edit3->setText("s1");
        form.AddBtnClick();
    });
}

bool AddRedistribution(const QString& source)
{
    return AddIn<TRouteRedistributForm>([&](TRouteRedistributForm& form) {
        form.ComboBox1->setCurrentText(source);
        form.ComboBox2->setCurrentText("RIP");
        form.RadioButtons[1]->setChecked(true);
        form.Edit1->setText("5");
        form.AddBtnClick();
    });
}

bool AddMember(const QString& id)
{
    return AddIn<TMSInformationForm>([&](TMSInformationForm& form) {
        TMSEditForm* edit = MSEditForm;
        EXPECT_TRUE(WhileShown(edit, [&] { form.AddButtonClick(); }, [&] {
            edit->KeyIDEdit->setText(id);
            edit->MS_Password->setText("pw");
            edit->SetButtonClick();
        }));
    });
}

struct ListedCase {
    const char* dialog;
    bool (*add)(const QString& key);
    const char* key;
    const char* refusal;  // null: a new key, sent
};

const char kBootpRow[] = "A row with Interface Name vl1, Bootp Server IP 10.1.1.1 is listed already. Nothing sent.";

const ListedCase kCases[] = {
    {"BOOTP, the pair as listed", AddBootpPair, "10.1.1.1", kBootpRow},
    {"BOOTP, a leading zero", AddBootpPair, "010.1.1.1", kBootpRow},
    {"BOOTP, a leading zero in the last part", AddBootpPair, "10.1.1.01", kBootpRow},
    {"BOOTP, a new server", AddBootpPair, "10.1.1.9", nullptr},
    {"community, the index as listed", AddCommunity, "monitor",
     "A row with Index monitor is listed already: select it and use Set to change it. Nothing sent."},
    {"redistribution, a listed pair of protocols", AddRedistribution, "OSPF",
     "A row with Source Protocol OSPF, Destination Protocol RIP is listed already: select it and use Set to "
     "change it. Nothing sent."},
    {"member switch, the ID with a leading zero", AddMember, "02",
     "A row with Member Candidate Source 2 is listed already. Nothing sent."},
};

using ListedKeys = PeripherySwitchTest;

TEST_F(ListedKeys, AnAddAtAListedRowsKeySendsNothingAndNamesTheRow)
{
    for (const ListedCase& c : kCases) {
        SCOPED_TRACE(c.dialog);
        sim().clearSets();
        VnMessageBoxCapture boxes;
        const bool saidNothingSent = c.add(c.key);
        if (!c.refusal) {
            EXPECT_TRUE(boxes.Texts().isEmpty()) << boxes.Texts().join('|').toStdString();
            EXPECT_FALSE(saidNothingSent);
            EXPECT_EQ(SetRecord(), (std::vector<std::vector<std::string>>{
                                       {"1.3.6.1.4.1.88406.11.59.5.3.3.1.4.1.3.3.118.108.49.10.1.1.9=3"}}));
            continue;
        }
        EXPECT_EQ(SetRecord(), std::vector<std::vector<std::string>>{});
        EXPECT_EQ(boxes.Texts(), QStringList{c.refusal});
        EXPECT_TRUE(saidNothingSent);
    }
}

}  // namespace
