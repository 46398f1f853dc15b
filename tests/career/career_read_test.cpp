// The career read on its own: which file failed, and what was read before it.
#include "career/career_loader.h"

#include <gtest/gtest.h>

#include "memory_file_ops.h"

namespace kp {
namespace {

const std::filesystem::path kCareer = "/cfg/careers/Prien";
const std::string kNext =
    "[INIT]\r\nPatrols=1\r\n[PATROL 001]\r\nEndLocation=753\r\nSubType=1\r\nSubVersion=1\r\n"
    "PatrolArea=BF17\r\nStartYear=1942\r\nStartMonth=6\r\n";
const std::string kHistory =
    "[INIT]\r\nPatrols=1\r\n[PATROL 000]\r\nEndYear=1942\r\nEndMonth=5\r\nEndDay=12\r\n"
    "HullIntegrity=87.5\r\n";

TEST(ReadCareer, NamesTheFileThatFailedAndKeepsWhatCameBefore) {
    MemoryFileOps ops;
    EXPECT_EQ(ReadCareer(ops, kCareer).failure, LoadFailure::NoNextPatrolFile);

    ops.Put(kCareer / "patrols_0.cfg", kNext);
    const CareerRead noHistory = ReadCareer(ops, kCareer);
    EXPECT_EQ(noHistory.failure, LoadFailure::NoHistoryFile);
    EXPECT_EQ(noHistory.next.patrolArea, "BF17");
    EXPECT_EQ(noHistory.next.startMonth, 6);

    ops.Put(kCareer / "PATROLS.CFG", kHistory);
    ops.Put(kCareer / "1" / "a.psc", "PatrolArea=CA53X\r\n");
    const CareerRead read = ReadCareer(ops, kCareer);
    EXPECT_FALSE(read.failure);
    EXPECT_EQ(read.last.endDay, 12);
    EXPECT_FLOAT_EQ(read.last.hullIntegrity, 87.5f);
    ASSERT_TRUE(read.save);
    EXPECT_EQ(read.save->patrolArea, "CA53");
    EXPECT_EQ(read.save->stem, kCareer / "1" / "a");
}

}  // namespace
}  // namespace kp
