#include "grid/grid_tables.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace kp {
namespace {

std::vector<std::string> Words(const char* text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

// Every grid name by index; the lists below refer to these positions.
const char* const kTableNames =
    "NULL AN41 BF17 AN81 BF32 AN84 BE33 BF16 AM97 AM53 "
    "BE83 BE36 AM68 AM39 BF44 BF21 AM29 BF26 AN59 BF24 "
    "BE31 AM77 BF11 AN56 BF15 AM87 BE63 AM16 AN48 BE64 "
    "AM51 AM52 CG11 BF19 AM27 AM25 AL38 BF14 BE69 BE35 "
    "AM95 AN52 CA28 CA54 CA73 DB98 ED98 AE87 CO41 AM26 "
    "AM98 AN47 BF12 BE59 BE61 BE91 CF33 AM11 AN55 BF41 "
    "BE39 BE65 AL39 AN23 AN13 AM41 CJ87 BF27 AN87 CN26 "
    "AM28 AN18 BE68 AM79 AM19 BF13 BF97 AM13 AM34 AM89 "
    "AM23 AM21 CH93 CA29 CA57 CA76 DB94 ED99 CO17 CH57 "
    "GR89 AM32 AL32 AN68 CJ74 AM71 AM74 CO51 CJ84 GR91 "
    "AF77 AM36 AN67 AM78 BE97 CG12 AM15 AK37 AJ38 BE29 "
    "CF98 AK13 BE34 AN31 CF32 BE22 BE99 CG88 CG87 CN23 "
    "AF78 CN29 CN39 AM49 AM35 AM46 AL66 AL93 BE62 AM42 "
    "AM72 AN34 AN44 CF64 BE37 CF34 BE67 BF31 AE88 DH33 "
    "BF89 CA87 AE89 DJ13 AM43 CH92 BF25 CN61 CN66 CN34 "
    "DN25 CJ76 CN63 CO69 DN78 AL19 CJ71 GR82 GR83 AN26 "
    "AK27 AM14 DC79 CA52 DN16 AK66 AN16 BE87 AM47 AM54 "
    "BE86 AL69 EK74 CF61 BE93 AE79 DC27 AF75 AL34 AN24 "
    "AN29 CG79 BE94 BB82 EJ69 EJ98 EJ99 ES19 ES32 ET11 "
    "ET43 EC39 EC66 EJ59 ET51 EJ93 BB89 BB91 BB93 EC18 "
    "EC41 EC69 EJ11 BB97 EJ19 EJ23 EJ58 EJ66 EJ82 EJ84 "
    "EJ96 ES63 ES69 ET13 ET41 ET98 BB76 BB79 BB94 ES34 "
    "DL68 DA89 EL23 EC92 EC93 ED14 ED25 GB19 GK96 GK99 "
    "EV91 EW78 FQ58 FQ79 BB59 BB73 AM17 AM18 CH75 AN15 "
    "AN51 AN86 AN54 BF18 AN17 AN76 AN79 AN58 AN14 ";

constexpr int kNoGrid = 1324;

struct NamedList {
    const char* name;
    const int* list;
    const char* grids;  // in stored order; "1324" for the entry that names no grid
};

const NamedList kLists[] = {
    {"GridsTheater3", GridsTheater3,
     "CO41 CJ87 CN26 CH93 CO17 CH57 CJ74 CO51 CJ84 CN23 CN29 CN39 "
     "CH92 CN61 CN66 CN34 CJ76 CN63 CO69 CJ71 CH75"},
    {"GridsTankerSouth", GridsTankerSouth, "GR89 GR91 GR82 GR83 GK96 GK99"},
    {"GridsTypeIITheater0or2Y1939To1940", GridsTypeIITheater0or2Y1939To1940,
     "AN41 AN81 AN84 AM39 AM29 AN59 AN56 AN48 AM52 AN52 AM26 AN47 "
     "AN55 AN23 AN13 AN87 AM28 AN18 AM34 AM32 AN68 AM36 AN67 AN31 "
     "AM35 AN34 AN44 AN26 AN16 AN24 AN29"},
    {"GridsTypeIITheater0or2Y1941To1944", GridsTypeIITheater0or2Y1941To1944,
     "AN41 AM53 AM39 AM29 AM52 AM27 AM25 AM26 AN13 AM28 AM34 AM32 "
     "AM36 AM35 AN26"},
    {"GridsTypeIITheater0or2OtherYears", GridsTypeIITheater0or2OtherYears,
     "AN55 AN18 AN16 AN51 AN54 AN17 AN76 AN79 AN58 AN14"},
    {"GridsTypeIITheater1", GridsTypeIITheater1,
     "BF17 BE33 BF16 AM97 AM53 BE36 BF21 BF24 BE31 AM77 BF11 BF15 "
     "AM87 BE63 BE64 AM51 CG11 BF19 BF14 BE69 BE35 AM98 BF12 BE61 "
     "BF27 BE68 AM79 BF13 AM89 AM78 AM49 AM46 AM54 BE93"},
    {"GridsTypeVIITankerNorth", GridsTypeVIITankerNorth,
     "AL38 CA28 CA54 CA73 AL39 CA29 CA57 CA76 AL32 AK37 AJ38 AK13 "
     "AL66 AL93 AE88 CA87 AE89 AL19 AK27 CA52 AK66 AL69 AE79 BB82 "
     "BB89 BB91 BB93 BB97 BB76 BB79 BB94"},
    {"GridsTypeVIITankerMid", GridsTypeVIITankerMid,
     "CF98 CF32 CG88 CG87 CF34 EK74 CF61 CG79 EJ69 EJ99 EJ11 EJ58 "
     "ES34"},
    {"GridsTypeVIITheater0or2Y1939To1940", GridsTypeVIITheater0or2Y1939To1940,
     "AN41 BF17 AN81 AN84 BF16 AM97 AM53 AM39 BF44 BF21 AM29 AN59 "
     "AM77 BF11 AN56 BF15 AN48 AM51 AM52 BF19 AM27 AM25 BF14 AN52 "
     "AM98 AN47 AN55 AN23 AN13 AN87 AM28 AN18 AM34 AM32 AN68 AF77 "
     "AM36 AN67 AN31 AF78 AM35 AN34 AN44 AN26 AN16 AF75 AN24 AN29"},
    {"GridsTypeVIITheater0or2Main", GridsTypeVIITheater0or2Main,
     "BF17 BE33 BF16 BE83 BE36 BF44 AM29 BF24 BE31 AM77 BF11 BF15 "
     "AM87 BE63 AM16 BE64 AM51 AM52 BF19 AM27 AM25 AL38 BF14 BE69 "
     "BE35 AE87 AM26 BE59 BE61 BE91 AM11 BF41 BE39 AM41 BF27 AM28 "
     "AM79 AM19 BF13 AM34 AM23 AM21 AM32 AF77 AM36 AM78 AM15 AF78 "
     "AM49 AM35 AM46 AM42 AN34 AN59 AE89 AM43 AM14 AM54 AF75"},
    {"GridsTypeVII1945", GridsTypeVII1945,
     "BF17 BF32 AM97 AM53 AM68 AM39 BF21 BF26 BF15 AM52 AM95 AM36 "
     "AN16 AN15 AN18 AN51 AN54 AN86 BF18 BF31"},
    {"GridsTypeVIITheater1Main", GridsTypeVIITheater1Main,
     "BF17 BE33 BF16 AM97 AM53 BE83 BE36 AM68 AM39 BF44 BF21 AM29 "
     "BF24 BE31 AM77 BF11 BF15 AM87 BE63 BE64 AM51 AM52 CG11 BF19 "
     "AM27 AM25 AL38 BF14 BE69 BE35 AE87 BF12 BE59 BE61 BE91 CF33 "
     "BF41 BE39 BE65 AL39 AM41 BF27 AM28 BE68 AM79 AM19 BF13 AM13 "
     "AM89 AM23 AM21 AM32 AL32 AM71 AM74 AM36 AM78 BE97 CG12 AM15 "
     "AK37 BE29 CF98 BE34 CF32 BE22 BE99 AM49 AM46 AL66 AL93 BE62 "
     "AM42 AM72 CF64 BE37 CF34 BE67 AE88 BF89 AE89 AM43 AL19 BE87 "
     "AM47 AM54 BE86 AL69 CF61 BE93 AE79 AL34 CG79 BE94"},
    {"GridsTypeVIITheater1Y1942", GridsTypeVIITheater1Y1942,
     "AL38 AK37 AJ38 CF98 AK13 BE99 CG88 CG87 AL66 AL93 CF64 CF34 "
     "DH33 AL19 AK27 AK66 AL69 BB93 BB97 BB94 AM17 AM18"},
    {"GridsTypeVIITheater1Y1944", GridsTypeVIITheater1Y1944,
     "BF17 BE33 BF16 AM97 AM53 BE83 BE36 AM68 AM39 BF44 BF21 AM29 "
     "BF26 BF24 BE31 AM77 BF11 BF15 AM87 BE63 BE64 AM51 AM52 CG11 "
     "BF19 AM27 AM25 BE69 BE35 AE87 BE65 BF27 AM28 BE68 AM79 AM19 "
     "AM89 AM23 AM21 AM32 AL32 AM71 AM74 AM36 AM78 BE97 CG12 AM15 "
     "BE29 CF98 BE34 CF32 BE22 BE99 CG88 CG87 AM49 AM46 BE62 AM42 "
     "AM72 1324 BE67 BF89 AM43 BF25 BE87 AM47 AM54 BE86 BE93 CG79 "
     "BE94"},
    {"GridsTypeIXTankerNorth", GridsTypeIXTankerNorth,
     "CA28 CA54 CA73 DB98 ED98 CA29 CA57 CA76 DB94 CA87 DN25 DN78 "
     "DC79 CA52 DN16 DC27 EC39 EC66 EC18 EC41 EC69 EC92 EC93 ED14 "
     "ED25"},
    {"GridsTypeIXTankerMid", GridsTypeIXTankerMid,
     "DB94 ED99 DC79 EK74 DC27 EJ98 ES19 ET11 EJ93 EJ23 EJ66 EJ84 "
     "ES63 ET13 ET98 DL68 DA89 EL23 EC92 EC93 ED14 ED25 GB19 EV91 "
     "EW78 FQ58 FQ79"},
    {"GridsTypeIXTheater0or2Y1939To1943", GridsTypeIXTheater0or2Y1939To1943,
     "BE83 BE31 AM77 BE63 BE64 AM51 CG11 AL38 BE69 BE59 BE61 BE91 "
     "CF33 BE65 AL39 AM41 BE68 AM79 AM19 AM13 AM23 AM21 AL32 AM78 "
     "BE97 CG12 AM15 BE29 CF98 BE34 CG88 CG87 AL66 BE62 AM42 CF64 "
     "BE37 CF34 BE67 AE88 DH33 AE89 AM43 AM14 AL69 BE93 AL34 CG79 "
     "BE94"},
    {"GridsTypeIXTheater0or2OtherYears", GridsTypeIXTheater0or2OtherYears,
     "BE83 CF98 CF32 DJ13 CF61 CG79 BE94 BB82 BB89 BB91 BB93 BB97 "
     "BB76 BB79 BB94 BB59 BB73"},
    {"GridsTypeIXTheater1Y1939To1941", GridsTypeIXTheater1Y1939To1941,
     "BE83 BE31 AM77 BE63 BE64 AM51 CG11 AL38 BE69 BE59 BE61 BE91 "
     "CF33 BE65 AL39 AM41 BE68 AM79 AM19 AM13 AM23 AM21 AL32 AM78 "
     "BE97 CG12 AM15 BE29 CF98 BE34 CG88 CG87 AL66 BE62 AM42 CF64 "
     "BE37 CF34 BE67 AE88 DH33 AE89 AM43 AM14 AL69 EK74 BE93 AL34 "
     "CG79 BE94 BB82 EJ69 EJ98 EJ99 ES19 ES32 ET11 ET43 EC39 ET51 "
     "EJ93 EJ11 EJ19 EJ23 EJ58 EJ66 EJ82 EJ84 EJ96 ES63 ES69 ET13 "
     "ET41 ET98 ES34"},
    {"GridsTypeIXTheater1Y1942", GridsTypeIXTheater1Y1942,
     "CA28 CA54 CA73 DB98 ED98 CA29 CA57 CA76 DB94 CA87 DN25 DN78 "
     "DC79 CA52 DN16 DC27 EC39 EC66 EC18 EC41 EC69 EC92 EC93 ED14 "
     "ED25"},
    {"GridsTypeIXTheater1Y1943To1944", GridsTypeIXTheater1Y1943To1944,
     "DB98 ED98 GR89 GR91 AK37 AJ38 CA87 AL19 GR82 GR83 DC79 DN16 "
     "AK66 BE87 BE86 EK74 DC27 EJ69 EJ99 ES32 ET43 ET51 EC18 EC69 "
     "EJ19 EJ58 EJ82 EJ96 ES69 ET41 ES34 EC92 EC93 ED14 ED25 EV91 "
     "EW78 EC92 EC93 ED14 ED25 EV91 EW78"},
    {"GridsTypeIXTheater1OtherYears", GridsTypeIXTheater1OtherYears,
     "BE83 CF98 CF32 DJ13 CF61 CG79 BE94 BB82 BB89 BB91 BB93 BB97 "
     "BB76 BB79 BB94 BB59 BB73"},
    {"GridsTypeIXD2Y1939To1944", GridsTypeIXD2Y1939To1944,
     "GR89 GR91 GR82 GR83 GB19 GK96 GK99 FQ58 FQ79"},
    {"GridsTypeIXD2OtherYears", GridsTypeIXD2OtherYears, "DB98 ED98 DL68 DA89 EL23 EV91 EW78"},
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

TEST(GridTables, TableHoldsEveryGridAtItsIndex) {
    const std::vector<std::string> expected = Words(kTableNames);
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kPatrolGridTableSize));
    for (int i = 0; i < kPatrolGridTableSize; ++i) {
        EXPECT_EQ(GridName(i), expected[static_cast<std::size_t>(i)]) << "index " << i;
        EXPECT_EQ(PatrolGridTable[i][4], '\0') << "index " << i;
    }
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
        const std::vector<std::string> expected = Words(l.grids);
        EXPECT_EQ(GridListCount(l.list), static_cast<int>(expected.size())) << l.name;
        EXPECT_EQ(NamesOf(l.list), expected) << l.name;
    }
}

TEST(GridTables, ListCountsRunToTheEndMark) {
    EXPECT_EQ(GridListCount(GridsTheater3), 21);
    EXPECT_EQ(GridListCount(GridsTankerSouth), 6);
    EXPECT_EQ(GridListCount(GridsTypeVIITheater1Main), 94);
    EXPECT_EQ(GridListCount(GridsTypeVIITheater1Y1944), 73);
    EXPECT_EQ(GridListCount(GridsTypeIXTheater1Y1943To1944), 43);
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
