#include "VnSendBoxes.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

void VnTickOnUserEdit(QWidget* field, QCheckBox* sendBox)
{
    if (!field || !sendBox)
        return;
    // Only the signals a user's own action emits: setText, setCurrentIndex
    // and setChecked from the program emit none of them.
    const auto tick = [sendBox] {
        if (sendBox->isEnabled())
            sendBox->setChecked(true);
    };
    QList<QWidget*> controls = field->findChildren<QWidget*>();
    controls.prepend(field);
    for (QWidget* control : controls) {
        if (control == sendBox)
            continue;
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            QObject::connect(edit, &QLineEdit::textEdited, sendBox, tick);
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            QObject::connect(combo, &QComboBox::activated, sendBox, tick);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            QObject::connect(button, &QAbstractButton::clicked, sendBox, tick);
    }
}
