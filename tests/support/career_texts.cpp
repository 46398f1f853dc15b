#include "career_texts.h"

#include <cstdio>

#include "career_fixture.h"

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

CareerFileTexts CareerAtBaseTexts() {
    return {
        {"patrols_0.cfg",
         Crlf("[INIT]\nPatrols=7\n[PATROL 007]\nEndLocation=754\nSubType=1\nSubVersion=1\n"
              "PatrolArea=NULL\nStartYear=1942\nStartMonth=8\nStartDay=1\nNbDaysInBase=31\n"
              "HullIntegrity=100.0000\nFlotilla=2\n")},
        {"patrols.cfg",
         Crlf("[INIT]\nPatrols=7\n[PATROL 006]\nPatrolArea=BF17\nNbDaysInBase=31\nEndDay=25\n"
              "EndMonth=7\nEndYear=1943\nHullIntegrity=95.5000\n[PATROL 007]\n")},
        {"careers_0.cfg", Crlf("[INIT]\nCareers=0\n[CAREER 000]\nRadarWarningReceiverUpg=-1\n")},
    };
}

CareerFileTexts CareerAtSeaTexts() {
    CareerFileTexts files = CareerAtBaseTexts();
    files["patrols_0.cfg"] = Crlf(
        "[INIT]\nPatrols=7\n[PATROL 007]\nEndLocation=754\nSubType=1\nSubVersion=1\n"
        "PatrolArea=AN41\nStartYear=1942\nStartMonth=8\nStartDay=1\nNbDaysInBase=31\n");
    files["7/Save.psc"] = Crlf("[Save]\nPatrolArea=BF17\nX=1\n");
    return files;
}

}  // namespace kp
