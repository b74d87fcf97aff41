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
    struct Wanted {
        int column;
        QString text;
        bool number;  // a numeric key: "02" and "2" name the same row
    };
    const VnSNMPVarList& list = binder.request.varList;
    std::vector<Wanted> wanted;
    for (const auto& [item, text] : cells) {
        const auto found = std::find(columns.begin(), columns.end(), item);
        if (found == columns.end())
            return false;
        const bool number = item >= 0 && item < list.Count() && IsNumberSyntax(list.Item(item).syntax);
        wanted.push_back({static_cast<int>(found - columns.begin()), text, number});
    }
    const auto same = [](const Wanted& cell, const QString& shown) {
        if (cell.number) {
            bool typedOk = false;
            bool shownOk = false;
            const qlonglong typed = cell.text.trimmed().toLongLong(&typedOk, 10);
            const qlonglong listed = shown.trimmed().toLongLong(&shownOk, 10);
            if (typedOk && shownOk)
                return typed == listed;
        }
        return shown == cell.text;
    };
    for (int row = 0; row < listView->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* shown = listView->topLevelItem(row);
        if (std::all_of(wanted.begin(), wanted.end(),
                        [&](const Wanted& cell) { return same(cell, shown->text(cell.column)); }))
            return true;
    }
    return false;
}
