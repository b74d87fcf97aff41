#include "VnExpression.h"

#include "VnException.h"
#include "VnMessages.h"
#include "VnOptionList.h"
#include "VnSNMPVarList.h"
#include "VnValueText.h"

#include <cmath>
#include <vector>

namespace {

// The floating-point errors of the class library, raised instead of ever
// producing an infinite or undefined value.
constexpr const char* kZeroDivide = "Floating point division by zero";
constexpr const char* kInvalidOp = "Invalid floating point operation";
constexpr const char* kOverflow = "Floating point overflow";

[[noreturn]] void RaiseFloatError(const char* message)
{
    throw VnException(message);
}

double Checked(double v)
{
    if (std::isnan(v))
        RaiseFloatError(kInvalidOp);
    if (std::isinf(v))
        RaiseFloatError(kOverflow);
    return v;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// ---- arithmetic -----------------------------------------------------------

// The ")" that closes the "(" at `open`; npos when the text ends first.
std::size_t MatchingParen(std::string_view s, std::size_t open)
{
    int depth = 0;
    for (std::size_t i = open; i < s.size(); ++i) {
        if (s[i] == '(')
            ++depth;
        else if (s[i] == ')' && --depth == 0)
            return i;
    }
    return std::string_view::npos;
}

// A "+" or "-" is a binary operator when an operand stands before it; after
// an operator, "(" or at the start it is a sign, and right after the "e" of
// a number such as 1.5E-7 it belongs to the exponent.
bool IsBinarySign(std::string_view s, std::size_t i)
{
    std::size_t j = i;
    while (j > 0 && IsBlankOrControl(s[j - 1]))
        --j;
    if (j == 0)
        return false;
    const char prev = s[j - 1];
    if (prev == '+' || prev == '-' || prev == '*' || prev == '/' || prev == '(')
        return false;
    const bool exponentSign = (prev == 'e' || prev == 'E') && j == i && j >= 2
                              && (IsDigit(s[j - 2]) || s[j - 2] == '.') && i + 1 < s.size()
                              && IsDigit(s[i + 1]);
    return !exponentSign;
}

// Positions of the operators of one precedence level outside parentheses.
std::vector<std::size_t> TopLevelOperators(std::string_view s, bool additive)
{
    std::vector<std::size_t> at;
    int depth = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (depth > 0)
                --depth;
        } else if (depth == 0) {
            if (additive ? ((c == '+' || c == '-') && IsBinarySign(s, i))
                         : (c == '*' || c == '/'))
                at.push_back(i);
        }
    }
    return at;
}

double Sum(std::string_view s);

// A signed operand: a parenthesised sum (text after its ")" is ignored), NOW,
// or as much of a number as the text holds.
double Operand(std::string_view text)
{
    std::string s = TrimBlanks(text);
    bool negative = false;
    while (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative ^= s[0] == '-';
        s = TrimBlanks(std::string_view(s).substr(1));
    }
    double v = 0.0;
    if (!s.empty() && s[0] == '(') {
        const std::size_t close = MatchingParen(s, 0);
        const std::string_view inner = std::string_view(s).substr(
            1, close == std::string_view::npos ? std::string_view::npos : close - 1);
        v = Sum(inner);
    } else if (SameText(s, "NOW")) {
        v = NowAsDateTime();
    } else {
        v = Checked(TextToFloat(s));
    }
    return negative ? -v : v;
}

double Product(std::string_view s)
{
    const auto ops = TopLevelOperators(s, false);
    std::size_t from = 0;
    double acc = 0.0;
    for (std::size_t k = 0; k <= ops.size(); ++k) {
        const std::size_t end = k < ops.size() ? ops[k] : s.size();
        const double v = Operand(s.substr(from, end - from));
        if (k == 0) {
            acc = v;
        } else if (s[ops[k - 1]] == '*') {
            acc = Checked(acc * v);
        } else {
            if (v == 0.0)
                RaiseFloatError(acc == 0.0 ? kInvalidOp : kZeroDivide);
            acc = Checked(acc / v);
        }
        from = end + 1;
    }
    return acc;
}

double Sum(std::string_view s)
{
    const auto ops = TopLevelOperators(s, true);
    std::size_t from = 0;
    double acc = 0.0;
    for (std::size_t k = 0; k <= ops.size(); ++k) {
        const std::size_t end = k < ops.size() ? ops[k] : s.size();
        const double v = Product(s.substr(from, end - from));
        if (k == 0)
            acc = v;
        else
            acc = Checked(s[ops[k - 1]] == '+' ? acc + v : acc - v);
        from = end + 1;
    }
    return acc;
}

// ---- conditions -------------------------------------------------------------

// For each character, whether it lies strictly inside a pair of double
// quotes; quotes pair up from the left, and a last lone quote opens nothing.
std::vector<bool> QuotedMask(std::string_view s)
{
    std::vector<bool> quoted(s.size(), false);
    std::size_t from = 0;
    while (true) {
        const std::size_t open = s.find('"', from);
        if (open == std::string_view::npos)
            break;
        const std::size_t close = s.find('"', open + 1);
        if (close == std::string_view::npos)
            break;
        for (std::size_t i = open + 1; i < close; ++i)
            quoted[i] = true;
        from = close + 1;
    }
    return quoted;
}

std::size_t FirstUnquoted(std::string_view s, const std::vector<bool>& quoted, char c)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == c && !quoted[i])
            return i;
    }
    return std::string_view::npos;
}

std::size_t MatchingUnquotedParen(std::string_view s, const std::vector<bool>& quoted,
                                  std::size_t open)
{
    int depth = 0;
    for (std::size_t i = open; i < s.size(); ++i) {
        if (quoted[i])
            continue;
        if (s[i] == '(')
            ++depth;
        else if (s[i] == ')' && --depth == 0)
            return i;
    }
    return std::string_view::npos;
}

// 32 or 64 low bits of the integer part of a finite value, as the
// two's-complement wrap of the exact integer.
template <typename U>
U LowBits(double r)
{
    // 2^32 or 2^64: exact in a double, and fmod of an integer by it is exact.
    const double modulus = std::ldexp(1.0, static_cast<int>(sizeof(U) * 8));
    const double m = std::fmod(std::trunc(r), modulus);
    if (m >= 0)
        return static_cast<U>(m);
    return static_cast<U>(U{0} - static_cast<U>(-m));
}

} // namespace

// ---- expansion ----------------------------------------------------------------

std::string ExpandItemReferences(std::string_view expression, bool quoteOtherValues,
                                 std::string_view marker, const VnItemSource& items)
{
    std::string text(expression);
    if (marker.empty())
        return text;
    std::size_t from = 0;
    for (std::size_t p = text.find(marker); p != std::string::npos; p = text.find(marker, from)) {
        std::size_t q = p + marker.size();
        while (q < text.size() && IsDigit(text[q]))
            ++q;
        const std::uint32_t index = LeadingNumber(
            std::string_view(text).substr(p + marker.size(), q - p - marker.size()));
        const std::optional<VnExprOperand> item = items ? items(index) : std::nullopt;
        if (!item)
            VnRaise(kVnErrExprBadSyntax);
        std::string v = item->value;
        if (v == "(NULL)")
            VnRaise(kVnErrExprNullValue);
        switch (item->syntax) {
        case VnSyntax::Boolean:
        case VnSyntax::Bool8:
        case VnSyntax::Bool16:
            v = std::string(1, v == "true" ? '1' : '0');
            break;
        case VnSyntax::Integer:
        case VnSyntax::Counter:
        case VnSyntax::Gauge:
        case VnSyntax::Counter64:
        case VnSyntax::UInteger:
        case VnSyntax::Double:
        case VnSyntax::Int8:
        case VnSyntax::UInt8:
        case VnSyntax::Int16:
        case VnSyntax::UInt16:
            break;
        case VnSyntax::TimeTicks:
            v = std::to_string(TextToTimeTicks(v));
            break;
        case VnSyntax::BcdDateTime:
            v = FloatToText(TextToDateTime(v));
            break;
        default:
            if (!quoteOtherValues)
                VnRaise(kVnErrExprBadSyntax);
            v = '"' + v + '"';
            break;
        }
        text.replace(p, q - p, v);
        from = p + v.size();
    }
    return text;
}

std::string ExpressionResultToValue(double r, unsigned syntax)
{
    Checked(r);
    switch (syntax) {
    case VnSyntax::Boolean:
        return r == 0 ? "false" : "true";
    case VnSyntax::Integer:
        return std::to_string(static_cast<std::int32_t>(LowBits<std::uint32_t>(r)));
    case VnSyntax::Counter:
    case VnSyntax::Gauge:
    case VnSyntax::UInteger:
        return std::to_string(LowBits<std::uint32_t>(r));
    case VnSyntax::TimeTicks:
        return TimeTicksToText(LowBits<std::uint32_t>(r));
    case VnSyntax::Counter64:
        return std::to_string(LowBits<std::uint64_t>(r));
    case VnSyntax::Double:
        return FloatToText(r);
    case VnSyntax::BcdDateTime:
        return DateTimeToText(r);
    default:
        VnRaise(kVnErrExprBadSyntax);
    }
}

std::string EvaluateItemExpression(std::string_view expression, unsigned syntax,
                                   const VnItemSource& items)
{
    const double r = EvaluateArithmetic(ExpandItemReferences(expression, false, "$", items));
    return ExpressionResultToValue(r, syntax);
}

bool EvaluateCondition(std::string_view condition, const VnItemSource& items)
{
    if (condition.empty())
        return true;
    return EvaluateLogical(ExpandItemReferences(condition, true, "$", items));
}

// ---- evaluation ---------------------------------------------------------------

double EvaluateArithmetic(std::string_view text)
{
    return Sum(text);
}

bool EvaluateLogical(std::string_view text)
{
    const std::string s = TrimBlanks(text);
    const std::vector<bool> quoted = QuotedMask(s);
    const std::string_view sv(s);

    if (const auto open = FirstUnquoted(sv, quoted, '('); open != std::string_view::npos) {
        if (const auto close = MatchingUnquotedParen(sv, quoted, open);
            close != std::string_view::npos) {
            const bool inner = EvaluateLogical(sv.substr(open + 1, close - open - 1));
            return EvaluateLogical(std::string(sv.substr(0, open)) + (inner ? "true" : "false")
                                   + std::string(sv.substr(close + 1)));
        }
    }
    if (const auto bar = FirstUnquoted(sv, quoted, '|'); bar != std::string_view::npos)
        return EvaluateLogical(sv.substr(0, bar)) || EvaluateLogical(sv.substr(bar + 1));
    if (const auto amp = FirstUnquoted(sv, quoted, '&'); amp != std::string_view::npos)
        return EvaluateLogical(sv.substr(0, amp)) && EvaluateLogical(sv.substr(amp + 1));
    if (const auto bang = FirstUnquoted(sv, quoted, '!'); bang != std::string_view::npos)
        return !EvaluateLogical(sv.substr(bang + 1));
    return EvaluateComparison(sv);
}

bool EvaluateComparison(std::string_view text)
{
    static constexpr std::string_view kOperators[] = {"<>", ">=", "<=", ">", "<", "="};
    std::string left;
    std::string right;
    const int op = SplitAtOperator(kOperators, text, left, right);
    if (op < 0) {
        if (SameText(text, "true"))
            return true;
        if (SameText(text, "false"))
            return false;
        throw VnException(VnCommonText(1), -1);
    }
    left = StripQuotes(TrimBlanks(left));
    right = StripQuotes(TrimBlanks(right));
    if (SameText(left, "NOW"))
        left = FloatToText(NowAsDateTime());
    if (SameText(right, "NOW"))
        right = FloatToText(NowAsDateTime());

    // Texts, byte by byte as unsigned characters: numbers compare as texts.
    const int c = left.compare(right);
    switch (op) {
    case 0: return c != 0;
    case 1: return c >= 0;
    case 2: return c <= 0;
    case 3: return c > 0;
    case 4: return c < 0;
    default: return c == 0;
    }
}

int SplitAtOperator(std::span<const std::string_view> operators, std::string_view text,
                    std::string& left, std::string& right)
{
    for (std::size_t k = 0; k < operators.size(); ++k) {
        const std::string_view op = operators[k];
        if (op.empty())
            continue;
        const std::size_t at = text.find(op);
        if (at == std::string_view::npos)
            continue;
        left = std::string(text.substr(0, at));
        right = std::string(text.substr(at + op.size()));
        return static_cast<int>(k);
    }
    return -1;
}

std::string StripQuotes(std::string_view text)
{
    if (!text.empty() && text.front() == '"' && text.back() == '"')
        return text.size() < 2 ? std::string() : std::string(text.substr(1, text.size() - 2));
    return std::string(text);
}

// ---- over a variable list -----------------------------------------------------

VnItemSource ItemSourceOf(const VnSNMPVarList& list)
{
    return [&list](std::uint32_t index) -> std::optional<VnExprOperand> {
        if (index >= static_cast<std::uint32_t>(list.Count()))
            return std::nullopt;
        const VnSNMPVarItem& item = list.Item(static_cast<int>(index));
        return VnExprOperand{item.options ? item.options->ValueOfLabel(item.value) : item.value,
                             item.syntax};
    };
}

std::string ExpandItemReferences(const VnSNMPVarList& list, std::string_view expression,
                                 bool quoteOtherValues, std::string_view marker)
{
    return ExpandItemReferences(expression, quoteOtherValues, marker, ItemSourceOf(list));
}

void ApplyItemExpression(VnSNMPVarList& list, int i, bool afterGet)
{
    VnSNMPVarItem& item = list.Item(i);
    const std::optional<std::string>& expression = afterGet ? item.readExpr : item.writeExpr;
    if (!expression)
        return;
    std::string value = EvaluateItemExpression(*expression, item.syntax, ItemSourceOf(list));
    if (item.options)
        value = item.options->LabelOfValue(value);
    item.value = std::move(value);
}

bool EvaluateCondition(const VnSNMPVarList& list, std::string_view condition)
{
    return EvaluateCondition(condition, ItemSourceOf(list));
}
