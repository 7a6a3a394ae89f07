#include "core/storage/WriteGate.h"

#include <QDir>
#include <QFileInfo>

namespace belvane {
namespace {

struct Guard {
    QString folder;  // absolute, ending with '/'
    WriteGate::Check check;
};

Guard& guard()
{
    static Guard installed;
    return installed;
}

} // namespace

void WriteGate::install(const QString& folder, Check check)
{
    QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!absolute.endsWith(u'/'))
        absolute += u'/';
    guard() = {absolute, std::move(check)};
}

void WriteGate::uninstall()
{
    guard() = {};
}

IoResult WriteGate::check(const QString& path)
{
    const Guard& current = guard();
    if (!current.check)
        return IoResult::success();
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!absolute.startsWith(current.folder))
        return IoResult::success();
    return current.check();
}

} // namespace belvane
