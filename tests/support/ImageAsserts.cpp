#include "support/ImageAsserts.h"

#include <QDir>

#include <sstream>

namespace {
QRect clip(const QImage& image, QRect rect) {
    return rect.isNull() ? image.rect() : rect.intersected(image.rect());
}
}  // namespace

unsigned rgbAt(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFFu; }

bool isColour(const QImage& image, int x, int y, QColor colour) {
    return rgbAt(image, x, y) == (colour.rgb() & 0xFFFFFFu);
}

int countPixels(const QImage& image, QColor colour, QRect rect) {
    const QRect r = clip(image, rect);
    const unsigned want = colour.rgb() & 0xFFFFFFu;
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            count += rgbAt(image, x, y) == want ? 1 : 0;
        }
    }
    return count;
}

int countPainted(const QImage& image, QRect rect) {
    const QRect r = clip(image, rect);
    return r.width() * r.height() - countPixels(image, Qt::white, r);
}

QRect paintedBoundingBox(const QImage& image, QRect rect) {
    const QRect r = clip(image, rect);
    QRect box;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (rgbAt(image, x, y) != 0xFFFFFFu) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

QString saveForInspection(const QImage& image, const QString& name) {
    QDir().mkpath(QStringLiteral(ZENITA_TEST_OUTPUT_DIR));
    const QString path = QStringLiteral(ZENITA_TEST_OUTPUT_DIR "/") + name + QStringLiteral(".png");
    image.save(path);
    return path;
}

std::string compareImages(const QImage& actual, const QImage& expected, const QString& name) {
    std::ostringstream out;
    if (actual.size() != expected.size()) {
        out << "sizes differ: " << actual.width() << "x" << actual.height() << " vs "
            << expected.width() << "x" << expected.height();
    } else {
        for (int y = 0; y < actual.height() && out.tellp() == 0; ++y) {
            for (int x = 0; x < actual.width(); ++x) {
                if (rgbAt(actual, x, y) != rgbAt(expected, x, y)) {
                    out << "first difference at (" << x << ", " << y << "): " << std::hex
                        << rgbAt(actual, x, y) << " vs " << rgbAt(expected, x, y);
                    break;
                }
            }
        }
    }
    if (out.tellp() != 0) {
        out << " (saved " << saveForInspection(actual, name + QStringLiteral("-actual")).toStdString()
            << ")";
        saveForInspection(expected, name + QStringLiteral("-expected"));
    }
    return out.str();
}
