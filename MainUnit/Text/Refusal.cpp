#include "MainUnit/Text/Refusal.h"

#include "MainUnit/Calculation/ExpressionLimits.h"
#include "MainUnit/Text/NumberText.h"
#include "SolveExp/SolveExp.h"

#include <limits>

namespace MainUnit {

namespace {

struct TRefusalText {
    TRefusal Refusal;
    const char* Text;             // each '#' is replaced by the next figure
    long double Figures[4] = {};  // the distance refusal's figure is the radius
};

constexpr TRefusalText Texts[] = {
    {TRefusal::PointsToShow,
     "'Number of points to show' must be integer value between # and #.",
     {FewestPointsRefused, MostPointsRefused}},
    {TRefusal::XZInterval, "'X Interval' and 'Z Interval' must be valid real numbers."},
    {TRefusal::YInterval, "'Y Interval' should be valid real numbers, or it must be undefined."},
    {TRefusal::ExpressionLength,
     "Maximum length of function expression ('Y = F(X, Z) =') is # characters.",
     {MaxExpressionLength}},
    {TRefusal::ParameterCount,
     "Maximum number of parameters in function expression ('Y = F(X, Z) =') is #.",
     {SolveExp::MaxParameterLetters}},
    {TRefusal::SyntaxError, "Syntax error in function expression ('Y = F(X, Z) =')."},
    {TRefusal::ResultsTooLarge,
     "The results are too large to be shown: the camera distance they need is beyond the range "
     "of numbers. Use smaller 'X Interval' and 'Z Interval', or limit the results with "
     "'Y Interval'."},
    {TRefusal::IntervalWidth,
     "The width of 'X Interval' or 'Z Interval' is beyond the range of numbers. Use narrower "
     "intervals."},
    {TRefusal::CannotAllocate, "Cannot allocate necessary memory."},
    {TRefusal::NoResults, "There are no calculated results to show."},
    {TRefusal::ViewNumbers,
     "'Horizontal angle', 'Vertical angle', 'Distance' and 'Zoom' must be valid real numbers."},
    {TRefusal::HorAngle,
     "'Horizontal angle' must be valid real number between # and #.",
     {-HorAngleLimit, HorAngleLimit}},
    {TRefusal::VerAngle, "'Vertical angle' must be valid real number between -PI/2 and PI/2."},
    {TRefusal::Zoom, "'Zoom' must be valid real number greater than 0."},
    {TRefusal::Distance,
     "'Distance' must be greater than # (for these function settings) to prevent the graph from "
     "deformations. To set it to the minimal possible value use 'Min->' button."},
    {TRefusal::ViewPlane, "ViewPlane calculation error."},
    {TRefusal::ViewBeyondPrecision,
     "The graph cannot be drawn: 'Zoom' is too small (or too large) against 'Distance' for the "
     "precision of numbers. Change 'Zoom', or use smaller intervals or results."},
    {TRefusal::ResultsBeyondPrecision,
     "The graph cannot be drawn: the results reach too far beyond 'X Interval' and 'Z Interval' "
     "for the precision of numbers. Limit the results with 'Y Interval'."},
    {TRefusal::ZBuffer, "Cannot allocate memory for Z-Buffer."},
    {TRefusal::OrderOption, "'--order' must be square or random."},
    {TRefusal::SeedOption,
     "'--seed' must be an integer between # and #.",
     {0, std::numeric_limits<uint32_t>::max()}},
    {TRefusal::OutputOption, "'--output' must name a .png or a .csv file."},
    {TRefusal::SizeOption,
     "'--size' must be WIDTHxHEIGHT in pixels, from #x# to #x#.",
     {SmallestPictureWidth, SmallestPictureHeight, LargestPictureWidth, LargestPictureHeight}},
    {TRefusal::BackgroundOption, "'--background' must be black or white."},
    {TRefusal::PickOption, "'--pick' must be two whole numbers PX,PY."},
    {TRefusal::LegendOption, "'--legend' must be panel, bar or none."},
};

}  // namespace

std::string RefusalMessage(TRefusal Refusal, double BoundingRadius)
{
    for (const TRefusalText& Entry : Texts) {
        if (Entry.Refusal != Refusal) continue;
        const long double Figures[4] = {Refusal == TRefusal::Distance ? BoundingRadius
                                                                      : Entry.Figures[0],
                                        Entry.Figures[1], Entry.Figures[2], Entry.Figures[3]};
        std::string Message;
        std::size_t Next = 0;
        for (const char* Letter = Entry.Text; *Letter != '\0'; ++Letter) {
            if (*Letter == '#' && Next < 4)
                Message += FormatReal(Figures[Next++]);
            else
                Message += *Letter;
        }
        return Message;
    }
    return {};
}

bool IsMemoryRefusal(TRefusal Refusal)
{
    return Refusal == TRefusal::CannotAllocate || Refusal == TRefusal::ZBuffer;
}

}  // namespace MainUnit
