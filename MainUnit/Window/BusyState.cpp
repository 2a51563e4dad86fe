#include "MainUnit/Window/Internal/BusyState.h"

#include "MainForm.h"

#include <QLabel>

namespace MainUnit {

TBusyState::TBusyState(TMainForm& BusyForm, const char* Status) : Form(BusyForm)
{
    Form.DisableControls();
    Form.StatusLabel->setText(QString::fromLatin1(Status));
    Form.RedrawNow();
}

TBusyState::~TBusyState()
{
    Form.EnableControls();
    Form.StatusLabel->clear();
    Form.RedrawNow();
}

}  // namespace MainUnit
