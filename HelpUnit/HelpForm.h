// The help window: a fixed text about the program, shown modally.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace HelpUnit {

class THelpForm : public QDialog {
public:
    THelpForm();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPlainTextEdit* HelpMemo = nullptr;
    QPushButton* OKButton = nullptr;

    // Shows the window modally; returns when it has been closed.
    void ShowModal();
    // The focus goes to OKButton, so Enter closes the window at once.
    void FormActivate();
    void OKButtonClick();

protected:
    void showEvent(QShowEvent* Event) override;
    void changeEvent(QEvent* Event) override;

private:
    QTimer* RestoreTimer = nullptr;
    void RestoreFromMinimised();
};

}  // namespace HelpUnit
