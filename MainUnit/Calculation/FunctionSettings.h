// The function settings of a calculation as the window's fields hold them:
// the checks "Calculate results" makes, in their order, before it reserves
// any storage.
#pragma once

#include "MainUnit/Calculation/Calculation.h"
#include "MainUnit/Calculation/ExpressionLimits.h"
#include "MainUnit/Text/Refusal.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace MainUnit {

// The texts of the fields. Expression is 8-bit text, one byte per character
// of the field (the window maps characters beyond Latin-1 to '?').
struct TFunctionSettingsTexts {
    std::string PointsToShow;
    std::string XIntervalFrom, XIntervalTo;
    std::string YIntervalFrom, YIntervalTo;
    std::string ZIntervalFrom, ZIntervalTo;
    std::string Expression;
};

// Checked settings: each pair ordered From <= To, an empty Y end taken as
// -1.7e308 or +1.7e308, and the expression with its blanks removed.
struct TFunctionSettings : TIntervalBox {
    int32_t PointCount = 0;
    std::array<char, MaxExpressionLength + 1> Expression{};
};

// Returns the first check that fails, or None with Settings filled. An expression that is malformed anywhere is refused,
// whatever its value at the trial point X = Z = 1.
TRefusal CheckFunctionSettings(const TFunctionSettingsTexts& Texts, TFunctionSettings& Settings);

// The X and Z intervals alone fix the least radius a new result set can have
// (its Y range can only add to it), so a set too large to be shown is mostly
// refused by this, before any work and before an old set is replaced.
bool IntervalsShowable(const TFunctionSettings& Settings);

// What the calculation core needs for checked settings, in either order,
// with the random order's seed.
TCalculationRequest MakeCalculationRequest(const TFunctionSettings& Checked, bool SquareOrder,
                                           uint32_t Seed);

}  // namespace MainUnit
