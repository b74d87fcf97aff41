// Geometry and button rules of the panels, without an agent: which buttons
// each kind of editor shows, where the rows and buttons go, how the panels
// and forms size themselves, glyph files, and the builders' refusals.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "TConfigForm.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMsgPanel.h"
#include "TSNMPListViewPanel.h"
#include "VnButtonGlyphs.h"
#include "VnException.h"
#include "VnMessageBox.h"
#include "configform_support.h"

using namespace formtest;

namespace {

std::unique_ptr<VnSNMPRequest2Edits> Binder(QWidget* owner, const VnSNMPVarDesc* table, unsigned char type,
                                            unsigned keys)
{
    return MakeBinder(owner, table, type, keys, 9);
}

std::map<std::string, QWidget*> Controls(TCtrlBtnPanel* c)
{
    return {{"Count", c->CountText},     {"Samples", c->SamplesLabel},   {"Refresh", c->RefreshBtn},
            {"Edit", c->EditBtn},         {"SetChecked", c->SetCheckedBtn}, {"Add", c->AddBtn},
            {"Delete", c->DeleteBtn},     {"CheckAll", c->CheckAllBtn},   {"ClearChecks", c->ClearChecksBtn},
            {"Close", c->CloseBtn}};
}

std::set<std::string> Shown(TCtrlBtnPanel* column)
{
    std::set<std::string> shown;
    for (const auto& [name, control] : Controls(column)) {
        if (!control->isHidden())
            shown.insert(name);
    }
    return shown;
}

std::set<std::string> Enabled(TCtrlBtnPanel* column)
{
    std::set<std::string> enabled;
    for (const auto& [name, control] : Controls(column)) {
        if (!control->isHidden() && control->isEnabled())
            enabled.insert(name);
    }
    return enabled;
}

const VnSNMPVarDesc kReadOnly[] = {
    {FORMTEST_S(4), "Uptime", S::TimeTicks, A::ReadOnly},
    {FORMTEST_S(5), "Description", S::DisplayStr, A::ReadOnly},
    {},
};
const VnSNMPVarDesc kOneWritable[] = {
    {FORMTEST_S(4), "Uptime", S::TimeTicks, A::ReadOnly},
    {FORMTEST_S(1), "System Name", S::DisplayStr, A::ReadWrite},
    {FORMTEST_S(5), "Description", S::DisplayStr, A::ReadOnly},
    {},
};
// A table whose columns are all index or read-only.
const VnSNMPVarDesc kFixedTable[] = {
    {" ", "VLAN", S::Integer, A::NotAccess},
    {FORMTEST_T(3), "Name", S::DisplayStr, A::ReadOnly},
    {FORMTEST_T(5), "Status", S::Integer, A::ReadOnly, &kRowStatusOptions},
    {},
};
// Forty writable rows: more than a form shows at once.
std::vector<VnSNMPVarDesc> ManyRows()
{
    static std::vector<std::string> labels;
    std::vector<VnSNMPVarDesc> rows;
    for (int i = 0; i < 40; ++i)
        labels.push_back("Setting number " + std::to_string(i));
    for (int i = 0; i < 40; ++i)
        rows.push_back({FORMTEST_S(1), labels[static_cast<std::size_t>(i)].c_str(), S::DisplayStr, A::ReadWrite});
    rows.push_back({});
    return rows;
}

}  // namespace

TEST(ConfigFormLayout, ButtonsEachEditorShows)
{
    struct Case {
        const char* why;
        const VnSNMPVarDesc* table;
        unsigned char type;
        unsigned keys;
        bool listView;
        const char* add;
        const char* del;
        std::set<std::string> shown;
        std::set<std::string> enabled;
    };
    const std::vector<Case> cases = {
        {"nothing to write: read and close only", kReadOnly, SVT_SV, 0, false, nullptr, nullptr,
         {"Refresh", "Close"}, {"Refresh", "Close"}},
        {"one writable row: a plain Set, ready", kOneWritable, SVT_SV, 0, false, nullptr, nullptr,
         {"Refresh", "SetChecked", "Close"}, {"Refresh", "SetChecked", "Close"}},
        {"several writable rows: Set Checked waits for a tick", kScalars, SVT_SV, 0, false, nullptr, nullptr,
         {"Refresh", "SetChecked", "CheckAll", "ClearChecks", "Close"}, {"Refresh", "CheckAll", "ClearChecks", "Close"}},
        {"table with both status values", kTable, MVT_FMV, 2, true, "createAndGo", "destroy",
         {"Count", "Samples", "Refresh", "Edit", "Add", "Delete", "Close"}, {"Count", "Samples", "Refresh", "Add", "Close"}},
        {"table without status values", kTable, MVT_FMV, 2, true, nullptr, nullptr,
         {"Count", "Samples", "Refresh", "Edit", "Close"}, {"Count", "Samples", "Refresh", "Close"}},
        {"table with nothing to edit has no Edit", kFixedTable, MVT_FMV, 1, true, nullptr, nullptr,
         {"Count", "Samples", "Refresh", "Close"}, {"Count", "Samples", "Refresh", "Close"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TConfigForm form;
        auto binder = Binder(&form, c.table, c.type, c.keys);
        TSNMPEditorPanel* panel = c.listView
                                      ? form.SetListViewPanel(std::move(binder), c.add ? kStatus : -1, c.add,
                                                              c.del ? kStatus : -1, c.del)
                                      : form.SetEditorPanel(std::move(binder));
        EXPECT_EQ(Shown(panel->CtrlBtnPanel), c.shown);
        EXPECT_EQ(Enabled(panel->CtrlBtnPanel), c.enabled);
    }
}

TEST(ConfigFormLayout, OneWritableRowIsSentWithAPlainSet)
{
    TConfigForm form;
    TSNMPEditorPanel* panel = form.SetEditorPanel(Binder(&form, kOneWritable, SVT_SV, 0));
    EXPECT_EQ(panel->CtrlBtnPanel->SetCheckedBtn->text(), "Set");
    const _EditRow_s& row = panel->EditsPanel->Rows[1];
    EXPECT_TRUE(row.CheckBox->isChecked()) << "the one row goes out";
    EXPECT_TRUE(row.CheckBox->isHidden()) << "a box alone says nothing";
    EXPECT_EQ(row.CtrlType, 2);
    EXPECT_EQ(panel->EditsPanel->Rows[0].CtrlType, 1);
}

TEST(ConfigFormLayout, TheButtonColumnStacksShownControls)
{
    TCtrlBtnPanel column(nullptr);
    EXPECT_EQ(column.width(), 116);
    column.EditBtn->hide();
    column.ArrangeButtons();
    const QWidget* previous = nullptr;
    for (QWidget* control : column.StackedControls) {
        EXPECT_EQ(control->x(), 10);
        EXPECT_EQ(control->width(), 96);
        if (control->isHidden())
            continue;
        if (!previous)
            EXPECT_EQ(control->y(), 10) << "the first shown control is at the top margin";
        else
            EXPECT_EQ(control->y(), previous->y() + previous->height() + 5);
        previous = control;
    }
    EXPECT_EQ(column.NeededHeight(), previous->y() + previous->height() + 10);
}

TEST(ConfigFormLayout, RowsAlignOnTheWidestLabel)
{
    TConfigForm form;
    auto binder = Binder(&form, kScalars, SVT_SV, 0);
    binder->request.varList.Item(kContact).access |= A::Hidden;
    TSNMPEditorPanel* panel = form.SetEditorPanel(std::move(binder));
    TEditsPanel* edits = panel->EditsPanel;
    const int labelWidth = edits->MaxLabelWidth();
    EXPECT_EQ(labelWidth, edits->Rows[kName].Label->width()) << "\"System Name\" is the widest";
    int top = 20;
    bool first = true;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < edits->RowCount(); ++i) {
        SCOPED_TRACE(i);
        const _EditRow_s& row = edits->Rows[static_cast<std::size_t>(i)];
        EXPECT_EQ(row.InputCtrl->width(), 121);
        if (i == kContact)
            continue;  // hidden: takes no room
        if (!first)
            top += row.InputCtrl->height() + 5;
        first = false;
        EXPECT_GE(row.InputCtrl->height(), 21);
        EXPECT_EQ(row.InputCtrl->y(), top);
        EXPECT_EQ(row.CheckBox->x(), 20);
        EXPECT_EQ(row.Label->x(), 20 + row.CheckBox->width() + 5);
        EXPECT_EQ(row.InputCtrl->x(), row.Label->x() + labelWidth + 5);
        EXPECT_EQ(row.Label->y(), top + (row.InputCtrl->height() - row.Label->height()) / 2);
        right = std::max(right, row.InputCtrl->geometry().right() + 1);
        bottom = std::max(bottom, row.InputCtrl->geometry().bottom() + 1);
    }
    EXPECT_EQ(edits->sizeHint(), QSize(right + 40, bottom + 40));
    EXPECT_EQ(panel->width(), edits->sizeHint().width() + 116 + 3 + 3);
}

TEST(ConfigFormLayout, FormsStayWithin800By550ExceptPageForms)
{
    const std::vector<VnSNMPVarDesc> many = ManyRows();
    TConfigForm scalar;
    TSNMPEditorPanel* panel = scalar.SetEditorPanel(Binder(&scalar, many.data(), SVT_SV, 0));
    EXPECT_EQ(scalar.height(), 550) << "a taller panel is cut to the limit";
    EXPECT_LE(scalar.width(), 800);
    panel->SetEditWidth(900);
    EXPECT_EQ(scalar.width(), 800);
    for (const _EditRow_s& row : panel->EditsPanel->Rows)
        EXPECT_EQ(row.InputCtrl->width(), 900);
    scalar.show();
    EXPECT_GT(panel->EditsPanel->ScrollBox()->verticalScrollBar()->maximum(), 0) << "the rows scroll";
    EXPECT_GT(panel->EditsPanel->ScrollBox()->horizontalScrollBar()->maximum(), 0);

    TConfigForm pages;
    pages.SetPageMode();
    pages.AddEditorPage("Many", Binder(&pages, many.data(), SVT_SV, 0));
    EXPECT_GT(pages.height(), 550) << "pages grow without the limit";
}

TEST(ConfigFormLayout, ListViewPanelShowsEveryColumn)
{
    const VnSNMPVarDesc two[] = {
        {FORMTEST_T(3), "Index", S::Integer, A::ReadOnly},
        {FORMTEST_T(4), "Description", S::DisplayStr, A::ReadOnly},
        {},
    };
    std::vector<std::string> labels(10, "Long caption");
    std::vector<VnSNMPVarDesc> ten;
    for (const std::string& label : labels)
        ten.push_back({FORMTEST_T(3), label.c_str(), S::DisplayStr, A::ReadOnly});
    ten.push_back({});
    struct Case {
        const char* why;
        const VnSNMPVarDesc* table;
        int captionPixels;  // 8 per character, before the frame: the least width
        bool whole;         // every column shows without scrolling
    };
    const Case cases[] = {
        {"5 and 11 characters: 8 pixels a character would cut the captions", two, 128, true},
        {"ten long captions: as wide as a form shows, then the list scrolls", ten.data(), 450, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        QWidget owner;
        auto binder = Binder(&owner, c.table, MVT_FMV, 1);
        TListViewPanel panel(&owner, binder.get());
        EXPECT_GE(panel.sizeHint().width(), 2 * panel.ListView->frameWidth() + c.captionPixels);
        EXPECT_EQ(panel.sizeHint().height(), 350);
        EXPECT_LE(panel.sizeHint().width(), TSNMPPanel::kMaxWorkWidth);
        panel.resize(panel.sizeHint());
        owner.show();
        RunEvents(20);
        EXPECT_EQ(panel.ListView->horizontalScrollBar()->maximum() == 0, c.whole);
        if (!c.whole) {
            EXPECT_EQ(panel.sizeHint().width(), TSNMPPanel::kMaxWorkWidth);
        }
    }

    TConfigForm form;
    form.SetListViewPanel(Binder(&form, ten.data(), MVT_FMV, 1), -1, nullptr, -1, nullptr);
    EXPECT_EQ(form.width(), 800) << "the form is as wide as it may be";
}

namespace {

// Whether `input`, an edit, shows `text` without scrolling it: the text
// area is the contents less 2 pixels either side.
bool RoomFor(const QWidget* input, const QString& text)
{
    auto* edit = qobject_cast<const QLineEdit*>(input);
    if (!edit)
        return false;
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    return contents.width() - 4 >= QFontMetrics(edit->font()).horizontalAdvance(text);
}

}  // namespace

TEST(ConfigFormLayout, InputsWidenForTheLongestTextTheyShow)
{
    const QString date = "2006-03-07 10:15:30";
    const QString longLimit(32, 'x');
    struct Case {
        const char* why;
        std::function<void(TSNMPEditorPanel&)> act;
        QString text;  // the inputs must have room for it; empty: they keep `width`
        int width;
    };
    const Case cases[] = {
        {"a value read wider than 121 pixels",
         [&](TSNMPEditorPanel& p) { qobject_cast<QLineEdit*>(p.EditsPanel->Rows[kDescription].InputCtrl)->setText(date); },
         date, 0},
        {"the longest text of a constraint",
         [](TSNMPEditorPanel& p) { p.SetVarFormat(kContact, "%s{l32}"); }, longLimit, 0},
        {"a range whose numbers fit", [](TSNMPEditorPanel& p) { p.SetVarFormat(kContact, "%i{n-779x839l4}"); }, {},
         121},
        {"what the user types",
         [&](TSNMPEditorPanel& p) { QTest::keyClicks(p.EditsPanel->Rows[kContact].InputCtrl, date); }, {}, 121},
        {"a width a command chose stays for what the user types",
         [&](TSNMPEditorPanel& p) {
             p.SetEditWidth(150);
             QTest::keyClicks(p.EditsPanel->Rows[kContact].InputCtrl, date + date);
         },
         {}, 150},
        {"a width a command chose stays for a constraint's longest text",
         [](TSNMPEditorPanel& p) {
             p.SetEditWidth(150);
             p.SetVarFormat(kContact, "%s{l32}");
         },
         {}, 150},
        {"a value read wider than a width a command chose",
         [&](TSNMPEditorPanel& p) {
             p.SetEditWidth(150);
             qobject_cast<QLineEdit*>(p.EditsPanel->Rows[kDescription].InputCtrl)->setText(date + date);
         },
         date + date, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        TConfigForm form;
        TSNMPEditorPanel* panel = form.SetEditorPanel(Binder(&form, kScalars, SVT_SV, 0));
        form.show();
        RunEvents(20);
        const int formWidth = form.width();
        c.act(*panel);
        RunEvents(20);
        const TEditsPanel* edits = panel->EditsPanel;
        for (const _EditRow_s& row : edits->Rows)
            EXPECT_EQ(row.InputCtrl->width(), edits->Rows[0].InputCtrl->width()) << "the inputs stay one column";
        if (c.text.isEmpty()) {
            EXPECT_EQ(edits->Rows[0].InputCtrl->width(), c.width);
            continue;
        }
        EXPECT_TRUE(RoomFor(edits->Rows[0].InputCtrl, c.text)) << edits->Rows[0].InputCtrl->width();
        EXPECT_GT(form.width(), formWidth) << "the form grows with them";
        const QScrollArea* box = edits->ScrollBox();
        EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0) << "nothing to scroll to";
    }

    // A limit too long for any form: the inputs stop where the form does.
    TConfigForm form;
    TSNMPEditorPanel* panel = form.SetEditorPanel(Binder(&form, kScalars, SVT_SV, 0));
    panel->SetVarFormat(kContact, "%s{l255}");
    EXPECT_EQ(form.width(), 800);
    form.show();
    RunEvents(20);
    EXPECT_EQ(panel->EditsPanel->ScrollBox()->horizontalScrollBar()->maximum(), 0);
}

TEST(ConfigFormLayout, BuildersRefuseMisuse)
{
    VnMessageBoxCapture boxes;
    auto raised = [](auto&& call) -> std::string {
        try {
            call();
        } catch (const VnException& e) {
            return e.what();
        }
        return "(nothing)";
    };
    TConfigForm form;
    TSNMPEditorPanel* panel = form.SetEditorPanel(Binder(&form, kOneWritable, SVT_SV, 0));
    EXPECT_EQ(raised([&] { form.SetEditorPanel(Binder(&form, kScalars, SVT_SV, 0)); }),
              "Can not change Type of a Config Form!");
    EXPECT_EQ(raised([&] { form.SetPageMode(); }), "Can not change Type of a Config Form!");
    EXPECT_EQ(form.Requests().size(), 1u) << "a refused binder is not kept";
    EXPECT_EQ(form.FormType(), TConfigForm::kTypeEditor);
    EXPECT_EQ(raised([&] { form.AddEditorPage("Page", Binder(&form, kScalars, SVT_SV, 0)); }),
              "Can not add editor page to a none-page pannel!");
    EXPECT_EQ(raised([&] { panel->SetVarFormat(1, "%s{l8}"); }), "(nothing)");

    TConfigForm scalars;
    TSNMPEditorPanel* editor = scalars.SetEditorPanel(Binder(&scalars, kScalars, SVT_SV, 0));
    EXPECT_EQ(raised([&] { editor->SetVarFormat(kState, "%i"); }), "Can not set Var format to a ComboBox!");
    EXPECT_EQ(raised([&] { editor->SetVarFormat(99, "%i"); }), "Unknow UI Control type!");

    const VnSNMPVarDesc optionsReadOnly[] = {{FORMTEST_S(2), "State", S::Integer, A::ReadOnly, &kStateOptions}, {}};
    TConfigForm shown;
    TSNMPEditorPanel* labels = shown.SetEditorPanel(Binder(&shown, optionsReadOnly, SVT_SV, 0));
    EXPECT_EQ(labels->EditsPanel->Rows[0].CtrlType, 4) << "an option label in a read-only edit";
    EXPECT_EQ(raised([&] { labels->SetVarFormat(0, "%i"); }), "Unknow UI Control type!");

    TConfigForm table;
    EXPECT_EQ(raised([&] { table.SetListViewPanel(Binder(&table, kTable, MVT_FMV, 2), kStatus, "bogus", -1, nullptr); }),
              "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:bogus");
    TConfigForm table2;
    EXPECT_EQ(raised([&] { table2.SetListViewPanel(Binder(&table2, kTable, MVT_FMV, 2), -1, nullptr, kRowName, "destroy"); }),
              "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy")
        << "a column that is not a combo box";
    TConfigForm table3;
    EXPECT_EQ(raised([&] { table3.SetListViewPanel(Binder(&table3, kTable, MVT_FMV, 2), kStatus, "CREATEANDGO", -1, nullptr); }),
              "(nothing)") << "labels are found whatever their case";

    EXPECT_EQ(raised([&] { TEditsPanel(nullptr, nullptr).ArrangeCtrlBtn(panel->CtrlBtnPanel); }),
              "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    editor->EditsPanel->DisableRow(5);
    TSNMPPanel orphan(nullptr, nullptr);
    orphan.CloseBtnClick();
    EXPECT_EQ(boxes.Texts(), (QStringList{"aIdx is overtop!\n you may define < 5", "Please initial close form"}));
}

TEST(ConfigFormLayout, GlyphFilesInTheCurrentDirectoryReplaceCaptions)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    struct Restore {
        QString path;
        ~Restore() { QDir::setCurrent(path); }
    } restore{previous};

    ASSERT_TRUE(VnDrawButtonGlyph("Close.bmp").save(folder.filePath("Close.bmp"), "BMP"));
    {
        TCtrlBtnPanel column(nullptr);
        EXPECT_TRUE(column.CloseBtn->text().isEmpty());
        EXPECT_FALSE(column.CloseBtn->icon().isNull());
        EXPECT_EQ(column.RefreshBtn->text(), "Refresh") << "no file: the caption stays";
    }
    // An unreadable file ends the step: the buttons after it keep captions.
    QFile broken(folder.filePath("Get.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a bitmap");
    broken.close();
    {
        TCtrlBtnPanel column(nullptr);
        EXPECT_EQ(column.RefreshBtn->text(), "Refresh");
        EXPECT_EQ(column.CloseBtn->text(), "Close");
    }
    const QImage loaded = VnLoadGlyph(folder.filePath("Close.bmp")).toImage();
    EXPECT_EQ(qAlpha(loaded.pixel(0, 15)), 0) << "the bottom-left colour is see-through";
    EXPECT_EQ(qAlpha(loaded.pixel(7, 8)), 255);
}
