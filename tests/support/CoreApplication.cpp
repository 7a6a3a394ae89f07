#include "support/CoreApplication.h"

#include <QCoreApplication>

namespace belvane::test {

void ensureCoreApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "belvane_core_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

} // namespace belvane::test
