// The overlay puts each hour where the sun is at that clock time in the
// city's own time zone: a value of local noon lies on the meridian.
#include "CityFiles.h"
#include "ZenitaFixture.h"
#include "support/ImageAsserts.h"

namespace {

// The mean column of the pixels of a colour; -1 when there are none.
double meanColumn(const QImage& image, QColor colour) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isColour(image, x, y, colour)) {
                sum += x;
                ++count;
            }
        }
    }
    return count ? sum / count : -1;
}

const QColor kHottest(207, 0, 0);  // the temperature class above 25 °C

}  // namespace

class TimeZone : public ZenitaFixture {
protected:
    // A year of 0 °C with 30 °C at 12:00 every day, for a city at 34° N,
    // 120° W, listed with and without the zone UTC-8.
    void SetUp() override {
        ZenitaFixture::SetUp();
        std::vector<std::string> lines = hourlyLines(8760, "0", "0", "0");
        for (std::size_t i = 12; i < lines.size(); i += 24) {
            lines[i] = hourlyLines(1, "30", "0", "0")[0];
        }
        database.writeCityFile("noon.csv", fileBytes(lines));
        loadCities({"Com_Fuso,34,noon.csv,s/a,120,-8", "Sem_Fuso,34,noon.csv,s/a,120"});
    }
    double noonColumn(int city) {
        choose(city);
        w().controls().ckPontos->setChecked(true);
        plot();
        EXPECT_TRUE(dialogs.messages.empty());
        return meanColumn(pixels(w().controls().imagem4), kHottest);
    }
};

TEST_F(TimeZone, LocalNoonLiesOnTheMeridianOnlyWithTheCitysZone) {
    const double withZone = noonColumn(1);
    EXPECT_NEAR(withZone, 230.0, 12.0);
    const double without = noonColumn(2);
    // Taken as Brasília time the noon values move five hours into the morning,
    // far to the east.
    EXPECT_GT(without, 330.0);
}
