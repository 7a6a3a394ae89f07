#include "support/AppFixture.h"

#include "core/history/HistoryStore.h"

namespace belvane::test {

void AppFixture::TearDown()
{
    m_window.reset();
    ScriptedUiTest::TearDown();
}

TForm1& AppFixture::start()
{
    m_window = std::make_unique<TForm1>(appDir());
    // Tests find every page and the data at once; the program reads the data behind its splash
    // box and builds each page when it is first shown.
    m_window->finishStartup();
    m_window->buildAllPages();
    return *m_window;
}

} // namespace belvane::test
