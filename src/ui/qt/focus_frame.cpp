#include "ui/qt/focus_frame.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

namespace kp {

void PaintFocusFrame(QWidget& widget, QPaintDevice& device, const QRect& rect, bool always) {
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.rect = rect;
    option.backgroundColor = widget.palette().color(widget.backgroundRole());
    if (always) {
        option.state |= QStyle::State_KeyboardFocusChange;
    }
    QPainter painter(&device);
    widget.style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, &widget);
}

// Inside the button's face, where the style puts a focus frame for the
// buttons it draws one on; only when the focus came from the keyboard, as
// the style shows it on the other controls.
void DefaultButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QStyleOptionButton option;
    initStyleOption(&option);
    PaintFocusFrame(*this, *this,
                    style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this), false);
}

}  // namespace kp
