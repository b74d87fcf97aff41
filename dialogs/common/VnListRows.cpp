#include "VnListRows.h"

#include <QLabel>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

#include "VnSNMPRequest2Edits.h"

namespace {

// A key typed, and the text a row shows for it: a numeric key compares as
// a number ("02" and "2" name the same row).
bool SameKey(bool number, const QString& typed, const QString& shown)
{
    if (number) {
        bool typedOk = false;
        bool shownOk = false;
        const qlonglong typedValue = typed.trimmed().toLongLong(&typedOk, 10);
        const qlonglong listed = shown.trimmed().toLongLong(&shownOk, 10);
        if (typedOk && shownOk)
            return typedValue == listed;
    }
    return shown == typed;
}

bool IsNumberItem(const VnSNMPRequest2Edits& binder, int item)
{
    const VnSNMPVarList& list = binder.request.varList;
    return item >= 0 && item < list.Count() && IsNumberSyntax(list.Item(item).syntax);
}

}  // namespace

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
        bool number;
    };
    std::vector<Wanted> wanted;
    for (const auto& [item, text] : cells) {
        const auto found = std::find(columns.begin(), columns.end(), item);
        if (found == columns.end())
            return false;
        wanted.push_back({static_cast<int>(found - columns.begin()), text, IsNumberItem(binder, item)});
    }
    for (int row = 0; row < listView->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* shown = listView->topLevelItem(row);
        if (std::all_of(wanted.begin(), wanted.end(), [&](const Wanted& cell) {
                return SameKey(cell.number, cell.text, shown->text(cell.column));
            }))
            return true;
    }
    return false;
}

std::optional<QString> VnSelectedRowKey(const VnSNMPRequest2Edits& binder, int item)
{
    const QTreeWidget* listView = binder.ListView();
    const std::vector<int>& columns = binder.ColumnItems();
    const auto found = std::find(columns.begin(), columns.end(), item);
    if (!listView || found == columns.end() || listView->selectedItems().isEmpty())
        return std::nullopt;
    return listView->selectedItems().first()->text(static_cast<int>(found - columns.begin()));
}

bool VnIsSelectedRowKey(const VnSNMPRequest2Edits& binder, int item, const QString& text)
{
    const std::optional<QString> shown = VnSelectedRowKey(binder, item);
    return shown && SameKey(IsNumberItem(binder, item), text, *shown);
}
