#include "core/storage/SeatNotices.h"

#include <QDir>

namespace belvane {
namespace {

// In this seat's own time: the lock says the instant with the writer's offset from UTC.
QString when(const QDateTime& moment)
{
    return moment.isValid() ? moment.toLocalTime().toString(QStringLiteral("dd/MM/yyyy 'às' HH:mm"))
                            : QStringLiteral("hora desconhecida");
}

QString who(const LockHolder& holder)
{
    const QString user = holder.user.isEmpty() ? QStringLiteral("um usuário desconhecido") : holder.user;
    const QString machine = holder.machine.isEmpty() ? QStringLiteral("desconhecido") : holder.machine;
    return QStringLiteral("%1 no computador %2").arg(user, machine);
}

} // namespace

QString heldByOtherNotice(const LockHolder& holder)
{
    return QStringLiteral("Somente leitura: a pasta de dados está em uso por %1 desde %2. Nada será salvo "
                          "nesta sessão; quando esse posto fechar o programa, abra-o de novo para salvar.")
        .arg(who(holder), when(holder.since));
}

QString lockFailedNotice(const QString& lockPath)
{
    return QStringLiteral(
               "Somente leitura: não foi possível gravar \"%1\" na pasta de dados. Nada será salvo "
               "nesta sessão.")
        .arg(QDir::toNativeSeparators(lockPath));
}

QString lockLostNotice(const LockHolder& holder)
{
    return QStringLiteral("Somente leitura: a pasta de dados foi assumida por %1. Nada mais será salvo nesta "
                          "sessão; o que não foi salvo pode ser exportado ou anotado antes de fechar.")
        .arg(who(holder));
}

QString staleHolderNotice(const LockHolder& holder)
{
    return QStringLiteral("Somente leitura: a pasta de dados está em uso por %1, mas esse posto não dá sinal há "
                          "mais de %2 minutos. Feche e abra o programa para assumir a pasta.")
        .arg(who(holder))
        .arg(FolderLock::kStaleAfterMinutes);
}

QString lockUnreadableNotice(const QString& lockPath)
{
    return QStringLiteral("Não foi possível ler \"%1\" para confirmar que este posto ainda grava a pasta de "
                          "dados. Nada foi gravado; tente de novo em instantes.")
        .arg(QDir::toNativeSeparators(lockPath));
}

QString staleLockQuestion(const LockHolder& holder)
{
    return QStringLiteral(
               "A pasta de dados está marcada como em uso por %1 desde %2, mas esse posto não dá "
               "sinal há mais de %3 minutos. Isso acontece quando o computador desligou ou o programa "
               "travou.\n\n"
               "Deseja que este posto assuma a pasta? Se o programa ainda estiver aberto lá, "
               "responda Não: este posto abrirá a pasta apenas para leitura.")
        .arg(who(holder), when(holder.since))
        .arg(FolderLock::kStaleAfterMinutes);
}

} // namespace belvane
