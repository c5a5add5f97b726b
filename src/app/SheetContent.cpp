#include "app/SheetContent.h"

#include "app/ChartPicture.h"
#include "climate/Windows1252.h"
#include "math/numbers.h"
#include "overlay/HalfYear.h"
#include "overlay/ValueClasses.h"
#include "wind/Seasons.h"
#include "wind/WindFile.h"

#include <cmath>

namespace {

const QString kSeparator = QStringLiteral(" · ");

QString number(double value) {
    return QString::fromStdString(math::formatGeneral(value));
}

// 27.6° S, 44.5308° N; the equator without a hemisphere.
QString latitudeText(double degrees) {
    if (degrees == 0.0) {
        return QStringLiteral("0°");
    }
    return number(std::fabs(degrees)) +
           (degrees < 0 ? QStringLiteral("° S") : QStringLiteral("° N"));
}

// The index holds longitudes in degrees west: 118.4° O, 11.2969° L.
std::optional<QString> longitudeText(const std::string& indexText) {
    QString text = climate::decodeWindows1252(indexText);
    text.replace(u',', u'.');
    const std::optional<double> west = math::parseNumber(text.toStdString());
    if (!west) {
        return std::nullopt;
    }
    if (*west == 0.0) {
        return QStringLiteral("0°");
    }
    return number(std::fabs(*west)) + (*west > 0 ? QStringLiteral("° O") : QStringLiteral("° L"));
}

QString timeZoneText(double hours) {
    return QStringLiteral("UTC") + (hours < 0 ? QStringLiteral("-") : QStringLiteral("+")) +
           number(std::fabs(hours));
}

QString placeLine(const scene::ChartRequest& request) {
    QStringList parts{QStringLiteral("Latitude ") + latitudeText(request.chart.latitudeDeg)};
    if (const auto longitude = longitudeText(request.city->longitude)) {
        parts << QStringLiteral("Longitude ") + *longitude;
    }
    if (request.city->timeZoneHours) {
        parts << QStringLiteral("Fuso horário ") + timeZoneText(*request.city->timeZoneHours);
    }
    return parts.join(kSeparator);
}

QString degrees(const chart::TypedNumber& angle) {
    return angle.text() + u'°';
}

// "Beta à direita: 20°, 50°" for a pair whose first box is checked.
std::optional<QString> angleText(const char* name, const chart::AnglePair& pair) {
    if (!pair.first.checked) {
        return std::nullopt;
    }
    QString text = QString::fromUtf8(name) + QStringLiteral(": ") + degrees(pair.first.angle);
    if (pair.second.checked) {
        text += QStringLiteral(", ") + degrees(pair.second.angle);
    }
    return text;
}

QStringList captionLines(const scene::ChartRequest& request) {
    const chart::ChartInputs& in = request.chart;
    QStringList lines;
    QStringList first;
    if (in.protractor) {
        first << QStringLiteral("Orientação da fachada: ") + degrees(in.orientation);
        if (in.reference == chart::AngleReference::Interna) {
            first << QStringLiteral("Referência: Interna");
        } else if (in.reference == chart::AngleReference::Externa) {
            first << QStringLiteral("Referência: Externa");
        }
    } else {
        first << QStringLiteral("Sem transferidor nem máscaras");
    }
    if (!in.sunPaths) {
        first << QStringLiteral("Sem as trajetórias do sol");
    }
    lines << first.join(kSeparator);
    if (in.protractor) {
        QStringList angles;
        const std::pair<const char*, const chart::AnglePair*> pairs[] = {
            {"Alfa", &in.alpha},
            {"Beta à direita", &in.betaRight},
            {"Beta à esquerda", &in.betaLeft},
            {"Gama à direita", &in.gammaRight},
            {"Gama à esquerda", &in.gammaLeft}};
        for (const auto& [name, pair] : pairs) {
            if (const auto text = angleText(name, *pair)) {
                angles << *text;
            }
        }
        lines << (angles.isEmpty()
                      ? QStringLiteral("Nenhum ângulo de máscara")
                      : QStringLiteral("Ângulos de máscara: ") + angles.join(kSeparator));
    }
    if (request.overlay) {
        lines << QStringLiteral("Dados horários: ") +
                     QString::fromUtf8(overlay::quantityName(request.overlay->inputs.quantity)) +
                     QStringLiteral(", ") +
                     QString::fromUtf8(overlay::halfYearName(request.periodItem));
    }
    return lines;
}

output::SheetLegend legend(const scene::OverlaySource& source, int periodItem) {
    output::SheetLegend legend;
    legend.title = QStringLiteral("Legenda: ") +
                   QString::fromUtf8(overlay::quantityName(source.inputs.quantity)) +
                   QStringLiteral(", ") + QString::fromUtf8(overlay::halfYearName(periodItem));
    for (const overlay::LegendRow& row : overlay::legendRows(source.inputs.quantity)) {
        legend.rows.push_back({row.colour, row.caption});
    }
    return legend;
}

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

template <std::size_t Rows>
output::TextTable table(const QString& title, const std::array<const char*, Rows>& rowHeaders,
                        const std::array<std::array<QString, 4>, Rows>& cells) {
    output::TextTable t;
    t.title = title;
    t.columnHeaders = wind::seasonLetters();
    for (std::size_t r = 0; r < Rows; ++r) {
        t.rowHeaders << utf8(rowHeaders[r]);
        t.cells.emplace_back(cells[r].begin(), cells[r].end());
    }
    return t;
}

}  // namespace

std::vector<output::TextTable> windTables(const scene::WindScene& scene, int modeItem) {
    const bool speeds = wind::windModeFromItem(modeItem) == wind::WindMode::PredominantSpeeds;
    const QString title = utf8(wind::kModeNames[speeds ? 0 : 1]) +
                          (speeds ? QStringLiteral(" (m/s)") : QStringLiteral(" (%)"));
    QString calms = utf8(wind::kCalmCaption);
    calms.chop(1);  // the colon of the label
    return {table(title, wind::kDirectionNames, scene.directionCells),
            table(calms, wind::kDayPeriodNames, scene.calmCells)};
}

output::TextTable shadingTable(const shading::ShadingTable& numbers) {
    output::TextTable t;
    t.title = QStringLiteral("Desempenho da máscara: horas de sol na fachada e parte sombreada");
    for (const shading::Period p : shading::kPeriods) {
        t.columnHeaders << shading::periodCaption(p);
    }
    for (const shading::Measure m : shading::kMeasures) {
        t.rowHeaders << shading::measureCaption(m);
        QStringList row;
        for (const shading::Period p : shading::kPeriods) {
            const shading::ShadingCell& cell = numbers.at(p, m);
            QString text = cell.kwhPerM2 ? shading::kwhText(cell) + QStringLiteral(" kWh/m²")
                                         : shading::hoursText(cell) + QStringLiteral(" h");
            if (cell.shadedPct) {
                text += QStringLiteral(" · ") + shading::percentText(cell) + QStringLiteral(" %");
            }
            row << text;
        }
        t.cells.push_back(row);
    }
    return t;
}

output::DesignSheet designSheet(const SheetSources& sources) {
    const scene::ChartRequest& request = sources.request;
    output::DesignSheet sheet;
    if (request.city) {
        sheet.title = request.chart.cityName;
        sheet.place = placeLine(request);
    } else {
        sheet.title = QStringLiteral("Latitude ") + latitudeText(request.chart.latitudeDeg);
    }
    sheet.chart = output::composeChart(sources.layers, std::nullopt);
    sheet.pictograms = referencePictograms(sources.referenceItem);
    sheet.radiusCm = sources.radiusCm;
    sheet.caption = captionLines(request);
    if (request.overlay) {
        sheet.legend = legend(*request.overlay, request.periodItem);
    }
    if (sources.wind) {
        const bool speeds =
            wind::windModeFromItem(sources.wind->modeItem) == wind::WindMode::PredominantSpeeds;
        std::vector<output::TextTable> tables =
            windTables(sources.wind->scene, sources.wind->modeItem);
        sheet.wind = output::SheetWind{
            QStringLiteral("Rosa dos Ventos: ") + utf8(wind::kModeNames[speeds ? 0 : 1]),
            sources.wind->rose, std::move(tables[0]), std::move(tables[1])};
    }
    sheet.shading = sources.shading;
    sheet.footer = QStringLiteral("Folha de projeto do ZENITA " ZENITA_VERSION);
    return sheet;
}
