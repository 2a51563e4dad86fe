// GetToken, RemoveSpaces and CopySubstring.
#include "SolveExp/SolveExp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using namespace SolveExp;

struct TokenCase {
    const char* Text;
    int32_t Pos;
    uint16_t Code;
    int32_t Start;  // -7: must stay untouched
    int32_t End;
    int32_t Next;
};

TEST(GetToken, CodesBoundsAndNextPosition)
{
    const TokenCase Cases[] = {
        {"", 0, tkEnd, -7, -7, -1},           {"", 1, tkOutOfRange, -7, -7, -1},
        {"12", -1, tkOutOfRange, -7, -7, -1}, {"12", 3, tkOutOfRange, -7, -7, -1},
        {"12", 2, tkEnd, -7, -7, -1},         {"+", 0, tkPlus, -7, -7, 1},
        {"1-", 1, tkMinus, -7, -7, 2},        {"*", 0, tkMultiply, -7, -7, 1},
        {"/", 0, tkDivide, -7, -7, 1},        {"(1)", 0, tkBracket, 1, 1, 3},
        {"()", 0, tkError, -7, -7, -1},       {"((1)", 0, tkError, -7, -7, -1},
        {"(())", 0, tkBracket, 1, 2, 4},      {"(1))", 0, tkBracket, 1, 1, 3},
        {")", 0, tkError, -7, -7, -1},        {"sin(1)", 0, tkSin, 4, 4, 6},
        {"sin(1", 0, tkError, -7, -7, -1},    {"sin()", 0, tkError, -7, -7, -1},
        {"sin()+1", 0, tkError, -7, -7, -1},  {"SQRT(4)", 0, tkSqrt, 5, 5, 7},
        {"exp(1)", 0, tkExp, 4, 4, 6},        {"eXp(12)", 0, tkExp, 4, 5, 7},
        {"cOs(1)", 0, tkCos, 4, 4, 6},        {"Loge(1)", 0, tkLoge, 5, 5, 7},
        {"fAC(1)", 0, tkFac, 4, 4, 6},        {"aSin(1)", 0, tkArcSin, 5, 5, 7},
        {"ACOS(1)", 0, tkArcCos, 5, 5, 7},    {"aBs(1)", 0, tkAbs, 4, 4, 6},
        {"sqrt((1)+2)", 0, tkSqrt, 5, 9, 11}, {"2*sin(1+3)", 2, tkSin, 6, 8, 10},
        {"ex(1)", 0, tkError, -7, -7, -1},    {"x", 0, tkError, -7, -7, -1},
        {"sine(1)", 0, tkError, -7, -7, -1},  {"expo(1)", 0, tkError, -7, -7, -1},
        {"sin (1)", 0, tkError, -7, -7, -1},  {"ab(1)+1", 0, tkError, -7, -7, -1},
        {"1+abs(", 2, tkError, -7, -7, -1},  // fewer than six characters remain
        {"1e-5", 0, tkNumber, 0, 3, 4},       {"2.5E+10", 0, tkNumber, 0, 6, 7},
        {"1-5", 0, tkNumber, 0, 0, 1},        {".5", 0, tkNumber, 0, 1, 2},
        {"1.2.3e5e", 0, tkNumber, 0, 7, 8},   {"1+5", 0, tkNumber, 0, 0, 1},
        {"7e-", 0, tkNumber, 0, 2, 3},        {" 1", 0, tkError, -7, -7, -1},
        {"\t", 0, tkError, -7, -7, -1},
    };
    for (const TokenCase& c : Cases) {
        SCOPED_TRACE(std::string("'") + c.Text + "' at " + std::to_string(c.Pos));
        int32_t Start = -7, End = -7, Next = 99;
        EXPECT_EQ(GetToken(c.Text, c.Pos, Start, End, Next), c.Code);
        EXPECT_EQ(Start, c.Start);
        EXPECT_EQ(End, c.End);
        EXPECT_EQ(Next, c.Next);
    }
}

TEST(GetToken, WalksAWholeExpression)
{
    const char* Text = "2*sin(1+3)-(4)";
    const std::vector<uint16_t> Expected = {tkNumber, tkMultiply, tkSin, tkMinus, tkBracket, tkEnd};
    std::vector<uint16_t> Seen;
    int32_t Pos = 0, Start = 0, End = 0;
    while (Pos >= 0 && Seen.size() < 20) {
        int32_t Next = 0;
        Seen.push_back(GetToken(Text, Pos, Start, End, Next));
        Pos = Next;
    }
    EXPECT_EQ(Seen, Expected);
}

TEST(GetToken, NeverReadsPastTheTerminator)
{
    // Every prefix of these texts sits at the very end of a heap block, so a
    // read beyond the terminator is caught by the sanitizers and valgrind.
    const std::string Texts[] = {"sin(1", "asin(", "(((", "1e+", "loge((1)", "abs(1)"};
    for (const std::string& t : Texts)
        for (size_t n = 0; n <= t.size(); ++n) {
            std::vector<char> Exact(t.begin(), t.begin() + static_cast<long>(n));
            Exact.push_back('\0');
            for (int32_t Pos = -1; Pos <= static_cast<int32_t>(n) + 1; ++Pos) {
                int32_t Start = 0, End = 0, Next = 0;
                const uint16_t Code = GetToken(Exact.data(), Pos, Start, End, Next);
                if (Code == tkError || Code == tkEnd || Code == tkOutOfRange)
                    EXPECT_EQ(Next, -1);
                else
                    EXPECT_LE(Next, static_cast<int32_t>(n));
            }
        }
}

TEST(RemoveSpaces, RemovesOnlySpaces)
{
    const std::pair<const char*, const char*> Cases[] = {
        {" 2 * sin( x ) ", "2*sin(x)"}, {"1 000", "1000"}, {"    ", ""}, {"", ""},
        {"a\tb\n c", "a\tb\nc"},        {"abc", "abc"},
    };
    for (const auto& [In, Out] : Cases) {
        std::string Buffer(In);
        RemoveSpaces(Buffer.data());
        EXPECT_STREQ(Buffer.c_str(), Out) << "'" << In << "'";
    }
}

TEST(CopySubstring, CopiesInclusiveRangeOrRefuses)
{
    struct Case {
        int32_t First, Last;
        const char* Result;  // nullptr: refused
    };
    const Case Cases[] = {
        {2, 4, "cde"},   {0, 5, "abcdef"}, {5, 5, "f"},       {4, 2, nullptr},
        {2, 6, nullptr}, {-1, 2, nullptr}, {-3, -1, nullptr}, {0, 99, nullptr},
    };
    for (const Case& c : Cases) {
        char Dest[16] = "untouched";
        char* Result = CopySubstring(Dest, "abcdef", c.First, c.Last);
        if (c.Result == nullptr) {
            EXPECT_EQ(Result, nullptr) << c.First << ".." << c.Last;
            EXPECT_STREQ(Dest, "untouched");
        } else {
            EXPECT_EQ(Result, Dest);
            EXPECT_STREQ(Dest, c.Result);
        }
    }
}

}  // namespace
