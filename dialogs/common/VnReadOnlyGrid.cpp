#include "VnReadOnlyGrid.h"

#include <QCheckBox>
#include <QEvent>
#include <QObject>

#include "Stackingportuitformunit.h"

namespace {

// Eats what would toggle a box: mouse buttons and keys.
class ToggleBlocker : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return true;
        default:
            return QObject::eventFilter(watched, event);
        }
    }
};

}  // namespace

void VnMakeGridsReadOnly(std::initializer_list<TStackingPortUitForm*> grids)
{
    for (TStackingPortUitForm* grid : grids) {
        if (!grid)
            continue;
        // Disabled boxes would grey the ports out; these still read as data.
        auto* blocker = new ToggleBlocker(grid);
        for (QCheckBox* box : grid->CheckBoxList()) {
            box->installEventFilter(blocker);
            box->setFocusPolicy(Qt::NoFocus);
        }
    }
}
