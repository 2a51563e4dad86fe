// The reading of the point under the pointer as a small label over the
// graph, beside the pointer: below and right of it where there is room,
// otherwise turned to the side that has it, never past the picture's edges
// and never under the pointer while the picture is larger than the label.
#pragma once

#include <QLabel>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <string>

namespace MainUnit {

// Where a label of Size goes beside Pointer within Area (both in the same
// coordinates): Gap pixels right of and below the pointer, or left of or
// above it where the label would pass Area's right or bottom edge.
QRect PlaceBesidePointer(QPoint Pointer, QSize Size, QRect Area, int Gap);

class TPointLabel : public QLabel {
public:
    // A hidden label over Over, the picture it reads.
    explicit TPointLabel(QWidget* Over);
    // Shows Reading beside Pointer (in Over's coordinates); hides for an
    // empty reading.
    void ShowReading(QPoint Pointer, const std::string& Reading);
};

}  // namespace MainUnit
