#pragma once
// A main window on a fresh temporary data folder, with the clock pinned and every message box
// scripted. At the end the fixture checks that no queued answer was left unused and that no
// question came without an answer.
#include "core/text/Clock.h"
#include "ui/app/TForm1.h"
#include "ui/widgets/Prompts.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace belvane::test {

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::setFixed(QDateTime(QDate(2026, 12, 9), QTime(10, 30)));
        Prompts::startScript();
        ASSERT_TRUE(m_dir.isValid());
    }

    void TearDown() override
    {
        m_window.reset();
        EXPECT_EQ(Prompts::pendingAnswers(), 0) << "answers queued but never asked for";
        EXPECT_TRUE(Prompts::unexpected().isEmpty())
            << "questions without a queued answer: " << Prompts::unexpected().join(" | ").toStdString();
        Prompts::stopScript();
        Clock::setFixed({});
    }

    QString appDir() const { return m_dir.path() + QLatin1Char('/'); }
    TForm1& start()
    {
        m_window = std::make_unique<TForm1>(appDir());
        return *m_window;
    }
    TForm1& window() { return *m_window; }
    template <class T>
    T* find(const char* name)
    {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << "no control named " << name;
        return found;
    }
    // Closes the window the way the user does; true when it really closed.
    bool closeWindow() { return m_window->close(); }

    QTemporaryDir m_dir;
    std::unique_ptr<TForm1> m_window;
};

} // namespace belvane::test
