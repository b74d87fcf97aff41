#pragma once
// Port lists of the Q-BRIDGE multicast forwarding tables shown as port
// grids beside a list of the rows: forward all and forward unregistered
// (per VLAN: all, static and forbidden ports) and the group table (per VLAN
// and group address: egress and GMRP-learnt ports). One form serves the
// three, driven by a description. Nothing is written: the grids take no
// clicks.
#include <vector>

#include "TDialogBase.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class QTreeWidget;
class TStackingPortUitForm;
class VnSNMPRequest2Edits;

// What tells the three forwarding dialogs apart.
struct VnForwardingDescription {
    struct Page {
        const char* scrollBox;
        const char* caption;
        const char* grid;  // the grid's name, as its binding row names it
    };
    const char* title;     // caption before the agent address
    const char* caption;   // caption before FormCreate sets the title
    int width;
    int height;
    const VnBindingTable* bindings;
    std::vector<Page> pages;
    bool rowCount;         // "Samples" and ST_Count
    bool refreshOffered;   // a Set button that reads the table again
    bool uncheckOnRefresh;
};

class TForwardingForm : public TDialogBase {
public:
    // Right panel
    QLabel* ST_Count = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;  // forward unregistered only
    // Client panel
    QTreeWidget* ListView = nullptr;
    QTabWidget* PageControl1 = nullptr;
    std::vector<QScrollArea*> ScrollBoxes;
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;
    std::vector<TStackingPortUitForm*> Grids;

    void RefreshBtnClick();
    // Reads the table again: the dialog writes nothing. With a row that
    // cannot be changed selected, says so instead.
    void SetBtnClick();

    const VnForwardingDescription& Description() const { return description_; }

protected:
    TForwardingForm(QWidget* owner, const VnDialogContext& context, const VnForwardingDescription& description);
    void FormCreate();

private:
    void BuildLayout();
    void ReadTable();

    const VnForwardingDescription& description_;
};

class TMulticastForwardingInformationForm : public TForwardingForm {
public:
    static const VnForwardingDescription kDescription;
    TMulticastForwardingInformationForm(QWidget* owner, const VnDialogContext& context);
};

class TForwardUnregisteredInformationForm : public TForwardingForm {
public:
    static const VnForwardingDescription kDescription;
    TForwardUnregisteredInformationForm(QWidget* owner, const VnDialogContext& context);
};

class TTpGroupDestinationForwardedForm : public TForwardingForm {
public:
    static const VnForwardingDescription kDescription;
    TTpGroupDestinationForwardedForm(QWidget* owner, const VnDialogContext& context);
};

// Point at the dialogs while they exist.
extern TMulticastForwardingInformationForm* MulticastForwardingInformationForm;
extern TForwardUnregisteredInformationForm* ForwardUnregisteredInformationForm;
extern TTpGroupDestinationForwardedForm* TpGroupDestinationForwardedForm;
