#include "VnExpression.h"

#include "VnException.h"
#include "VnMessages.h"
#include "VnOptionList.h"
#include "VnSNMPVarList.h"
#include "VnValueText.h"

#include <cmath>
#include <iterator>
#include <string>
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

// Deeper texts are refused: the evaluators recurse once per level, and a
// hostile or broken text must not exhaust the stack.
[[noreturn]] void RaiseTooDeep()
{
    throw VnException("Expression nested more than " + std::to_string(kVnExpressionMaxNesting)
                      + " levels deep");
}

void CheckNesting(int depth)
{
    if (depth > kVnExpressionMaxNesting)
        RaiseTooDeep();
}

// Refuses a text whose parentheses (those outside quoted texts, when a
// mask is given) nest too deep, before any evaluation: one pass instead
// of a hundred levels of work on a long text.
void CheckParenDepth(std::string_view s, const std::vector<bool>* quoted = nullptr)
{
    int depth = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (quoted && (*quoted)[i])
            continue;
        if (s[i] == '(')
            CheckNesting(++depth);
        else if (s[i] == ')' && depth > 0)
            --depth;
    }
}

std::string_view TrimView(std::string_view s)
{
    while (!s.empty() && IsBlankOrControl(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlankOrControl(s.back()))
        s.remove_suffix(1);
    return s;
}

// A decimal number with optional fraction and exponent, blanks around it
// allowed: what a Double item's value text holds.
bool IsFloatText(std::string_view text)
{
    const std::string s = TrimBlanks(text);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i)
        ++digits;
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && IsDigit(s[i]); ++i)
            ++digits;
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        const std::size_t from = i;
        while (i < s.size() && IsDigit(s[i]))
            ++i;
        if (i == from)
            return false;
    }
    return i == s.size();
}

// A number item's value goes into the text unquoted, so it must be a
// number and nothing else: agent text such as "1 | true" would otherwise
// become part of the expression.
std::string NumberOperand(const std::string& value, unsigned syntax)
{
    const bool ok = syntax == VnSyntax::Double ? IsFloatText(value) : IsNumberText(value);
    if (!ok)
        VnRaise(kVnErrExprBadSyntax);
    return TrimBlanks(value);
}

// A value quoted into a condition: its own quotes are doubled, so that it
// stays one text whatever it holds.
std::string QuotedOperand(std::string_view value)
{
    std::string quoted = "\"";
    for (const char c : value) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    quoted += '"';
    return quoted;
}

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

double Sum(std::string_view s, int depth);

// A signed operand: a parenthesised sum (text after its ")" is ignored), NOW,
// or as much of a number as the text holds.
double Operand(std::string_view text, int depth)
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
        v = Sum(inner, depth + 1);
    } else if (SameText(s, "NOW")) {
        v = NowAsDateTime();
    } else {
        v = Checked(TextToFloat(s));
    }
    return negative ? -v : v;
}

double Product(std::string_view s, int depth)
{
    const auto ops = TopLevelOperators(s, false);
    std::size_t from = 0;
    double acc = 0.0;
    for (std::size_t k = 0; k <= ops.size(); ++k) {
        const std::size_t end = k < ops.size() ? ops[k] : s.size();
        const double v = Operand(s.substr(from, end - from), depth);
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

double Sum(std::string_view s, int depth)
{
    CheckNesting(depth);
    const auto ops = TopLevelOperators(s, true);
    std::size_t from = 0;
    double acc = 0.0;
    for (std::size_t k = 0; k <= ops.size(); ++k) {
        const std::size_t end = k < ops.size() ? ops[k] : s.size();
        const double v = Product(s.substr(from, end - from), depth);
        if (k == 0)
            acc = v;
        else
            acc = Checked(s[ops[k - 1]] == '+' ? acc + v : acc - v);
        from = end + 1;
    }
    return acc;
}

// ---- conditions -------------------------------------------------------------

// For each character, whether it lies strictly inside a quoted text.
// Quotes pair up from the left; inside a quoted text a doubled quote is one
// quote character; a last lone quote opens nothing.
std::vector<bool> QuotedMask(std::string_view s)
{
    std::vector<bool> quoted(s.size(), false);
    for (std::size_t open = s.find('"'); open != std::string_view::npos;) {
        std::size_t close = std::string_view::npos;
        for (std::size_t i = open + 1; i < s.size(); ++i) {
            if (s[i] != '"')
                continue;
            if (i + 1 < s.size() && s[i + 1] == '"') {
                ++i;
                continue;
            }
            close = i;
            break;
        }
        if (close == std::string_view::npos)
            break;
        for (std::size_t i = open + 1; i < close; ++i)
            quoted[i] = true;
        open = s.find('"', close + 1);
    }
    return quoted;
}

// For each unquoted "(" the position of its ")", npos when it is not closed.
std::vector<std::size_t> ParenPairs(std::string_view s, const std::vector<bool>& quoted)
{
    std::vector<std::size_t> close(s.size(), std::string_view::npos);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (quoted[i])
            continue;
        if (s[i] == '(') {
            open.push_back(i);
        } else if (s[i] == ')' && !open.empty()) {
            close[open.back()] = i;
            open.pop_back();
        }
    }
    return close;
}

// Unquoted positions of `c` outside every closed pair of parentheses (the
// first only, when `firstOnly`).
std::vector<std::size_t> TopLevel(std::string_view s, const std::vector<bool>& quoted,
                                  const std::vector<std::size_t>& close, char c,
                                  bool firstOnly = false)
{
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (quoted[i])
            continue;
        if (s[i] == '(' && close[i] != std::string_view::npos) {
            i = close[i];
        } else if (s[i] == c) {
            at.push_back(i);
            if (firstOnly)
                break;
        }
    }
    return at;
}

// The first occurrence of `op` that does not start inside a quoted text.
std::size_t FindUnquoted(std::string_view s, const std::vector<bool>& quoted, std::string_view op)
{
    std::size_t at = s.find(op);
    while (at != std::string_view::npos && quoted[at])
        at = s.find(op, at + 1);
    return at;
}

// One side of a comparison: a quoted text loses its quotes and its doubled
// quotes become single; an unquoted NOW is the current date and time.
std::string ComparisonSide(std::string_view text)
{
    const std::string side = TrimBlanks(text);
    if (side.size() >= 2 && side.front() == '"' && side.back() == '"') {
        std::string inner;
        for (std::size_t i = 1; i + 1 < side.size(); ++i) {
            inner += side[i];
            if (side[i] == '"' && side[i + 1] == '"' && i + 2 < side.size())
                ++i;
        }
        return inner;
    }
    if (SameText(side, "NOW"))
        return FloatToText(NowAsDateTime());
    return StripQuotes(side);
}

bool Logical(std::string_view text, int depth);

// Parts between the operators; `any` is the result that decides at once.
bool Chain(std::string_view s, const std::vector<std::size_t>& ops, bool any, int depth)
{
    std::size_t from = 0;
    for (std::size_t k = 0; k <= ops.size(); ++k) {
        const std::size_t end = k < ops.size() ? ops[k] : s.size();
        if (Logical(s.substr(from, end - from), depth) == any)
            return any;
        from = end + 1;
    }
    return !any;
}

// "|" binds loosest, then "&", then "!" (the text before a "!" is ignored);
// parenthesised parts become "true" or "false" inside a comparison. Chains
// of one operator are walked, not recursed, so only parentheses and "!"
// nest.
bool Logical(std::string_view text, int depth)
{
    CheckNesting(depth);
    const std::string s = TrimBlanks(text);
    const std::string_view sv(s);
    const std::vector<bool> quoted = QuotedMask(sv);
    const std::vector<std::size_t> close = ParenPairs(sv, quoted);

    if (const auto bars = TopLevel(sv, quoted, close, '|'); !bars.empty())
        return Chain(sv, bars, true, depth);
    if (const auto amps = TopLevel(sv, quoted, close, '&'); !amps.empty())
        return Chain(sv, amps, false, depth);
    if (const auto bangs = TopLevel(sv, quoted, close, '!', true); !bangs.empty()) {
        // A run of nots is counted, not recursed.
        bool negate = true;
        std::string_view rest = TrimView(sv.substr(bangs.front() + 1));
        while (!rest.empty() && rest.front() == '!') {
            negate = !negate;
            rest = TrimView(rest.substr(1));
        }
        return negate != Logical(rest, depth + 1);
    }

    bool grouped = false;
    std::string reduced;
    for (std::size_t i = 0; i < sv.size(); ++i) {
        if (!quoted[i] && sv[i] == '(' && close[i] != std::string_view::npos) {
            reduced += Logical(sv.substr(i + 1, close[i] - i - 1), depth + 1) ? "true" : "false";
            i = close[i];
            grouped = true;
        } else {
            reduced += sv[i];
        }
    }
    return EvaluateComparison(grouped ? std::string_view(reduced) : sv);
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
            v = NumberOperand(v, item->syntax);
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
            v = QuotedOperand(v);
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
    CheckParenDepth(text);
    return Sum(text, 0);
}

bool EvaluateLogical(std::string_view text)
{
    const std::vector<bool> quoted = QuotedMask(text);
    CheckParenDepth(text, &quoted);
    return Logical(text, 0);
}

bool EvaluateComparison(std::string_view text)
{
    static constexpr std::string_view kOperators[] = {"<>", ">=", "<=", ">", "<", "="};
    const std::vector<bool> quoted = QuotedMask(text);
    int op = -1;
    std::size_t at = std::string_view::npos;
    for (std::size_t k = 0; k < std::size(kOperators) && op < 0; ++k) {
        at = FindUnquoted(text, quoted, kOperators[k]);
        if (at != std::string_view::npos)
            op = static_cast<int>(k);
    }
    if (op < 0) {
        if (SameText(text, "true"))
            return true;
        if (SameText(text, "false"))
            return false;
        throw VnException(VnCommonText(1), -1);
    }
    const std::string left = ComparisonSide(text.substr(0, at));
    const std::string right = ComparisonSide(text.substr(at + kOperators[op].size()));

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
