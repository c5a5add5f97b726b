// Replaces a few files as one unit, so that no failure leaves one of them
// half written or the set out of step (a city's hourly file new and its wind
// file old, or the index naming files that were not written).
//
// commit() first writes every new content to a temporary file beside its
// target (same folder, so the rename cannot cross file systems), flushed to
// the disk. Only then does it replace the targets in the order they were
// added, each by one rename, keeping a hard link (or copy) of the old file. If
// a replacement fails, the targets already replaced are put back from those
// links and a target that did not exist before is removed again; every
// temporary file is removed either way.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace climate {

class FileTransaction {
public:
    // Called just before each target is replaced. An exception thrown from it
    // leaves commit() as a failed rename would, the targets put back. A seam
    // for tests that must make a later replacement fail (as root, permissions
    // cannot).
    using BeforeReplace = std::function<void(const QString& target)>;

    // Adds a target and its new content; nothing on disk changes yet.
    void add(const QString& path, std::string bytes);
    void setBeforeReplace(BeforeReplace hook) { beforeReplace_ = std::move(hook); }
    // Writes and replaces every target, or none: throws FileWriteError (naming
    // the target that failed) with the targets as they were before.
    void commit();

private:
    struct Target {
        QString path;
        std::string bytes;
        QString temporary;
        QString backup;
        bool replaced = false;
    };

    void stage(Target& target);
    void replace(Target& target);
    // Puts back what was replaced; returns the targets it could not restore.
    QStringList rollBack();
    void removeLeftovers();

    std::vector<Target> targets_;
    BeforeReplace beforeReplace_;
};

}  // namespace climate
