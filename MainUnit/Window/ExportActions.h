// Getting the picture and the points out of the window: the save, copy and
// export actions of the graph's context menu (Ctrl+S, Ctrl+Shift+C), the file
// dialog and the writing of the file.
#pragma once

#include "MainUnit/Calculation/ResultSet.h"
#include "MainUnit/Files/AtomicFile.h"

#include <QImage>
#include <QList>
#include <QString>

#include <functional>
#include <string>

class QAction;
class QWidget;

namespace Platform {
class TForm;
}

namespace MainUnit {

class TExportActions {
public:
    // The actions of Window, whose shortcuts work wherever its focus is.
    // Picture gives the picture to save or copy.
    TExportActions(Platform::TForm& Window, const TResultSet& Results,
                   std::function<QImage()> Picture);

    QAction* SavePictureAction = nullptr;
    QAction* CopyPictureAction = nullptr;
    QAction* ExportPointsAction = nullptr;
    QList<QAction*> Actions() const;

    // Asks for the name of a file to write, proposing Proposed; empty when
    // cancelled. Tests put their own function in place of the dialog.
    std::function<QString(QWidget* Parent, const QString& Caption, const QString& Proposed,
                          const QString& Filter)>
        SaveFileNameFunction;
    // The blank-free expression of the last successful calculation, which
    // the proposed file names are made of.
    std::string Expression;

    // Each does nothing without a result set.
    void SavePictureAs();
    void CopyPicture();
    void ExportPointsCsv();

private:
    Platform::TForm& Window;
    const TResultSet& Results;
    std::function<QImage()> Picture;
    // Where the last file was written while the program runs.
    QString LastFolder;
    QString AskFileName(const QString& Caption, const char* Extension, const QString& Filter);
    void WriteFile(const QString& Path, const TFileContent& Content);
};

}  // namespace MainUnit
