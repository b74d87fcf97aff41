#include "VnListRows.h"

#include <QLabel>
#include <QTreeWidget>

#include <algorithm>

#include "VnSNMPRequest2Edits.h"

void VnShowRowCount(QLabel* count, const QTreeWidget* listView)
{
    if (!count || !listView)
        return;
    count->setText(QString::number(listView->topLevelItemCount()));
}

bool VnKeyListed(const VnSNMPRequest2Edits& binder, int item, const QString& text)
{
    const QTreeWidget* listView = binder.ListView();
    const std::vector<int>& columns = binder.ColumnItems();
    const auto found = std::find(columns.begin(), columns.end(), item);
    if (!listView || found == columns.end())
        return false;
    const int column = static_cast<int>(found - columns.begin());
    for (int row = 0; row < listView->topLevelItemCount(); ++row) {
        if (listView->topLevelItem(row)->text(column) == text)
            return true;
    }
    return false;
}
