#pragma once
// The binder every editor uses: the items of the request's variable list
// bound to labels, check boxes (one, or one per bit), combo boxes, radio
// groups, edit boxes (one or a group per item, each with a format
// constraint) and at most one report-style list view of table rows.
// Received rows become list rows, or go straight into the controls when
// there is no list view; before a set the controls go back into the items.
//
// Assign the request's variable list before binding: bindings name items by
// index.
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "VnControlTransfer.h"
#include "VnEditConstraint.h"
#include "VnSNMPRequest2Controls.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class VnRadioGroup;

// Why a set that addresses the selected row sent nothing: no row was selected.
inline constexpr const char* kVnNoRowSelectedText = "Choose the item first.";

// The instance a list row was read at, and why it does not decode exactly
// for the table's index ("" when it does).
struct VnRowInstance {
    std::string instance;
    std::string malformed;
};

// Why a row whose instance does not decode exactly cannot be changed, as
// said when it is selected.
std::string VnMalformedRowNotice(const VnRowInstance& row);
// Why a set at such a row sends nothing.
std::string VnMalformedRowText(const VnRowInstance& row);

class VnSNMPRequest2Edits : public VnSNMPRequest2Controls {
public:
    explicit VnSNMPRequest2Edits(QWidget* owner);
    ~VnSNMPRequest2Edits() override;

    // Run around the binder's own filling of the controls when the list
    // view's selection changes: OnRowSelecting first (the controls still show
    // the previous row), OnRowSelected once they show the new one. The row
    // is null when the selection went away. What they raise is shown in a
    // message box over the owner. A selected row whose instance does not
    // decode exactly is then said on the status line: it cannot be changed.
    std::function<void(QTreeWidgetItem* row)> OnRowSelecting;
    std::function<void(QTreeWidgetItem* row)> OnRowSelected;
    // Run once the list is left without a selected row: a click on empty
    // list space, a deselection, or a refresh that clears the selected row.
    // Controls showing that row keep its values unless the form clears them.
    std::function<void()> OnSelectionCleared;

    // Makes the tree a read-only, whole-row, single-selection report and
    // builds its columns. Selecting a row fills the bound controls, between
    // OnRowSelecting and OnRowSelected. With `enableOnSelect`, a table
    // refresh disables the controls until a row is selected.
    void BindListView(QTreeWidget* listView, bool enableOnSelect = true);

    // The selected row's index: the texts of its key items' columns, in key
    // order. None without a list view or a selected row.
    std::optional<std::vector<std::string>> SelectedRowIndex() const;
    // The instance the selected row was read at. None without a list view
    // or a selected row.
    std::optional<VnRowInstance> SelectedRowInstance() const;

    // A set at the selected row, for the Set and Delete of a list: Apply
    // with the controls read, at exactly the instance the selected row was
    // read at, whatever the controls bound to the key items hold (a typed
    // key is for adding a row only). Without a selected row nothing is
    // sent: kVnNoRowSelectedText in a message box, "nothing sent" in the
    // status output, and the list view gets the focus. A row whose instance
    // does not decode exactly is refused the same way, naming the instance.
    // False when nothing was sent or started.
    bool ApplyToSelectedRow(bool refreshAfterApply = true, const std::string& itemList = {},
                            const VnSNMPValues* values = nullptr);
    // A command for the selected row, when its instance does not decode
    // exactly: says why in a message box and on the status line, and
    // returns true (nothing may be sent). False for any other selection.
    // The line is a set's, or starts with `command` ("Delete: ...").
    bool RefuseMalformedRow(const std::string& command = {});
    // The selected row into the bound controls again, as selecting it did
    // (after an Add typed over them). False without a selected row.
    bool ShowSelectedRow();

    // An Add: Apply with the controls read, at the key they hold. A key
    // that encodes to the instance a listed row was read at ("010.1.1.1"
    // and "10.1.1.1" are one row) sends nothing: the set would overwrite
    // that row. RefuseListedInstance says why; `changeCommand` is the
    // caption of the command that changes a listed row (empty: none).
    // False when nothing was sent or started.
    bool ApplyNewRow(bool refreshAfterApply, const std::string& changeCommand);
    // The listed row read at `instance`, rows of a walk not yet shown
    // included; null when there is none.
    const QTreeWidgetItem* ListedRowAt(const std::string& instance) const;
    // When a listed row was read at `instance`: a message box names it by
    // its key cells (and `changeCommand`), the status output says nothing
    // was sent, and true is returned. For an Add whose set goes out
    // through another binder, whose fields the user typed the key into:
    // `keyFields` are their names, one per key item, in place of the
    // list's column labels (empty: the list's labels).
    bool RefuseListedInstance(const std::string& instance, const std::string& changeCommand,
                              const std::vector<std::string>& keyFields = {});

    // Binding errors raise VnException and add nothing: an item index
    // outside the list, a null control (-521), a combo box or radio group
    // whose item has no option list (-520), a prefix option list on one
    // combo box (-522).
    void BindLabel(int i, QLabel* label);
    void BindStaticText(int i, QLabel* staticText);
    void BindCheckBox(int i, QCheckBox* box);
    // Makes the combo a drop-down list of the item's option labels.
    void BindComboBox(int i, QComboBox* combo);
    void BindRadioGroup(int i, VnRadioGroup* group);
    void BindControl(int i, QWidget* control);
    // One edit box per conversion of the format ("%i{n1x4094}" one,
    // "%i%i%i%i" four), constrained by it. An empty format, or fewer edits
    // than conversions, raise -522.
    void BindEdits(int i, std::string_view format, std::initializer_list<QLineEdit*> edits);
    void BindEdits(int i, std::string_view format, const std::vector<QLineEdit*>& edits);
    // Box k stands for the k-th bit of the comma-separated list ("0,1,2").
    // An empty list, or fewer boxes than bits, raise -522; a negative bit,
    // or one past the largest octet string, -519.
    void BindCheckBoxes(int i, std::string_view bitList, std::initializer_list<QCheckBox*> boxes);
    void BindCheckBoxList(int i, std::string_view bitList, const std::vector<QCheckBox*>& boxes);
    // Removes every binding of item i and the constraints of its edits.
    void Unbind(int i);

    void SetConstraintOwner(QWidget* form);
    void SetControlsEnabled(bool enabled);
    // Item values to the bound controls, and back (-1: every item).
    void UpdateControls(int i = -1);
    void ReadControls(int i = -1);

    // Item `item` holds a transport address, whose size the domain in item
    // `domainItem` of the same row fixes: a set refuses any other size
    // (VnFieldSizes).
    void SizeByDomain(int item, int domainItem);
    // The item whose domain fixes item i's size; -1 for none.
    int DomainOf(int i) const;

    QTreeWidget* ListView() const { return listView_; }
    bool EnableOnSelect() const { return enableOnSelect_; }
    const VnControlBindings& Bindings() const { return bindings_; }
    VnEditConstraint& Constraints() { return *constraints_; }
    // The item shown in each list-view column, fixed when the columns were
    // built: marks added to items for a set never move a text to another item.
    const std::vector<int>& ColumnItems() const { return columnItems_; }

    // Rows of an asynchronous walk reach the list view in batches, at most
    // this long after they were read; a walk that ends, fails or is
    // stopped hands over its last rows at once.
    static constexpr int kRowBatchMs = 50;

protected:
    void BeforeRefresh() override;
    void AddRow() override;
    void ControlsToValues() override;
    void OnGetError(const VnSNMPError& result) override;
    void AfterRefresh() override;
    bool ValidateControls() override;
    // A row of the list view was selected (or deselected).
    virtual void OnListViewSelectItem(QTreeWidgetItem* item, bool selected);

private:
    void RequireItem(int i) const;
    void AddBinding(int i, std::vector<QWidget*> controls, std::vector<int> bits, bool hasBits);
    void BindBits(int i, std::string_view bitList, const std::vector<QCheckBox*>& boxes);
    void BuildColumns();
    void AddListViewRow();
    void FlushRows();
    void DropPendingRows();
    void SelectedRowToValues();
    void ListSelectionChanged();
    void SelectionCleared();
    // Puts the index pinned by ApplyToSelectedRow into the key items.
    void PinnedIndexToValues();
    // The instance the key the controls hold encodes to, as the next set
    // would send it; none when the key has no usable value (the set
    // refuses it itself) or the list is no table. The items are left as
    // they were.
    std::optional<std::string> TypedInstance();
    const QTreeWidgetItem* SelectedRow() const;

    QPointer<QTreeWidget> listView_;
    VnControlBindings bindings_;
    std::unique_ptr<VnEditConstraint> constraints_;
    bool enableOnSelect_ = true;
    std::vector<int> columnItems_;
    int columnItemsCount_ = -1;  // item count the column map was made for
    // Rows read but not yet in the list: the view lays out and paints once
    // per batch instead of once per row.
    std::vector<std::unique_ptr<QTreeWidgetItem>> pendingRows_;
    QTimer flushTimer_;
    QElapsedTimer sinceFlush_;   // invalid: the next row goes in at once
    QElapsedTimer sinceEvents_;  // a blocking walk's last painting
    // The selected row's index while ApplyToSelectedRow reads the controls.
    std::optional<std::vector<std::string>> pinnedIndex_;
    std::vector<std::pair<int, int>> domainSized_;  // {address item, domain item}
};

// Pins a set to the selected row's own instance for the scope's life (the
// generic editors' Edit and Delete, and ApplyToSelectedRow): whatever the
// key texts say, the set goes to the row that was read. Without a selected
// row nothing is pinned (Pinned() is false); a row whose instance does not
// decode exactly raises VnSetRefused naming it.
class VnSelectedRowPin {
public:
    explicit VnSelectedRowPin(VnSNMPRequest2Edits& binder);
    ~VnSelectedRowPin();
    VnSelectedRowPin(const VnSelectedRowPin&) = delete;
    VnSelectedRowPin& operator=(const VnSelectedRowPin&) = delete;
    bool Pinned() const { return pinned_; }

private:
    VnSNMPRequest2Edits& binder_;
    std::shared_ptr<const bool> alive_;
    bool pinned_ = false;
};
