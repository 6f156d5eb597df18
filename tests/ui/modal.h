#pragma once

// Acting inside the program's own modal windows, which block in exec() until closed.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <memory>

namespace kubato::test {

// Runs act(window) as soon as a modal window of type T is the active modal widget. It polls,
// so it works with nested exec() calls and windows that open one after another. Should no
// such window come within the time, the modal window in front is rejected and *timedOut set,
// so that a test fails instead of hanging.
template <class T>
void onNextModal(std::function<void(T *)> act, bool *timedOut = nullptr, int timeoutMs = 5000)
{
    auto *timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    if (timedOut != nullptr) {
        *timedOut = false;
    }
    QObject::connect(timer, &QTimer::timeout, qApp, [timer, clock, act, timedOut, timeoutMs] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *window = qobject_cast<T *>(modal); window != nullptr && window->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(window);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            if (timedOut != nullptr) {
                *timedOut = true;
            }
            if (auto *dialog = qobject_cast<QDialog *>(modal)) {
                dialog->reject();
            }
        }
    });
    timer->start(10);
}

} // namespace kubato::test
