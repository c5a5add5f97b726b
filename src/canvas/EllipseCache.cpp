#include "canvas/EllipseCache.h"

#include <algorithm>

namespace canvas_internal {

const EllipseRuns* EllipseCache::find(const EllipseKey& key) {
    for (Entry& entry : entries_) {
        if (entry.key == key) {
            entry.lastUse = ++clock_;
            return &entry.runs;
        }
    }
    return nullptr;
}

const EllipseRuns& EllipseCache::store(const EllipseKey& key, EllipseRuns runs) {
    if (entries_.size() < kCapacity) {
        entries_.push_back({key, std::move(runs), ++clock_});
        return entries_.back().runs;
    }
    Entry& oldest = *std::min_element(
        entries_.begin(), entries_.end(),
        [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    oldest = {key, std::move(runs), ++clock_};
    return oldest.runs;
}

EllipseCache& threadEllipseCache() {
    thread_local EllipseCache cache;
    return cache;
}

}  // namespace canvas_internal
