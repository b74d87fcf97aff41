#pragma once
// The stacking figures of the switch (stacking version, units supported,
// units present), read only. The menu command sets the caption.
#include "TDialogBase.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class VnSNMPRequest2Edits;

class TEquipmentBasicInfoForm : public TDialogBase {
public:
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 189;
    static constexpr const char* kTitle = "Equipment Basic Information: ";

    // Items of the binder's list.
    enum Item { kCapacity, kStackingVersion, kMaxUnits, kUnitCount };

    TEquipmentBasicInfoForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* BitBtn1 = nullptr;       // "Refresh"
    QLineEdit* Edit1 = nullptr;           // "Equipment Capacity" (fixed text)
    QLineEdit* Edit2 = nullptr;           // "Max Supported Units"
    QLineEdit* Edit3 = nullptr;           // "Number Of Unit"
    QLineEdit* Edit4 = nullptr;           // "Stacking Version"
    QPlainTextEdit* Memo1 = nullptr;      // status lines

    VnSNMPRequest2Edits* Request = nullptr;

    void FormCreate();
    void BitBtn1Click();

private:
    void BuildLayout();
};

// Points at the dialog while it exists.
extern TEquipmentBasicInfoForm* EquipmentBasicInfoForm;
