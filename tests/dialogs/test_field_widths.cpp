// Every field of every built dialog shows the longest value its format
// admits whole, however the layout shares the room: a port of 8080 must not
// read "080". ctest runs this program at the screen's 96 DPI and again on a
// screen of 120 DPI (offscreen-120dpi.json, unscaled), where the forms' 8
// point font is a quarter larger in pixels.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

#include <memory>
#include <string>
#include <vector>

#include "TDialogBase.h"
#include "VnBindingTable.h"
#include "VnCommandTable.h"
#include "VnEditConstraint.h"
#include "VnEditWidth.h"
#include "VnTestScreen.h"
#include "dialog_test_support.h"
#include "every_dialog.h"

using namespace dialogtest;

namespace {

class DialogFieldWidths : public DialogSwitchTest {};

std::vector<std::string> Split(const std::string& list)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        names.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

// The width each edit of `row` needs for the longest value of its
// conversion, worked out on stand-ins of the same font.
std::vector<std::pair<QLineEdit*, QString>> LongestValues(const QWidget& form, const VnBinding& row)
{
    std::vector<QLineEdit*> edits;
    std::vector<std::unique_ptr<QLineEdit>> standIns;
    for (const std::string& name : Split(row.control)) {
        edits.push_back(form.findChild<QLineEdit*>(QString::fromStdString(name)));
        standIns.push_back(std::make_unique<QLineEdit>());
    }
    std::vector<QLineEdit*> scratch;
    for (auto& edit : standIns)
        scratch.push_back(edit.get());
    VnEditConstraint constraints(nullptr, false);
    constraints.AddConstraints(row.format, scratch);
    std::vector<std::pair<QLineEdit*, QString>> longest;
    for (std::size_t k = 0; k < edits.size(); ++k) {
        const _EditConstraint_s* record = constraints.Find(scratch[k]);
        if (!edits[k] || !record)
            continue;
        longest.emplace_back(edits[k], VnLongestAdmitted(*record, QFontMetrics(edits[k]->font())));
    }
    return longest;
}

TEST_F(DialogFieldWidths, EveryConstrainedEditShowsItsLongestValueWhole)
{
    const int dpi = VnTestScreenDpi();
    RecordProperty("dpi", dpi);
    int checked = 0;
    ForEveryDialog(Shown::Yes, [&](TDialogBase& form, const VnDialogCommand&) {
        for (const VnBindingTable* table : form.BindingTables()) {
            for (const VnBinding& row : table->rows) {
                if (row.kind != VnControlKind::Edits)
                    continue;
                for (const auto& [edit, longest] : LongestValues(form, row)) {
                    if (longest.isEmpty() || !edit->isVisibleTo(&form))
                        continue;
                    EXPECT_GE(edit->width(), VnLineEditWidth(*edit, longest))
                        << edit->objectName().toStdString() << " " << row.format << " at " << dpi << " DPI";
                    ++checked;
                }
            }
        }
    });
    EXPECT_GT(checked, 100);
}

// What counts as a format's longest value, in characters.
TEST(LongestAdmitted, ByFormat)
{
    const struct {
        const char* format;
        int chars;
        const char* why;
    } cases[] = {
        {"%i{n1x65535l5}", 5, "the larger bound"},
        {"%i{n1x8l1}", 1, "one digit"},
        {"%i", 11, "the default range, sign included"},
        {"%i{n0x2147483647l3}", 3, "the length limit is shorter than the bound"},
        {"%s{l8f}", 8, "an exact size"},
        {"%s{l255}", kVnWholeChars, "longer values scroll"},
        {"%s", 0, "no bound: no width of its own"},
    };
    QLineEdit edit;
    VnEditConstraint constraints(nullptr, false);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        QLineEdit field;
        constraints.AddConstraint(c.format, &field);
        const _EditConstraint_s* record = constraints.Find(&field);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(VnLongestAdmitted(*record, QFontMetrics(edit.font())).size(), c.chars) << c.format;
        constraints.RemoveConstraint(&field);
    }
}

}  // namespace
