#pragma once
// The LACP state of every port (enterprise 802.3ad aggregation port table),
// read only: priorities, system IDs, keys, ports, aggregators, and the four
// state octets as eight boxes each on four pages.
#include <array>

#include "TDialogBase.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class VnSNMPRequest2Edits;

class TAggregatorPortTableForm : public TDialogBase {
public:
    static constexpr int kWidth = 700;
    static constexpr int kHeight = 480;
    static constexpr const char* kTitle = "Aggregator Port Table: ";
    static constexpr int kBoxes = 32;

    // The first of the four state octets; the others follow it.
    static constexpr int kActorAdminState = 19;

    TAggregatorPortTableForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* GetBtn = nullptr;
    QLabel* StaticText1 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    // CheckBox1 to CheckBox32: eight per page, the activity bit first.
    std::array<QCheckBox*, kBoxes> CheckBoxes{};
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Binder = nullptr;

    void FormCreate();
    void GetBtnClick();
    void OnAggregatorRefreshed();

private:
    void BuildLayout();
    void UncheckAll();
};

extern TAggregatorPortTableForm* AggregatorPortTableForm;
