#pragma once
// What a save of a budget leaves behind besides the new file: the file it replaced, kept as the
// budget's next revision. Nothing the office ever sent a client is lost by saving over it.
//
// The replaced file and its revision go together: the revision is stored in the same database
// transaction that the new file is written in, so it is kept if and only if the file was replaced.
// A save that changes no byte of the file keeps no revision.
#include "core/budget/BudgetRecord.h"
#include "core/storage/IoResult.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

#include <functional>

namespace belvane {

class ExtensionStore;

class ReplacedVersion {
public:
    // The file of budget `number` as it stands before the save or the restore, found whatever
    // the letter case of its name.
    ReplacedVersion(ExtensionStore& store, const QString& projectsDir, int number, QDateTime at);

    // Where the budget's file is (or goes, when there is none yet).
    const QString& path() const { return m_path; }
    // The file's bytes; empty when there is none or it is not a whole budget file (nothing worth
    // keeping as a revision).
    const QByteArray& bytes() const { return m_bytes; }
    // The file is there but could not be read: replacing it would lose it, so nothing may.
    const QString& readError() const { return m_readError; }
    // Writes the new file by `writeFile` and keeps the replaced one as a revision, both or
    // neither. When the database cannot take the revision the file is left as it was and
    // databaseFailed() tells so: the caller may ask the user whether to save without it.
    IoResult replace(const TBudgetData& next, const std::function<IoResult()>& writeFile);
    bool databaseFailed() const { return m_databaseFailed; }

private:
    ExtensionStore& m_store;
    QString m_path;
    QByteArray m_bytes;
    QString m_readError;
    QDateTime m_at;
    bool m_databaseFailed = false;
};

} // namespace belvane
