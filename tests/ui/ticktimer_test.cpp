#include "ticktimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

void pump(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

TEST(TickTimer, TicksArriveOnTheOwnersThreadOnlyWhileActive)
{
    TickTimer timer;
    EXPECT_EQ(timer.interval(), 1);
    EXPECT_FALSE(timer.isActive());
    int ticks = 0;
    bool onOwnerThread = true;
    QObject::connect(&timer, &TickTimer::timeout, [&] {
        ++ticks;
        onOwnerThread = onOwnerThread && QThread::currentThread() == timer.thread();
    });
    pump(20);
    EXPECT_EQ(ticks, 0) << "created stopped";
    timer.start();
    EXPECT_TRUE(timer.isActive());
    pump(200);
    EXPECT_GT(ticks, 10);
    EXPECT_TRUE(onOwnerThread);
    timer.stop();
    EXPECT_FALSE(timer.isActive());
    const int atStop = ticks;
    pump(50);
    EXPECT_EQ(ticks, atStop) << "a tick posted before stop is not delivered after it";
}

TEST(TickTimer, ABusyThreadGetsOneTickNotABacklog)
{
    TickTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &TickTimer::timeout, [&] { ++ticks; });
    timer.start();
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // the thread is busy
    QCoreApplication::processEvents();
    EXPECT_LE(ticks, 1);
    timer.stop();
}

TEST(TickTimer, RestartsAndIntervalChangesKeepItUsable)
{
    TickTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &TickTimer::timeout, [&] { ++ticks; });
    timer.start();
    timer.start(); // already running: no second thread
    timer.setInterval(2);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 2);
    timer.setInterval(0);
    EXPECT_EQ(timer.interval(), 1) << "never faster than 1 ms";
    pump(50);
    EXPECT_GT(ticks, 0);
    timer.stop();
    timer.stop();
    EXPECT_FALSE(timer.isActive());
}

} // namespace
