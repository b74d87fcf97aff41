#include "VnException.h"
#include "VnExpression.h"
#include "VnMessages.h"
#include "VnOptionList.h"
#include "VnSNMPVarList.h"
#include "VnValueText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace {

// Runs `f` and returns the help context of the VnException it raises; a
// sentinel when it raises nothing.
template <typename F>
int HelpContextOf(F&& f)
{
    try {
        f();
    } catch (const VnException& e) {
        return e.HelpContext();
    }
    return 12345;
}

template <typename F>
std::string MessageOf(F&& f)
{
    try {
        f();
    } catch (const VnException& e) {
        return e.what();
    }
    return "(nothing raised)";
}

TEST(Expression, Arithmetic)
{
    struct Case {
        const char* text;
        double expected;
        const char* why;
    } const cases[] = {
        {"7", 7, "a plain number"},
        {"", 0, "the empty text is 0"},
        {"(1+2)*3", 9, "parentheses first"},
        {"2*(3+4)", 14, "parentheses on the right"},
        {"1+2*3", 7, "* binds tighter than +"},
        {"10-3-2", 5, "- associates to the left"},
        {"8/4/2", 1, "/ associates to the left"},
        {"6/3*2", 4, "* and / left to right"},
        {"2*-3", -6, "a sign after an operator"},
        {"-3+1", -2, "a leading sign"},
        {"-(1+2)", -3, "a sign before parentheses"},
        {"10--3", 13, "a negative value after a minus"},
        {" 1 + 2 ", 3, "blanks around operators"},
        {"1.5E-7*2", 3e-7, "the exponent sign belongs to the number"},
        {"1e3-1", 999, "a positive exponent"},
        {"2*(1/3)*3", 2, "a parenthesised result keeps its full precision"},
        {"(1E-6)-(1E-6)", 0, "a parenthesised result in scientific form is not split again"},
        {"((2))", 2, "nested parentheses"},
        {"(1+2", 3, "an unclosed parenthesis runs to the end"},
        {"(1+2)abc", 3, "text after a parenthesis is ignored"},
        {"12abc+1", 13, "an operand is read as far as it is a number"},
        {"true", 0, "truth texts are not numbers"},
        {"0.1+0.2", 0.1 + 0.2, "double arithmetic"},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(EvaluateArithmetic(c.text), c.expected) << '"' << c.text << "\": " << c.why;
}

TEST(Expression, ArithmeticNow)
{
    const double before = NowAsDateTime();
    const double now = EvaluateArithmetic("now - 1");
    EXPECT_GE(now, before - 1.0 - 1e-6);
    EXPECT_LE(now, NowAsDateTime() - 1.0 + 1e-6);
    EXPECT_GT(EvaluateArithmetic("(NOW)"), 40000.0);
}

TEST(Expression, ArithmeticErrorsAreRaised)
{
    EXPECT_EQ(MessageOf([] { EvaluateArithmetic("1/0"); }), "Floating point division by zero");
    EXPECT_EQ(MessageOf([] { EvaluateArithmetic("0/(1-1)"); }), "Invalid floating point operation");
    EXPECT_EQ(MessageOf([] { EvaluateArithmetic("1e308*10"); }), "Floating point overflow");
    EXPECT_EQ(MessageOf([] { EvaluateArithmetic("1e999"); }), "Floating point overflow");
    EXPECT_EQ(MessageOf([] { EvaluateArithmetic("1e308+1e308"); }), "Floating point overflow");
}

TEST(Expression, Comparison)
{
    struct Case {
        const char* text;
        bool expected;
        const char* why;
    } const cases[] = {
        {"9>10", true, "numbers compare as texts"},
        {"abc=abc", true, "equal texts"},
        {" abc = abc ", true, "sides are trimmed"},
        {"\"abc\"=abc", true, "one pair of quotes is stripped"},
        {"a<>b", true, "unequal"},
        {"a>=a", true, "split at >= before >"},
        {"a=>b", false, "no >=: split at > into 'a=' and 'b'"},
        {"a<b", true, "less"},
        {"B<a", true, "letter case is significant (upper before lower)"},
        {"ab<abc", true, "a prefix sorts first"},
        {"\xE9>z", true, "bytes compare unsigned"},
        {"TRUE", true, "truth text in any case"},
        {"false", false, "false"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EvaluateComparison(c.text), c.expected) << '"' << c.text << "\": " << c.why;

    // Neither comparison nor truth text; the truth text is not trimmed here.
    for (const char* bad : {" true", "maybe", ""}) {
        EXPECT_EQ(HelpContextOf([&] { EvaluateComparison(bad); }), -1) << '"' << bad << '"';
        EXPECT_EQ(MessageOf([&] { EvaluateComparison(bad); }), "Bad logic operand!");
    }
}

TEST(Expression, Logical)
{
    struct Case {
        const char* text;
        bool expected;
        const char* why;
    } const cases[] = {
        {"(true)&(false)", false, "parentheses"},
        {"!false", true, "not"},
        {"a=b|c=c", true, "or"},
        {"x=x & !y=z", true, "the text after ! is negated"},
        {"true | false", true, "blanks around |"},
        {"( true ) & ( true )", true, "blanks inside parentheses"},
        {"!a=a&b=b", false, "& binds looser than !"},
        {"a=a|b=b&c=d", true, "| binds loosest"},
        {"$=\"a|b\"", false, "a | inside quotes is text"},
        {"x=\"a|b\"|y=y", true, "an operator after a quoted one is still used"},
        {"x=\"a\"&y=\"(b\"", false, "a parenthesis inside any quoted text is text"},
        {"\"a&b\"=\"a&b\"", true, "operators in both quoted sides are text"},
        {"((a=a))", true, "nested parentheses"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EvaluateLogical(c.text), c.expected) << c.text << ": " << c.why;

    // The right side is not evaluated once the left decides.
    EXPECT_TRUE(EvaluateLogical("true|bad operand"));
    EXPECT_FALSE(EvaluateLogical("false&bad operand"));
    EXPECT_EQ(HelpContextOf([] { EvaluateLogical("bad operand"); }), -1);
}

TEST(Expression, TextHelpers)
{
    EXPECT_EQ(ReplaceAll("[A][A]", "[A]", "[A]x"), "[A]x[A]x") << "replacements are not searched again";
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("Get: [ERROR].", "[ERROR]", ""), "Get: .");
    EXPECT_EQ(SpanOfChars("12ab", 1, "0123456789"), 2u);
    EXPECT_EQ(SpanOfChars("ab", 1, "0123456789"), 0u);
    EXPECT_EQ(SpanOfChars("ab12", 3, "0123456789"), 4u);
    EXPECT_EQ(SpanOfChars("12", 3, "0123456789"), 0u) << "start beyond the text";
    EXPECT_EQ(SpanOfChars("12", 0, "0123456789"), 0u) << "positions start at 1";
    EXPECT_EQ(StripQuotes(""), "");
    EXPECT_EQ(StripQuotes("\""), "");
    EXPECT_EQ(StripQuotes("\"\""), "");
    EXPECT_EQ(StripQuotes("\"ab\""), "ab");
    EXPECT_EQ(StripQuotes("\"ab"), "\"ab");

    static constexpr std::string_view ops[] = {"<>", ">="};
    std::string left = "L", right = "R";
    EXPECT_EQ(SplitAtOperator(ops, "a=b", left, right), -1);
    EXPECT_EQ(left, "L") << "unchanged when nothing is found";
    EXPECT_EQ(SplitAtOperator(ops, "a>=b<>c", left, right), 0) << "list order, not text order";
    EXPECT_EQ(left, "a>=b");
    EXPECT_EQ(right, "c");
}

// Items by index for the pure functions.
VnItemSource SourceOf(const std::map<std::uint32_t, VnExprOperand>& items)
{
    return [items](std::uint32_t i) -> std::optional<VnExprOperand> {
        const auto it = items.find(i);
        if (it == items.end())
            return std::nullopt;
        return it->second;
    };
}

TEST(Expression, ExpandItemReferences)
{
    const VnItemSource items = SourceOf({
        {0, {"1", VnSyntax::Integer}},
        {1, {"true", VnSyntax::Boolean}},
        {2, {"abc", VnSyntax::DisplayStr}},
        {3, {"TRUE", VnSyntax::Bool8}},
        {4, {"1 day 0:00:00.05", VnSyntax::TimeTicks}},
        {5, {"1899/12/31 12:00:00 pm", VnSyntax::BcdDateTime}},
        {6, {"$2", VnSyntax::DisplayStr}},
        {7, {"(NULL)", VnSyntax::Integer}},
        {8, {"4294967295", VnSyntax::Counter}},
        {10, {"-2", VnSyntax::Integer}},
    });
    struct Case {
        const char* text;
        bool quote;
        const char* expected;
        const char* why;
    } const cases[] = {
        {"$0+1", false, "1+1", "a number as it is"},
        {"$+1", false, "1+1", "a marker without digits is item 0"},
        {"$1*$3", false, "1*0", "booleans: only \"true\" is 1"},
        {"$4", false, "8640005", "timeticks as hundredths"},
        {"$5", false, "1.5", "date-time as days"},
        {"$2=abc", true, "\"abc\"=abc", "other syntaxes quoted"},
        {"$6", true, "\"$2\"", "an inserted value is not expanded again"},
        {"$10-$10", false, "-2--2", "negative values"},
        {"$8+$0", false, "4294967295+1", "every reference"},
        {"no refs", false, "no refs", "nothing to expand"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandItemReferences(c.text, c.quote, "$", items), c.expected) << c.why;

    EXPECT_EQ(ExpandItemReferences("#0+$0", false, "#", items), "1+$0") << "the marker is a parameter";
    EXPECT_EQ(HelpContextOf([&] { ExpandItemReferences("$2=abc", false, "$", items); }), -513);
    EXPECT_EQ(HelpContextOf([&] { ExpandItemReferences("$7+1", false, "$", items); }), -512);
    EXPECT_EQ(HelpContextOf([&] { ExpandItemReferences("$7=1", true, "$", items); }), -512);
    EXPECT_EQ(HelpContextOf([&] { ExpandItemReferences("$9", true, "$", items); }), -513)
        << "an index beyond the list reads nothing";
    EXPECT_EQ(HelpContextOf([&] { ExpandItemReferences("$4294967296", true, "$", items); }), 12345)
        << "the index wraps in 32 bits like every leading number (here to item 0)";
}

TEST(Expression, ResultToValue)
{
    struct Case {
        double r;
        unsigned syntax;
        const char* expected;
    } const cases[] = {
        {0, VnSyntax::Boolean, "false"},
        {0.5, VnSyntax::Boolean, "true"},
        {-7.9, VnSyntax::Integer, "-7"},
        {2147483648.0, VnSyntax::Integer, "-2147483648"},
        {4294967296.0 * 3 + 5, VnSyntax::Integer, "5"},
        {-1, VnSyntax::Counter, "4294967295"},
        {96, VnSyntax::Gauge, "96"},
        {1e300, VnSyntax::UInteger, "0"},
        {8640005, VnSyntax::TimeTicks, "1 day 0:00:00.05"},
        {18446744073709551615.0, VnSyntax::Counter64, "0"},
        {-1, VnSyntax::Counter64, "18446744073709551615"},
        {12345678901.0, VnSyntax::Counter64, "12345678901"},
        {0.1, VnSyntax::Double, "0.1"},
        {1.5, VnSyntax::BcdDateTime, "1899/12/31 12:00:00 pm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpressionResultToValue(c.r, c.syntax), c.expected) << c.r << " as " << c.syntax;
    for (unsigned syntax : {VnSyntax::OctetStr, VnSyntax::ObjectId, VnSyntax::IpAddress,
                            VnSyntax::DateTime, VnSyntax::DisplayStr, VnSyntax::Int8})
        EXPECT_EQ(HelpContextOf([&] { ExpressionResultToValue(1, syntax); }), -513) << syntax;
}

TEST(Expression, EvaluateConditionOverASource)
{
    bool touched = false;
    const VnItemSource spy = [&](std::uint32_t) -> std::optional<VnExprOperand> {
        touched = true;
        return std::nullopt;
    };
    EXPECT_TRUE(EvaluateCondition("", spy));
    EXPECT_FALSE(touched) << "the empty condition reads no item";

    const VnItemSource items = SourceOf({{0, {"5", VnSyntax::Integer}}, {1, {"a b", VnSyntax::DisplayStr}}});
    EXPECT_TRUE(EvaluateCondition("$0=5 & $1=\"a b\"", items));
    EXPECT_FALSE(EvaluateCondition("$0<>5", items));
}

// Items of a request's list, read through their option lists.
const VnIntOption kUpDown[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const VnOptionList kUpDownList(kUpDown);

const VnSNMPVarDesc kDerivedTable[] = {
    {"1.3.6.1.4.1.1.1", "Status", VnSyntax::Integer, VnAccess::ReadOnly, &kUpDownList},
    {"1.3.6.1.4.1.1.2", "Count", VnSyntax::Integer, VnAccess::ReadOnly},
    {"1.3.6.1.4.1.1.3", "Bits", VnSyntax::Counter, VnAccess::Derived, nullptr, "$1*8"},
    {"1.3.6.1.4.1.1.4", "Name", VnSyntax::OctetStr, VnAccess::Derived, nullptr, "$1*8"},
    {"1.3.6.1.4.1.1.5", "Next", VnSyntax::Integer, VnAccess::Derived, &kUpDownList, "$0+1", "$1-11"},
    {},
};

TEST(Expression, OverAVariableList)
{
    VnSNMPVarList list(kDerivedTable, SVT_SV, 0);
    list.Item(0).value = "up";
    list.Item(1).value = "12";

    EXPECT_EQ(ExpandItemReferences(list, "$0+1", false, "$"), "1+1") << "a label becomes its value";
    EXPECT_DOUBLE_EQ(EvaluateArithmetic(ExpandItemReferences(list, "$0+1", false, "$")), 2);

    ApplyItemExpression(list, 2, true);
    EXPECT_EQ(list.Item(2).value, "96");
    ApplyItemExpression(list, 4, true);
    EXPECT_EQ(list.Item(4).value, "down") << "the result goes through the option list";
    ApplyItemExpression(list, 4, false);
    EXPECT_EQ(list.Item(4).value, "up") << "the write expression before a set";

    list.Item(1).value = "5";
    ApplyItemExpression(list, 1, true);
    EXPECT_EQ(list.Item(1).value, "5") << "an item without expression is left alone";
    ApplyItemExpression(list, 2, false);
    EXPECT_EQ(list.Item(2).value, "96") << "no write expression: nothing happens";

    list.Item(1).value = "12";
    EXPECT_EQ(HelpContextOf([&] { ApplyItemExpression(list, 3, true); }), -513);
    EXPECT_EQ(list.Item(3).value, "") << "a failed expression leaves the value";

    EXPECT_TRUE(EvaluateCondition(list, ""));
    EXPECT_TRUE(EvaluateCondition(list, "$0=1"));
    EXPECT_FALSE(EvaluateCondition(list, "$0=up"));
    EXPECT_EQ(HelpContextOf([&] { EvaluateCondition(list, "$9=1"); }), -513);
}

// ---- what a spoiled agent or a broken descriptor can feed in: values
// that look like operators, number items holding text, and nesting deep
// enough to exhaust the stack.

VnItemSource OneText(const std::string& value)
{
    return SourceOf({{0, {value, VnSyntax::DisplayStr}}});
}

TEST(HostileExpression, AQuotedValueStaysOneText)
{
    struct Case {
        const char* agentValue;
        const char* condition;
        bool expected;
        const char* why;
    } const cases[] = {
        {"a\" = \"a\" | \"b", "$0 = \"up\"", false, "quotes and | in the value do not make an or"},
        {"up\" | \"x", "$0 = \"up\"", false, "a value that closes its quote early"},
        {"x) | (true", "$0 = \"up\"", false, "parentheses in the value"},
        {"a\" <> \"b", "$0 = \"up\"", false, "an operator that comes earlier in the operator list"},
        {"up", "$0 = \"up\"", true, "the plain value still compares"},
        {"a\" = \"a\" | \"b", "$0 = $0", true, "a hostile value equals itself"},
        {"say \"hi\"", "$0 = \"say \"\"hi\"\"\"", true, "a doubled quote in a written text is one quote"},
        {"\"", "$0 = \"\"\"\"", true, "a value that is one quote"},
        {"", "$0 = \"\"", true, "the empty value"},
        {"NOW", "$0 = NOW", false, "agent text NOW is text, not the clock"},
        {"!", "$0 = \"!\"", true, "a lone ! in the value"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EvaluateCondition(c.condition, OneText(c.agentValue)), c.expected)
            << c.why << ": value [" << c.agentValue << "] in " << c.condition;

    EXPECT_EQ(ExpandItemReferences("$0", true, "$", OneText("say \"hi\"")), "\"say \"\"hi\"\"\"")
        << "the value's quotes are doubled";
}

TEST(HostileExpression, NumberItemsHoldNumbersOnly)
{
    struct Case {
        const char* value;
        unsigned syntax;
        const char* expanded;  // nullptr: refused with -513
    } const cases[] = {
        {"12", VnSyntax::Integer, "12"},
        {" -7 ", VnSyntax::Integer, "-7"},
        {"4294967295", VnSyntax::Counter, "4294967295"},
        {"1.5E-6", VnSyntax::Double, "1.5E-6"},
        {"-0.25", VnSyntax::Double, "-0.25"},
        {"1 | true", VnSyntax::Integer, nullptr},
        {"0)*0+(5", VnSyntax::Gauge, nullptr},
        {"12abc", VnSyntax::Counter64, nullptr},
        {"up", VnSyntax::Integer, nullptr},
        {"", VnSyntax::UInteger, nullptr},
        {"1e", VnSyntax::Double, nullptr},
        {"1.5", VnSyntax::Integer, nullptr},
    };
    for (const auto& c : cases) {
        const VnItemSource items = SourceOf({{0, {c.value, c.syntax}}});
        for (const bool quote : {false, true}) {
            if (c.expanded) {
                EXPECT_EQ(ExpandItemReferences("$0", quote, "$", items), c.expanded) << c.value;
                continue;
            }
            try {
                ExpandItemReferences("$0", quote, "$", items);
                ADD_FAILURE() << "[" << c.value << "] went into the expression";
            } catch (const VnException& e) {
                EXPECT_EQ(e.HelpContext(), kVnErrExprBadSyntax) << c.value;
            }
        }
    }

    // Before the check, this value made the filter pass every row.
    EXPECT_THROW(EvaluateCondition("$0 = 5", SourceOf({{0, {"1=1 | x", VnSyntax::Integer}}})),
                 VnException);
}

std::string Nested(int depth, const std::string& open, const std::string& core, const std::string& close)
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += open;
    text += core;
    for (int i = 0; i < depth; ++i)
        text += close;
    return text;
}

TEST(HostileExpression, NestingHasALimit)
{
    const std::string tooDeep = "Expression nested more than 100 levels deep";
    const int limit = kVnExpressionMaxNesting;

    EXPECT_DOUBLE_EQ(EvaluateArithmetic(Nested(limit, "(", "1", ")")), 1);
    EXPECT_TRUE(EvaluateLogical(Nested(limit, "(", "true", ")")));
    EXPECT_TRUE(EvaluateLogical(Nested(limit, "!", "true", "")));

    struct Case {
        std::string text;
        bool logical;
        const char* why;
    } const cases[] = {
        {Nested(limit + 1, "(", "1", ")"), false, "one level too deep"},
        {Nested(100000, "(", "1", ")"), false, "parentheses a hundred thousand deep"},
        {Nested(10000, "-(", "1", ")"), false, "signs and parentheses"},
        {Nested(100000, "(", "true", ")"), true, "a condition a hundred thousand deep"},
        {Nested(10000, "(a=a&", "true", ")"), true, "ands inside parentheses"},
        {Nested(10000, "(", "1", ""), false, "unclosed parentheses run to the end"},
    };
    for (const auto& c : cases) {
        const std::string message = MessageOf([&] {
            if (c.logical)
                EvaluateLogical(c.text);
            else
                EvaluateArithmetic(c.text);
        });
        EXPECT_EQ(message, tooDeep) << c.why;
    }
    EXPECT_EQ(MessageOf([&] { EvaluateLogical(Nested(10000, "(", "true", "")); }), tooDeep)
        << "unclosed parentheses count as they open";
    EXPECT_EQ(MessageOf([&] { EvaluateLogical(Nested(1000, "a!", "true", "")); }), tooDeep)
        << "a not after text nests";

    // Long chains are not nesting: they are walked, not recursed.
    std::string ors = "false";
    std::string sums = "0";
    for (int i = 0; i < 10000; ++i) {
        ors += "|false";
        sums += "+1";
    }
    EXPECT_FALSE(EvaluateLogical(ors));
    EXPECT_TRUE(EvaluateLogical(Nested(10000, "!", "true", "")));
    EXPECT_FALSE(EvaluateLogical(Nested(10001, " !", "true", "")));
    EXPECT_TRUE(EvaluateLogical(ors + "|a=a"));
    EXPECT_DOUBLE_EQ(EvaluateArithmetic(sums), 10000);

    const VnItemSource items = SourceOf({{0, {"5", VnSyntax::Integer}}});
    EXPECT_EQ(MessageOf([&] { EvaluateCondition(Nested(10000, "(", "$0=5", ")"), items); }), tooDeep)
        << "a row filter says why it failed";
}

} // namespace
