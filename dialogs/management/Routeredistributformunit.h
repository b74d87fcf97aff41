#pragma once
// Route redistribution: which routes of a source (RIP, OSPF, static, local)
// go into RIP or OSPF, with a route type filter and a metric. The two
// protocols decide which route types can be chosen and the metric's range.
#include <array>

#include <initializer_list>

#include "VnListEditPair.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class VnSNMPRequest2Edits;

class TRouteRedistributForm : public TListFormBase {
public:
    static constexpr int kWidth = 560;
    static constexpr int kHeight = 520;
    static constexpr const char* kTitle = "Route Redistribution Table: ";

    // Items of the binder's list.
    enum Item { kSource, kDestination, kType, kMetric, kRowStatus };
    static constexpr int kTypeButtons = 10;

    TRouteRedistributForm(QWidget* owner, const VnDialogContext& context);

    QPushButton* RefreshBtn = nullptr;
    QPushButton* EditBtn = nullptr;  // "Set"
    QPushButton* AddBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QComboBox* ComboBox1 = nullptr;  // source
    QComboBox* ComboBox2 = nullptr;  // destination
    QLineEdit* Edit1 = nullptr;      // metric
    QLabel* Label5 = nullptr;        // the metric's range
    QComboBox* StComboBox = nullptr;  // row status, hidden
    QGroupBox* GroupBox2 = nullptr;
    // RadioButton1 "other" .. RadioButton10 "extType2"; button n stands for
    // the type entry n - 2.
    std::array<QRadioButton*, kTypeButtons> RadioButtons{};
    QComboBox* ComboBox3 = nullptr;  // type, hidden
    QPlainTextEdit* Memo1 = nullptr;

    VnSNMPRequest2Edits* Request = nullptr;

    void FormCreate();
    void RefreshBtnClick();
    void EditBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    // Step L: the row's type checks its button, then the coupling follows.
    void ListView1Click();
    // The protocols' coupling with the type buttons and the metric range.
    void ComboBox1Change();
    // Button n (1-10) checked: the type entry it stands for.
    void RadioButtonToggled(int n, bool checked);

    static constexpr const char* kRipRange = "[0..16]";
    static constexpr const char* kOspfRange = "[0..16777214]";
    static constexpr const char* kRipOutOfBound = "Metric out of Bound [0..16]";
    static constexpr const char* kOspfOutOfBound = "Metric out of Bound [0..16777214]";

private:
    void BuildLayout();
    void EnableTypes(std::initializer_list<int> buttons);
    // The metric checks of Set and Add, against the selected row's
    // destination for a Set; false when the command stops.
    bool MetricAccepted(bool atSelectedRow);
    // A selected row's protocols are its index: shown, not chosen, and no
    // Add over them.
    void FollowRowSelection();
    // One set with the status entry `statusEntry` at the selected row, or
    // at the protocols chosen (Add); the status shown comes back after.
    void ApplyWithStatus(int statusEntry, bool atSelectedRow);
};

extern TRouteRedistributForm* RouteRedistributForm;
