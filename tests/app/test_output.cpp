#include "ZenitaFixture.h"
#include "support/ImageAsserts.h"

#include "app/CommandLine.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <string>

namespace {

const QColor kRed(255, 0, 0);

// Closes the next modal dialog as soon as it runs; counts how often it did.
struct DialogCloser {
    explicit DialogCloser(QDialog& dialog) : dialog_(dialog) { arm(); }
    void arm() {
        QTimer::singleShot(0, &dialog_, [this] {
            if (dialog_.isVisible()) {
                ++closed;
                dialog_.accept();
            } else {
                arm();
            }
        });
    }
    QDialog& dialog_;
    int closed = 0;
};

}  // namespace

class Output : public ZenitaFixture {
protected:
    void SetUp() override {
        ZenitaFixture::SetUp();
        Canvas& chart = w().imagem->canvas();
        chart.setPenColor(Qt::black);
        chart.setBrushStyle(BrushStyle::Clear);
        chart.ellipse(38, 38, 422, 422);
        chart.setBrushColor(Qt::white);
        Canvas& mask = w().imagem3->canvas();
        mask.setBrushColor(kRed);
        mask.rectangle(200, 200, 260, 260);
        mask.setBrushColor(Qt::white);
        Canvas& rose = w().imVentos->canvas();
        rose.setBrushColor(QColor(0, 0, 255));
        rose.rectangle(100, 100, 140, 140);
        rose.setBrushColor(Qt::white);
        w().chartDrawn = true;
        w().windRoseDrawn = true;
    }
};

TEST_F(Output, PrintingTheChartAsksTheRadiusAndCarriesTheChosenPictograms) {
    w().rgAngulos->setCurrentIndex(1);  // Externa
    dlgRaioCarta.editRaio->setText(QStringLiteral("3"));
    DialogCloser closer(dlgRaioCarta);
    w().Imprimir1Click();
    EXPECT_EQ(closer.closed, 1);
    ASSERT_EQ(printer.pages.size(), 1u);
    const output::PrintPage& page = printer.pages[0];
    ASSERT_EQ(page.size(), 4u);
    EXPECT_EQ(page[0].rect, (output::DotRect{10, 10, 1735, 1735}));
    EXPECT_TRUE(isColour(page[0].image, 230, 230, kRed));  // the mask layer is on it
    EXPECT_EQ(compareImages(page[1].image, w().IAlfaExterno->pixmap().toImage(), "alfa-ext"), "");
    EXPECT_EQ(compareImages(page[3].image, w().IGamaExterno->pixmap().toImage(), "gama-ext"), "");

    w().rgAngulos->setCurrentIndex(0);
    DialogCloser again(dlgRaioCarta);
    w().Imprimir1Click();
    ASSERT_EQ(printer.pages.size(), 2u);
    EXPECT_EQ(compareImages(printer.pages[1][2].image, w().IBetaInterno->pixmap().toImage(), "beta-int"), "");
}

TEST_F(Output, WindPrintIgnoresTheRadiusAndShowsNoDialog) {
    w().RosadosVentos1Click();
    dlgRaioCarta.editRaio->setText(QStringLiteral("2"));
    w().Imprimir1Click();
    ASSERT_EQ(printer.pages.size(), 1u);
    ASSERT_EQ(printer.pages[0].size(), 1u);
    EXPECT_EQ(printer.pages[0][0].rect, (output::DotRect{10, 10, 3460, 3460}));
    EXPECT_TRUE(isColour(printer.pages[0][0].image, 120, 120, QColor(0, 0, 255)));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Output, WithoutAPrinterAClearMessageAndNothingElse) {
    printer.installed.reset();
    DialogCloser closer(dlgRaioCarta);
    w().Imprimir1Click();
    EXPECT_EQ(closer.closed, 0);
    EXPECT_TRUE(printer.pages.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs.messages[0].text, "Nenhuma impressora instalada.");
    EXPECT_TRUE(w().chartDrawn);
}

TEST_F(Output, AFailedJobIsReportedNotPassedOffAsPrinted) {
    for (auto outcome : {output::PrintOutcome::NotStarted, output::PrintOutcome::Failed}) {
        dialogs.clear();
        printer.outcome = outcome;
        w().RosadosVentos1Click();
        w().Imprimir1Click();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].kind, MessageKind::Warning);
    }
}

TEST_F(Output, ARadiusThatDoesNotFitThePageIsRefused) {
    dlgRaioCarta.editRaio->setText(QStringLiteral("1e9"));
    DialogCloser closer(dlgRaioCarta);
    w().Imprimir1Click();
    EXPECT_TRUE(printer.pages.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Raio inválido"));
}

TEST_F(Output, CopyComposesTheChartWithItsPictograms) {
    w().Copiar1Click();
    ASSERT_EQ(clipboard.images.size(), 1u);
    const QImage& copy = clipboard.images[0];
    EXPECT_EQ(copy.size(), QSize(460, 460));
    EXPECT_TRUE(isColour(copy, 230, 230, kRed));
    EXPECT_TRUE(isColour(copy, 38, 230, Qt::black));
    const QImage alfa = w().IAlfaInterno->pixmap().toImage();
    EXPECT_EQ(compareImages(copy.copy(380, 0, 80, 75), alfa, "copy-alfa"), "");

    w().RosadosVentos1Click();
    w().Copiar1Click();
    ASSERT_EQ(clipboard.images.size(), 2u);
    EXPECT_EQ(compareImages(clipboard.images[1], w().imVentos->canvas().image(), "copy-rose"), "");
}

TEST_F(Output, CompareShowsBothPicturesAndCopiesTheChartFromEitherView) {
    w().RosadosVentos1Click();
    DialogCloser closer(dlgDupla);
    w().Comparar1Click();
    EXPECT_EQ(closer.closed, 1);
    ASSERT_EQ(clipboard.images.size(), 1u);
    EXPECT_TRUE(isColour(clipboard.images[0], 230, 230, kRed));  // the chart, not the rose
    const QImage& dupla = dlgDupla.dupla->canvas().image();
    EXPECT_EQ(dupla.size(), QSize(792, 400));
    EXPECT_EQ(dlgDupla.windowTitle(), "Carta Zenita/Rosa dos Ventos ");
    // The chart's red square (200..259 of 460) squeezed into the left 396 x 400.
    EXPECT_TRUE(isColour(dupla, 230 * 396 / 460, 230 * 400 / 460, kRed));
    // The rose's blue square into the right half.
    EXPECT_TRUE(isColour(dupla, 396 + 120 * 396 / 460, 120 * 400 / 460, QColor(0, 0, 255)));
}

TEST_F(Output, RadiusBoxKeepsTheFocusWhileEmptyOrZero) {
    dlgRaioCarta.setLargestRadiusCm(10.0);
    dlgRaioCarta.show();
    QApplication::setActiveWindow(&dlgRaioCarta);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), dlgRaioCarta.editRaio);
    for (const char* text : {"", "0", "-3"}) {
        dlgRaioCarta.editRaio->setFocus();
        dlgRaioCarta.editRaio->setText(QString::fromUtf8(text));
        dlgRaioCarta.OKBtn->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), dlgRaioCarta.editRaio) << text;
    }
    dlgRaioCarta.editRaio->setText(QStringLiteral("4"));
    dlgRaioCarta.OKBtn->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), dlgRaioCarta.OKBtn);
    dlgRaioCarta.hide();
}

namespace {

// The longest vertical run of dark pixels in any column: the chart's
// north-south axis, which spans the horizon's diameter.
int longestVerticalDarkRun(const QImage& page) {
    int longest = 0;
    for (int x = 0; x < page.width(); ++x) {
        int run = 0;
        for (int y = 0; y < page.height(); ++y) {
            run = qGray(page.pixel(x, y)) < 128 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

}  // namespace

TEST(PdfExport, HorizonMeasuresTheRadiusOnTheRenderedPage) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    QTemporaryDir dir;
    for (const char* radius : {"3", "7.5"}) {
        const QString pdf = dir.filePath(QStringLiteral("carta-%1.pdf").arg(radius));
        ASSERT_EQ(runCommandLine({"zenita", "--export-chart", pdf, "--latitude", "-27.6",
                                  "--radius", radius},
                                 dir.path()),
                  0);
        constexpr int kDotsPerInch = 100;
        QProcess render;
        render.start(QStringLiteral("pdftoppm"),
                     {"-r", QString::number(kDotsPerInch), "-png", "-singlefile", pdf,
                      dir.filePath("page")});
        ASSERT_TRUE(render.waitForFinished(60000));
        const QImage page(dir.filePath("page.png"));
        ASSERT_FALSE(page.isNull());
        const double diameterCm = longestVerticalDarkRun(page) * 2.54 / kDotsPerInch;
        const double expected = 2 * std::stod(radius);
        EXPECT_NEAR(diameterCm, expected, expected * 0.01) << radius;
    }
}

TEST(PdfExport, RadiusGoesWithAPdfOnlyAndMustBePositive) {
    QTemporaryDir dir;
    EXPECT_EQ(runCommandLine({"zenita", "--export-chart", dir.filePath("c.png"), "--latitude",
                              "3", "--radius", "4"},
                             dir.path()),
              2);
    EXPECT_EQ(runCommandLine({"zenita", "--export-chart", dir.filePath("c.pdf"), "--latitude",
                              "3", "--radius", "0"},
                             dir.path()),
              2);
    EXPECT_EQ(runCommandLine({"zenita", "--export-chart", dir.filePath("c.pdf"), "--latitude",
                              "3", "--radius", "1e9"},
                             dir.path()),
              2);
    EXPECT_FALSE(QFile::exists(dir.filePath("c.pdf")));
    EXPECT_FALSE(QFile::exists(dir.filePath("c.pdf.parcial")));
}
