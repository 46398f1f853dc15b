// The one forward pass over a career .cfg file that finds its target section:
// the numbered section that the count in [INIT] points at.
#pragma once

#include <string>
#include <string_view>

#include "career/career_format.h"

namespace kp {

struct ScanProfile {
    std::string_view countKey;      // "Patrols=" or "Careers="
    std::string_view headerPrefix;  // "[PATROL " or "[CAREER "
    int targetOffset;               // target section number = count + offset
    bool bracketInInitIsError;      // a "[" line inside [INIT] before the count
};

inline constexpr ScanProfile kNextPatrolProfile{format::kPatrolCountKey, format::kPatrolHeader, 0,
                                                true};
inline constexpr ScanProfile kHistoryProfile{format::kPatrolCountKey, format::kPatrolHeader, -1,
                                             true};
inline constexpr ScanProfile kCareerProfile{format::kCareerCountKey, format::kCareerHeader, 0,
                                            false};

// Builds a header line (without its line end) as "%03d" would: [PATROL 007], [PATROL -01].
std::string SectionHeader(std::string_view prefix, long long number);

enum class ScanStep {
    Pass,    // not part of the target section: copy as it is
    Target,  // a line of the target section: offer it to the caller
    Stop,    // the scan has ended at this line (a header after the target, or an error)
};

class SectionScan {
  public:
    explicit SectionScan(const ScanProfile& profile) : profile_(profile) {}
    // Starts with the count and target header an earlier scan left.
    SectionScan(const ScanProfile& profile, const SectionScan& carried);

    // Feeds one line, given without its line end; `hasEnd` tells whether it had one.
    ScanStep Feed(std::string_view text, bool hasEnd);

    bool Error() const { return error_; }
    int Count() const { return count_; }
    bool Stopped() const { return state_ == State::Stopped; }
    // While searching, only lines that begin with "[" can change anything.
    bool Searching() const { return state_ == State::Searching; }

  private:
    enum class State { Searching, InInit, InTarget, Stopped };

    ScanStep StopHere(bool error);

    ScanProfile profile_;
    State state_ = State::Searching;
    int count_ = -1;
    std::string targetHeader_;
    bool error_ = false;
};

}  // namespace kp
