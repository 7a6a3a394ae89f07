#include "support/TestFolder.h"

#include "core/storage/StorageFaults.h"

namespace belvane::test {

void TestFolder::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
}

void TestFolder::TearDown()
{
    StorageFaults::clear();
}

} // namespace belvane::test
