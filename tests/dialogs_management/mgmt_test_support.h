#pragma once
// The switch with the management dialogs' objects, and working a modal edit
// form from a test.
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <string>
#include <utility>

#include "dialog_test_support.h"

namespace mgmttest {

// The switch with default.sim and dialogs-mgmt.sim; new requests aimed at it.
class MgmtSwitchTest : public SessionSwitchTest {
protected:
    MgmtSwitchTest() : SessionSwitchTest("dialogs-mgmt.sim") {}
    void SetUp() override
    {
        SessionSwitchTest::SetUp();
        if (sim_)
            dialogtest::AimDefaults(port());
    }
};

// Runs the step posted at the form's first showing, inside its modal loop;
// a form that opens late (after a wait of its own) still gets it.
class OnFirstShow : public QObject {
public:
    OnFirstShow(QDialog* form, std::function<void()> step) : form_(form), step_(std::move(step))
    {
        form->installEventFilter(this);
    }
    ~OnFirstShow() override
    {
        if (form_)
            form_->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == form_ && event->type() == QEvent::Show && step_)
            QTimer::singleShot(0, this, std::exchange(step_, {}));
        return false;
    }

private:
    QPointer<QDialog> form_;
    std::function<void()> step_;
};

// Runs `open`; once `form` is shown modally, `inside` runs, and the form is
// closed unless `inside` closed it (a failed step included). Whether the
// form was shown.
inline bool WhileShown(QDialog* form, const std::function<void()>& open, const std::function<void()>& inside = {})
{
    bool shown = false;
    OnFirstShow onShow(form, [&] {
        if (!form->isVisible())
            return;
        shown = true;
        if (inside)
            inside();
        if (form->isVisible())
            form->reject();
    });
    open();
    RunEvents(1);
    return shown;
}

// Selects the row whose column `column` shows `text`; false when none does.
inline bool SelectRow(QTreeWidget* list, int column, const QString& text)
{
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        if (item->text(column) == text) {
            list->setCurrentItem(item);
            return true;
        }
    }
    return false;
}

inline std::string Hex(const std::string& text)
{
    return QByteArray::fromStdString(text).toHex().toUpper().toStdString();
}

}  // namespace mgmttest
