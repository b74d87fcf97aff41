#pragma once
// Base of every binder between one SNMP request and the controls of a form:
// Refresh reads the request's variable list (a scalar group, or a table walk
// one row at a time) and hands each row to AddRow; Apply lets the derived
// class put the controls into the item values and writes them with one set.
// Both run blocking (mode 0) or asynchronously (mode 1, the default), where
// the replies arrive through the session's event processing. Each outcome is
// one status line in the status output, or a message box when there is none.
// While one of them is under way the binder refuses another (see Refresh).
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "VnControlValue.h"
#include "VnSNMPRequest.h"
#include "VnStatusOutput.h"

class QObject;
class VnAnswerWatch;
class VnSNMPRequest2Controls;

// Raised once at the end of every asynchronous refresh: finished, failed,
// stopped, or ended by an exception (then the result carries the
// exception's code and message, and endOfWalk is set).
using VnRefreshDoneEvent = std::function<void(VnSNMPRequest2Controls& binder, const VnSNMPError& result)>;

// Status line of a Refresh or Apply that sent nothing: the request had been
// stopped (keep-going clear) or the input was refused.
inline constexpr const char* kVnNothingSentText = "(VnSNMP++) Nothing sent!";

// Follows the time-out text of a set: the request was sent (and resent),
// so a slow switch may have applied it all the same. No full stop: the
// status template puts one after it.
inline constexpr const char* kVnSetMayBeDoneTableText =
    " The switch may still have carried the set out; the list is read again once it answers";
inline constexpr const char* kVnSetMayBeDoneScalarText =
    " The switch may still have carried the set out; the values are read again once it answers";
// Follows a set's refusal when the refusal may answer another copy: the
// set's first try got no answer and went out again, or an earlier set
// that got no answer is still to be read. The set may then have been
// carried out all the same (a row it created refuses the second copy).
inline constexpr const char* kVnFirstTryMayBeDoneTableText =
    " The first try got no answer and may have been carried out; the list is read again";
inline constexpr const char* kVnFirstTryMayBeDoneScalarText =
    " The first try got no answer and may have been carried out; the values are read again";
inline constexpr const char* kVnEarlierSetMayBeDoneTableText =
    " An earlier set that got no answer may have been carried out; the list is read again";
inline constexpr const char* kVnEarlierSetMayBeDoneScalarText =
    " An earlier set that got no answer may have been carried out; the values are read again";
// Follows the failure of a read after such a set that failed the same way
// as the one before it: the binder stops reading by itself.
inline constexpr const char* kVnRereadEndsTableText = " The list is read again only when Refresh is pressed";
inline constexpr const char* kVnRereadEndsScalarText = " The values are read again only when Refresh is pressed";

class VnSNMPRequest2Controls {
public:
    static constexpr std::uint8_t kModeSync = 0;
    static constexpr std::uint8_t kModeAsync = 1;

    // Owners assign its variable list, keep-going flag and get-next mode.
    VnSNMPRequest request;
    VnRefreshDoneEvent OnRefreshDone;
    // After a set that timed out, the binder asks the agent this often
    // whether it answers again (the list and the controls stay as they are
    // meanwhile), then reads its list again, whatever its mode, so the form
    // shows what the switch did. A closing form, a read that went through,
    // or a second read that fails as the one before it ends that. A new
    // set pauses it: once the set is answered, refused or not, the list
    // is read. A refusal that may answer another copy of a set (its first
    // try, or an earlier set, got no answer) is said so and read the same
    // way.
    int rereadIntervalMs = 5000;
    // 0 blocking, 1 asynchronous; any other value makes Refresh and Apply
    // run their first hooks only.
    std::uint8_t mode = kModeAsync;

    explicit VnSNMPRequest2Controls(QWidget* owner);
    // Stops the request; the request waits at most 6000 ms for replies still
    // outstanding, and none of them reaches this binder any more.
    virtual ~VnSNMPRequest2Controls();
    VnSNMPRequest2Controls(const VnSNMPRequest2Controls&) = delete;
    VnSNMPRequest2Controls& operator=(const VnSNMPRequest2Controls&) = delete;

    // From the start of a Refresh or Apply until it has ended; a Refresh
    // after a set is a new request, started from the set's completion.
    bool Busy() const { return busy_; }
    QWidget* Owner() const { return owner_; }
    int StatusTemplate() const { return statusTemplate_; }
    void SetStatusTemplate(int entry) { statusTemplate_ = entry; }
    bool RefreshAfterApply() const { return refreshAfterApply_; }

    // The binder keeps a guarded reference: an output destroyed before the
    // binder simply takes no more lines.
    void SetStatusOutput(QPlainTextEdit* memo) { SetOutput(memo); }
    void SetStatusOutput(VnStatusBar* bar) { SetOutput(bar); }
    void SetStatusOutput(VnStatusPanel* panel) { SetOutput(panel); }
    // Any other widget is kept and ignored when lines are written.
    void SetStatusOutput(QWidget* output) { SetOutput(output); }
    void SetStatusOutput(std::nullptr_t) { SetOutput(nullptr); }
    QWidget* StatusOutput() const { return output_; }

    // Fills the current status template with `errorText`, the list's caption
    // and the time, and writes it to the status output (nothing without one).
    void ShowStatus(const std::string& errorText);
    // A status line with the status output, else the error message box over
    // the owner, captioned with the program's name.
    void ShowError(const std::string& text);
    // The user acts again (a command of the form): the outcome of the last
    // set no longer stands over the lines that follow. Until then a set's
    // line stays in view: a read-back after a set that went through adds
    // its line beside it, and after a refused set no read says "Ok".
    void ReleaseSetOutcome();
    // Whether the last set went through and its line still stands: a form
    // whose other binder would read next reads only then (after a refusal
    // the refusal stays the last word; after a time-out the binder that
    // lists the rows reads once the agent answers).
    bool SetWentThrough() const { return setOutcome_ == SetOutcome::Ok; }
    // A command refused because the binder is busy: says so, with the rows
    // read so far, in the status output (else a message box); nothing is
    // sent. Every command refused during one work is named.
    void RefuseWhileBusy(const std::string& command);
    // Whether a set that timed out waits for the agent to answer a read.
    bool RereadPending() const { return rereadPending_; }
    // For a binder that only writes rows `lister` shows: after a set of
    // this one that timed out, `lister` reads its list again once the agent
    // answers. Without it a binder that never reads leaves that to its form.
    void SetLister(VnSNMPRequest2Controls& lister)
    {
        lister_ = &lister;
        listerAlive_ = lister.AliveToken();
    }
    // False once the binder is destroyed: lets work that may outlive it
    // (a landing, a modal box) tell.
    std::shared_ptr<const bool> AliveToken() const { return alive_; }

    // Exceptions of a blocking request, of sending the first request, and of
    // the hooks are raised again to the caller with busy cleared. Does
    // nothing, not even its hooks, while the binder is busy.
    void Refresh();
    // Writes the items (of `itemList` with `values`, as VnSNMPRequest::Set);
    // with `readControls` the controls are checked (a refused input shows
    // its message and nothing is sent) and read into the items first. A set
    // the request refuses for want of a value (a row without index value,
    // nothing to write) is shown the same way. While the binder is busy
    // nothing is read or sent, and the status line says so. Returns false
    // when nothing was sent or started.
    bool Apply(bool refreshAfterApply = true, bool readControls = true,
               const std::string& itemList = {}, const VnSNMPValues* values = nullptr);

    // Completions of the asynchronous gets and sets; they let no exception out.
    void OnRefreshResponse(const VnSNMPError& result);
    void OnApplyResponse(const VnSNMPError& result);

    // Closing a form: clears keep-going and waits, running the event loop,
    // until busy drops or `timeoutMs` passed (negative: no limit). Returns
    // whether the binder is idle. Called from inside the binder's own work
    // (a hook, or a message box it shows) it cannot wait and returns false.
    bool StopAndWait(int timeoutMs = -1);

    // Byte form of value texts (no binder state involved).
    static VnBytes ValueToBytes(std::string_view valueText, unsigned syntax)
    {
        return ::ValueToBytes(valueText, syntax);
    }
    static std::string BytesToValue(std::span<const std::uint8_t> bytes, unsigned syntax)
    {
        return ::BytesToValue(bytes, syntax);
    }

protected:
    // Hooks, in their fixed order; derived binders override some of them.
    virtual void BeforeRefresh() {}
    virtual void BeforeApply() {}
    // Once for every row (or scalar group) read, while the items hold it.
    virtual void AddRow() = 0;
    virtual void ControlsToValues() {}
    virtual void OnGetError(const VnSNMPError& result);
    virtual void OnSetError(const VnSNMPError& result);
    virtual void AfterRefresh() {}
    virtual void AfterApply() {}

    // Checks the controls' input before they are read for a set; false when
    // one was refused (the check has shown why). Default: nothing to check.
    virtual bool ValidateControls() { return true; }

    // A set refused before sending: `reason` in a message box over the
    // owner, "nothing sent" in the status output.
    void ShowRefusal(const std::string& reason);
    // Whether a read or write shows itself while it runs (progress line,
    // busy cursor); default on.
    void SetShowsWork(bool shows) { showsWork_ = shows; }
    // An object that lives as long as the binder: the context of its
    // signal connections and timers.
    QObject* Context() const { return context_.get(); }
    // While Apply reads the controls: whether item i is one the caller's
    // item list names for the set.
    bool NamedBySet(int i) const;

private:
    class BusyScope;
    class CallDepth;

    // Unsure: the set timed out, and may have been carried out.
    enum class SetOutcome { None, Ok, Refused, Unsure };

    void SetOutput(QWidget* output);
    void SetBusy(bool busy);
    // A set's line, which then stands until the user acts again; with
    // `write` false it is only kept (the caller's landing writes it).
    void ShowSetOutcome(const std::string& text, SetOutcome outcome, bool write = true);
    // A set that timed out: its text with what may have happened, and the
    // list read again once the agent answers. A binder that has never read
    // (it only writes) leaves both to its form.
    std::string SetTimedOut(const std::string& text);
    // Starts the watch of a set that timed out; the note to add to its text.
    const char* WatchAfterLostSet();
    // A set refused by an agent that answers: when the refusal may answer
    // another copy (`resent`: the set's first try got no answer; or a read
    // is still due for an earlier set), its text with that said, and the
    // list read again; else the text as it stands.
    std::string SetRefused(const std::string& text, bool resent);
    // A set that went through: its read-back, or the read an earlier set
    // left due.
    void ReadAfterSet();
    // The binder that reads what this one writes: itself once it has
    // read, else its lister; null when none.
    VnSNMPRequest2Controls* Reader();
    // The list is to be read again once the agent answers a probe.
    void ReadSoon();
    // The agent answers again: the list is read (again later, while busy).
    void ReadAgain();
    void WatchAgain();
    // A read for a set in doubt failed: watched again, or, when it failed
    // as the read before it did, given up with a note added to `result`.
    void RereadFailed(VnSNMPError& result);
    // Nothing more to read for a lost set: a read went through, or a new
    // set went out.
    void EndReread();
    // "Reading... 12 rows" while a walk runs, "Writing..." while a set does,
    // with a refused command's note; the next line takes its place.
    void ShowProgress();
    // "Busy reading from the agent: Add, Set not done."
    std::string BusyNote(const std::vector<std::string>& commands) const;
    void FollowOwnerCursor(bool busy);
    bool IsScalarList() const;
    bool IsTableList() const;
    void FinishRefresh(const VnSNMPError& result);
    void EndWalkWithException(const std::string& message, int code);
    void RaiseRefreshDone(const VnSNMPError& result);
    void StartRefreshAsync(bool firstRow);
    VnSNMPCompletion RefreshCompletion();

    QPointer<QWidget> owner_;
    QPointer<QWidget> output_;
    bool busy_ = false;
    bool showsWork_ = true;
    bool writing_ = false;               // the busy work is a set
    int rowsRead_ = 0;                   // of the walk under way
    std::vector<std::string> refused_;   // commands refused meanwhile
    std::string busyNote_;               // ...said beside the progress
    std::string carriedNote_;            // ...said once more with the outcome
    SetOutcome setOutcome_ = SetOutcome::None;
    QString setLine_;                    // the line the last set wrote
    std::string refusedText_;            // its error text, when refused
    int statusTemplate_ = 0;
    bool refreshAfterApply_ = true;
    std::vector<int> setItems_;          // the item list of the Apply under way
    int depth_ = 0;                      // nesting of the binder's own work
    bool hasRead_ = false;               // a Refresh has been started once
    bool rereadPending_ = false;         // a set timed out; read again
    std::string rereadFailure_;          // how the last such read failed
    bool lastSetUnsure_ = false;         // the last set may have been carried out; read again
    bool earlierSetUnsure_ = false;      // a read was due when the last set went out
    VnSNMPRequest2Controls* lister_ = nullptr;  // reads what this one writes
    std::shared_ptr<const bool> listerAlive_;
    bool probing_ = false;               // the walk under way is that read
    std::function<void()> wakeWaiter_;   // set while StopAndWait runs
    std::unique_ptr<QObject> context_;
    std::unique_ptr<VnAnswerWatch> answerWatch_;
    // Cleared by the destructor; work that showed a modal box or ran an
    // owner's event checks it before touching the binder again.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// Switches a binder's mode for one scope (a set the generic editors want
// blocking) and puts the previous mode back however the scope is left.
class VnBinderModeScope {
public:
    VnBinderModeScope(VnSNMPRequest2Controls& binder, std::uint8_t mode)
        : binder_(binder), saved_(binder.mode)
    {
        binder_.mode = mode;
    }
    ~VnBinderModeScope() { binder_.mode = saved_; }
    VnBinderModeScope(const VnBinderModeScope&) = delete;
    VnBinderModeScope& operator=(const VnBinderModeScope&) = delete;

private:
    VnSNMPRequest2Controls& binder_;
    std::uint8_t saved_;
};
