#pragma once
// The 802.1Q settings of every bridge port (Q-BRIDGE dot1qPortVlanTable):
// port VLAN ID, acceptable frame types, ingress filtering and GVRP state of
// one port at a time are changed by Set, which keeps that port selected.
#include <QString>

#include "TDialogBase.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class VnSNMPRequest2Edits;

class TVLanPortInfomationForm : public TDialogBase {
public:
    static constexpr int kWidth = 602;
    static constexpr int kHeight = 440;
    static constexpr const char* kTitle = "VLAN Port Information Form: ";

    // Items of the binder's list.
    enum Item { kPort, kPvid, kFrameTypes, kIngressFiltering, kGvrpStatus, kGvrpFailures, kGvrpOrigin };

    TVLanPortInfomationForm(QWidget* owner, const VnDialogContext& context);

    // Right panel
    QLabel* ST_Count = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;
    // Client panel
    QTreeWidget* LV_dot1qPortVlanEntry = nullptr;
    QLineEdit* PortVLanID = nullptr;
    QComboBox* AcceptableFrameTypes = nullptr;
    QComboBox* IngressFiltering = nullptr;
    QComboBox* GvrpStatus = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void FormCreate();
    void RefreshBtnClick();
    // Sends the four settings at the selected port; once the table is read
    // again that port is selected and shown anew.
    void SetBtnClick();

private:
    void BuildLayout();
    // Selects the row of `port` (its port-number text); false when none.
    bool SelectPort(const QString& port);

    // The port a set was sent for, selected again when the table's
    // re-read ends; empty when none is waited for.
    QString reselectPort_;
};

// Points at the dialog while it exists.
extern TVLanPortInfomationForm* VLanPortInfomationForm;
