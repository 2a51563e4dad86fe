#include "Platform/Form.h"

#include <QScreen>

namespace Platform {

TForm::TForm(int ClientWidth, int ClientHeight)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setFixedSize(ClientWidth, ClientHeight);
    // Qt's automatic fill uses the palette's window colour, the button face.
    setAutoFillBackground(true);
}

void TForm::ShowMessage(TMessageKind Kind, const std::string& Text)
{
    RunModal([&] {
        if (MessageBoxFunction) MessageBoxFunction(this, Kind, Text);
    });
}

void TForm::RunModal(const std::function<void()>& Modal)
{
    Modal();
    // The toolkit's own activation arrives later, or never without a window
    // manager; the program's logic needs it now, before the caller goes on
    // (a graph drawn right after a box closes must not be blanked after it).
    activateWindow();
    Activate();
}

void TForm::RedrawNow() { repaint(); }

void TForm::showEvent(QShowEvent* Event)
{
    QWidget::showEvent(Event);
    if (FirstShowDone) return;
    FirstShowDone = true;
    if (const QScreen* Screen = screen()) {
        const QRect Area = Screen->availableGeometry();
        move(Area.x() + (Area.width() - width()) / 2, Area.y() + (Area.height() - height()) / 2);
    }
    Activate();
}

void TForm::Activate()
{
    if (OnActivate) OnActivate();
}

}  // namespace Platform
