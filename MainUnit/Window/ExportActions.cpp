#include "MainUnit/Window/ExportActions.h"

#include "MainUnit/Files/ExportName.h"
#include "MainUnit/Files/PointsCsv.h"
#include "MainUnit/Window/Internal/GraphPicture.h"
#include "Platform/Form.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

#include <utility>

namespace MainUnit {

using Platform::TMessageKind;

TExportActions::TExportActions(Platform::TForm& Form, const TResultSet& ResultSet,
                               std::function<QImage()> ShownPicture)
    : Window(Form), Results(ResultSet), Picture(std::move(ShownPicture))
{
    SaveFileNameFunction = [](QWidget* Parent, const QString& Caption, const QString& Proposed,
                              const QString& Filter) {
        return QFileDialog::getSaveFileName(Parent, Caption, Proposed, Filter);
    };
    // Added to the window, so that their shortcuts work wherever the focus
    // is; Ctrl+C stays the copy of the edit fields.
    SavePictureAction = new QAction(QStringLiteral("Save picture as\u2026"), &Window);
    SavePictureAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    CopyPictureAction = new QAction(QStringLiteral("Copy picture"), &Window);
    CopyPictureAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    ExportPointsAction = new QAction(QStringLiteral("Export points as CSV\u2026"), &Window);
    const std::pair<QAction*, void (TExportActions::*)()> Handlers[] = {
        {SavePictureAction, &TExportActions::SavePictureAs},
        {CopyPictureAction, &TExportActions::CopyPicture},
        {ExportPointsAction, &TExportActions::ExportPointsCsv}};
    for (const auto& [Action, Handler] : Handlers) {
        Action->setShortcutContext(Qt::WindowShortcut);
        Window.addAction(Action);
        QObject::connect(Action, &QAction::triggered, &Window,
                         [this, Handler = Handler] { (this->*Handler)(); });
    }
}

QList<QAction*> TExportActions::Actions() const
{
    return {SavePictureAction, CopyPictureAction, ExportPointsAction};
}

QString TExportActions::AskFileName(const QString& Caption, const char* Extension,
                                    const QString& Filter)
{
    const QString Folder = LastFolder.isEmpty() ? QDir::currentPath() : LastFolder;
    const QString Proposed = QDir(Folder).filePath(
        QString::fromStdString(FileNameFromExpression(Expression, Extension)));
    if (!SaveFileNameFunction) return {};
    QString Path = SaveFileNameFunction(&Window, Caption, Proposed, Filter);
    // The file's type is the one its name says: a name without it, or with
    // another one ("picture.csv" for a picture), gets it added. The dialog
    // confirmed replacing the name typed, not the longer one: when that names
    // a file already, the dialog is asked again with it, so that nothing is
    // replaced without the user's word.
    while (!Path.isEmpty() &&
           QFileInfo(Path).suffix().compare(QLatin1String(Extension), Qt::CaseInsensitive) != 0) {
        Path += QLatin1Char('.') + QLatin1String(Extension);
        if (!QFileInfo::exists(Path)) break;
        Path = SaveFileNameFunction(&Window, Caption, Path, Filter);
    }
    if (!Path.isEmpty()) LastFolder = QFileInfo(Path).absolutePath();
    return Path;
}

void TExportActions::WriteFile(const QString& Path, const TFileContent& Content)
{
    std::string Reason;
    if (!WriteFileAtomically(QFile::encodeName(Path).toStdString(), Content, Reason))
        Window.ShowMessage(TMessageKind::mkError, CannotWriteMessage(Path.toStdString(), Reason));
}

void TExportActions::SavePictureAs()
{
    if (Results.Points.empty()) return;
    // Taken before the dialog opens: the picture the user asked to save.
    const QImage Shown = Picture();
    const QString Path = AskFileName(QStringLiteral("Save picture as"), "png",
                                     QStringLiteral("PNG pictures (*.png)"));
    if (Path.isEmpty()) return;
    QByteArray Png;
    if (!EncodePng(Shown, Png)) {
        Window.ShowMessage(TMessageKind::mkError,
                           CannotWriteMessage(Path.toStdString(), "PNG encoding failed"));
        return;
    }
    WriteFile(Path, [&Png](const TChunkWriter& Write) {
        return Write(Png.constData(), static_cast<std::size_t>(Png.size()));
    });
}

void TExportActions::CopyPicture()
{
    if (Results.Points.empty()) return;
    if (QClipboard* Clipboard = QGuiApplication::clipboard()) Clipboard->setImage(Picture());
}

void TExportActions::ExportPointsCsv()
{
    if (Results.Points.empty()) return;
    const QString Path = AskFileName(QStringLiteral("Export points as CSV"), "csv",
                                     QStringLiteral("CSV files (*.csv)"));
    if (Path.isEmpty()) return;
    WriteFile(Path, [this](const TChunkWriter& Write) { return WritePointsCsv(Results, Write); });
}

}  // namespace MainUnit
