#pragma once
// Derived items and row filters: texts that refer to items as "$<index>",
// expanded into values and evaluated, arithmetic to a double and conditions
// to true or false.
//
// Arithmetic: numbers, "NOW" (the local date and time as days since
// 1899-12-30), + - * / with the usual precedence, left to right, unary signs
// and parentheses. An operand's text is read as far as it is a number, the
// rest ignored (so "12abc" is 12 and "true" is 0). A zero divisor, 0/0 and
// an overflow raise VnException.
//
// Conditions: "|" (loosest), "&", "!", parentheses, and comparisons
// "<>", ">=", "<=", ">", "<", "=" that compare the two sides as texts (so
// 10 < 9), with double-quoted texts; an operator or parenthesis inside
// double quotes is text, and a doubled quote inside them is one quote
// character. Blanks around operators are allowed.
//
// Parentheses and "!" nest at most kVnExpressionMaxNesting deep; a deeper
// text raises VnException.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "VnText.h"

class VnSNMPVarList;

inline constexpr int kVnExpressionMaxNesting = 100;

// What an expression reads of one referenced item.
struct VnExprOperand {
    std::string value;   // value text, an option label already turned into its value
    unsigned syntax = 0;
};

// Yields the item at `index`, or nothing when the list has no such item.
using VnItemSource = std::function<std::optional<VnExprOperand>(std::uint32_t index)>;

// Replaces each reference (marker followed by decimal digits, no digits
// meaning item 0) by the item's value: booleans as 1/0, numbers as they are,
// timeticks as hundredths, date-times as day counts; any other syntax in
// double quotes (its own quotes doubled) when `quoteOtherValues`, else
// raising -513. A "(NULL)" value raises -512, an index beyond the list and a
// number item whose text is not a number -513. Inserted values are not
// searched again.
std::string ExpandItemReferences(std::string_view expression, bool quoteOtherValues,
                                 std::string_view marker, const VnItemSource& items);

// The value text for an expression result and the item's syntax (before an
// option list turns it into a label). Syntaxes without a numeric form raise -513.
std::string ExpressionResultToValue(double result, unsigned syntax);

// ExpressionResultToValue(EvaluateArithmetic(expansion of `expression`
// without quoting, marker "$")).
std::string EvaluateItemExpression(std::string_view expression, unsigned syntax,
                                   const VnItemSource& items);

// True for the empty condition; otherwise the condition expanded with
// quoting, marker "$", and evaluated.
bool EvaluateCondition(std::string_view condition, const VnItemSource& items);

double EvaluateArithmetic(std::string_view text);
bool EvaluateLogical(std::string_view text);
// One comparison, or a truth text ("true"/"false" in any case, untrimmed);
// anything else raises "Bad logic operand!" with help context -1.
bool EvaluateComparison(std::string_view text);

// Splits at the first occurrence of the first listed operator that occurs;
// returns its index, or -1 leaving left and right unchanged.
int SplitAtOperator(std::span<const std::string_view> operators, std::string_view text,
                    std::string& left, std::string& right);

// Removes one pair of enclosing double quotes; a lone quote gives "".
std::string StripQuotes(std::string_view text);

// The same over a request's variable list: items are read by index, through
// their option lists.
VnItemSource ItemSourceOf(const VnSNMPVarList& list);
std::string ExpandItemReferences(const VnSNMPVarList& list, std::string_view expression,
                                 bool quoteOtherValues, std::string_view marker);
// Item i's read expression (afterGet) or write expression evaluated into
// its value text; nothing happens when the item has no such expression.
void ApplyItemExpression(VnSNMPVarList& list, int i, bool afterGet);
bool EvaluateCondition(const VnSNMPVarList& list, std::string_view condition);
