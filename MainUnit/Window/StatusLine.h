// The status line of the main window: the busy texts, and between busy times
// how the function expression is read while the user types, where it went
// wrong after a syntax refusal, the warning that the usual priority rules
// read it otherwise (which stays after the work), and the point under the
// pointer over whatever it shows.
#pragma once

#include "MainUnit/Text/ExpressionStatus.h"

#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;

namespace MainUnit {

// The colour 0xRRGGBB of a warning in the status line.
inline constexpr uint32_t StatusWarningColor = 0xB03000;

class TStatusLine {
public:
    // Label is the line; Expression the field whose reading it shows.
    TStatusLine(QLabel& Label, const QLineEdit& Expression);

    // Writes the line; its tooltip holds the whole text. A warning shows in
    // the warning colour. The text stays when a reading comes and goes.
    void Set(const std::string& Text);
    void Set(const TStatusText& Status);
    // After the work of a busy time or a quiet repaint: the priority warning
    // of the expression if it has one, else the grid note.
    void ShowResting();
    // Of the set shown: the grid holds far more points than were asked
    // (empty when it does not).
    std::string GridNote;
    // While idle, the reading of the expression as it is typed; a busy text
    // stays until the work ends (the field is locked meanwhile).
    void ShowTyping();
    // After a syntax refusal: where the expression went wrong.
    void ShowSyntaxRefusal();

private:
    QLabel& Label;
    const QLineEdit& Expression;
};

}  // namespace MainUnit
