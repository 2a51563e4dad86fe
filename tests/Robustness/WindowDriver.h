// The real main window on Qt's offscreen platform, driven the way a person
// would: every message box is recorded (with what the window looked like
// while it was open) and answered at once, the help window is closed as
// soon as it opens, and the checks that must hold after any action are
// here for the tests to call.
#pragma once

#include "HelpUnit/HelpForm.h"
#include "MainUnit/Window/MainForm.h"

#include <QTimer>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QLineEdit;

struct TShownMessage {
    Platform::TMessageKind Kind;
    std::string Text;
    bool ControlsEnabled;  // all 29 input controls, while the box was open
    uint64_t GraphHash;    // of the graph picture while the box was open
    std::string CameraX, CameraY, CameraZ;
};

class TWindowDriver {
public:
    TWindowDriver();
    ~TWindowDriver();
    TWindowDriver(const TWindowDriver&) = delete;
    TWindowDriver& operator=(const TWindowDriver&) = delete;

    MainUnit::TMainForm& Form() { return *MainForm; }

    // Puts Text into Edit as typed by the user: the modified flag is set.
    void Type(QLineEdit* Edit, const QString& Text);
    // The messages shown since the last call, oldest first.
    std::vector<TShownMessage> TakeMessages();

    // Shows the main window again after "Close" and waits until it is active.
    bool ShowAgain();
    void ProcessEvents();

    // Empty when all holds; otherwise what does not.
    std::string CheckControlsEnabled() const;
    std::string CheckResultSet() const;
    std::string CheckPictureSizes() const;

    // A hash of the graph picture's pixels; computing it allocates nothing.
    uint64_t GraphHash() const;
    bool AllBlack(Platform::TPicture* Picture) const;
    bool LegendEmpty() const;

private:
    std::unique_ptr<MainUnit::TMainForm> MainForm;
    std::unique_ptr<HelpUnit::THelpForm> HelpForm;
    std::unique_ptr<QTimer> HelpCloser;
    std::vector<TShownMessage> Messages;
};

// The texts that the program may show in a box, and of which kind.
bool IsKnownMessage(Platform::TMessageKind Kind, const std::string& Text);
