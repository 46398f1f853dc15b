#include "career/section_scan.h"

#include <cstdio>

#include "career/text_convert.h"

namespace kp {
namespace {

constexpr std::string_view kInitHeader = "[INIT]";
// Where a numbered header's number starts: after "[PATROL " or "[CAREER ".
constexpr std::size_t kHeaderNumberOffset = 8;

bool StartsWithBracket(std::string_view text) {
    return !text.empty() && text[0] == '[';
}

}  // namespace

std::string SectionHeader(std::string_view prefix, long long number) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%03lld", number);
    std::string header(prefix);
    header += digits;
    header += ']';
    return header;
}

SectionScan::SectionScan(const ScanProfile& profile, const SectionScan& carried)
    : profile_(profile), count_(carried.count_), targetHeader_(carried.targetHeader_) {}

ScanStep SectionScan::StopHere(bool error) {
    error_ = error_ || error;
    state_ = State::Stopped;
    return ScanStep::Stop;
}

ScanStep SectionScan::Feed(std::string_view text, bool hasEnd) {
    if (state_ == State::Stopped) {
        return ScanStep::Stop;
    }
    if (state_ == State::InInit) {
        if (profile_.bracketInInitIsError && StartsWithBracket(text)) {
            return StopHere(true);
        }
        if (text.starts_with(profile_.countKey)) {
            count_ = ParseInt(text.substr(profile_.countKey.size()));
            targetHeader_ = SectionHeader(profile_.headerPrefix,
                                          static_cast<long long>(count_) + profile_.targetOffset);
            state_ = State::Searching;
        }
    }
    if (state_ == State::Searching) {
        if (text.starts_with(kInitHeader)) {
            state_ = State::InInit;
        } else if (count_ != -1 && hasEnd && text == targetHeader_) {
            state_ = State::InTarget;
        }
        return ScanStep::Pass;
    }
    if (state_ == State::InTarget) {
        if (!StartsWithBracket(text)) {
            return ScanStep::Target;
        }
        // A header too short to carry a number cannot be the expected one.
        const long long expected = static_cast<long long>(count_) + profile_.targetOffset + 1;
        const bool numbered = text.size() > kHeaderNumberOffset;
        return StopHere(!numbered || ParseInt(text.substr(kHeaderNumberOffset)) != expected);
    }
    return ScanStep::Pass;
}

}  // namespace kp
