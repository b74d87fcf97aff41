// The device view: the stack-unit walk, one front panel per unit (a module
// panel beside a stack member that carries one), their layout in the
// scroll box, the port buttons and the RMON menu state.
#include "TMainForm.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QTreeWidget>

#include <exception>
#include <utility>

#include "SwitchMib.h"
#include "VnDeviceViewTables.h"
#include "VnSNMPRequest2Edits.h"
#include "VnSNMPRequest2Leds.h"
#include "VnStatusOutput.h"
#include "VnTargetSettings.h"

int PanelCount = 0;

namespace {

// Columns of the hidden list views: the index first, then the items.
constexpr int kUnitIdColumn = 0;
constexpr int kUnitStateColumn = 1;
constexpr int kUnitModelColumn = 4;
constexpr int kModuleIdColumn = 0;
constexpr int kModuleNameColumn = 1;

constexpr int kPollPeriod = 300;  // 3 s
constexpr int kAutoScrollPanels = 5;

QString Message(const std::exception& e)
{
    return QString::fromStdString(e.what());
}

std::string Text(const QTreeWidgetItem* row, int column)
{
    return row->text(column).toStdString();
}

std::unique_ptr<TPanelForm> MakeUnitPanel(VnModelFamily family, QWidget* owner)
{
    switch (family) {
    case VnModelFamily::RQ4124S:
        return std::make_unique<TPanelRQ4124SForm>(owner);
    case VnModelFamily::RQ4024T:
        return std::make_unique<TPanelRQ4024TForm>(owner);
    case VnModelFamily::RQ4024S:
        return std::make_unique<TPanelRQ4024SForm>(owner);
    case VnModelFamily::RQ6050S:
        return std::make_unique<TPanelRQ6050SForm>(owner);
    case VnModelFamily::RQ6026S:
        return std::make_unique<TPanelRQ6026SForm>(owner);
    case VnModelFamily::None:
        break;
    }
    return nullptr;
}

std::unique_ptr<VnSNMPRequest2Edits> MakeListRequest(QWidget* owner, const VnSNMPVarDesc* table,
                                                     QWidget* statusOutput, QTreeWidget* listView)
{
    auto binder = std::make_unique<VnSNMPRequest2Edits>(owner);
    binder->request.varList = VnSNMPVarList(table, MVT_FMV, 1);
    binder->mode = VnSNMPRequest2Controls::kModeSync;
    binder->SetStatusOutput(statusOutput);
    binder->BindListView(listView);
    return binder;
}

} // namespace

void TMainForm::RefreshDeviceView(bool firstLoad)
{
    try {
        PanelCount = 0;
        setWindowTitle(QString::fromLatin1(ModuleModel) + " : " + QString::fromStdString(AgentAddress));
        for (std::size_t i = 0; i < ModelNames.size(); ++i)
            ModelNames[i] = std::string(kVnModelNames[i]);

        LoadStackUnits();
        if (!firstLoad) {
            FreePanelForms();
            PortButtons.clear();
        }
        CreateUnitPanels();
        HookPortButtons();

        if (!RmonStateRequest) {
            auto rmon = std::make_unique<VnSNMPRequest2Edits>(this);
            rmon->request.varList = VnSNMPVarList(RmonStateTable, SVT_SV, 0);
            rmon->mode = VnSNMPRequest2Controls::kModeSync;
            rmon->BindLabel(0, ST_RmonState);
            RmonStateRequest = std::move(rmon);
        }
        UpdateRmonMenus();

        for (QAction* item : findChildren<QAction*>(kVnFileSystemManagementItem))
            item->setVisible(false);
    } catch (const std::exception& e) {
        ShowStatusText(Message(e));
    } catch (...) {
        ShowStatusText(QStringLiteral("Unknown exception"));
    }
}

void TMainForm::LoadStackUnits()
{
    try {
        if (!UnitRequest)
            UnitRequest = MakeListRequest(this, StackUnitTable, StatusPanel0(), UnitListView);
        // Synchronous: the walk is complete when Refresh returns.
        UnitRequest->Refresh();
    } catch (...) {
        ShowStatusText(QStringLiteral("Get Unit Information Failed"));
    }

    for (int i = 0; i < UnitListView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = UnitListView->topLevelItem(i);
        if (Text(row, kUnitStateColumn) == "exist" && VnIsStackMemberModel(Text(row, kUnitModelColumn))) {
            LoadSlotModules();
            break;
        }
    }
}

void TMainForm::LoadSlotModules()
{
    try {
        if (!SlotModuleRequest)
            SlotModuleRequest = MakeListRequest(this, SlotModuleTable, StatusPanel0(), lvSlotModuleInfo);
        SlotModuleRequest->Refresh();
    } catch (...) {
        ShowStatusText(QStringLiteral("Get Slot Module Information Failed"));
    }
}

void TMainForm::CreateUnitPanels()
{
    try {
        LastUnitPanel = nullptr;
        ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        for (int i = 0; i < UnitListView->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = UnitListView->topLevelItem(i);
            if (row->text(kUnitStateColumn).compare("exist", Qt::CaseInsensitive) != 0)
                continue;
            CreateUnitPanel(Text(row, kUnitModelColumn), Text(row, kUnitIdColumn));
        }
        for (const auto& button : PortButtons) {
            if (!button)
                continue;
            button->setContextMenuPolicy(Qt::CustomContextMenu);
            disconnect(button, &QWidget::customContextMenuRequested, this, nullptr);
            VnSpeedButton* target = button;
            connect(button, &QWidget::customContextMenuRequested, this,
                    [this, target](const QPoint& pos) { ShowPortPopup(target, pos); });
        }
    } catch (const std::exception& e) {
        ShowStatusText(Message(e));
    }
}

namespace {

// A panel's set-up; a panel that fails is reported and not kept. Its
// buttons leave the port-button list with it.
bool SetUpPanel(TPanelForm& panel, TMainForm& form)
{
    try {
        const int unit = panel.UnitNumber;
        const QPixmap* picture = unit >= 1 && unit <= static_cast<int>(form.ImageList1.size())
                                     ? &form.ImageList1[static_cast<std::size_t>(unit - 1)]
                                     : nullptr;
        panel.SetupLeds(form.StatusPanel0(), picture);
        panel.SetupButtons(form.PortButtons);
        panel.StartPolling(kPollPeriod);
        return true;
    } catch (const std::exception& e) {
        if (VnSNMPRequest2Leds* leds = panel.LedBinder())
            leds->ShowStatus(e.what());
        else
            form.ShowStatusText(Message(e));
    } catch (...) {
        form.ShowStatusText(QStringLiteral("Unknown exception"));
    }
    return false;
}

void DropNullButtons(VnPortButtonList& buttons)
{
    buttons.removeIf([](const QPointer<VnSpeedButton>& b) { return b.isNull(); });
}

} // namespace

void TMainForm::CreateUnitPanel(const std::string& model, const std::string& unit)
{
    const VnModelFamily family = VnFamilyForModel(model);
    QWidget* box = ScrollBox1->widget();
    std::unique_ptr<TPanelForm> panel = MakeUnitPanel(family, box);
    if (!panel)
        return;
    panel->hide();

    bool ok = true;
    try {
        panel->UnitNumber = VnStrToInt(unit);
    } catch (const std::exception& e) {
        ShowStatusText(Message(e));
        ok = false;
    }
    if (!ok || !SetUpPanel(*panel, *this)) {
        panel.reset();
        DropNullButtons(PortButtons);
        return;
    }
    ++PanelCount;

    std::unique_ptr<TPanelForm> module;
    if (family == VnModelFamily::RQ6050S || family == VnModelFamily::RQ6026S) {
        try {
            for (int i = 0; i < lvSlotModuleInfo->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* row = lvSlotModuleInfo->topLevelItem(i);
                if (Text(row, kModuleIdColumn) != unit)
                    continue;
                const std::string name = Text(row, kModuleNameColumn);
                if (name == "-")
                    break;
                if (name == "RM210C")
                    module = std::make_unique<TfrmRM210C>(box);
                else if (name == "RM210X")
                    module = std::make_unique<TfrmRM210X>(box);
                else
                    continue;
                break;
            }
        } catch (const std::exception& e) {
            ShowStatusText(Message(e));
        }
        if (module) {
            module->hide();
            module->UnitNumber = panel->UnitNumber;
            module->HostModel = model;
            if (!SetUpPanel(*module, *this)) {
                module.reset();
                DropNullButtons(PortButtons);
            }
        }
    }

    // Layout: units from top to bottom, a module to the right of its unit.
    panel->move(0, LastUnitPanel ? LastUnitPanel->y() + LastUnitPanel->ClientHeight() + 1 : 0);
    int clientWidth = ClientWidth();
    if (!LastUnitPanel || clientWidth < panel->ClientWidth() + 3)
        clientWidth = panel->ClientWidth() + 3;
    LastUnitPanel = panel.get();
    if (module) {
        clientWidth += module->ClientWidth() + 1;
        module->move(panel->x() + panel->width() + 1, panel->y());
    }
    SetClientWidth(clientWidth);
    SetClientHeight(panel->y() + panel->ClientHeight() + StatusBar->sizeHint().height() +
                    static_cast<int>(UnitPanels.size()) + 4);
    if (width() < panel->width())
        SetClientWidth(panel->width() + 4);
    if (PanelCount >= kAutoScrollPanels || module) {
        ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    CenterMainFormVertically();

    panel->show();
    UnitPanels.append(panel.release());
    if (module) {
        module->show();
        ModulePanels.append(module.release());
    }
    box->adjustSize();
}

void TMainForm::CenterMainFormVertically()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int screenHeight = screen ? screen->geometry().height() : 0;
    const int top = screenHeight > height() ? (screenHeight - height()) / 2 : 0;
    move(x(), top);
}

void TMainForm::HookPortButtons()
{
    for (const auto& button : PortButtons) {
        if (!button)
            continue;
        disconnect(button, &QAbstractButton::clicked, this, nullptr);
        VnSpeedButton* target = button;
        connect(button, &QAbstractButton::clicked, this, [this, target] { PortButtonClick(target); });
    }
}

void TMainForm::PortButtonClick(VnSpeedButton* sender)
{
    ReleasePortButtons();
    if (sender)
        sender->SetDown(true);
}

void TMainForm::ShowPortPopup(VnSpeedButton* button, const QPoint& pos)
{
    popupButton_ = button;
    if (PortInfoPopupMenu && !PortInfoPopupMenu->isEmpty())
        PortInfoPopupMenu->popup(button->mapToGlobal(pos));
}

void TMainForm::SetRmonItemsEnabled(bool enabled)
{
    for (const char* name : {kVnRmonStatisticsItem, kVnRmonHistoryItem, kVnRmonAlarmEventItem}) {
        for (QAction* item : findChildren<QAction*>(name))
            item->setEnabled(enabled);
    }
}

void TMainForm::UpdateRmonMenus()
{
    try {
        if (!RmonStateRequest)
            return;
        RmonStateRequest->Refresh();
        const QString state = ST_RmonState->text();
        if (state == "disabled")
            SetRmonItemsEnabled(false);
        else if (state == "enabled")
            SetRmonItemsEnabled(true);
    } catch (const std::exception& e) {
        ShowStatusText(Message(e));
    } catch (...) {
        ShowStatusText(QStringLiteral("Unknown exception"));
    }
}

void TMainForm::FreePanelForms()
{
    // Taken off the lists first: closing waits for a poll under way, and
    // the event loop runs meanwhile.
    LastUnitPanel = nullptr;
    for (TPanelForm* module : std::exchange(ModulePanels, {})) {
        module->close();
        delete module;
    }
    for (TPanelForm* panel : std::exchange(UnitPanels, {})) {
        panel->close();
        delete panel;
    }
    DropNullButtons(PortButtons);
}
