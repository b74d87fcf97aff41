#include "VnRadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

VnRadioGroup::VnRadioGroup(QWidget* parent) : VnRadioGroup(QString(), parent) {}

VnRadioGroup::VnRadioGroup(const QString& title, QWidget* parent)
    : QGroupBox(title, parent), layout_(new QVBoxLayout(this))
{
    buttons_.setExclusive(true);
}

QStringList VnRadioGroup::Items() const
{
    QStringList texts;
    for (QAbstractButton* button : buttons_.buttons())
        texts << button->text();
    return texts;
}

int VnRadioGroup::Count() const
{
    return static_cast<int>(buttons_.buttons().size());
}

void VnRadioGroup::AddItem(const QString& text)
{
    auto* button = new QRadioButton(text, this);
    buttons_.addButton(button, Count());
    layout_->addWidget(button);
}

void VnRadioGroup::SetItems(const QStringList& texts)
{
    ClearItems();
    for (const QString& text : texts)
        AddItem(text);
}

void VnRadioGroup::ClearItems()
{
    const QList<QAbstractButton*> old = buttons_.buttons();
    for (QAbstractButton* button : old) {
        buttons_.removeButton(button);
        delete button;
    }
}

int VnRadioGroup::ItemIndex() const
{
    return buttons_.checkedId();
}

void VnRadioGroup::SetItemIndex(int index)
{
    if (index >= Count())
        index = Count() - 1;
    if (index < 0) {
        // An exclusive group never lets its last checked button go.
        QAbstractButton* checked = buttons_.checkedButton();
        if (!checked)
            return;
        buttons_.setExclusive(false);
        checked->setChecked(false);
        buttons_.setExclusive(true);
        return;
    }
    if (QAbstractButton* button = buttons_.button(index))
        button->setChecked(true);
}

QString VnRadioGroup::SelectedText() const
{
    QAbstractButton* checked = buttons_.checkedButton();
    return checked ? checked->text() : QString();
}

QRadioButton* VnRadioGroup::Button(int index) const
{
    return static_cast<QRadioButton*>(buttons_.button(index));
}
