// The fast point loop of a repaint.
#include "MainUnit/GraphPaint.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "MainUnit/PointPlace.h"
#include "Proc3D/HoistedProjection.h"
#include "Proc3D/ScreenedProjection.h"

namespace MainUnit {

long double HeightScale(double YFrom, double YTo) {
  const long double Width = static_cast<long double>(YTo) - YFrom;
  if (!(Width > 0.0L)) return 0.0L;
  return static_cast<long double>(1535 - Proc3D::ColorIndexReserve) / Width;
}

void FillPicture(const TPicture& Picture, uint32_t Color) {
  if (Picture.Pixels == nullptr || Picture.Width < 1 || Picture.Height < 1) return;
  std::fill_n(Picture.Pixels, static_cast<size_t>(Picture.Width) * static_cast<size_t>(Picture.Height), Color);
}

namespace {

// Everything the loop needs that is the same for every point of a repaint.
struct TPaintContext {
  Proc3D::TProjector Projector;
  Proc3D::TScreen Screen;
  std::array<uint32_t, 1537> Ramp;  // HeightColor of every index HeightIndex gives
  long double Scale;
  TDepthRange Range;
};

void PreparePaint(const TResultSet& Results, const Proc3D::TViewPlane& View, const TPicture& Picture,
                  TDepthBuffer* DepthBuffer, TPaintContext& Context) {
  Context.Projector = Proc3D::MakeProjector(View);
  Context.Screen = Proc3D::MakeScreen(Context.Projector, Picture.Width, Picture.Height);
  for (uint32_t I = 0; I < Context.Ramp.size(); ++I) Context.Ramp[I] = Proc3D::HeightColor(I);
  Context.Scale = HeightScale(Results.YIntervalFrom, Results.YIntervalTo);
  Context.Range = TDepthRange{};
  if (DepthBuffer != nullptr) {
    ClearDepthBuffer(*DepthBuffer);
    Context.Range = CalcDepthRange(View.Camera, Results);
  }
}

// Points First .. Last - 1, painted in index order.
void PaintRange(const TResultSet& Results, const TPaintContext& Context, const TPicture& Picture,
                bool ShowUndefined, TDepthBuffer* DepthBuffer, size_t First, size_t Last) {
  const Proc3D::TPoint3D* Points = Results.Points.data();
  const auto Width = static_cast<uint32_t>(Picture.Width);
  const auto Height = static_cast<uint32_t>(Picture.Height);
  for (size_t I = First; I < Last; ++I) {
    const Proc3D::TPoint3D& P = Points[I];
    Proc3D::TPoint3D Place;
    bool Undefined = false;
    if (!PlaceOfPoint(P, Results, ShowUndefined, Place, Undefined)) continue;
    int32_t X = 0, Y = 0;
    const Proc3D::TScreenResult Estimate = Context.Screen.Usable ? Proc3D::ScreenPoint(Context.Screen, Place, X, Y)
                                                                 : Proc3D::TScreenResult::Unsure;
    if (Estimate == Proc3D::TScreenResult::Outside) continue;
    if (Estimate == Proc3D::TScreenResult::Unsure) {
      if (!Proc3D::Project(Context.Projector, Place, X, Y)) continue;
      // One unsigned comparison per axis also rejects negative coordinates.
      if (static_cast<uint32_t>(X) >= Width || static_cast<uint32_t>(Y) >= Height) continue;
    }
    uint32_t Color = Undefined ? UndefinedColor
                               : Context.Ramp[HeightIndex(P.Y, Results.YIntervalFrom, Context.Scale)];
    if (DepthBuffer != nullptr &&
        !DepthTest(*DepthBuffer, Context.Range, X, Y, Proc3D::DistanceBetween(Place, Context.Projector.Camera),
                   Color, Color)) {
      continue;
    }
    Picture.Pixels[static_cast<size_t>(Y) * Width + static_cast<size_t>(X)] = Color;
  }
}

}  // namespace

bool PaintGraph(const TResultSet& Results, const Proc3D::TViewPlane& View, const TPicture& Picture,
                bool ShowUndefined, TDepthBuffer* DepthBuffer) {
  if (!PaintArgumentsValid(Picture, DepthBuffer)) return false;
  TPaintContext Context;
  PreparePaint(Results, View, Picture, DepthBuffer, Context);
  const size_t Count = std::min(Results.Points.size(), static_cast<size_t>(std::max(Results.PointCount, 0)));
  PaintRange(Results, Context, Picture, ShowUndefined, DepthBuffer, 0, Count);
  return true;
}

}  // namespace MainUnit
