#include "MainUnit/Window/MainView.h"

#include "MainUnit/Calculation/CalculationDriver.h"
#include "MainUnit/Picture/ColourBar.h"
#include "MainUnit/Picture/PicturePaint.h"
#include "MainUnit/Picture/ViewPan.h"
#include "MainUnit/Text/NumberText.h"
#include "MainUnit/Text/Refusal.h"
#include "MainUnit/Window/Internal/GraphPicture.h"
#include "MainUnit/Window/MainForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <utility>

namespace MainUnit {

TMainView::TMainView(TMainForm& MainForm)
    : Graph(*MainForm.GraphImage, *this), Form(MainForm), GestureRepaint(new QTimer(&MainForm)),
      MainRepaint(new QTimer(&MainForm))
{
    for (QTimer* Timer : {GestureRepaint, MainRepaint}) {
        Timer->setSingleShot(true);
        Timer->setInterval(0);
    }
    QObject::connect(GestureRepaint, &QTimer::timeout, &Form,
                     [this] { Form.RepaintGraphQuietly(LargeViewLeads); });
    // A gesture's repaint that is due comes first; it owes the main
    // picture again, of its newer view.
    QObject::connect(MainRepaint, &QTimer::timeout, &Form, [this] {
        if (!GestureRepaint->isActive()) PaintMainNow();
    });
    Graph.Record.Reset(Form.GraphImage->ImageWidth(), Form.GraphImage->ImageHeight());
}

void TMainView::OpenLargeView()
{
    if (!LargeView) LargeView = new TLargeView(Form, *this, Form.Export.Actions());
    LargeView->show();
    LargeView->raise();
    LargeView->activateWindow();
    // The view as the fields hold it; a refusal shows in the status line.
    if (!Form.Results.Points.empty()) Form.RepaintGraphQuietly();
}

const TResultSet& TMainView::ShownResults() const { return Form.Results; }

bool TMainView::ShowUndefined() const { return Form.UndefResultsCheckBox->isChecked(); }

const TPictureOptions& TMainView::Options() const { return Form.PictureOptions; }

TRefusal TMainView::CheckFields(TViewSettings& View) const
{
    return CheckViewSettings(FieldText(Form.HorAngleEdit), FieldText(Form.VerAngleEdit),
                             FieldText(Form.DistanceEdit), FieldText(Form.ZoomEdit),
                             Form.ViewRadius(), View);
}

bool TMainView::ReadView(TViewSettings& View)
{
    // The repaint's own checks and words, shown without a box.
    TRefusal Refusal = TRefusal::NoResults;
    if (!Form.Results.Points.empty()) {
        Refusal = CheckFields(View);
        if (Refusal == TRefusal::None) return true;
    }
    Form.Status.Set(RefusalMessage(Refusal, Form.ViewRadius()));
    return false;
}

void TMainView::WriteView(const TViewTexts& Texts, const TGraphView& From)
{
    bool Changed = false;
    const std::pair<QLineEdit*, const std::string*> Writes[] = {
        {Form.HorAngleEdit, &Texts.HorAngle},
        {Form.VerAngleEdit, &Texts.VerAngle},
        {Form.DistanceEdit, &Texts.Distance},
        {Form.ZoomEdit, &Texts.Zoom}};
    for (const auto& [Edit, Text] : Writes) {
        if (Text->empty() || FieldText(Edit) == *Text) continue;
        SetFieldText(Edit, *Text);
        Changed = true;
    }
    if (Texts.Pan && *Texts.Pan != Form.PictureOptions.Pan) {
        Form.PictureOptions.Pan = *Texts.Pan;
        Changed = true;
    }
    if (Changed) RepaintForGesture(From);
}

void TMainView::MovePicture(TPan Pan, const TGraphView& From)
{
    const TPan Held = HeldPan(Pan, GraphWidth, GraphHeight);
    if (Held == Form.PictureOptions.Pan || Form.Results.Points.empty()) return;
    Form.PictureOptions.Pan = Held;
    RepaintForGesture(From);
}

void TMainView::RepaintForGesture(const TGraphView& From)
{
    LargeViewLeads = &From != &Graph;
    if (!GestureRepaint->isActive()) GestureRepaint->start();
}

void TMainView::PaintMainLater(const TPictureRequest& Request)
{
    MainOwed = Request;
    MainRepaint->start();
}

void TMainView::PaintMainNow()
{
    if (!MainOwed) return;
    const TPictureRequest Request = *MainOwed;
    DropMainLater();
    Form.RepaintMainPicture(Request);
}

void TMainView::DropMainLater()
{
    MainOwed.reset();
    MainRepaint->stop();
}

void TMainView::ShowMenu(QWidget& Over, const QPoint& Position)
{
    Form.Menu.Show(Over, Position, !Form.Results.Points.empty());
}

QImage TMainView::PictureBelowGraph(const QImage& Sketch) const
{
    return Form.PictureBelowGraph(Sketch);
}

QImage TMainView::ViewPicture() const
{
    const TShownView& Shown = Graph.Shown;
    if (!Shown.Painted || Form.Results.Points.empty()) return Form.GraphPicture();
    std::array<QString, LegendLabelCount> Texts;
    const auto Labels = Form.LegendLabels();
    for (std::size_t I = 0; I < Labels.size(); ++I)
        Texts[I] = Labels[I]->text();
    TPicturePlan Plan;
    if (PlanPicture(Shown.Request, Plan) != TRefusal::None) return Form.GraphPicture();
    // Framed as the menu now chooses, around the view as it was painted.
    TPictureOptions Options = Shown.Request.Options;
    Options.Legend = Form.PictureOptions.Legend;
    const TFramedPicture Framed = FramePicture(false, Shown.Request.Width, Shown.Request.Height,
                                               Options, Form.Results, Shown.Request.ShowUndefined);
    const QImage Picture = RenderGraphPicture(Shown.Request, Plan, Texts, Framed);
    return Picture.isNull() ? Form.GraphPicture() : Picture;
}

void TMainView::FitZoomField()
{
    TViewSettings View;
    if (CheckFields(View) != TRefusal::None) return;
    const TViewTexts Texts = Graph.FitTexts(View);
    if (!Texts.Zoom.empty()) SetFieldText(Form.ZoomEdit, Texts.Zoom);
    if (Texts.Pan) Form.PictureOptions.Pan = *Texts.Pan;
}

void TMainView::CorrectDistanceField()
{
    const std::string Corrected =
        CorrectedDistanceText(FieldText(Form.DistanceEdit), Form.ViewRadius());
    if (!Corrected.empty()) SetFieldText(Form.DistanceEdit, Corrected);
}

}  // namespace MainUnit
