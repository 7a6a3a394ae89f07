#pragma once
// The bytes of a ZIP archive as the program's own writer makes it, for the readers to take apart.
#include "core/backup/ZipArchive.h"

#include <QByteArray>

#include <vector>

namespace belvane::test {

// A writer that gives up fails the test.
QByteArray zipOf(const std::vector<ZipEntry>& entries);

} // namespace belvane::test
