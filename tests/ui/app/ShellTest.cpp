#include "support/AppFixture.h"
#include "support/Budgets.h"

#include "ui/app/AppControls.h"
#include "ui/app/TForm2.h"
#include "ui/budget/ProjectControls.h"
#include "ui/history/HistoryPage.h"
#include "ui/office/OfficeControls.h"

#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

using namespace belvane;
using namespace belvane::test;

using ShellTest = AppFixture;

TEST_F(ShellTest, FirstStartCreatesTheDataFoldersAndShowsTheMenu)
{
    TForm1& w = start();
    EXPECT_TRUE(QDir(appDir() + QStringLiteral("Projetos")).exists());
    EXPECT_TRUE(QDir(appDir() + QStringLiteral("Escrt")).exists());
    EXPECT_FALSE(QFile::exists(appDir() + QStringLiteral("Escrt/Office.bvo")));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("B+V"));
    EXPECT_EQ(w.pages()->currentIndex(), kMenuPage);
    EXPECT_EQ(w.pages()->count(), 5);
    EXPECT_EQ(w.state().currentOffice().Name.toQString(), QStringLiteral("Meu escritório"));
    EXPECT_FALSE(w.state().officeDraft().modified());
    EXPECT_TRUE(closeWindow());   // nothing was edited: nothing is asked
    EXPECT_TRUE(Prompts::messages().isEmpty());
}

TEST_F(ShellTest, TheWindowOpensOnTheMenuAndTheRestFollowsBehindTheSplash)
{
    saveBudgetTo(projects(), listedBudget(1, QStringLiteral("Ana"), 100.0f, 1000.0f));
    m_window = std::make_unique<TForm1>(appDir());
    TForm1& w = *m_window;
    w.show();
    EXPECT_FALSE(w.pageBuilt(kHistoryPage)); // the menu alone
    ASSERT_TRUE(w.splash()->isVisible());
    // A message at start-up would wait behind the box, which stays on top: the box gives way.
    QDialog message(&w);
    message.show();
    EXPECT_FALSE(w.splash()->isVisible());
    message.hide();
    // A page asked for before the data are read is there at once, taking no input until they are.
    w.openPage(kHistoryPage);
    EXPECT_EQ(w.pages()->currentIndex(), kHistoryPage);
    EXPECT_TRUE(w.pageBuilt(kHistoryPage));
    EXPECT_FALSE(w.pageBuilt(kProjectPage));
    EXPECT_FALSE(w.historyPage()->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(w.startupFinished(), 10000);
    EXPECT_TRUE(w.historyPage()->isEnabled());
    EXPECT_EQ(history().rowCount(), 1);
    EXPECT_EQ(w.state().budget().record().Number, 2);
}

TEST_F(ShellTest, AWindowClosedBeforeItsDataAreReadWritesNothing)
{
    saveBudgetTo(projects(), listedBudget(1, QStringLiteral("Ana"), 100.0f, 1000.0f));
    m_window = std::make_unique<TForm1>(appDir());
    m_window->show();
    const FolderPicture before = pictureOfDataFolders(appDir());
    EXPECT_TRUE(closeWindow());
    m_window.reset();
    EXPECT_EQ(pictureOfDataFolders(appDir()), before);
}

TEST_F(ShellTest, MenuButtonsCaptionsAndPages)
{
    start();
    const struct { const char* name; const char* caption; int page;
    } buttons[] = {{controls::app::kMenuOffice, "ESCRITÓRIO", 1},
                   {controls::app::kMenuBudget, "ORÇAMENTO", 2},
                   {controls::app::kMenuHistory, "HISTÓRICO", 3},
                   {controls::app::kMenuStatistics, "ESTATÍSTICA", 4}};
    for (const auto& b : buttons) {
        auto* button = find<QPushButton>(b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(button->size(), QSize(203, 145));
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(window().pages()->currentIndex(), b.page);
        window().showMenu();
        EXPECT_EQ(window().pages()->currentIndex(), kMenuPage);
    }
    EXPECT_EQ(find<QPushButton>(controls::app::kMenuExit)->text(), QStringLiteral("SAIR"));
}

TEST_F(ShellTest, HeaderShowsMenuButtonAndClockOnlyAwayFromTheMenu)
{
    TForm1& w = start();
    w.show();
    auto* menu = find<QPushButton>(controls::app::kHeaderMenu);
    auto* clock = find<QLabel>("Label8");
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(clock->isVisible());
    w.openPage(kHistoryPage);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(clock->isVisible());
    // Brazilian long date and 24-hour time, whatever the system locale.
    EXPECT_EQ(clock->text(), QStringLiteral("quarta-feira, 9 de dezembro de 2026 10:30"));
    QTest::mouseClick(menu, Qt::LeftButton);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(clock->isVisible());
}

TEST_F(ShellTest, ChoosingTheActivePageAgainDoesNotReenterIt)
{
    TForm1& w = start();
    int changes = 0;
    QObject::connect(w.pages(), &QStackedWidget::currentChanged, [&] { ++changes; });
    w.openPage(kOfficePage);
    w.openPage(kOfficePage);
    EXPECT_EQ(changes, 1);
}

TEST_F(ShellTest, SubPageSelectorsAndTheSaveButton)
{
    TForm1& w = start();
    w.openPage(kOfficePage);
    auto* office = find<QStackedWidget>("PageControl2");
    QTest::mouseClick(find<QPushButton>(controls::office::kCostsSelector), Qt::LeftButton);
    EXPECT_EQ(office->currentWidget()->objectName(), QStringLiteral("TabE_despesas"));
    w.showMenu();
    w.openPage(kOfficePage);   // entering the office page starts on "Dados gerais"
    EXPECT_EQ(office->currentWidget()->objectName(), QStringLiteral("TabE_Dados"));
    EXPECT_TRUE(find<QPushButton>(controls::office::kGeneralSelector)->isChecked());

    w.openPage(kProjectPage);
    auto* project = find<QStackedWidget>("PageControl3");
    auto* save = find<QPushButton>(controls::project::kSaveBudget);
    auto* resources = find<QPushButton>(controls::project::kResourcesSelector);
    EXPECT_EQ(resources->text(), QStringLiteral("Recursos "));
    save->setEnabled(true);
    QTest::mouseClick(resources, Qt::LeftButton);
    EXPECT_EQ(project->currentWidget()->objectName(), QStringLiteral("TabP_Recursos"));
    EXPECT_EQ(resources->text(), QStringLiteral("Recursos"));
    EXPECT_FALSE(save->isEnabled());
    save->setEnabled(true);
    QTest::mouseClick(find<QPushButton>(controls::project::kDataSelector), Qt::LeftButton);
    EXPECT_EQ(project->currentWidget()->objectName(), QStringLiteral("TabP_dados"));
    EXPECT_FALSE(save->isEnabled());
}

TEST_F(ShellTest, InstructionNotesCloseWhenTheResourcesSubPageIsLeft)
{
    TForm1& w = start();
    w.show();
    w.openPage(kProjectPage);
    QTest::mouseClick(find<QPushButton>(controls::project::kResourcesSelector), Qt::LeftButton);
    auto* taskNote = find<QPlainTextEdit>("NxMemo6");
    auto* indicatorNote = find<QPlainTextEdit>("NxMemo4");
    QTest::mouseClick(find<QLabel>("Label74"), Qt::LeftButton);
    QTest::mouseClick(find<QLabel>("Label75"), Qt::LeftButton);
    EXPECT_TRUE(taskNote->isVisible());
    EXPECT_TRUE(indicatorNote->isVisible());
    EXPECT_TRUE(taskNote->toPlainText().startsWith(QStringLiteral("COMPLEXIDADE DAS TAREFAS:\n\nBAIXA:")));
    EXPECT_TRUE(indicatorNote->toPlainText().contains(
        QStringLiteral("10. DEFINIÇÃO DO PRAZO\n\n- Baixa: quando o prazo previsto poderá ser cumprido.")));
    QTest::mouseClick(find<QLabel>("Label74"), Qt::LeftButton);
    EXPECT_FALSE(taskNote->isVisible());
    QTest::mouseClick(find<QLabel>("Label74"), Qt::LeftButton);

    w.showMenu();
    w.openPage(kProjectPage);   // entering starts on "Dados": the notes were closed
    QTest::mouseClick(find<QPushButton>(controls::project::kResourcesSelector), Qt::LeftButton);
    EXPECT_FALSE(taskNote->isVisible());
    EXPECT_FALSE(indicatorNote->isVisible());
}

TEST_F(ShellTest, SplashFadesTheMainWindowInThroughExactOpacities)
{
    TForm1& w = start();
    std::vector<int> opacities;
    QObject::connect(&w, &TForm1::alphaBlendValueChanged, [&](int v) { opacities.push_back(v); });
    w.setAlphaBlend(true);
    w.setAlphaBlendValue(0);
    opacities.clear();
    w.show();
    TForm2* splash = w.splash();
    ASSERT_NE(splash, nullptr);
    splash->timer()->stop();   // drive the 50 ms ticks by hand
    while (splash->isVisible())
        splash->stepFade();
    const std::vector<int> expected = {70, 90, 110, 130, 150, 170, 190, 210, 230};
    EXPECT_EQ(opacities, expected);
    EXPECT_FALSE(w.alphaBlend());          // opaque from now on
    EXPECT_EQ(splash->fadeCounter(), 20);
    EXPECT_EQ(w.splash(), splash);         // hidden, not destroyed
}

TEST_F(ShellTest, AboutBoxOnLogoClickOnlyWhenNoneIsShowing)
{
    TForm1& w = start();
    w.show();
    w.showAbout();   // the splash is still fading: the logo belongs to the start-up
    EXPECT_EQ(w.aboutBox(), nullptr);
    w.splash()->hide();
    w.showAbout();
    TForm2* about = w.aboutBox();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(w.alphaBlend());
    w.showAbout();
    EXPECT_EQ(w.aboutBox(), about);   // still fading: nothing happens
    about->timer()->stop();
    while (about->isVisible())
        about->stepFade();
    w.showAbout();
    EXPECT_TRUE(w.aboutBox()->isVisible());
}

TEST_F(ShellTest, ScreenHeightDecidesTheWindowState)
{
    TForm1& w = start();
    w.applyScreenHeightRule(768);
    EXPECT_TRUE(w.opensMaximized());
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    w.applyScreenHeightRule(800);
    EXPECT_FALSE(w.opensMaximized());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w.size(), QSize(1274, 739));
}

TEST_F(ShellTest, WebSiteBarOpensTheSite)
{
    start();
    QTest::mouseClick(find<QLabel>("Panel12"), Qt::LeftButton);
    ASSERT_EQ(Prompts::openedUrls().size(), 1);
    EXPECT_TRUE(Prompts::openedUrls().first().startsWith(QStringLiteral("https://")));
}

TEST_F(ShellTest, UnreadableOfficeFileIsReportedAndKept)
{
    QDir().mkpath(appDir() + QStringLiteral("Escrt"));
    const QString path = appDir() + QStringLiteral("Escrt/office.BVO");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not an office");
    file.close();
    TForm1& w = start();
    ASSERT_EQ(Prompts::messages().size(), 1);
    EXPECT_TRUE(Prompts::messages().first().contains(QStringLiteral("office.BVO")));
    EXPECT_EQ(w.state().currentOffice().Name.toQString(), QStringLiteral("Meu escritório"));
    EXPECT_TRUE(closeWindow());
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("not an office"));
}

TEST_F(ShellTest, RequiredFieldMarkerIsDrawnVisibly)
{
    TForm1& w = start();
    // The marker U+E10B has no glyph in common fonts; the program brings its own. A caption with
    // the marker must paint more ink than the same caption without it.
    const auto ink = [&](const QString& text) {
        QLabel label(text, &w);
        label.setStyleSheet(QStringLiteral("color: black; background: white;"));
        label.adjustSize();
        const QImage image = label.grab().toImage();
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    EXPECT_GT(ink(QStringLiteral("Nome\uE10B")), ink(QStringLiteral("Nome")) + 10);
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("Belvane Marker")));
    EXPECT_TRUE(QFontMetrics(QFont(QStringLiteral("Belvane Marker"))).inFontUcs4(0xE10B));
}
