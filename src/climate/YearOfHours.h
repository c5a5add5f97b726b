// The hours of a year as the import wants them, in order: 1 January hour 1
// to 31 December hour 24 (hours 1 to 24 of each day), 365 days. A leap
// year's 29 February may follow 28 February; its hours are dropped, so that
// every line keeps its place in a 365-day year. Both import sources (the
// comma-text source and EPW) are checked by it.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace climate {

inline constexpr int kYearHours = 8760;

struct HourStamp {
    int month = 1;
    int day = 1;
    int hour = 1;  // 1 to 24
    bool operator==(const HourStamp&) const = default;
};

// A month, day, hour or minute field of a record: an integer, or FormatError
// naming `what`, the line and the text.
int stampField(std::string_view text, const char* what, const QString& path, int line);

// "D/M, hora H".
std::string describe(const HourStamp& stamp);

class YearOfHours {
public:
    // The record on `line` of `path`: throws FormatError unless it is the
    // year's next hour (requireRoom first). Returns false for an hour of
    // 29 February, to be dropped.
    bool next(const HourStamp& stamp, const QString& path, int line);
    bool complete() const { return expected_.month > 12; }
    // Throws FormatError when a record on `line` would follow a complete year.
    void requireRoom(const QString& path, int line) const;
    // Throws FormatError naming `line`, the line after the last record,
    // unless the year is complete.
    void requireComplete(const QString& path, int line) const;

private:
    HourStamp expected_;
    bool leap_ = false;
};

}  // namespace climate
