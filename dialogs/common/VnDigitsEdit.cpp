#include "VnDigitsEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

class DigitsFilter : public QObject {
public:
    explicit DigitsFilter(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        // Control keys (Backspace, Delete, arrows, Tab) carry no printable text.
        if (text.isEmpty() || !text.at(0).isPrint() || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        for (const QChar c : text) {
            if (c < u'0' || c > u'9') {
                QApplication::beep();
                return true;
            }
        }
        return false;
    }
};

}  // namespace

void VnDigitsOnly(QLineEdit* edit)
{
    edit->installEventFilter(new DigitsFilter(edit));
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
}
