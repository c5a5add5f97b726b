// City files for the window tests: hourly files with known values and wind
// files of twenty lines, as bytes ready for TempDatabase::writeCityFile.
#pragma once

#include <string>
#include <vector>

// `count` hourly lines (month, day, hour, then fields 3 to 17) whose
// temperature (field 3), global (15) and direct radiation (17) hold the texts given.
inline std::vector<std::string> hourlyLines(std::size_t count, const std::string& temperature,
                                            const std::string& global, const std::string& direct) {
    std::vector<std::string> lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string line = "1,1," + std::to_string(i % 24) + ',' + temperature;
        for (int field = 4; field < 15; ++field) {
            line += ",0";
        }
        line += ',' + global + ",0," + direct;
        lines.push_back(std::move(line));
    }
    return lines;
}

// Lines of a wind file: frequencies on lines 0-7, speeds on 8-15, calms on 16-19.
inline std::vector<std::string> windLines(const std::string& frequencies, const std::string& speeds,
                                          const std::string& calms) {
    std::vector<std::string> lines(8, frequencies);
    lines.insert(lines.end(), 8, speeds);
    lines.insert(lines.end(), 4, calms);
    return lines;
}

inline std::string fileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}
