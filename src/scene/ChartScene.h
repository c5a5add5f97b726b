// A chart drawn: the request rendered on four layers by role (base chart,
// overlay with the path labels, protractor, masks, bottom to top), and what
// the drawing knows besides its pixels: the projection it used, the warnings
// to show, and every sun position it drew, for readouts and shading numbers.
#pragma once

#include "canvas/Canvas.h"
#include "chart/ChartGeometry.h"
#include "chart/ChartInputs.h"
#include "overlay/HourlyOverlay.h"
#include "scene/ChartRequest.h"

#include <optional>
#include <vector>

namespace scene {

struct ChartScene {
    chart::ChartGeometry geometry;
    std::vector<Warning> warnings;
    // The overlay's discs, in the order drawn.
    std::vector<overlay::SunSample> sunPositions;
    // What it was drawn from, for readouts of it: the chart's inputs, the
    // city, and the overlay's inputs when its points were drawn.
    chart::ChartInputs inputs;
    std::optional<climate::CityIndexEntry> city;
    std::optional<overlay::HourlyOverlayInputs> overlay;

    chart::Projection projection() const { return geometry.projection(); }
};

// Four white chart layers of their own, for a chart drawn without a window.
struct ChartLayers {
    Canvas base{460, 460};
    Canvas overlay{460, 460};
    Canvas protractor{460, 460};
    Canvas masks{460, 460};

    chart::ChartCanvases canvases() { return {base, overlay, protractor, masks}; }
};

// Renders the request on white layers. Throws math::ConversionError (a typed
// number that is not one) or the hourly file's read failure at the step that
// needs it; the layers keep what was drawn before.
ChartScene renderChart(const ChartRequest& request, const chart::ChartCanvases& layers);

// The overlay's points of the source on the layer as it stands; a drawing
// that stops before the end of the half-year gives its warning. The discs
// drawn are added to `sunPositions` when given.
std::optional<Warning> drawOverlayPoints(Canvas& overlayLayer, const chart::ChartGeometry& g,
                                         const OverlaySource& source,
                                         std::vector<overlay::SunSample>* sunPositions = nullptr);

}  // namespace scene
