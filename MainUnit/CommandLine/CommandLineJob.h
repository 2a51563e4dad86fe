// A calculation asked for on the command line: the settings as the window's
// fields and check boxes would hold them, read and checked by the window's
// own rules in the window's order, calculated, and the camera placed as the
// window would place it. No Qt, no output: the caller writes the file.
#pragma once

#include "MainUnit/Calculation/PointStorage.h"
#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/ColourBar.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Picture/PictureOptions.h"
#include "MainUnit/Picture/PicturePaint.h"
#include "MainUnit/Picture/PictureRequest.h"
#include "MainUnit/Picture/PointPick.h"
#include "MainUnit/Picture/ViewSettings.h"
#include "MainUnit/Text/Refusal.h"
#include "MainUnit/Text/StartTexts.h"
#include "Proc3D/Proc3D.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace MainUnit {

// Unset options keep the window's start-up texts and states.
struct TCommandLineSettings {
    std::string Function;
    std::string XFrom = StartText::IntervalFrom, XTo = StartText::IntervalTo;
    std::string YFrom, YTo;
    std::string ZFrom = StartText::IntervalFrom, ZTo = StartText::IntervalTo;
    std::string Points = StartText::PointsToShow;
    bool SquareOrder = true;
    bool SeedGiven = false;
    uint32_t Seed = 0;
    std::string HorAngle = StartText::Angle, VerAngle = StartText::Angle;
    std::string Distance = StartText::Distance, Zoom = StartText::Zoom;
    bool ZBuffer = false;
    bool ShowUndefined = true;
    bool Outline3D = false;
    // Pixels of the picture whose points are reported (--pick), in order.
    struct TPick {
        int32_t X = 0;
        int32_t Y = 0;
    };
    std::vector<TPick> Picks;
    // --usual-priority: Function was typed by the usual priority rules and
    // has been rewritten to mean the same here.
    bool UsualPriority = false;
    // The picture's own choices (--box, --ticks, --background, --fit) and
    // size (--size): the window's picture unless asked otherwise.
    TPictureOptions Options;
    int32_t Width = GraphWidth;
    int32_t Height = GraphHeight;
    // --size given: the picture is Width x Height with the legend choice
    // inside; otherwise the graph is, with the legend choice around it.
    bool SizeAsked = false;
    // What the job writes, for the memory it needs.
    TJobOutput Output = TJobOutput::Points;
};

// "FROM:TO" into the two field texts (either may be empty). Without a colon
// the value is refused with the message of its fields.
TRefusal ReadIntervalOption(std::string_view Value, bool YInterval, std::string& From,
                            std::string& To);
// "square" or "random".
TRefusal ReadOrderOption(std::string_view Value, bool& SquareOrder);
// A decimal integer from 0 to 4294967295.
TRefusal ReadSeedOption(std::string_view Value, uint32_t& Seed);
// "WxH", decimal, within the picture sizes of Refusal.h.
TRefusal ReadSizeOption(std::string_view Value, int32_t& Width, int32_t& Height);
// "black" or "white".
TRefusal ReadBackgroundOption(std::string_view Value, bool& LightBackground);
// "DX,DY", whole pixels of the window's graph, each at most half of it.
TRefusal ReadPanOption(std::string_view Value, TPan& Pan);
// A number from SmallestBoxHeight to LargestBoxHeight.
TRefusal ReadBoxHeightOption(std::string_view Value, double& BoxHeight);
// "panel", "bar" or "none".
TRefusal ReadLegendOption(std::string_view Value, TLegendChoice& Legend);

struct TCommandLineResult {
    TResultSet Results;
    std::string Expression;  // blank-free, as the legend shows it
    std::string GridNote;    // GridSizeNote of the set, as the window's status line shows it
    TViewSettings View;      // as read back from the texts the window would show
    TPicturePlan Plan;       // the camera and view plane of the settings' picture
    TPan Pan;                // the picture's move: --pan's, or the fit's
    // Where the graph and the legend choice lie in the picture written; the
    // graph is the size the plan is made for.
    TFramedPicture Frame;
};

// Checks the settings as "Calculate results" and the repaint would, in their
// order; calculates; corrects the distance as the calculation does; with the
// fit after calculation sets the zoom as a double-click on the window's graph does; places the
// camera for a picture of the settings' size, framed as the window's picture
// (the zoom scaled with the size).
// ClockSeed seeds the random order unless the settings carry a seed;
// AvailableMemory (0: unknown) bounds the grid as in the window. Returns the
// first refusal, or None with Result filled; after a refusal Result holds
// what was reached, its radius the one a distance refusal names.
TRefusal CalculateForCommandLine(const TCommandLineSettings& Settings, uint32_t ClockSeed,
                                 uint64_t AvailableMemory, TCommandLineResult& Result);

// The figures of the calculation, one "key: value" line each: points,
// y-from, y-to, bounding-radius, distance, zoom, camera-x, camera-y,
// camera-z; numbers as the window writes them.
std::string FiguresText(const TCommandLineResult& Result);

// The request of the picture that the options describe.
TPictureRequest PictureRequestOf(const TCommandLineSettings& Settings,
                                 const TCommandLineResult& Result);

// The answer to every --pick, one line each in Text: the graph painted as
// the picture paints it, recording which point set each pixel. PickOutside
// (nothing in Text) when a pick lies outside the picture, PickPicture when
// the memory for the painting cannot be had.
struct TPicksAnswer {
    std::string Text;
    TPickRefusal Refusal;
};
TPicksAnswer PicksText(const TCommandLineSettings& Settings, const TCommandLineResult& Result);

}  // namespace MainUnit
