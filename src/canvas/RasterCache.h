// Ellipses, texts and lines as a painter has drawn them before, kept as runs
// of pixels.
//
// The charts and the wind rose draw the same circles, paths, curves, rays,
// frames and labels at every command: writing the pixels a painter produced
// for the same operation costs a fraction of stroking a curve or shaping a
// text again. What a painter draws with antialiasing off and opaque colours
// depends only on the image's size and the operation (box, place or ends,
// pen width and style, whether the brush is solid, text and font), not on the
// colours nor on what the image holds: that is the key.
//
// Runs are offsets into the image's pixels (y * pixels per row + x), each
// either the pen's (the text's) or the brush's.
#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

namespace canvas_internal {

struct RasterKey {
    enum class Kind { Ellipse, Text, Line };
    Kind kind = Kind::Ellipse;
    int imageWidth = 0;
    int imageHeight = 0;
    // The ellipse's box; the text's top-left corner in left and top; the
    // line's ends (left, top) and (right, bottom).
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int penWidth = 0;
    int penStyle = 0;
    bool brush = false;
    int fontPoints = 0;
    bool bold = false;
    QString text;

    friend bool operator==(const RasterKey&, const RasterKey&) = default;
};

struct RasterKeyHash {
    std::size_t operator()(const RasterKey& key) const;
};

struct PixelRun {
    long long offset = 0;
    int length = 0;
    bool pen = false;
};

using PixelRuns = std::vector<PixelRun>;

// The runs of the key from the second time it is drawn on: the first time
// only notes the key and gives nothing, and the caller paints itself
// (capturing costs a painting more, not worth it for what is drawn once, as
// by a command-line export). The second time `capture` draws it; when it
// gives nothing (the painter blended colours), the key is never cached.
template <typename Capture>
const PixelRuns* cachedRaster(const RasterKey& key, Capture&& capture);

// The recently drawn operations of this thread.
class RasterCache {
public:
    // The runs, when captured. Otherwise nothing, and captureNow tells
    // whether the key was noted before; a new key is noted.
    const PixelRuns* find(const RasterKey& key, bool& captureNow);
    // The runs kept for the key, or nothing when there are none to keep.
    const PixelRuns* store(const RasterKey& key, std::optional<PixelRuns> runs);

private:
    enum class State { Noted, Captured, NotCacheable };
    struct Entry {
        State state = State::Noted;
        PixelRuns runs;
        unsigned long long lastUse = 0;
    };
    Entry& slotFor(const RasterKey& key);

    // Room for the circles and labels of a few charts, their protractors and
    // the wind rose.
    static constexpr std::size_t kCapacity = 512;
    std::unordered_map<RasterKey, Entry, RasterKeyHash> entries_;
    unsigned long long clock_ = 0;
};

RasterCache& threadRasterCache();

template <typename Capture>
const PixelRuns* cachedRaster(const RasterKey& key, Capture&& capture) {
    RasterCache& cache = threadRasterCache();
    bool captureNow = false;
    if (const PixelRuns* runs = cache.find(key, captureNow)) {
        return runs;
    }
    return captureNow ? cache.store(key, capture()) : nullptr;
}

}  // namespace canvas_internal
