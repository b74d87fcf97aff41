#include "TSNMPListViewPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>
#include <exception>
#include <optional>

#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMsgPanel.h"
#include "VnAccessScope.h"
#include "VnException.h"
#include "VnMessageBox.h"
#include "VnSNMPRequest2Edits.h"
#include "VnStatusOutput.h"
#include "VnErrorLanding.h"

namespace {

QComboBox* RowCombo(const TEditsPanel& edits, int column)
{
    if (column < 0 || column >= edits.RowCount())
        return nullptr;
    return qobject_cast<QComboBox*>(edits.Rows[static_cast<std::size_t>(column)].InputCtrl);
}

// The selected list row's texts into the items, index columns included.
bool SelectedRowToValues(VnSNMPRequest2Edits& binder)
{
    QTreeWidget* list = binder.ListView();
    if (!list || list->selectedItems().isEmpty())
        return false;
    const QTreeWidgetItem* row = list->selectedItems().first();
    VnSNMPVarList& items = binder.request.varList;
    const std::vector<int>& columns = binder.ColumnItems();
    for (std::size_t column = 0; column < columns.size(); ++column) {
        if (columns[column] < items.Count())
            items.Item(columns[column]).value = VnCellValue(row, static_cast<int>(column));
    }
    return true;
}

// Takes the add and delete values out of the status combo boxes for the
// Edit form (a row cannot be created or destroyed through it) and puts
// every list back as it was, however the form ends.
class StatusValuesOut {
public:
    StatusValuesOut(TEditsPanel& edits, int column, const char* value) : edits_(edits)
    {
        Take(column, value);
    }
    ~StatusValuesOut()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            QComboBox* combo = RowCombo(edits_, it->column);
            if (!combo)
                continue;
            const QString current = combo->currentText();
            combo->clear();
            combo->addItems(it->items);
            combo->setCurrentIndex(combo->findText(current, Qt::MatchFixedString));
            if (it->hidRow)
                edits_.ShowRow(it->column);
        }
    }
    StatusValuesOut(const StatusValuesOut&) = delete;
    StatusValuesOut& operator=(const StatusValuesOut&) = delete;

    void Take(int column, const char* value)
    {
        QComboBox* combo = RowCombo(edits_, column);
        if (!combo || !value)
            return;
        Saved saved{column, {}, false};
        for (int k = 0; k < combo->count(); ++k)
            saved.items << combo->itemText(k);
        const int at = combo->findText(value, Qt::MatchFixedString);
        if (at >= 0)
            combo->removeItem(at);
        if (combo->count() == 0) {
            edits_.HideRow(column);
            saved.hidRow = true;
        }
        saved_.push_back(saved);
    }

private:
    struct Saved {
        int column;
        QStringList items;
        bool hidRow;
    };
    TEditsPanel& edits_;
    std::vector<Saved> saved_;
};

}  // namespace

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* owner, VnSNMPRequest2Edits* request)
    : TSNMPEditorPanel(owner, request)
{
    ListViewPanel = new TListViewPanel(WorkPanel, request);
    QTreeWidget* list = ListViewPanel->ListView;
    list->viewport()->setMouseTracking(true);
    list->viewport()->installEventFilter(this);
    connect(list, &QTreeWidget::itemSelectionChanged, this, [this] {
        // Edit and Delete follow the selection, by mouse or by keyboard.
        const bool selected = !ListViewPanel->ListView->selectedItems().isEmpty();
        CtrlBtnPanel->EditBtn->setEnabled(selected);
        CtrlBtnPanel->DeleteBtn->setEnabled(selected);
    });
    connect(list, &QTreeWidget::itemDoubleClicked, this,
            [this] { VnGuarded(VnErrorLanding::Silent(), [this] { ListViewDblClick(); }); });
    QAbstractItemModel* model = list->model();
    // Rows come in batches; each batch updates the count, and the columns
    // are fitted once the batch is painted.
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] {
        ListViewChange();
        fitColumns_.start(0);
    });
    fitColumns_.setSingleShot(true);
    connect(&fitColumns_, &QTimer::timeout, this, [this] { FitColumnsWhenDue(); });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] { ListViewChange(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { ListViewChange(); });

    TCtrlBtnPanel* column = CtrlBtnPanel;
    connect(column->EditBtn, &QPushButton::clicked, this,
            [this, column] {
                VnGuarded(VnErrorLanding::MessageBox(window()), [&] { EditBtnClick(column->EditBtn); });
            });
    connect(column->AddBtn, &QPushButton::clicked, this,
            [this, column] {
                VnGuarded(VnErrorLanding::MessageBox(window()), [&] { AddBtnClick(column->AddBtn); });
            });
    connect(column->DeleteBtn, &QPushButton::clicked, this,
            [this, column] {
                VnGuarded(VnErrorLanding::MessageBox(window()), [&] { DeleteBtnClick(column->DeleteBtn); });
            });

    ListViewPanel->ArrangeCtrlBtn(column);
    if (EditsPanel->IsAllFixed()) {
        column->EditBtn->hide();
        column->ArrangeButtons();
    }
    SetClientControl(ListViewPanel);
    OnBeforeAdd = [this](QPushButton* sender) { ClearRowsBeforeAdd(sender); };
}

TSNMPListViewPanel::~TSNMPListViewPanel()
{
    QTreeWidget* list = ListViewPanel->ListView;
    list->viewport()->removeEventFilter(this);
    list->disconnect(this);
    list->model()->disconnect(this);
}

void TSNMPListViewPanel::SetAddStatus(int column, const char* value)
{
    SetStatus(column, value, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:", ListViewPanel->AddStatusColumn,
              ListViewPanel->AddStatusValue, CtrlBtnPanel->AddBtn);
}

void TSNMPListViewPanel::SetDeleteStatus(int column, const char* value)
{
    SetStatus(column, value, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:",
              ListViewPanel->DeleteStatusColumn, ListViewPanel->DeleteStatusValue, CtrlBtnPanel->DeleteBtn);
}

void TSNMPListViewPanel::SetStatus(int column, const char* value, const char* wrongValue, int& statusColumn,
                                   const char*& statusValue, QPushButton* button)
{
    QComboBox* combo = RowCombo(*EditsPanel, column);
    if (!value || !combo || combo->findText(value, Qt::MatchFixedString) < 0)
        throw VnException(std::string(wrongValue) + (value ? value : ""));
    statusColumn = column;
    statusValue = value;
    button->show();
    CtrlBtnPanel->ArrangeButtons();
}

bool TSNMPListViewPanel::FitPending() const
{
    return fitColumns_.isActive() || TSNMPEditorPanel::FitPending();
}

void TSNMPListViewPanel::RefreshBtnClick()
{
    if (!Request)
        return;
    // A walk under way is not started again.
    if (Request->mode == VnSNMPRequest2Controls::kModeAsync && Request->Busy())
        return;
    CtrlBtnPanel->EditBtn->setEnabled(false);
    CtrlBtnPanel->DeleteBtn->setEnabled(false);
    TSNMPPanel::RefreshBtnClick();
    UpdateCounter();
}

void TSNMPListViewPanel::UpdateCounter()
{
    CtrlBtnPanel->CountText->setText(QString::number(ListViewPanel->ListView->topLevelItemCount()));
}

// Columns grow to show their texts (a column kept at no width, an item
// that is not shown, stays so); the list, the panel and the form then grow
// to show every column.
// Measuring the columns' texts costs as much as painting many batches of
// rows: while a walk brings more, now and then; once it has ended, at once.
void TSNMPListViewPanel::FitColumnsWhenDue()
{
    const bool walking = Request && Request->Busy();
    if (walking && sinceFit_.isValid() && sinceFit_.elapsed() < kFitWhileWalkingMs) {
        fitColumns_.start(static_cast<int>(kFitWhileWalkingMs - sinceFit_.elapsed()));
        return;
    }
    FitColumns();
    sinceFit_.start();
}

void TSNMPListViewPanel::FitColumns()
{
    QTreeWidget* list = ListViewPanel->ListView;
    const QAbstractItemView* view = list;
    QHeaderView* header = list->header();
    for (int column = 0; column < list->columnCount(); ++column) {
        if (header->sectionSize(column) == 0)
            continue;
        header->resizeSection(column, std::max(header->sectionSize(column), view->sizeHintForColumn(column)));
    }
    if (ListViewPanel->FitToColumns() && ClientControl == ListViewPanel)
        GrowToClientControl();
}

void TSNMPListViewPanel::ListViewClick()
{
    const bool selected = !ListViewPanel->ListView->selectedItems().isEmpty();
    CtrlBtnPanel->EditBtn->setEnabled(selected);
    CtrlBtnPanel->DeleteBtn->setEnabled(selected);
    if (!selected)
        EditsPanel->ClearRows();
}

void TSNMPListViewPanel::ListViewDblClick()
{
    if (ListViewPanel->ListView->selectedItems().isEmpty())
        return;
    EditBtnClick(CtrlBtnPanel->EditBtn);
}

void TSNMPListViewPanel::ListViewChange()
{
    UpdateCounter();
}

QString TSNMPListViewPanel::RowHint(const QTreeWidget& list, const QTreeWidgetItem& row)
{
    const QTreeWidgetItem* header = list.headerItem();
    qsizetype longest = 0;
    for (int column = 0; column < list.columnCount(); ++column)
        longest = std::max(longest, header->text(column).size());
    QString hint;
    for (int column = 0; column < list.columnCount(); ++column) {
        const QString caption = header->text(column);
        hint += caption + QString(longest - caption.size(), '\t') + "  " + row.text(column) + "\n";
    }
    return hint;
}

void TSNMPListViewPanel::ListViewMouseMove(const QPoint& pos)
{
    QTreeWidget* list = ListViewPanel->ListView;
    QTreeWidgetItem* row = list->itemAt(pos);
    if (!row)
        return;
    const QString hint = RowHint(*list, *row);
    if (row->toolTip(0) == hint)
        return;
    for (int column = 0; column < list->columnCount(); ++column)
        row->setToolTip(column, hint);
}

bool TSNMPListViewPanel::eventFilter(QObject* watched, QEvent* event)
{
    QTreeWidget* list = ListViewPanel->ListView;
    if (watched != list->viewport())
        return TSNMPEditorPanel::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // A click beside every row lets go of the selection.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!list->itemAt(mouse->position().toPoint()))
            list->clearSelection();
        break;
    }
    case QEvent::MouseButtonRelease:
        VnGuarded(VnErrorLanding::Silent(), [this] { ListViewClick(); });
        break;
    case QEvent::MouseMove: {
        const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
        VnGuarded(VnErrorLanding::Silent(), [&] { ListViewMouseMove(pos); });
        break;
    }
    default:
        break;
    }
    return false;
}

void TSNMPListViewPanel::AddBtnClick(QPushButton* sender)
{
    if (OnBeforeAdd)
        OnBeforeAdd(sender);
    ShowAddForm();
    if (OnAfterAdd)
        OnAfterAdd(sender);
}

void TSNMPListViewPanel::EditBtnClick(QPushButton* sender)
{
    if (OnBeforeEdit)
        OnBeforeEdit(sender);
    ShowEditForm();
    if (OnAfterEdit)
        OnAfterEdit(sender);
}

void TSNMPListViewPanel::ClearRowsBeforeAdd(QPushButton*)
{
    EditsPanel->ClearRows();
}

QDialog* TSNMPListViewPanel::MakeRowForm(const QString& caption, TSNMPPanel*& rowPanel)
{
    auto* form = new QDialog(window());
    form->setWindowTitle(caption);
    Request->SetConstraintOwner(form);
    rowPanel = new TSNMPPanel(form, Request, StatusPanel());
    TCtrlBtnPanel* column = rowPanel->CtrlBtnPanel;
    // The buttons work on this editor's binder and rows.
    VnSetButtonTag(column->SetCheckedBtn, 1);
    connect(column->SetCheckedBtn, &QPushButton::clicked, form,
            [this, column] {
                VnGuarded(VnErrorLanding::MessageBox(column->window()),
                          [&] { SetCheckedBtnClick(column->SetCheckedBtn); });
            });
    connect(column->CheckAllBtn, &QPushButton::clicked, form, [this] { CheckAllBtnClick(); });
    connect(column->ClearChecksBtn, &QPushButton::clicked, form, [this] { ClearChecksBtnClick(); });
    return form;
}

// Hands the rows back to the editor however a row form ends: out of the
// form, hidden in this editor's work area, constraints owned by the editor.
class TSNMPListViewPanel::RowFormScope {
public:
    RowFormScope(TSNMPListViewPanel& panel, QDialog* form) : panel_(panel), form_(form) {}
    ~RowFormScope()
    {
        panel_.openForm_ = nullptr;
        panel_.EditsPanel->hide();
        panel_.WorkPanel->insertWidget(0, panel_.EditsPanel);
        delete form_;
        if (panel_.Request)
            panel_.Request->SetConstraintOwner(panel_.OwnerForm);
    }
    RowFormScope(const RowFormScope&) = delete;
    RowFormScope& operator=(const RowFormScope&) = delete;

    QDialog* Form() const { return form_; }
    void Run()
    {
        panel_.openForm_ = form_;
        form_->exec();
    }

private:
    TSNMPListViewPanel& panel_;
    QDialog* form_;
};

QString TSNMPListViewPanel::FormCaption() const
{
    QWidget* parent = parentWidget();
    if (auto* form = qobject_cast<QDialog*>(parent))
        return form->windowTitle();
    for (QWidget* w = parent ? parent->parentWidget() : nullptr; w; w = w->parentWidget()) {
        if (auto* pages = qobject_cast<QTabWidget*>(w)) {
            const int page = pages->indexOf(parent);
            if (page >= 0)
                return pages->tabText(page);
            break;
        }
    }
    return OwnerForm ? OwnerForm->windowTitle() : QString();
}

void TSNMPListViewPanel::ShowAddForm()
{
    if (!Request)
        return;
    // The list lets go of its row first: the new row is typed in.
    ListViewPanel->ListView->clearSelection();
    CtrlBtnPanel->EditBtn->setEnabled(false);
    CtrlBtnPanel->DeleteBtn->setEnabled(false);
    {
        TSNMPPanel* addPanel = nullptr;
        RowFormScope scope(*this, MakeRowForm(FormCaption() + " (Add)", addPanel));
        // Nothing an earlier Edit form ticked or disabled carries over.
        EditsPanel->ResetRows(EditsPanel->DefaultChecked);
        for (int i = 0; i < EditsPanel->RowCount(); ++i) {
            if (!EditsPanel->IsKeyRow(i))
                continue;
            // The index columns make up the new row's instance.
            EditsPanel->EnableRow(i);
            const _EditRow_s& row = EditsPanel->Rows[static_cast<std::size_t>(i)];
            row.CheckBox->setChecked(true);
            row.CheckBox->show();
            row.CheckBox->setEnabled(false);
            row.InputCtrl->setEnabled(true);
        }
        const int statusColumn = ListViewPanel->AddStatusColumn;
        if (QComboBox* status = RowCombo(*EditsPanel, statusColumn)) {
            const _EditRow_s& row = EditsPanel->Rows[static_cast<std::size_t>(statusColumn)];
            status->setEnabled(false);
            row.CheckBox->setEnabled(false);
            row.CheckBox->setChecked(true);
            status->setCurrentIndex(status->findText(ListViewPanel->AddStatusValue, Qt::MatchFixedString));
        }
        TCtrlBtnPanel* column = addPanel->CtrlBtnPanel;
        EditsPanel->ArrangeCtrlBtn(column);
        column->RefreshBtn->hide();
        column->ArrangeButtons();
        EditsPanel->ArrangeRows(TEditsPanel::kLayoutRows, true);
        addPanel->SetClientControl(EditsPanel);
        addPanel->SetForm(scope.Form());
        const QScopedValueRollback<bool> adding(addingRow_, true);
        scope.Run();
    }
    RefreshBtnClick();
}

void TSNMPListViewPanel::StopWalkForEdit()
{
    VnSNMPRequest2Edits& binder = *Request;
    if (binder.mode != VnSNMPRequest2Controls::kModeAsync)
        return;
    if (binder.StopAndWait(kEditWaitMs)) {
        binder.request.keepGoing = true;
        return;
    }
    // The walk's last reply is still out: the walk stays stopped until it
    // is in, so it does not go on behind the form; then sets may go out.
    const VnRefreshDoneEvent previous = binder.OnRefreshDone;
    binder.OnRefreshDone = [previous](VnSNMPRequest2Controls& walker, const VnSNMPError& result) {
        walker.request.keepGoing = true;
        walker.OnRefreshDone = previous;
        if (previous)
            previous(walker, result);
    };
}

void TSNMPListViewPanel::ShowEditForm()
{
    if (!Request)
        return;
    // Every set of the Edit form goes to the row that was read; a row whose
    // instance does not decode exactly is not offered for editing.
    std::optional<VnSelectedRowPin> pin;
    try {
        pin.emplace(*Request);
    } catch (const VnSetRefused& refused) {
        Request->SetStatusTemplate(kVnStatusSet);
        Request->ShowStatus(refused.what());
        VnMessageBox(window(), QString::fromUtf8(refused.what()));
        return;
    }
    if (!pin->Pinned())
        return;
    StopWalkForEdit();
    {
        TSNMPPanel* editPanel = nullptr;
        RowFormScope scope(*this, MakeRowForm(OwnerForm ? OwnerForm->windowTitle() : QString(), editPanel));
        TCtrlBtnPanel* column = editPanel->CtrlBtnPanel;
        column->SetCheckedBtn->setEnabled(false);
        EditsPanel->ResetRows(false);
        // Neither value may be given through Edit; a status row left with
        // no value to offer is not shown.
        StatusValuesOut statusOut(*EditsPanel, ListViewPanel->AddStatusColumn, ListViewPanel->AddStatusValue);
        statusOut.Take(ListViewPanel->DeleteStatusColumn, ListViewPanel->DeleteStatusValue);
        EditsPanel->ArrangeCtrlBtn(column);
        EditsPanel->ArrangeRows(TEditsPanel::kLayoutRows, true);
        column->RefreshBtn->hide();
        column->ArrangeButtons();
        editPanel->SetClientControl(EditsPanel);
        editPanel->SetForm(scope.Form());
        scope.Run();
    }
    RefreshBtnClick();
}

void TSNMPListViewPanel::DeleteBtnClick(QPushButton* sender)
{
    // Asked before the question: a walk under way may not be stopped for it.
    if (Request && Request->Busy()) {
        Request->RefuseWhileBusy(sender ? sender->text().remove(u'&').toStdString() : std::string());
        return;
    }
    if (!Request)
        return;
    // A row whose instance does not decode exactly names no row to delete:
    // nothing to ask about.
    if (Request->RefuseMalformedRow("Delete"))
        return;
    if (VnMessageBox(window(), "Are you sure to delete it?", VnMsgButtons::OkCancel, VnMsgIcon::Question)
        != VnMsgAnswer::Ok)
        return;
    VnSNMPRequest2Edits& binder = *Request;
    const int statusColumn = ListViewPanel->DeleteStatusColumn;
    VnSNMPVarList& list = binder.request.varList;
    if (statusColumn < 0 || statusColumn >= list.Count() || !ListViewPanel->DeleteStatusValue)
        return;
    // Without a row there is no instance to address.
    if (ListViewPanel->ListView->selectedItems().isEmpty())
        return;
    VnBinderModeScope blocking(binder, VnSNMPRequest2Controls::kModeSync);
    bool sent = false;
    bool finished = true;
    {
        VnAccessScope marks(list);
        for (int i = 0; i < list.Count(); ++i) {
            if (static_cast<unsigned>(i) >= list.keyCount && i != statusColumn)
                marks.LeaveOut(i);
        }
        for (int i = 0; i < list.Count(); ++i)
            list.Item(i).value.clear();
        SelectedRowToValues(binder);
        list.Item(statusColumn).value = ListViewPanel->DeleteStatusValue;
        finished = VnGuarded(VnErrorLanding::StatusLine(&binder), [&] {
            // The row read is the row written, whatever its key texts say.
            VnSelectedRowPin pin(binder);
            if (pin.Pinned())
                sent = binder.Apply(false, false);
        });
    }
    // A refusal stays the last line: nothing went out, nothing to read back.
    if (finished && !sent)
        return;
    // Read again while still blocking: the walk is done when the click returns.
    RefreshBtnClick();
}
