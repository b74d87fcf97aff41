#include "VnOptionControls.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QString>
#include <QStringList>

#include "VnOptionList.h"
#include "VnRadioGroup.h"

namespace {

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
    combo->setCurrentIndex(list.IndexOfLabel(text));
    if (combo->currentIndex() < 0)
        combo->setCurrentIndex(list.IndexOfValue(text));
}

void SelectRadioGroup(const VnOptionList& list, VnRadioGroup* group, std::string_view text)
{
    if (!group)
        return;
    group->SetItemIndex(list.IndexOfLabel(text));
    if (group->ItemIndex() < 0)
        group->SetItemIndex(list.IndexOfValue(text));
}
