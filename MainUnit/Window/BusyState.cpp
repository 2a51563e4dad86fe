#include "MainUnit/Window/Internal/BusyState.h"

#include "MainForm.h"

namespace MainUnit {

TBusyState::TBusyState(TMainForm& BusyForm, const char* Status) : Form(BusyForm)
{
    Form.DisableControls();
    Form.Status.Set(Status);
    Form.RedrawNow();
}

TBusyState::~TBusyState()
{
    Form.EnableControls();
    Form.Status.ShowResting();
    Form.RedrawNow();
}

}  // namespace MainUnit
