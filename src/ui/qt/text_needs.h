// The size a control needs to show a text whole, as its style draws it.
#pragma once

#include <QSize>

class QString;
class QWidget;

namespace kp {

// Buttons, check boxes and radio buttons are measured with their own
// caption, whatever text is given; controls without text need nothing.
QSize SizeForText(const QWidget& widget, const QString& text);

}  // namespace kp
