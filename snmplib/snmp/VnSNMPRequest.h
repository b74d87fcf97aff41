#pragma once
// One reusable SNMP conversation over one variable list: read the scalars
// of a group, walk a table one row per get-next, or write the writable
// items with one set, blocking or through the process-wide session. Item
// values travel as display texts; the virtual operations convert them.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
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
    // The request went out more than once before this answer came: the
    // answer may be to a later copy, and an earlier one may have been
    // carried out all the same.
    bool resent = false;
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
    // Drops every asynchronous request under way: no completion of theirs
    // runs, and destroying the request then waits for nothing.
    void Cancel();
    // Whether the last blocking set went out more than once before its
    // answer (see VnSNMPError::resent).
    bool LastSetResent() const { return lastSetResent_; }

    // One blocking get or get-next step; true when a table row was read
    // and the walk may go on. A table row is built at the lowest instance
    // the columns returned; a column whose cell that row lacks holds
    // "(NOTDONE)" for it, and a column that left its table holds it until
    // the walk ends, when every column has left.
    // A binding that is not what was asked (another OID; a type the item's
    // syntax cannot read) leaves its item "(NOTDONE)" and fails the read
    // with a text naming what the agent sent: a get at once, a table walk
    // when it ends, after its rows.
    bool Get(bool firstRow);
    // One asynchronous get or get-next; `completion` runs once when the
    // reply, a time-out or an error arrives.
    void GetAsync(VnSNMPCompletion completion, bool firstRow);
    // One set of the writable items (of `itemList`, "0,2", when not empty,
    // with their values from `values` when given). Items holding "(NOTDONE)"
    // or "(NULL)" are left out. Raises VnSetRefused, sending nothing, when a
    // table's index item has no usable value, a value or key is no value of
    // its syntax (the message names the field), or no item is left to send.
    // The list's flags and values are what they were before, whatever happens.
    bool Set(bool readBack, const std::string& itemList, const VnSNMPValues* values);
    void SetAsync(VnSNMPCompletion completion, bool readBack, const std::string& itemList,
                  const VnSNMPValues* values);

    bool TestRowFilter() { return EvaluateCondition(rowFilter); }
    bool TestCondition(const std::string& condition) { return EvaluateCondition(condition); }

    // While set, a table set addresses exactly this instance (the one the
    // selected row was read at) instead of encoding the key items' values.
    std::optional<std::string> rowInstance;

    // The current row's instance suffix: rowInstance when set, else the
    // key items' values encoded.
    std::string KeyIndex();
    // The first key item whose value cannot address a row (a no-value text,
    // empty unless a string key that carries its length, or no number for a
    // numeric syntax); -1 when all can. Other malformed keys are refused,
    // by name, when KeyIndex encodes them.
    int KeyWithoutValue() const;
    // Fills the key items from a row's instance suffix. An instance that
    // does not decode exactly for the index (sub-identifiers left over or
    // missing, a length that is not the count that follows, an octet or
    // address part above 255) gives every key item the text
    // MalformedKeyText(instance), and ReadRowMalformed() says why.
    void SetKeysFromIndex(const std::string& instance);
    // The instance of the row read last, and why it does not decode
    // exactly ("" when it does).
    const std::string& ReadRowInstance() const { return readRowInstance_; }
    const std::string& ReadRowMalformed() const { return readRowMalformed_; }
    static std::string MalformedKeyText(const std::string& instance);

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
    // One binding of a read: the item it reads and the OID asked for
    // ("" when the reply is not matched against what was asked).
    struct Asked {
        int item = 0;
        std::string oid;
    };
    using AskedList = std::vector<Asked>;

    SnmpTarget& BuildTarget(UTarget& user, CTarget& community);
    // With `asked`, a read notes there which item each binding reads. A
    // walk step asks only the columns that have not yet left their table.
    void BuildPdu(PduMode mode, Pdu& pdu, AskedList* asked = nullptr);
    struct PendingCall;
    // Hands one reply, time-out or failure to the call's completion.
    void OnSnmpResponse(int reason, Pdu& pdu, const PendingCall& call, const SnmpTarget& target);

private:
    // Retry: an SNMPv1 agent refused a walk step because one column ran
    // past the end of its MIB; the step goes again without that column.
    // BadReply: a get's binding was not what was asked (badReply_ says what).
    enum class ReadOutcome { Row, WalkEnded, MibEnded, NoSuchName, Retry, BadReply };
    class SetMarks;

    // Stores a response's bindings into the items they were asked for.
    // With `noSuchName` only tells how the walk ends. A set's read back
    // leaves the state of a walk alone.
    ReadOutcome ReadResponse(const Pdu& pdu, const AskedList& asked, bool noSuchName, bool readBack = false);
    // One row of a table walk, at the lowest instance the columns returned.
    ReadOutcome ReadTableStep(const Pdu& pdu, const AskedList& asked, bool readBack);
    ReadOutcome ReadSingleValues(const Pdu& pdu, const AskedList& asked);
    ReadOutcome ReadNoSuchName(const Pdu& pdu, const AskedList& asked);
    // The walk step again for the columns of `before` that have not ended.
    void BuildRetryPdu(const AskedList& before, Pdu& pdu, AskedList& asked);
    void StartPdu(Pdu& pdu) const;
    bool ColumnEnded(int i) const;
    void EndColumn(int i);
    void NoteBadReply(std::string text);
    // Every readable item, in list order, matched by position only: the
    // bindings a set's read back is read into.
    AskedList ReadableItems() const;
    // The bad reply of a walk that has ended, once; empty when there was none.
    std::string TakeBadReply();
    bool IsTable() const;
    void Send(int command, Pdu& pdu, SnmpTarget& target, VnSNMPCompletion completion, bool readValues,
              AskedList asked);
    int ReadCommand() const;
    void MarkSetItems(const std::string& itemList, const VnSNMPValues* values);
    // Refusals of a set, before anything is sent.
    void RequireRowIndex() const;
    void RequireBindings(const Pdu& pdu) const;

    // The walk under way: columns that have left their table, and the
    // first binding that was not what was asked (told when the walk ends).
    std::vector<bool> columnEnded_;
    std::string badReply_;
    std::string readRowInstance_;
    std::string readRowMalformed_;
    int outstanding_ = 0;
    bool lastSetResent_ = false;
    std::vector<unsigned long> pending_;  // ids of the asynchronous requests under way
    bool destroying_ = false;
    // Cleared by the destructor; a reply handler holding a copy can tell
    // the request has gone.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::function<void()> wakeWaiter_;
};
