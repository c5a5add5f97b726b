// The EPW cities of the database that ships with ZENITA: their files are
// what the import makes of the sources kept in data/sources/epw/, and the
// window and the export offer them with overlay, wind rose and time zone.
#include "ZenitaFixture.h"
#include "app/CommandLine.h"
#include "climate/ClimateTestSupport.h"
#include "climate/TextFile.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

namespace {

constexpr int kCapitals = 27;

QString dataFolder() {
    return QStringLiteral(ZENITA_SOURCE_DATA_DIR);
}

// The files of cidades/ with their bytes.
std::map<QString, std::string> cityFiles(const QString& base) {
    std::map<QString, std::string> files;
    const QDir folder(base + "/cidades");
    for (const QString& name : folder.entryList({"*.csv"}, QDir::Files)) {
        files[name] = readAll(folder.filePath(name));
    }
    return files;
}

}  // namespace

TEST(BundledCities, AreWhatTheImportMakesOfTheirSources) {
    const QString data = dataFolder();
    QTemporaryDir dir;
    QDir(dir.path()).mkpath("cidades");
    std::vector<std::string> capitals = climate::splitLines(readAll(data + "/Latitudes.csv"));
    ASSERT_GT(capitals.size(), static_cast<std::size_t>(kCapitals));
    capitals.resize(kCapitals);
    climate::writeLines(dir.path() + "/Latitudes.csv", capitals);

    const QDir sources(data + "/sources/epw");
    const QStringList epw = sources.entryList({"*.epw"}, QDir::Files, QDir::Name);
    ASSERT_EQ(epw.size(), 4);
    for (const QString& file : epw) {
        ASSERT_EQ(runCommandLine({"zenita", "--import", sources.filePath(file)}, dir.path()), 0)
            << file.toStdString();
    }
    EXPECT_EQ(readAll(dir.path() + "/Latitudes.csv"), readAll(data + "/Latitudes.csv"));
    const auto made = cityFiles(dir.path());
    EXPECT_EQ(made.size(), 8u);
    EXPECT_TRUE(made == cityFiles(data)) << "regenerate with zenita_make_bundled_cities";
}

// A main window on the bundled database itself (it only reads it).
class BundledDatabase : public ZenitaFixture {
protected:
    void SetUp() override {
        ZenitaFixture::SetUp();
        Services bundled = services;
        bundled.baseDirectory = dataFolder();
        window = std::make_unique<TFormZenita>(bundled);
    }
    int item(const QString& name) { return w().controls().cmbCidades->findText(name); }
};

TEST_F(BundledDatabase, OffersTheEpwCitiesWithOverlayWindRoseAndTimeZone) {
    w().LoadCityList();
    ASSERT_EQ(w().controls().cmbCidades->count(), 1 + kCapitals + 4);
    const struct {
        const char* name;
        double zone;
    } cities[] = {{"Bologna_Marconi_AP", 1},
                  {"Changi_Intl_AP", 7},
                  {"Stockholm.Arlanda.AP", 1},
                  {"Los_Angeles_Intl_Arpt", -8}};
    for (const auto& city : cities) {
        const int i = item(city.name);
        ASSERT_GT(i, kCapitals) << city.name;
        EXPECT_EQ(w().cityEntries()[static_cast<std::size_t>(i)].timeZoneHours, city.zone)
            << city.name;
        choose(i);
        EXPECT_TRUE(w().controls().ckPontos->isEnabled()) << city.name;
        EXPECT_TRUE(w().controls().btnPlotarVentos->isEnabled()) << city.name;
    }
    EXPECT_EQ(w().cityEntries()[static_cast<std::size_t>(item("Porto_Alegre"))].timeZoneHours,
              std::nullopt);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.texts().join(" | ").toStdString();
}
