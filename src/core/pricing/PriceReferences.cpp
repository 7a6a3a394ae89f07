#include "core/pricing/PriceReferences.h"

#include <cmath>

namespace belvane {
namespace {

const QString kCubKey = QStringLiteral("preco.cub");
const QString kCubSourceKey = QStringLiteral("preco.cub_referencia");

QString percentKey(int category)
{
    return QStringLiteral("preco.percentual_categoria_%1").arg(category);
}

// Settings are kept as text in the C locale, so a folder reads the same on every machine.
double numberOf(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && acceptableReference(value, false) ? value : 0.0;
}

} // namespace

double PriceReferences::percentFor(int category) const
{
    return category >= 1 && category <= kCategories ? percentOfWork[std::size_t(category - 1)] : 0.0;
}

QMap<QString, QString> PriceReferences::toSettings() const
{
    QMap<QString, QString> settings;
    settings.insert(kCubKey, QString::number(cubPerM2, 'g', 17));
    settings.insert(kCubSourceKey, cubSource);
    for (int category = 1; category <= kCategories; ++category)
        settings.insert(percentKey(category), QString::number(percentFor(category), 'g', 17));
    return settings;
}

PriceReferences PriceReferences::fromSettings(const QMap<QString, QString>& settings)
{
    PriceReferences references;
    references.cubPerM2 = numberOf(settings.value(kCubKey));
    references.cubSource = settings.value(kCubSourceKey);
    for (int category = 1; category <= kCategories; ++category) {
        const double percent = numberOf(settings.value(percentKey(category)));
        references.percentOfWork[std::size_t(category - 1)] =
            acceptableReference(percent, true) ? percent : 0.0;
    }
    return references;
}

bool acceptableReference(double value, bool isPercent)
{
    return std::isfinite(value) && value >= 0 && (!isPercent || value <= 100);
}

} // namespace belvane
