#include "VnControlTransfer.h"

#include <exception>

#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringDecoder>
#include <QTreeWidgetItem>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <exception>
#include <optional>

#include "VnControlValue.h"
#include "VnDateTime.h"
#include "VnException.h"
#include "VnMessages.h"
#include "VnOptionControls.h"
#include "VnOptionList.h"
#include "VnRadioGroup.h"
#include "VnSNMPVarList.h"
#include "VnText.h"
#include "VnValueText.h"

namespace {

enum class ControlKind { Label, CheckBox, ComboBox, RadioGroup, Edit, Other };

ControlKind KindOf(QWidget* control)
{
    if (qobject_cast<QCheckBox*>(control))
        return ControlKind::CheckBox;
    if (qobject_cast<QComboBox*>(control))
        return ControlKind::ComboBox;
    if (qobject_cast<QLineEdit*>(control))
        return ControlKind::Edit;
    if (qobject_cast<QLabel*>(control))
        return ControlKind::Label;
    if (dynamic_cast<VnRadioGroup*>(control))
        return ControlKind::RadioGroup;
    return ControlKind::Other;
}

std::string StdText(const QString& text)
{
    return text.toStdString();
}

QString QtText(const std::string& text)
{
    return QString::fromStdString(text);
}

bool IsAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsUtf8(const QByteArray& bytes)
{
    if (IsAscii(bytes))
        return true;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

QString ShownTextOf(const QByteArray& bytes)
{
    if (IsAscii(bytes))
        return QString::fromLatin1(bytes);
    return IsUtf8(bytes) ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

// The bytes of a changed text, in the character set of the value it replaced.
std::string EncodedText(const QString& text, const QByteArray* replaced)
{
    if (replaced && !IsUtf8(*replaced)
        && std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; })) {
        const QByteArray latin1 = text.toLatin1();
        return std::string(latin1.constData(), static_cast<std::size_t>(latin1.size()));
    }
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

// The bytes a text stands for, given the bytes it was shown from (if any).
std::string BytesOfShown(const QString& text, const QVariant& shownFrom)
{
    if (!shownFrom.isValid())
        return EncodedText(text, nullptr);
    const QByteArray bytes = shownFrom.toByteArray();
    if (text == ShownTextOf(bytes))
        return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return EncodedText(text, &bytes);
}

constexpr char kShownBytes[] = "vnShownBytes";
constexpr int kCellBytesRole = Qt::UserRole + 0x56;

QByteArray ByteArrayOf(const std::string& value)
{
    return QByteArray(value.data(), static_cast<qsizetype>(value.size()));
}

bool IsBooleanSyntax(unsigned syntax)
{
    return syntax == VnSyntax::Boolean || syntax == VnSyntax::Bool8 || syntax == VnSyntax::Bool16;
}

bool IsHexSyntax(unsigned syntax)
{
    return syntax == VnSyntax::BitStr || syntax == VnSyntax::OctetStr || syntax == VnSyntax::Opaque;
}

std::string ValueOf(const VnOptionList* options, const std::string& text)
{
    return options ? options->ValueOfLabel(text) : text;
}

std::string LabelOf(const VnOptionList* options, const std::string& text)
{
    return options ? options->LabelOfValue(text) : text;
}

// A control that shows no value of its item (a no-value text, or a value it
// cannot represent) is marked so until it changes; reading it then leaves
// the item's value as it is. Check boxes lose the mark when toggled, by the
// user or by the form; a group of edit boxes when any text differs from
// what it held when it was marked.
constexpr char kNoValueMark[] = "vnShowsNoValue";
constexpr char kNoValueHooked[] = "vnNoValueHooked";
constexpr char kNoValueTexts[] = "vnNoValueText";

void MarkBox(QCheckBox* box, bool noValue)
{
    if (!box)
        return;
    if (noValue && !box->property(kNoValueHooked).toBool()) {
        box->setProperty(kNoValueHooked, true);
        QObject::connect(box, &QCheckBox::toggled, box, [box] { box->setProperty(kNoValueMark, false); });
    }
    box->setProperty(kNoValueMark, noValue);
}

bool BoxShowsNoValue(const QCheckBox* box)
{
    return box && box->property(kNoValueMark).toBool();
}

void MarkEdits(const std::vector<QLineEdit*>& edits, bool noValue)
{
    for (QLineEdit* edit : edits) {
        if (edit)
            edit->setProperty(kNoValueTexts, noValue ? QVariant(edit->text()) : QVariant());
    }
}

bool EditsShowNoValue(const std::vector<QLineEdit*>& edits)
{
    bool any = false;
    for (const QLineEdit* edit : edits) {
        if (!edit)
            continue;
        const QVariant shown = edit->property(kNoValueTexts);
        if (!shown.isValid() || shown.toString() != edit->text())
            return false;
        any = true;
    }
    return any;
}

std::string Hex2(std::uint8_t byte)
{
    return BytesToHex({&byte, 1});
}

// One edit box's number in a group: an empty box is 0; anything but a whole
// number gives none.
std::optional<std::int64_t> PartNumber(const std::string& text)
{
    const std::string trimmed = TrimBlanks(text);
    if (trimmed.empty())
        return 0;
    try {
        return ReadWholeNumber(trimmed, INT64_MIN, INT64_MAX);
    } catch (const VnValueRefused&) {
        return std::nullopt;
    }
}

// A part as it goes into the value text: its number, or the text as typed,
// for the value's own reading to refuse.
std::string PartText(const std::string& text)
{
    const std::optional<std::int64_t> n = PartNumber(text);
    return n ? std::to_string(*n) : TrimBlanks(text);
}

// A part of a date-time value, which cannot be kept as typed: it is no text.
std::int64_t DatePart(const std::string& text)
{
    const std::optional<std::int64_t> n = PartNumber(text);
    if (!n)
        VnRaise(kVnErrBadDataValue);
    return *n;
}

std::uint32_t LittleWord(const VnBytes& bytes, std::size_t at)
{
    std::uint32_t word = 0;
    for (std::size_t k = 0; k < 4 && at + k < bytes.size(); ++k)
        word |= static_cast<std::uint32_t>(bytes[at + k]) << (8 * k);
    return word;
}

void RequireControls(std::size_t have, std::size_t need)
{
    if (have < need)
        VnRaise(kVnErrTooFewControls);
}

// Least edit boxes a fixed layout needs; 0 for the layouts sized by the value.
std::size_t FixedGroupSize(unsigned syntax)
{
    switch (syntax) {
    case VnSyntax::IpAddress:
    case VnSyntax::NsapAddr:
        return 4;
    case VnSyntax::TimeTicks:
        return 5;
    case VnSyntax::MacAddress:
        return 6;
    case VnSyntax::DateTime:
        return 10;
    case VnSyntax::BcdDateTime:
        return 7;
    case VnSyntax::Ipv6Address:
        return 16;
    default:
        return 0;
    }
}

// The texts of a date-time value's fields: year, month, day, hour, minute,
// second, millisecond.
std::vector<std::string> DateValueFields(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > 1e7)
        VnRaise(kVnErrBadDataValue);
    const VnDateTimeParts parts = SplitDateTime(value);
    return {std::to_string(parts.year),   std::to_string(parts.month),
            std::to_string(parts.day),    std::to_string(parts.hour),
            std::to_string(parts.minute), std::to_string(parts.second),
            std::to_string(parts.millisecond)};
}

// The date-time value text of fields read from edit boxes; fields outside a
// real date or time of day are refused as a bad value.
std::string DateValueText(const std::vector<std::string>& texts)
{
    const std::int64_t year = DatePart(texts[0]);
    const std::int64_t month = DatePart(texts[1]);
    const std::int64_t day = DatePart(texts[2]);
    const std::int64_t hour = DatePart(texts[3]);
    const std::int64_t minute = DatePart(texts[4]);
    const std::int64_t second = DatePart(texts[5]);
    const std::int64_t milli = DatePart(texts[6]);
    if (!IsValidDate(year, month, day) || hour < 0 || hour > 23 || minute < 0 || minute > 59
        || second < 0 || second > 59 || milli < 0 || milli > 999)
        VnRaise(kVnErrBadDataValue);
    const auto days = static_cast<double>(DaysFromCivil(static_cast<int>(year), static_cast<unsigned>(month),
                                                        static_cast<unsigned>(day)));
    const double time = TimeOfDay(static_cast<unsigned>(hour), static_cast<unsigned>(minute),
                                  static_cast<unsigned>(second), static_cast<unsigned>(milli));
    return DateTimeToText(DateWithTime(days, time));
}

// The DateAndTime text of its ten edit boxes, every field as typed so that
// the value's reading judges it. Without "+" or "-" an offset would be
// dropped from the value unseen; only a zero offset needs no direction.
std::string DateAndTimeText(const std::vector<std::string>& texts)
{
    std::string text = PartText(texts[0]) + '-' + PartText(texts[1]) + '-' + PartText(texts[2]) + ','
                       + PartText(texts[3]) + ':' + PartText(texts[4]) + ':' + PartText(texts[5]) + '.'
                       + PartText(texts[6]);
    const std::string direction = TrimBlanks(texts[7]);
    const std::string hours = PartText(texts[8]);
    const std::string minutes = PartText(texts[9]);
    const bool zero = hours == "0" && minutes == "0";
    if (direction != "+" && direction != "-") {
        if (!zero)
            VnRaise(kVnErrBadDataValue);
        return text;
    }
    return zero ? text : text + ',' + direction + hours + ':' + minutes;
}

std::string JoinHex(const std::vector<std::string>& texts, std::size_t count)
{
    std::string joined;
    for (std::size_t k = 0; k < count; ++k) {
        const std::string text = TrimBlanks(texts[k]);
        if (text.empty())
            joined += "00";
        else if (text.size() == 1)
            joined += '0' + text;
        else
            joined += text;
    }
    return joined;
}

std::string JoinNumbers(const std::vector<std::string>& texts, std::size_t count)
{
    std::string joined;
    for (std::size_t k = 0; k < count; ++k) {
        if (k > 0)
            joined += '.';
        joined += PartText(texts[k]);
    }
    return joined;
}

// The value text a group of edit boxes makes, by the binding's syntax.
std::string EditGroupText(const std::vector<std::string>& texts, unsigned syntax)
{
    if (IsHexSyntax(syntax))
        return JoinHex(texts, texts.size());
    if (syntax == VnSyntax::ObjectId)
        return JoinNumbers(texts, texts.size());
    RequireControls(texts.size(), FixedGroupSize(syntax));
    switch (syntax) {
    case VnSyntax::IpAddress:
    case VnSyntax::NsapAddr:
        return JoinNumbers(texts, 4);
    case VnSyntax::TimeTicks: {
        // Parts may carry over (90 minutes), but never wrap past 32 bits.
        static constexpr std::int64_t kUnits[] = {8640000, 360000, 6000, 100, 1};
        std::int64_t ticks = 0;
        bool ok = true;
        for (std::size_t k = 0; k < 5 && ok; ++k) {
            const std::optional<std::int64_t> n = PartNumber(texts[k]);
            ok = n && *n >= 0 && *n <= UINT32_MAX;
            if (ok)
                ticks += *n * kUnits[k];
        }
        if (ok && ticks <= UINT32_MAX)
            return TimeTicksToText(static_cast<std::uint32_t>(ticks));
        // As typed, which the TimeTicks reading refuses.
        return PartText(texts[0]) + " days, " + PartText(texts[1]) + ':' + PartText(texts[2]) + ':'
               + PartText(texts[3]) + '.' + PartText(texts[4]);
    }
    case VnSyntax::MacAddress:
        return JoinHex(texts, 6);
    case VnSyntax::Ipv6Address:
        return JoinHex(texts, 16);
    case VnSyntax::DateTime:
        return DateAndTimeText(texts);
    case VnSyntax::BcdDateTime:
        return DateValueText(texts);
    default:
        return texts.empty() ? std::string() : texts[0];
    }
}

// The bytes of a value to show. A received MAC or IPv6 address of another
// length is still shown, byte by byte, rather than refused.
VnBytes ShownBytes(const std::string& valueText, unsigned syntax)
{
    if (syntax == VnSyntax::MacAddress || syntax == VnSyntax::Ipv6Address)
        syntax = VnSyntax::OctetStr;
    return ValueToBytes(valueText, syntax);
}

// The texts a group of edit boxes shows for a value; `shown` is the value
// as one text (its label when it has one), for the layouts of one box.
std::vector<std::string> EditGroupTexts(const std::string& valueText, const std::string& shown,
                                        unsigned itemSyntax, unsigned syntax,
                                        std::vector<std::string> texts)
{
    if (IsHexSyntax(syntax)) {
        const VnBytes bytes = ShownBytes(valueText, itemSyntax);
        RequireControls(texts.size(), bytes.size());
        for (std::size_t k = 0; k < bytes.size(); ++k)
            texts[k] = Hex2(bytes[k]);
        return texts;
    }
    if (syntax == VnSyntax::ObjectId) {
        const VnBytes bytes = ShownBytes(valueText, itemSyntax);
        const std::size_t count = (bytes.size() + 3) / 4;
        RequireControls(texts.size(), count);
        for (std::size_t k = 0; k < count; ++k)
            texts[k] = std::to_string(LittleWord(bytes, 4 * k));
        return texts;
    }
    const std::size_t need = FixedGroupSize(syntax);
    if (need == 0) {
        texts[0] = shown;
        return texts;
    }
    RequireControls(texts.size(), need);
    if (valueText.empty() || IsNoValueText(valueText))
        return texts;
    switch (syntax) {
    case VnSyntax::IpAddress:
    case VnSyntax::NsapAddr: {
        const VnBytes bytes = ShownBytes(valueText, itemSyntax);
        for (std::size_t k = 0; k < 4; ++k)
            texts[k] = std::to_string(k < bytes.size() ? bytes[k] : 0);
        return texts;
    }
    case VnSyntax::TimeTicks: {
        const std::uint32_t t = TextToTimeTicks(valueText);
        texts[0] = std::to_string(t / 8640000);
        texts[1] = std::to_string(t % 8640000 / 360000);
        texts[2] = std::to_string(t % 360000 / 6000);
        texts[3] = std::to_string(t % 6000 / 100);
        texts[4] = std::to_string(t % 100);
        return texts;
    }
    case VnSyntax::MacAddress:
    case VnSyntax::Ipv6Address: {
        const VnBytes bytes = ShownBytes(valueText, itemSyntax);
        for (std::size_t k = 0; k < need; ++k)
            texts[k] = Hex2(k < bytes.size() ? bytes[k] : 0);
        return texts;
    }
    case VnSyntax::DateTime: {
        VnDateTime value;
        value.Parse(valueText);
        const std::vector<std::string> fields{
            std::to_string(value.year),       std::to_string(value.month),
            std::to_string(value.day),        std::to_string(value.hour),
            std::to_string(value.minutes),    std::to_string(value.seconds),
            std::to_string(value.deciSeconds), std::string(1, value.direction),
            std::to_string(value.utcHours),   std::to_string(value.utcMinutes)};
        std::copy(fields.begin(), fields.end(), texts.begin());
        return texts;
    }
    case VnSyntax::BcdDateTime: {
        const std::vector<std::string> fields = DateValueFields(TextToDateTime(valueText));
        std::copy(fields.begin(), fields.end(), texts.begin());
        return texts;
    }
    default:
        return texts;
    }
}

std::vector<QLineEdit*> EditsOf(const _ControlBinding_s& binding)
{
    std::vector<QLineEdit*> edits;
    for (const QPointer<QWidget>& control : binding.controls)
        edits.push_back(qobject_cast<QLineEdit*>(control.data()));
    return edits;
}

std::vector<std::string> EditTexts(const std::vector<QLineEdit*>& edits)
{
    std::vector<std::string> texts;
    for (QLineEdit* edit : edits)
        texts.push_back(edit ? StdText(edit->text()) : std::string());
    return texts;
}

const VnOptionList& RequireOptions(const VnOptionList* options)
{
    if (!options)
        VnRaise(kVnErrNoOptionList);
    return *options;
}

std::vector<QCheckBox*> BoxesOf(const _ControlBinding_s& binding)
{
    std::vector<QCheckBox*> boxes;
    for (std::size_t k = 0; k < binding.controls.size() && k < binding.bits.size(); ++k)
        boxes.push_back(qobject_cast<QCheckBox*>(binding.controls[k].data()));
    return boxes;
}

// One check box per bit. Boxes whose bit lies past the value are cleared
// before the error is raised, so no earlier value's bits stay ticked. A
// value that has no bytes at all leaves every box cleared and marked.
void ShowBits(_ControlBinding_s& binding, const std::string& valueText, unsigned syntax)
{
    const std::vector<QCheckBox*> boxes = BoxesOf(binding);
    const VnBytes bytes = ShownBytes(valueText, syntax);
    if (IsNoValueText(valueText))
        binding.shownBytes.reset();
    else
        binding.shownBytes = bytes;
    bool outOfRange = false;
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        QCheckBox* box = boxes[k];
        if (!box)
            continue;
        const auto bit = static_cast<std::size_t>(binding.bits[k]);
        if (bit / 8 >= bytes.size()) {
            box->setChecked(false);
            outOfRange = true;
        } else {
            box->setChecked((bytes[bit / 8] & (0x80u >> (bit % 8))) != 0);
        }
        MarkBox(box, bytes.empty());
    }
    // An item without a value has no bytes; an empty value has none either
    // and yet claims to be a value.
    if (outOfRange && !IsNoValueText(valueText))
        VnRaise(kVnErrIndexOutOfRange);
}

// Every box of a grid still showing that its item had no value.
bool BitsShowNoValue(const _ControlBinding_s& binding)
{
    bool any = false;
    for (const QCheckBox* box : BoxesOf(binding)) {
        if (!box)
            continue;
        if (!BoxShowsNoValue(box))
            return false;
        any = true;
    }
    return any;
}

// A single box is checked or unchecked by a value of its option list (or
// "true"/"false"); for any other text it is unchecked and marked, because
// unchecked then is no one's choice.
void ShowCheckBox(_ControlBinding_s& binding, const VnSNMPVarItem& item, const std::string& valueText,
                  const std::string& shown)
{
    if (binding.hasBits) {
        ShowBits(binding, valueText, item.syntax);
        return;
    }
    auto* box = qobject_cast<QCheckBox*>(binding.controls[0].data());
    if (item.options) {
        int index = item.options->IndexOfLabel(shown);
        if (index < 0)
            index = item.options->IndexOfValue(shown);
        box->setChecked(index > 0);
        MarkBox(box, index < 0);
        return;
    }
    if (!IsBooleanSyntax(binding.syntax))
        VnRaise(kVnErrBadDataSyntax);
    box->setChecked(shown == "true");
    MarkBox(box, shown != "true" && shown != "false");
}

// The layouts that show a value in parts; the others show it as one text.
bool ShowsInParts(unsigned syntax)
{
    return IsHexSyntax(syntax) || syntax == VnSyntax::ObjectId || FixedGroupSize(syntax) > 0;
}

void UpdateBinding(_ControlBinding_s& binding, const VnSNMPVarItem& item)
{
    QWidget* first = binding.controls.empty() ? nullptr : binding.controls[0].data();
    if (!first)
        return;
    const std::string valueText = ValueOf(item.options, item.value);
    const std::string shown = LabelOf(item.options, valueText);
    switch (KindOf(first)) {
    case ControlKind::Label:
        VnShowValue(first, shown);
        return;
    case ControlKind::CheckBox:
        ShowCheckBox(binding, item, valueText, shown);
        return;
    case ControlKind::ComboBox:
        // A text not in the list, "(NOTDONE)" among them, selects nothing.
        SelectComboBox(RequireOptions(item.options), static_cast<QComboBox*>(first), shown);
        return;
    case ControlKind::RadioGroup:
        SelectRadioGroup(RequireOptions(item.options), static_cast<VnRadioGroup*>(first), shown);
        return;
    case ControlKind::Edit: {
        if (binding.controls.size() == 1) {
            VnShowValue(first, shown);
            return;
        }
        const std::vector<QLineEdit*> edits = EditsOf(binding);
        const std::vector<std::string> before = EditTexts(edits);
        const std::vector<std::string> after =
            EditGroupTexts(valueText, shown, item.syntax, binding.syntax, before);
        for (std::size_t k = 0; k < edits.size(); ++k) {
            if (edits[k] && after[k] != before[k])
                edits[k]->setText(QtText(after[k]));
        }
        // Without a value the parts keep what they showed; that is no value
        // of this item.
        MarkEdits(edits, ShowsInParts(binding.syntax) && (valueText.empty() || IsNoValueText(valueText)));
        return;
    }
    case ControlKind::Other:
        VnRaise(kVnErrBadControlType);
    }
}

// Bytes of a grid of bit check boxes: as many bytes as the highest bit
// needs, bits without a box 0.
VnBytes ReadBits(const _ControlBinding_s& binding)
{
    VnBytes bytes;
    for (std::size_t k = 0; k < binding.controls.size() && k < binding.bits.size(); ++k) {
        const auto bit = static_cast<std::size_t>(binding.bits[k]);
        if (bytes.size() <= bit / 8)
            bytes.resize(bit / 8 + 1, 0);
        const auto mask = static_cast<std::uint8_t>(0x80u >> (bit % 8));
        auto* box = qobject_cast<QCheckBox*>(binding.controls[k].data());
        if (box && box->isChecked())
            bytes[bit / 8] |= mask;
        else
            bytes[bit / 8] &= static_cast<std::uint8_t>(~mask);
    }
    return bytes;
}

// A whole-value text that stands for no value gives nothing.
std::optional<std::string> ValueTextOf(std::string text)
{
    if (IsNoValueText(text))
        return std::nullopt;
    return text;
}

// The text one control (or edit group) holds for the whole value; nullopt
// for a control that holds no value: of a kind that holds none, a combo box
// or radio group with nothing selected, or a control still showing that its
// item had no value.
std::optional<std::string> ControlText(const _ControlBinding_s& binding, const VnSNMPVarItem& item)
{
    QWidget* first = binding.controls[0].data();
    switch (KindOf(first)) {
    case ControlKind::Label:
        return ValueTextOf(VnControlValue(first));
    case ControlKind::CheckBox: {
        auto* box = static_cast<QCheckBox*>(first);
        if (BoxShowsNoValue(box))
            return std::nullopt;
        const bool checked = box->isChecked();
        if (item.options) {
            // Entry 0 means unchecked, entry 1 checked.
            if (item.options->Count() < 2)
                VnRaise(kVnErrIndexOutOfRange);
            return item.options->Item(checked ? 1 : 0).label;
        }
        if (!IsBooleanSyntax(binding.syntax))
            VnRaise(kVnErrBadDataSyntax);
        return std::string(checked ? "true" : "false");
    }
    case ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(first);
        // A value outside the list, as the agent holds it, is not the
        // user's choice: nothing to write.
        if (combo->currentIndex() < 0 || VnComboShowsRawValue(combo))
            return std::nullopt;
        return StdText(combo->currentText());
    }
    case ControlKind::RadioGroup: {
        auto* group = static_cast<VnRadioGroup*>(first);
        if (group->ItemIndex() < 0)
            return std::nullopt;
        return StdText(group->SelectedText());
    }
    case ControlKind::Edit: {
        if (binding.controls.size() == 1)
            return ValueTextOf(VnControlValue(first));
        const std::vector<QLineEdit*> edits = EditsOf(binding);
        if (EditsShowNoValue(edits))
            return std::nullopt;
        return ValueTextOf(EditGroupText(EditTexts(edits), binding.syntax));
    }
    case ControlKind::Other:
        break;
    }
    return std::nullopt;
}

// The bytes a grid of bits is written over: the item's value, or, when the
// item holds none at the set (a form without a list row to take it from),
// the value the grid last showed; a bitmap longer than the grid keeps its
// tail either way.
VnBytes StartBytes(const VnSNMPVarItem& item, const std::string& valueText,
                   const _ControlBinding_s& grid)
{
    if (item.syntax == VnSyntax::DisplayStr)
        return {};
    if (!IsNoValueText(valueText)) {
        try {
            return ShownBytes(ValueOf(item.options, valueText), item.syntax);
        } catch (const VnValueRefused&) {
            // A typed text that is no value: the grid replaces it.
        }
    }
    return grid.shownBytes.value_or(VnBytes{});
}

void ReadItem(VnSNMPVarItem& item, const std::vector<const _ControlBinding_s*>& bindings)
{
    // The item's present bytes matter only under a grid of bits; a value
    // that cannot be read as its syntax must not stop a control that
    // replaces it anyway.
    std::optional<VnBytes> bytes;
    // A text that is no value of the syntax stays as typed: read anyhow it
    // would become a value nobody chose (0 for "12ab", 44.1.1.1 for
    // "300.1.1.1"); the set refuses it by the field's name.
    std::optional<std::string> typed;
    // A combo box showing the agent's value outside its list: the value is
    // not the user's, and is not written back.
    bool agentsValueShown = false;
    for (const _ControlBinding_s* binding : bindings) {
        if (binding->controls.empty() || !binding->controls[0])
            continue;
        if (auto* combo = qobject_cast<QComboBox*>(binding->controls[0].data());
            combo && VnComboShowsRawValue(combo)) {
            agentsValueShown = true;
            continue;
        }
        if (binding->hasBits) {
            if (BitsShowNoValue(*binding))
                continue;
            if (!bytes)
                bytes = StartBytes(item, typed ? *typed : item.value, *binding);
            typed.reset();
            // A grid may cover only the first bytes of a longer bitmap.
            const VnBytes bits = ReadBits(*binding);
            if (bytes->size() < bits.size())
                bytes->resize(bits.size(), 0);
            std::copy(bits.begin(), bits.end(), bytes->begin());
            continue;
        }
        const std::optional<std::string> text = ControlText(*binding, item);
        if (!text)
            continue;
        const std::string value = ValueOf(item.options, *text);
        try {
            // The control holds the whole value: nothing of a longer old
            // value may survive behind a shorter new one.
            bytes = ValueToBytes(value, binding->syntax);
            typed.reset();
        } catch (const VnValueRefused&) {
            typed = value;
            bytes.reset();
        }
    }
    if (typed)
        item.value = LabelOf(item.options, *typed);
    else if (bytes)
        item.value = LabelOf(item.options, BytesToValue(*bytes, item.syntax));
    else if (agentsValueShown)
        item.value = kVnNotDoneValue;
}

void RequireItem(const VnSNMPVarList& list, int index)
{
    if (index < 0 || index >= list.Count())
        throw VnException(VnCommonText(12));
}

}  // namespace

void VnUpdateControls(VnSNMPVarList& list, const VnControlBindings& bindings, int index)
{
    // A binding that cannot show its value must not leave the controls after
    // it showing another row's values: the rest are filled, then the first
    // failure is raised.
    std::exception_ptr first;
    for (const auto& binding : bindings) {
        if (index != -1 && binding->itemIndex != index)
            continue;
        try {
            RequireItem(list, binding->itemIndex);
            const VnSNMPVarItem& item = list.Item(binding->itemIndex);
            if (item.access & VnAccess::Invalid)
                continue;
            UpdateBinding(*binding, item);
        } catch (...) {
            if (!first)
                first = std::current_exception();
        }
    }
    if (first)
        std::rethrow_exception(first);
}

void VnReadControls(VnSNMPVarList& list, const VnControlBindings& bindings, int index)
{
    for (int i = 0; i < list.Count(); ++i) {
        if (index != -1 && index != i)
            continue;
        if (!list.IsWritable(i))
            continue;
        std::vector<const _ControlBinding_s*> own;
        for (const auto& binding : bindings) {
            if (binding->itemIndex == i)
                own.push_back(binding.get());
        }
        if (!own.empty())
            ReadItem(list.Item(i), own);
    }
}

QString VnValueToQt(const std::string& value)
{
    return ShownTextOf(ByteArrayOf(value));
}

void VnShowValue(QWidget* control, const std::string& value)
{
    if (!control)
        return;
    // Kept before the text is set: a change handler may read the value.
    control->setProperty(kShownBytes, ByteArrayOf(value));
    const QString text = VnValueToQt(value);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
        // A value longer than its field shows its beginning: an engine ID
        // or address is read from the left.
        if (edit->isReadOnly())
            edit->setCursorPosition(0);
    } else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
}

std::string VnControlValue(const QWidget* control, const QString* text)
{
    if (!control)
        return {};
    QString own;
    if (!text) {
        if (const auto* edit = qobject_cast<const QLineEdit*>(control))
            own = edit->text();
        else if (const auto* label = qobject_cast<const QLabel*>(control))
            own = label->text();
        text = &own;
    }
    return BytesOfShown(*text, control->property(kShownBytes));
}

void VnSetCellValue(QTreeWidgetItem* row, int column, const std::string& value)
{
    if (!row)
        return;
    const QByteArray bytes = ByteArrayOf(value);
    // UTF-8 comes back from the text as it was; only other bytes are kept
    // (a walk fills many cells).
    if (!IsUtf8(bytes))
        row->setData(column, kCellBytesRole, bytes);
    else if (row->data(column, kCellBytesRole).isValid())
        row->setData(column, kCellBytesRole, QVariant());
    row->setText(column, ShownTextOf(bytes));
}

std::string VnCellValue(const QTreeWidgetItem* row, int column)
{
    if (!row)
        return {};
    return BytesOfShown(row->text(column), row->data(column, kCellBytesRole));
}
