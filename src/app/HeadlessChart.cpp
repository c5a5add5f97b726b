#include "app/HeadlessChart.h"

#include "app/ChartPicture.h"
#include "app/PrintCommands.h"
#include "app/SheetContent.h"
#include "climate/ClimateErrors.h"
#include "climate/Messages.h"
#include "climate/TextFile.h"
#include "climate/Windows1252.h"
#include "scene/ChartScene.h"
#include "scene/WindScene.h"
#include "shading/ShadingNumbers.h"
#include "wind/RoseGeometry.h"

#include <QFileInfo>
#include <QStringList>

#include <vector>

namespace {

// The messages the window would show; any of them fails the export.
class Messages {
public:
    void add(const QString& text, const QString& details = {}) {
        messages_ << (details.isEmpty() ? text : text + QStringLiteral(" (") + details + u')');
    }
    void add(const std::optional<scene::Warning>& warning) {
        if (warning) {
            add(warning->text, warning->details);
        }
    }
    void throwIfAny() const {
        if (!messages_.isEmpty()) {
            throw HeadlessChartError(messages_.join(u' ').toStdString());
        }
    }

private:
    QStringList messages_;
};

// A city of the index, chosen by its name as the list shows it, and its line.
struct ChosenCity {
    climate::CityIndexEntry entry;
    int indexLine = 0;  // from 1, as the list's item
};

// The first city of the index with that name. A failure to read the index is
// the window's message; the cities before the failing line stay choosable.
ChosenCity chooseCity(const Services& services, const QString& name, Messages& messages) {
    std::vector<climate::CityIndexEntry> entries;
    const QString index = climate::indexPath(services.baseDirectory);
    if (QFileInfo::exists(index)) {
        try {
            climate::readCityIndex(index, entries);
        } catch (const climate::ClimateError& error) {
            messages.add(climate::errorMessage(), error.message());
        }
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (climate::decodeWindows1252(entries[i].name) == name) {
            return {entries[i], static_cast<int>(i) + 1};
        }
    }
    throw HeadlessChartError("cidade desconhecida: " + name.toStdString());
}

// The overlay would draw nothing, without a word, for a city whose hourly
// file is missing: an export without it would pass for one with it.
bool hourlyFilePresent(const Services& services, const climate::CityIndexEntry& city) {
    return city.hasHourlyFile() &&
           QFileInfo::exists(climate::cityFilePath(services.baseDirectory, city.hourlyFile));
}

void requireHourlyFile(const Services& services, const ChosenCity& city, const QString& name) {
    if (!city.entry.hasHourlyFile()) {
        throw HeadlessChartError("a cidade " + name.toStdString() + " não tem arquivo horário");
    }
    if (!hourlyFilePresent(services, city.entry)) {
        throw HeadlessChartError(
            "arquivo horário não encontrado: " +
            climate::cityFilePath(services.baseDirectory, city.entry.hourlyFile).toStdString());
    }
}

// The latitude as the chart command checks it: a text beyond the range is
// set to the bound and draws nothing.
double checkedLatitude(const QString& text) {
    QString shown = text;
    chart::LatitudeCheck check;
    try {
        check = chart::checkLatitude(text);
    } catch (const std::exception& error) {
        throw HeadlessChartError(error.what());
    }
    switch (check.verdict) {
        case chart::LatitudeVerdict::Valid:
            return check.valueDeg;
        case chart::LatitudeVerdict::BelowRange:
            shown = QStringLiteral("-65");
            break;
        case chart::LatitudeVerdict::AboveRange:
            shown = QStringLiteral("65");
            break;
        case chart::LatitudeVerdict::Empty:
            break;
    }
    throw HeadlessChartError("a carta não foi desenhada: latitude '" + shown.toStdString() + "'");
}

scene::ChartRequest chartRequest(const Services& services, const ChartSettings& settings,
                                 Messages& messages) {
    scene::ChartRequest request;
    chart::ChartInputs& inputs = request.chart;
    std::optional<ChosenCity> city;
    if (settings.city) {
        city = chooseCity(services, *settings.city, messages);
        if (settings.overlayQuantity) {
            requireHourlyFile(services, *city, *settings.city);
        }
        // The latitude box turns the index's decimal comma into a point.
        inputs.latitudeText = climate::decodeWindows1252(city->entry.latitude).replace(u',', u'.');
        inputs.cityName = *settings.city;
        request.city = city->entry;
    } else {
        inputs.latitudeText = settings.latitude;
    }
    inputs.latitudeDeg = checkedLatitude(inputs.latitudeText);
    inputs.sunPaths = settings.sunPaths;
    inputs.protractor = settings.orientation.has_value();
    inputs.orientation = chart::TypedNumber::parse(settings.orientation.value_or(QString()));
    inputs.reference = chart::referenceFromItem(settings.reference);
    inputs.overlayShown = settings.overlayQuantity.has_value();
    chart::AnglePair* pairs[] = {&inputs.alpha, &inputs.betaRight, &inputs.betaLeft,
                                 &inputs.gammaRight, &inputs.gammaLeft};
    for (std::size_t i = 0; i < settings.angles.size(); ++i) {
        const auto& [first, second] = settings.angles[i];
        if (first) {
            pairs[i]->first = {true, chart::TypedNumber::parse(*first)};
            if (second) {
                pairs[i]->second = {true, chart::TypedNumber::parse(*second)};
            }
        }
    }
    request.periodItem = settings.period;
    if (city && settings.overlayQuantity) {
        request.overlay = scene::loadOverlaySource(
            services.baseDirectory, city->entry, city->indexLine, inputs.latitudeText,
            overlay::quantityFromItem(*settings.overlayQuantity), settings.period);
        request.pathMarks = true;
    }
    return request;
}

// The chart's layers drawn for the settings, and the request they were drawn
// from; any message fails.
scene::ChartRequest renderChartLayers(const Services& services, const ChartSettings& settings,
                                      scene::ChartLayers& layers) {
    Messages messages;
    scene::ChartRequest request = chartRequest(services, settings, messages);
    try {
        const scene::ChartScene scene = scene::renderChart(request, layers.canvases());
        for (const scene::Warning& warning : scene.warnings) {
            messages.add(warning);
        }
    } catch (const std::exception& error) {
        messages.add(QString::fromUtf8(error.what()));
    }
    messages.throwIfAny();
    return request;
}

output::ChartLayers imagesOf(const scene::ChartLayers& layers) {
    return {layers.base.image(), layers.overlay.image(), layers.protractor.image(),
            layers.masks.image()};
}

}  // namespace

QImage drawChartHeadless(const Services& services, const ChartSettings& settings) {
    scene::ChartLayers layers;
    renderChartLayers(services, settings, layers);
    return output::composeChart(imagesOf(layers), referencePictograms(settings.reference));
}

void printChartHeadless(const Services& services, const ChartSettings& settings,
                        const QString& radiusText, output::Printer& printer) {
    scene::ChartLayers layers;
    renderChartLayers(services, settings, layers);
    Messages messages;
    messages.add(printChart(&printer, imagesOf(layers), referencePictograms(settings.reference),
                            radiusText.toStdString()));
    messages.throwIfAny();
}

namespace {

// The city's rose drawn from its wind file; any message fails.
DrawnRose windRose(const Services& services, const WindSettings& settings) {
    Messages messages;
    const ChosenCity city = chooseCity(services, settings.city, messages);
    if (!city.entry.hasWindFile()) {
        throw HeadlessChartError("a cidade " + settings.city.toStdString() +
                                 " não tem arquivo de ventos");
    }
    DrawnRose drawn = drawCityWindRose(services, city.entry, settings.mode);
    messages.throwIfAny();
    return drawn;
}

}  // namespace

DrawnRose drawCityWindRose(const Services& services, const climate::CityIndexEntry& city,
                           int modeItem) {
    Messages messages;
    const QString file = climate::cityFilePath(services.baseDirectory, city.windFile);
    if (!QFileInfo::exists(file)) {
        messages.add(QStringLiteral("Arquivo ") + file + QStringLiteral(" não encontrado!"));
        messages.throwIfAny();
    }
    DrawnRose drawn;
    Canvas& rose = drawn.rose;
    try {
        const wind::WindTable table =
            wind::parseWindTable(climate::readLines(file), modeItem, file);
        drawn.scene = scene::renderWind(table, rose,
                                        wind::WindGeometry::forImage(rose.width(), rose.height()));
        if (drawn.scene.failure) {
            messages.add(climate::errorMessage(), *drawn.scene.failure);
        }
    } catch (const climate::ClimateError& error) {
        messages.add(climate::errorMessage(), error.message());
    }
    messages.throwIfAny();
    return drawn;
}

QImage drawWindRoseHeadless(const Services& services, const WindSettings& settings) {
    return windRose(services, settings).rose.image().copy();
}

void printWindRoseHeadless(const Services& services, const WindSettings& settings,
                           output::Printer& printer) {
    const DrawnRose drawn = windRose(services, settings);
    Messages messages;
    messages.add(printWindRose(&printer, drawn.rose.image()));
    messages.throwIfAny();
}

namespace {

// The shading numbers of a drawn chart of a city with its hourly file.
shading::ShadingTable typedMaskShading(const Services& services,
                                       const scene::ChartRequest& request,
                                       const scene::ChartLayers& layers) {
    const chart::ChartGeometry geometry =
        chart::ChartGeometry::forImage(layers.masks.width(), layers.masks.height());
    try {
        const shading::HourlyClimate year = shading::readHourlyClimate(
            climate::cityFilePath(services.baseDirectory, request.city->hourlyFile), *request.city,
            request.chart.latitudeDeg);
        // No hand drawing here: the layer is all the chart command's own.
        const shading::MaskCoverage masks(layers.masks.image(), layers.masks.image(),
                                          chart::typedMasksOf(request.chart),
                                          geometry.projection());
        return shading::shadingTable(year, geometry, masks);
    } catch (const shading::ShadingDataError& error) {
        throw HeadlessChartError(error.what());
    }
}

}  // namespace

output::DesignSheet designSheetHeadless(const Services& services, const SheetSettings& settings) {
    scene::ChartLayers layers;
    const scene::ChartRequest request = renderChartLayers(services, settings.chart, layers);
    const bool windFile = request.city && request.city->hasWindFile();
    if (settings.windMode && !windFile) {
        throw HeadlessChartError(
            request.city
                ? "a cidade " + settings.chart.city->toStdString() + " não tem arquivo de ventos"
                : std::string("--mode precisa de --city NAME com arquivo de ventos"));
    }
    std::optional<DrawnRose> rose;
    if (windFile) {
        rose = drawCityWindRose(services, *request.city, settings.windMode.value_or(0));
    }
    SheetSources sources{request,           imagesOf(layers), settings.chart.reference,
                         settings.radiusCm, std::nullopt,     std::nullopt};
    if (rose) {
        sources.wind.emplace(
            SheetWindSource{rose->scene, rose->rose.image(), settings.windMode.value_or(0)});
    }
    // The numbers exist for a façade of a city whose hourly file is there.
    if (request.chart.protractor && request.city && hourlyFilePresent(services, *request.city)) {
        sources.shading = shadingTable(typedMaskShading(services, request, layers));
    }
    return designSheet(sources);
}

shading::ShadingTable shadingReportHeadless(const Services& services,
                                            const ChartSettings& settings) {
    const QString name = settings.city.value_or(QString());
    {
        Messages messages;
        requireHourlyFile(services, chooseCity(services, name, messages), name);
    }
    scene::ChartLayers layers;
    const scene::ChartRequest request = renderChartLayers(services, settings, layers);
    return typedMaskShading(services, request, layers);
}
