#include "VnOptionControls.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QString>
#include <QStringList>

#include "VnOptionList.h"
#include "VnRadioGroup.h"
#include "VnSNMPVarList.h"

namespace {

// Marks the entry of a value outside the option list.
constexpr int kRawValueRole = Qt::UserRole + 41;

void DropRawEntries(QComboBox* combo)
{
    for (int i = combo->count() - 1; i >= 0; --i) {
        if (combo->itemData(i, kRawValueRole).toBool())
            combo->removeItem(i);
    }
}

QStringList Labels(const VnOptionList& list)
{
    QStringList labels;
    for (int i = 0; i < list.Count(); ++i)
        labels << QString::fromStdString(list.Item(i).label);
    return labels;
}

}  // namespace

void FillComboBox(const VnOptionList& list, QComboBox* combo)
{
    if (!combo)
        return;
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(Labels(list));
    // Qt selects the first entry of a filled list box by itself.
    combo->setCurrentIndex(-1);
}

void FillRadioGroup(const VnOptionList& list, VnRadioGroup* group)
{
    if (group)
        group->SetItems(Labels(list));
}

void SelectComboBox(const VnOptionList& list, QComboBox* combo, std::string_view text)
{
    if (!combo)
        return;
    const QSignalBlocker quiet(combo);
    DropRawEntries(combo);
    combo->setCurrentIndex(list.IndexOfLabel(text));
    if (combo->currentIndex() < 0)
        combo->setCurrentIndex(list.IndexOfValue(text));
    if (combo->currentIndex() >= 0 || text.empty() || IsNoValueText(text))
        return;
    // An empty box would hide what the agent holds, and a form's check
    // would take it for a field left empty.
    combo->addItem(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    combo->setItemData(combo->count() - 1, true, kRawValueRole);
    combo->setCurrentIndex(combo->count() - 1);
}

bool VnComboShowsRawValue(const QComboBox* combo)
{
    return combo && combo->currentIndex() >= 0 && combo->itemData(combo->currentIndex(), kRawValueRole).toBool();
}

void SelectRadioGroup(const VnOptionList& list, VnRadioGroup* group, std::string_view text)
{
    if (!group)
        return;
    group->SetItemIndex(list.IndexOfLabel(text));
    if (group->ItemIndex() < 0)
        group->SetItemIndex(list.IndexOfValue(text));
}
