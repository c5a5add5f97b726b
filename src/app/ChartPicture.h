// The chart view as one picture: the four layers stacked with white left out
// on the upper three, and the pictograms of the angle reference chosen in
// `rgAngulos` at their own size in their corners. Copy, compare and the
// headless export show this picture.
#pragma once

#include "output/Composition.h"

#include <QImage>

#include <optional>

class TFormZenita;

// The pictogram set of an `rgAngulos` item: 0 internal, 1 external; none
// for no item.
std::optional<output::Pictograms> referencePictograms(int referenceItem);

QImage composeChartPicture(TFormZenita& form);
