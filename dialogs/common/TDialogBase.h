#pragma once
// The life every dedicated dialog shares: construction with the large-fonts
// scaling, the caption, binders owned by the form in member order, the
// busy rule of its commands, field messages, and the shut-down of its
// binders and port grids however the dialog ends (close, done(), reject()
// and Esc alike).
//
// A dialog derives from it, lays out its controls, and calls its own
// FormCreate() at the end of its constructor; the menu command may then
// replace the caption before it shows the dialog modally. Its destructor
// calls BeforeDestroy() first.
#include <QDialog>
#include <QString>

#include <memory>
#include <string_view>
#include <vector>

#include "VnDialogContext.h"

class QCloseEvent;
class QLabel;
class QTreeWidget;
class TStackingPortUitForm;
class VnSNMPRequest2Edits;

// A laid-out dimension under the large-fonts flag: times 1.25, the
// fraction dropped (587 -> 733, 291 -> 363).
int VnScaledDimension(int laidOut, bool largeFonts);

// A message of a dialog's own check: a plain box with the text and OK,
// through the injectable message box; then the control holding the
// offending value gets the focus when it can take it.
void VnFieldMessage(QWidget* form, const QString& text, QWidget* focus = nullptr);

// The row count of a table dialog: the list view's rows as decimal text.
void VnShowRowCount(QLabel* count, const QTreeWidget* listView);

class TDialogBase : public QDialog {
public:
    // Step K: the form gets its laid-out size, scaled under large fonts.
    TDialogBase(QWidget* owner, VnDialogContext context, int width, int height);
    ~TDialogBase() override;

    const VnDialogContext& Context() const { return context_; }

    // The caption: `title` (carrying its own ": ") and the device label.
    void SetTitle(std::string_view title);

    // Makes a binder owned by the form and stores it in `member`; the shut-
    // down deletes it and sets `member` to null. Binders go in the order
    // they are made.
    VnSNMPRequest2Edits* NewBinder(VnSNMPRequest2Edits*& member);
    // A port grid the form embeds, freed by the shut-down the same way.
    void OwnGrid(TStackingPortUitForm*& member);

    bool AnyBinderBusy() const;
    // Refresh, Set, Add and Delete start only while no binder of the form
    // is busy (a second walk on one list would repeat its rows) and the
    // form has not shut down.
    bool CommandAllowed() const;
    bool IsShutDown() const { return shutDown_; }

    // Step Z: stops every running walk after the reply in flight, waits
    // (running the event loop, no time limit) until no binder is busy, then
    // deletes the binders and the grids. Runs once.
    void ShutDownBinders();

    // First thing in every derived destructor: step Z, then the form's
    // handlers are disconnected, so none runs on the half-destroyed form
    // while Qt deletes its children.
    void BeforeDestroy();

    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct OwnedBinder {
        std::unique_ptr<VnSNMPRequest2Edits> binder;
        VnSNMPRequest2Edits** member;
    };

    VnDialogContext context_;
    std::vector<OwnedBinder> binders_;
    std::vector<TStackingPortUitForm**> grids_;
    bool shutDown_ = false;
    bool shuttingDown_ = false;
};
