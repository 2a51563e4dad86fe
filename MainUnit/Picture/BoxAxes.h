// "Axes with values": the edges of the result box that a reader expects, the
// base and one upright, with tick marks, tick values and the axis names X, Y
// and Z, laid out in pixels over a view plane. Plain geometry: the caller
// measures texts and draws the lines and labels it gets back.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Picture/BoxMapping.h"
#include "Proc3D/Proc3D.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace MainUnit {

struct TAxesLine {
    int32_t X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
};

struct TAxesLabel {
    std::string Text;
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    bool Name = false;  // an axis name rather than a tick value
};

struct TAxesDrawing {
    std::vector<TAxesLine> Lines;
    std::vector<TAxesLabel> Labels;
};

// Width and height in pixels of a label's text.
struct TTextSize {
    int32_t Width = 0, Height = 0;
};
using TMeasureText = std::function<TTextSize(const std::string& Text)>;

// The box whose edges are drawn, from the result set's Cube: the cube when
// the axes are scaled, otherwise the result box itself (an axis without
// width given the width of the larger of X and Z about its value, as the
// cube gives it).
TBoxMapping AxesBox(const TBoxMapping& Cube, bool Scaled);

// The base is the face of the box nearer the camera's height (the bottom
// seen from above); its four edges are drawn, and the upright at the base
// corner that lies farthest left in the picture, an edge of the box's
// outline rather than one through the cloud. X values go on the base edge
// along X nearer the camera, Z values on the one along Z, Y values on the
// upright, each outward from the box. Labels never overlap one another nor
// leave the Width x Height picture: those without room are dropped, the
// axis names first kept. TickLength and Gap are in pixels.
TAxesDrawing LayOutBoxAxes(const Proc3D::TViewPlane& View, const TBoxMapping& Box, int32_t Width,
                           int32_t Height, const TMeasureText& Measure, int32_t TickLength,
                           int32_t Gap);

}  // namespace MainUnit
