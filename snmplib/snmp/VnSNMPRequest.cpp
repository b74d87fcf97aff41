#include "VnSNMPRequest.h"

#include "Pdu.h"
#include "Snmp.h"
#include "Target.h"
#include "UsmUsers.h"
#include "Vb.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnNumList.h"
#include "VnReplyCheck.h"
#include "VnSNMPSession.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <charconv>
#include <exception>

namespace {

constexpr int kDestructorWaitMs = 6000;

[[noreturn]] void RaiseMapped(int code, const std::string& text)
{
    throw VnException(text, code);
}

void RaiseResult(int result)
{
    int code = 0;
    std::string text;
    MapSnmpError(result, code, text);
    if (code != kVnOk)
        RaiseMapped(code, text);
}

// An exception met while a reply is handled, as a result code and text.
// Exceptions without a code of their own (conversion errors) count as
// unknown failures, never as success.
void StoreException(VnSNMPError& result)
{
    try {
        throw;
    } catch (const VnException& e) {
        result.code = e.HelpContext() != 0 ? e.HelpContext() : kVnErrUnknown;
        result.text = e.what();
    } catch (const std::exception& e) {
        result.code = kVnErrUnknown;
        result.text = e.what();
    } catch (...) {
        result.code = kVnErrUnknown;
        result.text = VnErrorText(kVnErrUnknown);
    }
}

Snmp& Session()
{
    Snmp* session = VnGlobalSession;
    if (!session)
        VnRaise(kVnErrSessionCreate);
    return *session;
}

} // namespace

// What an asynchronous request needs when its reply comes.
struct VnSNMPRequest::PendingCall {
    unsigned long id = 0;
    bool readValues = false;
    bool walkStep = false;       // a get-next of a table walk
    bool readBack = false;       // a set whose reply is read back
    std::vector<Vb> sent;        // a set's bindings, which its reply must repeat
    AskedList asked;             // what each binding of the reply reads
    VnSNMPCompletion completion;
};

// Marks the items of a set and puts back, on every path, what marking and
// the write expressions changed: access flags, values and last OIDs.
class VnSNMPRequest::SetMarks {
public:
    explicit SetMarks(VnSNMPVarList& list) : list_(list)
    {
        saved_.reserve(static_cast<std::size_t>(list.Count()));
        for (int i = 0; i < list.Count(); ++i) {
            const VnSNMPVarItem& item = list.Item(i);
            saved_.push_back({item.access, item.value, item.lastOid});
        }
    }
    ~SetMarks() { Restore(); }
    SetMarks(const SetMarks&) = delete;
    SetMarks& operator=(const SetMarks&) = delete;

    void Restore()
    {
        if (restored_)
            return;
        restored_ = true;
        const int count = std::min<int>(list_.Count(), static_cast<int>(saved_.size()));
        for (int i = 0; i < count; ++i) {
            VnSNMPVarItem& item = list_.Item(i);
            item.access = saved_[static_cast<std::size_t>(i)].access;
            item.value = std::move(saved_[static_cast<std::size_t>(i)].value);
            item.lastOid = std::move(saved_[static_cast<std::size_t>(i)].lastOid);
        }
    }

private:
    struct Saved {
        unsigned access;
        std::string value;
        std::string lastOid;
    };
    VnSNMPVarList& list_;
    std::vector<Saved> saved_;
    bool restored_ = false;
};

VnSNMPRequest::VnSNMPRequest()
{
    LoadDefaults();
}

void VnSNMPRequest::LoadDefaults()
{
    VnCopyDefaults(device, scope, security, timeout);
}

VnSNMPRequest::~VnSNMPRequest()
{
    keepGoing = false;
    destroying_ = true;
    if (outstanding_ > 0 && QCoreApplication::instance()) {
        // Replies keep arriving through the session's timer and socket
        // notifiers while this loop runs; the last one or the bound ends it.
        QEventLoop loop;
        QTimer bound;
        bound.setSingleShot(true);
        bound.setTimerType(Qt::PreciseTimer);
        QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
        wakeWaiter_ = [this, &loop] {
            if (outstanding_ <= 0)
                loop.quit();
        };
        bound.start(kDestructorWaitMs);
        loop.exec();
        wakeWaiter_ = nullptr;
    }
    *alive_ = false;
    Cancel();
}

void VnSNMPRequest::Cancel()
{
    if (Snmp* session = VnGlobalSession) {
        for (unsigned long id : pending_)
            session->cancel(id);
    }
    pending_.clear();
    outstanding_ = 0;
    if (wakeWaiter_)
        wakeWaiter_();
}

bool VnSNMPRequest::IsTable() const
{
    return varList.itemType == MVT_FMV || varList.itemType == MVT_UMV;
}

int VnSNMPRequest::ReadCommand() const
{
    switch (varList.itemType) {
    case SVT_SV:
        return kPduGet;
    case MVT_SV:
        return getNextMode ? kPduGetNext : kPduGet;
    case MVT_FMV:
    case MVT_UMV:
        return kPduGetNext;
    default:
        VnRaise(kVnErrBadItemType);
    }
}

SnmpTarget& VnSNMPRequest::BuildTarget(UTarget& user, CTarget& community)
{
    UdpAddress address(device.address);
    address.set_port(device.port);
    if (!address.valid())
        VnRaise(kVnErrBadAddress);
    user = UTarget(address);
    community = CTarget(address);
    if (security.version == version3) {
        user.set_version(version3);
        user.set_retry(retries);
        user.set_timeout(static_cast<unsigned long>(std::max(timeout, 0)));
        user.set_security_model(security.securityModel);
        user.set_security_name(OctetStr(security.securityName));
        usmAddUserName(OctetStr(security.securityName), security.authProtocol, security.privProtocol,
                       OctetStr(security.authPassword), OctetStr(security.privPassword));
        return user;
    }
    community.set_version(static_cast<snmp_version>(security.version));
    community.set_retry(retries);
    community.set_timeout(static_cast<unsigned long>(std::max(timeout, 0)));
    community.set_readcommunity(OctetStr(security.readCommunity));
    community.set_writecommunity(OctetStr(security.writeCommunity));
    return community;
}

void VnSNMPRequest::StartPdu(Pdu& pdu) const
{
    pdu.set_security_level(security.securityLevel);
    pdu.set_context_name(OctetStr(scope.contextName));
    pdu.set_context_engine_id(OctetStr(scope.contextEngineId));
}

void VnSNMPRequest::BuildPdu(PduMode mode, Pdu& pdu, AskedList* asked)
{
    StartPdu(pdu);
    const unsigned char type = varList.itemType;
    if (mode == PduMode::FirstRow) {
        columnEnded_.assign(static_cast<std::size_t>(varList.Count()), false);
        badReply_.clear();
    }
    // A walk step asks only the columns still in their table; once all
    // have left, a further step asks them all and ends the walk again.
    bool anyActive = false;
    if (mode == PduMode::NextRow) {
        for (int i = 0; i < varList.Count() && !anyActive; ++i)
            anyActive = varList.IsReadable(i) && !ColumnEnded(i);
    }
    for (int i = 0; i < varList.Count(); ++i) {
        VnSNMPVarItem& item = varList.Item(i);
        if (mode == PduMode::Set) {
            if (!varList.IsWritable(i) || (IsTable() && static_cast<unsigned>(i) < varList.keyCount))
                continue;
            // A column that ended early during the walk, or a binding that
            // came without value, has nothing to write back.
            if (IsNoValueText(item.value))
                continue;
            std::string oid;
            if (type == SVT_SV)
                oid = ColumnOid(i) + ".0";
            else if (type == MVT_SV)
                oid = ColumnOid(i);
            else if (IsTable())
                oid = ColumnOid(i) + "." + KeyIndex();
            else
                VnRaise(kVnErrBadItemType);
            Vb vb{Oid(oid)};
            vb.set_syntax(item.syntax);
            ItemValueToVb(i, vb);
            pdu += vb;
            continue;
        }
        if (!varList.IsReadable(i))
            continue;
        std::string oid;
        if (mode == PduMode::FirstRow) {
            item.lastOid.clear();
            oid = type == SVT_SV ? ColumnOid(i) + ".0" : ColumnOid(i);
        } else {
            if (type == SVT_SV || type == MVT_SV)
                VnRaise(kVnErrNextOnSingle);
            if (anyActive && ColumnEnded(i))
                continue;
            oid = item.lastOid;
        }
        pdu += Vb(Oid(oid));
        if (asked)
            asked->push_back({i, std::move(oid)});
    }
}

void VnSNMPRequest::BuildRetryPdu(const AskedList& before, Pdu& pdu, AskedList& asked)
{
    StartPdu(pdu);
    asked.clear();
    for (const Asked& a : before) {
        if (ColumnEnded(a.item))
            continue;
        pdu += Vb(Oid(a.oid));
        asked.push_back(a);
    }
}

bool VnSNMPRequest::Get(bool firstRow)
{
    if (!keepGoing)
        return false;
    UTarget user;
    CTarget community;
    SnmpTarget& target = BuildTarget(user, community);
    Pdu pdu;
    AskedList asked;
    BuildPdu(firstRow ? PduMode::FirstRow : PduMode::NextRow, pdu, &asked);
    const int command = ReadCommand();
    Snmp& session = Session();
    for (;;) {
        const int result = command == kPduGetNext ? session.get_next(pdu, target) : session.get(pdu, target);
        if (pdu.unchecked())
            RaiseMapped(kVnErrBadSyntax, UncheckedReplyText());
        int code = 0;
        std::string text;
        MapSnmpError(result, code, text);
        const bool walkNoSuchName = code == kVnErrNoSuchName && IsTable();
        if (code != kVnOk && !walkNoSuchName)
            RaiseMapped(code, text);
        switch (ReadResponse(pdu, asked, walkNoSuchName)) {
        case ReadOutcome::Retry: {
            if (!keepGoing)
                return false;
            Pdu retry;
            AskedList retryAsked;
            BuildRetryPdu(asked, retry, retryAsked);
            pdu = std::move(retry);
            asked = std::move(retryAsked);
            continue;
        }
        case ReadOutcome::NoSuchName:
            RaiseMapped(code, text);
        case ReadOutcome::BadReply:
            RaiseMapped(kVnErrBadSyntax, TakeBadReply());
        case ReadOutcome::MibEnded:
        case ReadOutcome::WalkEnded:
            if (std::string bad = TakeBadReply(); !bad.empty())
                RaiseMapped(kVnErrBadSyntax, bad);
            return false;
        case ReadOutcome::Row:
            break;
        }
        return IsTable();
    }
}

void VnSNMPRequest::Send(int command, Pdu& pdu, SnmpTarget& target, VnSNMPCompletion completion,
                         bool readValues, AskedList asked)
{
    auto call = std::make_shared<PendingCall>();
    call->readValues = readValues;
    call->walkStep = command == kPduGetNext;
    call->readBack = command == kPduSet;
    if (command == kPduSet)
        call->sent = pdu.vbs();
    call->asked = std::move(asked);
    call->completion = std::move(completion);
    // The engine never calls back inside the send, so the id is known
    // before any reply can be handled.
    Snmp::Completion handler = [this, alive = alive_, call](int reason, Snmp*, Pdu& reply,
                                                            SnmpTarget& replyTarget) {
        if (!*alive)
            return;
        try {
            OnSnmpResponse(reason, reply, *call, replyTarget);
        } catch (...) {
            // Nothing may cross into the engine's dispatch; OnSnmpResponse
            // reports its own failures, so this is a last guard only.
            qWarning("VnSNMPRequest: exception in reply handling");
        }
    };
    Snmp& session = Session();
    int result = 0;
    if (command == kPduGetNext)
        result = session.get_next(pdu, target, std::move(handler));
    else if (command == kPduSet)
        result = session.set(pdu, target, std::move(handler));
    else
        result = session.get(pdu, target, std::move(handler));
    RaiseResult(result);
    call->id = pdu.get_request_id();
    pending_.push_back(call->id);
    ++outstanding_;
}

void VnSNMPRequest::GetAsync(VnSNMPCompletion completion, bool firstRow)
{
    if (!keepGoing)
        return;
    UTarget user;
    CTarget community;
    SnmpTarget& target = BuildTarget(user, community);
    Pdu pdu;
    AskedList asked;
    BuildPdu(firstRow ? PduMode::FirstRow : PduMode::NextRow, pdu, &asked);
    Send(ReadCommand(), pdu, target, std::move(completion), true, std::move(asked));
}

void VnSNMPRequest::OnSnmpResponse(int reason, Pdu& pdu, const PendingCall& call,
                                   const SnmpTarget& target)
{
    pending_.erase(std::remove(pending_.begin(), pending_.end(), call.id), pending_.end());
    // Counted down before the completion runs: it may send the next
    // request, or destroy this one.
    --outstanding_;
    if (wakeWaiter_)
        wakeWaiter_();
    if (reason == SnmpResult::SessionDestroyed)
        return;

    VnSNMPError result;
    MapSnmpError(reason == SnmpResult::Timeout ? reason : pdu.get_error_status(), result.code,
                 result.text);
    result.errorIndex = pdu.get_error_index();
    result.resent = pdu.was_resent();
    // Its error status may be as wrong as its values.
    if (reason == SnmpResult::Response && pdu.unchecked()) {
        result.code = kVnErrBadSyntax;
        result.text = UncheckedReplyText();
    }
    GenAddress address;
    target.get_address(address);
    const std::string printable = address.get_printable();
    const std::size_t slash = printable.find('/');
    result.agentAddress = printable.substr(0, slash);
    if (slash != std::string::npos) {
        const char* first = printable.data() + slash + 1;
        std::from_chars(first, printable.data() + printable.size(), result.agentPort);
    }

    // A set answered without error counts only when the reply repeats
    // what was sent, whether or not it is read back.
    if (call.readBack && result.code == kVnOk) {
        if (std::string bad = SetReplyMismatch(call.sent, pdu.vbs()); !bad.empty()) {
            result.code = kVnErrBadSyntax;
            result.text = std::move(bad);
        }
    }
    const bool walkNoSuchName = result.code == kVnErrNoSuchName && IsTable() && call.walkStep;
    if ((result.code == kVnOk && call.readValues) || walkNoSuchName) {
        try {
            switch (ReadResponse(pdu, call.asked, walkNoSuchName, call.readBack)) {
            case ReadOutcome::Retry:
                // The same step again, not the next row: the completion
                // runs once, for the step's last reply.
                if (keepGoing && !destroying_) {
                    UTarget user;
                    CTarget community;
                    SnmpTarget& again = BuildTarget(user, community);
                    Pdu retry;
                    AskedList asked;
                    BuildRetryPdu(call.asked, retry, asked);
                    Send(kPduGetNext, retry, again, call.completion, call.readValues, std::move(asked));
                    return;
                }
                MapSnmpError(0, result.code, result.text);
                result.endOfWalk = true;
                break;
            case ReadOutcome::BadReply:
                result.code = kVnErrBadSyntax;
                result.text = TakeBadReply();
                result.endOfWalk = true;
                break;
            case ReadOutcome::MibEnded:
                MapSnmpError(0, result.code, result.text);
                [[fallthrough]];
            case ReadOutcome::WalkEnded:
                if (std::string bad = TakeBadReply(); !bad.empty()) {
                    result.code = kVnErrBadSyntax;
                    result.text = std::move(bad);
                }
                result.endOfWalk = true;
                break;
            case ReadOutcome::NoSuchName:
                result.endOfWalk = true;
                break;
            case ReadOutcome::Row:
                result.endOfWalk = !IsTable();
                break;
            }
        } catch (...) {
            StoreException(result);
            result.endOfWalk = true;
        }
    } else {
        result.endOfWalk = true;
    }

    // The owner of a request being destroyed is going too: its completion
    // must not run any more.
    if (destroying_ || !call.completion)
        return;
    try {
        call.completion(result, varList);
    } catch (const std::exception& e) {
        qWarning("VnSNMPRequest: completion failed: %s", e.what());
    } catch (...) {
        qWarning("VnSNMPRequest: completion failed");
    }
}

void VnSNMPRequest::MarkSetItems(const std::string& itemList, const VnSNMPValues* values)
{
    if (itemList.empty())
        return;
    VnNumList<int> items;
    items.delimiter = ',';
    items.Parse(itemList);
    for (int i = 0; i < varList.Count(); ++i) {
        VnSNMPVarItem& item = varList.Item(i);
        const int k = items.IndexOf(i);
        if (k < 0) {
            item.access |= VnAccess::Invalid;
            continue;
        }
        item.access &= ~VnAccess::Invalid;
        if (!values)
            continue;
        if (static_cast<std::size_t>(k) >= values->size())
            VnRaise(kVnErrIndexOutOfRange);
        item.value = (*values)[static_cast<std::size_t>(k)];
    }
}

void VnSNMPRequest::RequireRowIndex() const
{
    // A key without a value would address another row (".0" for a number),
    // or the column itself.
    if (!IsTable())
        return;
    const int key = KeyWithoutValue();
    if (key < 0)
        return;
    // Named as the field the user typed into.
    const VnSNMPVarItem& item = varList.Item(key);
    const std::string& name = item.label.empty() ? item.oid : item.label;
    throw VnSetRefused(name + ": " + kVnNoRowIndexText, kVnErrBadKeyCount);
}

void VnSNMPRequest::RequireBindings(const Pdu& pdu) const
{
    // An empty set would be answered with success for writing nothing.
    if (pdu.get_vb_count() > 0)
        return;
    // The fields chosen for the set that hold no value: the user ticked
    // them, and should know which.
    std::string names;
    for (int i = 0; i < varList.Count(); ++i) {
        const VnSNMPVarItem& item = varList.Item(i);
        if (!varList.IsWritable(i) || (IsTable() && static_cast<unsigned>(i) < varList.keyCount)
            || !IsNoValueText(item.value))
            continue;
        names += (names.empty() ? "" : ", ") + (item.label.empty() ? item.oid : item.label);
    }
    throw VnSetRefused(names.empty() ? std::string(kVnNoValueToSetText) : names + ": " + kVnNoValueToSetText,
                       kVnErrBadDataValue);
}

bool VnSNMPRequest::Set(bool readBack, const std::string& itemList, const VnSNMPValues* values)
{
    if (!keepGoing)
        return false;
    SetMarks marks(varList);
    MarkSetItems(itemList, values);
    for (int i = 0; i < varList.Count(); ++i)
        ApplyItemExpression(i, false);
    RequireRowIndex();
    UTarget user;
    CTarget community;
    SnmpTarget& target = BuildTarget(user, community);
    Pdu pdu;
    BuildPdu(PduMode::Set, pdu);
    RequireBindings(pdu);
    const std::vector<Vb> sent = pdu.vbs();
    lastSetResent_ = false;
    const int result = Session().set(pdu, target);
    lastSetResent_ = pdu.was_resent();
    marks.Restore();
    if (pdu.unchecked())
        RaiseMapped(kVnErrBadSyntax, UncheckedReplyText());
    RaiseResult(result);
    if (std::string bad = SetReplyMismatch(sent, pdu.vbs()); !bad.empty())
        RaiseMapped(kVnErrBadSyntax, bad);
    if (!readBack)
        return false;
    switch (ReadResponse(pdu, ReadableItems(), false, true)) {
    case ReadOutcome::Row:
        return IsTable();
    case ReadOutcome::BadReply:
        RaiseMapped(kVnErrBadSyntax, TakeBadReply());
    default:
        return false;
    }
}

void VnSNMPRequest::SetAsync(VnSNMPCompletion completion, bool readBack, const std::string& itemList,
                             const VnSNMPValues* values)
{
    if (!keepGoing)
        return;
    UTarget user;
    CTarget community;
    Pdu pdu;
    SnmpTarget* target = nullptr;
    {
        SetMarks marks(varList);
        MarkSetItems(itemList, values);
        for (int i = 0; i < varList.Count(); ++i)
            ApplyItemExpression(i, false);
        RequireRowIndex();
        target = &BuildTarget(user, community);
        BuildPdu(PduMode::Set, pdu);
        RequireBindings(pdu);
    }
    Send(kPduSet, pdu, *target, std::move(completion), readBack, ReadableItems());
}
