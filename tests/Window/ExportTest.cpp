// The graph's context menu and shortcuts: disabled without a result set;
// saving, copying and exporting what the window shows; a failed write
// reported with the file and the reason.
#include "ModalHelper.h"
#include "WindowFixture.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>

namespace {

class ExportTest : public WindowTest {
protected:
    // The dialog replaced: records what it proposed and answers Answer.
    void AnswerFileDialog(const QString& Answer)
    {
        Form->Export.SaveFileNameFunction =
            [this, Answer](QWidget*, const QString&, const QString& Proposed, const QString&) {
                Proposals.push_back(Proposed);
                return Answer;
            };
    }

    // Opens the graph's context menu and returns the enabled state of its items.
    std::vector<bool> MenuItemsEnabled()
    {
        std::vector<bool> Enabled;
        QTimer::singleShot(0, [&Enabled] {
            auto* Menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!Menu) return;
            for (QAction* Action : Menu->actions())
                if (!Action->isSeparator()) Enabled.push_back(Action->isEnabled());
            Menu->close();
        });
        emit Form->GraphImage->customContextMenuRequested(QPoint(20, 20));
        // The offscreen platform has no window manager to give the
        // activation back to the window once the menu has closed.
        Form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form.get()));
        return Enabled;
    }

    std::vector<QString> Proposals;
};

TEST_F(ExportTest, MenuAndShortcutsWriteWhatTheWindowShows)
{
    QTemporaryDir Folder;
    AnswerFileDialog(Folder.filePath(QStringLiteral("never")));
    // The three items of the picture and the points, greyed without a result
    // set; after them the view choices, the legend choices' submenu and the
    // large view, always enabled.
    const std::vector<bool> ViewChoices(8, true);
    std::vector<bool> Expected(3, false);
    Expected.insert(Expected.end(), ViewChoices.begin(), ViewChoices.end());
    EXPECT_EQ(MenuItemsEnabled(), Expected);
    QTest::keyClick(Form.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(Proposals.empty());  // no result set: nothing asked, nothing written

    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    EXPECT_EQ(MenuItemsEnabled(), std::vector<bool>(11, true));
    // Saved under a name without an extension: ".png" is added.
    AnswerFileDialog(Folder.filePath(QStringLiteral("graph")));
    Form->FunctionExpressionEdit->setFocus();
    QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(Proposals.size(), 1u);
    EXPECT_EQ(QFileInfo(Proposals[0]).fileName(), QStringLiteral("sin(x)_cos(z).png"));
    EXPECT_EQ(
        QImage(Folder.filePath(QStringLiteral("graph.png"))).convertToFormat(QImage::Format_RGB32),
        Form->GraphPicture());

    // Ctrl+Shift+C in an edit copies the picture, not the edit's text.
    QTest::keyClick(Form->FunctionExpressionEdit, Qt::Key_C,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              Form->GraphPicture());

    // The points, proposed in the folder used last.
    AnswerFileDialog(Folder.filePath(QStringLiteral("points.csv")));
    Form->Export.ExportPointsAction->trigger();
    ASSERT_EQ(Proposals.size(), 2u);
    EXPECT_EQ(QFileInfo(Proposals[1]).absoluteFilePath(),
              QDir(Folder.path()).filePath(QStringLiteral("sin(x)_cos(z).csv")));
    QFile Csv(Folder.filePath(QStringLiteral("points.csv")));
    ASSERT_TRUE(Csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> Lines = Csv.readAll().split('\n');
    EXPECT_EQ(Lines.size(), 5041 + 2);  // header, points, nothing after the last line end
    EXPECT_EQ(Lines[0], QByteArray("x,y,z\r"));

    // A failed write names the file and the reason, keeps the result set and
    // leaves nothing in the folder.
    AnswerFileDialog(QStringLiteral("/nonexistent/graph.png"));
    Form->Export.SavePictureAction->trigger();
    EXPECT_EQ(TakeMessages(), Error("Cannot write the file '/nonexistent/graph.png': No such file "
                                    "or directory."));
    EXPECT_EQ(Form->Results.PointCount, 5041);
    EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(ExportTest, TheNameSaysTheTypeOfTheFile)
{
    ASSERT_TRUE(Calculate("x"));
    const struct {
        const char* Answer;
        QAction* MainUnit::TExportActions::*Action;
        const char* Written;
    } Cases[] = {
        {"picture.csv", &MainUnit::TExportActions::SavePictureAction, "picture.csv.png"},
        {"picture.PNG", &MainUnit::TExportActions::SavePictureAction, "picture.PNG"},
        {"picture.v2", &MainUnit::TExportActions::SavePictureAction, "picture.v2.png"},
        {"points.png", &MainUnit::TExportActions::ExportPointsAction, "points.png.csv"},
        {"points.Csv", &MainUnit::TExportActions::ExportPointsAction, "points.Csv"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Answer);
        QTemporaryDir Folder;
        AnswerFileDialog(Folder.filePath(QString::fromLatin1(Case.Answer)));
        (Form->Export.*Case.Action)->trigger();
        EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QString::fromLatin1(Case.Written)});
    }
}

// The dialog confirmed "picture.csv", not "picture.csv.png": an existing file
// of the longer name is not replaced unless the dialog, asked again with that
// name, is answered with it.
TEST_F(ExportTest, AnAddedExtensionNeverReplacesAFileUnasked)
{
    ASSERT_TRUE(Calculate("x"));
    QTemporaryDir Folder;
    const QString Kept = Folder.filePath(QStringLiteral("picture.csv.png"));
    QFile Existing(Kept);
    ASSERT_TRUE(Existing.open(QIODevice::WriteOnly));
    Existing.write("kept");
    Existing.close();
    const QString Typed = Folder.filePath(QStringLiteral("picture.csv"));
    const struct {
        QString SecondAnswer;
        QByteArray Left;
    } Cases[] = {{QString(), "kept"}, {Kept, QByteArray("\x89PNG", 4)}};
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.SecondAnswer.toStdString());
        Proposals.clear();
        std::vector<QString> Answers{Typed, Case.SecondAnswer};
        Form->Export.SaveFileNameFunction = [&](QWidget*, const QString&, const QString& Proposed,
                                                const QString&) {
            Proposals.push_back(Proposed);
            const QString Answer = Answers.front();
            Answers.erase(Answers.begin());
            return Answer;
        };
        Form->Export.SavePictureAction->trigger();
        ASSERT_EQ(Proposals.size(), 2u);
        EXPECT_EQ(Proposals[1], Kept);
        QFile Written(Kept);
        ASSERT_TRUE(Written.open(QIODevice::ReadOnly));
        EXPECT_EQ(Written.read(4), Case.Left);
    }
}

// The help window's closing blanks the graph in the window; what is saved or
// copied is still the picture of the view, painted from the result set.
TEST_F(ExportTest, SaveAndCopyAfterTheHelpWindowGiveThePictureOfTheView)
{
    ASSERT_TRUE(Calculate("sin(x)*cos(z)"));
    const QImage Painted = Form->GraphPicture();
    QTemporaryDir Folder;
    const QString Saved = Folder.filePath(QStringLiteral("graph.png"));
    AnswerFileDialog(Saved);
    const struct {
        const char* Name;
        QAction* Action;
        std::function<QImage()> Result;
    } Cases[] = {
        {"save", Form->Export.SavePictureAction, [&] { return QImage(Saved); }},
        {"copy", Form->Export.CopyPictureAction,
         [] { return QGuiApplication::clipboard()->image(); }},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        QFile::remove(Saved);
        QGuiApplication::clipboard()->clear();
        bool Closed = false;
        auto Timer = OnNextModal([&](QWidget* Modal) {
            Closed = Modal == Help.get();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        Form->HelpButton->click();
        ASSERT_TRUE(WaitUntil([&] { return Closed && !Help->isVisible(); }));
        ASSERT_TRUE(WaitUntil([&] { return Form->GraphPicture() != Painted; }));
        Case.Action->trigger();
        EXPECT_EQ(Case.Result().convertToFormat(QImage::Format_RGB32), Painted);
    }
}

}  // namespace
