#pragma once
// Quick ways for a test to put a file on disk, read one back and see what a folder holds, down to
// the hidden files a save may leave behind.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>

namespace belvane::test {

// Writes the bytes as the whole file; a file that cannot be written fails the test.
void writeFile(const QString& path, const QByteArray& bytes);

// The whole file, or `whenUnreadable` when it is missing or cannot be read.
QByteArray fileContents(const QString& path, const QByteArray& whenUnreadable = QByteArrayLiteral("<unreadable>"));

// The names in a folder, sorted; hidden files included: a left-over temporary file must not escape
// notice.
QStringList entriesOf(const QString& folder);

// Relative path -> contents of every file under a folder, hidden ones included. With the folders
// too, each folder is listed with its path ending in '/' and no contents, so that an empty folder
// counts.
using FolderPicture = std::map<QString, QByteArray>;
enum class WithFolders { No, Yes };
FolderPicture pictureOf(const QString& folder, WithFolders withFolders = WithFolders::No);

// The picture of both data folders ("Escrt" and "Projetos") of an application folder, their
// paths relative to the application folder.
FolderPicture pictureOfDataFolders(const QString& appDir, WithFolders withFolders = WithFolders::No);

// A path as the program names it in a message: native separators, in double quotes.
QString quotedNative(const QString& path);

// The superuser reads and writes whatever the permissions say, so denial cannot be shown.
bool runningAsRoot();

} // namespace belvane::test
