#include "core/store/StoreHealthCheck.h"

#include <QThread>

#include <memory>

namespace belvane {

StoreHealthCheck::~StoreHealthCheck()
{
    // A check still running when the program closes is waited for: it only reads.
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

bool StoreHealthCheck::due(const QDate& lastCheck, const QDate& today, bool afterUncleanClose)
{
    return afterUncleanClose || !lastCheck.isValid() || lastCheck.daysTo(today) >= kEveryDays
           || lastCheck > today;
}

void StoreHealthCheck::start(const QString& path)
{
    if (m_thread)
        return;
    auto health = std::make_shared<StoreHealth>(StoreHealth::Unknown);
    m_thread = QThread::create([path, health] { *health = ExtensionDatabase::checkFile(path); });
    connect(m_thread, &QThread::finished, this, [this, health] {
        m_thread->deleteLater();
        m_thread = nullptr;
        emit finished(*health);
    });
    m_thread->start(QThread::LowPriority);
}

} // namespace belvane
