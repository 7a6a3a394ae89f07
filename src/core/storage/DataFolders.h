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
    // Creates both folders with any missing parents; false if either could not be made. A folder
    // that cannot be made shows up later, as a clear message when its first file is saved.
    bool create() const;
};

} // namespace belvane
