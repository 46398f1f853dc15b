#include "ui/qt/field_texts.h"

#include <string>

#include "career/career_format.h"
#include "career/career_read.h"
#include "career/code_tables.h"
#include "career/text_convert.h"
#include "grid/base_choice.h"
#include "grid/grid_tables.h"

namespace kp {
namespace {

// One below and one above every code the tables name, so that their rows for
// any other code are reached too.
constexpr int kFirstSubType = -1;
constexpr int kLastSubType = 4;
constexpr int kFirstBase = 749;
constexpr int kLastBase = 761;
// A day and year as wide as the files give them; the last year the other
// name of base 760 holds.
constexpr int kWidestDay = 28;
constexpr int kLastYear = 1945;
constexpr int kMonths = 12;

std::vector<std::string> GridTexts() {
    std::vector<std::string> texts{std::string(format::kAtBaseArea)};
    // A drawn grid is shown with its mark.
    for (int index = 1; index < kPatrolGridTableSize; ++index) {
        texts.push_back(std::string(GridName(index)) + "*");
    }
    return texts;
}

std::vector<std::string> SeaStatusTexts() {
    std::vector<std::string> texts;
    for (const SeaStatus status : {SeaStatus::kAtHomeBase, SeaStatus::kAtBase, SeaStatus::kAtSea}) {
        texts.emplace_back(SeaStatusText(status));
    }
    return texts;
}

std::vector<std::string> EndDateTexts() {
    std::vector<std::string> texts;
    for (int month = 0; month <= kMonths; ++month) {
        texts.push_back(EndDateText(kWidestDay, {kLastYear, month}));
    }
    return texts;
}

std::vector<std::string> BoatTypeTexts() {
    std::vector<std::string> texts{std::string(kTypeXXIIIName)};
    for (int subType = kFirstSubType; subType <= kLastSubType; ++subType) {
        for (int version = kFirstSubType; version <= kLastSubType; ++version) {
            texts.emplace_back(LookUpBoat(subType, version).type);
        }
    }
    return texts;
}

std::vector<std::string> EndLocationTexts() {
    std::vector<std::string> texts;
    for (int base = kFirstBase; base <= kLastBase; ++base) {
        for (const int month : {1, kMonths}) {
            texts.emplace_back(LookUpBase(base, {kLastYear, month}).name);
            texts.emplace_back(LookUpBase(base, {kLastYear - 1, month}).name);
        }
    }
    return texts;
}

}  // namespace

std::vector<std::string> TextsShownIn(Field field) {
    switch (field) {
        case Field::Grid:
            return GridTexts();
        case Field::DaysInPort:
            return {FormatInt(kDaysAtLandBase), FormatInt(kDaysAtTanker)};
        case Field::SeaStatus:
            return SeaStatusTexts();
        case Field::EndDate:
            return EndDateTexts();
        case Field::BoatType:
            return BoatTypeTexts();
        case Field::EndLocation:
            return EndLocationTexts();
    }
    return {};
}

}  // namespace kp
