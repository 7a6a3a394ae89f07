#pragma once
// Data files were born on a system where letter case in file names does not matter, and users
// copy them between machines: "Office.bvo" may arrive as "OFFICE.BVO". This finds a file by name
// whatever the case of its letters.
#include <QString>

namespace belvane {

// The path of the file in `folder` whose name equals `fileName` ignoring letter case, preferring
// the exact spelling when several match; empty when there is none. Folders never match.
QString findFileIgnoringCase(const QString& folder, const QString& fileName);

} // namespace belvane
