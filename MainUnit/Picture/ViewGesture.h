// The arithmetic of the mouse on the graph: a drag turns the camera, the
// wheel zooms or moves the camera, a double-click fits the graph into the
// picture. Each works on view settings that a repaint has admitted and gives
// the texts to write into the fields; an empty text leaves its field as it is.
#pragma once

#include "MainUnit/Picture/PictureOptions.h"
#include "MainUnit/Picture/ViewSettings.h"

#include <cstdint>
#include <optional>
#include <string>

namespace MainUnit {

struct TViewTexts {
    std::string HorAngle;
    std::string VerAngle;
    std::string Distance;
    std::string Zoom;
    std::optional<TPan> Pan;  // the picture's move, where the gesture sets it
};

// A drag of (DX, DY) pixels over a picture Width pixels wide turns by pi
// radians per picture width both ways. Right turns the graph's front to the
// right (the horizontal angle falls), down raises the camera. The horizontal
// angle is kept in (-pi, pi]; the vertical one stops short of +-pi/2.
TViewTexts DragView(const TViewSettings& View, int32_t DX, int32_t DY, int32_t Width);

// Notches of the wheel, forward positive, in fractions for fine wheels: the
// zoom grows by 1.1 per notch forward and shrinks by 0.9 per notch back.
TViewTexts WheelZoom(const TViewSettings& View, double Notches);

// The same wheel with Ctrl: forward brings the camera closer (x 0.9 per notch),
// back moves it away (x 1.1), never to or below BoundingRadius.
TViewTexts WheelDistance(const TViewSettings& View, double Notches, double BoundingRadius);

// The zoom at which the sphere of BoundingRadius about the origin just fills
// the shorter side of a Width x Height picture; angles and distance stay.
TViewTexts FitView(const TViewSettings& View, double BoundingRadius, int32_t Width, int32_t Height);

}  // namespace MainUnit
