// The device view: the stack-unit walk, one front panel per unit (a module
// panel beside a stack member that carries one), their layout in the
// scroll box, the port buttons and the RMON menu state.
#include "TMainForm.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QTreeWidget>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <string>
#include <utility>

#include "SwitchMib.h"
#include "VnDeviceViewTables.h"
#include "VnErrorLanding.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnSNMPDefaults.h"
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

// What the build raises ends in status panel 0, as the form's own texts.
VnErrorLanding PanelZero(TMainForm& form)
{
    return VnErrorLanding::Call(
        [&form](const std::string& message) { form.ShowStatusText(QString::fromStdString(message)); });
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

std::unique_ptr<VnStackTableBinder> MakeListRequest(QWidget* owner, const VnSNMPVarDesc* table,
                                                    QWidget* statusOutput, QTreeWidget* listView)
{
    auto binder = std::make_unique<VnStackTableBinder>(owner);
    binder->request.varList = VnSNMPVarList(table, MVT_FMV, 1);
    binder->mode = VnSNMPRequest2Controls::kModeSync;
    binder->SetStatusOutput(statusOutput);
    binder->BindListView(listView);
    return binder;
}

} // namespace

void TMainForm::RefreshDeviceView(bool firstLoad)
{
    buildNotice_.clear();
    unitWalkFailed_ = false;
    VnGuarded(PanelZero(*this), [&] {
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
    });

    // Said last, so that no line of the build hides it, and held, so that
    // no LED poll does.
    if (buildNotice_.isEmpty() && !unitWalkFailed_ && UnitPanels.isEmpty())
        buildNotice_ = UnitListView->topLevelItemCount() == 0
                           ? QStringLiteral("No stack unit found: the agent does not serve the switch's "
                                            "stack-unit table")
                           : QStringLiteral("No stack unit to show: none of the agent's units is present "
                                            "and of a known model");
    if (!buildNotice_.isEmpty())
        ShowLastingStatusText(buildNotice_.section('\n', 0, 0));
    ShowEmptyViewNote();
}

// A window without a unit panel says why in the panel area, in full.
void TMainForm::ShowEmptyViewNote()
{
    if (!UnitPanels.isEmpty() || buildNotice_.isEmpty()) {
        if (emptyViewNote_)
            emptyViewNote_->hide();
        return;
    }
    if (!emptyViewNote_) {
        emptyViewNote_ = new QLabel(ScrollBox1->widget());
        emptyViewNote_->setObjectName("EmptyViewNote");
        emptyViewNote_->setWordWrap(true);
        emptyViewNote_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        emptyViewNote_->setMargin(8);
    }
    emptyViewNote_->setText(buildNotice_);
    // The window may be cut to the screen: the note wraps within it.
    const int width = std::max(0, std::min(ClientWidth(), this->width()) - 3);
    emptyViewNote_->setFixedWidth(width);
    emptyViewNote_->adjustSize();
    emptyViewNote_->move(0, 0);
    emptyViewNote_->show();
    const int needed = emptyViewNote_->height() + StatusBar->sizeHint().height() + 4;
    if (ClientHeight() < needed)
        SetClientHeight(needed);
    ScrollBox1->widget()->adjustSize();
}

void TMainForm::LoadStackUnits()
{
    std::string error;
    bool timedOut = false;
    bool read = true;
    try {
        if (!UnitRequest)
            UnitRequest = MakeListRequest(this, StackUnitTable, StatusPanel0(), UnitListView);
        // Synchronous: the walk is complete when Refresh returns.
        UnitRequest->Refresh();
    } catch (const VnException& e) {
        read = false;
        error = e.what();
        timedOut = e.HelpContext() == kVnErrTimeout;
    } catch (const std::exception& e) {
        read = false;
        error = e.what();
    } catch (...) {
        read = false;
        error = VnErrorText(kVnErrUnknown);
    }
    if (!read) {
        unitWalkFailed_ = true;
        buildNotice_ = UnitWalkFailure(error, timedOut);
        ShowStatusText(buildNotice_.section('\n', 0, 0));
    } else {
        NoteStoppedWalk(*UnitRequest, "Stack-unit");
    }

    for (int i = 0; i < UnitListView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = UnitListView->topLevelItem(i);
        if (Text(row, kUnitStateColumn) == "exist" && VnIsStackMemberModel(Text(row, kUnitModelColumn))) {
            LoadSlotModules();
            break;
        }
    }
}

// The failure's first line keeps the status line's text and says what was
// tried and what happened; the next ones say what may be wrong, where the
// settings come from and what to do. Passwords are never shown.
QString TMainForm::UnitWalkFailure(const std::string& error, bool timedOut) const
{
    const VnSNMPSecurity& security = VnDefaultSecurity;
    const bool v3 = security.version == 3;
    const QString user = QString::fromStdString(security.securityName);
    const QString community = QString::fromStdString(security.readCommunity);
    const QString tried = QStringLiteral("%1 port %2 (%3, %4)")
                              .arg(QString::fromStdString(VnDefaultDevice.address))
                              .arg(VnDefaultDevice.port)
                              .arg(QString::fromStdString(VnVersionName(security.version)),
                                   v3 ? QStringLiteral("user \"%1\"").arg(user)
                                      : QStringLiteral("read community \"%1\"").arg(community));
    const bool noAnswer = timedOut || error.empty();
    QStringList lines{QStringLiteral("Get Unit Information Failed: asked %1: %2")
                          .arg(tried, noAnswer ? QStringLiteral("no answer within the time-out")
                                               : QString::fromStdString(error))};
    // An agent drops a request with a wrong community unanswered, as it
    // drops one with a wrong privacy password under v3.
    if (noAnswer && !v3)
        lines << QStringLiteral("A wrong read community gets no answer either: does the agent take \"%1\"?")
                     .arg(community);
    else if (noAnswer && security.securityLevel == 3)
        lines << QStringLiteral("A wrong privacy password gets no answer either: are the passwords of user "
                                "\"%1\" right?")
                     .arg(user);

    const std::string file = VnAbsolutePath(VnSettingsFilePath(SettingsFolder, AgentAddress));
    std::error_code exists;
    QString where;
    if (file.empty())
        where = QStringLiteral("No settings file is read for this address: the port and SNMP version are "
                               "the command line's or the defaults.");
    else if (CfgFileFound)
        where = QStringLiteral("The agent's port and SNMP version come from %1.").arg(QString::fromStdString(file));
    else if (std::filesystem::exists(file, exists))
        where = QStringLiteral("%1 was not read: it is read before each parameter after /I, and none "
                               "followed.")
                    .arg(QString::fromStdString(file));
    else
        where = QStringLiteral("No settings file found at %1: the port and SNMP version are the command "
                               "line's or the defaults.")
                    .arg(QString::fromStdString(file));
    lines << where
          << QStringLiteral("Check the agent, then choose Basic Configuration > Refresh Panel to ask it again; "
                            "a changed settings file takes effect when the module is started again.");
    return lines.join('\n');
}

void TMainForm::LoadSlotModules()
{
    const bool read = VnGuarded(VnErrorLanding::Silent(), [this] {
        if (!SlotModuleRequest)
            SlotModuleRequest = MakeListRequest(this, SlotModuleTable, StatusPanel0(), lvSlotModuleInfo);
        SlotModuleRequest->Refresh();
    });
    if (!read) {
        const QString failed = QStringLiteral("Get Slot Module Information Failed");
        AddBuildNotice(failed);
        ShowStatusText(failed);
        return;
    }
    NoteStoppedWalk(*SlotModuleRequest, "Slot-module");
}

void TMainForm::NoteStoppedWalk(const VnStackTableBinder& binder, const char* table)
{
    QStringList notes;
    if (!binder.SkippedUnits().empty()) {
        notes << QStringLiteral("%1 rows of no unit 1 to %2 not shown (unit %3)")
                     .arg(QString::fromLatin1(table))
                     .arg(kVnMaxStackUnits)
                     .arg(QString::fromStdString(binder.SkippedUnits()));
    }
    if (!binder.StopReason().empty()) {
        notes << QStringLiteral("%1 walk stopped %2: a stack has units 1 to %3, so the agent's "
                                "further rows were not read")
                     .arg(QString::fromLatin1(table), QString::fromStdString(binder.StopReason()))
                     .arg(kVnMaxStackUnits);
    }
    if (notes.isEmpty())
        return;
    const QString text = notes.join(QStringLiteral("; "));
    AddBuildNotice(text);
    ShowStatusText(text);
}

// Notes of one build stand side by side on its first line.
void TMainForm::AddBuildNotice(const QString& text)
{
    if (buildNotice_.isEmpty()) {
        buildNotice_ = text;
        return;
    }
    const qsizetype lineEnd = buildNotice_.indexOf('\n');
    buildNotice_.insert(lineEnd < 0 ? buildNotice_.size() : lineEnd, QStringLiteral("; ") + text);
}

void TMainForm::CreateUnitPanels()
{
    VnGuarded(PanelZero(*this), [&] {
        LastUnitPanel = nullptr;
        ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // The walk keeps units 1 to 12 only (VnStackTableBinder).
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
    });
}

namespace {

// A panel's set-up; a panel that fails is reported and not kept. Its
// buttons leave the port-button list with it.
bool SetUpPanel(TPanelForm& panel, TMainForm& form)
{
    // Once the panel has its LED binder, the binder's status line tells.
    const VnErrorLanding landing = VnErrorLanding::Call([&panel, &form](const std::string& message) {
        if (VnSNMPRequest2Leds* leds = panel.LedBinder())
            leds->ShowStatus(message);
        else
            form.ShowStatusText(QString::fromStdString(message));
    });
    return VnGuarded(landing, [&] {
        const int unit = panel.UnitNumber;
        const QPixmap* picture = unit >= 1 && unit <= static_cast<int>(form.ImageList1.size())
                                     ? &form.ImageList1[static_cast<std::size_t>(unit - 1)]
                                     : nullptr;
        panel.SetupLeds(form.PollStatusOutput(), picture);
        panel.SetupButtons(form.PortButtons);
        panel.StartPolling(kPollPeriod);
    });
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

    const bool ok = VnGuarded(PanelZero(*this), [&] { panel->UnitNumber = VnStrToInt(unit); });
    if (!ok || !SetUpPanel(*panel, *this)) {
        panel.reset();
        DropNullButtons(PortButtons);
        return;
    }
    ++PanelCount;

    std::unique_ptr<TPanelForm> module;
    if (family == VnModelFamily::RQ6050S || family == VnModelFamily::RQ6026S) {
        VnGuarded(PanelZero(*this), [&] {
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
        });
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
    if (ClientWidth() < panel->width())
        SetClientWidth(panel->width() + 4);
    if (PanelCount >= kAutoScrollPanels || module) {
        ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    FitToScreen();
    CenterMainFormVertically();

    panel->show();
    UnitPanels.append(panel.release());
    if (module) {
        module->show();
        ModulePanels.append(module.release());
    }
    box->adjustSize();
}

// Within the screen's available area, frame included: a window whose
// bottom lies below it would hide the status bar.
void TMainForm::CenterMainFormVertically()
{
    const QRect area = AvailableArea();
    if (!area.isValid())
        return;
    const QMargins frame = FrameAllowance();
    const int outerWidth = width() + frame.left() + frame.right();
    const int outerHeight = height() + frame.top() + frame.bottom();
    const int top = area.top() + std::max(0, (area.height() - outerHeight) / 2);
    const int left = std::clamp(x(), area.left(), std::max(area.left(), area.right() + 1 - outerWidth));
    move(left, top);
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
    VnGuarded(PanelZero(*this), [this] {
        if (!RmonStateRequest)
            return;
        RmonStateRequest->Refresh();
        const QString state = ST_RmonState->text();
        if (state == "disabled")
            SetRmonItemsEnabled(false);
        else if (state == "enabled")
            SetRmonItemsEnabled(true);
    });
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
