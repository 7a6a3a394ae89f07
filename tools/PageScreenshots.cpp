#include "support/AppFixture.h"
#include "tools/ScreenshotFolder.h"
#include "ui/budget/ProjectControls.h"

#include <QPushButton>
#include <QStackedWidget>

using namespace belvane;
using belvane::test::AppFixture;

// A tool, not a check: renders every page to PNG files for a person to look at
// (see ScreenshotFolder.h for where they go).
using PageScreenshots = AppFixture;

TEST_F(PageScreenshots, EveryPage)
{
    const QString folder = tools::screenshotFolder();
    TForm1& w = start();
    w.show();
    w.splash()->hide();
    const auto shot = [&](const QString& name) { w.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")); };
    shot(QStringLiteral("0-menu"));
    const char* names[] = {"", "1-office", "2-project", "3-history", "4-stats"};
    for (int page = 1; page <= 4; ++page) {
        w.openPage(page);
        shot(QString::fromLatin1(names[page]));
    }
    w.openPage(kProjectPage);
    w.findChild<QPushButton*>(QLatin1String(controls::project::kResourcesSelector))->click();
    shot(QStringLiteral("2-project-resources"));
    w.splash()->show();
    w.splash()->grab().save(folder + QStringLiteral("/splash.png"));
}
