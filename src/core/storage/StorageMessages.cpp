#include "core/storage/StorageMessages.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <initializer_list>

namespace belvane {

namespace {

QString nativePath(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QString sentence(const char* action, const QString& path, const QString& reason)
{
    QString text = reason.trimmed();
    // System texts sometimes end with their own full stop; the sentence adds one.
    while (text.endsWith(u'.'))
        text.chop(1);
    if (text.isEmpty())
        text = QStringLiteral("erro desconhecido");
    return QStringLiteral("Não foi possível %1 o arquivo \"%2\": %3.")
        .arg(QString::fromUtf8(action), nativePath(path), text);
}

// Qt reports system failures with the system's text for the error number, not the number itself;
// comparing with the text Qt would give for a known number recovers which case it was, in any
// language the system speaks.
bool isSystemText(const QString& systemText, std::initializer_list<int> codes)
{
    for (const int code : codes) {
        if (systemText == qt_error_string(code))
            return true;
    }
    return false;
}

bool folderMissing(const QString& path)
{
    return !QFileInfo(QFileInfo(path).absolutePath()).isDir();
}

} // namespace

QString readFailureMessage(const QString& path, const QString& reason)
{
    return sentence("ler", path, reason);
}

QString saveFailureMessage(const QString& path, const QString& reason)
{
    return sentence("salvar", path, reason);
}

QString removeFailureMessage(const QString& path, const QString& reason)
{
    return sentence("excluir", path, reason);
}

bool isMissingFileText(const QString& systemText)
{
    return isSystemText(systemText, {ENOENT});
}

QString failureReason(const QString& path, QFileDevice::FileError error, const QString& systemText)
{
    if (folderMissing(path))
        return QStringLiteral("a pasta não existe");
    if (QFileInfo(path).isDir())
        return QStringLiteral("o nome indica uma pasta, não um arquivo");
    if (error == QFileDevice::ResourceError || isSystemText(systemText, {ENOSPC, EDQUOT}))
        return QStringLiteral("o disco está cheio");
    if (isSystemText(systemText, {EROFS}))
        return QStringLiteral("o disco está protegido contra gravação");
    if (error == QFileDevice::PermissionsError || isSystemText(systemText, {EACCES, EPERM}))
        return QStringLiteral("acesso negado");
    if (isMissingFileText(systemText))
        return QStringLiteral("o arquivo não existe");
    return systemText;
}

} // namespace belvane
