#include "MainUnit/Files/ExportName.h"

#include <string>

namespace MainUnit {

namespace {

constexpr std::size_t LongestStem = 200;

bool FitsFileName(char C)
{
    const auto Code = static_cast<unsigned char>(C);
    if (Code < 0x20 || Code == 0x7F) return false;
    return std::string_view("/\\:*?\"<>|").find(C) == std::string_view::npos;
}

}  // namespace

std::string FileNameFromExpression(std::string_view Expression, std::string_view Extension)
{
    std::string Stem(Expression.substr(0, LongestStem));
    for (char& C : Stem)
        if (!FitsFileName(C)) C = '_';
    // A leading dot would hide the file.
    if (!Stem.empty() && Stem.front() == '.') Stem.front() = '_';
    if (Stem.empty()) Stem = "graph";
    return Stem + "." + std::string(Extension);
}

}  // namespace MainUnit
