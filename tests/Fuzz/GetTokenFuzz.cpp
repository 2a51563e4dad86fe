// Fuzz target: GetToken walked over a whole text, with RemoveSpaces and
// CopySubstring on the same text.
//
// Every token is checked against what its code promises: the characters it
// covers, its bounds, and a walk that moves forward and ends with tkEnd or
// an error. The text sits in a heap block of its exact size, so a read past
// the terminator is reported.
#include "FuzzCheck.h"
#include "SolveExp/SolveExp.h"

#include <cctype>
#include <string>

namespace {

using namespace SolveExp;
using FuzzCheck::Require;

bool IsNumberChar(const std::string& T, int32_t I)
{
    char C = T[I];
    if ((C >= '0' && C <= '9') || C == '.' || C == 'e' || C == 'E') return true;
    return (C == '+' || C == '-') && I > 0 && (T[I - 1] == 'e' || T[I - 1] == 'E');
}

// Brackets of T[From..To] never close more than they opened before the end
// and are balanced there; T[To + 1] is the ")" that closes the group.
bool IsBalancedGroup(const std::string& T, int32_t From, int32_t To)
{
    int Depth = 1;
    for (int32_t I = From; I <= To; ++I) {
        Depth += T[I] == '(' ? 1 : T[I] == ')' ? -1 : 0;
        if (Depth <= 0) return false;
    }
    return T[To + 1] == ')' && Depth == 1;
}

// The function name that code stands for, and whether T at Pos spells it.
bool SpellsFunction(const std::string& T, int32_t Pos, uint16_t Code, int32_t& NameLength)
{
    static const char* const Names[] = {"exp",  "sin",  "cos", "loge", "fac",
                                        "asin", "acos", "abs", "sqrt"};
    std::string Name = Names[Code - tkExp];
    NameLength = static_cast<int32_t>(Name.size());
    for (int32_t I = 0; I < NameLength; ++I)
        if (std::tolower(static_cast<unsigned char>(T[Pos + I])) != Name[I]) return false;
    return T[Pos + NameLength] == '(';
}

void CheckOperand(const std::string& T, int32_t Pos, uint16_t Code, int32_t Start, int32_t End,
                  int32_t Next)
{
    const int32_t Length = static_cast<int32_t>(T.size());
    Require(Next > Pos && Next <= Length, "an operand token does not move forward within the text",
            T);
    if (Code == tkNumber) {
        Require(Start == Pos && End == Next - 1, "number bounds", T);
        Require(T[Pos] == '.' || (T[Pos] >= '0' && T[Pos] <= '9'),
                "a number starts with a digit or a point", T);
        for (int32_t I = Pos; I < Next; ++I)
            Require(IsNumberChar(T, I), "a number holds a foreign character", T);
        Require(Next == Length || !IsNumberChar(T, Next),
                "a number stops before its last character", T);
        return;
    }
    int32_t NameLength = 0;
    if (Code == tkBracket)
        Require(T[Pos] == '(', "a bracket group starts with '('", T);
    else
        Require(SpellsFunction(T, Pos, Code, NameLength),
                "a function token does not spell its name", T);
    Require(Start == Pos + NameLength + 1 && End == Next - 2, "bracket or function bounds", T);
    Require(End >= Start, "an empty argument was accepted", T);
    Require(IsBalancedGroup(T, Start, End), "an argument whose brackets do not match", T);
}

// True when T[Open] starts a "(...)" group that closes and is not empty.
bool HasClosingBracket(const std::string& T, int32_t Open)
{
    int Depth = 1;
    int32_t I = Open + 1;
    for (; I < static_cast<int32_t>(T.size()) && Depth > 0; ++I)
        Depth += T[I] == '(' ? 1 : T[I] == ')' ? -1 : 0;
    return Depth == 0 && I - Open >= 3;
}

// An error may not stand where a token of the language plainly begins.
void CheckErrorPlace(const std::string& T, int32_t Pos)
{
    char C = T[Pos];
    Require(std::string_view("+-*/.0123456789").find(C) == std::string_view::npos,
            "tkError at an operator or a number", T);
    if (C == '(') Require(!HasClosingBracket(T, Pos), "tkError at a well-formed bracket group", T);
}

void WalkTokens(const std::string& Text)
{
    FuzzCheck::TExactBuffer Buffer(Text);
    const int32_t Length = static_cast<int32_t>(Text.size());
    int32_t Pos = 0;
    for (int32_t Steps = 0; Steps <= Length + 1; ++Steps) {
        int32_t Start = -7, End = -7, Next = -7;
        uint16_t Code = GetToken(Buffer.Data, Pos, Start, End, Next);
        if (Code == tkEnd) {
            Require(Pos == Length && Next == -1, "tkEnd away from the terminator", Text);
            return;
        }
        if (Code == tkError || Code == tkOutOfRange) {
            Require(Code == tkError && Next == -1,
                    "an error inside the text must be tkError with NextPos -1", Text);
            Require(Pos < Length, "tkError at the terminator", Text);
            CheckErrorPlace(Text, Pos);
            return;
        }
        if (Code >= tkPlus && Code <= tkDivide) {
            Require(Text[Pos] == "+-*/"[Code - tkPlus] && Next == Pos + 1, "operator token", Text);
            Require(Start == -7 && End == -7, "an operator token set operand bounds", Text);
        } else {
            Require(Code == tkNumber || (Code >= tkBracket && Code <= tkSqrt), "unknown token code",
                    Text);
            CheckOperand(Text, Pos, Code, Start, End, Next);
        }
        Pos = Next;
    }
    FuzzCheck::Fail("the walk did not end", Text);
}

void CheckPositions(const std::string& Text, int32_t Pos)
{
    FuzzCheck::TExactBuffer Buffer(Text);
    const int32_t Length = static_cast<int32_t>(Text.size());
    int32_t Start = 0, End = 0, Next = 0;
    uint16_t Code = GetToken(Buffer.Data, Pos, Start, End, Next);
    if (Pos < 0 || Pos > Length)
        Require(Code == tkOutOfRange && Next == -1, "position outside the text", Text);
}

void CheckRemoveSpaces(const std::string& Text)
{
    FuzzCheck::TExactBuffer Buffer(Text);
    RemoveSpaces(Buffer.Data);
    std::string Expected;
    for (char C : Text)
        if (C != ' ') Expected += C;
    Require(Buffer.Data == Expected, "RemoveSpaces", Text);
}

void CheckCopySubstring(const std::string& Text, int32_t First, int32_t Last)
{
    FuzzCheck::TExactBuffer Source(Text);
    const int32_t Length = static_cast<int32_t>(Text.size());
    bool Bad = First > Last || First < 0 || Last < 0 || Last >= Length;
    // The destination gets exactly Last - First + 2 bytes when that is sensible.
    std::size_t DestBytes = Bad ? 1 : static_cast<std::size_t>(Last - First) + 2;
    FuzzCheck::TExactBuffer Dest("", DestBytes);
    Dest.Data[0] = 'Q';
    char* Result = CopySubstring(Dest.Data, Source.Data, First, Last);
    if (Bad) {
        Require(Result == nullptr && Dest.Data[0] == 'Q',
                "a bad range must copy nothing and return null", Text);
        return;
    }
    Require(Result == Dest.Data, "CopySubstring returns Dest", Text);
    Require(Text.substr(First, Last - First + 1) == Dest.Data,
            "CopySubstring copied the wrong text", Text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, std::size_t Size)
{
    FuzzCheck::TInput Input{Data, Size};
    auto Offsets = Input.Take<uint32_t>();
    std::string Text = FuzzCheck::UpToZero(Input.Rest());
    const int32_t Length = static_cast<int32_t>(Text.size());
    WalkTokens(Text);
    // Positions around and inside the text, from the first bytes of the input.
    int32_t Shift = static_cast<int8_t>(Offsets & 0xFF);
    CheckPositions(Text, Shift);
    CheckPositions(Text, Length + 1 + (Shift & 0x7F));
    CheckPositions(Text, Length);
    CheckRemoveSpaces(Text);
    int32_t First = static_cast<int8_t>((Offsets >> 8) & 0xFF);
    int32_t Last = First + static_cast<int16_t>(Offsets >> 16) % 64;
    CheckCopySubstring(Text, First, Last);
    CheckCopySubstring(Text, 0, Length - 1);
    return 0;
}
