#pragma once
// The office page on its own, on a fresh temporary data folder, prepared as start-up prepares it
// on a first start (record defaults shown, then the page's default rows), shown in a plain window
// with the clock pinned and every message box scripted. At the end the fixture checks that no
// queued answer was left unused and that no question came without an answer.
#include "core/office/OfficeFile.h"
#include "core/text/Clock.h"
#include "ui/app/AppState.h"
#include "ui/office/OfficePage.h"
#include "ui/widgets/EditableGrid.h"
#include "ui/widgets/NumberEdit.h"
#include "ui/widgets/Prompts.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace belvane::test {

class OfficeFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::setFixed(QDateTime(QDate(2026, 12, 9), QTime(10, 30)));
        Prompts::startScript();
        ASSERT_TRUE(m_dir.isValid());
        m_state.folders = DataFolders::beside(m_dir.path() + QLatin1Char('/'));
        ASSERT_TRUE(m_state.folders.create());
        DefaultOffice(m_state.CurrentOffice);
        m_host = std::make_unique<QWidget>();
        m_page = new OfficePage(m_state, m_host.get());
        (new QVBoxLayout(m_host.get()))->addWidget(m_page);
        m_page->ShowOffice(m_state.CurrentOffice);
        m_page->ResetOfficePage();
        m_page->EnableOfficeEditing(false);
        m_host->resize(1254, 640);
        m_host->show();
        m_page->pageShown();
    }

    void TearDown() override
    {
        m_host.reset();
        EXPECT_EQ(Prompts::pendingAnswers(), 0) << "answers queued but never asked for";
        EXPECT_TRUE(Prompts::unexpected().isEmpty())
            << "questions without a queued answer: " << Prompts::unexpected().join(" | ").toStdString();
        Prompts::stopScript();
        Clock::setFixed({});
    }

    AppState& state() { return m_state; }
    OfficePage* page() { return m_page; }
    bool modified() const { return m_state.officeDraft.modified(); }
    template <class T>
    T* find(const char* name)
    {
        T* found = m_host->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << "no control named " << name;
        return found;
    }
    EditableGrid* grid(const char* name) { return find<EditableGrid>(name); }
    QString shown(const char* numberField) { return find<NumberEdit>(numberField)->text(); }
    void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    QString officePath() const { return m_state.folders.officeDir + QStringLiteral("Office.bvo"); }
    QByteArray officeBytes() const
    {
        QFile file(officePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    TOfficeData storedOffice() const
    {
        TOfficeData office = zeroOffice();
        EXPECT_EQ(ReadOfficeFile(office, officePath()).state, RecordReadState::Read);
        return office;
    }
    // The texts of one column, top to bottom.
    QStringList column(const char* gridName, int col)
    {
        EditableGrid* g = grid(gridName);
        QStringList texts;
        for (int r = 0; r < g->rowCount(); ++r)
            texts << g->cellText(col, r);
        return texts;
    }
    // Replaces a grid's rows by the given (text, value) rows, as the user would by adding rows
    // and typing into them.
    void enterRows(const char* gridName, const char* addButton,
                   std::initializer_list<std::pair<const char*, const char*>> rows)
    {
        EditableGrid* g = grid(gridName);
        g->removeAllRows();
        for (const auto& [text, value] : rows) {
            click(addButton);
            const int row = g->rowCount() - 1;
            g->userEdit(0, row, QString::fromUtf8(text));
            g->userEdit(1, row, QString::fromUtf8(value));
        }
    }

    QTemporaryDir m_dir;
    AppState m_state;
    std::unique_ptr<QWidget> m_host;
    OfficePage* m_page = nullptr;
};

} // namespace belvane::test
