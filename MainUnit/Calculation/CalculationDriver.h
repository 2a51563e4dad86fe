// The run of "Calculate results" from the field texts to a new result set,
// one order for the window and the command line. PrepareCalculation makes
// every check and the one large reservation: the function settings in
// their order, then a grid that cannot be held, intervals too large to be
// shown (while an old set is still intact), and the memory. RunCalculation
// does the work, refuses results too large to be shown and corrects the
// camera distance. No Qt: the window shows the refusals and keeps its busy
// state round RunCalculation; the command line prints them.
#pragma once

#include "MainUnit/Calculation/FunctionSettings.h"
#include "MainUnit/Calculation/PointStorage.h"
#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Cores.h"
#include "MainUnit/Text/Refusal.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace MainUnit {

struct TCalculationSettings {
    TFunctionSettingsTexts Texts;
    bool SquareOrder = true;
    uint32_t RandomSeed = 0;
    uint64_t AvailableMemory = 0;    // bytes; 0: unknown
    TCores Cores = TCores::Machine;  // threads of the evaluation (same results either way)
    bool Box = false;                // the axes scaled to a box: the distance kept outside its cube
    TJobOutput Output = TJobOutput::Window;  // what the memory must also hold
    TJobPicture Picture;                     // of a job without a window
};

// What PrepareCalculation has checked and reserved, for RunCalculation.
struct TCalculationPlan {
    TFunctionSettings Settings;  // its Expression is the blank-free text the legend shows
    TGridPlan Grid;
    bool SquareOrder = true;
    uint32_t RandomSeed = 0;
    TCores Cores = TCores::Machine;
    bool Box = false;
};

struct TCalculationOutcome {
    TRefusal Refusal = TRefusal::None;
    bool SetReplaced = false;  // refused after the old set was given up: no set is left
    std::string NewDistance;   // the distance field's new text; empty when it keeps its own
    std::string GridNote;      // GridSizeNote of the new set
};

// The checks and the reservation. A refusal with SetReplaced false leaves
// Results as it was; with SetReplaced, Results is empty.
TCalculationOutcome PrepareCalculation(const TCalculationSettings& Settings, TResultSet& Results,
                                       TCalculationPlan& Plan);

// The work on the storage PrepareCalculation reserved. DistanceText is the
// distance field's text, kept when the new set's radius allows it. A refusal
// always leaves Results empty.
TCalculationOutcome RunCalculation(const TCalculationPlan& Plan, std::string_view DistanceText,
                                   TResultSet& Results);

// The distance field's text corrected for a result set of Radius, as a
// calculation corrects it: empty when DistanceText is kept.
std::string CorrectedDistanceText(std::string_view DistanceText, double Radius);

}  // namespace MainUnit
