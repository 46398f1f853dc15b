// Every text of both dialogs whole in the face and size this platform draws
// it in, at the scale the test runs at (CTest runs it at 1, 1.5 and 2): each
// caption within the room its style draws it in, each field's every text
// without scrolling, and no control over another but the frame around the
// base buttons.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <optional>
#include <string>
#include <vector>

#include "ui/field_texts.h"
#include "ui/qt/about_box.h"
#include "ui/qt/dialog_templates.h"
#include "ui/qt/utf8_text.h"
#include "window_fixture.h"

namespace kp {
namespace {

// The room a button's style draws its caption in.
QRect ButtonTextRoom(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement room = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(&button) != nullptr) {
        room = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(&button) != nullptr) {
        room = QStyle::SE_RadioButtonContents;
    }
    return button.style()->subElementRect(room, &option, &button);
}

QRect GroupTitleRoom(const QGroupBox& group) {
    QStyleOptionGroupBox option;
    option.initFrom(&group);
    option.text = group.title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.textAlignment = group.alignment();
    return group.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                         &group);
}

bool Holds(const QRect& room, const QSize& text) {
    return text.width() <= room.width() && text.height() <= room.height();
}

// A line edit scrolls a text that does not fit it: with the cursor at the
// end the text's start has left the field. The cursor's place is the middle
// of the rectangle an input method is given for it.
bool ShowsWhole(QLineEdit& edit, const QString& text) {
    edit.setText(text);
    edit.setCursorPosition(0);
    edit.grab();
    const QRect start = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    edit.setCursorPosition(static_cast<int>(text.size()));
    edit.grab();
    const QRect end = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    return end.center().x() - start.center().x() == edit.fontMetrics().horizontalAdvance(text) &&
           start.center().x() >= 0 && start.top() >= 0 && start.bottom() < edit.height();
}

// Whether the control shows its own caption whole; nullopt for a control
// without one.
std::optional<bool> CaptionWhole(const QWidget& widget) {
    const QFontMetrics metrics = widget.fontMetrics();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return Holds(ButtonTextRoom(*button) & button->rect(),
                     metrics.size(Qt::TextShowMnemonic, button->text()));
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        const QRect room = GroupTitleRoom(*group);
        return group->rect().contains(room) &&
               metrics.horizontalAdvance(group->title()) <= room.width();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget);
        label != nullptr && !label->text().isEmpty() && label->pixmap().isNull()) {
        const QRect room = label->contentsRect();
        const QRect text = metrics.boundingRect(
            room, Qt::TextWordWrap | Qt::TextShowMnemonic | label->alignment(), label->text());
        return room.contains(text);
    }
    return std::nullopt;
}

bool Overlap(const DialogRect& a, const DialogRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

// Two controls overlap only where the template has them overlap (the career
// list's label reaches a unit into the list below its text), and the frame
// around the base buttons holds them.
void ExpectNoControlOver(const QWidget& dialog, const DialogTemplate& layout) {
    // Where a control stands in the window, also inside the group's frame.
    const auto place = [&](const ControlTemplate& control) {
        const QWidget* widget = dialog.findChild<QWidget*>(ToQString(control.name));
        return QRect(widget->mapTo(&dialog, QPoint(0, 0)), widget->size());
    };
    for (const ControlTemplate& one : layout.controls) {
        const QRect onePlace = place(one);
        EXPECT_TRUE(dialog.rect().contains(onePlace)) << one.name;
        for (const ControlTemplate& other : layout.controls) {
            const QRect otherPlace = place(other);
            const bool framed = one.kind == ControlKind::GroupBox && onePlace.contains(otherPlace);
            EXPECT_TRUE(&one == &other || framed || Overlap(one.rect, other.rect) ||
                        !onePlace.intersects(otherPlace))
                << one.name << " over " << other.name;
        }
    }
}

std::vector<QWidget*> Controls(const QWidget& dialog, const DialogTemplate& layout) {
    std::vector<QWidget*> controls;
    for (const ControlTemplate& control : layout.controls) {
        controls.push_back(dialog.findChild<QWidget*>(ToQString(control.name)));
    }
    return controls;
}

void ExpectCaptionsWhole(const std::vector<QWidget*>& controls) {
    for (const QWidget* control : controls) {
        EXPECT_NE(CaptionWhole(*control), std::optional<bool>(false))
            << ToUtf8(control->objectName()) << " at scale " << control->devicePixelRatio();
    }
}

using TextFitTest = WindowTest;

TEST_F(TextFitTest, EveryCaptionAndEveryTextOfTheFieldsIsWholeAndNoControlLiesOverAnother) {
    const std::vector<QWidget*> controls = Controls(*window_, kPatrolWindowTemplate);
    ExpectCaptionsWhole(controls);
    for (std::size_t field = 0; field < kFieldNames.size(); ++field) {
        auto& edit = Find<QLineEdit>(std::string(kFieldNames[field]).c_str());
        for (const std::string& text : TextsShownIn(static_cast<Field>(field))) {
            EXPECT_TRUE(ShowsWhole(edit, ToQString(text)))
                << kFieldNames[field] << ": " << text << " at scale " << edit.devicePixelRatio();
        }
    }
    ExpectNoControlOver(*window_, kPatrolWindowTemplate);

    const AboutBox about("/cfg");
    const std::vector<QWidget*> aboutControls = Controls(about, kAboutBoxTemplate);
    ExpectCaptionsWhole(aboutControls);
    ExpectNoControlOver(about, kAboutBoxTemplate);
}

}  // namespace
}  // namespace kp
