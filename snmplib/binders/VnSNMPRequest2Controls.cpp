#include "VnSNMPRequest2Controls.h"

#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <utility>

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

}  // namespace

VnSNMPRequest2Controls::VnSNMPRequest2Controls(QWidget* owner)
    : owner_(owner), context_(std::make_unique<QObject>())
{
}

VnSNMPRequest2Controls::~VnSNMPRequest2Controls()
{
    *alive_ = false;
    request.keepGoing = false;
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
    busy_ = busy;
    if (!busy && wakeWaiter_)
        wakeWaiter_();
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
    const std::string line = VnFillStatusTemplate(VnStatusTemplate(statusTemplate_), errorText,
                                                  request.varList.caption, VnStatusTime());
    VnWriteStatusLine(output_, QString::fromStdString(line));
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
    ShowError(result.text);
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
        ShowStatus(OkText());
        return;
    }
    if (mode == kModeAsync) {
        if (!request.keepGoing)
            return;
        BusyScope busy(*this);
        request.GetAsync(RefreshCompletion(), true);
        busy.Keep();
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
            OnGetError(result);
            if (*alive)
                RaiseRefreshDone(result);
            return;
        }
        if (IsScalarList() || result.endOfWalk) {
            if (IsScalarList() && request.TestRowFilter())
                AddRow();
            if (*alive)
                FinishRefresh(result);
            return;
        }
        if (request.TestRowFilter())
            AddRow();
        if (!*alive)
            return;
        if (request.keepGoing) {
            request.GetAsync(RefreshCompletion(), false);
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
    statusTemplate_ = kVnStatusGet;
    ShowStatus(OkText());
    RaiseRefreshDone(result);
}

void VnSNMPRequest2Controls::EndWalkWithException(const std::string& message, int code)
{
    SetBusy(false);
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
    if (mode == kModeAsync) {
        BusyScope busy(*this);
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
        }
        AfterApply();
        busy.End();
        ShowStatus(OkText());
    }
    if (IsTableList() && refreshAfterApply_)
        Refresh();
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
            OnSetError(result);
            return;
        }
        AfterApply();
        SetBusy(false);
        statusTemplate_ = kVnStatusSet;
        ShowStatus(OkText());
        // The read-back starts here, from the set's completion, so it sees
        // what the set wrote.
        if (IsTableList() && refreshAfterApply_)
            Refresh();
    });
}

bool VnSNMPRequest2Controls::StopAndWait(int timeoutMs)
{
    request.keepGoing = false;
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
