#include "support/AppFixture.h"
#include "ui/budget/ProjectControls.h"

#include <QDir>
#include <QPushButton>
#include <QStackedWidget>

using namespace belvane;
using belvane::test::AppFixture;

// Not a check: renders every page to PNG files for a person to look at. Runs only when
// BELVANE_SCREENSHOT_DIR names a folder.
using ScreenshotTest = AppFixture;

TEST_F(ScreenshotTest, EveryPage)
{
    const QString folder = qEnvironmentVariable("BELVANE_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "set BELVANE_SCREENSHOT_DIR to render the pages";
    QDir().mkpath(folder);
    TForm1& w = start();
    w.show();
    w.splash()->hide();
    const auto shot = [&](const QString& name) { w.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")); };
    shot(QStringLiteral("0-menu"));
    const char* names[] = {"", "1-office", "2-project", "3-history", "4-stats"};
    for (int page = 1; page <= 4; ++page) {
        w.AbColBitBtn1Click(page);
        shot(QString::fromLatin1(names[page]));
    }
    w.AbColBitBtn1Click(kProjectPage);
    w.findChild<QPushButton*>(QLatin1String(controls::project::kResourcesSelector))->click();
    shot(QStringLiteral("2-project-resources"));
    w.splash()->show();
    w.splash()->grab().save(folder + QStringLiteral("/splash.png"));
}
