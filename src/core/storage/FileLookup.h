#pragma once
// Data files were born on a system where letter case in file names does not matter, and users
// copy them between machines: "Office.bvo" may arrive as "OFFICE.BVO". This finds a file by name
// whatever the case of its letters.
#include <QSet>
#include <QString>
#include <QStringList>

namespace belvane {

// The path of the file in `folder` whose name equals `fileName` ignoring letter case, preferring
// the exact spelling when several match; empty when there is none. Folders never match.
QString findFileIgnoringCase(const QString& folder, const QString& fileName);

// The names of the entries of a folder (files and anything else but "." and ".."), read straight
// from the folder without looking at each entry: tens of thousands of budget files take
// milliseconds. Empty when the folder cannot be read.
QStringList folderEntryNames(const QString& folder);

// The names of a folder's files, listed once and folded to one case: asking for thousands of
// names costs one listing, not one per name (a folder copied from another system may spell every
// name in lower case, and each miss of the exact spelling would list the folder again).
class FolderListing {
public:
    explicit FolderListing(const QString& folder);
    bool contains(const QString& fileName) const;

private:
    QSet<QString> m_folded;
};

} // namespace belvane
