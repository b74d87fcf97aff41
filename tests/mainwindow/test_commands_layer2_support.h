#pragma once
// Helpers of the RMON, bridge, VLAN-priority and layer-2 command tests: a
// switch serving their objects, the editor's parts, and a second modal
// window (an Edit form) opened over the editor.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <string>
#include <vector>

#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMsgPanel.h"
#include "TSNMPListViewPanel.h"
#include "TSNMPPanel.h"
#include "VnCommandTable.h"
#include "test_commands_support.h"
#include "test_deviceview_support.h"

namespace layer2test {

inline SimSwitchOptions Layer2SwitchOptions()
{
    SimSwitchOptions options;
    options.dataFiles = {SimSwitch::dataPath("commands-device.sim"), SimSwitch::dataPath("commands-layer2.sim")};
    return options;
}

// The editors of this area: RMON, bridge, VLAN priorities, layer 2 and the
// port pop-up.
inline std::vector<const VnEditorCommand*> Layer2Editors()
{
    std::vector<const VnEditorCommand*> editors;
    for (auto area : {VnBridgeEditorCommands(), VnLayer2EditorCommands()}) {
        for (const VnEditorCommand& command : area)
            editors.push_back(&command);
    }
    return editors;
}

inline bool IsPopupEditor(const VnEditorCommand& command) { return command.itemType == MVT_SV; }

// Runs `command` (which opens a modal window over `under`) and hands the
// new window to `inspect`; it is rejected afterwards unless already gone.
// Returns whether such a window appeared.
inline bool WithModalOver(QWidget* under, const std::function<void()>& command,
                          const std::function<void(QDialog*)>& inspect)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal || modal == under || !modal->isVisible() || seen)
            return;
        seen = true;
        poll.stop();
        inspect(modal);
        if (modal->isVisible())
            modal->reject();
    });
    poll.start();
    command();
    poll.stop();
    return seen;
}

inline const _EditRow_s& RowOf(const TSNMPEditorPanel& panel, int row)
{
    return panel.EditsPanel->Rows[static_cast<std::size_t>(row)];
}
inline QLineEdit* EditOf(const TSNMPEditorPanel& panel, int row)
{
    return qobject_cast<QLineEdit*>(RowOf(panel, row).InputCtrl);
}
inline QComboBox* ComboOf(const TSNMPEditorPanel& panel, int row)
{
    return qobject_cast<QComboBox*>(RowOf(panel, row).InputCtrl);
}
inline QStringList ComboItems(const QComboBox& combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    return items;
}

inline QString StatusText(const TSNMPPanel& panel)
{
    return panel.StatusPanel() ? panel.StatusPanel()->Memo->toPlainText() : QString();
}
inline std::string LastStatusLine(const TSNMPPanel& panel)
{
    const QStringList lines = StatusText(panel).split('\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? std::string() : lines.back().toStdString();
}

inline QStringList RowTexts(const QTreeWidgetItem& row)
{
    QStringList texts;
    for (int c = 0; c < row.columnCount(); ++c)
        texts << row.text(c);
    return texts;
}

// "OID=VALUE" of every varbind of every set the switch received.
inline std::vector<std::string> SetVarbinds(SimSwitch& sim)
{
    std::vector<std::string> varbinds;
    for (const SimSwitch::SetPdu& pdu : sim.sets()) {
        for (const SimSwitch::Varbind& vb : pdu.varbinds)
            varbinds.push_back(vb.oid + "=" + vb.value);
    }
    return varbinds;
}

// A main window without device view over a switch serving this area.
class Layer2CommandTest : public commandtest::MainFormTest {
protected:
    SimSwitchOptions switchOptions() const override { return Layer2SwitchOptions(); }
};

// A main window started as the host starts it, with its device view, over
// a switch serving this area.
class Layer2WindowTest : public deviceviewtest::MainWindowTest {
protected:
    SimSwitchOptions switchOptions() const override
    {
        SimSwitchOptions options = MainWindowTest::switchOptions();
        const SimSwitchOptions layer2 = Layer2SwitchOptions();
        options.dataFiles.insert(options.dataFiles.begin(), layer2.dataFiles.begin(), layer2.dataFiles.end());
        return options;
    }
    void SetUp() override
    {
        commandtest::EnterScratchFolder();
        MainWindowTest::SetUp();
    }

    // The first port button of this Tag (a doubled port has two).
    static VnSpeedButton* ButtonOf(TMainForm& form, int tag)
    {
        for (const auto& button : form.PortButtons) {
            if (button && button->Tag == tag)
                return button;
        }
        return nullptr;
    }
    // Opens the pop-up menu on `button` as a right click does, and closes
    // the menu again: its items work on that button.
    static void OpenPopupOn(TMainForm& form, VnSpeedButton* button)
    {
        emit button->customContextMenuRequested(QPoint(2, 2));
        ASSERT_TRUE(RunUntil([&] { return form.PortInfoPopupMenu->isVisible(); }));
        form.PortInfoPopupMenu->close();
    }
};

} // namespace layer2test
