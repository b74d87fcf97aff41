#pragma once
// The frame of every access-profile mask dialog, of the ports and of the
// CPU filter alike: the table's rows over the fields, four buttons, a
// status bar whose panel 0 takes a failed command's message beside the
// binder's line, and a blocking binder, so that a command's set and the
// read after it have ended before its buttons and fields are reset.
//
// Every command that sends ends with no row selected (Set and Delete
// disabled, Add and the ID field enabled) and the text fields empty; an
// input the binder refuses sends nothing and keeps the fields for
// correcting, and each kind says what its own refusals leave.
// Set and Delete act on the selected row, Add on the typed mask ID.
#include <functional>
#include <vector>

#include "MaskColumns.h"
#include "TDialogBase.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QWidget;
class VnSNMPRequest2Edits;
class VnStatusBar;
struct VnSNMPVarDesc;

// What tells the port and the CPU twin of one kind apart.
struct VnMaskVariant {
    const char* layoutCaption;
    const char* title;  // the caption written while the form is made; null for none
    const VnSNMPVarDesc* table;
    const char* idFormat;
    bool cpu;
    int width;
    int height;
};

// Object names and captions of the four buttons, in their order.
struct VnMaskButtons {
    const char* refresh;
    const char* set;
    const char* setCaption;  // "Set", or "Edit"
    const char* add;
    const char* remove;
};

class TMaskDialogBase : public TDialogBase {
public:
    QTreeWidget* ListView1 = nullptr;
    VnStatusBar* StatusBar1 = nullptr;
    VnSNMPRequest2Edits* Binder = nullptr;

    const VnMaskVariant& Variant() const { return variant_; }
    QPushButton* RefreshButton() const { return refresh_; }
    QPushButton* SetButton() const { return set_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* DeleteButton() const { return delete_; }
    QLineEdit* IdField() const { return id_; }
    QComboBox* RowStatusField() const { return rowStatus_; }

    // What the four buttons run.
    void RefreshCommand();
    virtual void SetCommand() = 0;
    virtual void AddCommand() = 0;
    // The selected row gets the row status "destroy" and nothing else.
    void DeleteCommand();
    // Row state with a selected row, else the no-row state.
    void ListView1Click();

protected:
    // Entries of the row-status combo box.
    static constexpr int kActive = 0;
    static constexpr int kCreateAndGo = 1;
    static constexpr int kDestroy = 2;

    TMaskDialogBase(QWidget* owner, const VnDialogContext& context, const VnMaskVariant& variant,
                    const VnMaskButtons& buttons);

    // The panel for the kind's fields (a VnFieldGrid goes in it).
    QWidget* FieldArea() const { return fieldArea_; }
    // The controls the frame acts on; the kind names them before Open.
    void SetFrameControls(QLineEdit* id, QComboBox* rowStatus) { id_ = id, rowStatus_ = rowStatus; }

    // Opens the blocking binder over the variant's table with `rows` (the
    // list view's row is put first), `presets` before the first read; then
    // the no-row state and, with `clear`, ClearEdits.
    void Open(std::vector<VnBinding> rows, const std::function<void()>& presets, bool clear = true,
              const char* rowCount = "");

    // Empties the mask ID and the kind's text fields; combo boxes keep
    // their entries.
    virtual void ClearEdits() = 0;
    void NoRowState();

    enum class At { SelectedRow, TypedId };
    // One set leaving out `leftOut`, then the table read again, the no-row
    // state and ClearEdits. A refused input sends nothing and leaves the
    // form as it is; a failure lands in panel 0 after the words are back,
    // and the no-row state and ClearEdits follow. True when the set went
    // out.
    bool Send(const maskcolumns::Items& leftOut, At at);
    // A check of the dialog's own: the message and the focus when `failed`.
    bool Refuse(bool failed, const char* text, QWidget* focus);
    // Empty, or the no-value text of a cell the walk left out: nothing to
    // send either way.
    static bool Blank(const QLineEdit* field);
    // The field must hold a value when its item goes out.
    bool RefuseEmptySent(const maskcolumns::Items& leftOut, int item, QLineEdit* field,
                         const char* text);

private:
    VnMaskVariant variant_;
    VnBindingTable bindings_;
    QWidget* fieldArea_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QPushButton* set_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* delete_ = nullptr;
    QLineEdit* id_ = nullptr;
    QComboBox* rowStatus_ = nullptr;
};

// The mask ID column's text: the same in every mask table.
inline constexpr int kMaskIdItem = 0;
