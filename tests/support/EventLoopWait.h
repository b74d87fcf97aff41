#pragma once
// Waiting in a Qt event loop, for tests of code that answers from timers
// and socket notifiers.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

// Runs the event loop until `done` holds or `timeoutMs` passed; true when it
// holds. `done` is checked every 5 ms, and at once when a callback quits the
// loop that `*running` points to while the wait lasts.
template <typename Pred>
bool RunUntil(Pred done, int timeoutMs = 10000, QEventLoop** running = nullptr)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            return false;
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (done())
                loop.quit();
        });
        poll.start(5);
        QTimer::singleShot(static_cast<int>(left), &loop, &QEventLoop::quit);
        if (running)
            *running = &loop;
        loop.exec();
        if (running)
            *running = nullptr;
    }
    return true;
}

// Lets the event loop run for a while, to see that nothing more happens.
inline void RunEvents(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
