#include "shading/ShadingTable.h"

#include "math/numbers.h"
#include "overlay/ValueClasses.h"

#include <QStringList>

namespace shading {

Measure classMeasure(int temperatureClass) {
    return kMeasures[static_cast<std::size_t>(temperatureClass)];
}

namespace {

// The CSV's key and the caption shown, by period and by measure; the
// temperature classes take the legend's captions.
struct Names {
    const char* key;
    const char* caption;
};
constexpr std::array<Names, kPeriods.size()> kPeriodNames{
    {{"1", "até 21 de Junho"}, {"2", "após 21 de Junho"}, {"ano", "Ano"}}};
constexpr std::array<Names, kMeasures.size()> kMeasureNames{
    {{"sol", "Sol em frente à fachada"},
     {"classe1", nullptr},
     {"classe2", nullptr},
     {"classe3", nullptr},
     {"classe4", nullptr},
     {"classe5", nullptr},
     {"radiacao", "Radiação direta na fachada"}}};

}  // namespace

QString periodKey(Period period) {
    return QString::fromUtf8(kPeriodNames[static_cast<std::size_t>(period)].key);
}

QString measureKey(Measure measure) {
    return QString::fromUtf8(kMeasureNames[static_cast<std::size_t>(measure)].key);
}

QString periodCaption(Period period) {
    return QString::fromUtf8(kPeriodNames[static_cast<std::size_t>(period)].caption);
}

QString measureCaption(Measure measure) {
    const auto m = static_cast<std::size_t>(measure);
    if (const char* caption = kMeasureNames[m].caption) {
        return QString::fromUtf8(caption);
    }
    return overlay::legendRows(overlay::Quantity::Temperature)[m - 1].caption;
}

namespace {

QString oneDecimal(const std::optional<double>& value) {
    return value ? QString::fromStdString(math::formatFixed(*value, 1)) : QString();
}

// Rows of the table's texts, one per period and measure, after a header.
QString joinedRows(const ShadingTable& table, QChar separator, const QStringList& header,
                   bool captions) {
    QString text = header.join(separator) + u'\n';
    for (const Period p : kPeriods) {
        for (const Measure m : kMeasures) {
            const ShadingCell& cell = table.at(p, m);
            const QStringList fields{captions ? periodCaption(p) : periodKey(p),
                                     captions ? measureCaption(m) : measureKey(m), hoursText(cell),
                                     kwhText(cell), percentText(cell)};
            text += fields.join(separator) + u'\n';
        }
    }
    return text;
}

}  // namespace

QString hoursText(const ShadingCell& cell) {
    return QString::number(cell.hours);
}

QString kwhText(const ShadingCell& cell) {
    return oneDecimal(cell.kwhPerM2);
}

QString percentText(const ShadingCell& cell) {
    return oneDecimal(cell.shadedPct);
}

QString csvText(const ShadingTable& table) {
    return joinedRows(table, u',',
                      {QStringLiteral("periodo"), QStringLiteral("medida"), QStringLiteral("horas"),
                       QStringLiteral("kwh_m2"), QStringLiteral("sombreado_pct")},
                      false);
}

QString tabText(const ShadingTable& table) {
    return joinedRows(table, u'\t',
                      {QStringLiteral("Período"), QStringLiteral("Medida"), QStringLiteral("Horas"),
                       QStringLiteral("kWh/m²"), QStringLiteral("Sombreado (%)")},
                      true);
}

}  // namespace shading
