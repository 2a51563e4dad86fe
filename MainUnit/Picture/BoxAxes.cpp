#include "MainUnit/Picture/BoxAxes.h"

#include "MainUnit/Picture/AxisTicks.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace MainUnit {

TBoxMapping AxesBox(const TBoxMapping& Cube, bool Scaled)
{
    TBoxMapping Box = Cube;
    if (Scaled) return Box;
    // True coordinates: an axis with width keeps it; one without was given
    // unit scale by the cube already, so only its shift goes.
    Box.Scale = {1, 1, 1};
    Box.Shift = {0, 0, 0};
    Box.UndefinedY = 0;
    return Box;
}

namespace {

using Proc3D::TPoint3D;

struct TPixel {
    double X = 0, Y = 0;
};

struct TLayout {
    const Proc3D::TViewPlane& View;
    const TBoxMapping& Box;
    int32_t Width, Height;
    const TMeasureText& Measure;
    int32_t TickLength, Gap;
    TAxesDrawing Drawing;
    std::vector<TAxesLabel> Names, Values;
};

bool Project(const TLayout& L, const TPoint3D& P, TPixel& Pixel)
{
    int32_t X = 0, Y = 0;
    if (!Proc3D::ProjectPoint(L.View, P, X, Y)) return false;
    Pixel = {static_cast<double>(X), static_cast<double>(Y)};
    return true;
}

double Mapped(double Value, double Scale, double Shift) { return Value * Scale + Shift; }

void AddLine(TLayout& L, const TPoint3D& A, const TPoint3D& B)
{
    TPixel PA, PB;
    if (!Project(L, A, PA) || !Project(L, B, PB)) return;
    // Lines far outside the picture are left out rather than clipped.
    const double Limit = 1e6;
    if (std::fabs(PA.X) > Limit || std::fabs(PA.Y) > Limit || std::fabs(PB.X) > Limit ||
        std::fabs(PB.Y) > Limit)
        return;
    L.Drawing.Lines.push_back({static_cast<int32_t>(PA.X), static_cast<int32_t>(PA.Y),
                               static_cast<int32_t>(PB.X), static_cast<int32_t>(PB.Y)});
}

// A unit direction on the picture, or false for one without length.
bool Normalised(double DX, double DY, TPixel& Unit)
{
    const double N = std::sqrt(DX * DX + DY * DY);
    if (!(N > 1e-9)) return false;
    Unit = {DX / N, DY / N};
    return true;
}

// A label of Text set beyond Anchor in the direction Out, Distance pixels
// from the anchor to its nearest side.
TAxesLabel PlaceLabel(const TLayout& L, const std::string& Text, TPixel Anchor, TPixel Out,
                      double Distance, bool Name)
{
    const TTextSize Size = L.Measure(Text);
    const double Reach = std::fabs(Out.X) * Size.Width / 2.0 + std::fabs(Out.Y) * Size.Height / 2.0;
    const double CX = Anchor.X + Out.X * (Distance + Reach);
    const double CY = Anchor.Y + Out.Y * (Distance + Reach);
    return {Text,
            static_cast<int32_t>(std::lround(CX - Size.Width / 2.0)),
            static_cast<int32_t>(std::lround(CY - Size.Height / 2.0)),
            Size.Width,
            Size.Height,
            Name};
}

// One axis: ticks along the edge from Start to End (cube coordinates, the
// coordinate Axis varying), each pointing Outward (a cube direction), with
// its values and its name.
struct TAxisEdge {
    int Axis = 0;  // 0 X, 1 Y, 2 Z
    TPoint3D Start{}, End{};
    TPoint3D Outward{};
    TPixel ScreenOut{};  // used where Outward has no length on the picture
    const char* Name = "";
};

double& Coordinate(TPoint3D& P, int Axis) { return Axis == 0 ? P.X : Axis == 1 ? P.Y : P.Z; }

// The picture direction of Outward at Point, or the fallback.
TPixel OutOnPicture(const TLayout& L, const TPoint3D& Point, const TAxisEdge& E)
{
    TPixel A, B, Unit;
    const TPoint3D Tip{Point.X + E.Outward.X, Point.Y + E.Outward.Y, Point.Z + E.Outward.Z};
    if (Project(L, Point, A) && Project(L, Tip, B) && Normalised(B.X - A.X, B.Y - A.Y, Unit) &&
        std::hypot(B.X - A.X, B.Y - A.Y) > 2.0)
        return Unit;
    return E.ScreenOut;
}

void LayOutAxis(TLayout& L, const TAxisEdge& E)
{
    const TAxisSpan Spans[3] = {L.Box.X, L.Box.Y, L.Box.Z};
    const double Scales[3] = {L.Box.Scale.X, L.Box.Scale.Y, L.Box.Scale.Z};
    const double Shifts[3] = {L.Box.Shift.X, L.Box.Shift.Y, L.Box.Shift.Z};
    const int A = E.Axis;
    double Farthest = 0;
    for (const TTick& T : AxisTicks(Spans[A].From, Spans[A].To)) {
        TPoint3D P = E.Start;
        Coordinate(P, A) = Mapped(T.Value, Scales[A], Shifts[A]);
        TPixel Pixel;
        if (!Project(L, P, Pixel)) continue;
        const TPixel Out = OutOnPicture(L, P, E);
        L.Drawing.Lines.push_back(
            {static_cast<int32_t>(Pixel.X), static_cast<int32_t>(Pixel.Y),
             static_cast<int32_t>(std::lround(Pixel.X + Out.X * L.TickLength)),
             static_cast<int32_t>(std::lround(Pixel.Y + Out.Y * L.TickLength))});
        const TAxesLabel Label = PlaceLabel(L, T.Text, Pixel, Out, L.TickLength + L.Gap, false);
        const double Reach = std::fabs(Out.X) * Label.Width + std::fabs(Out.Y) * Label.Height;
        Farthest = std::max(Farthest, Reach);
        L.Values.push_back(Label);
    }
    if (E.Axis == 1) {
        // The upright's name stands above its head, clear of its values.
        TPixel Foot, Head, Along;
        if (!Project(L, E.Start, Foot) || !Project(L, E.End, Head)) return;
        if (!Normalised(Head.X - Foot.X, Head.Y - Foot.Y, Along)) Along = {0, -1};
        // A label's height above it, so that the top value beside it stays clear.
        L.Names.push_back(
            PlaceLabel(L, E.Name, Head, Along, L.Gap + L.Measure(E.Name).Height, true));
        return;
    }
    // The name beyond the middle of the edge, past the values.
    TPoint3D Middle{(E.Start.X + E.End.X) / 2, (E.Start.Y + E.End.Y) / 2,
                    (E.Start.Z + E.End.Z) / 2};
    TPixel Pixel;
    if (!Project(L, Middle, Pixel)) return;
    const TPixel Out = OutOnPicture(L, Middle, E);
    L.Names.push_back(
        PlaceLabel(L, E.Name, Pixel, Out, L.TickLength + 2.0 * L.Gap + Farthest, true));
}

bool Overlaps(const TAxesLabel& A, const TAxesLabel& B, int32_t Gap)
{
    return A.Left < B.Left + B.Width + Gap && B.Left < A.Left + A.Width + Gap &&
           A.Top < B.Top + B.Height + Gap && B.Top < A.Top + A.Height + Gap;
}

// Names first, then the values, each kept only where it fits the picture
// and clears every label kept before it.
void KeepLabelsThatFit(TLayout& L)
{
    std::vector<TAxesLabel> Candidates = L.Names;
    Candidates.insert(Candidates.end(), L.Values.begin(), L.Values.end());
    for (const TAxesLabel& C : Candidates) {
        if (C.Left < 0 || C.Top < 0 || C.Left + C.Width > L.Width || C.Top + C.Height > L.Height)
            continue;
        const bool Clear = std::none_of(L.Drawing.Labels.begin(), L.Drawing.Labels.end(),
                                        [&](const TAxesLabel& K) { return Overlaps(C, K, 2); });
        if (Clear) L.Drawing.Labels.push_back(C);
    }
}

}  // namespace

TAxesDrawing LayOutBoxAxes(const Proc3D::TViewPlane& View, const TBoxMapping& Box, int32_t Width,
                           int32_t Height, const TMeasureText& Measure, int32_t TickLength,
                           int32_t Gap)
{
    TLayout L{View, Box, Width, Height, Measure, TickLength, Gap, {}, {}, {}};
    const double Xs[2] = {Mapped(Box.X.From, Box.Scale.X, Box.Shift.X),
                          Mapped(Box.X.To, Box.Scale.X, Box.Shift.X)};
    const double Ys[2] = {Mapped(Box.Y.From, Box.Scale.Y, Box.Shift.Y),
                          Mapped(Box.Y.To, Box.Scale.Y, Box.Shift.Y)};
    const double Zs[2] = {Mapped(Box.Z.From, Box.Scale.Z, Box.Shift.Z),
                          Mapped(Box.Z.To, Box.Scale.Z, Box.Shift.Z)};
    const TPoint3D Centre{(Xs[0] + Xs[1]) / 2, (Ys[0] + Ys[1]) / 2, (Zs[0] + Zs[1]) / 2};
    const TPoint3D& Camera = View.Camera;
    const double Base = Camera.Y >= Centre.Y ? Ys[0] : Ys[1];
    const double Top = Camera.Y >= Centre.Y ? Ys[1] : Ys[0];
    // The base corners in order round the base, and where they land.
    const std::array<TPoint3D, 4> Corners = {
        TPoint3D{Xs[0], Base, Zs[0]}, TPoint3D{Xs[0], Base, Zs[1]}, TPoint3D{Xs[1], Base, Zs[1]},
        TPoint3D{Xs[1], Base, Zs[0]}};
    for (int I = 0; I < 4; ++I)
        AddLine(L, Corners[static_cast<size_t>(I)], Corners[static_cast<size_t>((I + 1) % 4)]);
    TPixel CentrePixel;
    if (!Project(L, {Centre.X, Base, Centre.Z}, CentrePixel)) return {};
    int Left = -1;
    TPixel LeftPixel;
    for (int I = 0; I < 4; ++I) {
        TPixel P;
        if (Project(L, Corners[static_cast<size_t>(I)], P) && (Left < 0 || P.X < LeftPixel.X)) {
            Left = I;
            LeftPixel = P;
        }
    }
    const double Length = std::max({Xs[1] - Xs[0], Ys[1] - Ys[0], Zs[1] - Zs[0]});
    // The edges nearer the camera carry the values, pointing away from the box.
    const int NearZ = Camera.Z > Centre.Z ? 1 : 0, NearX = Camera.X > Centre.X ? 1 : 0;
    const double OutZ = NearZ == 1 ? Length : -Length, OutX = NearX == 1 ? Length : -Length;
    const TPixel Down{0, Camera.Y >= Centre.Y ? 1.0 : -1.0};
    // The upright's values first: where a corner is shared, the lowest
    // height tells more than the end of an axis along the base.
    if (Left >= 0) {
        const TPoint3D& Foot = Corners[static_cast<size_t>(Left)];
        const TPoint3D Head{Foot.X, Top, Foot.Z};
        AddLine(L, Foot, Head);
        const TPixel Out{LeftPixel.X <= CentrePixel.X ? -1.0 : 1.0, 0};
        // A picture direction only: the upright's values go straight sideways.
        LayOutAxis(L, {1, {Foot.X, Ys[0], Foot.Z}, {Foot.X, Ys[1], Foot.Z}, {0, 0, 0}, Out, "Y"});
    }
    LayOutAxis(L, {0, {Xs[0], Base, Zs[NearZ]}, {Xs[1], Base, Zs[NearZ]}, {0, 0, OutZ}, Down, "X"});
    LayOutAxis(L, {2, {Xs[NearX], Base, Zs[0]}, {Xs[NearX], Base, Zs[1]}, {OutX, 0, 0}, Down, "Z"});
    KeepLabelsThatFit(L);
    return L.Drawing;
}

}  // namespace MainUnit
