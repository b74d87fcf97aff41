#pragma once
// The rule dialogs' tests: the switch with the access-rule data, the rows of
// a dialog's list, the set record, and the controls found by their names.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include <memory>
#include <string>
#include <vector>

#include "Stackingportuitformunit.h"
#include "TRuleDialogBase.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"
#include "dialog_test_support.h"

namespace ruletest {

inline const std::string kEmptyPorts(192, '0');

// A 96-byte bitmap as hex with the given (byte, bits) set.
inline std::string Ports(std::initializer_list<std::pair<int, int>> bytes)
{
    std::string hex = kEmptyPorts;
    static const char digits[] = "0123456789ABCDEF";
    for (auto [byte, bits] : bytes) {
        hex[static_cast<std::size_t>(2 * byte)] = digits[(bits >> 4) & 15];
        hex[static_cast<std::size_t>(2 * byte + 1)] = digits[bits & 15];
    }
    return hex;
}

inline std::string Hex(const std::string& text)
{
    return QByteArray::fromStdString(text).toHex().toUpper().toStdString();
}

class RuleSwitchTest : public SessionSwitchTest {
protected:
    RuleSwitchTest() : SessionSwitchTest("dialogs-acl.sim") {}
    void SetUp() override
    {
        SessionSwitchTest::SetUp();
        if (sim_)
            dialogtest::AimDefaults(port());
    }

    // A message box nobody expected is answered rather than waited on.
    VnMessageBoxCapture unexpectedBoxes_;

    template <typename Form>
    std::unique_ptr<Form> Open()
    {
        auto form = std::make_unique<Form>(nullptr, dialogtest::Context());
        form->show();
        EXPECT_TRUE(dialogtest::WaitIdle(*form));
        return form;
    }

    // "mask.access" of every row of the list.
    static QStringList Keys(const TRuleDialogBase& form)
    {
        QStringList keys;
        for (int row = 0; row < form.ListView1->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = form.ListView1->topLevelItem(row);
            keys << item->text(0) + "." + item->text(1);
        }
        return keys;
    }

    static void Select(TRuleDialogBase& form, const QString& key)
    {
        for (int row = 0; row < form.ListView1->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = form.ListView1->topLevelItem(row);
            if (item->text(0) + "." + item->text(1) == key) {
                form.ListView1->setCurrentItem(item);
                return;
            }
        }
        ADD_FAILURE() << "no rule " << key.toStdString();
    }

    static QLineEdit* Edit(const QWidget& form, const char* name)
    {
        auto* edit = form.findChild<QLineEdit*>(name);
        EXPECT_NE(edit, nullptr) << name;
        return edit;
    }
    static QComboBox* Combo(const QWidget& form, const char* name)
    {
        auto* combo = form.findChild<QComboBox*>(name);
        EXPECT_NE(combo, nullptr) << name;
        return combo;
    }
    static QCheckBox* Box(const QWidget& form, const char* name)
    {
        auto* box = form.findChild<QCheckBox*>(name);
        EXPECT_NE(box, nullptr) << name;
        return box;
    }
    static void Check(const QWidget& form, std::initializer_list<const char*> names, bool on = true)
    {
        for (const char* name : names) {
            if (QCheckBox* box = Box(form, name))
                box->setChecked(on);
        }
    }

    // The varbinds of the only set, "column.index=value" with the table's
    // entry OID taken off.
    std::vector<std::string> OnlySet(const std::string& entry)
    {
        const auto record = SetRecord();
        EXPECT_EQ(record.size(), 1u);
        if (record.size() != 1)
            return {};
        std::vector<std::string> varbinds;
        for (const std::string& vb : record[0]) {
            EXPECT_EQ(vb.rfind(entry + ".", 0), 0u) << vb;
            varbinds.push_back(vb.substr(entry.size() + 1));
        }
        return varbinds;
    }

    // After a refused command: nothing sent, one message (`message` unless
    // empty: the library's own), the focus on `focus` when one is named;
    // then the editor back to a new rule.
    void ExpectRefused(TRuleDialogBase& form, const VnMessageBoxCapture& boxes, const QString& message,
                       const char* focus)
    {
        EXPECT_TRUE(sim().sets().empty());
        EXPECT_EQ(boxes.Texts().size(), 1);
        if (!message.isEmpty() && !boxes.Texts().isEmpty()) {
            EXPECT_EQ(boxes.Texts().first(), message);
        }
        if (focus) {
            EXPECT_EQ(form.focusWidget(), form.findChild<QWidget*>(focus));
        }
        if (QComboBox* row = form.ComboOf(form.Shape().columns.rowStatus))
            row->setCurrentIndex(TRuleDialogBase::kCreateAndGoEntry);
    }

    static QString StatusLine(const TRuleDialogBase& form) { return form.StatusBar1->StatusLine(); }
    static QString FirstPanel(const TRuleDialogBase& form) { return form.StatusBar1->Panel(0)->Text(); }
};

}  // namespace ruletest
