#include "TMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <exception>

#include "SwitchMib.h"
#include "TAboutForm.h"
#include "VnEmsLauncher.h"
#include "VnErrorLanding.h"
#include "VnHelp.h"
#include "VnMainMenu.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnPanelPictures.h"
#include "VnRegistry.h"
#include "VnSNMPDefaults.h"
#include "VnSNMPRequest2Edits.h"
#include "VnSNMPRequest2Leds.h"
#include "VnSNMPSession.h"
#include "VnStatusOutput.h"
#include "VnTargetSettings.h"

TMainForm* MainForm = nullptr;
bool CfgFileFound = false;

namespace {

constexpr int kMainFormWidth = 995;
constexpr int kDesignClientHeight = 135;
constexpr int kUnitPictures = kVnMaxStackUnits;
// The smallest window that still shows the menu, a strip of panels and
// the status bar, when the panels scroll.
constexpr int kMinScrollingWidth = 240;
constexpr int kMinScrollingPanelArea = 60;

QTreeWidget* HiddenListView(QWidget* parent, const char* name)
{
    auto* view = new QTreeWidget(parent);
    view->setObjectName(name);
    view->hide();
    return view;
}

QLabel* HiddenLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

} // namespace

TMainForm::TMainForm(std::vector<std::string> parameters, QWidget* parent, VnFirstBuild firstBuild)
    : QMainWindow(parent)
{
    MainForm = this;
    BuildComponents();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInch()) : 96;
    LargeFonts = VnLargeFontsForDpi(dpi);
    FontScale = LargeFonts ? 1.25f : 1.0f;
    SetClientWidth(kMainFormWidth);

    StartSession("");
    FirstLoad = true;
    VnDefaultSecurity.version = 0;

    VnRegistry registry;
    const VnHostFolders folders = VnReadHostFolders(registry);
    ModuleFolder = folders.moduleFolder;
    SettingsFolder = folders.settingsFolder;
    VnLoadMessageFiles(ModuleFolder);

    // Nothing to manage: say so and send nothing at all. The box stands
    // alone: over this window, not yet shown, it would bring up an empty
    // frame behind it.
    if (parameters.empty()) {
        VnMessageBox(nullptr, QString::fromStdString(
                                  VnNoParameterMessage(VnProgramName().toStdString(), SettingsFolder)));
        terminate_ = true;
        return;
    }
    ReadStartupSettings(parameters);
    if (firstBuild == VnFirstBuild::InConstructor) {
        RefreshDeviceView(FirstLoad);
        return;
    }
    firstBuildPending_ = true;
    setWindowTitle(QString::fromLatin1(ModuleModel) + " : " + QString::fromStdString(AgentAddress));
    ShowStatusText(QStringLiteral("Reading the stack units from %1 port %2 (%3)...")
                       .arg(QString::fromStdString(AgentAddress))
                       .arg(VnDefaultDevice.port)
                       .arg(QString::fromStdString(VnVersionName(VnDefaultSecurity.version))));
}

TMainForm::~TMainForm()
{
    ShutDown();
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::BuildComponents()
{
    setObjectName("MainForm");
    setWindowTitle("MainForm");

    MainMenu1 = menuBar();
    MainMenu1->setObjectName("MainMenu1");
    PortInfoPopupMenu = new QMenu(this);
    PortInfoPopupMenu->setObjectName("PortInfoPopupMenu");

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName("ScrollBox1");
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(false);
    auto* content = new QWidget;
    content->setObjectName("ScrollBox1Content");
    ScrollBox1->setWidget(content);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(ScrollBox1);

    StatusBar = new VnStatusBar(this);
    StatusBar->setObjectName("StatusBar");
    StatusBar->AddPanel(0);
    setStatusBar(StatusBar);
    pollLine_ = new VnStatusPanel(this);
    pollLine_->setObjectName("PollStatusLine");
    pollLine_->hide();

    UnitListView = HiddenListView(this, "UnitListView");
    lvSlotModuleInfo = HiddenListView(this, "lvSlotModuleInfo");
    PortInfoListView = HiddenListView(this, "PortInfoListView");
    ST_RmonState = HiddenLabel(this, "ST_RmonState");
    ST_StackNum = HiddenLabel(this, "ST_StackNum");

    for (int unit = 1; unit <= kUnitPictures; ++unit)
        ImageList1.push_back(VnUnitPicture(unit));

    VnInstallMainMenu(*this);
    // Opening a menu starts the user's next command: a held text has been read.
    for (QMenu* menu : MainMenu1->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &TMainForm::ReleaseStatusText);
    connect(PortInfoPopupMenu, &QMenu::aboutToShow, this, &TMainForm::ReleaseStatusText);

    SetClientHeight(kDesignClientHeight);
}

void TMainForm::ReadStartupSettings(const std::vector<std::string>& parameters)
{
    VnTargetState state;
    state.device = VnDefaultDevice;
    state.scope = VnDefaultScope;
    state.security = VnDefaultSecurity;
    state.cfgFileFound = CfgFileFound;

    // Written back whatever happens, as the original applied each setting
    // in place before a later one failed.
    struct WriteBack {
        TMainForm& form;
        VnTargetState& state;
        ~WriteBack()
        {
            form.AgentAddress = state.agentAddress;
            form.ReadCommunity = state.readCommunity;
            form.WriteCommunity = state.writeCommunity;
            form.VersionText = state.versionText;
            CfgFileFound = state.cfgFileFound;
            VnDefaultDevice = state.device;
            VnDefaultScope = state.scope;
            VnDefaultSecurity = state.security;
        }
    } writeBack{*this, state};
    VnApplyParameters(parameters, SettingsFolder, state);
}

VnStatusPanel* TMainForm::StatusPanel0() const
{
    return StatusBar ? StatusBar->Panel(0) : nullptr;
}

void TMainForm::ShowStatusText(const QString& text)
{
    if (VnStatusPanel* panel = StatusPanel0())
        panel->SetText(text);
}

void TMainForm::ShowLastingStatusText(const QString& text)
{
    ShowStatusText(text);
    if (statusHeld_)
        return;
    statusHeld_ = true;
    SetPollOutputs(pollLine_);
}

void TMainForm::ReleaseStatusText()
{
    if (!statusHeld_)
        return;
    statusHeld_ = false;
    SetPollOutputs(StatusPanel0());
}

QWidget* TMainForm::PollStatusOutput() const
{
    if (statusHeld_)
        return pollLine_;
    return StatusPanel0();
}

void TMainForm::SetPollOutputs(QWidget* output)
{
    for (TPanelForm* panel : UnitPanels + ModulePanels) {
        if (VnSNMPRequest2Leds* leds = panel->LedBinder())
            leds->SetStatusOutput(output);
    }
}

void TMainForm::SetClientWidth(int width)
{
    clientWidth_ = width;
    FitToScreen();
}

void TMainForm::SetClientHeight(int height)
{
    clientHeight_ = height;
    FitToScreen();
}

QRect TMainForm::AvailableArea() const
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Until the window manager has framed the window its frame is unknown:
// room for a title bar and borders is kept all the same.
QMargins TMainForm::FrameAllowance() const
{
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    QMargins allowance(border, title + border, border, border);
    if (!isVisible())
        return allowance;
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return {std::max(allowance.left(), inner.left() - outer.left()),
            std::max(allowance.top(), inner.top() - outer.top()),
            std::max(allowance.right(), outer.right() - inner.right()),
            std::max(allowance.bottom(), outer.bottom() - inner.bottom())};
}

// The layout's size, cut to the screen's available area; a cut window
// scrolls its panels. A window that does not scroll cannot be made
// smaller than its panels.
void TMainForm::FitToScreen()
{
    const int menu = MainMenu1 && !MainMenu1->isHidden() ? MainMenu1->sizeHint().height() : 0;
    int width = clientWidth_;
    int height = clientHeight_ + menu;
    const QRect area = AvailableArea();
    cutToScreen_ = false;
    if (area.isValid()) {
        const QMargins frame = FrameAllowance();
        const int maxWidth = std::max(kMinScrollingWidth, area.width() - frame.left() - frame.right());
        const int maxHeight =
            std::max(menu + kMinScrollingPanelArea, area.height() - frame.top() - frame.bottom());
        // A scroll bar along one side takes room the panels need across it.
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ScrollBox1);
        const bool tall = height > maxHeight;
        const bool wide = width + (tall ? bar : 0) > maxWidth;
        width += tall ? bar : 0;
        height += wide ? bar : 0;
        cutToScreen_ = width > maxWidth || height > maxHeight;
        width = std::min(width, maxWidth);
        height = std::min(height, maxHeight);
    }
    if (cutToScreen_ && ScrollBox1) {
        ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    const bool scrolls = ScrollBox1 && ScrollBox1->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
    const int status = StatusBar ? StatusBar->sizeHint().height() : 0;
    if (scrolls)
        setMinimumSize(std::min(width, kMinScrollingWidth),
                       std::min(height, menu + status + kMinScrollingPanelArea));
    else
        setMinimumSize(width, height);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(width, height);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    // Now framed (where a window manager frames at once): fit again.
    FitToScreen();
    CenterMainFormVertically();
    // A window started minimised is not painted until restored: it reads
    // its stack all the same.
    if (isMinimized())
        QueueFirstBuild();
}

void TMainForm::QueueFirstBuild()
{
    if (!firstBuildPending_ || firstBuildQueued_)
        return;
    firstBuildQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        if (shutDown_ || !firstBuildPending_)
            return;
        firstBuildPending_ = false;
        RefreshDeviceView(FirstLoad);
    });
}

// The walk blocks the window: it starts once the window has painted
// itself, so the user sees the window, and what it is reading, meanwhile.
// The paint pass ends with the flush to the screen; the build follows it.
void TMainForm::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    QueueFirstBuild();
}

void TMainForm::ReleasePortButtons()
{
    for (const auto& button : PortButtons) {
        if (button)
            button->SetDown(false);
    }
}

int TMainForm::PressedPortTag() const
{
    for (const auto& button : PortButtons) {
        if (button && button->Down())
            return button->Tag;
    }
    return -1;
}

void TMainForm::RunEmsModule(const std::string& argument)
{
    const VnErrorLanding lasting = VnErrorLanding::Call(
        [this](const std::string& message) { ShowLastingStatusText(QString::fromStdString(message)); });
    VnGuarded(lasting, [&] {
        VnEmsContext context;
        context.agentAddress = AgentAddress;
        context.readCommunity = ReadCommunity;
        context.writeCommunity = WriteCommunity;
        context.versionText = VersionText;
        context.cfgFileFound = CfgFileFound;
        context.device = VnDefaultDevice;
        context.scope = VnDefaultScope;
        context.security = VnDefaultSecurity;

        VnRegistry registry;
        const std::string hostCheck = VnEmsHostCheck(registry);
        if (!hostCheck.empty())
            ShowLastingStatusText(QString::fromStdString(hostCheck));

        const VnEmsCommand command = BuildEmsCommandLine(argument, context);
        if (!VnStartEmsModule(command))
            ShowLastingStatusText(
                QStringLiteral("Can not start module: %1").arg(QString::fromStdString(command.program)));
    });
}

void TMainForm::ShowAboutForm()
{
    TAboutForm form(nullptr);
    form.exec();
}

void TMainForm::OpenHelpFile()
{
    const QString path = QCoreApplication::applicationDirPath() + "/" + kVnHelpFileName;
    if (!VnOpenHelp(path.toStdString()))
        ShowLastingStatusText(QStringLiteral("Can not open help file: %1").arg(path));
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (shutDown_) {
        event->accept();
        return;
    }
    if (confirmClose_ &&
        VnMessageBox(this, "Exit RQ-4024S Management Module?", VnMsgButtons::OkCancel,
                     VnMsgIcon::Question) != VnMsgAnswer::Ok) {
        event->ignore();
        return;
    }
    ShutDown();
    event->accept();
}

// Stops the walks, frees the requests and the panels; runs once.
void TMainForm::ShutDown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    // Closing goes on whatever fails; nothing is left to report to.
    VnGuarded(VnErrorLanding::Silent(), [this] {
        if (UnitRequest) {
            UnitRequest->request.keepGoing = false;
            UnitRequest->StopAndWait(-1);
        }
        if (SlotModuleRequest) {
            SlotModuleRequest->request.keepGoing = false;
            SlotModuleRequest->StopAndWait(-1);
        }
        UnitRequest.reset();
        RmonStateRequest.reset();
        SlotModuleRequest.reset();
        FreePanelForms();
        PortButtons.clear();
    });
}
