#include "VnListRows.h"

#include <QLabel>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

#include "VnSNMPRequest2Edits.h"

void VnShowRowCount(QLabel* count, const QTreeWidget* listView)
{
    if (!count || !listView)
        return;
    count->setText(QString::number(listView->topLevelItemCount()));
}

bool VnKeyListed(const VnSNMPRequest2Edits& binder, int item, const QString& text)
{
    return VnKeyListed(binder, {{item, text}});
}

bool VnKeyListed(const VnSNMPRequest2Edits& binder, std::initializer_list<std::pair<int, QString>> cells)
{
    const QTreeWidget* listView = binder.ListView();
    const std::vector<int>& columns = binder.ColumnItems();
    if (!listView)
        return false;
    std::vector<std::pair<int, QString>> wanted;  // column, text
    for (const auto& [item, text] : cells) {
        const auto found = std::find(columns.begin(), columns.end(), item);
        if (found == columns.end())
            return false;
        wanted.emplace_back(static_cast<int>(found - columns.begin()), text);
    }
    for (int row = 0; row < listView->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* shown = listView->topLevelItem(row);
        if (std::all_of(wanted.begin(), wanted.end(),
                        [shown](const auto& cell) { return shown->text(cell.first) == cell.second; }))
            return true;
    }
    return false;
}
