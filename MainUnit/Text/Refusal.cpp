#include "MainUnit/Text/Refusal.h"

#include "MainUnit/Calculation/ExpressionLimits.h"
#include "MainUnit/Picture/PictureOptions.h"
#include "MainUnit/Text/NumberText.h"
#include "SolveExp/SolveExp.h"

#include <iterator>
#include <limits>

namespace MainUnit {

namespace {

struct TRefusalText {
    TRefusal Refusal;
    const char* Text;  // each '#' is replaced by the next figure
    TRefusalFigures Figures = {};
};

// The refusals whose figures are the caller's, of the moment.
constexpr bool FiguresGiven(TRefusal Refusal)
{
    return Refusal == TRefusal::Distance || Refusal == TRefusal::PickOutside;
}

// Indexed by the code: the entry of each code stands at its place.
constexpr TRefusalText Texts[] = {
    {TRefusal::None, ""},
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
    {TRefusal::PanOption,
     "'--pan' must be two whole numbers DX,DY, DX from -# to # and DY from -# to #.",
     {LargestPanX, LargestPanX, LargestPanY, LargestPanY}},
    {TRefusal::BoxHeightOption,
     "'--box-height' must be a number from # to #.",
     {SmallestBoxHeight, LargestBoxHeight}},
    {TRefusal::PickOutside, "'--pick' #,# lies outside the # x # picture."},
    {TRefusal::PickPicture, "The picture for '--pick' cannot be made."},
    {TRefusal::LegendOption, "'--legend' must be panel, bar or none."},
};
static_assert(std::size(Texts) == static_cast<std::size_t>(TRefusal::Count),
              "every refusal has its text");

constexpr bool TextsInCodeOrder()
{
    for (std::size_t I = 0; I < std::size(Texts); ++I)
        if (static_cast<std::size_t>(Texts[I].Refusal) != I) return false;
    return true;
}
static_assert(TextsInCodeOrder(), "each text stands at its code's place");

}  // namespace

std::string RefusalMessage(TRefusal Refusal, double BoundingRadius)
{
    return RefusalMessage(Refusal, TRefusalFigures{BoundingRadius});
}

std::string RefusalMessage(TRefusal Refusal, const TRefusalFigures& Given)
{
    const auto Code = static_cast<std::size_t>(Refusal);
    if (Code >= std::size(Texts)) return {};
    const TRefusalText& Entry = Texts[Code];
    const TRefusalFigures& Figures = FiguresGiven(Refusal) ? Given : Entry.Figures;
    std::string Message;
    std::size_t Next = 0;
    for (const char* Letter = Entry.Text; *Letter != '\0'; ++Letter) {
        if (*Letter == '#' && Next < Figures.size())
            Message += FormatReal(Figures[Next++]);
        else
            Message += *Letter;
    }
    return Message;
}

bool IsMemoryRefusal(TRefusal Refusal)
{
    return Refusal == TRefusal::CannotAllocate || Refusal == TRefusal::ZBuffer;
}

}  // namespace MainUnit
