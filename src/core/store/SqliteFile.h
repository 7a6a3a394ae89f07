#pragma once
// What the store knows of an SQLite file apart from its own connection: whether the file starts
// as every database does, what an error of SQLite's says about the file, and a connection of its
// own for a one-off read of the whole file (a check, a backup copy, the start's look for budgets
// whose file is gone), safe on any thread.
#include <QString>

#include <functional>

class QSqlDatabase;
class QSqlError;

namespace belvane::sqlite {

// A connection name no other connection of the program uses.
QString nextConnectionName();

// The first bytes of every SQLite database; a file that lacks them is no database at all. A file
// that cannot be read is not called damaged: the connection will say why.
bool hasDatabaseHeader(const QString& path);

// Only SQLite itself can say a file is damaged: "not a database" or "malformed". Anything else
// (busy, locked, read-only, a full disk, an I/O error on the share) says nothing about the data.
bool meansDamaged(const QSqlError& error);

// Why SQLite refused, in words the user can act on.
QString failureReason(const QSqlError& error);

// Runs one statement; on failure, `failure` (when given) receives the error.
bool run(QSqlDatabase& db, const QString& statement, QSqlError* failure = nullptr);

// Opens the file at `path` on a connection of its own with the connect `options` and hands it to
// `use`; the connection is gone when this returns. False (and `use` not called) when the file
// could not be opened.
bool withOwnConnection(const QString& path, const QString& options,
                       const std::function<void(QSqlDatabase&)>& use);

} // namespace belvane::sqlite
