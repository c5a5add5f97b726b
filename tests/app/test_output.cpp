#include "ZenitaFixture.h"
#include "support/ImageAsserts.h"

#include <QTimer>

#include <algorithm>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

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

// A chart of a black horizon with a red square on its mask layer, and a wind
// rose of a blue square, both drawn.
class Output : public ZenitaFixture {
protected:
    void SetUp() override {
        ZenitaFixture::SetUp();
        w().controls().editLatitude->setText("-27.6");
        plot();
        Canvas& chart = w().controls().imagem->canvas();
        chart.setBrushStyle(BrushStyle::Clear);
        chart.ellipse(38, 38, 422, 422);
        square(w().controls().imagem3->canvas(), kRed, 200, 260);
        square(w().controls().imVentos->canvas(), kBlue, 100, 140);
    }
    static void square(Canvas& c, const QColor& colour, int from, int to) {
        c.setBrushColor(colour);
        c.rectangle(from, from, to, to);
        c.setBrushColor(Qt::white);
    }
    QImage pictogram(const QLabel* label) { return label->pixmap().toImage(); }
};

TEST_F(Output, PrintingTheChartAsksTheRadiusAndCarriesTheChosenPictograms) {
    w().controls().rgAngulos->setCurrentIndex(1);  // Externa
    dlgRaioCarta.editRaio->setText("3");
    DialogCloser closer(dlgRaioCarta);
    w().Imprimir1Click();
    EXPECT_EQ(closer.closed, 1);
    ASSERT_EQ(printer.pages.size(), 1u);
    const output::PrintPage& page = printer.pages[0];
    ASSERT_EQ(page.size(), 4u);
    EXPECT_EQ(page[0].rect, (output::DotRect{10, 10, 1735, 1735}));
    EXPECT_TRUE(isColour(page[0].image, 230, 230, kRed));  // the mask layer is on it
    EXPECT_EQ(compareImages(page[1].image, pictogram(w().controls().IAlfaExterno), "alfa-ext"), "");
    EXPECT_EQ(compareImages(page[3].image, pictogram(w().controls().IGamaExterno), "gama-ext"), "");

    w().controls().rgAngulos->setCurrentIndex(0);
    DialogCloser again(dlgRaioCarta);
    w().Imprimir1Click();
    ASSERT_EQ(printer.pages.size(), 2u);
    EXPECT_EQ(compareImages(printer.pages[1][2].image, pictogram(w().controls().IBetaInterno),
                            "beta-int"),
              "");
}

TEST_F(Output, WindPrintIgnoresTheRadiusAndShowsNoDialog) {
    w().RosadosVentos1Click();
    dlgRaioCarta.editRaio->setText("2");
    w().Imprimir1Click();
    ASSERT_EQ(printer.pages.size(), 1u);
    ASSERT_EQ(printer.pages[0].size(), 1u);
    EXPECT_EQ(printer.pages[0][0].rect, (output::DotRect{10, 10, 3460, 3460}));
    EXPECT_TRUE(isColour(printer.pages[0][0].image, 120, 120, kBlue));
    EXPECT_TRUE(dialogs.messages.empty());
}

// No printer, a job that cannot start and one that fails each give a warning,
// never a silent "printed"; without a printer the radius is not even asked.
TEST_F(Output, APrintThatCannotBeDoneIsReported) {
    printer.installed.reset();
    DialogCloser closer(dlgRaioCarta);
    w().Imprimir1Click();
    EXPECT_EQ(closer.closed, 0);
    EXPECT_TRUE(printer.pages.empty());
    expectOnlyMessage(MessageKind::Warning, "Nenhuma impressora instalada.");
    EXPECT_TRUE(w().chartDrawn());

    printer.installed = RecordingPrinter().installed;
    w().RosadosVentos1Click();
    for (auto outcome : {output::PrintOutcome::NotStarted, output::PrintOutcome::Failed}) {
        dialogs.clear();
        printer.outcome = outcome;
        w().Imprimir1Click();
        onlyMessage(MessageKind::Warning);
    }
}

TEST_F(Output, ARadiusThatDoesNotFitThePageIsRefused) {
    dlgRaioCarta.editRaio->setText("1e9");
    DialogCloser closer(dlgRaioCarta);
    w().Imprimir1Click();
    EXPECT_TRUE(printer.pages.empty());
    EXPECT_TRUE(onlyMessage(MessageKind::Warning).startsWith("Raio inválido"));
}

TEST_F(Output, CopyComposesTheChartWithItsPictograms) {
    w().Copiar1Click();
    ASSERT_EQ(clipboard.images.size(), 1u);
    const QImage& copy = clipboard.images[0];
    EXPECT_EQ(copy.size(), QSize(460, 460));
    EXPECT_TRUE(isColour(copy, 230, 230, kRed));
    EXPECT_TRUE(isColour(copy, 38, 230, Qt::black));
    EXPECT_EQ(compareImages(copy.copy(380, 0, 80, 75), pictogram(w().controls().IAlfaInterno),
                            "copy-alfa"),
              "");

    w().RosadosVentos1Click();
    w().Copiar1Click();
    ASSERT_EQ(clipboard.images.size(), 2u);
    EXPECT_EQ(compareImages(clipboard.images[1], pixels(w().controls().imVentos), "copy-rose"), "");
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
    EXPECT_TRUE(isColour(dupla, 396 + 120 * 396 / 460, 120 * 400 / 460, kBlue));
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
    dlgRaioCarta.editRaio->setText("4");
    dlgRaioCarta.OKBtn->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), dlgRaioCarta.OKBtn);
    dlgRaioCarta.hide();
}
