#include "climate/FileSystem.h"

#include "climate/ClimateErrors.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace climate {

std::string systemErrorText(int errorNumber) {
    switch (errorNumber) {
        case ENOSPC:
            return "o disco está cheio";
        case EDQUOT:
            return "a cota de disco do usuário acabou";
        case EFBIG:
            return "o arquivo ficaria grande demais";
        case EROFS:
            return "o disco é somente leitura";
        case EACCES:
        case EPERM:
            return "sem permissão";
        case ENAMETOOLONG:
            return "o nome do arquivo é longo demais";
        case ENOENT:
            return "o arquivo ou a pasta não existe";
        case ENOTDIR:
            return "parte do caminho não é uma pasta";
        case EISDIR:
            return "é uma pasta";
        case EIO:
            return "erro de leitura ou gravação no disco";
        case EMFILE:
        case ENFILE:
            return "arquivos abertos demais";
        default:
            return std::strerror(errorNumber);
    }
}

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

namespace {

[[noreturn]] void failWrite(const char* what, const QString& path) {
    throw FileWriteError(std::string(what) + " (" + systemErrorText(errno) + ").", path);
}

}  // namespace

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

FileDescriptor createExclusive(const QString& file, unsigned mode, const QString& path) {
    FileDescriptor fd(
        ::open(nativePath(file).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!fd.isOpen()) {
        failWrite("não foi possível criar o arquivo temporário na pasta", path);
    }
    // Explicitly, so the process's umask does not decide the database's modes.
    if (::fchmod(fd.get(), static_cast<mode_t>(mode)) != 0) {
        failWrite("não foi possível dar ao arquivo temporário as permissões do original", path);
    }
    return fd;
}

void writeAll(const FileDescriptor& file, std::string_view bytes, const QString& path) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(file.get(), bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            failWrite("não foi possível gravar o arquivo", path);
        }
        if (written == 0) {
            errno = ENOSPC;  // a write that makes no progress has nowhere to go
            failWrite("não foi possível gravar o arquivo", path);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void syncFile(const FileDescriptor& file, const QString& path) {
    if (::fsync(file.get()) != 0) {
        failWrite("não foi possível gravar o arquivo no disco", path);
    }
}

void syncFolder(const QString& folder) {
    const FileDescriptor fd(
        ::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.isOpen() && errno == ENOENT) {
        return;  // a folder that is not there holds nothing to sync
    }
    // Some file systems refuse to sync a folder; their renames are as durable
    // as they can make them, so only a failure of the disk itself counts.
    if (!fd.isOpen() || (::fsync(fd.get()) != 0 && errno != EINVAL && errno != EROFS)) {
        failWrite("não foi possível gravar a pasta no disco", folder);
    }
}

void renameReplacing(const QString& from, const QString& to, const QString& path) {
    if (std::rename(nativePath(from).constData(), nativePath(to).constData()) != 0) {
        failWrite("não foi possível substituir o arquivo", path);
    }
}

void linkFile(const QString& existing, const QString& alias, const QString& path) {
    if (::link(nativePath(existing).constData(), nativePath(alias).constData()) != 0) {
        failWrite("não foi possível guardar o arquivo antigo antes de substituí-lo", path);
    }
}

void removeFile(const QString& file, const QString& path) {
    if (::unlink(nativePath(file).constData()) != 0 && errno != ENOENT) {
        failWrite("não foi possível remover o arquivo", path);
    }
}

FileStatus fileStatus(const QString& file) {
    FileStatus status;
    struct stat info {};
    if (::lstat(nativePath(file).constData(), &info) != 0) {
        return status;
    }
    status.exists = true;
    status.isRegular = S_ISREG(info.st_mode);
    status.isSymLink = S_ISLNK(info.st_mode);
    status.isFolder = S_ISDIR(info.st_mode);
    status.mode = info.st_mode & 07777;
    return status;
}

FolderLock::FolderLock(const QString& folder, Mode mode)
    : folder_(::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (!folder_.isOpen()) {
        return;
    }
    const int operation = mode == Mode::Wait ? LOCK_EX : LOCK_EX | LOCK_NB;
    int result = 0;
    do {
        result = ::flock(folder_.get(), operation);
    } while (result != 0 && errno == EINTR);
    acquired_ = result == 0 || errno != EWOULDBLOCK;
}

}  // namespace climate
