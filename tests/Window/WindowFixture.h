// A main window and its help window on the offscreen platform, with every
// message box recorded instead of shown. A message box that the test did
// not take with TakeMessages fails the test.
#pragma once

#include "HelpUnit/HelpForm.h"
#include "MainUnit/Text/Messages.h"
#include "MainUnit/Window/MainForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct TRecordedMessage {
    Platform::TMessageKind Kind;
    std::string Text;
    bool operator==(const TRecordedMessage&) const = default;
};

inline std::ostream& operator<<(std::ostream& Out, const TRecordedMessage& Message)
{
    const char* Kind = Message.Kind == Platform::TMessageKind::mkWarning ? "Warning"
                       : Message.Kind == Platform::TMessageKind::mkError ? "Error"
                                                                         : "Information";
    return Out << Kind << " \"" << Message.Text << "\"";
}

// Processes events until Condition holds or TimeoutMs has passed.
inline bool WaitUntil(const std::function<bool()>& Condition, int TimeoutMs = 3000)
{
    QElapsedTimer Timer;
    Timer.start();
    while (!Condition()) {
        if (Timer.elapsed() > TimeoutMs) return false;
        QTest::qWait(5);
    }
    return true;
}

class WindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<MainUnit::TMainForm>();
        Help = std::make_unique<HelpUnit::THelpForm>();
        Form->HelpForm = Help.get();
        Form->MessageBoxFunction = [this](QWidget*, Platform::TMessageKind Kind,
                                          const std::string& Text) {
            Messages.push_back({Kind, Text});
        };
        Form->show();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    }

    void TearDown() override
    {
        EXPECT_TRUE(Messages.empty())
            << "unexpected message box: " << testing::PrintToString(Messages);
        Help.reset();
        Form.reset();
    }

    // The messages shown since the last call, oldest first.
    std::vector<TRecordedMessage> TakeMessages()
    {
        std::vector<TRecordedMessage> Taken;
        Taken.swap(Messages);
        return Taken;
    }

    // Presses "Calculate results" for Expression with the other settings as
    // they stand; true when it ended with the information box alone.
    bool Calculate(const char* Expression)
    {
        Form->FunctionExpressionEdit->setText(QString::fromLatin1(Expression));
        Form->CalculateResultsButton->click();
        const std::vector<TRecordedMessage> Expected = {
            {Platform::TMessageKind::mkInformation, MainUnit::MsgCalculated}};
        return TakeMessages() == Expected;
    }

    static std::vector<TRecordedMessage> Warning(const std::string& Text)
    {
        return {{Platform::TMessageKind::mkWarning, Text}};
    }

    static std::vector<TRecordedMessage> Error(const std::string& Text)
    {
        return {{Platform::TMessageKind::mkError, Text}};
    }

    std::unique_ptr<MainUnit::TMainForm> Form;
    std::unique_ptr<HelpUnit::THelpForm> Help;
    std::vector<TRecordedMessage> Messages;
};
