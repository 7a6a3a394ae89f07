#include "core/store/StoredOfficeSettings.h"

#include "core/store/ExtensionDatabase.h"
#include "core/store/StoredValues.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace belvane {

QMap<QString, QString> StoredOfficeSettings::all() const
{
    QMap<QString, QString> settings;
    m_database.select(kMadeIn, QStringLiteral("SELECT key, value FROM office_settings"), {},
                      [&](const QSqlQuery& row) { settings.insert(row.value(0).toString(), row.value(1).toString()); });
    return settings;
}

IoResult StoredOfficeSettings::save(const QMap<QString, QString>& settings)
{
    std::vector<QVariantList> rows;
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        rows.push_back({it.key(), storedText(it.value())});
    return m_database.transaction(QStringLiteral("As configurações do escritório"), [&](QSqlDatabase& db) {
        return runForEach(db, QStringLiteral("INSERT OR REPLACE INTO office_settings (key, value) VALUES (?, ?)"),
                          rows);
    });
}

} // namespace belvane
