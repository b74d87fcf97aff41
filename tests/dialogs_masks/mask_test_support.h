#pragma once
// The mask dialogs over the simulated switch with dialogs-acl.sim: opening
// one, choosing a row by its mask ID, and the set record as "column.id=value"
// under the dialog's table.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "MaskDialogBase.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"
#include "dialog_test_support.h"

namespace masktest {

using namespace dialogtest;

constexpr const char* kPort = "1.3.6.1.4.1.88406.12.9.2.";
constexpr const char* kCpu = "1.3.6.1.4.1.88406.12.9.4.";

// The no-row state every command ends in.
inline bool NoRowState(const TMaskDialogBase& form)
{
    return !form.SetButton()->isEnabled() && form.AddButton()->isEnabled() && !form.DeleteButton()->isEnabled() &&
           form.IdField()->isEnabled() && form.ListView1->selectedItems().isEmpty();
}

// The port form of a kind and its CPU filter twin.
struct Twin {
    const char* name;
    std::string entry;  // the table's entry OID with a trailing dot
    bool cpu;
    QString listed;  // a mask ID the data file lists
};

using Record = std::vector<std::vector<std::string>>;

// "column.ID=value" texts with the mask ID filled in.
inline std::vector<std::string> WithId(const std::vector<std::string>& sent, const std::string& id)
{
    std::vector<std::string> out;
    for (std::string vb : sent) {
        if (const auto at = vb.find("ID"); at != std::string::npos)
            vb.replace(at, 2, id);
        out.push_back(vb);
    }
    return out;
}

class MaskSwitchTest : public SessionSwitchTest {
protected:
    MaskSwitchTest() : SessionSwitchTest("dialogs-acl.sim") {}
    void SetUp() override
    {
        SessionSwitchTest::SetUp();
        if (sim_)
            AimDefaults(port());
        boxes_ = std::make_unique<VnMessageBoxCapture>();
    }
    void TearDown() override
    {
        boxes_.reset();
        SessionSwitchTest::TearDown();
    }

    template <typename Form>
    std::unique_ptr<Form> Open()
    {
        auto form = std::make_unique<Form>(nullptr, Context());
        form->show();
        EXPECT_TRUE(WaitIdle(*form));
        sim().clearSets();
        return form;
    }

    // The IDs in the list, top to bottom.
    static QStringList Ids(const TMaskDialogBase& form)
    {
        QStringList ids;
        const int column = IdColumn(form);
        for (int row = 0; row < form.ListView1->topLevelItemCount(); ++row)
            ids << form.ListView1->topLevelItem(row)->text(column);
        return ids;
    }

    static void Select(TMaskDialogBase& form, const QString& id)
    {
        const int column = IdColumn(form);
        for (int row = 0; row < form.ListView1->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = form.ListView1->topLevelItem(row);
            if (item->text(column) == id) {
                form.ListView1->setCurrentItem(item);
                return;
            }
        }
        ADD_FAILURE() << "no row for mask " << id.toStdString();
    }

    // The set PDUs as "column.instance=value", the column relative to
    // `entry` ("1.3.6.1.4.1.88406.12.9.2.1.1.").
    std::vector<std::vector<std::string>> Sets(const std::string& entry)
    {
        std::vector<std::vector<std::string>> pdus = SetRecord();
        for (auto& pdu : pdus) {
            for (std::string& vb : pdu) {
                if (vb.rfind(entry, 0) == 0)
                    vb = vb.substr(entry.size());
            }
        }
        return pdus;
    }

    VnMessageBoxCapture& Boxes() { return *boxes_; }

    // The one set PDU a command sent, then what every command ends in.
    void ExpectSentAndCleared(const TMaskDialogBase& form, const std::string& entry,
                              const std::vector<std::string>& sent)
    {
        EXPECT_EQ(Sets(entry), Record({sent}));
        EXPECT_TRUE(Boxes().Texts().isEmpty()) << Boxes().Texts().join("|").toStdString();
        EXPECT_TRUE(form.StatusBar1->Panel(0)->Text().isEmpty()) << form.StatusBar1->Panel(0)->Text().toStdString();
        EXPECT_TRUE(NoRowState(form));
        EXPECT_TRUE(form.IdField()->text().isEmpty());
        Boxes().Clear();
    }

    // Nothing sent and one message: `message` unless empty (the library's
    // own), the focus on the control named `focus` unless null.
    void ExpectRefused(const TMaskDialogBase& form, const QString& message, const char* focus)
    {
        EXPECT_TRUE(sim().sets().empty());
        EXPECT_EQ(Boxes().Texts().size(), 1) << Boxes().Texts().join("|").toStdString();
        if (!message.isEmpty() && !Boxes().Texts().isEmpty()) {
            EXPECT_EQ(Boxes().Texts().at(0), message);
        }
        if (focus) {
            EXPECT_TRUE(form.focusWidget() && form.focusWidget()->objectName() == focus)
                << (form.focusWidget() ? form.focusWidget()->objectName().toStdString() : "no focus");
        }
        Boxes().Clear();
    }

    // Takes a row the case created out of the switch again, for the next case.
    void RemoveRow(const std::string& entry, const std::string& id, int columns)
    {
        for (int column = 1; column <= columns; ++column) {
            const std::string oid = entry + std::to_string(column) + "." + id;
            if (sim().get(oid))
                sim().unset(oid);
        }
        sim().clearSets();
    }

private:
    static int IdColumn(const TMaskDialogBase& form)
    {
        const std::vector<int>& items = form.Binder->ColumnItems();
        const auto it = std::find(items.begin(), items.end(), kMaskIdItem);
        return it == items.end() ? -1 : static_cast<int>(it - items.begin());
    }

    std::unique_ptr<VnMessageBoxCapture> boxes_;
};

// As the user types it: the field's constraint sees the text.
inline void TypeInto(QLineEdit* field, const QString& text)
{
    field->clear();
    field->setFocus();
    QTest::keyClicks(field, text);
}

// One kind's two forms, opened by their twin.
template <typename Kind, typename PortForm, typename CpuForm>
class TwinTest : public MaskSwitchTest {
protected:
    std::unique_ptr<Kind> OpenTwin(const Twin& twin)
    {
        if (twin.cpu)
            return Open<CpuForm>();
        return Open<PortForm>();
    }
};

inline QString Panel0(const TMaskDialogBase& form)
{
    return form.StatusBar1->Panel(0)->Text();
}

}  // namespace masktest
