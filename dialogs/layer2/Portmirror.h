#pragma once
// Port mirroring (enterprise .11.59.5.2.10): one target port entered as
// unit and port, the ingress and egress source ports on two stacking port
// grids, and the mirroring state, written together in one set.
#include <vector>

#include "TDialogBase.h"
#include "VnShownUnits.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QScrollArea;
class TStackingPortUitForm;
class VnStatusBar;
class VnStatusPanel;
class VnSNMPRequest2Edits;

class TPortMirrorForm : public TDialogBase {
public:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 560;
    static constexpr const char* kTitle = "Port Mirror Table: ";

    enum Item { kTargetPort, kIngress, kEgress, kState };

    TPortMirrorForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* BT_Refresh = nullptr;
    QPushButton* BT_Set = nullptr;
    QLineEdit* UnitEdit = nullptr;
    QLineEdit* PortEdit = nullptr;
    QLineEdit* ET_TargetPort = nullptr;  // hidden
    QCheckBox* CK_Status = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* IngressPortGB = nullptr;
    QGroupBox* EgressPortGB = nullptr;
    VnStatusBar* StatusBar1 = nullptr;
    VnStatusPanel* StatusPanel = nullptr;  // the bar's first panel

    VnSNMPRequest2Edits* Binder = nullptr;
    TStackingPortUitForm* IngressPorts = nullptr;
    TStackingPortUitForm* EgressPorts = nullptr;
    std::vector<VnShownUnit> UnitInformationMirrorList;

    void FormCreate();
    void BT_RefreshClick();
    void BT_SetClick();
    void ET_TargetPortChange();

    static constexpr const char* kNoSourcePorts = "Ingress Ports and Egress Ports can not be empty.";
    static constexpr const char* kInvalidTarget = "Set valid target port";
    static constexpr const char* kTargetIsMember = "Target port can not be member port!";

private:
    void BuildLayout();
    void CreatePortGrid();
    QScrollArea* GridArea(QGroupBox* group, const char* name);
    bool AnyChecked() const;
};

extern TPortMirrorForm* PortMirrorForm;
