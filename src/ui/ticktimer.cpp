#include "ticktimer.h"

#include <QMetaObject>

#include <chrono>

TickTimer::TickTimer(QObject *parent) : QObject(parent) {}

TickTimer::~TickTimer()
{
    stop();
}

void TickTimer::setInterval(int milliseconds)
{
    const bool wasActive = m_active;
    stop();
    m_interval = milliseconds < 1 ? 1 : milliseconds;
    if (wasActive) {
        start();
    }
}

void TickTimer::start()
{
    if (m_active) {
        return;
    }
    m_active = true;
    {
        const std::lock_guard lock(m_mutex);
        m_quit = false;
    }
    m_thread = std::thread(&TickTimer::run, this);
}

void TickTimer::stop()
{
    if (!m_active) {
        return;
    }
    m_active = false;
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void TickTimer::run()
{
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(m_interval);
    auto deadline = Clock::now() + period;
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_until(lock, deadline, [this] { return m_quit; })) {
        if (!m_pending.exchange(true)) {
            QMetaObject::invokeMethod(this, &TickTimer::deliver, Qt::QueuedConnection);
        }
        deadline += period;
        const auto now = Clock::now();
        if (deadline < now) {
            deadline = now + period; // a stall is not caught up
        }
    }
}

void TickTimer::deliver()
{
    m_pending = false;
    // A tick posted just before stop() arrives after it: it is not a tick.
    if (m_active) {
        emit timeout();
    }
}
