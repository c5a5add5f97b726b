// The golden matrix: a wide spread of command-line exports against the bundled
// database, each compared with the hash of its decoded pixels recorded in
// golden_exports.txt. It pins every picture while the code under it changes.
//
// When a picture is meant to change, record the matrix again and review the
// diff of golden_exports.txt:
//     scripts/record-golden.sh
// (it runs this program with ZENITA_RECORD_GOLDEN=1, which rewrites the file
// instead of comparing).
#include "CommandRun.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace {

struct Export {
    QString name;         // unique, readable: it is the key in the hash file
    QStringList options;  // after the command and its FILE
    QString command = QStringLiteral("--export-chart");
    QString suffix = QStringLiteral("png");
};

QString signedName(double value) {
    const QString text = QString::number(value);
    return text.startsWith(u'-') ? QStringLiteral("m") + text.mid(1) : text;
}

const QStringList kMaskOptions = {"--alfa", "--beta-right", "--beta-left", "--gamma-right",
                                  "--gamma-left"};
const QStringList kReferences = {"interna", "externa"};
const QStringList kOverlays = {"temperaturas", "global", "direta"};
const QStringList kEpwCities = {"Bologna_Marconi_AP", "Changi_Intl_AP", "Stockholm.Arlanda.AP",
                                "Los_Angeles_Intl_Arpt"};
const QStringList kAllMasks = {"--alfa",       "25,60", "--beta-right",  "20,45",
                               "--beta-left",  "35",    "--gamma-right", "15,40",
                               "--gamma-left", "30,70"};

std::vector<Export> latitudes() {
    std::vector<Export> cases;
    for (int lat = -65; lat <= 65; lat += 5) {
        cases.push_back({"latitude_" + signedName(lat), {"--latitude", QString::number(lat)}});
    }
    for (const char* lat : {"-23.45", "0.5", "12,5", "-64.99"}) {
        cases.push_back(
            {"latitude_" + signedName(QString(lat).replace(u',', u'.').toDouble()) + "_typed",
             {"--latitude", lat}});
    }
    for (int lat : {-40, 0, 35}) {
        cases.push_back({"latitude_" + signedName(lat) + "_no_paths",
                         {"--latitude", QString::number(lat), "--no-paths"}});
    }
    // The capitals of the list: latitude and name from the index.
    for (const char* city : {"Porto_Alegre", "Macapá", "Boa_Vista", "São_Paulo"}) {
        cases.push_back({"city_" + QString(city), {"--city", city}});
    }
    return cases;
}

std::vector<Export> orientations() {
    std::vector<Export> cases;
    const double lats[] = {-30, 10, 50};
    for (int orientation = 0; orientation < 360; orientation += 15) {
        const double lat = lats[(orientation / 15) % 3];
        cases.push_back(
            {"orientation_" + QString::number(orientation) + "_latitude_" + signedName(lat),
             {"--latitude", QString::number(lat), "--orientation", QString::number(orientation)}});
    }
    for (int orientation = 0; orientation < 360; orientation += 20) {
        const QString reference = kReferences[(orientation / 20) % 2];
        cases.push_back({"orientation_" + QString::number(orientation) + "_all_masks_" + reference,
                         QStringList{"--latitude", "-22.9", "--orientation",
                                     QString::number(orientation), "--reference", reference} +
                             kAllMasks});
    }
    for (const char* orientation : {"360", "400", "7.5", "359.99"}) {
        cases.push_back({"orientation_" + QString(orientation).replace(u'.', u'_') + "_typed",
                         QStringList{"--latitude", "5", "--orientation", orientation, "--alfa",
                                     "40", "--gamma-left", "30"}});
    }
    return cases;
}

std::vector<Export> masks() {
    std::vector<Export> cases;
    for (const QString& reference : kReferences) {
        for (const QString& mask : kMaskOptions) {
            const QString base = "mask" + QString(mask).replace(u'-', u'_') + "_" + reference;
            const QStringList on = {"--latitude", "-15",         "--orientation",
                                    "45",         "--reference", reference};
            cases.push_back({base, on + QStringList{mask, "35"}});
            cases.push_back({base + "_pair", on + QStringList{mask, "20,65"}});
            cases.push_back({base + "_bounds", on + QStringList{mask, "0,90"}});
        }
        cases.push_back({"all_masks_" + reference, QStringList{"--latitude", "40", "--orientation",
                                                               "200", "--reference", reference} +
                                                       kAllMasks});
        cases.push_back({"all_masks_" + reference + "_no_paths",
                         QStringList{"--latitude", "-55", "--orientation", "110", "--reference",
                                     reference, "--no-paths"} +
                             kAllMasks});
        cases.push_back({"all_masks_" + reference + "_decimals",
                         QStringList{"--latitude", "-8.76", "--orientation", "333.3", "--reference",
                                     reference, "--alfa", "12.5,77.25", "--beta-right", "5.5",
                                     "--gamma-left", "89.9,90"}});
    }
    return cases;
}

std::vector<Export> overlays() {
    std::vector<Export> cases;
    for (const QString& city : kEpwCities) {
        cases.push_back({"city_" + city, {"--city", city, "--orientation", "90", "--alfa", "30"}});
        for (const QString& quantity : kOverlays) {
            for (const char* period : {"1", "2"}) {
                cases.push_back({"overlay_" + city + "_" + quantity + "_period" + period,
                                 {"--city", city, "--overlay", quantity, "--period", period}});
            }
        }
    }
    cases.push_back({"overlay_Bologna_Marconi_AP_global_with_masks_externa",
                     QStringList{"--city", "Bologna_Marconi_AP", "--overlay", "global",
                                 "--orientation", "160", "--reference", "externa"} +
                         kAllMasks});
    cases.push_back({"overlay_Changi_Intl_AP_direta_no_paths",
                     {"--city", "Changi_Intl_AP", "--overlay", "direta", "--no-paths"}});
    return cases;
}

std::vector<Export> winds() {
    std::vector<Export> cases;
    for (const QString& city : kEpwCities) {
        for (const char* mode : {"velocidades", "frequencia"}) {
            cases.push_back(
                {"wind_" + city + "_" + mode, {"--city", city, "--mode", mode}, "--export-wind"});
        }
    }
    return cases;
}

std::vector<Export> formats() {
    const QStringList chart = QStringList{"--latitude", "-27.6", "--orientation", "30"} + kAllMasks;
    return {
        {"format_jpeg", chart, "--export-chart", "jpg"},
        {"format_bmp", chart, "--export-chart", "bmp"},
        {"pdf_chart", chart, "--export-chart", "pdf"},
        {"pdf_chart_radius_10", chart + QStringList{"--radius", "10"}, "--export-chart", "pdf"},
        {"pdf_chart_radius_25", {"--latitude", "3", "--radius", "25"}, "--export-chart", "pdf"},
        {"pdf_overlay",
         {"--city", "Los_Angeles_Intl_Arpt", "--orientation", "180", "--overlay", "temperaturas",
          "--period", "2"},
         "--export-chart",
         "pdf"},
        {"pdf_wind_velocidades", {"--city", "Stockholm.Arlanda.AP"}, "--export-wind", "pdf"},
        {"pdf_wind_frequencia",
         {"--city", "Bologna_Marconi_AP", "--mode", "frequencia"},
         "--export-wind",
         "pdf"},
    };
}

struct Group {
    const char* name;
    std::vector<Export> (*cases)();
};

void PrintTo(const Group& group, std::ostream* out) {
    *out << group.name;
}

const Group kGroups[] = {{"Latitudes", latitudes}, {"Orientations", orientations},
                         {"Masks", masks},         {"Overlays", overlays},
                         {"Winds", winds},         {"Formats", formats}};

QString goldenFile() {
    return QStringLiteral(ZENITA_GOLDEN_FILE);
}

bool recording() {
    return !qEnvironmentVariableIsEmpty("ZENITA_RECORD_GOLDEN");
}

std::map<QString, QString> readGolden() {
    std::map<QString, QString> hashes;
    QFile file(goldenFile());
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            const QStringList fields = line.split(u' ');
            if (!line.startsWith(u'#') && fields.size() == 2) {
                hashes[fields[0]] = fields[1];
            }
        }
    }
    return hashes;
}

// The recorded file keeps the cases of the groups not run this time.
void writeGolden(const std::map<QString, QString>& hashes) {
    QFile file(goldenFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate));
    file.write(
        "# Hashes of the decoded pixels of the golden exports; "
        "rewrite with scripts/record-golden.sh.\n");
    for (const auto& [name, hash] : hashes) {
        file.write((name + u' ' + hash + u'\n').toUtf8());
    }
}

void addPixels(QCryptographicHash& hash, QImage image) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QByteArray size =
        QByteArray::number(image.width()) + 'x' + QByteArray::number(image.height()) + '\n';
    hash.addData(size);
    for (int y = 0; y < image.height(); ++y) {
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)),
                                    image.width() * 4));
    }
}

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A PDF's pixels: every embedded picture decoded, its size and resolution on
// the page (the image list less object numbers and byte counts), and the page
// rendered coarsely for where the pictures sit.
QString pdfHash(const QString& pdf, const QDir& work) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QString list = runTool("pdfimages", {"-list", pdf});
    if (list.isEmpty()) {
        return QStringLiteral("pdfimages-failed");
    }
    for (const QString& line : list.split(u'\n', Qt::SkipEmptyParts).mid(2)) {
        QStringList fields = line.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        // page num type width height color comp bpc enc interp objectID gen x-ppi y-ppi size ratio
        if (fields.size() >= 14) {
            hash.addData((fields.mid(0, 10) + fields.mid(12, 2)).join(u' ').toUtf8());
        }
    }
    runTool("pdfimages", {"-png", pdf, work.filePath("image")});
    const QStringList images = work.entryList({"image-*.png"}, QDir::Files, QDir::Name);
    for (const QString& image : images) {
        addPixels(hash, QImage(work.filePath(image)));
    }
    runTool("pdftoppm", {"-r", "30", "-png", "-singlefile", pdf, work.filePath("page")});
    addPixels(hash, QImage(work.filePath("page.png")));
    return QString::fromLatin1(hash.result().toHex());
}

QString imageHash(const QString& file) {
    const QImage image(file);
    if (image.isNull()) {
        return QStringLiteral("unreadable");
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    addPixels(hash, image);
    return QString::fromLatin1(hash.result().toHex());
}

QString exportHash(const Export& e) {
    QTemporaryDir work;
    const QString file = work.filePath("out." + e.suffix);
    const CommandRun run = runCapturing(QStringList{e.command, file} + e.options,
                                        QStringLiteral(ZENITA_SOURCE_DATA_DIR));
    if (run.status != 0) {
        return "status-" + QString::number(run.status);
    }
    return e.suffix == u"pdf" ? pdfHash(file, QDir(work.path())) : imageHash(file);
}

std::mutex recordedMutex;
std::map<QString, QString> recorded;

class GoldenExports : public testing::TestWithParam<Group> {
public:
    static void TearDownTestSuite() {
        if (recording() && !recorded.empty()) {
            std::map<QString, QString> all = readGolden();
            for (const auto& [name, hash] : recorded) {
                all[name] = hash;
            }
            writeGolden(all);
        }
    }
};

TEST_P(GoldenExports, EveryPictureKeepsItsPixels) {
    const std::map<QString, QString> golden = readGolden();
    for (const Export& e : GetParam().cases()) {
        const QString hash = exportHash(e);
        if (recording()) {
            const std::lock_guard lock(recordedMutex);
            EXPECT_FALSE(recorded.contains(e.name)) << "two cases named " << e.name.toStdString();
            recorded[e.name] = hash;
            continue;
        }
        const auto known = golden.find(e.name);
        if (known == golden.end()) {
            ADD_FAILURE() << e.name.toStdString() << ": not recorded; see scripts/record-golden.sh";
            continue;
        }
        EXPECT_EQ(hash.toStdString(), known->second.toStdString())
            << e.name.toStdString() << ": zenita " << e.command.toStdString() << " OUT."
            << e.suffix.toStdString() << ' ' << e.options.join(u' ').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Matrix, GoldenExports, testing::ValuesIn(kGroups),
                         [](const testing::TestParamInfo<Group>& param) {
                             return std::string(param.param.name);
                         });

}  // namespace
