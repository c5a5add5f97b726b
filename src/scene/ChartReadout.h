// What lies under a point of a drawn chart, in the words of the line below
// the chart: the sky direction, the sun that passes there (declination, sun
// time, the two dates, the clock time of a city with a time zone), the
// nearest overlay disc with its value and class, and, with the protractor on,
// the alfa, beta and gamma whose edges pass through the point in the chart's
// angle reference, with the masks that cover it.
//
// It reads the scene and the mask layer as they stand and draws nothing.
// Points are pixels of the chart layers (origin top-left, y down); a pixel
// stands for the sky at its centre, where the drawings that truncate their
// coordinates put the directions it holds.
#pragma once

#include "canvas/Canvas.h"
#include "scene/ChartScene.h"

#include <QPoint>
#include <QPointF>
#include <QString>

#include <vector>

namespace scene {

// A disc is read when the point lies this close to its centre.
inline constexpr double kDiscReachPx = 4.0;

// The readout's lines, each empty when it has nothing to say.
struct ReadoutLines {
    QString sky;     // altitude and azimuth
    QString sun;     // declination, sun time, dates and clock time
    QString disc;    // the overlay's disc under the point
    QString facade;  // the protractor's angles and the masks

    bool isEmpty() const {
        return sky.isEmpty() && sun.isEmpty() && disc.isEmpty() && facade.isEmpty();
    }
    QString text() const;
};

class ChartReadout {
public:
    // No chart: every point reads empty.
    ChartReadout() = default;
    // The scene must outlive the readout; so must the mask layer, which is
    // read as it stands (the freehand fills come after the chart).
    ChartReadout(const ChartScene& scene, const Canvas* masks);

    ReadoutLines at(QPoint pixel) const;

    // The disc drawn nearest to the point within kDiscReachPx; of equally
    // near ones the last drawn, which lies on top. Nothing without one.
    const overlay::SunSample* nearestDisc(QPointF point) const;

private:
    QString sunLine(const chart::SkyDirection& sky) const;
    QString discLine(QPointF point) const;
    QString facadeLine(const chart::SkyDirection& sky, QPoint pixel) const;

    const ChartScene* scene_ = nullptr;
    const Canvas* masks_ = nullptr;
    // The discs by square cells of the chart, as a counting sort lays them
    // out: the indices of cell c are cellItems_[cellStart_[c] .. cellStart_[c + 1]),
    // in the order drawn.
    int columns_ = 0;
    int rows_ = 0;
    std::vector<int> cellStart_;
    std::vector<int> cellItems_;
};

}  // namespace scene
