#pragma once
// The office file "Office.bvo" in the office folder: one TOfficeData record and nothing else.
// Offices carry this file between machines, so an existing file is found under any
// capitalisation of its name; a new one is created as "Office.bvo".
#include "core/office/OfficeRecord.h"
#include "core/storage/RecordFile.h"

namespace belvane {

inline constexpr auto kOfficeFileName = "Office.bvo";

// The path of the office file in the given folder: the existing file whatever its letter case,
// otherwise the folder + "Office.bvo".
QString officeFilePath(const QString& officeDir);

RecordRead ReadOfficeFile(TOfficeData& office, const QString& path);
IoResult WriteOfficeFile(const TOfficeData& office, const QString& path);

} // namespace belvane
