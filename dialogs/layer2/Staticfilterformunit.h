#pragma once
// The static filtering entries of the forwarding database (Q-BRIDGE
// dot1qStaticMulticastTable and dot1qStaticUnicastTable): per VLAN, MAC
// address and receive port, a port list and a status. One form serves both
// tables, driven by a description; the multicast dialog changes an entry
// (Set) and both remove one (Delete). Neither creates entries.
#include "TDialogBase.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTreeWidget;
class TStackingPortUitForm;
class VnSNMPRequest2Edits;

// What tells the two static filter dialogs apart.
struct VnStaticFilterDescription {
    const char* title;        // caption before the agent address
    const char* caption;      // caption before FormCreate sets the title
    int width;
    int height;
    const VnBindingTable* bindings;
    const char* vidField;
    const char* addressField;
    const char* addressCaption;
    const char* statusCombo;
    bool keyFieldsDisabled;   // besides read-only
    bool gridOnPage;          // else in a group box "Allow To Go To Port"
    bool samplesCaption;
    bool setOffered;
    bool clearOnRefresh;      // else Refresh only counts the rows
};

class TStaticFilterForm : public TDialogBase {
public:
    // Items of the binder's list (both tables).
    enum Item { kFdbId, kAddress, kReceivePort, kPorts, kStatus };
    static constexpr int kInvalidEntry = 0;  // of the status combo box
    static constexpr unsigned kReadWriteWord = 6;

    // Right panel
    QLabel* ST_Count = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* SetBtn = nullptr;  // multicast only
    QPushButton* DeleteBtn = nullptr;
    // Client panel
    QTreeWidget* ListView = nullptr;
    QLineEdit* VidField = nullptr;
    QLineEdit* AddressField = nullptr;
    QComboBox* StatusCombo = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;
    TStackingPortUitForm* Ports = nullptr;

    void RefreshBtnClick();
    void SetBtnClick();
    // Sends the status "invalid" alone at the selected entry, which removes
    // it; the set's own re-read then shows the table without it.
    void DeleteBtnClick();
    // The grid unchecked, the VID and address emptied, no status chosen.
    void ClearFields();

    const VnStaticFilterDescription& Description() const { return description_; }

protected:
    TStaticFilterForm(QWidget* owner, const VnDialogContext& context, const VnStaticFilterDescription& description);
    void FormCreate();

private:
    void BuildLayout();

    const VnStaticFilterDescription& description_;
    // Whether the selected entry's port list filled the grid: a shorter one
    // is refused by Set, which would widen it with ports never read.
    bool rowShownWhole_ = false;
};

class TMulticastFilterInformationForm : public TStaticFilterForm {
public:
    static const VnStaticFilterDescription kDescription;
    TMulticastFilterInformationForm(QWidget* owner, const VnDialogContext& context);
};

class TUnicastFilterInformationForm : public TStaticFilterForm {
public:
    static const VnStaticFilterDescription kDescription;
    TUnicastFilterInformationForm(QWidget* owner, const VnDialogContext& context);
};

// Point at the dialogs while they exist.
extern TMulticastFilterInformationForm* MulticastFilterInformationForm;
extern TUnicastFilterInformationForm* UnicastFilterInformationForm;
