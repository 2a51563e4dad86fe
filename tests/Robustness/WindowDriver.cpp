#include "WindowDriver.h"

#include "CalculationWarnings.h"
#include "MainUnit/Picture/BoxMapping.h"
#include "MainUnit/Picture/GraphPaint.h"
#include "MainUnit/Text/ExpressionStatus.h"
#include "SolveExp/SolveExp.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <cstring>

namespace {

using SolveExp::SameBits;

// The program's texts, as a person reads them in its boxes.
const char* const ViewWarningTexts[] = {
    "There are no calculated results to show.",
    "'Horizontal angle', 'Vertical angle', 'Distance' and 'Zoom' must be valid real numbers.",
    "'Horizontal angle' must be valid real number between -1000 and 1000.",
    "'Vertical angle' must be valid real number between -PI/2 and PI/2.",
    "'Zoom' must be valid real number greater than 0.",
    "ViewPlane calculation error.",
    "The graph cannot be drawn: 'Zoom' is too small (or too large) against 'Distance' for the "
    "precision of numbers. Change 'Zoom', or use smaller intervals or results.",
    "The graph cannot be drawn: the results reach too far beyond 'X Interval' and 'Z Interval' "
    "for the precision of numbers. Limit the results with 'Y Interval'.",
    "The results are too large to be shown: the camera distance they need is beyond the range of "
    "numbers. Use smaller 'X Interval' and 'Z Interval', or limit the results with 'Y Interval'.",
    "The width of 'X Interval' or 'Z Interval' is beyond the range of numbers. Use narrower "
    "intervals.",
};
const char* const DistanceHead = "'Distance' must be greater than ";
const char* const DistanceTail = " (for these function settings) to prevent the graph from "
                                 "deformations. To set it to the minimal "
                                 "possible value use 'Min->' button.";

bool IsDistanceMessage(const std::string& Text)
{
    const std::string Head = DistanceHead, Tail = DistanceTail;
    if (Text.size() <= Head.size() + Tail.size() || Text.compare(0, Head.size(), Head) != 0 ||
        Text.compare(Text.size() - Tail.size(), Tail.size(), Tail) != 0)
        return false;
    const std::string Number = Text.substr(Head.size(), Text.size() - Head.size() - Tail.size());
    return Number.find_first_not_of("0123456789.E-") == std::string::npos;
}

}  // namespace

bool IsKnownMessage(Platform::TMessageKind Kind, const std::string& Text)
{
    switch (Kind) {
    case Platform::TMessageKind::mkWarning:
        for (const char* Known : TesselTest::CalculationWarningTexts)
            if (Text == Known) return true;
        for (const char* Known : ViewWarningTexts)
            if (Text == Known) return true;
        return IsDistanceMessage(Text);
    case Platform::TMessageKind::mkError:
        return Text == "Cannot allocate necessary memory." ||
               Text == "Cannot allocate memory for Z-Buffer.";
    case Platform::TMessageKind::mkInformation:
        return Text == "Resulting points were successfully calculated.";
    }
    return false;
}

TWindowDriver::TWindowDriver()
    : MainForm(std::make_unique<MainUnit::TMainForm>()),
      HelpForm(std::make_unique<HelpUnit::THelpForm>()), HelpCloser(std::make_unique<QTimer>())
{
    MainForm->HelpForm = HelpForm.get();
    MainForm->MessageBoxFunction = [this](QWidget*, Platform::TMessageKind Kind,
                                          const std::string& Text) {
        Messages.push_back({Kind, Text, CheckControlsEnabled().empty(), GraphHash(),
                            MainForm->CameraXEdit->text().toStdString(),
                            MainForm->CameraYEdit->text().toStdString(),
                            MainForm->CameraZEdit->text().toStdString()});
    };
    // The help window runs its own event loop; this closes it from inside.
    HelpCloser->setInterval(2);
    QObject::connect(HelpCloser.get(), &QTimer::timeout, [this] {
        if (HelpForm->isVisible()) HelpForm->OKButton->click();
    });
    HelpCloser->start();
    ShowAgain();
}

TWindowDriver::~TWindowDriver() = default;

void TWindowDriver::Type(QLineEdit* Edit, const QString& Text)
{
    Edit->setText(Text);
    Edit->setModified(true);
}

std::vector<TShownMessage> TWindowDriver::TakeMessages()
{
    std::vector<TShownMessage> Taken;
    Taken.swap(Messages);
    return Taken;
}

bool TWindowDriver::ShowAgain()
{
    MainForm->show();
    MainForm->activateWindow();
    return QTest::qWaitForWindowActive(MainForm.get());
}

void TWindowDriver::ProcessEvents() { QApplication::processEvents(); }

std::string TWindowDriver::CheckControlsEnabled() const
{
    const auto Controls = MainForm->LockedControls();
    for (size_t I = 0; I < Controls.size(); ++I)
        if (!Controls[I]->isEnabled())
            return "input control " + std::to_string(I + 1) + " of the locked set left disabled";
    // Between busy times the status line is empty, tells about the expression
    // as it stands (its reading, its priority warning, why the brackets for the
    // usual priority cannot be added), keeps a refused gesture's reason until
    // the next repaint, suggests the box for the result set shown without it,
    // or tells that the set's grid holds far more points than were asked.
    // The whole of each text is in the line's tooltip (the line may show it short).
    const std::string Status = MainForm->StatusLabel->toolTip().toLatin1().toStdString();
    const std::string Expression = MainUnit::FieldText(MainForm->FunctionExpressionEdit);
    const auto Whole = [](const MainUnit::TStatusText& Text) {
        return Text.Detail.empty() ? Text.Text : Text.Detail;
    };
    const std::string GridStart = std::to_string(MainForm->Results.PointCount) + " points for ";
    const bool GridNote =
        Status.rfind(GridStart, 0) == 0 && (Status.ends_with(": X is far narrower than Z") ||
                                            Status.ends_with(": Z is far narrower than X"));
    if (!Status.empty() && !GridNote && Status != Whole(MainUnit::TypingStatus(Expression)) &&
        Status != Whole(MainUnit::SyntaxRefusalStatus(Expression)) &&
        Status != Whole(MainUnit::RewriteForUsualPriority(Expression).Status) &&
        !(Status == Whole(MainUnit::BoxSuggestion(MainForm->Results)) &&
          !MainForm->PictureOptions.Box) &&
        !IsKnownMessage(Platform::TMessageKind::mkWarning, Status) &&
        !IsKnownMessage(Platform::TMessageKind::mkError, Status))
        return "status line neither cleared nor about the expression: " + Status;
    return {};
}

std::string TWindowDriver::CheckResultSet() const
{
    const MainUnit::TResultSet& R = MainForm->Results;
    if (R.Points.empty()) return "no result set after a successful calculation";
    if (!(R.XIntervalFrom <= R.XIntervalTo) || !(R.ZIntervalFrom <= R.ZIntervalTo))
        return "X or Z interval out of order";
    if (R.PointCount < 0 || static_cast<size_t>(R.PointCount) > R.Points.size())
        return "PointCount beyond the entries";
    if (!(R.BoundingRadius > 0)) return "BoundingRadius not positive";
    for (int32_t I = 0; I < R.PointCount; ++I) {
        const double Y = R.Points[static_cast<size_t>(I)].Y;
        if (SameBits(Y, SolveExp::SyntaxErrorValue))
            return "a point with Y = SyntaxErrorValue at entry " + std::to_string(I);
        if (!std::isfinite(Y))
            return "a point with a Y that is not finite at entry " + std::to_string(I);
    }
    return {};
}

std::string TWindowDriver::CheckPictureSizes() const
{
    const auto& F = *MainForm;
    if (F.GraphImage->ImageWidth() != MainUnit::GraphWidth ||
        F.GraphImage->ImageHeight() != MainUnit::GraphHeight ||
        F.GraphImage->width() != MainUnit::GraphWidth ||
        F.GraphImage->height() != MainUnit::GraphHeight)
        return "the graph picture changed its size";
    if (F.OutLineImage->ImageWidth() != 145 || F.OutLineImage->ImageHeight() != 103)
        return "the axes sketch changed its size";
    if (F.width() != MainUnit::MainFormWidth || F.height() != MainUnit::MainFormHeight)
        return "the main window changed its size";
    return {};
}

uint64_t TWindowDriver::GraphHash() const
{
    const Platform::TPicture& Picture = *MainForm->GraphImage;
    const uint32_t* Pixel = const_cast<Platform::TPicture&>(Picture).Pixels();
    const size_t Count =
        static_cast<size_t>(Picture.ImageWidth()) * static_cast<size_t>(Picture.ImageHeight());
    uint64_t Hash = 14695981039346656037ull;  // FNV-1a over the colour bytes
    for (size_t I = 0; I < Count; ++I)
        for (int Byte = 0; Byte < 3; ++Byte)
            Hash = (Hash ^ ((Pixel[I] >> (8 * Byte)) & 0xFFu)) * 1099511628211ull;
    return Hash;
}

bool TWindowDriver::AllBlack(Platform::TPicture* Picture) const
{
    const uint32_t* Pixel = Picture->Pixels();
    const size_t Count =
        static_cast<size_t>(Picture->ImageWidth()) * static_cast<size_t>(Picture->ImageHeight());
    for (size_t I = 0; I < Count; ++I)
        if ((Pixel[I] & 0x00FFFFFFu) != 0) return false;
    return true;
}

bool TWindowDriver::LegendEmpty() const
{
    const auto& F = *MainForm;
    for (const QLabel* Label :
         {F.FunctionExpressionLabel, F.XIntervalLabel, F.ZIntervalLabel, F.PointsLabel,
          F.RedWhiteLabel, F.RedLabel, F.YellowLabel, F.GreenLabel, F.LightBlueLabel, F.BlueLabel,
          F.PurpleLabel, F.UndefinedLabel})
        if (!Label->text().isEmpty()) return false;
    return true;
}
