#include "grid/random_source.h"

namespace kp {

int RandomSource::Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
}

int RandomSource::NextScaled(int bound) {
    return ScaleDraw(Next(), bound);
}

int ScaleDraw(int r, int bound) {
    return static_cast<int>(static_cast<double>(r) * bound /
                            static_cast<double>(RandomSource::kMax));
}

}  // namespace kp
