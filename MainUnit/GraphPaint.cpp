#include "MainUnit/GraphPaint.h"

#include <algorithm>
#include <bit>
#include <cstddef>

#include "Proc3D/ExtendedMath.h"
#include "SolveExp/SolveExp.h"

namespace MainUnit {

long double HeightScale(double YFrom, double YTo) {
  const long double Width = static_cast<long double>(YTo) - YFrom;
  if (!(Width > 0.0L)) return 0.0L;
  return static_cast<long double>(1535 - Proc3D::ColorIndexReserve) / Width;
}

uint32_t HeightIndex(double Y, double YFrom, long double Scale) {
  const long double Index = (static_cast<long double>(Y) - YFrom) * Scale;
  if (!(Index > 0.0L)) return 0;
  if (Index >= 1536.0L) return 1536;
  return static_cast<uint32_t>(Index);  // truncates toward zero
}

void FillPicture(const TPicture& Picture, uint32_t Color) {
  if (Picture.Pixels == nullptr || Picture.Width < 1 || Picture.Height < 1) return;
  std::fill_n(Picture.Pixels, static_cast<size_t>(Picture.Width) * static_cast<size_t>(Picture.Height), Color);
}

namespace {

bool IsUndefined(double Y) {
  return std::bit_cast<uint64_t>(Y) == std::bit_cast<uint64_t>(SolveExp::UndefinedValue);
}

// Where a point is drawn and its colour before shading; false to skip it.
bool PlaceOfPoint(const Proc3D::TPoint3D& P, const TResultSet& Results, bool ShowUndefined,
                  long double Scale, Proc3D::TPoint3D& Place, uint32_t& Color) {
  if (IsUndefined(P.Y)) {
    if (!ShowUndefined) return false;
    Place = {P.X, 0.0, P.Z};
    Color = UndefinedColor;
    return true;
  }
  if (P.Y > Results.YIntervalTo || P.Y < Results.YIntervalFrom) return false;
  Place = P;
  Color = Proc3D::HeightColor(HeightIndex(P.Y, Results.YIntervalFrom, Scale));
  return true;
}

}  // namespace

bool PaintGraph(const TResultSet& Results, const Proc3D::TViewPlane& View, const TPicture& Picture,
                bool ShowUndefined, TDepthBuffer* DepthBuffer) {
  if (Picture.Pixels == nullptr || Picture.Width < 1 || Picture.Height < 1) return false;
  if (DepthBuffer != nullptr && (DepthBuffer->Width != Picture.Width || DepthBuffer->Height != Picture.Height)) {
    return false;
  }
  TDepthRange Range;
  if (DepthBuffer != nullptr) {
    ClearDepthBuffer(*DepthBuffer);
    Range = CalcDepthRange(View.Camera, Results);
  }
  const long double Scale = HeightScale(Results.YIntervalFrom, Results.YIntervalTo);
  const size_t Count = std::min(Results.Points.size(), static_cast<size_t>(std::max(Results.PointCount, 0)));
  for (size_t I = 0; I < Count; ++I) {
    Proc3D::TPoint3D Place;
    uint32_t Color = 0;
    if (!PlaceOfPoint(Results.Points[I], Results, ShowUndefined, Scale, Place, Color)) continue;
    int32_t X = 0, Y = 0;
    if (!Proc3D::ProjectPoint(View, Place, X, Y)) continue;
    if (X < 0 || X >= Picture.Width || Y < 0 || Y >= Picture.Height) continue;
    if (DepthBuffer != nullptr &&
        !DepthTest(*DepthBuffer, Range, X, Y, Proc3D::DistanceBetween(Place, View.Camera), Color, Color)) {
      continue;
    }
    Picture.Pixels[static_cast<size_t>(Y) * static_cast<size_t>(Picture.Width) + static_cast<size_t>(X)] = Color;
  }
  return true;
}

}  // namespace MainUnit
