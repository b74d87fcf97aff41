#pragma once
// The per-port dialogs over the switch with dialogs-ports.sim: the stack
// of default.sim (unit 1 an RQ-4024S, unit 2 an RQ-6050S) and row helpers.
#include <QTreeWidget>

#include <memory>
#include <string>

#include "VnMessageBox.h"
#include "dialog_test_support.h"

namespace portstest {

inline constexpr const char* kEnterprise = "1.3.6.1.4.1.88406";

inline VnDialogContext PortsContext(bool largeFonts = false)
{
    return dialogtest::Context({{"1", "RQ-4024S"}, {"2", "RQ-6050S"}}, largeFonts);
}

// The column captioned `label`; -1 when none is.
inline int Column(const QTreeWidget* list, const QString& label)
{
    const QTreeWidgetItem* header = list->headerItem();
    for (int c = 0; c < header->columnCount(); ++c) {
        if (header->text(c) == label)
            return c;
    }
    return -1;
}

inline QStringList ColumnTexts(const QTreeWidget* list, const QString& label)
{
    QStringList texts;
    const int column = Column(list, label);
    for (int row = 0; row < list->topLevelItemCount(); ++row)
        texts << list->topLevelItem(row)->text(column);
    return texts;
}

// Selects the row whose `label` column shows `text`.
inline bool SelectRow(QTreeWidget* list, const QString& label, const QString& text)
{
    const int column = Column(list, label);
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        if (item->text(column) == text) {
            list->setCurrentItem(item);
            return true;
        }
    }
    return false;
}

// A 96-byte bitmap as hex with the given (unit, port) bits set.
inline std::string Bitmap(std::initializer_list<std::pair<int, int>> ports)
{
    std::string hex(192, '0');
    static const char digits[] = "0123456789ABCDEF";
    unsigned char bytes[96] = {};
    for (auto [unit, port] : ports) {
        const int k = (unit - 1) * 64 + (port - 1);
        bytes[k / 8] |= static_cast<unsigned char>(0x80 >> (k % 8));
    }
    for (int i = 0; i < 96; ++i) {
        hex[static_cast<std::size_t>(2 * i)] = digits[bytes[i] >> 4];
        hex[static_cast<std::size_t>(2 * i + 1)] = digits[bytes[i] & 15];
    }
    return hex;
}

inline std::string Hex(const std::string& text)
{
    return QByteArray::fromStdString(text).toHex().toUpper().toStdString();
}

class PortsSwitchTest : public SessionSwitchTest {
protected:
    PortsSwitchTest() : SessionSwitchTest("dialogs-ports.sim") {}
    void SetUp() override
    {
        SessionSwitchTest::SetUp();
        if (sim_)
            dialogtest::AimDefaults(port());
    }

    template <typename Form>
    std::unique_ptr<Form> Open(const VnDialogContext& context = PortsContext())
    {
        auto form = std::make_unique<Form>(nullptr, context);
        form->show();
        EXPECT_TRUE(dialogtest::WaitIdle(*form));
        return form;
    }
};

}  // namespace portstest
