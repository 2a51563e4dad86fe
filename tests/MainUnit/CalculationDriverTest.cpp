// The calculation driver that the window and the command line share: its
// refusals in one order whichever caller asks, what each leaves of an old
// result set, and the camera distance it corrects.
#include "MainUnit/Calculation/CalculationDriver.h"

#include "MainUnit/CommandLine/CommandLineJob.h"
#include "MainUnit/Text/NumberText.h"

#include <gtest/gtest.h>

#include <string>

using namespace MainUnit;

namespace {

struct TDriverCase {
    const char* Name;
    std::string Function, From, To;  // the X and Z intervals alike
    uint64_t AvailableMemory;
    TRefusal Refusal;
    bool KeepsOldSet;
};

TCalculationSettings SettingsOf(const TDriverCase& Case)
{
    TCalculationSettings Settings;
    Settings.Texts = {"5000", Case.From, Case.To, "", "", Case.From, Case.To, Case.Function};
    Settings.AvailableMemory = Case.AvailableMemory;
    return Settings;
}

// Prepare and run as the window does, over an old set of 5041 points.
TCalculationOutcome Drive(const TDriverCase& Case, TResultSet& Results, std::string& NewDistance)
{
    TCalculationPlan Plan;
    TCalculationOutcome Outcome = PrepareCalculation(SettingsOf(Case), Results, Plan);
    if (Outcome.Refusal != TRefusal::None) return Outcome;
    Outcome = RunCalculation(Plan, "0", Results);
    NewDistance = Outcome.NewDistance;
    return Outcome;
}

TEST(CalculationDriver, RefusesInOneOrderForTheWindowAndTheCommandLine)
{
    const TDriverCase Cases[] = {
        // A set too large to be shown is refused while the old one is kept,
        // before the memory is looked at.
        {"too large and beyond memory", "x", "1e308", "1.5e308", 1, TRefusal::ResultsTooLarge,
         true},
        {"beyond memory", "x", "-10", "10", 1000, TRefusal::CannotAllocate, false},
        {"syntax before memory", "sin(", "1e308", "1.5e308", 1, TRefusal::SyntaxError, true},
        {"values too large", "1.6e308", "-10", "10", 0, TRefusal::ResultsTooLarge, false},
        {"accepted", "x", "-10", "10", 0, TRefusal::None, false},
    };
    for (const TDriverCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TResultSet Results;
        std::string NewDistance;
        ASSERT_TRUE(
            Drive({"", "z", "-10", "10", 0, TRefusal::None, false}, Results, NewDistance).Refusal ==
            TRefusal::None);
        const TCalculationOutcome Outcome = Drive(Case, Results, NewDistance);
        EXPECT_EQ(Outcome.Refusal, Case.Refusal);
        EXPECT_EQ(Outcome.SetReplaced, Case.Refusal != TRefusal::None && !Case.KeepsOldSet);
        EXPECT_EQ(Results.Points.size(),
                  Case.Refusal == TRefusal::None || Case.KeepsOldSet ? 5041u : 0u);

        TCommandLineSettings Line;
        Line.Function = Case.Function;
        Line.XFrom = Line.ZFrom = Case.From;
        Line.XTo = Line.ZTo = Case.To;
        TCommandLineResult Result;
        EXPECT_EQ(CalculateForCommandLine(Line, 0, Case.AvailableMemory, Result), Case.Refusal);
    }
}

TEST(CalculationDriver, TheMemoryGuardCountsTheWholeJob)
{
    // 5041 points take 120984 bytes, which fit half of each figure below;
    // what the job makes of them does not always.
    const struct {
        TJobOutput Output;
        uint64_t AvailableMemory;
        TRefusal Refusal;
    } Cases[] = {
        {TJobOutput::Window, 260000, TRefusal::CannotAllocate},  // the repaint's buffers
        {TJobOutput::Window, 8 << 20, TRefusal::None},
        {TJobOutput::Points, 800000, TRefusal::None},
        {TJobOutput::Picture, 8 << 20, TRefusal::CannotAllocate},  // the toolkit and the encoder
        {TJobOutput::Picture, 40 << 20, TRefusal::None},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.AvailableMemory);
        if (Case.Output == TJobOutput::Window) {
            const TDriverCase Driver{"",   "x", "-10", "10", Case.AvailableMemory, TRefusal::None,
                                     false};
            const TCalculationSettings Settings = SettingsOf(Driver);
            TCalculationPlan Plan;
            TResultSet Results;
            EXPECT_EQ(PrepareCalculation(Settings, Results, Plan).Refusal, Case.Refusal);
            continue;
        }
        TCommandLineSettings Line;
        Line.Function = "x";
        Line.Output = Case.Output;
        TCommandLineResult Result;
        EXPECT_EQ(CalculateForCommandLine(Line, 0, Case.AvailableMemory, Result), Case.Refusal);
    }
}

TEST(CalculationDriver, KeepsADistanceBeyondTheRadiusAndReplacesAnyOther)
{
    // F = x over the default intervals: radius sqrt(300), 17.3205080756888.
    const struct {
        const char* Typed;
        const char* Written;  // "" when the field keeps its text
    } Cases[] = {{"20", ""},
                 {"17320", ""},
                 {"17.3", "25.9807621135332"},
                 {"17321", "25.9807621135332"},
                 {"", "25.9807621135332"},
                 {"far", "25.9807621135332"}};
    TCalculationPlan Plan;
    TResultSet Results;
    ASSERT_TRUE(PrepareCalculation(SettingsOf({"", "x", "-10", "10", 0, TRefusal::None, false}),
                                   Results, Plan)
                    .Refusal == TRefusal::None);
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Typed);
        const TCalculationOutcome Outcome = RunCalculation(Plan, Case.Typed, Results);
        EXPECT_EQ(Outcome.Refusal, TRefusal::None);
        EXPECT_EQ(Outcome.NewDistance, Case.Written);
        // The window's "correct the distance" for the same radius.
        EXPECT_EQ(CorrectedDistanceText(Case.Typed, Results.BoundingRadius), Case.Written);
    }
}

}  // namespace
