#include "climate/TextFile.h"

#include "climate/ClimateErrors.h"
#include "climate/FileTransaction.h"

#include "climate/FileSystem.h"

#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace climate {

std::vector<std::string> splitLines(std::string_view bytes, bool* stoppedAtNul) {
    std::vector<std::string> lines;
    const bool nul = forEachLine(bytes, [&](std::string_view line) { lines.emplace_back(line); });
    if (stoppedAtNul) {
        *stoppedAtNul = nul;
    }
    return lines;
}

std::vector<std::string> splitWholeLines(std::string_view bytes, const QString& path) {
    bool stoppedAtNul = false;
    std::vector<std::string> lines = splitLines(bytes, &stoppedAtNul);
    if (stoppedAtNul) {
        // The NUL's line: a new one when the text before it ends in a break.
        const std::string_view before = bytes.substr(0, bytes.find('\0'));
        const bool atLineStart = before.empty() || before.back() == '\r' || before.back() == '\n';
        throw FormatError(
            "a linha contém um caractere nulo (byte 0), que não pertence a um arquivo de "
            "texto; o arquivo seria lido só até ele.",
            path, static_cast<int>(lines.size()) + (atLineStart ? 1 : 0));
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + 2;
    }
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : lines) {
        bytes.append(line).append("\r\n");
    }
    return bytes;
}

namespace {

[[noreturn]] void tooLarge(const QString& path) {
    throw FileReadError("o arquivo tem mais de " + std::to_string(kMaxFileBytes >> 20) +
                            " MB, o limite para um arquivo do banco de dados ou de dados "
                            "horários; nada foi lido.",
                        path);
}

}  // namespace

std::string readFileBytes(const QString& path) {
    // Non-blocking, so that opening a named pipe returns at once to be refused.
    const FileDescriptor file(
        ::open(nativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen()) {
        if (errno == ENOENT) {
            throw FileNotFoundError("o arquivo não existe.", path);
        }
        throw FileReadError("não foi possível abrir o arquivo (" + systemErrorText(errno) + ").",
                            path);
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        throw FileReadError("não foi possível ler o arquivo (" + systemErrorText(errno) + ").",
                            path);
    }
    if (S_ISDIR(info.st_mode)) {
        throw FileReadError("é uma pasta, não um arquivo.", path);
    }
    if (!S_ISREG(info.st_mode)) {
        throw FileReadError(
            "não é um arquivo comum (é um dispositivo, um pipe ou um soquete); só arquivos "
            "comuns são lidos.",
            path);
    }
    if (static_cast<std::uint64_t>(info.st_size) > kMaxFileBytes) {
        tooLarge(path);
    }
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t size = 0;
    for (;;) {
        if (size == bytes.size()) {
            // The file may have grown since fstat: read on, within the bound.
            if (size > kMaxFileBytes) {
                tooLarge(path);
            }
            bytes.resize(std::min(std::max<std::size_t>(size * 2, 4096), kMaxFileBytes + 1));
        }
        const ssize_t got = ::read(file.get(), bytes.data() + size, bytes.size() - size);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileReadError("não foi possível ler o arquivo (" + systemErrorText(errno) + ").",
                                path);
        }
        if (got == 0) {
            break;
        }
        size += static_cast<std::size_t>(got);
    }
    if (size > kMaxFileBytes) {
        tooLarge(path);
    }
    bytes.resize(size);
    return bytes;
}

std::vector<std::string> readLines(const QString& path, bool* stoppedAtNul) {
    return splitLines(readFileBytes(path), stoppedAtNul);
}

void writeFileAtomically(const QString& path, std::string_view bytes) {
    FileTransaction transaction(QFileInfo(path).absolutePath());
    transaction.add(path, std::string(bytes));
    transaction.commit();
}

void writeLines(const QString& path, const std::vector<std::string>& lines) {
    writeFileAtomically(path, joinLines(lines));
}

}  // namespace climate
