#pragma once
// The program keeps its data beside the executable: budgets, the budget counter and the history
// in "Projetos/", the office file and the status colours in "Escrt/". This holds the three folder
// paths, each ending with '/', so a file's path is the folder followed by its name.
#include <QString>

namespace belvane {

struct DataFolders {
    QString appDir;       // ends with '/'
    QString projectsDir;  // appDir + "Projetos/"
    QString officeDir;    // appDir + "Escrt/"

    static DataFolders beside(const QString& appDir);

    // The folder the data folders go into. A program run from a folder it may write in keeps its
    // data beside itself, so a copied program carries its data along; an installed program, whose
    // folder belongs to the system, keeps them in the user's own data folder instead.
    static QString chooseRoot(const QString& programDir, bool programDirWritable, const QString& userDataDir);
    // True when a file can really be created in the folder: permissions, read-only media and
    // network shares all have their say, which the permission bits alone do not tell.
    static bool canWriteIn(const QString& dir);
    // Creates both folders with any missing parents; false if either could not be made. A folder
    // that cannot be made shows up later, as a clear message when its first file is saved.
    bool create() const;
};

} // namespace belvane
