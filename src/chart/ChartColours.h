// The colours of the chart layers, one table for every drawing of the chart.
#pragma once

#include <QColor>

namespace chart {

inline const QColor kHourCircleBlue{0, 0, 255};
// Boundary of every mask, computed or drawn by hand; it bounds every mask fill.
inline const QColor kMaskGray{128, 128, 128};
inline const QColor kProtractorRed{255, 0, 0};
// The protractor while the hourly overlay is shown.
inline const QColor kProtractorGreen{0, 128, 0};
inline const QColor kTotalShadingRed{255, 0, 0};
inline const QColor kPartialShadingYellow{255, 255, 0};

}  // namespace chart
