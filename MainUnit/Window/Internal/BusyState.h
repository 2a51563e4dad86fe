// The busy state of the main window during a calculation or a repaint: the
// inputs locked and the status line saying what is going on. The work runs
// on the event-loop thread, so the window is painted once at the start and
// once at the end instead of by the event loop.
#pragma once

namespace MainUnit {

class TMainForm;

class TBusyState {
public:
    // Locks the inputs, shows Status and paints the window at once.
    TBusyState(TMainForm& Form, const char* Status);
    // Unlocks the inputs, clears the status line (but for the priority
    // warning of the expression) and paints the window at once, on every
    // way out of the work.
    ~TBusyState();

    TBusyState(const TBusyState&) = delete;
    TBusyState& operator=(const TBusyState&) = delete;

private:
    TMainForm& Form;
};

}  // namespace MainUnit
