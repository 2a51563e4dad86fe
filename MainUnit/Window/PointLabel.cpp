#include "MainUnit/Window/Internal/PointLabel.h"

#include <algorithm>

namespace MainUnit {

namespace {

// Clear of the arrow pointer, which reaches about this far right and down.
constexpr int PointerGap = 14;

}  // namespace

QRect PlaceBesidePointer(QPoint Pointer, QSize Size, QRect Area, int Gap)
{
    int Left = Pointer.x() + Gap;
    if (Left + Size.width() > Area.right() + 1) Left = Pointer.x() - Gap - Size.width();
    int Top = Pointer.y() + Gap;
    if (Top + Size.height() > Area.bottom() + 1) Top = Pointer.y() - Gap - Size.height();
    Left = std::clamp(Left, Area.left(), std::max(Area.left(), Area.right() + 1 - Size.width()));
    Top = std::clamp(Top, Area.top(), std::max(Area.top(), Area.bottom() + 1 - Size.height()));
    return {QPoint(Left, Top), Size};
}

TPointLabel::TPointLabel(QWidget* Over) : QLabel(Over)
{
    // The look of a tooltip, which a reading beside the pointer resembles;
    // the pointer passes through it to the picture.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setFrameShape(QFrame::Box);
    setMargin(2);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void TPointLabel::ShowReading(QPoint Pointer, const std::string& Reading)
{
    if (Reading.empty()) {
        hide();
        return;
    }
    setText(QString::fromLatin1(Reading.data(), qsizetype(Reading.size())));
    const QWidget* const Over = parentWidget();
    setGeometry(PlaceBesidePointer(Pointer, sizeHint(), Over->rect(), PointerGap));
    show();
    raise();
}

}  // namespace MainUnit
