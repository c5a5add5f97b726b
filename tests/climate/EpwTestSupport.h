// Small EPW files made by the tests: eight header lines and a year of
// records whose values say which record they are.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// One record of the year: its place and the values the import reads.
struct EpwRecord {
    int month, day, hour;  // hour 1 to 24
    int index;             // from 0, 29 February included when the year has it
    std::string dryBulb, globalHorizontal, directNormal, windDirection, windSpeed;
};

struct EpwOptions {
    std::string location = "LOCATION,Cidade Teste,RJ,BRA,Teste,000000,-22.90,-43.20,-3.0,10.0";
    bool leap = false;
    bool crlf = false;
    int minute = 60;
    // Changes a record's values before it is written.
    std::function<void(EpwRecord&)> edit;
};

// Values that tell records apart: temperature 10 + hour + day / 100,
// radiation growing with the hour, wind turning with the hour.
inline EpwRecord defaultEpwRecord(int month, int day, int hour, int index) {
    const auto text = [](double v) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", v);
        return std::string(buffer);
    };
    return {month,
            day,
            hour,
            index,
            text(10 + hour + day / 100.0),
            std::to_string(hour * 10),
            std::to_string(hour * 20 + month),
            std::to_string(hour * 15 % 360),
            text(hour % 5 + month / 10.0)};
}

inline std::vector<std::string> epwLines(const EpwOptions& options = {}) {
    std::vector<std::string> lines{
        options.location,
        "DESIGN CONDITIONS,0",
        "TYPICAL/EXTREME PERIODS,0",
        "GROUND TEMPERATURES,0",
        "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0",
        "COMMENTS 1,\"Feito pelos testes\"",
        "COMMENTS 2,\"Sem dados reais\"",
        "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31",
    };
    const int lengths[] = {31, options.leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int index = 0;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= lengths[month - 1]; ++day) {
            for (int hour = 1; hour <= 24; ++hour, ++index) {
                EpwRecord r = defaultEpwRecord(month, day, hour, index);
                if (options.edit) {
                    options.edit(r);
                }
                char line[512];
                std::snprintf(line, sizeof line,
                              "%d,%d,%d,%d,%d,?9?9?9?9E0?9?9?9,%s,5.0,80,101000,0,0,300,%s,%s,50,"
                              "0,0,0,0,%s,%s,5,5,20.0,77777,9,999999999,10,0.1,0,88,0.2,0.0,0.0",
                              options.leap ? 2020 : 2019, r.month, r.day, r.hour, options.minute,
                              r.dryBulb.c_str(), r.globalHorizontal.c_str(), r.directNormal.c_str(),
                              r.windDirection.c_str(), r.windSpeed.c_str());
                lines.push_back(line);
            }
        }
    }
    return lines;
}

inline std::string joinEpw(const std::vector<std::string>& lines, bool crlf) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line + (crlf ? "\r\n" : "\n");
    }
    return bytes;
}

inline std::string epwBytes(const EpwOptions& options = {}) {
    return joinEpw(epwLines(options), options.crlf);
}
