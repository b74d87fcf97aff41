#include "VnSNMPRequest2Edits.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include <algorithm>
#include <exception>

#include "VnErrorLanding.h"
#include "VnException.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnNumList.h"
#include "VnOptionControls.h"
#include "VnOptionList.h"
#include "VnRadioGroup.h"

namespace {

// Entry of the common message table for a bad index.
constexpr int kMsgIndexOutOfRange = 12;
// Bits beyond the largest octet string SNMP carries.
constexpr int kMaxBit = 65535 * 8 - 1;
// Where a list row keeps the instance it was read at (column 0).
constexpr int kRowInstanceRole = Qt::UserRole + 0x60;
constexpr int kRowMalformedRole = Qt::UserRole + 0x61;

bool IsConversionLetter(char c)
{
    return c == 's' || c == 'h' || c == 'i' || c == 'u' || c == 'f' || c == 'n';
}

// Edit boxes a format binds: one per "%" followed by a conversion letter.
std::size_t CountConversions(std::string_view format)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos + 1 < format.size(); ++pos) {
        if (format[pos] != '%')
            continue;
        if (IsConversionLetter(format[pos + 1])) {
            ++count;
            ++pos;
        }
    }
    return count;
}

}  // namespace

VnSNMPRequest2Edits::VnSNMPRequest2Edits(QWidget* owner)
    : VnSNMPRequest2Controls(owner), constraints_(std::make_unique<VnEditConstraint>(owner, true))
{
    flushTimer_.setSingleShot(true);
    QObject::connect(&flushTimer_, &QTimer::timeout, Context(),
                     [this] { VnGuarded(VnErrorLanding::StatusLine(this), [this] { FlushRows(); }); });
}

// Rows still waiting belong to a walk that never ended; they go with it.
VnSNMPRequest2Edits::~VnSNMPRequest2Edits() = default;

void VnSNMPRequest2Edits::RequireItem(int i) const
{
    if (i < 0 || i >= request.varList.Count())
        throw VnException(VnCommonText(kMsgIndexOutOfRange));
}

void VnSNMPRequest2Edits::AddBinding(int i, std::vector<QWidget*> controls, std::vector<int> bits, bool hasBits)
{
    auto binding = std::make_unique<_ControlBinding_s>();
    binding->itemIndex = i;
    binding->syntax = request.varList.Item(i).syntax;
    binding->controlCount = static_cast<int>(controls.size());
    binding->hasBits = hasBits;
    binding->bits = std::move(bits);
    for (QWidget* control : controls)
        binding->controls.emplace_back(control);
    bindings_.push_back(std::move(binding));
}

void VnSNMPRequest2Edits::BindLabel(int i, QLabel* label)
{
    BindControl(i, label);
}

void VnSNMPRequest2Edits::BindStaticText(int i, QLabel* staticText)
{
    BindControl(i, staticText);
}

void VnSNMPRequest2Edits::BindCheckBox(int i, QCheckBox* box)
{
    BindControl(i, box);
}

void VnSNMPRequest2Edits::BindComboBox(int i, QComboBox* combo)
{
    if (combo)
        combo->setEditable(false);
    BindControl(i, combo);
}

void VnSNMPRequest2Edits::BindRadioGroup(int i, VnRadioGroup* group)
{
    BindControl(i, group);
}

void VnSNMPRequest2Edits::BindControl(int i, QWidget* control)
{
    RequireItem(i);
    if (!control)
        VnRaise(kVnErrBadControlType);
    const VnOptionList* options = request.varList.Item(i).options;
    auto* combo = qobject_cast<QComboBox*>(control);
    auto* group = dynamic_cast<VnRadioGroup*>(control);
    if ((combo || group) && !options)
        VnRaise(kVnErrNoOptionList);
    if (combo) {
        FillComboBox(*options, combo);
        // A prefix list needs a second control for the rest of the value.
        if (options->Kind() == VnOptionKind::Prefix)
            VnRaise(kVnErrTooFewControls);
    }
    if (group)
        FillRadioGroup(*options, group);
    AddBinding(i, {control}, {}, false);
}

void VnSNMPRequest2Edits::BindEdits(int i, std::string_view format, std::initializer_list<QLineEdit*> edits)
{
    BindEdits(i, format, std::vector<QLineEdit*>(edits));
}

void VnSNMPRequest2Edits::BindEdits(int i, std::string_view format, const std::vector<QLineEdit*>& edits)
{
    RequireItem(i);
    const std::size_t count = CountConversions(format);
    if (count == 0 || edits.size() < count)
        VnRaise(kVnErrTooFewControls);
    const std::vector<QLineEdit*> bound(edits.begin(), edits.begin() + static_cast<std::ptrdiff_t>(count));
    for (QLineEdit* edit : bound) {
        if (!edit)
            VnRaise(kVnErrBadControlType);
    }
    std::vector<QLineEdit*> fresh;
    for (QLineEdit* edit : bound) {
        if (!constraints_->Find(edit))
            fresh.push_back(edit);
    }
    try {
        constraints_->AddConstraints(format, bound);
    } catch (...) {
        // A bad format binds nothing: take back what it installed.
        for (QLineEdit* edit : fresh)
            constraints_->RemoveConstraint(edit);
        throw;
    }
    // A refusal names the field: several edits of one item are one field.
    const std::string& label = request.varList.Item(i).label;
    for (QLineEdit* edit : bound)
        constraints_->SetFieldName(edit, QString::fromStdString(label));
    AddBinding(i, std::vector<QWidget*>(bound.begin(), bound.end()), {}, false);
}

void VnSNMPRequest2Edits::BindCheckBoxes(int i, std::string_view bitList, std::initializer_list<QCheckBox*> boxes)
{
    BindBits(i, bitList, std::vector<QCheckBox*>(boxes));
}

void VnSNMPRequest2Edits::BindCheckBoxList(int i, std::string_view bitList, const std::vector<QCheckBox*>& boxes)
{
    BindBits(i, bitList, boxes);
}

void VnSNMPRequest2Edits::BindBits(int i, std::string_view bitList, const std::vector<QCheckBox*>& boxes)
{
    RequireItem(i);
    VnNumList<int> bits;
    bits.delimiter = ',';
    bits.Parse(bitList);
    const auto count = static_cast<std::size_t>(bits.Count());
    if (count == 0 || boxes.size() < count)
        VnRaise(kVnErrTooFewControls);
    for (int bit : bits.Values()) {
        if (bit < 0 || bit > kMaxBit)
            VnRaise(kVnErrIndexOutOfRange);
    }
    std::vector<QWidget*> controls;
    for (std::size_t k = 0; k < count; ++k) {
        if (!boxes[k])
            VnRaise(kVnErrBadControlType);
        controls.push_back(boxes[k]);
    }
    AddBinding(i, std::move(controls), bits.Values(), true);
}

void VnSNMPRequest2Edits::Unbind(int i)
{
    for (auto it = bindings_.begin(); it != bindings_.end();) {
        if ((*it)->itemIndex != i) {
            ++it;
            continue;
        }
        for (const QPointer<QWidget>& control : (*it)->controls) {
            if (auto* edit = qobject_cast<QLineEdit*>(control.data()))
                constraints_->RemoveConstraint(edit);
        }
        it = bindings_.erase(it);
    }
}

void VnSNMPRequest2Edits::SizeByDomain(int item, int domainItem)
{
    RequireItem(item);
    RequireItem(domainItem);
    std::erase_if(domainSized_, [item](const auto& rule) { return rule.first == item; });
    domainSized_.emplace_back(item, domainItem);
}

int VnSNMPRequest2Edits::DomainOf(int i) const
{
    const auto rule = std::find_if(domainSized_.begin(), domainSized_.end(),
                                   [i](const auto& r) { return r.first == i; });
    return rule == domainSized_.end() ? -1 : rule->second;
}

void VnSNMPRequest2Edits::SetConstraintOwner(QWidget* form)
{
    constraints_->SetOwner(form);
}

void VnSNMPRequest2Edits::SetControlsEnabled(bool enabled)
{
    for (const auto& binding : bindings_) {
        for (const QPointer<QWidget>& control : binding->controls) {
            if (control)
                control->setEnabled(enabled);
        }
    }
}

void VnSNMPRequest2Edits::UpdateControls(int i)
{
    VnUpdateControls(request.varList, bindings_, i);
}

void VnSNMPRequest2Edits::ReadControls(int i)
{
    VnReadControls(request.varList, bindings_, i);
}

void VnSNMPRequest2Edits::BindListView(QTreeWidget* listView, bool enableOnSelect)
{
    if (listView_)
        QObject::disconnect(listView_, nullptr, Context(), nullptr);
    DropPendingRows();
    listView_ = listView;
    enableOnSelect_ = enableOnSelect;
    columnItems_.clear();
    columnItemsCount_ = -1;
    if (!listView)
        return;
    listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView->setSelectionMode(QAbstractItemView::SingleSelection);
    listView->setRootIsDecorated(false);
    listView->setItemsExpandable(false);
    listView->setHeaderHidden(false);
    // The form's own work around a selection goes in OnRowSelecting and
    // OnRowSelected, not in connections whose order would matter.
    QObject::connect(listView, &QTreeWidget::itemSelectionChanged, Context(),
                     [this] { ListSelectionChanged(); });
    BuildColumns();
}

void VnSNMPRequest2Edits::BuildColumns()
{
    if (!listView_)
        return;
    const VnSNMPVarList& list = request.varList;
    const int needed = list.VisibleCount() + list.WriteOnlyOrHiddenCount();
    const bool keepColumns = listView_->columnCount() >= needed;
    if (keepColumns && columnItemsCount_ == list.Count())
        return;
    std::vector<int> layout;
    for (int i = 0; i < list.Count(); ++i) {
        if (list.IsWriteOnlyOrHidden(i))
            layout.push_back(i);
    }
    const auto hiddenCount = static_cast<int>(layout.size());
    for (int i = 0; i < list.Count(); ++i) {
        if (list.IsVisible(i))
            layout.push_back(i);
    }
    columnItems_ = std::move(layout);
    columnItemsCount_ = list.Count();
    if (keepColumns)
        return;
    listView_->clear();
    QStringList labels;
    for (int item : columnItems_)
        labels << QString::fromStdString(list.Item(item).label);
    listView_->setColumnCount(static_cast<int>(labels.size()));
    listView_->setHeaderLabels(labels);
    QHeaderView* header = listView_->header();
    // Hidden and write-only items keep a column of no width.
    header->setMinimumSectionSize(0);
    for (int column = 0; column < static_cast<int>(columnItems_.size()); ++column) {
        if (column < hiddenCount)
            header->resizeSection(column, 0);
        else
            header->resizeSection(column, header->sectionSizeHint(column));
    }
}

void VnSNMPRequest2Edits::AddListViewRow()
{
    auto row = std::make_unique<QTreeWidgetItem>();
    row->setData(0, kRowInstanceRole, QString::fromStdString(request.ReadRowInstance()));
    row->setData(0, kRowMalformedRole, QString::fromStdString(request.ReadRowMalformed()));
    const VnSNMPVarList& list = request.varList;
    for (std::size_t column = 0; column < columnItems_.size(); ++column) {
        const int item = columnItems_[column];
        if (item < list.Count())
            VnSetCellValue(row.get(), static_cast<int>(column), list.Item(item).value);
    }
    pendingRows_.push_back(std::move(row));
}

void VnSNMPRequest2Edits::FlushRows()
{
    flushTimer_.stop();
    sinceFlush_.start();
    if (pendingRows_.empty() || !listView_)
        return;
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(pendingRows_.size()));
    for (std::unique_ptr<QTreeWidgetItem>& row : pendingRows_)
        rows.append(row.release());
    pendingRows_.clear();
    listView_->addTopLevelItems(rows);
}

void VnSNMPRequest2Edits::DropPendingRows()
{
    flushTimer_.stop();
    pendingRows_.clear();
    sinceFlush_.invalidate();
    sinceEvents_.invalidate();
}

void VnSNMPRequest2Edits::SelectedRowToValues()
{
    if (!listView_)
        return;
    const QList<QTreeWidgetItem*> selected = listView_->selectedItems();
    if (selected.isEmpty())
        return;
    const QTreeWidgetItem* row = selected.first();
    VnSNMPVarList& list = request.varList;
    for (std::size_t column = 0; column < columnItems_.size(); ++column) {
        const int item = columnItems_[column];
        if (item < list.Count())
            list.Item(item).value = VnCellValue(row, static_cast<int>(column));
    }
}

void VnSNMPRequest2Edits::BeforeRefresh()
{
    DropPendingRows();
    if (!listView_)
        return;
    BuildColumns();
    listView_->clear();
}

void VnSNMPRequest2Edits::AddRow()
{
    if (!listView_) {
        UpdateControls(-1);
        return;
    }
    AddListViewRow();
    if (mode == kModeSync) {
        // A blocking walk has every row in the list when it returns, or
        // raises. It lets the rows paint now and then; user input waits: it
        // could close the form under the walk.
        FlushRows();
        if (!sinceEvents_.isValid() || sinceEvents_.elapsed() >= kRowBatchMs) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sinceEvents_.start();
        }
        return;
    }
    // Replies of an asynchronous walk arrive through the event loop, which
    // would lay out and paint the list after every row. A row outside a
    // walk, or after a pause, goes in at once.
    const qint64 waited = sinceFlush_.isValid() ? sinceFlush_.elapsed() : kRowBatchMs;
    if (!Busy() || waited >= kRowBatchMs) {
        FlushRows();
        return;
    }
    if (!flushTimer_.isActive())
        flushTimer_.start(static_cast<int>(kRowBatchMs - waited));
}

void VnSNMPRequest2Edits::ControlsToValues()
{
    // Every item starts without a value, so that one neither the selected
    // row nor a control gives one is left out of the set (and a row without
    // index values is refused) rather than written as 0, "" or an address
    // nobody typed.
    VnSNMPVarList& list = request.varList;
    for (int i = 0; i < list.Count(); ++i)
        list.Item(i).value = kVnNotDoneValue;
    SelectedRowToValues();
    // Of the row, only the index addresses the set: a column no control
    // shows and the command does not name would be written back at the
    // value read earlier, undoing a change made meanwhile from elsewhere.
    for (int i = static_cast<int>(list.keyCount); i < list.Count(); ++i) {
        const bool bound = std::any_of(bindings_.begin(), bindings_.end(),
                                       [i](const auto& binding) { return binding->itemIndex == i; });
        if (!bound && !NamedBySet(i))
            list.Item(i).value = kVnNotDoneValue;
    }
    ReadControls(-1);
    PinnedIndexToValues();
}

void VnSNMPRequest2Edits::OnGetError(const VnSNMPError& result)
{
    // The rows read before the failure stay shown.
    FlushRows();
    VnSNMPRequest2Controls::OnGetError(result);
}

void VnSNMPRequest2Edits::AfterRefresh()
{
    FlushRows();
    if (listView_ && enableOnSelect_ && request.varList.itemType == MVT_FMV)
        SetControlsEnabled(false);
}

bool VnSNMPRequest2Edits::ValidateControls()
{
    return constraints_->CheckAll();
}

void VnSNMPRequest2Edits::ListSelectionChanged()
{
    if (!listView_)
        return;
    const QList<QTreeWidgetItem*> selected = listView_->selectedItems();
    QTreeWidgetItem* row = selected.isEmpty() ? nullptr : selected.first();
    // A hook may end the form, and the binder with it.
    const QPointer<QObject> alive(Context());
    VnGuarded(VnErrorLanding::MessageBox(Owner()), [&] {
        if (OnRowSelecting)
            OnRowSelecting(row);
        if (!alive)
            return;
        OnListViewSelectItem(row, row != nullptr);
        if (alive && OnRowSelected)
            OnRowSelected(row);
    });
    if (alive && !row)
        SelectionCleared();
    // Before any command is tried: this row is shown, never written.
    const std::optional<VnRowInstance> instance = alive && row ? SelectedRowInstance() : std::nullopt;
    if (instance && !instance->malformed.empty())
        VnWriteStatusLine(StatusOutput(), QString::fromStdString(VnMalformedRowNotice(*instance)));
}

void VnSNMPRequest2Edits::SelectionCleared()
{
    if (!OnSelectionCleared)
        return;
    VnGuarded(VnErrorLanding::MessageBox(Owner()), [&] { OnSelectionCleared(); });
}

void VnSNMPRequest2Edits::OnListViewSelectItem(QTreeWidgetItem*, bool selected)
{
    if (!selected)
        return;
    if (enableOnSelect_)
        SetControlsEnabled(true);
    SelectedRowToValues();
    UpdateControls(-1);
}

const QTreeWidgetItem* VnSNMPRequest2Edits::SelectedRow() const
{
    if (!listView_)
        return nullptr;
    const QList<QTreeWidgetItem*> selected = listView_->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

std::optional<std::vector<std::string>> VnSNMPRequest2Edits::SelectedRowIndex() const
{
    const QTreeWidgetItem* row = SelectedRow();
    if (!row)
        return std::nullopt;
    const VnSNMPVarList& list = request.varList;
    const int keys = std::min(static_cast<int>(list.keyCount), list.Count());
    std::vector<std::string> index;
    for (int key = 0; key < keys; ++key) {
        const auto column = std::find(columnItems_.begin(), columnItems_.end(), key);
        if (column == columnItems_.end())
            return std::nullopt;
        index.push_back(VnCellValue(row, static_cast<int>(column - columnItems_.begin())));
    }
    return index;
}

std::optional<VnRowInstance> VnSNMPRequest2Edits::SelectedRowInstance() const
{
    const QTreeWidgetItem* row = SelectedRow();
    if (!row)
        return std::nullopt;
    return VnRowInstance{row->data(0, kRowInstanceRole).toString().toStdString(),
                         row->data(0, kRowMalformedRole).toString().toStdString()};
}

std::string VnMalformedRowNotice(const VnRowInstance& row)
{
    return "The row at instance " + row.instance + " does not decode exactly for this table's index ("
           + row.malformed + "): it cannot be changed here.";
}

std::string VnMalformedRowText(const VnRowInstance& row)
{
    return VnMalformedRowNotice(row) + " Nothing sent.";
}

bool VnSNMPRequest2Edits::RefuseMalformedRow(const std::string& command)
{
    const std::optional<VnRowInstance> row = SelectedRowInstance();
    if (!row || row->malformed.empty())
        return false;
    const std::string text = VnMalformedRowText(*row);
    const std::shared_ptr<const bool> alive = AliveToken();
    VnMessageBox(Owner(), QString::fromStdString(text));
    if (!*alive)
        return true;
    if (!command.empty()) {
        VnWriteStatusLine(StatusOutput(),
                          QString::fromStdString(command + ": " + text + " Refused at " + VnStatusTime() + "."));
        return true;
    }
    SetStatusTemplate(kVnStatusSet);
    ShowStatus(text);
    return true;
}

bool VnSNMPRequest2Edits::ApplyToSelectedRow(bool refreshAfterApply, const std::string& itemList,
                                             const VnSNMPValues* values)
{
    std::optional<std::vector<std::string>> index = SelectedRowIndex();
    const std::optional<VnRowInstance> row = SelectedRowInstance();
    if (!index || !row) {
        const QPointer<QTreeWidget> listView = listView_;
        SetStatusTemplate(kVnStatusSet);
        ShowRefusal(kVnNoRowSelectedText);
        if (listView && listView->isVisible() && listView->isEnabled())
            listView->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (RefuseMalformedRow())
        return false;
    pinnedIndex_ = std::move(index);
    const std::shared_ptr<const bool> alive = AliveToken();
    const bool sent = [&] {
        VnSelectedRowPin pin(*this);
        return Apply(refreshAfterApply, true, itemList, values);
    }();
    if (*alive)
        pinnedIndex_.reset();
    return sent;
}

VnSelectedRowPin::VnSelectedRowPin(VnSNMPRequest2Edits& binder) : binder_(binder), alive_(binder.AliveToken())
{
    const std::optional<VnRowInstance> row = binder.SelectedRowInstance();
    if (!row)
        return;
    if (!row->malformed.empty())
        throw VnSetRefused(VnMalformedRowText(*row), kVnErrBadKeyCount);
    binder.request.rowInstance = row->instance;
    pinned_ = true;
}

VnSelectedRowPin::~VnSelectedRowPin()
{
    if (pinned_ && *alive_)
        binder_.request.rowInstance.reset();
}

bool VnSNMPRequest2Edits::ShowSelectedRow()
{
    if (!SelectedRowIndex())
        return false;
    SelectedRowToValues();
    UpdateControls(-1);
    return true;
}

void VnSNMPRequest2Edits::PinnedIndexToValues()
{
    if (!pinnedIndex_)
        return;
    VnSNMPVarList& list = request.varList;
    for (std::size_t key = 0; key < pinnedIndex_->size() && static_cast<int>(key) < list.Count(); ++key)
        list.Item(static_cast<int>(key)).value = (*pinnedIndex_)[key];
}

std::optional<std::string> VnSNMPRequest2Edits::TypedInstance()
{
    VnSNMPVarList& list = request.varList;
    const bool table = list.itemType == MVT_FMV || list.itemType == MVT_UMV;
    if (!table || list.keyCount == 0 || request.rowInstance)
        return std::nullopt;
    std::vector<std::string> saved;
    saved.reserve(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i)
        saved.push_back(list.Item(i).value);
    std::optional<std::string> instance;
    try {
        ControlsToValues();
        if (request.KeyWithoutValue() < 0)
            instance = request.KeyIndex();
    } catch (const std::exception&) {
        // A key that is no value of its syntax: the set refuses it by name.
    }
    for (int i = 0; i < list.Count(); ++i)
        list.Item(i).value = saved[static_cast<std::size_t>(i)];
    return instance;
}

const QTreeWidgetItem* VnSNMPRequest2Edits::ListedRowAt(const std::string& instance) const
{
    const QString wanted = QString::fromStdString(instance);
    const auto readAt = [&wanted](const QTreeWidgetItem* row) {
        return row->data(0, kRowInstanceRole).toString() == wanted;
    };
    for (const std::unique_ptr<QTreeWidgetItem>& row : pendingRows_) {
        if (readAt(row.get()))
            return row.get();
    }
    if (!listView_)
        return nullptr;
    for (int r = 0; r < listView_->topLevelItemCount(); ++r) {
        if (readAt(listView_->topLevelItem(r)))
            return listView_->topLevelItem(r);
    }
    return nullptr;
}

bool VnSNMPRequest2Edits::RefuseListedInstance(const std::string& instance, const std::string& changeCommand,
                                               const std::vector<std::string>& keyFields)
{
    const QTreeWidgetItem* row = ListedRowAt(instance);
    if (!row)
        return false;
    // Named as the list shows it: the user may have typed it another way.
    const VnSNMPVarList& list = request.varList;
    std::string keys;
    for (int key = 0; key < static_cast<int>(list.keyCount) && key < list.Count(); ++key) {
        const auto column = std::find(columnItems_.begin(), columnItems_.end(), key);
        if (column == columnItems_.end())
            continue;
        const std::string text = row->text(static_cast<int>(column - columnItems_.begin())).toStdString();
        const auto field = static_cast<std::size_t>(key);
        const std::string& name = field < keyFields.size() ? keyFields[field] : list.Item(key).label;
        keys += (keys.empty() ? "" : ", ") + name + " " + text;
    }
    if (keys.empty())
        keys = "instance " + instance;
    std::string reason = "A row with " + keys + " is listed already";
    reason += changeCommand.empty() ? "." : ": select it and use " + changeCommand + " to change it.";
    SetStatusTemplate(kVnStatusSet);
    ShowRefusal(reason + " Nothing sent.");
    return true;
}

bool VnSNMPRequest2Edits::ApplyNewRow(bool refreshAfterApply, const std::string& changeCommand)
{
    // A set at a listed row's instance writes over that row: the agent
    // takes a valid/invalid state as a plain write, never as a new row.
    if (!Busy()) {
        const std::optional<std::string> instance = TypedInstance();
        if (instance && RefuseListedInstance(*instance, changeCommand))
            return false;
    }
    return Apply(refreshAfterApply, true, {}, nullptr);
}
