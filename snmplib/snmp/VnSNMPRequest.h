#pragma once
// One reusable SNMP conversation over one variable list: read the scalars
// of a group, walk a table one row per get-next, or write the writable
// items with one set, blocking or through the process-wide session. Item
// values travel as display texts; the virtual operations convert them.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "VnException.h"
#include "VnSNMPDefaults.h"
#include "VnSNMPVarList.h"

class CTarget;
class Pdu;
class SnmpTarget;
class UTarget;
class Vb;

// The outcome of one asynchronous request, handed to its completion.
struct VnSNMPError {
    int code = 0;           // library error code
    int errorIndex = 0;     // the response's error index
    std::string text;       // the code's message text
    std::string agentAddress;
    std::uint16_t agentPort = 0;
    bool endOfWalk = false;
};

// Called once per asynchronous request with its outcome and the request's
// variable list.
using VnSNMPCompletion = std::function<void(const VnSNMPError& result, VnSNMPVarList& list)>;

// The values a set takes for the items of its item list, by position.
using VnSNMPValues = std::vector<std::string>;

// A set refused before anything was sent, for want of a value: the message
// says which. Binders show it as a refused input.
class VnSetRefused : public VnException {
public:
    using VnException::VnException;
};
// A table row addressed by an index item without a usable value: empty,
// "(NOTDONE)", "(NULL)", or not a number for a numeric syntax.
inline constexpr const char* kVnNoRowIndexText = "(VnSNMP++) The row to set has no index value!";
// Every item of the set left out: no value, not writable, or marked invalid.
inline constexpr const char* kVnNoValueToSetText = "(VnSNMP++) No value to set!";

class VnSNMPRequest {
public:
    bool getNextMode = false;     // read an MVT_SV list with get-next
    int timeout = 100;            // hundredths of a second
    int retries = 1;
    VnSNMPDevice device;
    VnSNMPScope scope;
    VnSNMPSecurity security;
    VnSNMPVarList varList;
    std::string rowFilter;        // condition each table row must meet
    bool keepGoing = true;        // while false, no request is sent

    VnSNMPRequest();
    // Stops the request, waits at most 6000 ms (pumping events) for the
    // replies still outstanding, then drops whatever has not come. Replies
    // that arrive meanwhile no longer reach their completions: the owner
    // that made them is being destroyed.
    virtual ~VnSNMPRequest();
    VnSNMPRequest(const VnSNMPRequest&) = delete;
    VnSNMPRequest& operator=(const VnSNMPRequest&) = delete;

    // Copies the process-wide defaults (address, scope, security, time-out).
    void LoadDefaults();

    // Asynchronous requests sent and not yet answered.
    int Outstanding() const { return outstanding_; }

    // One blocking get or get-next step; true when a table row was read
    // and the walk may go on.
    bool Get(bool firstRow);
    // One asynchronous get or get-next; `completion` runs once when the
    // reply, a time-out or an error arrives.
    void GetAsync(VnSNMPCompletion completion, bool firstRow);
    // One set of the writable items (of `itemList`, "0,2", when not empty,
    // with their values from `values` when given). Items holding "(NOTDONE)"
    // or "(NULL)" are left out. Raises VnSetRefused, sending nothing, when a
    // table's index item has no usable value or no item is left to send. The
    // list's flags and values are what they were before, whatever happens.
    bool Set(bool readBack, const std::string& itemList, const VnSNMPValues* values);
    void SetAsync(VnSNMPCompletion completion, bool readBack, const std::string& itemList,
                  const VnSNMPValues* values);

    bool TestRowFilter() { return EvaluateCondition(rowFilter); }
    bool TestCondition(const std::string& condition) { return EvaluateCondition(condition); }

    // The current row's instance suffix from the key items' values.
    std::string KeyIndex();
    // The first key item whose value cannot address a row (empty, a no-value
    // text, or no number for a numeric syntax); -1 when all can.
    int KeyWithoutValue() const;
    // Fills the key items from a row's instance suffix.
    void SetKeysFromIndex(const std::string& instance);

    // Item `i`'s OID, with the list's name appended when it has one.
    std::string ColumnOid(int i) const;

    virtual std::string ExpandItemReferences(const std::string& expression, bool quoteOtherValues,
                                             const std::string& marker);
    // Decodes key item i from the front of `instance`; returns the rest.
    virtual std::string IndexToItemValue(int i, const std::string& instance);
    virtual std::string ItemValueToIndex(int i);
    virtual void VbToItemValue(int i, const Vb& vb);
    virtual void ItemValueToVb(int i, Vb& vb);
    virtual void ApplyItemExpression(int i, bool afterGet);
    virtual bool EvaluateCondition(const std::string& condition);
    virtual bool IsEndOfColumn(const std::string& column, const std::string& previous,
                               const std::string& returned);

protected:
    enum class PduMode { FirstRow = 0, NextRow = 1, Set = 2 };

    SnmpTarget& BuildTarget(UTarget& user, CTarget& community);
    void BuildPdu(PduMode mode, Pdu& pdu);
    struct PendingCall;
    // Hands one reply, time-out or failure to the call's completion.
    void OnSnmpResponse(int reason, Pdu& pdu, const PendingCall& call, const SnmpTarget& target);

private:
    enum class ReadOutcome { Row, WalkEnded, MibEnded, NoSuchName };
    class SetMarks;

    // Stores a response's bindings into the readable items. With
    // `noSuchName` only tells whether the walk met the end of the MIB.
    ReadOutcome ReadResponse(const Pdu& pdu, bool noSuchName, const std::string& firstSentOid);
    bool IsTable() const;
    void Send(int command, Pdu& pdu, SnmpTarget& target, VnSNMPCompletion completion, bool readValues);
    int ReadCommand() const;
    void MarkSetItems(const std::string& itemList, const VnSNMPValues* values);
    // Refusals of a set, before anything is sent.
    void RequireRowIndex() const;
    static void RequireBindings(const Pdu& pdu);

    int outstanding_ = 0;
    std::vector<unsigned long> pending_;  // ids of the asynchronous requests under way
    bool destroying_ = false;
    // Cleared by the destructor; a reply handler holding a copy can tell
    // the request has gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::function<void()> wakeWaiter_;
};
