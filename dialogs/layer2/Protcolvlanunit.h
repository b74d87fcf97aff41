#pragma once
// Protocol VLAN groups (enterprise .12.16.1.1.1): a name, a protocol type
// (or a user-defined protocol number with its encapsulation) and an
// advertisement setting per group. Add and Edit send only the columns whose
// fields hold something.
#include "TDialogBase.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class VnAccessScope;
class VnStatusBar;
class VnStatusPanel;
class VnSNMPRequest2Edits;

class TProtocolVlanForm : public TDialogBase {
public:
    static constexpr int kWidth = 560;
    static constexpr int kHeight = 460;

    enum Item { kIndex, kName, kProtocolType, kAdvertisement, kUserProtocol, kEncap, kRowStatus };
    // Entries of the row status combo box.
    enum StatusEntry { kActiveEntry, kCreateAndGoEntry, kDestroyEntry };

    TProtocolVlanForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* Get = nullptr;
    QPushButton* Edit = nullptr;
    QPushButton* Add = nullptr;
    QPushButton* Delete = nullptr;
    QLabel* StaticText1 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QLineEdit* Index = nullptr;
    QLineEdit* Name = nullptr;
    QComboBox* ProtocolType = nullptr;
    QComboBox* Advertisement = nullptr;
    QLineEdit* UserProtocol = nullptr;
    QComboBox* Encap = nullptr;
    QComboBox* RowStatus = nullptr;
    VnStatusBar* StatusBar1 = nullptr;
    VnStatusPanel* StatusPanel = nullptr;  // the bar's first panel

    VnSNMPRequest2Edits* Binder = nullptr;

    void FormCreate();
    void GetClick();
    void AddClick();
    void EditClick();
    void DeleteClick();
    void ListView1Click();
    void ProtocolTypeChange();
    void ClearEdits();

    static constexpr const char* kIndexMissing = "Index must be set.";
    static constexpr const char* kIndexTaken = "There is already a record with the same Index. Please modified it.";
    static constexpr const char* kNotCreateAndGo = "Row State must be createAndGo.";

private:
    void BuildLayout();
    // Leaves out the columns whose fields are empty (and the user-defined
    // protocol and its encapsulation unless that type is chosen).
    void ApplyColumnRule(VnAccessScope& scope) const;
    // Sends under `scope`, puts the words back, reads the list again and
    // ends in the no-row mode, also after an exception; a refused input
    // keeps the fields.
    void SendAndReturn(VnAccessScope& scope, bool atSelectedRow);
    void ShowMode(bool rowSelected);
};

extern TProtocolVlanForm* ProtocolVlanForm;
