// Leaving Qt's raster code with the processor's vector state clean.
//
// Qt fills, copies and paints images with code built for wide (AVX)
// registers and may return with their upper halves still in use. On such a
// processor every later instruction of code built for the baseline (our
// own, and the libm calls of the sun's positions) then pays a state
// transition: measured here, a sine costs some 25 times its time, and the
// chart command spends a third of its time on it. Clearing the upper halves
// after each visit to Qt's raster code costs a cycle.
#pragma once

namespace canvas_internal {

// vzeroupper where the processor has it; nothing elsewhere. Only the upper
// halves are cleared, which no code built for the baseline keeps values in.
void clearUpperVectorState();

}  // namespace canvas_internal
