#include "VnNumList.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

struct IntCase {
    const char* text;
    char delimiter;
    std::vector<int> expected;
    const char* why;
};

TEST(NumList, ParsesIntLists)
{
    const IntCase cases[] = {
        {"", ',', {}, "an empty text is an empty list"},
        {"0,2,5", ',', {0, 2, 5}, "a set's item list"},
        {"1,,2", ',', {1, 0, 2}, "a position without digits stays 0"},
        {"3,", ',', {3, 0}, "a trailing delimiter adds a 0"},
        {",", ',', {0, 0}, "a lone delimiter is two empty positions"},
        {"1.9,2", ',', {1, 2}, "digits after a point leave the number as it was"},
        {"7.99999", ',', {7}, "however many fraction digits follow"},
        {"1.3.6", '.', {1, 3, 6}, "the default delimiter is the point"},
        {"4,8,12,16,20", ',', {4, 8, 12, 16, 20}, "an LED byte list"},
        {"2147483647", ',', {INT_MAX}, "the largest int"},
        {"2147483648", ',', {INT_MIN}, "one more wraps in 32 bits"},
        {"4294967297", ',', {1}, "digits beyond 32 bits wrap"},
        {"1-4", ',', {74}, "no range syntax: '-' counts as the digit -3 (1*10-3, then *10+4)"},
        {"a", ',', {49}, "any character counts as its code minus 48"},
        {"0.!", ',', {-1}, "a fraction 'digit' below zero truncates toward zero"},
    };
    for (const auto& c : cases) {
        VnNumList<int> list;
        list.delimiter = c.delimiter;
        list.Parse(c.text);
        EXPECT_EQ(list.Values(), c.expected) << c.text << ": " << c.why;
        EXPECT_EQ(list.Count(), static_cast<int>(c.expected.size())) << c.text;
    }
}

TEST(NumList, UnsignedValuesWrapLikeTheirArithmetic)
{
    VnNumList<unsigned int> list;
    list.delimiter = ',';
    list.Parse("4294967295,4294967296,4094");
    EXPECT_EQ(list.Values(), (std::vector<unsigned>{4294967295u, 0u, 4094u}));
    // A negative "digit" after the point must not leave the unsigned range.
    list.Parse("0.!,4294967295.9");
    EXPECT_EQ(list.Values(), (std::vector<unsigned>{4294967295u, 4294967295u}));
}

TEST(NumList, NullTextAndReparse)
{
    VnNumList<int> list;
    list.delimiter = ',';
    list.Parse("1,2,3");
    list.Parse(static_cast<const char*>(nullptr));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.CountItems(static_cast<const char*>(nullptr)), 0);
    EXPECT_EQ(list.IndexOf(1), -1);
    list.Parse("9");
    EXPECT_EQ(list.Values(), std::vector<int>{9}) << "parsing replaces the old contents";
}

TEST(NumList, CountItemsCountsDelimiters)
{
    VnNumList<int> list;
    EXPECT_EQ(list.delimiter, '.');
    EXPECT_EQ(list.CountItems(""), 0);
    EXPECT_EQ(list.CountItems("1.2"), 2);
    EXPECT_EQ(list.CountItems("1,2"), 1) << "only the current delimiter counts";
    list.delimiter = ',';
    EXPECT_EQ(list.CountItems(",,"), 3);
}

TEST(NumList, IndexOfFindsTheFirstEqualValue)
{
    VnNumList<int> list;
    list.delimiter = ',';
    list.Parse("5,7,5");
    EXPECT_EQ(list.IndexOf(5), 0);
    EXPECT_EQ(list.IndexOf(7), 1);
    EXPECT_EQ(list.IndexOf(6), -1);
}

TEST(NumList, AllInRangeComparesUnsigned)
{
    struct Case {
        const char* text;
        unsigned min, max;
        bool expected;
    } const cases[] = {
        {"", 1, 4094, true},
        {"0,10", 1, 4094, false},
        {"1,4094", 1, 4094, true},
        {"4095", 1, 4094, false},
        {"4294967295", 0, 4294967295u, true},
    };
    for (const auto& c : cases) {
        VnNumList<unsigned int> list;
        list.delimiter = ',';
        list.Parse(c.text);
        EXPECT_EQ(list.AllInRange(c.min, c.max), c.expected) << c.text;
    }
}

} // namespace
