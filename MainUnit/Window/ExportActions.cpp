// Getting the picture and the points out of the window: the graph's context
// menu, Ctrl+S and Ctrl+Shift+C, the file dialog and the writing of the file.
#include "MainForm.h"
#include "MainUnit/Files/ExportName.h"
#include "MainUnit/Files/PointsCsv.h"
#include "MainUnit/Window/Internal/GraphPicture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>

namespace MainUnit {

using Platform::TMessageKind;

void TMainForm::CreateExportActions()
{
    SaveFileNameFunction = [](QWidget* Parent, const QString& Caption, const QString& Proposed,
                              const QString& Filter) {
        return QFileDialog::getSaveFileName(Parent, Caption, Proposed, Filter);
    };
    // Added to the window, so that their shortcuts work wherever the focus
    // is; Ctrl+C stays the copy of the edit fields.
    SavePictureAction = new QAction(QStringLiteral("Save picture as\u2026"), this);
    SavePictureAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    CopyPictureAction = new QAction(QStringLiteral("Copy picture"), this);
    CopyPictureAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    ExportPointsAction = new QAction(QStringLiteral("Export points as CSV\u2026"), this);
    const std::pair<QAction*, void (TMainForm::*)()> Actions[] = {
        {SavePictureAction, &TMainForm::SavePictureAs},
        {CopyPictureAction, &TMainForm::CopyPicture},
        {ExportPointsAction, &TMainForm::ExportPointsCsv}};
    for (const auto& [Action, Handler] : Actions) {
        Action->setShortcutContext(Qt::WindowShortcut);
        addAction(Action);
        connect(Action, &QAction::triggered, this,
                [this, Handler = Handler] { (this->*Handler)(); });
    }
    LargeViewAction = new QAction(QStringLiteral("Open large view"), this);
    LargeViewAction->setShortcut(QKeySequence(Qt::Key_F11));
    LargeViewAction->setShortcutContext(Qt::WindowShortcut);
    addAction(LargeViewAction);
    connect(LargeViewAction, &QAction::triggered, this, [this] { OpenLargeView(); });
    GraphImage->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(GraphImage, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& Position) { ShowGraphMenu(GraphImage, Position); });
}

QList<QAction*> TMainForm::GraphMenuActions() const
{
    return {SavePictureAction, CopyPictureAction, ExportPointsAction};
}

void TMainForm::ShowGraphMenu(QWidget* Over, const QPoint& Position)
{
    QMenu Menu(this);
    FillGraphMenu(Menu);
    Menu.exec(Over->mapToGlobal(Position));
    // The shortcuts stay live; their handlers look at the result set themselves.
    for (QAction* Action : {SavePictureAction, CopyPictureAction, ExportPointsAction})
        Action->setEnabled(true);
}

namespace {

// The window's pictures and legend texts, with Outline as the sketch.
TGraphPictureParts PartsOf(const TMainForm& Form, const QImage& Outline)
{
    TGraphPictureParts Parts{
        &Form.GraphImage->Image(),  &Outline, &Form.AxisesImage->Image(),
        &Form.LegendImage->Image(), {},       ForegroundQColor(Form.PictureOptions)};
    const auto Labels = Form.LegendLabels();
    for (std::size_t I = 0; I < Labels.size(); ++I)
        Parts.LegendTexts[I] = Labels[I]->text();
    return Parts;
}

}  // namespace

QImage TMainForm::GraphPicture() const
{
    return ComposeGraphPicture(PartsOf(*this, OutLineImage->Image()),
                               FramePicture(false, GraphImage->ImageWidth(),
                                            GraphImage->ImageHeight(), PictureOptions, Results,
                                            UndefResultsCheckBox->isChecked()),
                               PictureOptions);
}

QImage TMainForm::PictureBelowGraph(const QImage& Outline) const
{
    return ComposeBelowGraph(PartsOf(*this, Outline));
}

QString TMainForm::AskExportFileName(const QString& Caption, const char* Extension,
                                     const QString& Filter)
{
    const QString Folder = LastExportFolder.isEmpty() ? QDir::currentPath() : LastExportFolder;
    const QString Proposed = QDir(Folder).filePath(
        QString::fromStdString(FileNameFromExpression(ResultExpression, Extension)));
    if (!SaveFileNameFunction) return {};
    QString Path = SaveFileNameFunction(this, Caption, Proposed, Filter);
    // The file's type is the one its name says: a name without it, or with
    // another one ("picture.csv" for a picture), gets it added. The dialog
    // confirmed replacing the name typed, not the longer one: when that names
    // a file already, the dialog is asked again with it, so that nothing is
    // replaced without the user's word.
    while (!Path.isEmpty() &&
           QFileInfo(Path).suffix().compare(QLatin1String(Extension), Qt::CaseInsensitive) != 0) {
        Path += QLatin1Char('.') + QLatin1String(Extension);
        if (!QFileInfo::exists(Path)) break;
        Path = SaveFileNameFunction(this, Caption, Path, Filter);
    }
    if (!Path.isEmpty()) LastExportFolder = QFileInfo(Path).absolutePath();
    return Path;
}

void TMainForm::WriteExportFile(const QString& Path, const TFileContent& Content)
{
    std::string Reason;
    if (!WriteFileAtomically(QFile::encodeName(Path).toStdString(), Content, Reason))
        ShowMessage(TMessageKind::mkError, CannotWriteMessage(Path.toStdString(), Reason));
}

void TMainForm::SavePictureAs()
{
    if (Results.Points.empty()) return;
    // Taken before the dialog opens: the picture the user asked to save.
    const QImage Picture = GraphPicture();
    const QString Path = AskExportFileName(QStringLiteral("Save picture as"), "png",
                                           QStringLiteral("PNG pictures (*.png)"));
    if (Path.isEmpty()) return;
    QByteArray Png;
    if (!EncodePng(Picture, Png)) {
        ShowMessage(TMessageKind::mkError,
                    CannotWriteMessage(Path.toStdString(), "PNG encoding failed"));
        return;
    }
    WriteExportFile(Path, [&Png](const TChunkWriter& Write) {
        return Write(Png.constData(), static_cast<std::size_t>(Png.size()));
    });
}

void TMainForm::CopyPicture()
{
    if (Results.Points.empty()) return;
    if (QClipboard* Clipboard = QGuiApplication::clipboard()) Clipboard->setImage(GraphPicture());
}

void TMainForm::ExportPointsCsv()
{
    if (Results.Points.empty()) return;
    const QString Path = AskExportFileName(QStringLiteral("Export points as CSV"), "csv",
                                           QStringLiteral("CSV files (*.csv)"));
    if (Path.isEmpty()) return;
    WriteExportFile(Path,
                    [this](const TChunkWriter& Write) { return WritePointsCsv(Results, Write); });
}

}  // namespace MainUnit
