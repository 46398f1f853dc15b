#include "career_texts.h"

#include <cstdio>

namespace kp {
namespace {

std::string SectionHeaderText(int n) {
    char header[32];
    std::snprintf(header, sizeof header, "[PATROL %03d]\n", n);
    return header;
}

}  // namespace

std::string NextPatrolText(const std::string& target, int count) {
    std::string text = "[INIT]\nPatrols=" + std::to_string(count) + "\nCareer=1\n\n";
    for (int i = 1; i < count; ++i) {
        text += SectionHeaderText(i) +
                "EndLocation=750\nSubType=0\nSubVersion=0\n"
                "PatrolArea=AN41\nStartYear=1939\nStartMonth=9\n\n";
    }
    return text + SectionHeaderText(count) + target;
}

std::string HistoryText(const std::string& last, int count) {
    std::string text = "[INIT]\nPatrols=" + std::to_string(count) + "\n\n";
    for (int i = 0; i < count - 1; ++i) {
        text += SectionHeaderText(i) + "EndYear=1939\nEndMonth=10\nEndDay=1\nHullIntegrity=50\n\n";
    }
    return text + SectionHeaderText(count - 1) + last;
}

}  // namespace kp
