// The text of a career's two files around the one section a test cares
// about, with "\n" line ends (Crlf turns them into the simulation's).
#pragma once

#include <map>
#include <string>

namespace kp {

// The next patrol of a Type VIIC at Lorient, starting in May 1942.
inline const std::string kNextTarget =
    "EndLocation=753\nSubType=1\nSubVersion=1\nPatrolArea=BF17\nStartYear=1942\n"
    "StartMonth=5\nStartDay=3\nNbDaysInBase=31\nHullIntegrity=100.0000\nFlotilla=2\n";
// Its last patrol, ended on 12 March 1942.
inline const std::string kLastPatrol = "EndYear=1942\nEndMonth=3\nEndDay=12\nHullIntegrity=87.5\n";

// Sections 001 to count - 1 hold other values; section `count` is the next
// patrol and holds `target`.
std::string NextPatrolText(const std::string& target, int count = 2);
// Sections 000 to count - 2 are earlier patrols; section count - 1 is the
// last and holds `last`.
std::string HistoryText(const std::string& last, int count = 2);

// A whole career's files by their path in its folder, with CRLF line ends:
// a Type VIIC at Lorient back from its sixth patrol, with no grid yet for
// the seventh; and the same at sea on the seventh, with its save in 7/.
using CareerFileTexts = std::map<std::string, std::string>;
CareerFileTexts CareerAtBaseTexts();
CareerFileTexts CareerAtSeaTexts();

}  // namespace kp
