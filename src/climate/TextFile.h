// Text files of the city database, read and written byte for byte.
//
// Reading breaks the text at CR LF, at a lone LF and at a lone CR; a NUL byte
// ends the text; a break at the very end gives no further empty line.
// Writing puts CR LF after every line, the last one included, and replaces
// the file atomically (see FileTransaction.h).
//
// Every read is bounded: only a regular file is read (a pipe would block, a
// device never end), and none above kMaxFileBytes, which is some twenty
// times a city's hourly file.
#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace climate {

inline constexpr std::size_t kMaxFileBytes = std::size_t{64} * 1024 * 1024;

// The lines of a text. stoppedAtNul, when given, tells whether a NUL cut it.
std::vector<std::string> splitLines(std::string_view bytes, bool* stoppedAtNul = nullptr);
// Calls visit(line) for each line of the text, by the same rules, without
// copying; returns whether a NUL cut the text.
template <class Visit>
bool forEachLine(std::string_view bytes, Visit&& visit);

// The lines of a text that must be read whole: a NUL throws FormatError
// naming `path` and the line that holds it.
std::vector<std::string> splitWholeLines(std::string_view bytes, const QString& path);

// The lines with CR LF after each.
std::string joinLines(const std::vector<std::string>& lines);

// The whole file. Throws FileNotFoundError when it does not exist and
// FileReadError when it cannot be read (a folder, no access), is not a
// regular file or holds more than kMaxFileBytes; nothing is read then.
std::string readFileBytes(const QString& path);
// readFileBytes split by splitLines; same errors.
std::vector<std::string> readLines(const QString& path, bool* stoppedAtNul = nullptr);

// Replaces the file with the bytes through a temporary file in the same
// folder, under a journal there; throws FileWriteError and leaves the old
// file as it was on failure.
void writeFileAtomically(const QString& path, std::string_view bytes);
// writeFileAtomically of joinLines(lines).
void writeLines(const QString& path, const std::vector<std::string>& lines);

template <class Visit>
bool forEachLine(std::string_view bytes, Visit&& visit) {
    bool stoppedAtNul = false;
    if (const auto nul = bytes.find('\0'); nul != std::string_view::npos) {
        bytes = bytes.substr(0, nul);
        stoppedAtNul = true;
    }
    std::size_t start = 0;
    while (start < bytes.size()) {
        // A plain scan: find_first_of calls memchr on the set for every byte.
        std::size_t brk = start;
        while (brk < bytes.size() && bytes[brk] != '\r' && bytes[brk] != '\n') {
            ++brk;
        }
        if (brk == bytes.size()) {
            visit(bytes.substr(start));
            break;
        }
        visit(bytes.substr(start, brk - start));
        start = brk + 1;
        if (bytes[brk] == '\r' && start < bytes.size() && bytes[start] == '\n') {
            ++start;
        }
    }
    return stoppedAtNul;
}

}  // namespace climate
