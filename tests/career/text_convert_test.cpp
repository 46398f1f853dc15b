#include "career/text_convert.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <locale>
#include <string>

namespace kp {
namespace {

TEST(ParseInt, ReadsLikeAtoi) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"42", 42},
        {"  -7x", -7},
        {"\t+5", 5},
        {"0012", 12},
        {"1 2", 1},
        {"3.9", 3},
        {"750\r", 750},
        {"", 0},
        {"abc", 0},
        {"- 5", 0},
        {"+-5", 0},
        {"0x1A", 0},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"99999999999", INT_MAX},  // saturates instead of wrapping
        {"-99999999999", INT_MIN},
        {"123456789012345678901234567890", INT_MAX},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseInt(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ParseFloat, ReadsLikeAtof) {
    const struct {
        const char* text;
        float value;
    } cases[] =
        {
            {"87.5", 87.5f},   {" 95", 95.0f},   {"100.0000", 100.0f},
            {"-3.25", -3.25f}, {"+2.5", 2.5f},   {".5", 0.5f},
            {"5.", 5.0f},      {"1e2", 100.0f},  {"1.5e", 1.5f},
            {"12.5%", 12.5f},  {"87,5", 87.0f},  // a comma ends the number in every locale
            {"", 0.0f},        {"abc", 0.0f},    {"- 5", 0.0f},
            {"--5", 0.0f},  // one sign only
            {"+-5", 0.0f},     {"1e-400", 0.0f},
        };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseFloat(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ParseFloat, HugeValuesBecomeInfinite) {
    EXPECT_EQ(ParseFloat("1e400"), HUGE_VALF);
    EXPECT_EQ(ParseFloat("-1e400"), -HUGE_VALF);
    // Too big without an exponent too.
    EXPECT_EQ(ParseFloat(std::string("1") + std::string(400, '0')), HUGE_VALF);
    EXPECT_EQ(ParseFloat(std::string("1") + std::string(400, '0') + "e-3"), HUGE_VALF);
    // Too small to hold is 0.
    EXPECT_EQ(ParseFloat("0." + std::string(400, '0') + "1"), 0.0f);
}

TEST(BeginsWithInt, NeedsADigitAfterBlanksAndOneSign) {
    for (const char* yes : {"12", " -3", "+4", "\t7", "12x", "0"}) {
        EXPECT_TRUE(BeginsWithInt(yes)) << '"' << yes << '"';
    }
    for (const char* no : {"", " ", "-", "+", "x1", "- 1", "+-1", ".5"}) {
        EXPECT_FALSE(BeginsWithInt(no)) << '"' << no << '"';
    }
}

TEST(FormatNumbers, PlainDecimalAndFourPlaces) {
    EXPECT_EQ(FormatInt(0), "0");
    EXPECT_EQ(FormatInt(-1), "-1");
    EXPECT_EQ(FormatInt(1942), "1942");
    EXPECT_EQ(FormatInt(INT_MIN), "-2147483648");
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {100.0f, "100.0000"}, {87.5f, "87.5000"},   {95.0f, "95.0000"},
        {0.0f, "0.0000"},     {-1.5f, "-1.5000"},   {1.23456f, "1.2346"},
        {99.99f, "99.9900"},  {0.00004f, "0.0000"}, {1234567.0f, "1234567.0000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFixed4(c.value), c.text) << c.value;
    }
}

// A locale with a decimal comma, as a window toolkit may install for the user.
struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

class GermanLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        savedC_ = std::setlocale(LC_ALL, nullptr);
        // Not every machine has it; the C++ locale below always applies.
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        savedCpp_ = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    }
    void TearDown() override {
        std::locale::global(savedCpp_);
        std::setlocale(LC_ALL, savedC_.c_str());
    }

  private:
    std::string savedC_;
    std::locale savedCpp_;
};

TEST_F(GermanLocale, FilesKeepTheDecimalPoint) {
    EXPECT_EQ(FormatFixed4(100.0f), "100.0000");
    EXPECT_EQ(FormatFixed4(87.5f), "87.5000");
    EXPECT_EQ(FormatFixed4(95.0f), "95.0000");
    EXPECT_EQ(FormatInt(12345), "12345");
    EXPECT_EQ(ParseFloat("87.5"), 87.5f);
    EXPECT_EQ(ParseFloat("87,5"), 87.0f);
    EXPECT_EQ(ParseInt("1.234"), 1);
}

}  // namespace
}  // namespace kp
