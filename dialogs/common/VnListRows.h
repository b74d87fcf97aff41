#pragma once
// What table dialogs read of their list view's rows: the row count the
// count text shows, whether a key is a row already (the Add check), and
// whether a typed key is the selected row's (the Set check).
#include <QString>

#include <initializer_list>
#include <optional>
#include <utility>

class QLabel;
class QTreeWidget;
class VnSNMPRequest2Edits;

// The list view's rows as decimal text in `count`.
void VnShowRowCount(QLabel* count, const QTreeWidget* listView);

// Whether a row of the binder's list view shows exactly `text` (case
// counts) in the column of item `item`.
bool VnKeyListed(const VnSNMPRequest2Edits& binder, int item, const QString& text);

// Whether one row shows every {item, text} of `cells` (a key of several
// columns, such as address and protocol).
bool VnKeyListed(const VnSNMPRequest2Edits& binder, std::initializer_list<std::pair<int, QString>> cells);

// The selected row's text in the column of item `item`; none without a
// selected row.
std::optional<QString> VnSelectedRowKey(const VnSNMPRequest2Edits& binder, int item);
// Whether `text` names the selected row's key item `item` (compared as
// VnKeyListed does); false without a selected row.
bool VnIsSelectedRowKey(const VnSNMPRequest2Edits& binder, int item, const QString& text);
