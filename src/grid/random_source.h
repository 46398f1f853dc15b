// The program's one pseudo-random sequence, the C runtime's classic
// generator carried here so that every platform draws the same numbers.
#pragma once

#include <cstdint>

namespace kp {

class RandomSource {
  public:
    static constexpr int kMax = 32767;

    explicit RandomSource(std::uint32_t seed = 1) : state_(seed) {}
    void Seed(std::uint32_t seed) { state_ = seed; }
    // 0 to 32767.
    int Next();
    // A draw scaled to 0..bound, reaching bound only for the draw 32767.
    int NextScaled(int bound);

  private:
    std::uint32_t state_;
};

// r × bound / 32767, in floating point, truncated toward zero.
int ScaleDraw(int r, int bound);

}  // namespace kp
