// The few POSIX calls that the city database's reads and commits make, each
// checked: a failure throws the climate error that names the file and says in
// Portuguese what the system answered ("o disco está cheio", not "Erro
// desconhecido"). Qt's file classes neither sync a folder, nor make a hard
// link, nor lock, nor tell a full disk apart; these do.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

namespace climate {

// What the system's error number means, as a Portuguese phrase.
std::string systemErrorText(int errorNumber);

// The path as the system names it (the UTF-8 form).
QByteArray nativePath(const QString& path);

// An open file, closed when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();

    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }

private:
    int fd_;
};

// Each throws FileWriteError naming `path` (the file the person knows of,
// which may differ from the one touched) when the call fails.
FileDescriptor createExclusive(const QString& file, unsigned mode, const QString& path);
void writeAll(const FileDescriptor& file, std::string_view bytes, const QString& path);
void syncFile(const FileDescriptor& file, const QString& path);
void syncFolder(const QString& folder);
void renameReplacing(const QString& from, const QString& to, const QString& path);
void linkFile(const QString& existing, const QString& alias, const QString& path);
// Removes a file; a file already gone is no failure.
void removeFile(const QString& file, const QString& path);

// The file's mode bits, whether it exists (without following a last link).
struct FileStatus {
    bool exists = false;
    bool isRegular = false;
    bool isSymLink = false;
    bool isFolder = false;
    unsigned mode = 0;
};
FileStatus fileStatus(const QString& file);

// An exclusive lock on a folder, held until destroyed: two commits into the
// same database never interleave, and a recovery leaves a running commit
// alone. Where the file system cannot lock, nothing is locked.
class FolderLock {
public:
    enum class Mode { Wait, TryOnly };
    FolderLock(const QString& folder, Mode mode);
    // False when another process holds the lock (TryOnly only).
    bool acquired() const { return acquired_; }

private:
    FileDescriptor folder_;
    bool acquired_ = true;
};

}  // namespace climate
