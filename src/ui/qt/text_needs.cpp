#include "ui/qt/text_needs.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMargins>
#include <QString>
#include <QStyle>
#include <QStyleOptionFrame>

namespace kp {
namespace {

// A line edit keeps these pixels between its frame and its text, as Qt's own
// QLineEdit does, and a pixel at the end for the cursor: a text one pixel
// wider than the rest scrolls.
constexpr int kEditSideMargin = 2;
constexpr int kEditTopMargin = 1;
constexpr int kCursorWidth = 1;

int Across(const QMargins& margins) {
    return margins.left() + margins.right();
}

int Down(const QMargins& margins) {
    return margins.top() + margins.bottom();
}

QSize EditSize(const QLineEdit& edit, const QString& text) {
    const QFontMetrics metrics = edit.fontMetrics();
    const QSize contents(metrics.horizontalAdvance(text) + 2 * kEditSideMargin + kCursorWidth +
                             Across(edit.textMargins()) + Across(edit.contentsMargins()),
                         metrics.height() + 2 * kEditTopMargin + Down(edit.textMargins()) +
                             Down(edit.contentsMargins()));
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
    option.state |= QStyle::State_Sunken;
    if (edit.isReadOnly()) {
        option.state |= QStyle::State_ReadOnly;
    }
    return edit.style()->sizeFromContents(QStyle::CT_LineEdit, &option, contents, &edit);
}

// One line, unless the template gave the label room for more: then it wraps
// within its width and needs the lines it takes.
QSize LabelSize(const QLabel& label, const QString& text) {
    const QFontMetrics metrics = label.fontMetrics();
    const int frame = Across(label.contentsMargins());
    if (label.wordWrap() &&
        label.height() - Down(label.contentsMargins()) >= 2 * metrics.height()) {
        const QRect lines = metrics.boundingRect(QRect(0, 0, label.width() - frame, 0),
                                                 Qt::TextWordWrap | Qt::TextShowMnemonic, text);
        return {lines.width() + frame, lines.height() + Down(label.contentsMargins())};
    }
    const QSize line = metrics.size(Qt::TextShowMnemonic, text);
    return {line.width() + frame, line.height() + Down(label.contentsMargins())};
}

}  // namespace

QSize SizeForText(const QWidget& widget, const QString& text) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        return EditSize(*edit, text);
    }
    if (text.isEmpty()) {
        return {};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->sizeHint();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        return group->minimumSizeHint();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return LabelSize(*label, text);
    }
    return {};
}

}  // namespace kp
