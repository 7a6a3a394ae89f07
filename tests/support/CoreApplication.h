#pragma once
// Qt loads its database drivers as plugins, which needs an application object: core tests that
// open the store's database make sure there is one.
namespace belvane::test {

void ensureCoreApplication();

} // namespace belvane::test
