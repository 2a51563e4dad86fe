// The surface: the fast painter must paint exactly the reference's picture
// (pixels, depth entries, recorded points) on one core and on two; a
// surface of cells has no cracks; what it hides stays hidden.
#include "MainUnit/Picture/SurfacePaint.h"

#include "MainUnit/Calculation/Sampling.h"
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/Internal/SurfaceBands.h"
#include "MainUnit/Picture/Internal/SurfaceCells.h"
#include "MainUnit/Picture/Internal/SurfacePath.h"
#include "SolveExp/SolveExp.h"
#include "tests/Support/EnclosedBackground.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

using namespace MainUnit;
using Proc3D::TPoint3D;

namespace {

// Cols x Rows points of the square order over [-2, 2]^2 with Y = F(X, Z),
// or as many taken at random; every Undefined-th point undefined.
TResultSet SetOf(int32_t Cols, int32_t Rows, bool Random, int Undefined,
                 const std::function<double(double, double)>& F)
{
    TResultSet R;
    R.XIntervalFrom = R.ZIntervalFrom = -2;
    R.XIntervalTo = R.ZIntervalTo = 2;
    R.Points.resize(static_cast<size_t>(Cols) * static_cast<size_t>(Rows));
    if (Random) {
        FillRandomOrder(R, Cols * Rows, 12345);
    } else {
        FillSquareOrder(R, Cols, Rows);
    }
    R.YIntervalFrom = 1e300, R.YIntervalTo = -1e300;
    for (size_t K = 0; K < R.Points.size(); ++K) {
        TPoint3D& P = R.Points[K];
        P.Y = F(P.X, P.Z);
        R.YIntervalFrom = std::min(R.YIntervalFrom, P.Y);
        R.YIntervalTo = std::max(R.YIntervalTo, P.Y);
        if (Undefined > 0 && K % static_cast<size_t>(Undefined) == 3)
            P.Y = SolveExp::UndefinedValue;
    }
    R.BoundingRadius = 4;
    return R;
}

double Waves(double X, double Z) { return std::sin(2 * X) * std::cos(1.5 * Z); }

Proc3D::TViewPlane ViewOf(int32_t Width, int32_t Height, double Hor, double Ver, double Zoom)
{
    TPoint3D Camera{};
    Proc3D::TViewPlane View{};
    EXPECT_TRUE(Proc3D::CalcViewPlane(Camera, Width, Height, Ver, Hor, Zoom * 9, 9, View));
    return View;
}

struct TPainted {
    std::vector<uint32_t> Pixels;
    std::vector<int32_t> Indexes;
    TDepthBuffer Depth;
};

TPainted Paint(const TResultSet& R, const Proc3D::TViewPlane& View, int32_t W, int32_t H,
               const TSurfaceChoices& Choices, bool Reference, TCores Cores = TCores::One,
               uint32_t Background = 0, TPaintPath Path = TPaintPath::Best)
{
    TPainted P{std::vector<uint32_t>(static_cast<size_t>(W) * H, Background),
               std::vector<int32_t>(static_cast<size_t>(W) * H, 5),
               {}};
    EXPECT_TRUE(CreateDepthBuffer(W, H, P.Depth));
    const TPixelArray Picture{P.Pixels.data(), W, H, P.Indexes.data()};
    EXPECT_TRUE(Reference
                    ? PaintSurfaceReference(R, View, Picture, Choices, P.Depth)
                    : PaintSurfaceOn(Path, R, View, Picture, Choices, P.Depth, Cores, nullptr));
    return P;
}

// The fast painter, on one core and on two, with its corners projected in
// vectors and one by one, paints what the reference paints: pixels, point
// record and depth entries; and the case draws more than MinDrawn pixels,
// so that it tests something.
void ExpectFastPaintsTheReference(const TResultSet& R, const Proc3D::TViewPlane& View, int32_t W,
                                  int32_t H, const TSurfaceChoices& Choices, size_t MinDrawn)
{
    const TPainted Expected = Paint(R, View, W, H, Choices, true);
    EXPECT_GT(static_cast<size_t>(std::count_if(Expected.Indexes.begin(), Expected.Indexes.end(),
                                                [](int32_t I) { return I != NoPoint; })),
              MinDrawn);
    for (const auto& [Path, Cores] :
         {std::pair{TPaintPath::Best, TCores::One}, std::pair{TPaintPath::Best, TCores::Two},
          std::pair{TPaintPath::Baseline, TCores::One},
          std::pair{TPaintPath::Baseline, TCores::Two}}) {
        SCOPED_TRACE(Path == TPaintPath::Best ? "best copy" : "baseline copy");
        const TPainted Got = Paint(R, View, W, H, Choices, false, Cores, 0, Path);
        EXPECT_EQ(Got.Pixels, Expected.Pixels);
        EXPECT_EQ(Got.Indexes, Expected.Indexes);
        EXPECT_EQ(Got.Depth.Depths, Expected.Depth.Depths);
    }
}

struct TCase {
    const char* Name;
    int32_t Cols, Rows, Width, Height;
    double Hor, Ver, Zoom;
    bool Random;
    int Undefined;  // every so many points undefined, 0: none
    double YLimit;  // the Y interval's top cut to this share of it
    bool Box, ShowUndefined, Darken, Light;
};

TEST(SurfacePaint, FastPaintsTheReferencePicture)
{
    const TCase Cases[] = {
        {"plain", 12, 9, 64, 48, 0.7, 0.5, 12, false, 0, 1, false, true, false, false},
        {"darkened and lit", 14, 14, 80, 60, 0.3, 0.9, 15, false, 0, 1, false, true, true, true},
        {"undefined cells", 16, 11, 72, 54, -0.4, 0.3, 14, false, 7, 1, false, true, true, false},
        {"undefined hidden", 16, 11, 72, 54, -0.4, 0.3, 14, false, 7, 1, false, false, false,
         false},
        {"Y cut", 20, 20, 70, 50, 2.2, 0.6, 13, false, 0, 0.4, false, true, true, true},
        {"cells below a pixel", 60, 50, 40, 30, 1.0, 0.4, 5, false, 0, 1, false, true, true, false},
        {"lit cells below a pixel", 70, 60, 40, 30, -2.5, 0.7, 5, false, 13, 0.9, true, false, true,
         true},
        {"lit cells about a pixel", 50, 45, 64, 48, 0.9, 0.2, 12, false, 0, 1, false, true, false,
         true},
        {"zoomed past the picture", 10, 10, 50, 40, 0.5, 0.5, 60, false, 11, 0.8, false, true, true,
         true},
        {"box", 13, 17, 60, 60, 4.0, -0.5, 10, false, 9, 0.7, true, true, true, true},
        {"holes below a pixel over the whole picture", 150, 150, 40, 30, 0.7, 0.5, 20, false, 7, 1,
         false, true, false, true},
        {"random squares", 20, 20, 64, 48, 0.7, 0.5, 12, true, 6, 0.9, false, true, true, false},
        {"random, few", 5, 4, 64, 48, 0.2, 1.2, 12, true, 0, 1, true, false, false, false},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        TResultSet R = SetOf(C.Cols, C.Rows, C.Random, C.Undefined, Waves);
        R.YIntervalTo = R.YIntervalFrom + C.YLimit * (R.YIntervalTo - R.YIntervalFrom);
        const TBoxMapping Box = MakeBoxMapping(R);
        const TSurfaceChoices Choices{
            C.ShowUndefined, C.Darken, C.Light, {C.Box ? &Box : nullptr, 0x808080}};
        const auto View = ViewOf(C.Width, C.Height, C.Hor, C.Ver, C.Zoom);
        ExpectFastPaintsTheReference(R, View, C.Width, C.Height, Choices,
                                     static_cast<size_t>(C.Width) * C.Height / 16);
    }
}

TEST(SurfacePaint, FastPaintsTheReferenceNearAndFar)
{
    // A camera among the points (some beside or behind it), and a zoom that
    // puts most corners far outside the picture; grids of an odd count, so
    // that the last corners do not fill a block of four.
    const struct {
        const char* Name;
        int32_t Cols, Rows;
        double Hor, Ver, Zoom, Distance;
        int Undefined;
        bool Box;
    } Cases[] = {{"camera among the points", 15, 13, 0.7, 0.4, 40, 2.2, 5, false},
                 {"camera in the box", 13, 11, -0.9, 0.3, 40, 1.5, 0, true},
                 {"far outside the picture", 15, 13, 0.5, 0.6, 400000, 9, 7, false},
                 {"far outside the box", 17, 15, 2.5, 0.8, 300000, 9, 0, true}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        const TResultSet R = SetOf(C.Cols, C.Rows, false, C.Undefined, Waves);
        const TBoxMapping Box = MakeBoxMapping(R);
        TPoint3D Camera{};
        Proc3D::TViewPlane View{};
        ASSERT_TRUE(Proc3D::CalcViewPlane(Camera, 64, 48, C.Ver, C.Hor, C.Zoom, C.Distance, View));
        const TSurfaceChoices Choices{true, true, false, {C.Box ? &Box : nullptr, 0x808080}};
        ExpectFastPaintsTheReference(R, View, 64, 48, Choices, 64 * 48 / 16);
    }
}

TEST(SurfacePaint, FastPaintsTheReferenceOnHalfPixels)
{
    // Points on the view plane half a pixel from the centre lines, so that
    // the quick estimate of their pixels is too close to call and the exact
    // projection must decide each; taken at random, they are drawn as squares.
    for (const auto& [Hor, Ver] : {std::pair{0.7, 0.5}, std::pair{-2.1, 1.1}}) {
        SCOPED_TRACE(Hor);
        const auto View = ViewOf(64, 48, Hor, Ver, 12);
        const auto Unit = [](const TPoint3D& A) {
            const double L = std::sqrt(A.X * A.X + A.Y * A.Y + A.Z * A.Z);
            return TPoint3D{A.X / L, A.Y / L, A.Z / L};
        };
        const TPoint3D H = Unit(View.Horizontal), U = Unit(View.Up), &C = View.Center;
        TResultSet R;
        R.XIntervalFrom = R.YIntervalFrom = R.ZIntervalFrom = 1e300;
        R.XIntervalTo = R.YIntervalTo = R.ZIntervalTo = -1e300;
        for (int K = -20; K < 20; ++K) {
            for (int J = -15; J < 15; ++J) {
                const double A = K + 0.5, B = J + 0.5;
                const TPoint3D P{C.X + A * H.X + B * U.X, C.Y + A * H.Y + B * U.Y,
                                 C.Z + A * H.Z + B * U.Z};
                R.Points.push_back(P);
                R.XIntervalFrom = std::min(R.XIntervalFrom, P.X),
                R.XIntervalTo = std::max(R.XIntervalTo, P.X);
                R.YIntervalFrom = std::min(R.YIntervalFrom, P.Y),
                R.YIntervalTo = std::max(R.YIntervalTo, P.Y);
                R.ZIntervalFrom = std::min(R.ZIntervalFrom, P.Z),
                R.ZIntervalTo = std::max(R.ZIntervalTo, P.Z);
            }
        }
        R.PointCount = static_cast<int32_t>(R.Points.size());
        ExpectFastPaintsTheReference(R, View, 64, 48, {}, 64 * 48 / 4);
    }
}

TEST(SurfacePaint, FastPaintsTheReferenceOnFoldsAndEdgeOn)
{
    // Steep ridges fold over themselves; a plane seen edge-on projects every
    // cell onto a line, so that every triangle is a segment.
    const auto Ridges = [](double X, double Z) { return 3 * std::sin(4 * X) * std::cos(3 * Z); };
    const auto Plane = [](double, double) { return 0.5; };
    const struct {
        const char* Name;
        std::function<double(double, double)> F;
        int32_t Cols, Rows, Width, Height;
        double Hor, Ver, Zoom;
        bool Light;
    } Cases[] = {{"folds below a pixel", Ridges, 80, 70, 48, 36, 0.6, 0.3, 6, true},
                 {"folds about a pixel", Ridges, 40, 40, 64, 48, 2.3, 0.2, 12, false},
                 {"edge-on below a pixel", Plane, 70, 60, 40, 30, 0.4, 0.0, 6, false},
                 {"edge-on, large cells", Plane, 8, 9, 64, 48, 1.2, 0.0, 14, true}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        TResultSet R = SetOf(C.Cols, C.Rows, false, 0, C.F);
        R.YIntervalFrom = std::min(R.YIntervalFrom, 0.0),
        R.YIntervalTo = std::max(R.YIntervalTo, 1.0);
        const TSurfaceChoices Choices{true, true, C.Light, {}};
        const auto View = ViewOf(C.Width, C.Height, C.Hor, C.Ver, C.Zoom);
        ExpectFastPaintsTheReference(R, View, C.Width, C.Height, Choices,
                                     static_cast<size_t>(C.Width));
    }
}

TEST(SurfacePaint, FastPaintsTheReferenceOnCellsAFewPixelsAcross)
{
    // Cells two to four pixels across are looked up rather than walked:
    // slopes, folds, cells seen edge-on (segments within a block), cells cut
    // by the picture's edges when zoomed in, lit and darkened, undefined
    // holes, on one core and on two (cut by the band's edge).
    const auto Ridges = [](double X, double Z) { return 2 * std::sin(3 * X) * std::cos(2 * Z); };
    const auto Plane = [](double, double) { return 0.5; };
    // Heights with no order between neighbours: the corners of a cell lie
    // in its block in every way, most of them only here.
    const auto Rough = [](double X, double Z) { return 0.6 * std::sin(37 * X * X + 91 * Z); };
    const struct {
        const char* Name;
        std::function<double(double, double)> F;
        int32_t Cells, Width, Height;
        double Hor, Ver, Zoom;
        int Undefined;
        bool Light;
    } Cases[] = {{"waves", Waves, 40, 96, 72, 0.7, 0.5, 14, 0, false},
                 {"folds", Ridges, 36, 96, 72, 2.3, 0.25, 14, 0, true},
                 {"edge-on", Plane, 30, 96, 72, 0.4, 0.0, 14, 0, false},
                 {"cut by the edges", Waves, 50, 64, 48, -1.2, 0.6, 30, 0, true},
                 {"holes", Ridges, 34, 90, 70, 0.9, 0.8, 15, 5, false},
                 {"rough", Rough, 44, 96, 72, 0.6, 0.7, 14, 0, false},
                 {"rough and lit", Rough, 40, 96, 72, -2.1, 0.4, 14, 0, true}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        TResultSet R = SetOf(C.Cells, C.Cells, false, C.Undefined, C.F);
        R.YIntervalFrom = std::min(R.YIntervalFrom, 0.0),
        R.YIntervalTo = std::max(R.YIntervalTo, 1.0);
        const TSurfaceChoices Choices{true, C.Light, C.Light, {}};
        ExpectFastPaintsTheReference(R, ViewOf(C.Width, C.Height, C.Hor, C.Ver, C.Zoom), C.Width,
                                     C.Height, Choices, static_cast<size_t>(C.Width) * 2);
    }
}

TEST(SurfacePaint, TwoCoresPaintWhatOneCorePaints)
{
    // Each core paints a band of rows and passes over the stretches of 64
    // rows of the grid that lie wholly in the other band: grids of more
    // than a stretch, seen so that the split falls between the stretches.
    const auto Plane = [](double X, double Z) { return 0.1 * X + 0.05 * Z; };
    // Of 12 x 128 points, the first core's last column (X = -2 + 5 x 4 / 11)
    // rises where Z > 0 and its neighbours stay flat: only that column's
    // last stretch, the last the first core notes, tells that its cells
    // reach the upper band.
    const auto Spike = [](double X, double Z) {
        return std::abs(X - (-2 + 20.0 / 11)) < 0.09 && Z > 0 ? 3 * Z * Z : 0.0;
    };
    const struct {
        std::function<double(double, double)> F;
        int32_t Cols, Rows, Width, Height;
        double Hor, Ver, Zoom;
    } Cases[] = {
        {Plane, 12, 130, 120, 400, 0.0, 1.1, 120},  // the split a row into the first's last cells
        {Plane, 12, 129, 120, 400, 0.02, 1.45, 95},
        {Plane, 30, 200, 160, 300, 0.3, 1.2, 60},
        // rows a multiple of four: each stretch's first row starts a block of four
        {Plane, 12, 128, 120, 400, 0.02, 1.0, 120},
        {Spike, 12, 128, 160, 200, 0.0, 0.3, 60}};
    for (const auto& C : Cases) {
        const TResultSet R = SetOf(C.Cols, C.Rows, false, 0, C.F);
        const auto View = ViewOf(C.Width, C.Height, C.Hor, C.Ver, C.Zoom);
        const TPainted One = Paint(R, View, C.Width, C.Height, {}, false, TCores::One);
        const TPainted Two = Paint(R, View, C.Width, C.Height, {}, false, TCores::Two);
        EXPECT_GT(std::count_if(One.Indexes.begin(), One.Indexes.end(),
                                [](int32_t I) { return I != NoPoint; }),
                  C.Width * C.Height / 4);
        EXPECT_EQ(Two.Pixels, One.Pixels) << C.Rows << " rows";
        EXPECT_EQ(Two.Indexes, One.Indexes) << C.Rows << " rows";
    }
}

TEST(SurfacePaint, CellsBelowAPixelCoverWhatTheirPointsCover)
{
    // A cell within a 2 x 2 block of pixels holds no pixel but its corners':
    // the surface covers exactly the pixels the points are drawn on.
    const struct {
        int32_t Cols, Rows, Width, Height;
        double Hor, Ver, Zoom;
    } Cases[] = {{120, 100, 40, 30, 0.7, 0.5, 5},
                 {150, 90, 48, 40, -1.9, 1.1, 6},
                 {100, 100, 36, 36, 3.0, 0.1, 5}};
    for (const auto& C : Cases) {
        const TResultSet R = SetOf(C.Cols, C.Rows, false, 0, Waves);
        const auto View = ViewOf(C.Width, C.Height, C.Hor, C.Ver, C.Zoom);
        const size_t Size = static_cast<size_t>(C.Width) * static_cast<size_t>(C.Height);
        std::vector<uint32_t> Points(Size, 0);
        std::vector<int32_t> Recorded(Size, 0);
        PaintGraph(R, View, {Points.data(), C.Width, C.Height, Recorded.data()}, true, nullptr);
        for (const TCores Cores : {TCores::One, TCores::Two}) {
            const TPainted P = Paint(R, View, C.Width, C.Height, {}, false, Cores);
            for (size_t I = 0; I < Size; ++I)
                ASSERT_EQ(P.Indexes[I] != NoPoint, Recorded[I] != NoPoint)
                    << C.Hor << ": pixel " << I % C.Width << "," << I / C.Width;
        }
    }
}

TEST(SurfacePaint, DenseSurfaceHasNoCracks)
{
    struct TCrackCase {
        int32_t Width, Height;
        double Hor, Ver, Zoom;
        uint32_t Background;
    };
    const TCrackCase Cases[] = {{160, 120, 0.7, 0.5, 40, 0},
                                {300, 160, 2.0, 0.3, 60, 0xFFFFFF},
                                {200, 200, -1.1, 1.0, 45, 0}};
    const TResultSet R = SetOf(90, 110, false, 0, Waves);
    for (const TCrackCase& C : Cases) {
        const auto View = ViewOf(C.Width, C.Height, C.Hor, C.Ver, C.Zoom);
        for (const TCores Cores : {TCores::One, TCores::Two}) {
            const TPainted P = Paint(R, View, C.Width, C.Height, {}, false, Cores, C.Background);
            EXPECT_EQ(TestSupport::EnclosedBackground(P.Pixels, C.Width, C.Height, C.Background),
                      0u);
        }
        // The measure does see holes: the same points one pixel each leave some.
        std::vector<uint32_t> Points(static_cast<size_t>(C.Width) * C.Height, C.Background);
        PaintGraph(R, View, {Points.data(), C.Width, C.Height}, true, nullptr);
        EXPECT_GT(TestSupport::EnclosedBackground(Points, C.Width, C.Height, C.Background), 0u);
    }
}

TEST(SurfacePaint, HiddenPointsStayHidden)
{
    // A plane at Y = 1 with one undefined point, drawn white at Y = 0 under
    // the hole its four cells leave: seen slanting, filled cells hide it;
    // seen from straight above, it shows through the hole.
    TResultSet R = SetOf(41, 41, false, 0, [](double, double) { return 1.0; });
    R.Points[20 * 41 + 20].Y = SolveExp::UndefinedValue;
    R.YIntervalFrom = 0;
    const struct {
        double Ver;
        bool Shows;
    } Cases[] = {{0.5, false}, {0.8, false}, {1.5, true}};
    for (const auto& C : Cases) {
        const TPainted P =
            Paint(R, ViewOf(120, 120, 0.3, C.Ver, 60), 120, 120, {true, false, false, {}}, false);
        EXPECT_EQ(std::count(P.Pixels.begin(), P.Pixels.end(), UndefinedColor) > 0, C.Shows)
            << C.Ver;
    }
}

TEST(SurfacePaint, FindsTheGridOfTheSquareOrderOnly)
{
    const struct {
        int32_t Cols, Rows;
        bool Random, Moved, Found;
    } Cases[] = {{5, 7, false, false, true},  {30, 2, false, false, true},
                 {1, 9, false, false, false}, {9, 1, false, false, false},
                 {6, 6, true, false, false},  {6, 6, false, true, false}};
    for (const auto& C : Cases) {
        TResultSet R = SetOf(C.Cols, C.Rows, C.Random, 0, Waves);
        if (C.Moved) R.Points[8].Z += 1e-9;
        TSurfaceGrid Grid;
        ASSERT_EQ(FindSurfaceGrid(R, R.Points.size(), Grid), C.Found) << C.Cols << "x" << C.Rows;
        EXPECT_TRUE(!C.Found || (Grid.Cols == C.Cols && Grid.Rows == C.Rows));
    }
    // The fast painter checks the grid as it projects, each core its half:
    // an entry off the grid in either half leaves points taken at random.
    for (const size_t Moved : {size_t{8}, size_t{130}}) {
        SCOPED_TRACE(Moved);
        TResultSet R = SetOf(12, 12, false, 0, Waves);
        R.Points[Moved].Z += 1e-9;
        ExpectFastPaintsTheReference(R, ViewOf(64, 48, 0.7, 0.5, 12), 64, 48, {}, 64 * 48 / 16);
    }
}

// The projection checks that the entries lie on the grid as it reads them,
// the vectors four entries of a column at once and the last few of a
// column one by one: wherever the entry that leaves the grid lies, the
// fast painter paints the reference's picture (points taken at random),
// and where nothing leaves it, the surface.
TEST(SurfacePaint, EveryEntryOffTheGridIsFound)
{
    const struct {
        const char* Name;
        size_t Entry;
        int Axis;  // 0 X, 1 Y, 2 Z
        double Value;
    } Cases[] = {
        {"X of a column's first row", 11, 0, 0.25},  {"X in a block of four", 25, 0, 0.25},
        {"X of a column's last row", 21, 0, 0.25},   {"Z in a block of four", 37, 2, 0.25},
        {"Z of the first column", 2, 2, 0.25},       {"Z of a column's last few", 76, 2, 0.25},
        {"Z in the last block", 73, 2, 0.25},        {"X not a number", 48, 0, std::nan("")},
        {"Y moved: still on the grid", 26, 1, 0.25},
    };
    const TSurfaceGrid Shape{7, 11};
    for (const auto& C : Cases) {
        SCOPED_TRACE(C.Name);
        TResultSet R = SetOf(Shape.Cols, Shape.Rows, false, 0, Waves);
        double* Axes[3] = {&R.Points[C.Entry].X, &R.Points[C.Entry].Y, &R.Points[C.Entry].Z};
        *Axes[C.Axis] = C.Value;
        TSurfaceGrid Grid;
        EXPECT_EQ(FindSurfaceGrid(R, R.Points.size(), Grid), C.Axis == 1);
        ExpectFastPaintsTheReference(R, ViewOf(64, 48, 0.7, 0.5, 12), 64, 48, {}, 64 * 48 / 16);
    }
}

// Corners whose Y falls exactly on a step of the ramp, or on either end of
// the Y interval, are the ones whose colour the projection's vectors cannot
// decide: every one of them is worked out the one-point way, plain,
// darkened, lit and both, and the picture is still the reference's.
TEST(SurfacePaint, CornersOnTheRampsStepsTakeTheirExactColours)
{
    const double Steps = Proc3D::HighestYStep, Step = 0x1p-10;
    // Y whole steps of the ramp (a power of two each, so that every index
    // is a whole number exactly), the lowest and highest points on the
    // interval's ends.
    TResultSet R = SetOf(24, 20, false, 0, [Steps, Step](double X, double Z) {
        return Step * std::clamp(std::round((X * X + Z) * Steps / 6), 0.0, Steps);
    });
    R.YIntervalFrom = 0, R.YIntervalTo = Step * Steps;
    const auto View = ViewOf(40, 30, 0.8, 0.6, 5);
    for (const auto& [Darken, Light] : {std::pair{false, false}, std::pair{true, false},
                                        std::pair{false, true}, std::pair{true, true}}) {
        SCOPED_TRACE(Darken ? (Light ? "darkened and lit" : "darkened")
                            : (Light ? "lit" : "plain"));
        ExpectFastPaintsTheReference(R, View, 40, 30, {true, Darken, Light, {}}, 40 * 30 / 8);
    }
}

TEST(SurfacePaint, BandsSplitWhereHalfTheWorkLies)
{
    // Rows First .. Last - 1 each hold Count corners at column X, tallied by
    // half Half of the projection. A row costs its corners and the width
    // they span, both halves' together, weighed by which the picture has
    // more of.
    struct TRows {
        int32_t First, Last, Half, X, Count;
    };
    const struct {
        const char* Name;
        std::vector<TRows> Rows;
        int32_t Least, Most;  // where the split may fall
    } Cases[] = {
        {"even", {{0, 100, 0, 10, 1}, {0, 100, 1, 20, 1}}, 48, 52},
        {"at the bottom", {{80, 100, 0, 5, 1}, {80, 100, 1, 5, 1}}, 88, 92},
        {"wide below",
         {{0, 50, 0, 0, 1}, {0, 50, 1, 0, 1}, {50, 100, 0, 0, 1}, {50, 100, 1, 199, 1}},
         70,
         80},
        {"dense above", {{0, 50, 1, 0, 8}, {50, 100, 0, 0, 1}}, 25, 35},
        // Many more corners than pixels: a corner weighs four pixels
        // (a pixel twice a corner would split at 54).
        {"corners to a pixel", {{0, 50, 0, 0, 20}, {50, 100, 0, 0, 3}, {50, 100, 1, 9, 2}}, 33, 37},
        // Fewer corners than pixels: a pixel weighs two corners (a
        // corner four pixels would split at 64).
        {"pixels to a corner",
         {{0, 50, 0, 0, 2}, {0, 50, 1, 99, 2}, {50, 100, 0, 0, 20}, {50, 100, 1, 99, 20}},
         52,
         57},
        {"nothing", {}, 0, 0}};
    for (const auto& C : Cases) {
        TRowTallies Tallies;
        ASSERT_TRUE(PrepareRowTallies(100, Tallies));
        for (const TRows& Rows : C.Rows)
            for (int32_t Y = Rows.First; Y < Rows.Last; ++Y)
                for (int32_t K = 0; K < Rows.Count; ++K)
                    TallyCorner(Tallies[static_cast<size_t>(Rows.Half)].data(), Rows.X, Y, 300);
        const int32_t Split = SplitRow(Tallies);
        EXPECT_TRUE(Split >= C.Least && Split <= C.Most) << C.Name << ": " << Split;
    }
}

TEST(SurfacePaint, LightNeverLeavesLessThanAThird)
{
    const TPoint3D Light{0, 10, 0};
    const struct {
        TPoint3D A, B, C;
        uint32_t Least, Most;
    } Cases[] = {{{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, 250, 256},  // faces the light
                 {{0, 0, 0}, {0, 0, 1}, {1, 0, 0}, 250, 256},  // its back does too
                 {{0, 0, 0}, {0, 1, 0}, {0, 0, 1}, 86, 86},    // edge-on
                 {{0, 0, 0}, {1, 1, 0}, {0, 0, 1}, 200, 220},  // 45 degrees
                 {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, 86, 86}};   // no normal
    for (const auto& C : Cases) {
        const uint32_t Share = LightShare(C.A, C.B, C.C, Light);
        EXPECT_TRUE(Share >= C.Least && Share <= C.Most) << Share;
        EXPECT_GE(LitColor(0xFFFFFF, Share) & 0xFF, 255u / 3);
    }
}

}  // namespace
