#include "core/office/OfficeFile.h"

#include "core/storage/FileLookup.h"

namespace belvane {

QString officeFilePath(const QString& officeDir)
{
    const QString found = findFileIgnoringCase(officeDir, QString::fromLatin1(kOfficeFileName));
    return found.isEmpty() ? QDir(officeDir).filePath(QString::fromLatin1(kOfficeFileName)) : found;
}

RecordRead ReadOfficeFile(TOfficeData& office, const QString& path)
{
    return readRecordFile(office, path);
}

IoResult WriteOfficeFile(const TOfficeData& office, const QString& path)
{
    return writeRecordFile(office, path);
}

} // namespace belvane
