#include "bench_files.h"

#include <cstdio>
#include <string_view>

namespace kp::bench {
namespace {

std::string Patrol(int number, std::string_view firstLine = {}) {
    char header[32];
    std::snprintf(header, sizeof header, "[PATROL %03d]\r\n", number);
    return std::string(header) + std::string(firstLine) +
           "StartDay=1\r\nStartMonth=3\r\nStartYear=1941\r\nPatrolArea=BF17\r\n"
           "NbDaysInBase=31\r\nEndDay=25\r\nEndMonth=7\r\nEndYear=1942\r\n"
           "HullIntegrity=85.0000\r\nTonnage=23456\r\nShipsSunk=4\r\nMedals=1\r\n"
           "Log=Convoy HX 112 sighted, attacked at night on the surface, two hits\r\n";
}

std::string History(int patrols, std::string_view lastFirstLine = {}) {
    std::string text = "[INIT]\r\nPatrols=" + std::to_string(patrols) + "\r\n";
    for (int i = 0; i < patrols; ++i) {
        text += Patrol(i, i + 1 == patrols ? lastFirstLine : std::string_view());
    }
    return text;
}

}  // namespace

std::string HistoryOfSize(std::size_t bytes) {
    const std::size_t perPatrol = Patrol(100).size();
    return History(static_cast<int>(bytes / perPatrol) + 1);
}

std::string HistoryWithPatrols(int patrols) {
    return History(patrols);
}

LongLineHistory HistoryWithLongLine(int patrols, std::size_t lineBytes) {
    // Keys and headers inside the line, which only a reader out of step would see.
    const std::string_view pattern = "Log=EndDay=1 [PATROL 999] PatrolArea=XX99 ";
    std::string line;
    line.reserve(lineBytes);
    while (line.size() + pattern.size() + 2 <= lineBytes) {
        line += pattern;
    }
    line.append(lineBytes - 2 - line.size(), 'x').append("\r\n");
    LongLineHistory history{History(patrols, line), 0, line.size()};
    history.lineOffset = history.text.find(line);
    return history;
}

}  // namespace kp::bench
