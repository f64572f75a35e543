#pragma once

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

// A fine interval timer for the animation. Qt's precise timers lose about
// one tick in nine at 1 ms here (each late wake-up is rescheduled from the
// wake), so a small thread sleeps to absolute deadlines instead and posts
// each tick to the owner's thread, where timeout() is emitted: handlers
// still run one at a time on the user-interface thread. At most one tick is
// ever waiting; a tick the user-interface thread cannot take in time is
// dropped, never queued up, and a deadline missed by more than an interval
// is not caught up.
class TickTimer : public QObject
{
    Q_OBJECT

public:
    explicit TickTimer(QObject *parent = nullptr);
    ~TickTimer() override;

    void setInterval(int milliseconds);
    int interval() const { return m_interval; }
    void start();
    void stop();
    bool isActive() const { return m_active; }

signals:
    void timeout();

private:
    void run();
    void deliver();

    int m_interval = 1;
    bool m_active = false; // owner's thread only
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_quit = false;
    std::atomic<bool> m_pending{false};
};
