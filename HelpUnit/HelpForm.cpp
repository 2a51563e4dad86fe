#include "HelpUnit/HelpForm.h"

#include "HelpUnit/Internal/HelpText.h"
#include "Platform/Application.h"
#include "TesselVersion.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace HelpUnit {

namespace {

QLabel* MakeTitleLabel(QWidget* Parent, int Top, const QString& Text)
{
    auto* Label = new QLabel(Text, Parent);
    Label->setTextFormat(Qt::PlainText);
    Label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label->setFont(Platform::ProgramFont(17));
    Label->setGeometry(8, Top, 537, 25);
    return Label;
}

}  // namespace

THelpForm::THelpForm()
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Help"));
    setFixedSize(570, 423);
    setModal(true);
    move(188, 86);

    Label1 = MakeTitleLabel(this, 8, QStringLiteral("Tessel version " TESSEL_VERSION));
    Label2 = MakeTitleLabel(
        this, 32,
        QStringLiteral("Contact: the issue tracker of the Tessel version " TESSEL_VERSION
                       " project"));

    HelpMemo = new QPlainTextEdit(this);
    HelpMemo->setReadOnly(true);
    HelpMemo->setPlainText(QString::fromUtf8(HelpText));
    HelpMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HelpMemo->setGeometry(8, 64, 553, 297);

    OKButton = new QPushButton(QStringLiteral("&OK"), this);
    OKButton->setGeometry(408, 376, 129, 33);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });

    setTabOrder(HelpMemo, OKButton);

    // Fires from the event loop, after the window manager's change is done.
    RestoreTimer = new QTimer(this);
    RestoreTimer->setSingleShot(true);
    RestoreTimer->setInterval(0);
    connect(RestoreTimer, &QTimer::timeout, this, [this] { RestoreFromMinimised(); });
}

void THelpForm::ShowModal() { exec(); }

void THelpForm::FormActivate() { OKButton->setFocus(Qt::ActiveWindowFocusReason); }

void THelpForm::OKButtonClick() { accept(); }

void THelpForm::showEvent(QShowEvent* Event)
{
    QDialog::showEvent(Event);
    FormActivate();
}

void THelpForm::RestoreFromMinimised()
{
    if (!isVisible() || !isMinimized()) return;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void THelpForm::changeEvent(QEvent* Event)
{
    QDialog::changeEvent(Event);
    // Some window managers offer and honour minimise even for a dialog that
    // asks for no such button. Minimised, the help window would leave the
    // main window, which takes no input while help is open, looking frozen;
    // so it comes back at once, once the window manager has finished.
    if (Event->type() == QEvent::WindowStateChange && isMinimized()) RestoreTimer->start();
}

}  // namespace HelpUnit
