#include "TMainForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QTreeWidget>

#include <exception>

#include "TAboutForm.h"
#include "VnEmsLauncher.h"
#include "VnHelp.h"
#include "VnMainMenu.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnPanelPictures.h"
#include "VnRegistry.h"
#include "VnSNMPDefaults.h"
#include "VnSNMPRequest2Edits.h"
#include "VnSNMPSession.h"
#include "VnStatusOutput.h"
#include "VnTargetSettings.h"

TMainForm* MainForm = nullptr;
bool CfgFileFound = false;

namespace {

constexpr int kMainFormWidth = 995;
constexpr int kDesignClientHeight = 135;
constexpr int kUnitPictures = 12;

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

TMainForm::TMainForm(std::vector<std::string> parameters, QWidget* parent) : QMainWindow(parent)
{
    MainForm = this;
    BuildComponents();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen ? qRound(screen->logicalDotsPerInch()) : 96;
    LargeFonts = VnLargeFontsForDpi(dpi);
    FontScale = LargeFonts ? 1.25f : 1.0f;
    resize(kMainFormWidth, height());

    StartSession("");
    FirstLoad = true;
    VnDefaultSecurity.version = 0;

    VnRegistry registry;
    const VnHostFolders folders = VnReadHostFolders(registry);
    ModuleFolder = folders.moduleFolder;
    SettingsFolder = folders.settingsFolder;
    VnLoadMessageFiles(ModuleFolder);

    // Nothing to manage: say so and send nothing at all.
    if (parameters.empty()) {
        VnMessageBox(this, kVnNoParameterText);
        terminate_ = true;
        return;
    }
    ReadStartupSettings(parameters);
    RefreshDeviceView(FirstLoad);
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
    StatusBar->SetSimplePanel(false);
    setStatusBar(StatusBar);

    UnitListView = HiddenListView(this, "UnitListView");
    lvSlotModuleInfo = HiddenListView(this, "lvSlotModuleInfo");
    PortInfoListView = HiddenListView(this, "PortInfoListView");
    ST_RmonState = HiddenLabel(this, "ST_RmonState");
    ST_StackNum = HiddenLabel(this, "ST_StackNum");

    for (int unit = 1; unit <= kUnitPictures; ++unit)
        ImageList1.push_back(VnUnitPicture(unit));

    VnInstallMainMenu(*this);

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

int TMainForm::ClientWidth() const
{
    return width();
}

int TMainForm::ClientHeight() const
{
    const int menu = MainMenu1 && !MainMenu1->isHidden() ? MainMenu1->sizeHint().height() : 0;
    return height() - menu;
}

void TMainForm::SetClientWidth(int width)
{
    setFixedWidth(width);
}

void TMainForm::SetClientHeight(int height)
{
    const int menu = MainMenu1 && !MainMenu1->isHidden() ? MainMenu1->sizeHint().height() : 0;
    setFixedHeight(height + menu);
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
    try {
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
            ShowStatusText(QString::fromStdString(hostCheck));

        const VnEmsCommand command = BuildEmsCommandLine(argument, context);
        if (!VnStartEmsModule(command))
            ShowStatusText(QStringLiteral("Can not start module: %1").arg(QString::fromStdString(command.program)));
    } catch (const std::exception& e) {
        ShowStatusText(QString::fromStdString(e.what()));
    }
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
        ShowStatusText(QStringLiteral("Can not open help file: %1").arg(path));
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
    try {
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
    } catch (...) {
        // Closing goes on; nothing is left to report to.
    }
}
