#include "VnEditConstraint.h"

#include "VnControlTransfer.h"
#include "VnErrorLanding.h"
#include "VnException.h"
#include "VnMessageBox.h"
#include "VnMessages.h"
#include "VnNumList.h"
#include "VnText.h"
#include "VnValueText.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <limits>
#include <optional>
#include <string>
#include <utility>

namespace {

// Entries of the common message table.
constexpr int kMsgBadFormat = 2;
constexpr int kMsgEmpty = 3;
constexpr int kMsgStringTooLong = 4;
constexpr int kMsgStringLength = 5;
constexpr int kMsgHexTooLong = 6;
constexpr int kMsgHexLength = 7;
constexpr int kMsgNumberRange = 8;
constexpr int kMsgTooManyNumbers = 9;
constexpr int kMsgNumberCount = 10;
constexpr int kMsgListRange = 11;
constexpr int kMsgIndexOutOfRange = 12;

// Texts a binder writes for a value it has not got; never filtered or checked.
bool IsPlaceholder(const QString& text)
{
    return text == QLatin1String("(NOTDONE)") || text == QLatin1String("(NULL)");
}

[[noreturn]] void RaiseBadFormat()
{
    throw VnException(VnCommonText(kMsgBadFormat));
}

// The run of characters from `set` starting at `pos`, not past `end`.
std::string_view RunOf(std::string_view format, std::size_t pos, std::size_t end,
                       std::string_view set)
{
    std::size_t stop = pos;
    while (stop < end && set.find(format[stop]) != std::string_view::npos)
        ++stop;
    return format.substr(pos, stop - pos);
}

// A range argument must be a number as a whole: "1-2" or "." is no bound.
double RangeNumber(std::string_view run)
{
    double value = 0.0;
    const auto [end, ec] = std::from_chars(run.data(), run.data() + run.size(), value,
                                           std::chars_format::fixed);
    if (ec != std::errc() || end != run.data() + run.size())
        RaiseBadFormat();
    return value;
}

int DigitsNumber(std::string_view run)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(run.data(), run.data() + run.size(), value);
    if (ec != std::errc() || end != run.data() + run.size())
        RaiseBadFormat();
    return value;
}

struct ParsedFormat {
    _EditConstraint_s record;
    int width = 0;
};

ParsedFormat ParseFormat(std::string_view format)
{
    if (format.size() < 2 || format[0] != '%')
        RaiseBadFormat();
    ParsedFormat parsed;
    _EditConstraint_s& r = parsed.record;
    r.conversion = format[1];
    std::size_t pos = 2;
    switch (r.conversion) {
    case 'f':
        r.minimum = -std::numeric_limits<double>::max();
        r.maximum = std::numeric_limits<double>::max();
        break;
    case 'i':
        r.minimum = -2147483648.0;
        r.maximum = 2147483647.0;
        break;
    case 'u':
        r.minimum = 0.0;
        r.maximum = 4294967295.0;
        break;
    case 'h':
    case 's':
        break;
    case 'n':
        if (format.size() < 3)
            RaiseBadFormat();
        r.delimiter = format[2];
        r.minimum = 0.0;
        r.maximum = 4294967295.0;
        pos = 3;
        break;
    default:
        RaiseBadFormat();
    }
    if (format.size() <= pos)
        return parsed;
    if (format[pos] != '{' || format.back() != '}')
        RaiseBadFormat();

    static constexpr std::string_view kRangeChars = "-0123456789.";
    static constexpr std::string_view kDigits = "0123456789";
    const std::size_t end = format.size() - 1;
    ++pos;
    while (pos < end) {
        const char letter = format[pos++];
        std::string_view run;
        switch (letter) {
        case 'n':
        case 'x':
            run = RunOf(format, pos, end, kRangeChars);
            if (run.empty())
                RaiseBadFormat();
            (letter == 'n' ? r.minimum : r.maximum) = RangeNumber(run);
            pos += run.size();
            break;
        case 'l':
            run = RunOf(format, pos, end, kDigits);
            if (run.empty())
                RaiseBadFormat();
            r.maxLength = DigitsNumber(run);
            pos += run.size();
            for (int k = 0; k < 3 && pos < end; ++k, ++pos) {
                const char suffix = format[pos];
                if (suffix == 'a')
                    r.flags |= _EditConstraint_s::kMoveOnWhenFull;
                else if (suffix == 'f')
                    r.flags |= _EditConstraint_s::kExactLength;
                else if (suffix == 'n')
                    r.flags |= _EditConstraint_s::kNotEmpty;
                else
                    break;
            }
            break;
        case 'w':
            run = RunOf(format, pos, end, kDigits);
            if (run.empty())
                RaiseBadFormat();
            parsed.width = DigitsNumber(run);
            pos += run.size();
            break;
        case 'e':
            if (pos >= end)
                RaiseBadFormat();
            r.endChar = format[pos++];
            break;
        default:
            RaiseBadFormat();
        }
    }
    return parsed;
}

bool IsHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'F') || (u >= 'a' && u <= 'f');
}

// Whether the conversion admits `c` after the already admitted `before`.
bool Admits(const _EditConstraint_s& r, const QString& before, QChar c)
{
    const bool digit = c.unicode() >= '0' && c.unicode() <= '9';
    switch (r.conversion) {
    case 'f':
        if (c == u'.')
            return !before.contains(u'.');
        return digit || (c == u'-' && before.isEmpty());
    case 'i':
        return digit || ((c == u'-' || c == u'+') && before.isEmpty());
    case 'u':
        return digit || (c == u'+' && before.isEmpty());
    case 'h':
        return IsHexDigit(c);
    case 'n':
        if (digit)
            return true;
        return c == QLatin1Char(r.delimiter) && !before.isEmpty()
               && before.back() != QLatin1Char(r.delimiter);
    default:
        return true;
    }
}

std::string Number(double value)
{
    return FloatToText(value);
}

// A bound of a number list made an unsigned 32-bit number; out-of-range
// bounds stop at the ends instead of wrapping.
unsigned ListBound(double value)
{
    if (!(value > 0.0))
        return 0;
    if (value >= 4294967295.0)
        return 4294967295u;
    return static_cast<unsigned>(std::trunc(value));
}

QString Message(int entry, std::initializer_list<std::pair<const char*, std::string>> fields)
{
    std::string text = VnCommonText(entry);
    for (const auto& [placeholder, value] : fields)
        text = ReplaceAll(text, placeholder, value);
    return QString::fromStdString(text);
}

bool IsIntegerConversion(const _EditConstraint_s& r)
{
    return r.conversion == 'i' || r.conversion == 'u';
}

// An integer as it is sent: no plus sign, no leading zeros, no minus before
// zero ("+01" and "01" are 1, "-0" is 0). Text that is no number as a whole
// stays as it is.
QString PlainInteger(const QString& text)
{
    qsizetype at = 0;
    const bool minus = text.startsWith(u'-');
    if (minus || text.startsWith(u'+'))
        at = 1;
    if (at == text.size())
        return text;
    for (qsizetype i = at; i < text.size(); ++i) {
        if (text[i].unicode() < '0' || text[i].unicode() > '9')
            return text;
    }
    while (at + 1 < text.size() && text[at] == u'0')
        ++at;
    const QString digits = text.mid(at);
    return minus && digits != QLatin1String("0") ? u'-' + digits : digits;
}

// The length a limit counts: for a string, the bytes that will be sent
// (an "é" is two of them in UTF-8, one in a Latin-1 value); for an integer,
// the characters of the number it is sent as, so "01" fits a field of one
// digit as well as "1"; other conversions admit ASCII only, where
// characters are bytes.
qsizetype LengthOf(const _EditConstraint_s& r, const QString& text)
{
    if (IsIntegerConversion(r))
        return PlainInteger(text).size();
    if (r.conversion != 's')
        return text.size();
    return static_cast<qsizetype>(VnControlValue(r.control, &text).size());
}

// Whether the text is a whole number for its conversion. The typing filter
// lets a text pass on its way to one ("-", ".", "1,"), and such a text would
// read as 0 or lose its last number.
bool IsWholeNumberText(const _EditConstraint_s& r, const QString& text)
{
    const auto digit = [](QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; };
    qsizetype at = 0;
    if ((r.conversion == 'i' || r.conversion == 'f') && text.startsWith(u'-'))
        at = 1;
    if (IsIntegerConversion(r) && text.startsWith(u'+'))
        at = 1;
    bool digits = false;
    bool point = false;
    bool afterDelimiter = false;
    for (; at < text.size(); ++at) {
        const QChar c = text[at];
        if (digit(c)) {
            digits = true;
            afterDelimiter = false;
            continue;
        }
        if (r.conversion == 'f' && c == u'.' && !point) {
            point = true;
            continue;
        }
        if (r.conversion == 'n' && c == QLatin1Char(r.delimiter) && digits && !afterDelimiter) {
            afterDelimiter = true;
            continue;
        }
        return false;
    }
    return digits && !afterDelimiter;
}

// The message of the rule a non-empty text breaks, or none.
std::optional<QString> BrokenRule(const _EditConstraint_s& r, const QString& text)
{
    switch (r.conversion) {
    case 'f':
    case 'i':
    case 'u': {
        const double value = TextToFloat(text.toStdString());
        if (!IsWholeNumberText(r, text) || value < r.minimum || value > r.maximum)
            return Message(kMsgNumberRange, {{"[MIN]", Number(r.minimum)}, {"[MAX]", Number(r.maximum)}});
        return std::nullopt;
    }
    case 'h':
    case 's': {
        if (r.maxLength <= 0)
            return std::nullopt;
        const bool hex = r.conversion == 'h';
        const std::string length = std::to_string(r.maxLength);
        const qsizetype size = LengthOf(r, text);
        if (r.flags & _EditConstraint_s::kExactLength) {
            if (size != r.maxLength)
                return Message(hex ? kMsgHexLength : kMsgStringLength, {{"[LEN]", length}});
            return std::nullopt;
        }
        if (size > r.maxLength)
            return Message(hex ? kMsgHexTooLong : kMsgStringTooLong, {{"[MAXLEN]", length}});
        return std::nullopt;
    }
    case 'n': {
        const std::string delimiter(1, r.delimiter);
        VnNumList<unsigned int> numbers;
        numbers.delimiter = r.delimiter;
        numbers.Parse(text.toStdString());
        if (r.maxLength > 0) {
            const std::string count = std::to_string(r.maxLength);
            if ((r.flags & _EditConstraint_s::kExactLength) && numbers.Count() != r.maxLength)
                return Message(kMsgNumberCount, {{"[DELIMITER]", delimiter}, {"[COUNT]", count}});
            if (!(r.flags & _EditConstraint_s::kExactLength) && numbers.Count() > r.maxLength)
                return Message(kMsgTooManyNumbers, {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", count}});
        }
        const unsigned low = ListBound(r.minimum);
        const unsigned high = ListBound(r.maximum);
        if (!IsWholeNumberText(r, text) || !numbers.AllInRange(low, high))
            return Message(kMsgListRange, {{"[DELIMITER]", delimiter},
                                           {"[MIN]", std::to_string(low)},
                                           {"[MAX]", std::to_string(high)}});
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

// The next widget after `from` that Tab would reach in its window.
QWidget* NextInTabOrder(QWidget* from)
{
    QWidget* window = from->window();
    for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (w->window() == window && w->isVisible() && w->isEnabled() && !w->focusProxy()
            && (w->focusPolicy() & Qt::TabFocus))
            return w;
    }
    return nullptr;
}

} // namespace

// Receives the edits' signals and focus events for the manager; deleting it
// cuts every connection, drops queued calls and takes the event filters away.
class VnEditConstraint::Hook : public QObject {
public:
    explicit Hook(VnEditConstraint& manager) : manager_(manager) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::FocusOut)
            return false;
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (!edit)
            return false;
        // Focus taken by a message box, a menu or another window is no exit;
        // the edit gets it back when that closes.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        const QWidget* now = QApplication::focusWidget();
        if (!now || now->window() != edit->window())
            return false;
        // Checked once the focus change is over: a message box inside it
        // would interfere with the click that moved the focus.
        QMetaObject::invokeMethod(
            this, [this, edit = QPointer<QLineEdit>(edit)] {
                if (edit && edit->isVisible())
                    manager_.Left(edit);
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    VnEditConstraint& manager_;
};

VnEditConstraint::VnEditConstraint(QWidget* owner, bool remember)
    : owner_(owner), remember_(remember), hook_(std::make_unique<Hook>(*this))
{
}

VnEditConstraint::~VnEditConstraint() = default;

void VnEditConstraint::AddConstraint(std::string_view format, QLineEdit* edit)
{
    ParsedFormat parsed = ParseFormat(format);
    if (!edit)
        throw VnException(VnCommonText(kMsgIndexOutOfRange));

    auto record = std::make_unique<_EditConstraint_s>(std::move(parsed.record));
    record->control = edit;
    // The text already there was set by the program.
    if (remember_)
        record->lastText = edit->text();
    if (parsed.width > 0)
        edit->setFixedWidth(parsed.width);
    // No setMaxLength: it would cut the texts the program sets. The typing
    // filter keeps the limit.

    const bool firstForEdit = Find(edit) == nullptr;
    records_.push_back(std::move(record));
    if (!firstForEdit)
        return;
    Hook* hook = hook_.get();
    QObject::connect(edit, &QLineEdit::textEdited, hook, [this, edit] {
        VnGuarded(VnErrorLanding::MessageBox(MessageOwner(edit)), [&] { OnEditChange(edit); });
    });
    QObject::connect(edit, &QLineEdit::textChanged, hook, [this, edit] { ProgramChanged(edit); });
    QObject::connect(edit, &QObject::destroyed, hook, [this, edit] {
        std::erase_if(records_, [edit](const auto& r) { return r->control == edit; });
    });
    edit->installEventFilter(hook);
}

void VnEditConstraint::AddConstraints(std::string_view format, const std::vector<QLineEdit*>& edits)
{
    std::size_t next = 0;
    auto addPiece = [&](std::string_view piece) {
        if (next >= edits.size())
            throw VnException(VnCommonText(kMsgIndexOutOfRange));
        AddConstraint(piece, edits[next++]);
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i > 0) {
            addPiece(format.substr(start, i - start));
            start = i;
            continue;
        }
        if (format[i] != '%' && i + 1 == format.size())
            addPiece(format.substr(start));
    }
}

void VnEditConstraint::RemoveConstraint(QLineEdit* edit)
{
    const auto it = std::find_if(records_.begin(), records_.end(),
                                 [edit](const auto& r) { return r->control == edit; });
    if (it == records_.end())
        return;
    records_.erase(it);
    if (Find(edit))
        return;
    QObject::disconnect(edit, nullptr, hook_.get(), nullptr);
    edit->removeEventFilter(hook_.get());
}

void VnEditConstraint::RememberText(QLineEdit* edit)
{
    if (_EditConstraint_s* record = Find(edit))
        record->lastText = edit->text();
}

void VnEditConstraint::SetFieldName(QLineEdit* edit, const QString& name)
{
    for (const auto& record : records_) {
        if (record->control == edit)
            record->fieldName = name;
    }
}

void VnEditConstraint::SetOwner(QWidget* owner)
{
    owner_ = owner;
}

_EditConstraint_s* VnEditConstraint::Find(const QLineEdit* edit)
{
    for (const auto& record : records_) {
        if (record->control == edit)
            return record.get();
    }
    return nullptr;
}

void VnEditConstraint::OnEditChange(QLineEdit* edit)
{
    QString text = edit->text();
    if (IsPlaceholder(text))
        return;
    _EditConstraint_s* record = Find(edit);
    if (!record || text.isEmpty())
        return;

    // The limit a Windows edit kept itself: what was typed or pasted past it
    // is refused.
    bool cut = false;
    if (record->maxLength > 0 && LengthOf(*record, text) > record->maxLength) {
        // Characters go from just before the cursor, where they came in,
        // until the rest fits; never half of a surrogate pair.
        qsizetype at = std::min<qsizetype>(edit->cursorPosition(), text.size());
        while (!text.isEmpty() && LengthOf(*record, text) > record->maxLength) {
            qsizetype from = at > 0 ? at - 1 : 0;
            qsizetype count = 1;
            if (from > 0 && text[from].isLowSurrogate() && text[from - 1].isHighSurrogate()) {
                --from;
                count = 2;
            } else if (from + 1 < text.size() && text[from].isHighSurrogate()
                       && text[from + 1].isLowSurrogate()) {
                count = 2;
            }
            text.remove(from, count);
            at = from;
        }
        SetTextQuietly(edit, text, static_cast<int>(at));
        QApplication::beep();
        cut = true;
    }

    if (record->endChar != 0) {
        const qsizetype at = text.indexOf(QLatin1Char(record->endChar));
        if (at >= 0) {
            text.remove(at, 1);
            SetTextQuietly(edit, text, static_cast<int>(at));
            MoveFocusOnLater(edit);
            return;
        }
    }

    QString kept;
    int cursor = edit->cursorPosition();
    const int oldCursor = cursor;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (Admits(*record, kept, text[i])) {
            kept += text[i];
            continue;
        }
        if (i < oldCursor)
            --cursor;
    }
    if (kept.size() != text.size()) {
        SetTextQuietly(edit, kept, cursor);
        QApplication::beep();
        text = kept;
        if (text.isEmpty())
            return;
    }

    if (record->onChange && !record->onChange(edit))
        return;
    // The handler may have removed the constraint.
    record = Find(edit);
    if (record && !cut && (record->flags & _EditConstraint_s::kMoveOnWhenFull)
        && record->maxLength > 0 && LengthOf(*record, text) == record->maxLength)
        MoveFocusOnLater(edit);
}

bool VnEditConstraint::OnEditExit(QLineEdit* edit)
{
    QString text = edit->text();
    if (IsPlaceholder(text))
        return true;
    _EditConstraint_s* record = Find(edit);
    if (!record)
        return true;

    if (text.isEmpty()) {
        if (record->flags & _EditConstraint_s::kNotEmpty) {
            Fail(*record, Message(kMsgEmpty, {}));
            return false;
        }
        return true;
    }
    // A text accepted before, or set by the program, stands as it is: this
    // also ends the round of messages two such edits could give each other.
    if (text != record->lastText) {
        if (const auto message = BrokenRule(*record, text)) {
            Fail(*record, *message);
            return false;
        }
        // The field shows the number as it will be sent.
        if (IsIntegerConversion(*record) && PlainInteger(text) != text) {
            text = PlainInteger(text);
            SetTextQuietly(edit, text, static_cast<int>(text.size()));
        }
    }
    if (record->onExit && !record->onExit(edit)) {
        if ((record = Find(edit)))
            PutBack(*record);
        return false;
    }
    if (remember_ && (record = Find(edit)))
        record->lastText = text;
    return true;
}

bool VnEditConstraint::CheckAll()
{
    std::vector<QPointer<QLineEdit>> edits;
    for (const auto& record : records_)
        edits.emplace_back(record->control);
    for (const QPointer<QLineEdit>& edit : edits) {
        if (edit && !OnEditExit(edit))
            return false;
    }
    return true;
}

void VnEditConstraint::ProgramChanged(QLineEdit* edit)
{
    // Typing leaves the edit modified and is handled by OnEditChange; our
    // own corrections are neither.
    if (settingText_ || edit->isModified() || !remember_)
        return;
    if (_EditConstraint_s* record = Find(edit))
        record->lastText = edit->text();
}

void VnEditConstraint::Left(QLineEdit* edit)
{
    VnGuarded(VnErrorLanding::MessageBox(MessageOwner(edit)), [&] { OnEditExit(edit); });
}

void VnEditConstraint::SetTextQuietly(QLineEdit* edit, const QString& text, int cursor)
{
    const bool wasSetting = std::exchange(settingText_, true);
    edit->setText(text);
    settingText_ = wasSetting;
    edit->setCursorPosition(cursor);
    // Still the user's text: the change signal that follows must not take it
    // for one made by the program.
    edit->setModified(true);
}

void VnEditConstraint::PutBack(_EditConstraint_s& record)
{
    // With no text accepted yet, the user's text stays to be corrected
    // rather than being wiped.
    if (record.lastText.isEmpty())
        return;
    const bool wasSetting = std::exchange(settingText_, true);
    record.control->setText(record.lastText);
    settingText_ = wasSetting;
}

void VnEditConstraint::Fail(_EditConstraint_s& record, const QString& message)
{
    QPointer<QLineEdit> edit(record.control);
    VnMessageBox(MessageOwner(edit), record.fieldName.isEmpty() ? message : record.fieldName + ": " + message);
    // The box ran an event loop: the edit or its constraint may be gone.
    if (!edit)
        return;
    if (_EditConstraint_s* still = Find(edit))
        PutBack(*still);
    edit->setFocus(Qt::OtherFocusReason);
}

void VnEditConstraint::MoveFocusOnLater(QLineEdit* edit)
{
    QPointer<QWidget> window(owner_ ? owner_->window() : edit->window());
    QPointer<QLineEdit> from(edit);
    QMetaObject::invokeMethod(
        hook_.get(), [window, from] {
            if (!window)
                return;
            QWidget* current = window->focusWidget();
            if (!current)
                current = from;
            if (!current)
                return;
            if (QWidget* next = NextInTabOrder(current))
                next->setFocus(Qt::TabFocusReason);
        },
        Qt::QueuedConnection);
}

QWidget* VnEditConstraint::MessageOwner(QLineEdit* edit) const
{
    if (owner_)
        return owner_;
    return edit ? edit->window() : nullptr;
}
