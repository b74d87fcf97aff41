#pragma once
// The switch with the 802.1Q and 802.1P dialogs' objects, and what the
// tests read of a dialog's list view and port grids.
#include <QCheckBox>
#include <QTreeWidget>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Stackingportuitformunit.h"
#include "dialog_test_support.h"

namespace qbridgetest {

inline const std::string kQ = "1.3.6.1.2.1.17.7.1.";

// default.sim, dialogs-vlan.sim, then dialogs-qbridge.sim; new requests
// aimed at the switch.
class QBridgeSwitchTest : public SessionSwitchTest {
protected:
    QBridgeSwitchTest() : SessionSwitchTest("dialogs-qbridge.sim") {}
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options;
        options.dataFiles = {SimSwitch::dataPath("dialogs-vlan.sim"), SimSwitch::dataPath("dialogs-qbridge.sim")};
        return options;
    }
    void SetUp() override
    {
        SessionSwitchTest::SetUp();
        if (sim_)
            dialogtest::AimDefaults(port());
    }

    template <typename Form>
    std::unique_ptr<Form> Open(const VnDialogContext& context = dialogtest::Context())
    {
        auto form = std::make_unique<Form>(nullptr, context);
        form->show();
        EXPECT_TRUE(dialogtest::WaitIdle(*form));
        return form;
    }
};

// The column of a list view whose header is `header`; -1 when none is.
inline int Column(const QTreeWidget* list, const QString& header)
{
    const QTreeWidgetItem* head = list->headerItem();
    for (int c = 0; c < head->columnCount(); ++c) {
        if (head->text(c) == header)
            return c;
    }
    return -1;
}

// The texts of one column, row by row.
inline QStringList ColumnTexts(const QTreeWidget* list, const QString& header)
{
    QStringList texts;
    const int column = Column(list, header);
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts << list->topLevelItem(row)->text(column);
    return texts;
}

// Selects the first row whose columns show the given texts; false when none.
inline bool SelectRow(QTreeWidget* list, const std::vector<std::pair<QString, QString>>& cells)
{
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        bool match = true;
        for (const auto& [header, text] : cells)
            match = match && item->text(Column(list, header)) == text;
        if (match) {
            list->setCurrentItem(item);
            return true;
        }
    }
    return false;
}

// The checked boxes of a grid as (unit, port).
inline std::vector<std::pair<int, int>> Checked(const TStackingPortUitForm* grid)
{
    std::vector<std::pair<int, int>> ports;
    const std::vector<QCheckBox*>& boxes = grid->CheckBoxList();
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        if (boxes[k]->isChecked())
            ports.emplace_back(static_cast<int>(k) / 64 + 1, static_cast<int>(k) % 64 + 1);
    }
    return ports;
}

// A 96-byte bitmap as upper-case hex with the given ports set.
inline std::string Bitmap(const std::vector<std::pair<int, int>>& ports, std::size_t bytes = 96)
{
    std::vector<unsigned char> map(bytes, 0);
    for (auto [unit, port] : ports) {
        const int k = TStackingPortUitForm::BoxIndex(unit, port);
        map[static_cast<std::size_t>(k / 8)] |= static_cast<unsigned char>(0x80 >> (k % 8));
    }
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char b : map) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

}  // namespace qbridgetest
