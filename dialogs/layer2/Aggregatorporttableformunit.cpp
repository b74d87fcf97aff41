#include "Aggregatorporttableformunit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "LacpMib.h"
#include "VnDialogFrame.h"
#include "VnSNMPRequest2Edits.h"

TAggregatorPortTableForm* AggregatorPortTableForm = nullptr;

namespace {

using K = VnControlKind;
using F = TAggregatorPortTableForm;

constexpr const char* kStateBits = "0,1,2,3,4,5,6,7";
constexpr const char* kBitCaptions[] = {"lacpActivity", "lacpTimeout",  "aggregation", "synchronisation",
                                        "collecting",   "distributing", "defaulted",   "expired"};
constexpr const char* kPageCaptions[] = {"Actor Admin State", "Actor Oper State", "Partner Admin State",
                                         "Partner Oper State"};

const VnBindingTable kAggregatorPortBindings{
    .descriptors = AggregatorPortTable,
    .itemType = MVT_FMV,
    .keyCount = 1,
    .rows = {{-1, K::ListView, "ListView1"},
             {F::kActorAdminState, K::CheckBoxes, "CheckBox1,CheckBox2,CheckBox3,CheckBox4,CheckBox5,CheckBox6,"
                                                  "CheckBox7,CheckBox8", kStateBits},
             {F::kActorAdminState + 1, K::CheckBoxes, "CheckBox9,CheckBox10,CheckBox11,CheckBox12,CheckBox13,"
                                                      "CheckBox14,CheckBox15,CheckBox16", kStateBits},
             {F::kActorAdminState + 2, K::CheckBoxes, "CheckBox17,CheckBox18,CheckBox19,CheckBox20,CheckBox21,"
                                                      "CheckBox22,CheckBox23,CheckBox24", kStateBits},
             {F::kActorAdminState + 3, K::CheckBoxes, "CheckBox25,CheckBox26,CheckBox27,CheckBox28,CheckBox29,"
                                                      "CheckBox30,CheckBox31,CheckBox32", kStateBits}},
    .statusOutput = "Memo1",
    .rowCount = "StaticText1",
};

}  // namespace

TAggregatorPortTableForm::TAggregatorPortTableForm(QWidget* owner, const VnDialogContext& context)
    : TDialogBase(owner, context, kWidth, kHeight)
{
    SetFormPointer(AggregatorPortTableForm);
    setWindowTitle("Aggregator Port Table");
    BuildLayout();
    FormCreate();
}

void TAggregatorPortTableForm::BuildLayout()
{
    VnDialogFrame frame(*this);
    ListView1 = frame.ListView("ListView1");
    QWidget* panel = frame.EditArea("Panel2");
    Memo1 = frame.Memo("Memo1");
    StaticText1 = frame.Count("StaticText1");
    GetBtn = frame.Button("GetBtn", "Refresh");

    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    PageControl1 = new QTabWidget(panel);
    PageControl1->setObjectName("PageControl1");
    layout->addWidget(PageControl1, 0, 0);
    for (int page = 0; page < 4; ++page) {
        auto* sheet = new QWidget(PageControl1);
        sheet->setObjectName(QString("TabSheet%1").arg(page + 1));
        auto* boxes = new QGridLayout(sheet);
        for (int bit = 0; bit < 8; ++bit) {
            const int n = page * 8 + bit;
            auto* box = new QCheckBox(kBitCaptions[bit], sheet);
            box->setObjectName(QString("CheckBox%1").arg(n + 1));
            boxes->addWidget(box, bit / 4, bit % 4);
            CheckBoxes[static_cast<std::size_t>(n)] = box;
        }
        PageControl1->addTab(sheet, kPageCaptions[page]);
    }

    On(GetBtn, &QPushButton::clicked, [this] { GetBtnClick(); });
}

void TAggregatorPortTableForm::FormCreate()
{
    SetTitle(kTitle);
    SetErrorLanding(VnErrorLanding::MemoLine(Memo1));
    GetBtn->setEnabled(false);
    const bool started = OpenBinder(Binder, kAggregatorPortBindings, VnErrorLanding::MemoLine(Memo1),
                                    [this](VnSNMPRequest2Edits& binder) {
                                        binder.OnRefreshDone = [this](VnSNMPRequest2Controls&, const VnSNMPError&) {
                                            OnAggregatorRefreshed();
                                        };
                                        // A row's octets land on empty pages: a short one
                                        // (the -519 message) leaves no earlier row's bits.
                                        binder.OnRowSelecting = [this](QTreeWidgetItem* row) {
                                            if (row)
                                                UncheckAll();
                                        };
                                    });
    if (!started)
        GetBtn->setEnabled(true);
}

void TAggregatorPortTableForm::OnAggregatorRefreshed()
{
    GetBtn->setEnabled(true);
    for (QCheckBox* box : CheckBoxes)
        box->setEnabled(true);
}

void TAggregatorPortTableForm::UncheckAll()
{
    for (QCheckBox* box : CheckBoxes)
        box->setChecked(false);
}

void TAggregatorPortTableForm::GetBtnClick()
{
    if (!CommandAllowed())
        return;
    GetBtn->setEnabled(false);
    const bool started = VnGuarded(VnErrorLanding::MemoLine(Memo1), [this] { Binder->Refresh(); });
    UncheckAll();
    if (!started)
        GetBtn->setEnabled(true);
}
