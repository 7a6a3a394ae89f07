// The database beside the fixed files, "Belvane.db": any bytes. Whatever the file holds, opening
// it must end in a database the program can use (set aside and made anew when damaged, read-only
// when newer) or in a clear message; nothing may crash, and a damaged file is kept, never lost.
#include "FuzzSupport.h"

#include "core/store/ExtensionStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

using namespace belvane;
using namespace belvane::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Qt loads its database drivers as plugins, which needs an application object.
    static int argc = 1;
    static char name[] = "belvane_fuzz_extension_store";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    const QByteArray bytes = inputBytes(data, size);
    const QString folder = scratchDir() + QStringLiteral("store/");
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    scratchFile(QStringLiteral("store/") + ExtensionDatabase::fileName(), bytes);

    ExtensionStore store(folder);
    const StoreOpen opened = store.database().open();
    switch (opened.state) {
    case StoreOpen::State::Opened:
        check(store.database().schemaVersion() == ExtensionDatabase::kSchemaVersion, "an opened database is up to date");
        break;
    case StoreOpen::State::Recovered: {
        check(!opened.message.isEmpty(), "a damaged database must be told about");
        const QStringList aside = QDir(folder).entryList({QStringLiteral("Belvane.db.danificado-*")}, QDir::Files);
        check(aside.size() == 1 && fileBytes(folder + aside.first()) == bytes, "the damaged file must be kept whole");
        break;
    }
    case StoreOpen::State::ReadOnly:
        check(store.database().readOnly() && store.database().removeBudget(1).ok(), "a newer database is only read");
        check(fileBytes(folder + ExtensionDatabase::fileName()) == bytes, "a newer database must not change");
        break;
    case StoreOpen::State::Created:
        check(bytes.isEmpty(), "an existing file is never taken for a missing one");
        break;
    case StoreOpen::State::Failed:
        check(!opened.message.isEmpty(), "a failure must be told about");
        break;
    }
    return 0;
}
