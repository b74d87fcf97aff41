#include "VnSNMPRequest2Controls.h"

#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <utility>

#include "VnAnswerWatch.h"
#include "VnErrorLanding.h"
#include "VnException.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnNumList.h"

// Busy from construction until End(), or until the scope is left by an
// exception; Keep() leaves it set for a completion to clear.
class VnSNMPRequest2Controls::BusyScope {
public:
    explicit BusyScope(VnSNMPRequest2Controls& binder) : binder_(binder) { binder_.SetBusy(true); }
    ~BusyScope()
    {
        if (active_)
            binder_.SetBusy(false);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    void End()
    {
        active_ = false;
        binder_.SetBusy(false);
    }
    void Keep() { active_ = false; }

private:
    VnSNMPRequest2Controls& binder_;
    bool active_ = true;
};

// Marks the binder's own work on the stack, so that StopAndWait called from
// inside it does not wait for itself. The token outlives a binder deleted
// inside that work.
class VnSNMPRequest2Controls::CallDepth {
public:
    explicit CallDepth(VnSNMPRequest2Controls& binder) : binder_(binder), alive_(binder.alive_)
    {
        ++binder_.depth_;
    }
    ~CallDepth()
    {
        if (*alive_)
            --binder_.depth_;
    }
    CallDepth(const CallDepth&) = delete;
    CallDepth& operator=(const CallDepth&) = delete;

private:
    VnSNMPRequest2Controls& binder_;
    std::shared_ptr<bool> alive_;
};

namespace {

std::string OkText()
{
    return VnErrorText(kVnOk);
}

// The binders of one form that are busy, counted on the form: its cursor
// shows the work until the last of them ends.
constexpr const char* kBusyBindersProperty = "vnBusyBinders";

// Between a set's line and the line of the read-back after it.
constexpr const char* kLineGap = "   ";

}  // namespace

VnSNMPRequest2Controls::VnSNMPRequest2Controls(QWidget* owner)
    : owner_(owner), context_(std::make_unique<QObject>()),
      answerWatch_(std::make_unique<VnAnswerWatch>([this] { ReadAgain(); }))
{
}

VnSNMPRequest2Controls::~VnSNMPRequest2Controls()
{
    *alive_ = false;
    request.keepGoing = false;
    if (busy_ && showsWork_)
        FollowOwnerCursor(false);
    busy_ = false;
    if (wakeWaiter_)
        wakeWaiter_();
}

void VnSNMPRequest2Controls::SetOutput(QWidget* output)
{
    output_ = output;
}

void VnSNMPRequest2Controls::SetBusy(bool busy)
{
    if (busy != busy_ && showsWork_)
        FollowOwnerCursor(busy);
    busy_ = busy;
    if (busy)
        return;
    writing_ = false;
    // A command refused meanwhile is still said beside the outcome.
    if (!busyNote_.empty())
        carriedNote_ = std::move(busyNote_);
    busyNote_.clear();
    refused_.clear();
    if (wakeWaiter_)
        wakeWaiter_();
}

void VnSNMPRequest2Controls::FollowOwnerCursor(bool busy)
{
    if (!owner_)
        return;
    const int before = owner_->property(kBusyBindersProperty).toInt();
    const int now = std::max(0, before + (busy ? 1 : -1));
    owner_->setProperty(kBusyBindersProperty, now);
    // The busy cursor keeps the pointer usable: Stop and Close still work.
    if (before == 0 && now > 0)
        owner_->setCursor(Qt::BusyCursor);
    else if (before > 0 && now == 0)
        owner_->unsetCursor();
}

void VnSNMPRequest2Controls::ShowProgress()
{
    if (!output_ || !busy_ || !showsWork_)
        return;
    std::string line;
    if (writing_)
        line = "Writing to the agent...";
    else if (IsTableList())
        line = "Reading... " + std::to_string(rowsRead_) + (rowsRead_ == 1 ? " row" : " rows");
    else
        line = "Reading...";
    if (!busyNote_.empty())
        line += " - " + busyNote_;
    QString shown = QString::fromStdString(line);
    // A read after a set that timed out: on a line of its own the set's
    // outcome stays in view beside it (a memo keeps it above).
    if (probing_ && setOutcome_ == SetOutcome::Unsure && !qobject_cast<QPlainTextEdit*>(output_.data()))
        shown = setLine_ + kLineGap + shown;
    VnWriteStatusLine(output_, shown, VnLineKind::Passing);
}

std::string VnSNMPRequest2Controls::BusyNote(const std::vector<std::string>& commands) const
{
    std::string names;
    for (const std::string& command : commands)
        names += (names.empty() ? "" : ", ") + command;
    return (writing_ ? "Busy writing to the agent: " : "Busy reading from the agent: ") + names + " not done.";
}

void VnSNMPRequest2Controls::RefuseWhileBusy(const std::string& command)
{
    const std::string name = command.empty() ? std::string("the command") : command;
    // Every command refused during one work is named, each once.
    if (std::find(refused_.begin(), refused_.end(), name) == refused_.end())
        refused_.push_back(name);
    busyNote_ = BusyNote(refused_);
    if (output_) {
        ShowProgress();
        return;
    }
    VnMessageBox(owner_, QString::fromStdString(BusyNote({name})));
}

void VnSNMPRequest2Controls::ReleaseSetOutcome()
{
    setOutcome_ = SetOutcome::None;
    carriedNote_.clear();
}

void VnSNMPRequest2Controls::ShowSetOutcome(const std::string& text, SetOutcome outcome, bool write)
{
    statusTemplate_ = kVnStatusSet;
    // The agent answers again: what an earlier set left unsure is read by
    // the form after this one.
    if (outcome == SetOutcome::Ok && lister_ && listerAlive_ && *listerAlive_)
        lister_->EndReread();
    if (!output_)
        return;
    setOutcome_ = SetOutcome::None;
    setLine_ = QString::fromStdString(VnFillStatusTemplate(VnStatusTemplate(statusTemplate_), text,
                                                           request.varList.caption, VnStatusTime()));
    if (write)
        VnWriteStatusLine(output_, setLine_);
    setOutcome_ = outcome;
    // What was written is not written twice when a landing repeats it.
    refusedText_ = outcome == SetOutcome::Ok || !write ? std::string() : text;
}

VnSNMPRequest2Controls* VnSNMPRequest2Controls::Reader()
{
    if (hasRead_)
        return this;
    return lister_ && listerAlive_ && *listerAlive_ ? lister_ : nullptr;
}

std::string VnSNMPRequest2Controls::SetTimedOut(const std::string& text)
{
    VnSNMPRequest2Controls* reader = Reader();
    lastSetUnsure_ = reader != nullptr;
    return reader ? text + reader->WatchAfterLostSet() : text;
}

const char* VnSNMPRequest2Controls::WatchAfterLostSet()
{
    ReadSoon();
    return IsScalarList() ? kVnSetMayBeDoneScalarText : kVnSetMayBeDoneTableText;
}

std::string VnSNMPRequest2Controls::SetRefused(const std::string& text, bool resent)
{
    VnSNMPRequest2Controls* reader = Reader();
    lastSetUnsure_ = reader && (resent || earlierSetUnsure_);
    if (!lastSetUnsure_)
        return text;
    // The agent answers, so the probe that starts the read comes back at
    // once; a read still due for the earlier set is the same read.
    reader->ReadSoon();
    const bool scalars = reader->IsScalarList();
    if (resent)
        return text + (scalars ? kVnFirstTryMayBeDoneScalarText : kVnFirstTryMayBeDoneTableText);
    return text + (scalars ? kVnEarlierSetMayBeDoneScalarText : kVnEarlierSetMayBeDoneTableText);
}

void VnSNMPRequest2Controls::ReadAfterSet()
{
    // A read an earlier set left due is not dropped by this one: it comes
    // as every such read does, and is the read-back too.
    if (rereadPending_) {
        ReadSoon();
        return;
    }
    if (IsTableList() && refreshAfterApply_)
        Refresh();
}

void VnSNMPRequest2Controls::ReadSoon()
{
    rereadPending_ = true;
    rereadFailure_.clear();
    answerWatch_->Start(request, 0, rereadIntervalMs);
}

void VnSNMPRequest2Controls::WatchAgain()
{
    answerWatch_->Start(request, rereadIntervalMs, rereadIntervalMs);
}

void VnSNMPRequest2Controls::RereadFailed(VnSNMPError& result)
{
    // An agent silent again is watched again, one that answers with an
    // error is left alone, and so is one that fails the read as it failed
    // the read before: it answers the probe and never the whole list, and
    // each try would only add the same line.
    const std::string failure = std::to_string(result.code) + " " + result.text;
    if (result.code == kVnErrTimeout && failure != rereadFailure_) {
        rereadFailure_ = failure;
        WatchAgain();
        return;
    }
    if (result.code == kVnErrTimeout)
        result.text += IsScalarList() ? kVnRereadEndsScalarText : kVnRereadEndsTableText;
    EndReread();
}

void VnSNMPRequest2Controls::ReadAgain()
{
    if (!rereadPending_)
        return;
    // Other work first; its end may make this read needless.
    if (busy_) {
        WatchAgain();
        return;
    }
    // Without blocking, also for a blocking binder: the form stays usable.
    VnBinderModeScope background(*this, kModeAsync);
    probing_ = true;
    // A read that cannot even start will not start later either: its
    // failure is said, and the binder stops promising a read.
    if (!VnGuarded(VnErrorLanding::StatusLine(this), [this] { Refresh(); })) {
        EndReread();
        return;
    }
    if (busy_)
        return;
    probing_ = false;
    WatchAgain();
}

void VnSNMPRequest2Controls::EndReread()
{
    probing_ = false;
    rereadPending_ = false;
    rereadFailure_.clear();
    answerWatch_->Stop();
}

bool VnSNMPRequest2Controls::IsScalarList() const
{
    return request.varList.itemType == SVT_SV || request.varList.itemType == MVT_SV;
}

bool VnSNMPRequest2Controls::IsTableList() const
{
    return request.varList.itemType == MVT_FMV || request.varList.itemType == MVT_UMV;
}

void VnSNMPRequest2Controls::ShowStatus(const std::string& errorText)
{
    if (!output_)
        return;
    QString line = QString::fromStdString(VnFillStatusTemplate(
        VnStatusTemplate(statusTemplate_), errorText, request.varList.caption, VnStatusTime()));
    if (!carriedNote_.empty()) {
        // The command refused during the work stays in view: its own line
        // in a memo, beside the outcome on a one-line output.
        const QString note = QString::fromStdString(std::exchange(carriedNote_, {}));
        if (qobject_cast<QPlainTextEdit*>(output_.data()))
            VnWriteStatusLine(output_, note);
        else
            line += kLineGap + note;
    }
    if (statusTemplate_ == kVnStatusSet || setOutcome_ == SetOutcome::None) {
        // A handler's landing repeating the refusal the set has written.
        if ((setOutcome_ == SetOutcome::Refused || setOutcome_ == SetOutcome::Unsure) && errorText == refusedText_)
            return;
        VnWriteStatusLine(output_, line);
        return;
    }
    // The first read after a set: its line must not hide the set's. After a
    // refusal nothing says "Ok" beside it; after a success the read's line
    // stands beside the set's (below it, in a memo).
    const SetOutcome after = std::exchange(setOutcome_, SetOutcome::None);
    if (after == SetOutcome::Refused && errorText == OkText()) {
        // The read's progress gives way to the refusal, not to an Ok. A memo
        // holds the refusal above the progress (the set's line or its
        // caller's landing): the progress goes, the refusal is not repeated.
        if (VnShowsPassingLine(output_) && !VnDropPassingLine(output_))
            VnWriteStatusLine(output_, setLine_);
        return;
    }
    const bool oneLine = qobject_cast<QPlainTextEdit*>(output_.data()) == nullptr;
    VnWriteStatusLine(output_, oneLine ? setLine_ + kLineGap + line : line);
}

void VnSNMPRequest2Controls::ShowError(const std::string& text)
{
    if (output_) {
        ShowStatus(text);
        return;
    }
    VnMessageBox(owner_, QString::fromStdString(text));
}

void VnSNMPRequest2Controls::ShowRefusal(const std::string& reason)
{
    // As a refused input: the reason in a box, the status line says that
    // nothing went out.
    const std::shared_ptr<bool> alive = alive_;
    VnMessageBox(owner_, QString::fromStdString(reason));
    if (*alive)
        ShowStatus(kVnNothingSentText);
}

void VnSNMPRequest2Controls::OnGetError(const VnSNMPError& result)
{
    statusTemplate_ = kVnStatusGet;
    ShowError(result.text);
}

void VnSNMPRequest2Controls::OnSetError(const VnSNMPError& result)
{
    statusTemplate_ = kVnStatusSet;
    if (!output_) {
        ShowError(result.text);
        return;
    }
    ShowSetOutcome(result.text, lastSetUnsure_ ? SetOutcome::Unsure : SetOutcome::Refused);
}

void VnSNMPRequest2Controls::Refresh()
{
    // The binder refuses re-entry itself instead of leaving it to every
    // owner: a second request over the same items would mix its rows and
    // values with the first, and the first to end would clear busy under
    // the other. The request under way shows its own outcome.
    if (busy_)
        return;
    statusTemplate_ = kVnStatusGet;
    hasRead_ = true;
    BeforeRefresh();
    CallDepth depth(*this);
    if (mode == kModeSync) {
        // A stopped request reads nothing; saying "Ok" would claim a read.
        if (!request.keepGoing) {
            ShowStatus(kVnNothingSentText);
            return;
        }
        BusyScope busy(*this);
        if (IsScalarList()) {
            request.Get(true);
            if (request.TestRowFilter())
                AddRow();
        } else {
            for (bool first = true; request.Get(first); first = false) {
                if (request.TestRowFilter())
                    AddRow();
            }
        }
        AfterRefresh();
        busy.End();
        EndReread();
        ShowStatus(OkText());
        return;
    }
    if (mode == kModeAsync) {
        if (!request.keepGoing)
            return;
        BusyScope busy(*this);
        rowsRead_ = 0;
        request.GetAsync(RefreshCompletion(), true);
        busy.Keep();
        ShowProgress();
    }
}

VnSNMPCompletion VnSNMPRequest2Controls::RefreshCompletion()
{
    return [this, alive = alive_](const VnSNMPError& result, VnSNMPVarList&) {
        if (*alive)
            OnRefreshResponse(result);
    };
}

void VnSNMPRequest2Controls::OnRefreshResponse(const VnSNMPError& result)
{
    CallDepth depth(*this);
    const std::shared_ptr<bool> alive = alive_;
    try {
        if (result.code != kVnOk) {
            SetBusy(false);
            VnSNMPError told = result;
            if (std::exchange(probing_, false))
                RereadFailed(told);
            OnGetError(told);
            if (*alive)
                RaiseRefreshDone(told);
            return;
        }
        if (IsScalarList() || result.endOfWalk) {
            if (IsScalarList() && request.TestRowFilter())
                AddRow();
            if (*alive)
                FinishRefresh(result);
            return;
        }
        if (request.TestRowFilter()) {
            AddRow();
            ++rowsRead_;
        }
        if (!*alive)
            return;
        if (request.keepGoing) {
            request.GetAsync(RefreshCompletion(), false);
            ShowProgress();
            return;
        }
        FinishRefresh(result);
    } catch (const VnException& e) {
        if (*alive)
            EndWalkWithException(e.what(), e.HelpContext());
    } catch (const std::exception& e) {
        if (*alive)
            EndWalkWithException(e.what(), kVnErrUnknown);
    } catch (...) {
        if (*alive)
            EndWalkWithException(VnErrorText(kVnErrUnknown), kVnErrUnknown);
    }
}

void VnSNMPRequest2Controls::FinishRefresh(const VnSNMPError& result)
{
    AfterRefresh();
    SetBusy(false);
    EndReread();
    statusTemplate_ = kVnStatusGet;
    ShowStatus(OkText());
    RaiseRefreshDone(result);
}

void VnSNMPRequest2Controls::EndWalkWithException(const std::string& message, int code)
{
    SetBusy(false);
    if (probing_)
        EndReread();
    statusTemplate_ = kVnStatusGet;
    const std::shared_ptr<bool> alive = alive_;
    ShowError(message);
    if (!*alive)
        return;
    VnSNMPError result;
    result.code = code != 0 ? code : kVnErrUnknown;
    result.text = message;
    result.agentAddress = request.device.address;
    result.agentPort = request.device.port;
    result.endOfWalk = true;
    RaiseRefreshDone(result);
}

void VnSNMPRequest2Controls::RaiseRefreshDone(const VnSNMPError& result)
{
    if (!OnRefreshDone)
        return;
    // A copy: the handler may assign another handler, or delete the binder.
    const VnRefreshDoneEvent handler = OnRefreshDone;
    VnGuarded(VnErrorLanding::StatusLine(this), [&] { handler(*this, result); });
}

bool VnSNMPRequest2Controls::NamedBySet(int i) const
{
    return std::find(setItems_.begin(), setItems_.end(), i) != setItems_.end();
}

bool VnSNMPRequest2Controls::Apply(bool refreshAfterApply, bool readControls, const std::string& itemList,
                                   const VnSNMPValues* values)
{
    // Refused as a second Refresh is; the user's input stays in the
    // controls. The request under way keeps its template for its own line.
    if (busy_) {
        const int running = std::exchange(statusTemplate_, kVnStatusSet);
        ShowStatus(kVnNothingSentText);
        statusTemplate_ = running;
        return false;
    }
    statusTemplate_ = kVnStatusSet;
    // A new command: the last set's outcome has been seen.
    setOutcome_ = SetOutcome::None;
    lastSetUnsure_ = false;
    VnNumList<int> named;
    named.delimiter = ',';
    named.Parse(itemList);
    setItems_ = named.Values();
    refreshAfterApply_ = refreshAfterApply;
    CallDepth depth(*this);
    BeforeApply();
    if (readControls) {
        if (!ValidateControls()) {
            ShowStatus(kVnNothingSentText);
            return false;
        }
        ControlsToValues();
    }
    if (mode != kModeSync && mode != kModeAsync)
        return false;
    if (!request.keepGoing) {
        ShowStatus(kVnNothingSentText);
        return false;
    }
    // A new set goes out: a read still due for an earlier one comes once
    // this set is answered (its refusal may be the earlier set's doing).
    VnSNMPRequest2Controls* reader = Reader();
    earlierSetUnsure_ = reader && reader->rereadPending_;
    if (mode == kModeAsync) {
        BusyScope busy(*this);
        writing_ = true;
        try {
            request.SetAsync(
                [this, alive = alive_](const VnSNMPError& result, VnSNMPVarList&) {
                    if (*alive)
                        OnApplyResponse(result);
                },
                false, itemList, values);
        } catch (const VnSetRefused& refused) {
            busy.End();
            ShowRefusal(refused.what());
            return false;
        }
        busy.Keep();
        ShowProgress();
        return true;
    }
    {
        BusyScope busy(*this);
        try {
            request.Set(false, itemList, values);
        } catch (const VnSetRefused& refused) {
            busy.End();
            ShowRefusal(refused.what());
            return false;
        } catch (const std::exception& e) {
            // The agent refused or did not answer. A line of its own takes
            // the place of an older "Ok" on a status bar; a memo gets the
            // caller's landing below its older lines, and that is enough.
            busy.End();
            const bool oneLine = qobject_cast<QPlainTextEdit*>(output_.data()) == nullptr;
            const auto* failure = dynamic_cast<const VnException*>(&e);
            const int code = failure ? failure->HelpContext() : kVnErrUnknown;
            const std::string text = code == kVnErrTimeout ? SetTimedOut(e.what())
                                                           : SetRefused(e.what(), request.LastSetResent());
            ShowSetOutcome(text, lastSetUnsure_ ? SetOutcome::Unsure : SetOutcome::Refused, oneLine);
            if (!lastSetUnsure_)
                throw;
            throw VnException(text, code);
        }
        AfterApply();
        busy.End();
        ShowSetOutcome(OkText(), SetOutcome::Ok);
    }
    ReadAfterSet();
    return true;
}

void VnSNMPRequest2Controls::OnApplyResponse(const VnSNMPError& result)
{
    CallDepth depth(*this);
    const std::shared_ptr<bool> alive = alive_;
    const VnErrorLanding landing = VnErrorLanding::Call([this, &alive](const std::string& message) {
        if (!*alive)
            return;
        SetBusy(false);
        ShowError(message);
    });
    VnGuarded(landing, [&] {
        if (result.code != kVnOk) {
            SetBusy(false);
            VnSNMPError told = result;
            told.text = result.code == kVnErrTimeout ? SetTimedOut(result.text)
                                                     : SetRefused(result.text, result.resent);
            OnSetError(told);
            return;
        }
        AfterApply();
        SetBusy(false);
        ShowSetOutcome(OkText(), SetOutcome::Ok);
        // The read-back starts here, from the set's completion, so it sees
        // what the set wrote.
        ReadAfterSet();
    });
}

bool VnSNMPRequest2Controls::StopAndWait(int timeoutMs)
{
    request.keepGoing = false;
    // A closing form reads nothing more for a set that timed out.
    EndReread();
    if (!busy_)
        return true;
    if (depth_ > 0)
        return false;
    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (timeoutMs >= 0)
        bound.start(timeoutMs);
    const std::shared_ptr<bool> alive = alive_;
    wakeWaiter_ = [&loop] { loop.quit(); };
    loop.exec();
    if (!*alive)
        return true;
    wakeWaiter_ = nullptr;
    return !busy_;
}
