// Dialog units, the measure the window's layout is given in: a quarter of
// the font's average character width across, an eighth of its height down.
#pragma once

#include <QRect>
#include <QSize>

class QFont;

namespace kp {

struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class DialogUnits {
  public:
    // Base units as Windows measures them for a dialog in this font.
    explicit DialogUnits(const QFont& font);
    DialogUnits(int baseX, int baseY) : baseX_(baseX), baseY_(baseY) {}

    int BaseX() const { return baseX_; }
    int BaseY() const { return baseY_; }

    QRect ToPixels(const DialogRect& rect) const;
    QSize ToPixels(int width, int height) const;

  private:
    int baseX_;
    int baseY_;
};

}  // namespace kp
