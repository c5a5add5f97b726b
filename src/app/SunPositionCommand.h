// `--sun-position`: where the overlay's sun stands for a latitude, a day and a
// sun time, and, for a façade, the alfa, beta and gamma whose edges pass
// through it, as the readout under the pointer says them.
#pragma once

#include "chart/ChartInputs.h"

#include <QString>
#include <QStringList>

#include <optional>

struct SunPositionRequest {
    double latitudeDeg = 0.0;
    int day = 1;  // of a 365-day year
    double sunTimeHours = 12.0;
    std::optional<double> orientationDeg;
    chart::AngleReference reference = chart::AngleReference::Interna;
};

// "D/M" (for example 21/6 or 21/06) as a day of a 365-day year; nothing when
// the text is not a date of that year.
std::optional<int> parseDayMonth(const QString& text);

// The lines printed, one per fact: "altitude: A", "azimute: Z", then the
// façade's angles, or why there are none.
QStringList sunPositionLines(const SunPositionRequest& request);
