#include "MainUnit/Text/RefusalStatus.h"

#include <utility>

namespace MainUnit {

TStatusText RefusalStatus(TRefusal Refusal, double BoundingRadius)
{
    const std::pair<TRefusal, const char*> Short[] = {
        {TRefusal::NoResults, "No calculated results to show"},
        {TRefusal::ViewNumbers, "View fields must be numbers"},
        {TRefusal::HorAngle, "Horizontal angle: -1000 to 1000"},
        {TRefusal::VerAngle, "Vertical angle: -PI/2 to PI/2"},
        {TRefusal::Zoom, "Zoom must be greater than 0"},
        {TRefusal::Distance, "Distance too small: press Min->"},
        {TRefusal::ViewPlane, "ViewPlane calculation error."},
        {TRefusal::ViewBeyondPrecision, "View beyond number precision"},
        {TRefusal::ResultsBeyondPrecision, "Results too far: limit Y Interval"},
        {TRefusal::ZBuffer, "No memory for the Z-Buffer"}};
    const std::string Whole = RefusalMessage(Refusal, BoundingRadius);
    for (const auto& [Code, Text] : Short)
        if (Code == Refusal) return {Text, Whole, false};
    return {Whole, {}, false};
}

}  // namespace MainUnit
