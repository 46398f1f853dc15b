#include "ui/qt/dialog_units.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace kp {
namespace {

// Windows averages over the alphabet in both cases, rounding half up.
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
constexpr int kLettersPerCase = 26;

constexpr int kUnitsPerBaseX = 4;
constexpr int kUnitsPerBaseY = 8;

// value * numerator / denominator rounded to nearest, halves up, as MulDiv
// rounds; layouts hold no negative values.
int Scale(int value, int numerator, int denominator) {
    return (value * numerator + denominator / 2) / denominator;
}

int AverageCharWidth(const QFontMetrics& metrics) {
    return (metrics.horizontalAdvance(kAlphabet) / kLettersPerCase + 1) / 2;
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font)
    : baseX_(AverageCharWidth(QFontMetrics(font))), baseY_(QFontMetrics(font).height()) {}

QRect DialogUnits::ToPixels(const DialogRect& rect) const {
    return QRect(Scale(rect.x, baseX_, kUnitsPerBaseX), Scale(rect.y, baseY_, kUnitsPerBaseY),
                 Scale(rect.width, baseX_, kUnitsPerBaseX),
                 Scale(rect.height, baseY_, kUnitsPerBaseY));
}

QSize DialogUnits::ToPixels(int width, int height) const {
    return QSize(Scale(width, baseX_, kUnitsPerBaseX), Scale(height, baseY_, kUnitsPerBaseY));
}

}  // namespace kp
