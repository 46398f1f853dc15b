#include "ui/qt/dialog_builder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFont>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <cstddef>

#include "ui/grown_layout.h"
#include "ui/qt/career_list_box.h"
#include "ui/qt/dialog_templates.h"
#include "ui/qt/focus_frame.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/text_needs.h"
#include "ui/qt/utf8_text.h"
#include "ui/window_texts.h"

namespace kp {
namespace {

// A title bar with the system menu and a close box; no minimise, no maximise.
constexpr Qt::WindowFlags kDialogFrame = Qt::Dialog | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowCloseButtonHint;

QWidget* MakeDefaultButton(const ControlTemplate& control, QWidget& parent) {
    auto* button = new DefaultButton(ToQString(control.caption), &parent);
    button->setDefault(true);
    return button;
}

QWidget* MakePushButton(const ControlTemplate& control, QWidget& parent) {
    return new QPushButton(ToQString(control.caption), &parent);
}

QWidget* MakeEdit(const ControlTemplate&, QWidget& parent) {
    return new QLineEdit(&parent);
}

QWidget* MakeReadOnlyEdit(const ControlTemplate&, QWidget& parent) {
    auto* edit = new QLineEdit(&parent);
    edit->setReadOnly(true);
    return edit;
}

QWidget* MakeRadioButton(const ControlTemplate& control, QWidget& parent) {
    return new QRadioButton(ToQString(control.caption), &parent);
}

QWidget* MakeCheckBox(const ControlTemplate& control, QWidget& parent) {
    return new QCheckBox(ToQString(control.caption), &parent);
}

QWidget* MakeListBox(const ControlTemplate&, QWidget& parent) {
    return new CareerListBox(&parent);
}

// Static text as the platform draws it: from the top left, wrapped at words,
// no markup; its access key, if any, moves to the control after it.
QWidget* MakeLabel(const ControlTemplate& control, QWidget& parent) {
    auto* label = new QLabel(&parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(ToQString(control.caption));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// A frame only: it lies behind the controls it groups, so clicks reach them.
QWidget* MakeGroupBox(const ControlTemplate& control, QWidget& parent) {
    auto* group = new QGroupBox(ToQString(control.caption), &parent);
    group->lower();
    return group;
}

// An icon control takes the icon's own size, whatever the template says.
QWidget* MakeIcon(const ControlTemplate&, QWidget& parent) {
    auto* label = new QLabel(&parent);
    label->setPixmap(ProgramIcon().pixmap(kProgramIconSize));
    label->setFixedSize(kProgramIconSize);
    return label;
}

using ControlFactory = QWidget* (*)(const ControlTemplate&, QWidget&);

// By ControlKind. A path label is a label here; the About box gives it its
// lines when it sets the path.
constexpr std::array<ControlFactory, 11> kFactories = {
    MakeDefaultButton, MakePushButton, MakeEdit,    MakeReadOnlyEdit,
    MakeRadioButton,   MakeCheckBox,   MakeListBox, MakeLabel,
    MakeGroupBox,      MakeIcon,       MakeLabel,
};
static_assert(kFactories.size() == static_cast<std::size_t>(ControlKind::PathLabel) + 1);

// Never smaller than the platform's normal text: a template drawn for a
// smaller font (the About box's) shows its text at the normal size, its
// controls grown with it, as dialog units grow with their font.
QFont DialogFont(int pointSize) {
    QFont font(ToQString(kDialogFontFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(std::max(pointSize, QApplication::font().pointSize()));
    return font;
}

// The faces that stand in where the template's face is missing are wider
// for their size than the one the layout was drawn with; their text is
// drawn a point smaller so that the captions fit their controls as they do
// in the template's own face.
QFont TextFont(const QFont& layoutFont) {
    if (QFontInfo(layoutFont).family() == layoutFont.family()) {
        return layoutFont;
    }
    QFont smaller = layoutFont;
    smaller.setPointSize(layoutFont.pointSize() - 1);
    return smaller;
}

// The widest of the texts the control shows.
QSize RoomNeeded(const QWidget& widget, const ControlTemplate& control,
                 std::span<const ShownTexts> shown) {
    QSize needed = SizeForText(widget, ToQString(control.caption));
    for (const ShownTexts& texts : shown) {
        if (texts.name != control.name) {
            continue;
        }
        for (const std::string& text : texts.texts) {
            needed = needed.expandedTo(SizeForText(widget, ToQString(text)));
        }
    }
    return needed;
}

// A control that lies within a group box's frame becomes the group's child,
// in the same place on the screen, so that a screen reader names the group
// with it (the base buttons in "At Ocean Tanker Base?"). The tab order,
// which a new parent resets, is the template's again afterwards.
void PutIntoGroups(std::span<QWidget* const> widgets) {
    for (QWidget* group : widgets) {
        if (qobject_cast<QGroupBox*>(group) == nullptr) {
            continue;
        }
        for (QWidget* widget : widgets) {
            if (widget != group && qobject_cast<QGroupBox*>(widget) == nullptr &&
                group->geometry().contains(widget->geometry())) {
                const QRect place = widget->geometry().translated(-group->pos());
                const bool hidden = widget->isHidden();
                widget->setParent(group);
                widget->setGeometry(place);
                widget->setVisible(!hidden);
            }
        }
    }
}

// Once every control stands in the template's place in its font.
void MakeRoomForTexts(QDialog& dialog, const DialogTemplate& layout,
                      std::span<const ShownTexts> shown, QSize dialogSize) {
    std::vector<QWidget*> widgets;
    std::vector<LayoutRect> places;
    std::vector<LayoutSize> needs;
    for (const ControlTemplate& control : layout.controls) {
        QWidget* widget = dialog.findChild<QWidget*>(ToQString(control.name));
        widget->ensurePolished();
        widgets.push_back(widget);
        const QRect place = widget->geometry();
        places.push_back({place.x(), place.y(), place.width(), place.height()});
        const QSize need = RoomNeeded(*widget, control, shown);
        needs.push_back({need.width(), need.height()});
    }
    const GrownLayout grown = GrowToFit(places, needs, {dialogSize.width(), dialogSize.height()});
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const LayoutRect& place = grown.places[i];
        widgets[i]->setGeometry(place.x, place.y, place.width, place.height);
    }
    dialog.setFixedSize(grown.dialog.width, grown.dialog.height);
}

}  // namespace

void BuildDialog(QDialog& dialog, const DialogTemplate& layout, std::span<const ShownTexts> shown) {
    dialog.setObjectName(ToQString(layout.name));
    dialog.setWindowFlags(kDialogFrame);
    dialog.setWindowTitle(ToQString(layout.caption));
    const QFont layoutFont = DialogFont(layout.fontPointSize);
    const DialogUnits units(layoutFont);
    dialog.setFont(TextFont(layoutFont));

    std::vector<QWidget*> made;
    std::vector<QWidget*> tabStops;
    // A label's access key reaches the next tab stop made, as in a dialog
    // template: labels stand just before the control they name.
    QLabel* labelWaiting = nullptr;
    for (const ControlTemplate& control : layout.controls) {
        QWidget* widget = kFactories[static_cast<std::size_t>(control.kind)](control, dialog);
        made.push_back(widget);
        widget->setObjectName(ToQString(control.name));
        widget->setAccessibleName(ToQString(WithoutAccessKeys(control.accessibleName)));
        widget->setGeometry(units.ToPixels(control.rect));
        if (control.kind == ControlKind::Label &&
            control.caption.find('&') != std::string_view::npos) {
            labelWaiting = static_cast<QLabel*>(widget);
        }
        if (control.tabStop && labelWaiting != nullptr) {
            labelWaiting->setBuddy(widget);
            labelWaiting = nullptr;
        }
        if (control.tabStop) {
            widget->setFocusPolicy(Qt::StrongFocus);
            tabStops.push_back(widget);
        } else {
            // Reached by a click, never by Tab.
            widget->setFocusPolicy(
                static_cast<Qt::FocusPolicy>(widget->focusPolicy() & ~Qt::TabFocus));
        }
    }
    MakeRoomForTexts(dialog, layout, shown, units.ToPixels(layout.width, layout.height));
    // Once, after the growth rule, which places every control in the dialog's own terms.
    PutIntoGroups(made);
    for (std::size_t i = 1; i < tabStops.size(); ++i) {
        QWidget::setTabOrder(tabStops[i - 1], tabStops[i]);
    }
}

void GrowForTexts(QDialog& dialog, const DialogTemplate& layout,
                  std::span<const ShownTexts> shown) {
    MakeRoomForTexts(dialog, layout, shown, dialog.size());
}

}  // namespace kp
