#pragma once
// The building use of saved budgets ("Residencial", "Saúde" ...), which the history does not
// list. The store's database keeps the use of every budget saved since it has one; a budget it
// does not know is read from its file the first time it is asked for, and the use found is handed
// to the database so that no budget file is read twice for it. The price check and the
// statistics ask.
#include <QHash>
#include <QString>

#include <utility>
#include <vector>

namespace belvane {

class ExtensionStore;

class BuildingUses {
public:
    explicit BuildingUses(QString projectsDir, ExtensionStore* store = nullptr)
        : m_projectsDir(std::move(projectsDir)), m_store(store)
    {
    }

    // Empty when the budget's file is missing or cannot be read. A number no prefetched range
    // covers has the database read whole first, once.
    QString of(int number);
    // Takes the uses of budgets `first` to `last` from the database in one read: a year's budgets
    // lie close together in numbering.
    void prefetch(int first, int last);
    // A budget was saved with this use.
    void remember(int number, const QString& use);
    // Hands the uses read from files to the database (nothing for a seat that only reads).
    void storeNewlyRead();
    // The data folders were replaced (a backup restored): ask again.
    void forget();

private:
    QString m_projectsDir;
    ExtensionStore* m_store;
    bool covered(int number) const;

    bool m_allLoaded = false;
    std::vector<std::pair<int, int>> m_loadedRanges;
    QHash<int, QString> m_uses;
    QHash<int, QString> m_newlyRead;
};

} // namespace belvane
