#pragma once
// The generic table editor: a list view of the table's rows is the work
// control, while the scalar editor's rows wait hidden behind it. Rows are
// changed through two modal forms made at run time, Add and Edit, which
// borrow the rows while they are open; rows are created and deleted by
// writing a fixed value ("createAndGo", "destroy", ...) into a status column.
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

#include "TSNMPPanel.h"

class QTreeWidget;
class QTreeWidgetItem;
class TListViewPanel;

// Called with the clicked button as sender.
using TNotifyEvent = std::function<void(QPushButton* sender)>;

class TSNMPListViewPanel : public TSNMPEditorPanel {
    Q_OBJECT
public:
    static constexpr int kEditWaitMs = 1000;
    static constexpr int kFitWhileWalkingMs = 500;

    TSNMPListViewPanel(QWidget* owner, VnSNMPRequest2Edits* request);
    ~TSNMPListViewPanel() override;

    TListViewPanel* ListViewPanel;
    TNotifyEvent OnBeforeAdd;  // ClearRowsBeforeAdd at construction
    TNotifyEvent OnAfterAdd;
    TNotifyEvent OnBeforeEdit;
    TNotifyEvent OnAfterEdit;

    // The value must be a label of the column's combo box; the text is kept
    // by pointer (callers pass constants). Raise "...Wrong AddStatusValue:"
    // (or DeleteStatusValue) followed by the value otherwise.
    void SetAddStatus(int column, const char* value);
    void SetDeleteStatus(int column, const char* value);

    void RefreshBtnClick() override;
    bool FitPending() const override;
    void AddBtnClick(QPushButton* sender);
    void EditBtnClick(QPushButton* sender);
    void DeleteBtnClick(QPushButton* sender);

    void ListViewClick();
    void ListViewDblClick();
    void ListViewChange();
    void ListViewMouseMove(const QPoint& pos);

    void ShowAddForm();
    void ShowEditForm();
    void ClearRowsBeforeAdd(QPushButton* sender);

    // The hint of a row: one line per column, captions padded with tabs.
    static QString RowHint(const QTreeWidget& list, const QTreeWidgetItem& row);

    // The run-time form open now (Add or Edit), for tests; null otherwise.
    QDialog* OpenForm() const { return openForm_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class RowFormScope;

    void SetStatus(int column, const char* value, const char* wrongValue, int& statusColumn,
                   const char*& statusValue, QPushButton* button);
    QDialog* MakeRowForm(const QString& caption, TSNMPPanel*& rowPanel);
    QString FormCaption() const;
    void StopWalkForEdit();
    void UpdateCounter();
    void FitColumns();
    void FitColumnsWhenDue();

    QPointer<QDialog> openForm_;
    QTimer fitColumns_;
    QElapsedTimer sinceFit_;
};
