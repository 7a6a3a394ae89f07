#include "support/ScriptedUiTest.h"

#include <QPushButton>
#include <QTest>

namespace belvane::test {

void ScriptedUiTest::SetUp()
{
    Clock::setFixed(QDateTime(QDate(2026, 12, 9), QTime(10, 30)));
    Prompts::startScript();
    ASSERT_TRUE(m_dir.isValid());
}

void ScriptedUiTest::TearDown()
{
    EXPECT_EQ(Prompts::pendingAnswers(), 0) << "answers queued but never asked for";
    EXPECT_TRUE(Prompts::unexpected().isEmpty())
        << "questions without a queued answer: " << Prompts::unexpected().join(" | ").toStdString();
    Prompts::stopScript();
    Clock::setFixed({});
}

void ScriptedUiTest::click(const char* button)
{
    QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton);
}

} // namespace belvane::test
