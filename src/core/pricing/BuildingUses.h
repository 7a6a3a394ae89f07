#pragma once
// The building use of saved budgets ("Residencial", "Saúde" ...), which the history does not
// list: read from a budget's file the first time it is asked for, then remembered until the
// history changes. Only the price check asks, and only when too few budgets of the same service
// were won.
#include <QHash>
#include <QString>

namespace belvane {

class BuildingUses {
public:
    explicit BuildingUses(QString projectsDir) : m_projectsDir(std::move(projectsDir)) {}

    // Empty when the budget's file is missing or cannot be read.
    QString of(int number);
    void forget() { m_uses.clear(); }

private:
    QString m_projectsDir;
    QHash<int, QString> m_uses;
};

} // namespace belvane
