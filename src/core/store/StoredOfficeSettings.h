#pragma once
// The office's settings that its file has no room for (price references, contact), by key
// (table office_settings).
#include "core/storage/IoResult.h"

#include <QMap>
#include <QString>

namespace belvane {

class ExtensionDatabase;

class StoredOfficeSettings {
public:
    // The schema version that made the table.
    static constexpr int kMadeIn = 3;

    explicit StoredOfficeSettings(ExtensionDatabase& database) : m_database(database) {}

    QMap<QString, QString> all() const;
    // Stores the settings given, replacing those of the same keys, all or none; the database is
    // made if the folder has none yet.
    IoResult save(const QMap<QString, QString>& settings);

private:
    ExtensionDatabase& m_database;
};

} // namespace belvane
