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
    // Tests find every page at once; the program builds them behind its splash box.
    m_window->finishStartup();
    return *m_window;
}

} // namespace belvane::test
