#pragma once
// Traffic segmentation (enterprise .11.59.5.2.14.1): for every port of the
// stack the ports it may forward to, on a stacking port grid. Refresh and
// Set wait until the walk under way has ended or been stopped.
#include "TDialogBase.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTreeWidget;
class TStackingPortUitForm;
class VnStatusBar;
class VnStatusPanel;
class VnSNMPRequest2Edits;

class TTrafficSegmentationForm : public TDialogBase {
public:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 540;
    static constexpr const char* kTitle = "Traffic Segmentation Table: ";
    static constexpr const char* kRefreshNotComplete = "Refresh not complete";

    enum Item { kPort, kForwardPorts };

    TTrafficSegmentationForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* BT_Get = nullptr;
    QPushButton* BT_Set = nullptr;
    QPushButton* StopBtn = nullptr;
    QLabel* StaticText1 = nullptr;
    QTreeWidget* LV_TrafficForward = nullptr;
    QLabel* ST_Port = nullptr;  // hidden
    QLineEdit* Combo_Unit = nullptr;
    QLineEdit* Combo_Port = nullptr;
    QScrollArea* Panel4 = nullptr;
    VnStatusBar* StatusBar1 = nullptr;
    VnStatusPanel* StatusPanel = nullptr;  // the bar's first panel

    VnSNMPRequest2Edits* Binder = nullptr;
    TStackingPortUitForm* ForwardPorts = nullptr;

    void FormCreate();
    void BT_GetClick();
    void BT_SetClick();
    void StopBtnClick();
    void LV_TrafficForwardClick();

    // Set by the end of a walk or by Stop; cleared by Refresh.
    bool RefreshComplete() const { return refreshComplete_; }

private:
    void BuildLayout();
    // Refresh and Set wait for the walk to end or be stopped, and for the
    // reply still in flight after a Stop; false (and the message) otherwise.
    bool WalkSettled();
    // No row shown: the hidden port and the unit and port fields emptied.
    void ForgetRow();

    bool refreshComplete_ = false;
};

extern TTrafficSegmentationForm* TrafficSegmentationForm;
