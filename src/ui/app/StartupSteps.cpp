#include "ui/app/StartupSteps.h"

namespace belvane {

StartupSteps::StartupSteps()
{
    m_idle.setParent(this);
    m_idle.setObjectName(QStringLiteral("StartupIdle"));
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, &StartupSteps::runNext);
}

void StartupSteps::add(std::function<void()> step)
{
    m_steps.push_back(std::move(step));
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
        runNext();
    return !m_running;
}

void StartupSteps::runNext()
{
    if (m_running || m_steps.empty())
        return;
    m_running = true;
    // A step that asks the user something waits in the message box's own event loop; the idle
    // timer, left running, would spin there for nothing.
    const bool idle = m_idle.isActive();
    m_idle.stop();
    const std::function<void()> step = std::move(m_steps.front());
    m_steps.pop_front();
    step();
    m_running = false;
    if (m_steps.empty())
        emit finished();
    else if (idle)
        m_idle.start();
}

} // namespace belvane
