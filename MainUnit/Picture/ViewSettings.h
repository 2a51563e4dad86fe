// The four view settings (horizontal angle, vertical angle, distance, zoom)
// as the window's fields hold them: the checks a repaint makes before it
// draws, and the arithmetic of the step buttons beside the fields.
#pragma once

#include "MainUnit/Text/Refusal.h"

#include <string>
#include <string_view>

namespace MainUnit {

struct TViewSettings {
    double HorAngle = 0;
    double VerAngle = 0;
    double Distance = 0;
    double Zoom = 0;
};

// Reads the four texts and checks them in the repaint's order: all four are
// numbers, -1000 < horizontal < 1000, -pi/2 < vertical < pi/2, zoom > 0,
// distance > BoundingRadius. Returns the first failure, or None with
// Settings filled.
TRefusal CheckViewSettings(std::string_view HorAngleText, std::string_view VerAngleText,
                           std::string_view DistanceText, std::string_view ZoomText,
                           double BoundingRadius, TViewSettings& Settings);

// What a step button does with its field.
enum class TStepAction {
    WriteAndRepaint,  // write NewText into the field, then repaint
    RepaintOnly,      // leave the text; the repaint reports what is wrong with it
    Nothing,          // the step would cross its limit: no change, no repaint
};

struct TStep {
    TStepAction Action = TStepAction::Nothing;
    std::string NewText;
};

// The step buttons. Plain steps have no limit of their own; limited steps
// never carry a value across their limit in the direction of the step.
TStep HorAngleStep(std::string_view Text, bool Increase);  // +-0.1
TStep VerAngleStep(std::string_view Text, bool Increase);  // +-0.1, inside (-pi/2, pi/2)
TStep DistanceStep(std::string_view Text, bool Increase,
                   double BoundingRadius);             // *1.1, *0.9 above the radius
TStep ZoomStep(std::string_view Text, bool Increase);  // *1.1, *0.9

// Gestures judge their new values as the limited steps do, by the value read
// back from the written text. The vertical angle turned by Turn radians: the
// text to write, stopping at the last written value strictly inside
// (-pi/2, pi/2); empty when the angle is already there (or for no turn).
std::string TurnedVerAngleText(double VerAngle, long double Turn);
// Distance x Factor, or empty when its written value would not lie above
// BoundingRadius.
std::string ScaledDistanceText(double Distance, long double Factor, double BoundingRadius);

// The text "Min->" writes into the distance field: just above the radius.
std::string MinDistanceText(double BoundingRadius);

}  // namespace MainUnit
