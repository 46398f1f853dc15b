// Drawing a patrol grid: a decision table picks the list for the boat's
// theatre, tanker, class and start year, and two draws pick an entry.
#include "grid/grid_generator.h"

#include <climits>
#include <initializer_list>
#include <iterator>

#include "grid/grid_tables.h"

namespace kp {
namespace {

// A set of small codes (-1 to 30), or its complement, which also holds every
// value outside that range.
struct CodeSet {
    unsigned bits;
    bool complement;

    constexpr bool Holds(int value) const {
        const bool listed = value >= -1 && value <= 30 && ((bits >> (value + 1)) & 1u) != 0;
        return listed != complement;
    }
};

constexpr CodeSet Only(std::initializer_list<int> values) {
    unsigned bits = 0;
    for (const int v : values) {
        bits |= 1u << (v + 1);
    }
    return {bits, false};
}

constexpr CodeSet Not(std::initializer_list<int> values) {
    CodeSet set = Only(values);
    set.complement = true;
    return set;
}

constexpr CodeSet kAnyCode = Not({});

struct YearRange {
    int first;
    int last;
};

constexpr YearRange kAnyYear{INT_MIN, INT_MAX};

struct SelectionRow {
    CodeSet theaters;
    CodeSet tankers;
    CodeSet classes;
    YearRange years[3];  // unused ranges stay empty (first > last)
    const int* list;

    bool Holds(Theater theater, TankerChoice tanker, BoatClass boatClass, int year) const {
        if (!theaters.Holds(CodeOf(theater)) || !tankers.Holds(CodeOf(tanker)) ||
            !classes.Holds(CodeOf(boatClass))) {
            return false;
        }
        for (const YearRange& range : years) {
            if (year >= range.first && year <= range.last) {
                return true;
            }
        }
        return false;
    }
};

constexpr YearRange kNone{1, 0};
constexpr int kMin = INT_MIN;
constexpr int kMax = INT_MAX;

// The first row that holds gives the list.
// clang-format off
const SelectionRow kSelection[] = {
    {Only({3}), kAnyCode, kAnyCode, {kAnyYear, kNone, kNone}, GridsTheater3},
    {Not({3}), Only({3}), kAnyCode, {kAnyYear, kNone, kNone}, GridsTankerSouth},
    {Only({0, 2}), Not({3}), Only({0}), {{1939, 1940}, kNone, kNone}, GridsTypeIITheater0or2Y1939To1940},
    {Only({0, 2}), Not({3}), Only({0}), {{1941, 1944}, kNone, kNone}, GridsTypeIITheater0or2Y1941To1944},
    {Only({0, 2}), Not({3}), Only({0}), {{kMin, 1938}, {1945, kMax}, kNone}, GridsTypeIITheater0or2OtherYears},
    {Only({1}), Not({3}), Only({0}), {kAnyYear, kNone, kNone}, GridsTypeIITheater1},
    {Not({3}), Only({1}), Only({1}), {kAnyYear, kNone, kNone}, GridsTypeVIITankerNorth},
    {Not({3}), Only({2}), Only({1}), {kAnyYear, kNone, kNone}, GridsTypeVIITankerMid},
    {Only({0, 2}), Not({1, 2, 3}), Only({1}), {{1939, 1940}, kNone, kNone}, GridsTypeVIITheater0or2Y1939To1940},
    {Only({0, 2}), Not({1, 2, 3}), Only({1}), {{1945, 1945}, kNone, kNone}, GridsTypeVII1945},
    {Only({0, 2}), Not({1, 2, 3}), Only({1}), {{kMin, 1938}, {1941, 1944}, {1946, kMax}}, GridsTypeVIITheater0or2Main},
    {Only({1}), Not({1, 2, 3}), Only({1}), {{1939, 1941}, {1943, 1943}, kNone}, GridsTypeVIITheater1Main},
    {Only({1}), Not({1, 2, 3}), Only({1}), {{1942, 1942}, kNone, kNone}, GridsTypeVIITheater1Y1942},
    {Only({1}), Not({1, 2, 3}), Only({1}), {{1944, 1944}, kNone, kNone}, GridsTypeVIITheater1Y1944},
    {Only({1}), Not({1, 2, 3}), Only({1}), {{kMin, 1938}, {1945, kMax}, kNone}, GridsTypeVII1945},
    {Not({3}), Only({1}), Only({2}), {kAnyYear, kNone, kNone}, GridsTypeIXTankerNorth},
    {Not({3}), Only({2}), Only({2}), {kAnyYear, kNone, kNone}, GridsTypeIXTankerMid},
    {Only({0, 2}), Not({1, 2, 3}), Only({2}), {{1939, 1943}, kNone, kNone}, GridsTypeIXTheater0or2Y1939To1943},
    {Only({0, 2}), Not({1, 2, 3}), Only({2}), {{kMin, 1938}, {1944, kMax}, kNone}, GridsTypeIXTheater0or2OtherYears},
    {Only({1}), Not({1, 2, 3}), Only({2}), {{1939, 1941}, kNone, kNone}, GridsTypeIXTheater1Y1939To1941},
    {Only({1}), Not({1, 2, 3}), Only({2}), {{1942, 1942}, kNone, kNone}, GridsTypeIXTheater1Y1942},
    {Only({1}), Not({1, 2, 3}), Only({2}), {{1943, 1944}, kNone, kNone}, GridsTypeIXTheater1Y1943To1944},
    {Only({1}), Not({1, 2, 3}), Only({2}), {{kMin, 1938}, {1945, kMax}, kNone}, GridsTypeIXTheater1OtherYears},
    {Not({3}), Not({3}), Only({3}), {{1939, 1944}, kNone, kNone}, GridsTypeIXD2Y1939To1944},
    {Not({3}), Not({3}), Only({3}), {{kMin, 1938}, {1945, kMax}, kNone}, GridsTypeIXD2OtherYears},
    {Not({3}), Not({3}), Only({5}), {kAnyYear, kNone, kNone}, GridsTypeIITheater0or2OtherYears},
};
// clang-format on

}  // namespace

const int* SelectGridList(Theater theater, TankerChoice tanker, BoatClass boatClass, int year) {
    for (const SelectionRow& row : kSelection) {
        if (row.Holds(theater, tanker, boatClass, year)) {
            return row.list;
        }
    }
    return nullptr;
}

BoatClass ClassForDraw(BoatClass boatClass, int startYear, RandomSource& random) {
    if (boatClass != BoatClass::kTypeXXI) {
        return boatClass;
    }
    random.NextScaled(2);
    const int toss = random.NextScaled(2);
    return (toss == 1 || startYear == 1945) ? BoatClass::kTypeIX : BoatClass::kTypeVII;
}

std::string PickGridName(const int* list, RandomSource& random) {
    const int count = GridListCount(list);
    random.NextScaled(count);
    int position = random.NextScaled(count);
    if (position >= count || list[position] >= kPatrolGridTableSize) {
        position = 0;
    }
    return std::string(GridName(list[position]));
}

std::optional<std::string> MarkDrawnGrid(std::string area, SeaStatus seaStatus) {
    if (area == format::kNoArea) {
        return std::nullopt;
    }
    // One mark is enough: a second would push the grid past what its field holds.
    if (area.empty() || area.back() != '*') {
        area += '*';
    }
    if (seaStatus == SeaStatus::kAtBase) {
        area = format::kAtBaseArea;
    }
    return area;
}

}  // namespace kp
