#include "support/OfficeFixture.h"

#include "support/Files.h"
#include "support/Records.h"

#include <QVBoxLayout>

namespace belvane::test {

void OfficeFixture::SetUp()
{
    ScriptedUiTest::SetUp();
    if (HasFatalFailure())
        return;
    m_state.setFolders(DataFolders::beside(appDir()));
    ASSERT_TRUE(m_state.folders().create());
    TOfficeData office;
    DefaultOffice(office);
    m_state.setCurrentOffice(office);
    m_host = std::make_unique<QWidget>();
    m_page = new OfficePage(m_state, m_host.get());
    (new QVBoxLayout(m_host.get()))->addWidget(m_page);
    m_page->ShowOffice(m_state.currentOffice());
    m_page->ResetOfficePage();
    m_page->EnableOfficeEditing(false);
    m_host->resize(1254, 640);
    m_host->show();
    m_page->pageShown();
}

void OfficeFixture::TearDown()
{
    m_host.reset();
    ScriptedUiTest::TearDown();
}

QByteArray OfficeFixture::officeBytes() const
{
    return fileContents(officePath(), QByteArray());
}

TOfficeData OfficeFixture::storedOffice() const
{
    return test::storedOffice(officePath());
}

QStringList OfficeFixture::column(const char* gridName, int col)
{
    EditableGrid* g = grid(gridName);
    QStringList texts;
    for (int r = 0; r < g->rowCount(); ++r)
        texts << g->cellText({r, col});
    return texts;
}

void OfficeFixture::enterRows(const char* gridName, const char* addButton,
                              std::initializer_list<std::pair<const char*, const char*>> rows)
{
    EditableGrid* g = grid(gridName);
    g->removeAllRows();
    for (const auto& [text, value] : rows) {
        click(addButton);
        const int row = g->rowCount() - 1;
        g->userEdit({row, 0}, QString::fromUtf8(text));
        g->userEdit({row, 1}, QString::fromUtf8(value));
    }
}

} // namespace belvane::test
