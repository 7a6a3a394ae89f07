#pragma once
// What the office tells the program to hold its quotes against, beside its own past prices: the
// CUB (the construction cost per square metre that each state's builders' union publishes every
// month) and, for each project category, the share of the construction cost a design fee usually
// takes. Nothing is assumed: a reference the office has not filled in is not used.
#include <QMap>
#include <QString>

#include <array>

namespace belvane {

struct PriceReferences {
    static constexpr int kCategories = 4;

    double cubPerM2 = 0;                             // R$/m²; 0 while not filled in
    QString cubSource;                               // state and month of the CUB, as the user wrote them
    std::array<double, kCategories> percentOfWork{}; // category 1..4 at index 0..3; 0: not filled in

    bool hasCub() const { return cubPerM2 > 0; }
    // The category's share of the construction cost in percent, when filled in.
    double percentFor(int category) const;

    // As kept among the office's settings in the database, and back.
    QMap<QString, QString> toSettings() const;
    static PriceReferences fromSettings(const QMap<QString, QString>& settings);

    bool operator==(const PriceReferences&) const = default;
};

// Whether a typed value may be stored: a number, not negative, and at most 100 for a percentage.
bool acceptableReference(double value, bool isPercent);

} // namespace belvane
