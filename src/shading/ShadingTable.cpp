#include "shading/ShadingTable.h"

#include "math/numbers.h"
#include "overlay/ValueClasses.h"

#include <QStringList>

namespace shading {

Measure classMeasure(int temperatureClass) {
    return kMeasures[static_cast<std::size_t>(temperatureClass)];
}

QString periodKey(Period period) {
    switch (period) {
        case Period::FirstHalf:
            return QStringLiteral("1");
        case Period::SecondHalf:
            return QStringLiteral("2");
        case Period::Year:
            break;
    }
    return QStringLiteral("ano");
}

QString measureKey(Measure measure) {
    switch (measure) {
        case Measure::Sun:
            return QStringLiteral("sol");
        case Measure::Radiation:
            return QStringLiteral("radiacao");
        default:
            break;
    }
    return QStringLiteral("classe%1").arg(static_cast<int>(measure));
}

QString periodCaption(Period period) {
    switch (period) {
        case Period::FirstHalf:
            return QStringLiteral("até 21 de Junho");
        case Period::SecondHalf:
            return QStringLiteral("após 21 de Junho");
        case Period::Year:
            break;
    }
    return QStringLiteral("Ano");
}

QString measureCaption(Measure measure) {
    switch (measure) {
        case Measure::Sun:
            return QStringLiteral("Sol em frente à fachada");
        case Measure::Radiation:
            return QStringLiteral("Radiação direta na fachada");
        default:
            break;
    }
    const auto rows = overlay::legendRows(overlay::Quantity::Temperature);
    return rows[static_cast<std::size_t>(measure) - 1].caption;
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
