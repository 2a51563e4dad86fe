// A random user of the main window: each step types into an edit, clicks a
// button, check box or radio button, presses an accelerator or Enter, drags,
// turns the wheel or double-clicks on the graph, and
// then checks what must hold after any action. Calculations are kept small:
// a grid beyond MaxCalculatedEntries is shrunk before it is calculated,
// unless it is far too large for the address-space limit of the run, in
// which case it is calculated to take the memory-failure path.
#pragma once

#include "RandomTexts.h"
#include "WindowDriver.h"

#include <cstdint>
#include <string>

class QAbstractButton;
class QLineEdit;

struct TRandomUserCounts {
    int64_t Actions = 0;
    int64_t Calculations = 0;  // successful ones
    int64_t Refusals = 0;      // warning boxes of any operation
    int64_t MemoryFailures = 0;
    int64_t Repaints = 0;  // view actions that drew without a message
};

class TRandomUser {
public:
    // MemoryHeadroom: bytes the address-space limit leaves, 0 when there is none.
    TRandomUser(TWindowDriver& Window, uint64_t Seed, uint64_t MemoryHeadroom);

    // One action; returns what went wrong, or an empty string.
    std::string Step();
    const std::string& LastAction() const { return Action; }
    const TRandomUserCounts& Counts() const { return Count; }

    static constexpr uint64_t MaxCalculatedEntries = 20000;

private:
    struct TCalculationForecast {
        std::string Refusal;  // the warning expected, empty when accepted
        bool StorageFails = false;
        uint64_t Entries = 0;
        int32_t Requested = 0;
    };

    QLineEdit* Edit(int Index) const;
    QString TextFor(int EditIndex);
    TCalculationForecast Forecast() const;
    void KeepCalculationSmall();

    void TypeIntoEdit();
    void FixFunctionSettings();
    void PressButton(QAbstractButton* Button, bool WithMouse);
    void PressAccelerator();
    void PressEnter();
    void MouseOnGraph();
    void Calculate(bool ByAccelerator);

    std::string CheckCalculation(const TCalculationForecast& Expected,
                                 const std::vector<TShownMessage>& Shown);
    std::string CheckMessages(const std::vector<TShownMessage>& Shown);

    TWindowDriver& W;
    TRandomTexts Texts;
    uint64_t Headroom;
    std::string Action;
    TRandomUserCounts Count;
    bool CalculationAction = false;
    bool GestureAction = false;
    std::string FocusProblem;  // found before the action itself
    TCalculationForecast Expected;
};
