// A keyboard focus the player can see where the style shows none of its
// own: on the default button, which the style draws alike with the focus and
// without it, and on the career list, whose focus the style tints its thin
// frame for. Both get the style's own focus frame, as it draws one on a
// check box or a radio button.
#pragma once

#include <QPushButton>

class QRect;

namespace kp {

// The style's focus frame inside `rect`, painted on `device` for `widget`;
// `always` shows it also when the focus did not come from the keyboard.
void PaintFocusFrame(QWidget& widget, QPaintDevice& device, const QRect& rect, bool always);

// The window's default button, the one Enter presses.
class DefaultButton final : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kp
