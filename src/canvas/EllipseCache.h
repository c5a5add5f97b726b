// Ellipses as a painter has drawn them before, kept as runs of pixels.
//
// The charts draw the same altitude circles, horizon, paths and protractor
// curves at every command: writing the pixels a painter produced for the
// same box and pen costs a fraction of stroking the curve again. What a
// painter draws for an ellipse with antialiasing off and opaque colours
// depends only on the image's size, the box, the pen's width and style and
// whether the brush is solid, not on the colours nor on what the image
// holds; that is the key.
//
// Runs are offsets into the image's pixels (y * pixels per row + x), each
// either the pen's or the brush's.
#pragma once

#include <optional>
#include <vector>

namespace canvas_internal {

struct EllipseKey {
    int imageWidth = 0;
    int imageHeight = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int penWidth = 0;
    int penStyle = 0;
    bool brush = false;

    friend bool operator==(const EllipseKey&, const EllipseKey&) = default;
};

struct PixelRun {
    long long offset = 0;
    int length = 0;
    bool pen = false;
};

using EllipseRuns = std::vector<PixelRun>;

// The runs of the key from the second time it is drawn on: the first time
// only notes the key and gives nothing, and the caller paints the ellipse
// itself (capturing costs a painting more, not worth it for a shape drawn
// once, as by a command-line export). The second time `capture` draws it.
template <typename Capture>
const EllipseRuns* cachedEllipse(const EllipseKey& key, Capture&& capture);

// The recently used ellipses of this thread.
class EllipseCache {
public:
    EllipseCache() { entries_.reserve(kCapacity); }

    // The runs, when captured; nothing when the key is new (it is noted) or
    // was only noted before.
    const EllipseRuns* find(const EllipseKey& key, bool& seenBefore);
    const EllipseRuns& store(const EllipseKey& key, EllipseRuns runs);

private:
    struct Entry {
        EllipseKey key;
        std::optional<EllipseRuns> runs;
        unsigned long long lastUse = 0;
    };
    Entry& slotFor(const EllipseKey& key);

    // Room for the circles of a chart, its protractor and the wind rose.
    static constexpr std::size_t kCapacity = 96;
    std::vector<Entry> entries_;
    unsigned long long clock_ = 0;
};

EllipseCache& threadEllipseCache();

template <typename Capture>
const EllipseRuns* cachedEllipse(const EllipseKey& key, Capture&& capture) {
    EllipseCache& cache = threadEllipseCache();
    bool seenBefore = false;
    if (const EllipseRuns* runs = cache.find(key, seenBefore)) {
        return runs;
    }
    if (!seenBefore) {
        return nullptr;
    }
    return &cache.store(key, capture());
}

}  // namespace canvas_internal
