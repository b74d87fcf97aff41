#pragma once
// Format constraints of edit boxes, such as "%i{n1x4094}" (an integer from
// 1 to 4094) or "%s{l32n}" (a string of 1 to 32 characters): they filter
// what the user types and check the text when the edit is left.
//
// Grammar: "%" conversion [delimiter] ["{" letters "}"]. Conversions: f real,
// h hex string, i signed and u unsigned integer, s string, n delimited list
// of unsigned numbers (the delimiter follows the "n"). Letters, any order:
// n<number> minimum, x<number> maximum, l<digits>[a][f][n] maximum length
// (a: move on when full, f: exact length, n: not empty), w<digits> width in
// pixels, e<char> end character. Since "n" right after "l"'s digits is a
// suffix, formats write "l" last. A string's length counts the bytes it will
// be sent as (VnControlValue), not its characters.
//
// Integers (i, u) take a plus sign and leading zeros as the number they
// write: "+1", "01" and "1" are all 1, and fit a field of one digit alike.
// Once the edit is left (or checked for a set) it shows the number as it
// is sent ("1"); a minus sign counts towards the length.
//
// Only what the user types is filtered; text the program sets is shown as it
// stands and becomes the last accepted text, so a failed check never blanks
// a value that was read from the agent.
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QLineEdit;
class QWidget;

// A handler run after the constraint's own work, with the edit. Returning
// false rejects: a change stops there, an exit puts back the last accepted
// text.
using VnEditHandler = std::function<bool(QLineEdit*)>;

// One constrained edit.
struct _EditConstraint_s {
    static constexpr unsigned short kMoveOnWhenFull = 1;
    static constexpr unsigned short kExactLength = 2;
    static constexpr unsigned short kNotEmpty = 4;

    QLineEdit* control = nullptr;
    char conversion = 0;     // f h i n s u
    char delimiter = 0;      // conversion n only
    double minimum = 0.0;
    double maximum = 0.0;
    int maxLength = 0;       // 0: no limit; for n the most numbers
    unsigned short flags = 0;
    char endChar = 0;        // 0: none
    QString lastText;        // put back when a check fails
    QString fieldName;       // names the field in a refusal; empty: none
    VnEditHandler onChange;  // runs after the typing filter passed
    VnEditHandler onExit;    // runs after the exit check passed
};

class VnEditConstraint {
public:
    // `remember`: texts that pass the exit check, and texts the program
    // sets, become the edit's last accepted text.
    VnEditConstraint(QWidget* owner, bool remember);
    // The edits keep working as plain edits afterwards.
    ~VnEditConstraint();
    VnEditConstraint(const VnEditConstraint&) = delete;
    VnEditConstraint& operator=(const VnEditConstraint&) = delete;

    // One conversion ("%i{n1x4094}") for `edit`. A malformed format raises
    // VnException with the common message "Bad format specifier of edit's
    // constraint!" and installs nothing.
    void AddConstraint(std::string_view format, QLineEdit* edit);
    // Several conversions written one after the other; the k-th goes to
    // edits[k]. Too few edits raise the index error when the missing one is
    // reached; the conversions before it stay installed.
    void AddConstraints(std::string_view format, const std::vector<QLineEdit*>& edits);
    // An edit without a constraint is ignored.
    void RemoveConstraint(QLineEdit* edit);
    void RememberText(QLineEdit* edit);
    // The field's name put before its refusals ("Priority: Please enter a
    // number between 0 and 7!"), for every constraint of the edit.
    void SetFieldName(QLineEdit* edit, const QString& name);
    // The window over which messages are shown and whose focus moves on.
    void SetOwner(QWidget* owner);
    _EditConstraint_s* Find(const QLineEdit* edit);

    // Typing: the length limit, the end character, the conversion's filter
    // (a refused character is taken out with a beep), then move on when full.
    void OnEditChange(QLineEdit* edit);
    // The exit check of one edit; a failure shows the message, puts back the
    // last accepted text and returns the focus. False when the text was
    // refused.
    bool OnEditExit(QLineEdit* edit);
    // The exit check of every constrained edit, for Set and Apply, which a
    // button or menu may start without taking the focus. Stops at the first
    // failure and returns false: nothing may be sent then.
    bool CheckAll();

private:
    class Hook;

    void ProgramChanged(QLineEdit* edit);
    void Left(QLineEdit* edit);
    void SetTextQuietly(QLineEdit* edit, const QString& text, int cursor);
    void PutBack(_EditConstraint_s& record);
    void Fail(_EditConstraint_s& record, const QString& message);
    void MoveFocusOnLater(QLineEdit* edit);
    QWidget* MessageOwner(QLineEdit* edit) const;

    QPointer<QWidget> owner_;
    bool remember_;
    bool settingText_ = false;
    std::vector<std::unique_ptr<_EditConstraint_s>> records_;
    std::unique_ptr<Hook> hook_;
};
