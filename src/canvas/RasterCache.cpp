#include "canvas/RasterCache.h"

#include <QHashFunctions>

#include <algorithm>

namespace canvas_internal {

std::size_t RasterKeyHash::operator()(const RasterKey& key) const {
    return qHashMulti(0, static_cast<int>(key.kind), key.imageWidth, key.imageHeight, key.left,
                      key.top, key.right, key.bottom, key.penWidth, key.penStyle, key.brush,
                      key.fontPoints, key.bold, key.text);
}

const PixelRuns* RasterCache::find(const RasterKey& key, bool& captureNow) {
    captureNow = false;
    const auto found = entries_.find(key);
    if (found == entries_.end()) {
        slotFor(key) = {State::Noted, {}, ++clock_};
        return nullptr;
    }
    Entry& entry = found->second;
    entry.lastUse = ++clock_;
    captureNow = entry.state == State::Noted;
    return entry.state == State::Captured ? &entry.runs : nullptr;
}

const PixelRuns* RasterCache::store(const RasterKey& key, std::optional<PixelRuns> runs) {
    Entry& entry = slotFor(key);
    if (!runs) {
        entry = {State::NotCacheable, {}, ++clock_};
        return nullptr;
    }
    entry = {State::Captured, std::move(*runs), ++clock_};
    return &entry.runs;
}

RasterCache::Entry& RasterCache::slotFor(const RasterKey& key) {
    if (const auto found = entries_.find(key); found != entries_.end()) {
        return found->second;
    }
    if (entries_.size() >= kCapacity) {
        entries_.erase(std::min_element(entries_.begin(), entries_.end(),
                                        [](const auto& a, const auto& b) {
                                            return a.second.lastUse < b.second.lastUse;
                                        }));
    }
    return entries_[key];
}

RasterCache& threadRasterCache() {
    thread_local RasterCache cache;
    return cache;
}

}  // namespace canvas_internal
