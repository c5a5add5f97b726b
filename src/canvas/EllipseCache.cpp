#include "canvas/EllipseCache.h"

#include <algorithm>

namespace canvas_internal {

const EllipseRuns* EllipseCache::find(const EllipseKey& key, bool& seenBefore) {
    for (Entry& entry : entries_) {
        if (entry.key == key) {
            entry.lastUse = ++clock_;
            seenBefore = true;
            return entry.runs ? &*entry.runs : nullptr;
        }
    }
    seenBefore = false;
    slotFor(key) = {key, std::nullopt, ++clock_};
    return nullptr;
}

const EllipseRuns& EllipseCache::store(const EllipseKey& key, EllipseRuns runs) {
    Entry& entry = slotFor(key);
    entry = {key, std::move(runs), ++clock_};
    return *entry.runs;
}

EllipseCache::Entry& EllipseCache::slotFor(const EllipseKey& key) {
    for (Entry& entry : entries_) {
        if (entry.key == key) {
            return entry;
        }
    }
    if (entries_.size() < kCapacity) {
        return entries_.emplace_back();
    }
    return *std::min_element(entries_.begin(), entries_.end(),
                             [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
}

EllipseCache& threadEllipseCache() {
    thread_local EllipseCache cache;
    return cache;
}

}  // namespace canvas_internal
