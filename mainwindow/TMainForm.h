#pragma once
// The main window: start-up from the host's command line and settings
// file, the device view (one front panel per stack unit, modules beside
// their units), the port buttons, the RMON menu state and closing. The
// menu and its commands are installed by VnInstallMainMenu (VnMainMenu.h).
#include <QList>
#include <QMainWindow>
#include <QMargins>
#include <QRect>
#include <QPixmap>
#include <QPointer>
#include <QString>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "TPanelForm.h"
#include "VnModelFamily.h"
#include "VnSpeedButton.h"
#include "VnStackTableBinder.h"

class QLabel;
class QMenu;
class QMenuBar;
class QScrollArea;
class QTreeWidget;
class QWidget;
class VnSNMPRequest2Edits;
class VnStatusBar;
class VnStatusPanel;

// Object names of the menu items the device view switches; the main menu
// names its items so. Items are also found by their caption path.
inline constexpr const char kVnRmonStatisticsItem[] = "RmonStatistics1";
inline constexpr const char kVnRmonHistoryItem[] = "RmonHistory1";
inline constexpr const char kVnRmonAlarmEventItem[] = "RmonAlarmEvent1";
inline constexpr const char kVnFileSystemManagementItem[] = "FileSystemManagement1";

inline constexpr const char kVnHelpFileName[] = "RQ-4024S orvixhelp3.hlp";

// Whether the settings file existed at the last look (read by the launcher).
extern bool CfgFileFound;
// Unit panels made by the current build of the device view.
extern int PanelCount;

// When the first device view is built: before the constructor returns,
// or once the shown window has painted itself (the stack walk blocks, and
// a window not yet painted would stay black meanwhile).
enum class VnFirstBuild { InConstructor, AfterFirstPaint };

class TMainForm : public QMainWindow {
public:
    // `parameters` are the command-line parameters without the program
    // name. Raises the conversion error of a bad number in them or in the
    // settings file, and the session's failure; ends with the device view
    // unless `firstBuild` puts it off until the first paint.
    // Without parameters it shows "No parameter input" and the options
    // needed, in a box over no window, builds no device view and sends
    // nothing (TerminateRequested()).
    explicit TMainForm(std::vector<std::string> parameters, QWidget* parent = nullptr,
                       VnFirstBuild firstBuild = VnFirstBuild::InConstructor);
    ~TMainForm() override;

    // ---- state read by the menu commands and the dialogs
    bool FirstLoad = true;
    bool LargeFonts = false;
    float FontScale = 1.0f;
    std::string AgentAddress;
    std::string ReadCommunity;
    std::string WriteCommunity;
    std::string VersionText;
    std::array<std::string, 13> ModelNames;
    std::string DialogTitle;
    // Folders taken from the host's registry ("" = the current folder).
    std::string ModuleFolder;
    std::string SettingsFolder;

    // ---- components
    QMenuBar* MainMenu1 = nullptr;         // filled by VnInstallMainMenu
    QMenu* PortInfoPopupMenu = nullptr;    // filled by VnInstallMainMenu
    VnStatusBar* StatusBar = nullptr;      // one panel; panel 0 takes failures
    QScrollArea* ScrollBox1 = nullptr;     // the panels live in its widget()
    QTreeWidget* UnitListView = nullptr;   // hidden: stack-unit rows
    QTreeWidget* lvSlotModuleInfo = nullptr;  // hidden: slot-module rows
    QTreeWidget* PortInfoListView = nullptr;  // hidden, unused
    QLabel* ST_RmonState = nullptr;        // hidden: RMON state text
    QLabel* ST_StackNum = nullptr;         // hidden, unused
    std::vector<QPixmap> ImageList1;       // unit-number pictures, unit - 1

    // ---- device view
    VnPortButtonList PortButtons;
    QList<TPanelForm*> UnitPanels;
    QList<TPanelForm*> ModulePanels;
    TPanelForm* LastUnitPanel = nullptr;
    std::unique_ptr<VnStackTableBinder> UnitRequest;
    std::unique_ptr<VnStackTableBinder> SlotModuleRequest;
    std::unique_ptr<VnSNMPRequest2Edits> RmonStateRequest;

    // Builds (first load) or rebuilds the device view; nothing raises out.
    void RefreshDeviceView(bool firstLoad);
    void LoadStackUnits();
    void LoadSlotModules();
    void CreateUnitPanels();
    void CreateUnitPanel(const std::string& model, const std::string& unit);
    void CenterMainFormVertically();
    void HookPortButtons();
    void PortButtonClick(VnSpeedButton* sender);
    // Re-reads the RMON state and enables or disables the three RMON items.
    void UpdateRmonMenus();
    void FreePanelForms();

    // Every port button up (Down = false).
    void ReleasePortButtons();
    // The Tag of the pressed port button, -1 when none is down.
    int PressedPortTag() const;
    // The port button the popup menu was last opened on (null when gone).
    VnSpeedButton* PopupPortButton() const { return popupButton_; }

    // Starts a sibling module ("/TMIB_IFTable"); a failure to start it is
    // said in status panel 0 and held there (ShowLastingStatusText).
    void RunEmsModule(const std::string& argument);
    // The "About" command's box, shown modally.
    void ShowAboutForm();
    // The "Help" command: the help file next to the program; status panel 0
    // says so, held, when it cannot be opened.
    void OpenHelpFile();

    // Text of status panel 0.
    void ShowStatusText(const QString& text);
    // A text the user must get to read: panel 0 keeps it until the user
    // opens a menu (the start of the next command). Meanwhile the LED
    // polls, which would overwrite it every few seconds, write elsewhere.
    void ShowLastingStatusText(const QString& text);
    void ReleaseStatusText();
    bool StatusTextHeld() const { return statusHeld_; }
    // Where the LED polls write their lines: panel 0, or a hidden line
    // while a text is held.
    QWidget* PollStatusOutput() const;
    VnStatusPanel* StatusPanel0() const;

    // Client area below the menu bar as the layout asks for it (the
    // original's client size). The window shows as much of it as the
    // screen's available area allows, scrolling the panels when it cannot
    // show all; the user may resize it.
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientWidth(int width);
    void SetClientHeight(int height);
    // Whether the last layout had to be cut to the screen.
    bool CutToScreen() const { return cutToScreen_; }
    // The first device view is still to be built (VnFirstBuild::AfterFirstPaint).
    bool FirstBuildPending() const { return firstBuildPending_; }
    // What a build that showed no unit had to say, in full (empty otherwise);
    // the panel area shows it.
    QString BuildNotice() const { return buildNotice_; }

    // Start-up without parameters: the program ends instead of running.
    bool TerminateRequested() const { return terminate_; }
    // Skips the exit question of closing (tests, a host that ends us).
    void SetConfirmClose(bool confirm) { confirmClose_ = confirm; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildComponents();
    void FitToScreen();
    QRect AvailableArea() const;
    QMargins FrameAllowance() const;
    void SetPollOutputs(QWidget* output);
    void ReadStartupSettings(const std::vector<std::string>& parameters);
    void ShowPortPopup(VnSpeedButton* button, const QPoint& pos);
    void ShutDown();
    void SetRmonItemsEnabled(bool enabled);
    void ShowEmptyViewNote();
    QString UnitWalkFailure(const std::string& error, bool timedOut) const;
    // A walk of a stack table that was stopped short: said at the build's end.
    void NoteStoppedWalk(const VnStackTableBinder& binder, const char* table);
    void AddBuildNotice(const QString& text);

    bool terminate_ = false;
    bool confirmClose_ = true;
    bool shutDown_ = false;
    QPointer<VnSpeedButton> popupButton_;
    bool unitWalkFailed_ = false;
    void QueueFirstBuild();
    bool firstBuildPending_ = false;
    bool firstBuildQueued_ = false;
    QLabel* emptyViewNote_ = nullptr;  // in the panel area while no unit is shown
    QString buildNotice_;  // what the current build has to tell the user at its end
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool cutToScreen_ = false;
    bool statusHeld_ = false;
    VnStatusPanel* pollLine_ = nullptr;  // hidden; takes the polls' lines while a text is held
};

// The one main window (null before it is made and after it is gone).
extern TMainForm* MainForm;
