// IsWellFormed: the grammar walked over the whole text with every value left
// aside, so that a syntax error behind an undefined value is found too.
#include "SolveExp/Internal/Grammar.h"
#include "SolveExp/SolveExp.h"

namespace SolveExp {
namespace {

struct TSyntaxActions {
    struct TLevel {};
    struct TValue {};

    static bool Syntax() { return false; }
    static bool Number(const char* Text, int32_t First, int32_t Last, TValue& /*Value*/)
    {
        double Ignored = 0.0;  // out of range is a value error, not a syntax error
        return Grammar::ReadLiteral(Text, First, Last, Ignored) != Grammar::TLiteral::Malformed;
    }
    static bool Group(uint16_t /*Code*/, TLevel /*Inner*/, TValue& /*Value*/) { return true; }
    static bool Combine(TLevel& /*Level*/, uint16_t /*PendingOp*/, TValue /*Value*/)
    {
        return true;
    }
};

}  // namespace

bool IsWellFormed(const char* Text)
{
    if (Text == nullptr) return false;
    TSyntaxActions Actions;
    TSyntaxActions::TLevel Level;
    return Grammar::Walk(Actions, Level, Text, BoundedLength(Text));
}

}  // namespace SolveExp
