#pragma once
// Waiting in a Qt event loop, for tests of code that answers from timers
// and socket notifiers.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

// How long a test waits for what is sure to come (a reply, the end of a
// walk, a window): far above what a loaded machine needs (a sanitizer build
// beside as many busy processes as cores), so that reaching it means a
// fault, never a slow machine. It stays well below ctest's limit, so that a
// wait that fails fails its test instead of hanging it.
inline constexpr int kTestPatienceMs = 120000;

// The test whose wait last ran out.
inline const ::testing::TestInfo*& TestThatWaitedInVain()
{
    static const ::testing::TestInfo* test = nullptr;
    return test;
}

// Runs the event loop until `done` holds or the time is up; true when it
// holds. `done` is checked every 5 ms, and at once when a callback quits the
// loop that `*running` points to while the wait lasts. A limit only guards
// against a hang and never decides a result: one below kTestPatienceMs is
// raised to it.
//
// A wait that runs out fails the test (ADD_FAILURE), and every later wait
// of the same test gives up at once: the test ends with its first failed
// wait instead of waiting again at each step.
template <typename Pred>
bool RunUntil(Pred done, int timeoutMs = kTestPatienceMs, QEventLoop** running = nullptr)
{
    const ::testing::TestInfo*& testThatWaitedInVain = TestThatWaitedInVain();
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    timeoutMs = std::max(timeoutMs, kTestPatienceMs);
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        const qint64 left = test && test == testThatWaitedInVain ? 0 : timeoutMs - clock.elapsed();
        if (left <= 0) {
            if (test != testThatWaitedInVain)
                ADD_FAILURE() << "a wait ran out after " << clock.elapsed() << " ms";
            testThatWaitedInVain = test;
            return false;
        }
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
