#pragma once
// The life every dedicated dialog shares, carried by the base so that no
// derived dialog has a line of it to forget:
// - construction with the large-fonts scaling, and the caption;
// - the unit's global form pointer, cleared when the form goes;
// - binders owned by the form and opened from binding tables (made, bound,
//   read and counted under one guard), the busy rule of the commands;
// - handlers connected through On(), on a context the base destroys before
//   anything else, so none runs on a half-destroyed dialog;
// - closing (close box, done(), reject(), Esc alike) stops the running walks
//   after the reply in flight and waits for them, or lets them run to their
//   end (then the form's end waits for them too); the form stays whole and
//   can be shown again;
// - when the form goes: handlers first, then the binders, then the widgets.
//
// A dialog derives from it, builds its frame, and calls its own FormCreate()
// at the end of its constructor; its destructor is the default one.
#include <QDialog>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "VnBindingTable.h"
#include "VnDialogContext.h"
#include "VnErrorLanding.h"

class QCloseEvent;
class QShowEvent;
class VnSNMPRequest2Edits;

// A laid-out dimension under the large-fonts flag: times 1.25, the
// fraction dropped (587 -> 733, 291 -> 363).
int VnScaledDimension(int laidOut, bool largeFonts);

// A message of a dialog's own check: a plain box with the text and OK,
// through the injectable message box; then the control holding the
// offending value gets the focus when it can take it.
void VnFieldMessage(QWidget* form, const QString& text, QWidget* focus = nullptr);

// What closing does with a walk still running.
enum class VnWalkOnClose {
    Stop,      // no further row is asked for; closing waits for the reply in flight
    RunToEnd,  // the walk goes on to its end while the form is hidden
};

class TDialogBase : public QDialog {
public:
    // The form gets its laid-out size, scaled under large fonts. The size
    // is a minimum: a layout that needs more gets more.
    TDialogBase(QWidget* owner, VnDialogContext context, int width, int height);
    ~TDialogBase() override;
    TDialogBase(const TDialogBase&) = delete;
    TDialogBase& operator=(const TDialogBase&) = delete;

    const VnDialogContext& Context() const { return context_; }

    // The caption: `title` (carrying its own ": ") and the device label.
    void SetTitle(std::string_view title);

    // The unit's global form pointer points at this form from now on and is
    // cleared when the form goes (unless it points elsewhere by then).
    template <typename Form>
    void SetFormPointer(Form*& global)
    {
        static_assert(std::is_base_of_v<TDialogBase, Form>);
        Form* self = static_cast<Form*>(this);
        global = self;
        clearFormPointer_ = [&global, self] {
            if (global == self)
                global = nullptr;
        };
    }

    // Makes a binder owned by the form and stores it in `member`. Binders
    // go in the order they are made.
    VnSNMPRequest2Edits* NewBinder(VnSNMPRequest2Edits*& member);

    // Opens one binder: made into `member`, then under one guard its
    // variable list, mode, bindings and status output from `table`,
    // `beforeRead` (the dialog's own settings, such as row hooks), the first
    // read and the row count. The count follows the list view's rows from
    // then on. An exception lands on the
    // binder's status line, or on `landing`; false then.
    bool OpenBinder(VnSNMPRequest2Edits*& member, const VnBindingTable& table,
                    const std::function<void(VnSNMPRequest2Edits&)>& beforeRead = {});
    bool OpenBinder(VnSNMPRequest2Edits*& member, const VnBindingTable& table, const VnErrorLanding& landing,
                    const std::function<void(VnSNMPRequest2Edits&)>& beforeRead = {});
    // The tables opened, in order, for the data test.
    const std::vector<const VnBindingTable*>& BindingTables() const { return tables_; }

    // Connects `signal` of `sender` to `handler` on the form's handler
    // context. A handler may take the signal's arguments or none; what it
    // raises lands as SetErrorLanding says.
    template <typename Sender, typename Signal, typename Handler>
    QMetaObject::Connection On(const Sender* sender, Signal signal, Handler handler)
    {
        const QObject* from = sender;
        return QObject::connect(sender, signal, handlers_.get(),
                                [this, from, handler = std::move(handler)](auto&&... args) {
                                    // The command's name for a refusal while busy.
                                    const QObject* outer = std::exchange(sender_, from);
                                    Guard([&] {
                                        if constexpr (std::is_invocable_v<const Handler&, decltype(args)...>)
                                            handler(std::forward<decltype(args)>(args)...);
                                        else
                                            handler();
                                    });
                                    sender_ = outer;
                                });
    }
    // Where what a handler connected by On() raises lands (default: the
    // status line of the form's first binder).
    void SetErrorLanding(const VnErrorLanding& landing) { landing_ = landing; }
    // Runs `body` under the form's landing; true when it ran to its end.
    template <typename Body>
    bool Guard(Body&& body) const noexcept
    {
        return VnGuarded(landing_, std::forward<Body>(body));
    }

    void SetWalkOnClose(VnWalkOnClose walkOnClose) { walkOnClose_ = walkOnClose; }
    // Work the form's end does once its walks are over (stopped, or read to
    // their end with VnWalkOnClose::RunToEnd) and before its binders go: an
    // edit form whose controls are bound to them goes here.
    void SetBeforeBindersGo(std::function<void()> work) { beforeBindersGo_ = std::move(work); }

    bool AnyBinderBusy() const;
    // Runs the event loop until no binder is busy, walks going on.
    void WaitForWalksToEnd();
    // Refresh, Set, Add and Delete start only while no binder of the form
    // is busy (a second walk on one list would repeat its rows) and the
    // form is neither closing nor closed. A command refused while a binder
    // is busy says so on that binder's status line, named after the button
    // that started it. A command allowed is a new act of the user: the
    // last set's outcome gives way to what follows.
    bool CommandAllowed() const;
    // From a close to the next showing: no command runs, and with
    // VnWalkOnClose::Stop the binders' requests send nothing.
    bool IsClosed() const { return closed_; }

    void done(int result) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct OwnedBinder {
        std::unique_ptr<VnSNMPRequest2Edits> binder;
        VnSNMPRequest2Edits** member;
    };

    // Stops (or lets run) the walks and waits; deletes nothing. Once per
    // showing.
    void StopBinders();
    bool RunBindingSteps(VnSNMPRequest2Edits& binder, const VnBindingTable& table, const VnErrorLanding& landing,
                         const std::function<void(VnSNMPRequest2Edits&)>& beforeRead);
    void FollowRowCount(VnSNMPRequest2Edits& binder, const VnBindingTable& table);

    VnDialogContext context_;
    // The context of every handler; destroyed first.
    std::unique_ptr<QObject> handlers_;
    std::vector<OwnedBinder> binders_;
    std::vector<const VnBindingTable*> tables_;
    std::function<void()> clearFormPointer_;
    std::function<void()> beforeBindersGo_;
    VnErrorLanding landing_ = VnErrorLanding::Silent();
    VnWalkOnClose walkOnClose_ = VnWalkOnClose::Stop;
    const QObject* sender_ = nullptr;  // of the handler running
    bool closing_ = false;
    bool closed_ = false;
};
