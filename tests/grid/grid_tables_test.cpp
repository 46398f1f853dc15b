// The grid tables pinned by digest, and the rules every entry keeps. A
// list's order and its repeated entries decide what a seed draws, so a
// swapped pair or one changed entry is a fault no rule sees: the digest of
// each list's names, and of the table's names by index, catches it and names
// the list, printing the names it now holds. The digests were taken from
// tables an entry-by-entry copy had checked; an intended edit renews one.
#include "grid/grid_tables.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace kp {
namespace {

constexpr int kNoGrid = 1324;

struct NamedList {
    const char* name;
    const int* list;
    std::uint64_t digest;  // of its names in stored order, as Joined gives them
};

const NamedList kLists[] = {
    {"GridsTheater3", GridsTheater3, 0xff72030c1d196121u},
    {"GridsTankerSouth", GridsTankerSouth, 0xa14668279a5282dcu},
    {"GridsTypeIITheater0or2Y1939To1940", GridsTypeIITheater0or2Y1939To1940, 0x30c8722ab9b6db1eu},
    {"GridsTypeIITheater0or2Y1941To1944", GridsTypeIITheater0or2Y1941To1944, 0xd296baedb674d856u},
    {"GridsTypeIITheater0or2OtherYears", GridsTypeIITheater0or2OtherYears, 0xb428eb876aa80571u},
    {"GridsTypeIITheater1", GridsTypeIITheater1, 0xcf314e29f081d978u},
    {"GridsTypeVIITankerNorth", GridsTypeVIITankerNorth, 0xfff381c5506b0acfu},
    {"GridsTypeVIITankerMid", GridsTypeVIITankerMid, 0x40674315136a2efeu},
    {"GridsTypeVIITheater0or2Y1939To1940", GridsTypeVIITheater0or2Y1939To1940, 0xdf23f03320952258u},
    {"GridsTypeVIITheater0or2Main", GridsTypeVIITheater0or2Main, 0xcc26d2264db996d2u},
    {"GridsTypeVII1945", GridsTypeVII1945, 0x13635b99d141b163u},
    {"GridsTypeVIITheater1Main", GridsTypeVIITheater1Main, 0x7230742c60caddb0u},
    {"GridsTypeVIITheater1Y1942", GridsTypeVIITheater1Y1942, 0x6da5c4959b362d38u},
    {"GridsTypeVIITheater1Y1944", GridsTypeVIITheater1Y1944, 0xff81b83fb71d55cdu},
    {"GridsTypeIXTankerNorth", GridsTypeIXTankerNorth, 0xc880a23efbdf8f98u},
    {"GridsTypeIXTankerMid", GridsTypeIXTankerMid, 0x72f4218d4f5a5114u},
    {"GridsTypeIXTheater0or2Y1939To1943", GridsTypeIXTheater0or2Y1939To1943, 0xa5ed2185f6fd301fu},
    {"GridsTypeIXTheater0or2OtherYears", GridsTypeIXTheater0or2OtherYears, 0x1e691675e62fe52au},
    {"GridsTypeIXTheater1Y1939To1941", GridsTypeIXTheater1Y1939To1941, 0xa68ca57d48ce3058u},
    {"GridsTypeIXTheater1Y1942", GridsTypeIXTheater1Y1942, 0xc880a23efbdf8f98u},
    {"GridsTypeIXTheater1Y1943To1944", GridsTypeIXTheater1Y1943To1944, 0xf1bd979ffc2b69b1u},
    {"GridsTypeIXTheater1OtherYears", GridsTypeIXTheater1OtherYears, 0x1e691675e62fe52au},
    {"GridsTypeIXD2Y1939To1944", GridsTypeIXD2Y1939To1944, 0x60224fd9e9adf714u},
    {"GridsTypeIXD2OtherYears", GridsTypeIXD2OtherYears, 0x553c2b74a483a972u},
};

// The list's entries as names, an entry outside the table as its number.
std::vector<std::string> NamesOf(const int* list) {
    std::vector<std::string> names;
    for (const int* p = list; *p != 0; ++p) {
        names.push_back(*p >= 1 && *p < kPatrolGridTableSize ? std::string(GridName(*p))
                                                             : std::to_string(*p));
    }
    return names;
}

// The names, each followed by a space.
std::string Joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) {
        text += name + ' ';
    }
    return text;
}

// 64-bit FNV-1a.
std::uint64_t Digest(const std::string& text) {
    std::uint64_t hash = 14695981039346656037u;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    return hash;
}

TEST(GridTables, TableHoldsEveryGridAtItsIndex) {
    std::vector<std::string> names;
    for (int i = 0; i < kPatrolGridTableSize; ++i) {
        names.emplace_back(GridName(i));
        EXPECT_EQ(PatrolGridTable[i][4], '\0') << "index " << i;
    }
    EXPECT_EQ(Digest(Joined(names)), 0xc19770726adfbd6au) << Joined(names);
    EXPECT_EQ(GridName(0), "NULL");
    EXPECT_EQ(GridName(31), "AM52");
    EXPECT_EQ(GridName(248), "AN14");
}

TEST(GridTables, GridNamesAreDistinctLettersAndDigits) {
    std::set<std::string> seen;
    for (int i = 1; i < kPatrolGridTableSize; ++i) {
        const std::string name(GridName(i));
        ASSERT_EQ(name.size(), 4u) << i;
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(name[0])) &&
                    std::isupper(static_cast<unsigned char>(name[1])) &&
                    std::isdigit(static_cast<unsigned char>(name[2])) &&
                    std::isdigit(static_cast<unsigned char>(name[3])))
            << name;
        EXPECT_TRUE(seen.insert(name).second) << name << " twice";
    }
}

TEST(GridTables, EveryListHoldsItsGridsInOrder) {
    ASSERT_EQ(std::size(kLists), 24u);
    for (const NamedList& l : kLists) {
        const std::vector<std::string> names = NamesOf(l.list);
        EXPECT_EQ(GridListCount(l.list), static_cast<int>(names.size())) << l.name;
        EXPECT_EQ(Digest(Joined(names)), l.digest) << l.name << ": " << Joined(names);
    }
}

TEST(GridTables, AListOfTheEndMarkAloneIsEmpty) {
    const int endOnly[] = {0, 5, 6};
    EXPECT_EQ(GridListCount(endOnly), 0);
}

TEST(GridTables, OnlyOneEntryNamesNoGrid) {
    for (const NamedList& l : kLists) {
        for (int i = 0; l.list[i] != 0; ++i) {
            if (l.list == GridsTypeVIITheater1Y1944 && i == 61) {
                EXPECT_EQ(l.list[i], kNoGrid);  // the 62nd entry
            } else {
                EXPECT_TRUE(l.list[i] >= 1 && l.list[i] <= 248) << l.name << " entry " << i;
            }
        }
    }
}

TEST(GridTables, SomeGridsAreNeverDrawn) {
    ASSERT_EQ(GridName(76), "BF97");
    ASSERT_EQ(GridName(193), "EJ59");
    for (const NamedList& l : kLists) {
        for (const int* p = l.list; *p != 0; ++p) {
            EXPECT_TRUE(*p != 76 && *p != 193) << l.name << " draws " << GridName(*p);
        }
    }
}

TEST(GridTables, TwoPairsOfListsAgree) {
    EXPECT_EQ(NamesOf(GridsTypeIXTheater0or2OtherYears), NamesOf(GridsTypeIXTheater1OtherYears));
    EXPECT_EQ(NamesOf(GridsTypeIXTheater1Y1942), NamesOf(GridsTypeIXTankerNorth));
}

}  // namespace
}  // namespace kp
