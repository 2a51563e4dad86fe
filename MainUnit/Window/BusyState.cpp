#include "MainUnit/Window/Internal/BusyState.h"

#include "MainForm.h"

namespace MainUnit {

TBusyState::TBusyState(TMainForm& BusyForm, const char* Status) : Form(BusyForm)
{
    Form.DisableControls();
    Form.SetStatus(Status);
    Form.RedrawNow();
}

TBusyState::~TBusyState()
{
    Form.EnableControls();
    Form.ShowRestingStatus();
    Form.RedrawNow();
}

}  // namespace MainUnit
