#pragma once
// A table dialog whose rows are changed in a small modal edit form: the list
// form owns the binder, the edit form's controls are bound to it (they are
// found by name under the list form, whose child the edit form is).
//
//   list side (TListFormBase): the edit form made once with the form and
//   deleted before the binder, after the walks stopped (or ran to their
//   end); buttons that follow the list's selection, however it changes
//   (click, keyboard, a refresh emptying the list); the bound controls
//   refilled from the selected row before a row command; sets under an
//   access scope, at the selected row or at a typed key.
//
//   edit side (TEditFormBase): the common dialog construction, an edit
//   mode chosen by the list form before each showing, shown many times.
//
// TFieldsListFormBase is the other list design: rows edited in fields
// under the list, on a blocking binder.
#include <QPointer>
#include <QPushButton>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "TDialogBase.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class VnAccessScope;
class VnStatusBar;

// What the edit form is shown for.
enum class VnEditMode { Edit = 1, Add = 2 };

class TEditFormBase : public TDialogBase {
public:
    // The list form is the parent: its binder finds the controls by name.
    TEditFormBase(TDialogBase* listForm, int width, int height);

    VnEditMode EditMode = VnEditMode::Edit;

    // Shows the form modally for `mode`; the dialog's result.
    int ShowModal(VnEditMode mode);

protected:
    // Each showing, before the user can type: the fields for the mode.
    virtual void FormActivate() {}
    void showEvent(QShowEvent* event) override;
};

class TListFormBase : public TDialogBase {
public:
    // Opens the list binder (see TDialogBase::OpenBinder); the edit form's
    // messages about its fields show over the edit form.
    bool OpenListBinder(VnSNMPRequest2Edits*& member, const VnBindingTable& table, const VnErrorLanding& landing,
                        const std::function<void(VnSNMPRequest2Edits&)>& beforeRead = {});

    // Text of item `item` in the selected row; none without a selected row.
    std::optional<QString> SelectedCell(int item) const;
    // True, after saying so over the form and on the status line, when the
    // selected row was read at an instance that does not decode exactly:
    // its key texts name no row. `field` then gets the focus.
    bool RefuseMalformedRow(QWidget* field);

    // One set on the list binder with the columns `choose` leaves out of
    // the scope, at the selected row (`atSelectedRow`) or, for an Add, at
    // the key the controls hold, which must be no listed row's. False when
    // nothing was sent.
    bool ApplyScoped(bool atSelectedRow, bool refreshAfterApply, const std::function<void(VnAccessScope&)>& choose);
    // The button that changes a listed row, named when an Add is refused
    // for a key that is listed; none by default.
    void ChangeRowsWith(QPushButton* button) { rowChanger_ = button; }

    VnSNMPRequest2Edits* ListBinder() const { return listBinder_; }

protected:
    TListFormBase(QWidget* owner, const VnDialogContext& context, int width, int height);

    // Makes the edit form, with this form as its parent, into `global`. It
    // goes when the walks are over and before the binders, and `global` is
    // cleared then.
    template <typename Edit>
    Edit* MakeEditForm(Edit*& global)
    {
        auto* form = new Edit(this);
        global = form;
        editForm_ = form;
        SetBeforeBindersGo([&global, form] {
            delete form;
            if (global == form)
                global = nullptr;
        });
        return form;
    }
    TEditFormBase* EditForm() const { return editForm_; }

    // `follow` runs whenever the list's selection changes, with whether a
    // row is selected.
    void FollowSelection(QTreeWidget* listView, std::function<void(bool selected)> follow);

    // Opens the edit form in `mode`. Edit first refills the bound controls
    // from the selected row (nothing without one, a refusal for a row that
    // cannot be changed). The dialog's result, or -1 when it was not shown.
    int OpenEditForm(VnEditMode mode);

private:
    VnSNMPRequest2Edits* listBinder_ = nullptr;
    TEditFormBase* editForm_ = nullptr;
    QPointer<QPushButton> rowChanger_;
};

// A list whose rows are edited in fields under it, on a blocking binder:
// Add sends at the typed key, Edit and Delete at the selected row, each
// followed by the read of the list; then no row is selected and the fields
// are empty. Exceptions land in the status bar's first panel.
class TFieldsListFormBase : public TDialogBase {
public:
    // The controls the form shares with the base.
    struct FieldsParts {
        QTreeWidget* listView = nullptr;
        VnStatusBar* statusBar = nullptr;
        QLabel* count = nullptr;
        QPushButton* editButton = nullptr;
        QPushButton* deleteButton = nullptr;
        QPushButton* addButton = nullptr;
        std::vector<QWidget*> keyFields;       // a listed row's key is not changed
        std::vector<QLineEdit*> clearedFields;  // emptied after each command
        QComboBox* rowStatus = nullptr;
    };
    // Row-status entries.
    static constexpr int kCreateAndGoEntry = 1;

    // Edit and Delete only with a selected row; the key fields and Add only
    // without one.
    void ShowNoSelection();
    void ClearEdits();

protected:
    using TDialogBase::TDialogBase;

    // Opens the binder over `table` with the fields empty and the row
    // status on createAndGo; the buttons follow the selection.
    void OpenFieldsBinder(VnSNMPRequest2Edits*& member, const VnBindingTable& table, FieldsParts parts);
    // Refresh, then no row selected and the fields empty.
    void RefreshAndClear();
    // One set under an access scope (`choose` leaves columns out), at the
    // selected row or at the typed key, the words back, then the read. An
    // input refused keeps the fields for correcting.
    void ApplyThenRead(bool atSelectedRow, const std::function<void(VnAccessScope&)>& choose);

private:
    VnSNMPRequest2Edits* binder_ = nullptr;
    FieldsParts parts_;
};
