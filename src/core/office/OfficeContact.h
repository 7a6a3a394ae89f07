#pragma once
// What a proposal says about the office beyond its name: where it is, how to reach it, its
// registration with the CAU (the council of architecture and urbanism) and how long a proposal
// holds. Kept among the office's settings in the database, saved with the office.
#include <QMap>
#include <QString>

namespace belvane {

struct OfficeContact {
    static constexpr int kDefaultValidityDays = 30;

    QString address;
    QString phone;
    QString email;
    QString cauNumber;
    int validityDays = kDefaultValidityDays;

    QMap<QString, QString> toSettings() const;
    static OfficeContact fromSettings(const QMap<QString, QString>& settings);
    bool operator==(const OfficeContact&) const = default;
};

} // namespace belvane
