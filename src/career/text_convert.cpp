#include "career/text_convert.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace kp {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view SkipSpace(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i])) {
        ++i;
    }
    return text.substr(i);
}

// Skips white space and one sign; true for "-".
bool TakeSign(std::string_view& text) {
    text = SkipSpace(text);
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        text.remove_prefix(1);
    }
    return negative;
}

}  // namespace

int ParseInt(std::string_view text) {
    const bool negative = TakeSign(text);
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
        if (value > static_cast<std::int64_t>(INT_MAX) + 1) {
            value = static_cast<std::int64_t>(INT_MAX) + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

namespace {

// The power of ten of a decimal number's first significant digit, for
// numbers too large or too small for a double.
long long DecimalMagnitude(std::string_view number) {
    std::size_t i = 0;
    long long magnitude = 0;
    bool significant = false;
    for (; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i) {
        significant = significant || number[i] != '0';
        magnitude += significant ? 1 : 0;
    }
    magnitude -= 1;
    if (i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i) {
            if (!significant) {
                significant = number[i] != '0';
                --magnitude;
            }
        }
    }
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        magnitude += ParseInt(number.substr(i + 1));
    }
    return magnitude;
}

}  // namespace

float ParseFloat(std::string_view text) {
    const bool negative = TakeSign(text);
    if (text.empty() || text[0] == '+' || text[0] == '-') {
        return 0.0f;  // one sign only
    }
    double value = 0.0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // As a C library does: too large is infinite, too small is 0.
        value = DecimalMagnitude(text) > 0 ? HUGE_VAL : 0.0;
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return static_cast<float>(negative ? -value : value);
}

bool BeginsWithInt(std::string_view text) {
    TakeSign(text);
    return !text.empty() && text[0] >= '0' && text[0] <= '9';
}

std::string FormatInt(int value) {
    return std::to_string(value);
}

std::string FormatFixed4(float value) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                      std::chars_format::fixed, 4);
    return std::string(buffer, result.ptr);
}

}  // namespace kp
