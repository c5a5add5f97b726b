// Draws the pictures of assets/ (the six reference pictograms, the splash and
// the two About pictures, saved as JPEG files) and the program's icon (an SVG
// and the PNG sizes of the desktop's icon theme, in assets/icons/). Run once
// by hand when a picture changes (needs qt6-svg-dev):
//   cmake --build build --target zenita_make_assets && build/tools/zenita_make_assets assets
#include "canvas/Canvas.h"
#include "chart/ChartDrawing.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartInputs.h"
#include "overlay/SunPosition.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>

#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>

namespace {

const QColor kOrange(255, 140, 0);
const QColor kInk(40, 40, 40);

double rad(double deg) { return deg * std::numbers::pi / 180.0; }

// An arc of the angle between two directions (degrees, counter-clockwise from
// the x axis, y up as on paper) around a point.
void angleArc(QPainter& p, QPointF at, double radius, double fromDeg, double toDeg) {
    QPen pen(kOrange, 1.6);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QRectF box(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(box, static_cast<int>(fromDeg * 16), static_cast<int>((toDeg - fromDeg) * 16));
}

void greekLetter(QPainter& p, QPointF at, const QString& letter) {
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(13);
    f.setBold(true);
    p.setFont(f);
    p.setPen(kOrange);
    p.drawText(at, letter);
}

QImage blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void frame(QPainter& p, int w, int h) {
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, w - 1, h - 1);
}

// Section through wall and overhang: window on the left wall, overhang on top.
QImage alfa(bool interior) {
    QImage image = blank(80, 75);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    frame(p, 80, 75);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(6, 8, 8, 60));          // wall
    p.drawRect(QRectF(6, 8, 52, 5));          // overhang
    p.setBrush(QColor(190, 225, 250));
    p.drawRect(QRectF(6, 22, 8, 34));         // window in the wall
    const QPointF sill(14, 56);
    const QPointF tip(58, 13);
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.drawLine(sill, tip);
    const double lineDeg = std::atan2(sill.y() - tip.y(), tip.x() - sill.x()) * 180 / std::numbers::pi;
    if (interior) {
        p.drawLine(sill, QPointF(14, 18));
        angleArc(p, sill, 20, lineDeg, 90);
        greekLetter(p, QPointF(20, 36), QStringLiteral("α"));
    } else {
        p.drawLine(sill, QPointF(70, 56));
        angleArc(p, sill, 24, 0, lineDeg);
        greekLetter(p, QPointF(40, 54), QStringLiteral("α"));
    }
    return image;
}

// Plan of façade and fin: façade along the bottom, the fin standing out.
QImage beta(bool interior) {
    QImage image = blank(80, 50);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    frame(p, 80, 50);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4, 38, 72, 6));         // wall in plan
    p.drawRect(QRectF(62, 8, 5, 30));         // fin
    p.setBrush(QColor(190, 225, 250));
    p.drawRect(QRectF(18, 38, 40, 3));        // window
    const QPointF edge(18, 38);
    const QPointF tip(62, 8);
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.drawLine(edge, tip);
    const double lineDeg = std::atan2(edge.y() - tip.y(), tip.x() - edge.x()) * 180 / std::numbers::pi;
    if (interior) {
        angleArc(p, edge, 22, 0, lineDeg);
        greekLetter(p, QPointF(40, 34), QStringLiteral("β"));
    } else {
        p.drawLine(edge, QPointF(18, 4));
        angleArc(p, edge, 22, lineDeg, 90);
        greekLetter(p, QPointF(22, 18), QStringLiteral("β"));
    }
    return image;
}

// Elevation of the window under a horizontal protection wider than it.
QImage gama(bool interior) {
    QImage image = blank(81, 58);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    frame(p, 81, 58);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(6, 8, 69, 5));          // protection
    p.setBrush(QColor(190, 225, 250));
    p.drawRect(QRectF(24, 18, 33, 30));       // window
    const QPointF left(24, 48);
    const QPointF right(57, 48);
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.drawLine(left, QPointF(6, 13));
    p.drawLine(right, QPointF(75, 13));
    const double leftDeg = std::atan2(48.0 - 13.0, 6.0 - 24.0) * 180 / std::numbers::pi;
    const double rightDeg = std::atan2(48.0 - 13.0, 75.0 - 57.0) * 180 / std::numbers::pi;
    if (interior) {
        angleArc(p, left, 14, 90, leftDeg);
        angleArc(p, right, 14, rightDeg, 90);
        greekLetter(p, QPointF(14, 34), QStringLiteral("γ"));
        greekLetter(p, QPointF(60, 34), QStringLiteral("γ"));
    } else {
        p.drawLine(left, QPointF(4, 48));
        p.drawLine(right, QPointF(77, 48));
        angleArc(p, left, 14, leftDeg, 180);
        angleArc(p, right, 14, 0, rightDeg);
        greekLetter(p, QPointF(6, 46), QStringLiteral("γ"));
        greekLetter(p, QPointF(66, 46), QStringLiteral("γ"));
    }
    return image;
}

// The splash picture: a real chart of the program (Florianópolis, a façade
// turned 30 degrees with its masks) on a night-blue sky, with the title.
QImage splash() {
    QImage image(449, 399, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 399);
    sky.setColorAt(0, QColor(10, 30, 80));
    sky.setColorAt(1, QColor(60, 110, 170));
    p.fillRect(image.rect(), sky);

    Canvas imagem;
    Canvas imagem4;
    Canvas imagem2;
    Canvas imagem3;
    chart::ChartInputs inputs;
    inputs.latitudeDeg = -27.6;
    inputs.orientationText = QStringLiteral("30");
    inputs.alpha.first = {true, QStringLiteral("50")};
    inputs.betaRight.first = {true, QStringLiteral("60")};
    const chart::ChartGeometry geometry = chart::ChartGeometry::forImage(460, 460);
    chart::drawChart({imagem, imagem4, imagem2, imagem3}, geometry, inputs);
    QImage chartPicture = imagem.image().copy();
    for (const Canvas* layer : {&imagem4, &imagem2, &imagem3}) {
        stretchInto(chartPicture, 0, 0, 460, 460, layer->image(), QColor(Qt::white));
    }
    // Only the sky disc of the chart, without the corner texts.
    const QRectF disc(24, 46, 268, 268);
    QPainterPath clip;
    clip.addEllipse(disc);
    p.setClipPath(clip);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const double scale = disc.width() / 384.0;
    p.drawImage(QRectF(disc.left() - 38 * scale, disc.top() - 38 * scale, 460 * scale, 460 * scale),
                chartPicture);
    p.setClipping(false);
    p.setPen(QPen(QColor(255, 200, 60), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc);

    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(38);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(296, 100, 150, 50), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("ZENITA"));
    f.setPixelSize(13);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRectF(296, 200, 145, 80), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Carta solar, máscaras de sombra e rosa dos ventos"));
    return image;
}

QImage aboutSun() {
    QImage image = blank(96, 96);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOrange, 3));
    for (int a = 0; a < 360; a += 30) {
        p.drawLine(QPointF(48 + 26 * std::cos(rad(a)), 48 + 26 * std::sin(rad(a))),
                   QPointF(48 + 40 * std::cos(rad(a)), 48 + 40 * std::sin(rad(a))));
    }
    p.setBrush(QColor(255, 200, 40));
    p.drawEllipse(QPointF(48, 48), 20, 20);
    return image;
}

QImage aboutRose() {
    QImage image = blank(96, 96);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    const std::array<QColor, 4> seasons{QColor(255, 255, 0), QColor(255, 0, 0), QColor(0, 128, 0),
                                        QColor(0, 0, 255)};
    for (int d = 0; d < 8; ++d) {
        const double a = rad(45 * d - 90);
        for (int s = 0; s < 4; ++s) {
            const double len = 14 + 6 * ((d * 3 + s * 5) % 5);
            const double off = (s - 1.5) * 3.0;
            const QPointF n(-std::sin(a), std::cos(a));
            const QPointF base = QPointF(48, 48) + QPointF(12 * std::cos(a), 12 * std::sin(a)) + off * n;
            p.setBrush(seasons[s]);
            QPolygonF bar;
            bar << base - 1.5 * n << base + 1.5 * n
                << base + 1.5 * n + QPointF(len * std::cos(a), len * std::sin(a))
                << base - 1.5 * n + QPointF(len * std::cos(a), len * std::sin(a));
            p.drawPolygon(bar);
        }
    }
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(48, 48), 12, 12);
    return image;
}

// ---- The icon: the chart's own sky plan, reduced ----

// The sky plan of a chart at Florianópolis' latitude: the horizon, a few
// altitude circles, the sun paths of the solstices and the equinox as the
// chart computes them, an overhang's mask over a façade facing north, and the
// sun on the summer path. Below 32 pixels only what stays legible is drawn.
void drawIcon(QPainter& p, int size) {
    constexpr double kLatitudeDeg = -27.6;
    const chart::ChartGeometry geometry = chart::ChartGeometry::forImage(460, 460);
    const QPointF centre(geometry.chartCentreX, geometry.chartCentreY);
    const double horizon = geometry.chartRadius;
    // Icon pixels per chart pixel, the horizon filling 92% of the icon.
    const double k = 0.46 * size / horizon;
    const double px = 1.0 / k;  // one icon pixel in chart pixels
    const bool small = size < 32;
    const bool detailed = size >= 128;

    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size / 2.0, size / 2.0);
    p.scale(k, k);
    p.translate(-centre);

    QRadialGradient sky(centre, horizon);
    sky.setColorAt(0, QColor(255, 255, 250));
    sky.setColorAt(1, QColor(196, 224, 246));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawEllipse(centre, horizon, horizon);

    // The overhang's mask: the façade's half of the sky inside the family
    // circle that stands at 45 degrees above the horizon toward the façade.
    const chart::Circle edge = geometry.familyCircle(45.0, 0.0);
    QPainterPath half;
    half.addRect(QRectF(centre.x() - horizon, centre.y() - horizon, 2 * horizon, horizon));
    QPainterPath inside;
    inside.addEllipse(QPointF(edge.centreX, edge.centreY), edge.radius, edge.radius);
    QPainterPath disc;
    disc.addEllipse(centre, horizon, horizon);
    p.setBrush(QColor(230, 30, 30, 150));
    p.drawPath(half.intersected(inside).intersected(disc));

    p.setBrush(Qt::NoBrush);
    if (!small) {
        p.setPen(QPen(QColor(120, 140, 165, detailed ? 150 : 255), (detailed ? 1.5 : 1.2) * px));
        for (int altitude = detailed ? 10 : 30; altitude < 90; altitude += detailed ? 10 : 30) {
            const double r = geometry.radiusAtAltitude(altitude);
            p.drawEllipse(centre, r, r);
        }
        p.drawLine(QPointF(centre.x(), centre.y() - horizon), QPointF(centre.x(), centre.y() + horizon));
        p.drawLine(QPointF(centre.x() - horizon, centre.y()), QPointF(centre.x() + horizon, centre.y()));
    }

    // 21 June, 21 March and 21 December, each as far as the sun is up.
    const int days[] = {172, 80, 355};
    p.setPen(QPen(QColor(235, 120, 20), (small ? 1.6 : detailed ? 5.0 : 2.2) * px, Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    for (const int day : days) {
        const overlay::SunDay sun(kLatitudeDeg, day);
        QPolygonF path;
        for (int tenth = 0; tenth <= 240; ++tenth) {
            if (const auto at = sun.ifAboveHorizon(tenth / 10.0, geometry)) {
                path << QPointF(at->x, at->y);
            }
        }
        p.drawPolyline(path);
    }

    p.setPen(QPen(QColor(20, 45, 90), (small ? 1.6 : detailed ? 7.0 : 2.5) * px));
    p.drawEllipse(centre, horizon, horizon);

    const overlay::SunPosition sun = overlay::sunPosition(kLatitudeDeg, 355, 14.5, geometry);
    const double sunRadius = (small ? 2.6 : 0.075 * size) * px;
    p.setPen(QPen(QColor(200, 90, 0), (small ? 0.8 : detailed ? 3.0 : 1.2) * px));
    p.setBrush(QColor(255, 205, 40));
    p.drawEllipse(QPointF(sun.x, sun.y), sunRadius, sunRadius);
}

QImage iconPicture(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    drawIcon(p, size);
    return image;
}

bool writeIcons(const QDir& assets) {
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("icons/%1x%1").arg(size);
        const QString path = assets.filePath(folder + QStringLiteral("/zenita.png"));
        if (!assets.mkpath(folder) || !iconPicture(size).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    assets.mkpath(QStringLiteral("icons/scalable"));
    QSvgGenerator svg;
    svg.setFileName(assets.filePath(QStringLiteral("icons/scalable/zenita.svg")));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("ZENITA"));
    svg.setDescription(QStringLiteral("Carta solar com máscara de sombra"));
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "cannot write the SVG icon\n");
        return false;
    }
    drawIcon(p, 256);
    return p.end();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets"));
    const std::vector<std::pair<const char*, std::function<QImage()>>> pictures{
        {"IAlfaInterno", [] { return alfa(true); }},  {"IAlfaExterno", [] { return alfa(false); }},
        {"IBetaInterno", [] { return beta(true); }},  {"IBetaExterno", [] { return beta(false); }},
        {"IGamaInterno", [] { return gama(true); }},  {"IGamaExterno", [] { return gama(false); }},
        {"splash", splash},                           {"sobre1", aboutSun},
        {"sobre2", aboutRose}};
    for (const auto& [name, draw] : pictures) {
        const QString path = out.filePath(QString::fromLatin1(name) + QStringLiteral(".jpg"));
        if (!draw().save(path, "JPEG", 95)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return writeIcons(out) ? 0 : 1;
}
