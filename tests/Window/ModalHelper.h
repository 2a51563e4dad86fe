// Acting on a modal window while its own event loop runs.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// From the next event on, polls for a modal window; the first time one is
// active, calls Act with it once (Act must close it). Returns the timer,
// which stops itself; keep it alive while the modal window may appear.
inline std::unique_ptr<QTimer> OnNextModal(std::function<void(QWidget* Modal)> Act)
{
    auto Timer = std::make_unique<QTimer>();
    Timer->setInterval(5);
    QTimer* Raw = Timer.get();
    QObject::connect(Raw, &QTimer::timeout, [Raw, Act = std::move(Act)] {
        QWidget* Modal = QApplication::activeModalWidget();
        if (!Modal || !Modal->isVisible() || QApplication::activeWindow() != Modal) return;
        Raw->stop();
        Act(Modal);
    });
    Timer->start();
    return Timer;
}
