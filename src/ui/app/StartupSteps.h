#pragma once
// The start-up work that can wait until the window has appeared: the data read, one step per turn
// of the event loop behind the splash box, so the window comes up at once and stays lively. A test
// or a tool that needs the data at once finishes the steps there and then.
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>

namespace belvane {

class StartupSteps : public QObject {
    Q_OBJECT
public:
    StartupSteps();

    // Steps run in the order they were added.
    void add(std::function<void()> step);
    // A step that waits, without holding up the event loop, until `ready` says so (work done on a
    // thread of its own); finish() runs it at once, and it then waits as it must.
    void addWhen(std::function<bool()> ready, std::function<void()> step);
    // From now on one step runs at each turn of the event loop.
    void runWhenIdle();
    // Runs every step not run yet. False when a step is running already: it waits for the user
    // (a question at start-up), and what asked must wait too.
    bool finish();
    bool done() const { return m_steps.empty() && !m_running; }
    // No step is running now (one that asks the user something runs until answered).
    bool idle() const { return !m_running; }

signals:
    void finished();

private:
    void runNext(bool waitIfNeeded = false);

    struct Step {
        std::function<bool()> ready; // empty: always
        std::function<void()> run;
    };
    std::deque<Step> m_steps;
    QTimer m_idle;
    bool m_running = false;
};

} // namespace belvane
