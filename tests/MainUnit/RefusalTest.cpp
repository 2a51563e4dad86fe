// Refusal texts as the user reads them, written out rather than taken from
// the program, so that a limit or a text changed in the code fails; the
// figures in them come from the limits the checks use.
#include "MainUnit/Text/Refusal.h"

#include "tests/Robustness/CalculationWarnings.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace MainUnit;

namespace {

TEST(RefusalMessage, TextsAndTheirFigures)
{
    // The calculation's warnings come first, in the order of its checks.
    int Code = static_cast<int>(TRefusal::PointsToShow);
    for (const char* Text : TesselTest::CalculationWarningTexts)
        EXPECT_EQ(RefusalMessage(static_cast<TRefusal>(Code++)), Text);
    EXPECT_EQ(Code, static_cast<int>(TRefusal::SyntaxError) + 1);

    const struct {
        TRefusal Refusal;
        const char* Text;
    } Figured[] = {
        {TRefusal::HorAngle,
         "'Horizontal angle' must be valid real number between -1000 and 1000."},
        {TRefusal::SeedOption, "'--seed' must be an integer between 0 and 4294967295."},
        {TRefusal::Distance,  // the least distance, in 15 digits
         "'Distance' must be greater than 17.3205080756888 (for these function settings) to "
         "prevent the graph from deformations. To set it to the minimal possible value use "
         "'Min->' button."},
    };
    for (const auto& Case : Figured)
        EXPECT_EQ(RefusalMessage(Case.Refusal, std::sqrt(300.0)), Case.Text);

    EXPECT_EQ(RefusalMessage(TRefusal::PickOutside, {-3, 7, 64, 48}),
              "'--pick' -3,7 lies outside the 64 x 48 picture.");

    // A refusal added without a text would show an empty box.
    for (Code = 0; Code < static_cast<int>(TRefusal::Count); ++Code)
        EXPECT_EQ(RefusalMessage(static_cast<TRefusal>(Code)).empty(), Code == 0) << Code;
    EXPECT_EQ(RefusalMessage(TRefusal::Count), "");
}

}  // namespace
