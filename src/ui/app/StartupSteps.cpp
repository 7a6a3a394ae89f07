#include "ui/app/StartupSteps.h"

namespace belvane {
namespace {

constexpr int kWaitMs = 10;

} // namespace

StartupSteps::StartupSteps()
{
    m_idle.setParent(this);
    m_idle.setObjectName(QStringLiteral("StartupIdle"));
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, [this] { runNext(); });
}

void StartupSteps::add(std::function<void()> step)
{
    m_steps.push_back({{}, std::move(step)});
}

void StartupSteps::addWhen(std::function<bool()> ready, std::function<void()> step)
{
    m_steps.push_back({std::move(ready), std::move(step)});
}

void StartupSteps::runWhenIdle()
{
    if (!m_steps.empty())
        m_idle.start();
}

bool StartupSteps::finish()
{
    if (m_running)
        return false;
    while (!m_steps.empty())
        runNext(true);
    return !m_running;
}

void StartupSteps::runNext(bool waitIfNeeded)
{
    if (m_running || m_steps.empty())
        return;
    // Work on another thread is not through yet: look again a little later, leaving the event
    // loop (and the splash box's fade) free meanwhile.
    if (!waitIfNeeded && m_steps.front().ready && !m_steps.front().ready()) {
        m_idle.setInterval(kWaitMs);
        return;
    }
    m_idle.setInterval(0);
    m_running = true;
    // A step that asks the user something waits in the message box's own event loop; the idle
    // timer, left running, would spin there for nothing.
    const bool idle = m_idle.isActive();
    m_idle.stop();
    const std::function<void()> step = std::move(m_steps.front().run);
    m_steps.pop_front();
    step();
    m_running = false;
    if (m_steps.empty())
        emit finished();
    else if (idle)
        m_idle.start();
}

} // namespace belvane
