#include "ui/app/StartupSteps.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

using namespace belvane;

// A step that waits for the user's answer (a message box's own event loop) leaves the idle timer
// stopped meanwhile, instead of spinning it at full speed; the steps after it still run.
TEST(StartupStepsTest, AStepWaitingForTheUserLeavesTheIdleTimerStill)
{
    StartupSteps steps;
    auto* idle = steps.findChild<QTimer*>(QStringLiteral("StartupIdle"));
    ASSERT_NE(idle, nullptr);
    bool idleDuringWait = true;
    bool lastRan = false;
    steps.add([&] {
        QEventLoop answer;
        QTimer::singleShot(20, &answer, [&] {
            idleDuringWait = idle->isActive();
            answer.quit();
        });
        answer.exec();
    });
    steps.add([&] { lastRan = true; });
    QEventLoop loop;
    QObject::connect(&steps, &StartupSteps::finished, &loop, &QEventLoop::quit);
    steps.runWhenIdle();
    loop.exec();
    EXPECT_FALSE(idleDuringWait);
    EXPECT_TRUE(lastRan);
    EXPECT_TRUE(steps.done());
}
