// A change the user makes to a field ticks its send box; what the program
// puts into the field ticks nothing.
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <functional>

#include <gtest/gtest.h>

#include "VnSendBoxes.h"

namespace {

struct Field {
    QWidget form;
    QLineEdit* edit = new QLineEdit(&form);
    QComboBox* combo = new QComboBox(&form);
    QCheckBox* flag = new QCheckBox(&form);
    QWidget* group = new QWidget(&form);  // holds two edits and a box, as a port grid does
    QLineEdit* inner = new QLineEdit(group);
    QCheckBox* port = new QCheckBox(group);
    QCheckBox* editBox = new QCheckBox(&form);
    QCheckBox* comboBox = new QCheckBox(&form);
    QCheckBox* flagBox = new QCheckBox(&form);
    QCheckBox* groupBox = new QCheckBox(&form);

    Field()
    {
        combo->addItems({"one", "two"});
        VnTickOnUserEdit(edit, editBox);
        VnTickOnUserEdit(combo, comboBox);
        VnTickOnUserEdit(flag, flagBox);
        VnTickOnUserEdit(group, groupBox);
    }
};

struct Case {
    const char* why;
    std::function<void(Field&)> act;
    std::function<QCheckBox*(Field&)> box;
    bool ticked;
};

const Case kCases[] = {
    {"typing ticks", [](Field& f) { QTest::keyClicks(f.edit, "10"); }, [](Field& f) { return f.editBox; }, true},
    {"a text the program sets ticks nothing", [](Field& f) { f.edit->setText("10"); },
     [](Field& f) { return f.editBox; }, false},
    {"choosing ticks", [](Field& f) { emit f.combo->activated(1); }, [](Field& f) { return f.comboBox; }, true},
    {"an entry the program selects ticks nothing", [](Field& f) { f.combo->setCurrentIndex(1); },
     [](Field& f) { return f.comboBox; }, false},
    {"a click ticks", [](Field& f) { f.flag->click(); }, [](Field& f) { return f.flagBox; }, true},
    {"a tick the program makes ticks nothing", [](Field& f) { f.flag->setChecked(true); },
     [](Field& f) { return f.flagBox; }, false},
    {"a control inside the field ticks", [](Field& f) { f.port->click(); }, [](Field& f) { return f.groupBox; },
     true},
    {"an edit inside the field ticks", [](Field& f) { QTest::keyClicks(f.inner, "x"); },
     [](Field& f) { return f.groupBox; }, true},
    {"a disabled box stays unticked", [](Field& f) { f.editBox->setEnabled(false); QTest::keyClicks(f.edit, "1"); },
     [](Field& f) { return f.editBox; }, false},
    {"another field's box stays", [](Field& f) { QTest::keyClicks(f.edit, "1"); },
     [](Field& f) { return f.comboBox; }, false},
};

}  // namespace

TEST(SendBoxes, UserChangesTickTheFieldsBox)
{
    for (const Case& c : kCases) {
        Field field;
        c.act(field);
        EXPECT_EQ(c.box(field)->isChecked(), c.ticked) << c.why;
    }
}

TEST(SendBoxes, AnUntickedBoxStaysUntilTheNextChange)
{
    Field field;
    QTest::keyClicks(field.edit, "1");
    field.editBox->click();
    EXPECT_FALSE(field.editBox->isChecked()) << "the user unticked it";
    field.edit->setText("5");
    EXPECT_FALSE(field.editBox->isChecked()) << "the program's text does not undo the user's untick";
    QTest::keyClicks(field.edit, "2");
    EXPECT_TRUE(field.editBox->isChecked()) << "a new change ticks again";
}
