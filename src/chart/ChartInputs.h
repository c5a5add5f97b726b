// The inputs of the sun-path chart, parsed once by the window or the command
// line: numbers, check states, and the texts as typed for the annotation
// block. A typed number that is not one fails at the drawing step that needs
// it (see TypedNumber.h), so an unchecked angle is never asked for.
#pragma once

#include "canvas/Canvas.h"
#include "chart/TypedNumber.h"

#include <QString>

namespace chart {

// The angle reference of `rgAngulos`: item 0 "Interna", item 1 "Externa",
// or no item selected.
enum class AngleReference { None, Interna, Externa };

AngleReference referenceFromItem(int itemIndex);

// The latitudes the chart is drawn for, bounds included.
inline constexpr double kSouthmostLatitudeDeg = -65.0;
inline constexpr double kNorthmostLatitudeDeg = 65.0;

// What the chart command makes of the latitude text.
enum class LatitudeVerdict { Empty, BelowRange, AboveRange, Valid };
struct LatitudeCheck {
    LatitudeVerdict verdict = LatitudeVerdict::Empty;
    double valueDeg = 0.0;
};
// Throws math::ConversionError, naming the text, when a non-empty text is not
// a number ("nan" and "inf" are not numbers).
LatitudeCheck checkLatitude(const QString& text);

// An angle box with its check box: degrees, with the chosen reference.
struct AngleBox {
    bool checked = false;
    TypedNumber angle;
};

// The first and the second angle of a family (alpha, beta right, ...). The
// second counts only while the first is checked too.
struct AnglePair {
    AngleBox first;
    AngleBox second;
};

struct ChartInputs {
    // The latitude, already checked by the chart command (-65 to 65 degrees,
    // north positive), and its text as typed for the annotation block.
    double latitudeDeg = 0.0;
    QString latitudeText;
    // The selected city's name; empty for "Nenhum".
    QString cityName;
    bool sunPaths = true;     // ckTrajetoria: hour circles and date paths
    bool protractor = true;   // TransferidorCheck: protractor and masks
    TypedNumber orientation;  // editOrient, degrees clockwise from north
    AngleReference reference = AngleReference::Interna;
    bool overlayShown = false;  // ckPontos: the protractor turns green, 2 px
    AnglePair alpha;
    AnglePair betaRight;
    AnglePair betaLeft;
    AnglePair gammaRight;
    AnglePair gammaLeft;
};

// The four chart layers, bottom to top: the sun-path chart, the hourly
// overlay with the path labels, the protractor, the masks.
struct ChartCanvases {
    Canvas& base;
    Canvas& overlay;
    Canvas& protractor;
    Canvas& masks;
};

}  // namespace chart
