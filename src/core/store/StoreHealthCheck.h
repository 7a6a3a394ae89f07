#pragma once
// The whole database checked away from the start: reading every page of a database that holds
// years of revisions takes seconds, so it runs on a thread of its own, on a connection of its own,
// after an unclean close and every few days, and reports back on the thread that started it.
#include "core/store/ExtensionDatabase.h"

#include <QDate>
#include <QObject>

namespace belvane {

class StoreHealthCheck : public QObject {
    Q_OBJECT
public:
    // A healthy database is checked again after this many days.
    static constexpr int kEveryDays = 7;

    explicit StoreHealthCheck(QObject* parent = nullptr) : QObject(parent) {}
    ~StoreHealthCheck() override;

    // Whether the whole file is due for a check.
    static bool due(const QDate& lastCheck, const QDate& today, bool afterUncleanClose);
    // Starts checking the file at `path`; finished() follows.
    void start(const QString& path);
    bool running() const { return m_thread != nullptr; }

signals:
    void finished(belvane::StoreHealth health);

private:
    QThread* m_thread = nullptr;
};

} // namespace belvane
