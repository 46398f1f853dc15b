// The window's frame and size, and its controls as the layout
// (src/ui/window_layout.h) gives them, through the table built from it.
#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "ui/dialog_controls.h"
#include "ui/qt/about_box.h"
#include "ui/qt/dialog_templates.h"
#include "ui/qt/dialog_units.h"
#include "ui/window_texts.h"
#include "window_fixture.h"

namespace kp {
namespace {

DialogUnits TemplateUnits(int pointSize) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    return DialogUnits(font);
}

// The main window's rows of the layout.
std::span<const ControlTemplate> Controls() {
    return kPatrolWindowTemplate.controls;
}

// Where a control stands in the window, also inside a group box.
QRect PlaceIn(const QWidget& dialog, const QWidget& widget) {
    return {widget.mapTo(&dialog, QPoint(0, 0)), widget.size()};
}

// True when the window keeps the template's arrangement of two controls:
// one that stood left of (or above) the other, beside it, still does, at no
// less distance; two that began in one column (or row) still do; a frame
// still holds what it held. Each may have grown to fit its text.
void ExpectArrangementKept(const QRect& one, const QRect& other, const QRect& wasOne,
                           const QRect& wasOther, const std::string& names) {
    const auto before = [](int end, int start, int wasEnd, int wasStart) {
        return wasEnd >= wasStart || start - end >= wasStart - wasEnd;
    };
    if (wasOne.bottom() >= wasOther.top() && wasOther.bottom() >= wasOne.top()) {
        EXPECT_TRUE(before(one.right(), other.left(), wasOne.right(), wasOther.left())) << names;
    }
    if (wasOne.right() >= wasOther.left() && wasOther.right() >= wasOne.left()) {
        EXPECT_TRUE(before(one.bottom(), other.top(), wasOne.bottom(), wasOther.top())) << names;
    }
    EXPECT_EQ(wasOne.left() == wasOther.left(), one.left() == other.left()) << names;
    EXPECT_EQ(wasOne.top() == wasOther.top(), one.top() == other.top()) << names;
    if (wasOne.contains(wasOther)) {
        EXPECT_TRUE(one.contains(other)) << names;
    }
}

// Every control where the layout puts it, or grown from there for its text
// with what follows it moved along (src/ui/grown_layout.h).
void ExpectTheLayoutsPlaces(const QWidget& dialog, std::span<const ControlTemplate> controls,
                            const DialogUnits& units) {
    for (const ControlTemplate& one : controls) {
        const auto* widget = dialog.findChild<QWidget*>(QString::fromUtf8(one.name));
        const QRect place = PlaceIn(dialog, *widget);
        const QRect was = units.ToPixels(one.rect);
        if (one.kind == ControlKind::Icon) {
            // An icon control takes the icon's own size.
            EXPECT_EQ(place.topLeft(), was.topLeft()) << one.name;
            continue;
        }
        EXPECT_GE(place.width(), was.width()) << one.name;
        EXPECT_GE(place.height(), was.height()) << one.name;
        EXPECT_GE(place.x(), was.x()) << one.name;
        EXPECT_GE(place.y(), was.y()) << one.name;
        for (const ControlTemplate& other : controls) {
            const auto* otherWidget = dialog.findChild<QWidget*>(QString::fromUtf8(other.name));
            if (&one != &other && other.kind != ControlKind::Icon) {
                ExpectArrangementKept(place, PlaceIn(dialog, *otherWidget), was,
                                      units.ToPixels(other.rect),
                                      std::string(one.name) + " and " + std::string(other.name));
            }
        }
    }
}

const ControlTemplate* RowOf(std::string_view name) {
    const auto row = std::ranges::find(Controls(), name, &ControlTemplate::name);
    return row == Controls().end() ? nullptr : &*row;
}

std::string NameOf(const ControlTemplate& control) {
    return std::string(control.name);
}

QString Caption(const QWidget& widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->text();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        return group->title();
    }
    return {};
}

TEST(DialogUnitsTest, ConvertEachValueRoundingHalvesUpAsWindowsDoes) {
    const DialogUnits units(6, 13);
    EXPECT_EQ(units.ToPixels({229, 7, 50, 14}), QRect(344, 11, 75, 23));
    EXPECT_EQ(units.ToPixels({1, 4, 2, 12}), QRect(2, 7, 3, 20));
    EXPECT_EQ(units.ToPixels(286, 115), QSize(429, 187));
}

TEST(DialogUnitsTest, BaseUnitsAreTheFontsRoundedAverageLetterWidthAndItsHeight) {
    for (const int pointSize : {8, 10, 14}) {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSize(pointSize);
        const QFontMetrics metrics(font);
        const double average = metrics.horizontalAdvance(QStringLiteral(
                                   "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")) /
                               52.0;
        const DialogUnits units(font);
        EXPECT_LE(std::abs(units.BaseX() - average), 0.5 + 1.0 / 52) << pointSize;
        EXPECT_EQ(units.BaseY(), metrics.height()) << pointSize;
    }
}

using LayoutTest = WindowTest;

// The caption and size by value, apart from the layout: an edit of the one
// source that changes what every player sees first must be meant. The
// window is as large as the template, or larger where its texts need it.
TEST_F(LayoutTest, TheWindowHasItsCaptionAndFixedSizeWithoutMinimiseOrMaximise) {
    EXPECT_EQ(window_->windowTitle(), "Orwen's Patrol Changer v4.0");
    const QSize drawn = TemplateUnits(10).ToPixels(286, 115);
    EXPECT_GE(window_->width(), drawn.width());
    EXPECT_GE(window_->height(), drawn.height());
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
    const Qt::WindowFlags flags = window_->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window_->windowIcon().isNull());
}

TEST_F(LayoutTest, EveryControlSitsWhereTheLayoutPutsItWithItsCaptionNamesAndTabStop) {
    ExpectTheLayoutsPlaces(*window_, Controls(),
                           TemplateUnits(kPatrolWindowTemplate.fontPointSize));
    for (const ControlTemplate& control : Controls()) {
        const std::string name = NameOf(control);
        const auto& widget = Find<QWidget>(name.c_str());
        EXPECT_EQ(widget.accessibleName().toStdString(), WithoutAccessKeys(control.accessibleName))
            << name;
        EXPECT_EQ(Caption(widget).toStdString(), control.caption) << name;
        EXPECT_EQ((widget.focusPolicy() & Qt::TabFocus) != 0, control.tabStop) << name;
    }
}

// Tests click on a widget directly; a user's click lands on what lies on top.
TEST_F(LayoutTest, AClickOnAControlReachesItAlsoInsideTheGroupFrame) {
    for (const ControlTemplate& control : Controls()) {
        if (control.kind == ControlKind::GroupBox) {
            continue;
        }
        const std::string name = NameOf(control);
        const auto& widget = Find<QWidget>(name.c_str());
        const QWidget* hit = window_->childAt(PlaceIn(*window_, widget).center());
        ASSERT_NE(hit, nullptr) << name;
        EXPECT_TRUE(hit == &widget || widget.isAncestorOf(hit)) << name;
    }
}

TEST_F(LayoutTest, TheWindowHasNoControlsBeyondTheLayouts) {
    // The controls a group's frame holds are its children, for screen readers.
    QList<QWidget*> children =
        window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QGroupBox* group : window_->findChildren<QGroupBox*>()) {
        children += group->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    }
    EXPECT_EQ(children.size(), static_cast<qsizetype>(Controls().size()));
    for (const QWidget* child : children) {
        const std::string name = child->objectName().toStdString();
        EXPECT_NE(RowOf(name), nullptr) << name;
        EXPECT_FALSE(child->accessibleName().isEmpty()) << name;
    }
}

TEST(AboutLayoutTest, EveryControlSitsWhereTheLayoutPutsItWithItsNames) {
    const AboutBox box("/cfg");
    const DialogUnits units =
        TemplateUnits(std::max(kAboutBoxTemplate.fontPointSize, QApplication::font().pointSize()));
    ExpectTheLayoutsPlaces(box, kAboutBoxTemplate.controls, units);
    for (const ControlTemplate& control : kAboutBoxTemplate.controls) {
        const std::string name = NameOf(control);
        const auto* widget = box.findChild<QWidget*>(QString::fromStdString(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(widget->accessibleName().toStdString(), control.accessibleName) << name;
        if (control.kind != ControlKind::PathLabel) {
            EXPECT_EQ(Caption(*widget).toStdString(), control.caption) << name;
        }
    }
}

// The controls the dialog model reads and sets, by its enums, against the
// layout: each has its row, of the kind the model takes it for.
TEST(LayoutTableTest, EveryControlOfTheModelHasItsRowOfItsKind) {
    for (std::size_t field = 0; field < kFieldNames.size(); ++field) {
        const ControlTemplate* row = RowOf(kFieldNames[field]);
        ASSERT_NE(row, nullptr) << kFieldNames[field];
        EXPECT_EQ(row->kind,
                  field == Slot(Field::Grid) ? ControlKind::Edit : ControlKind::ReadOnlyEdit)
            << row->name;
    }
    for (const std::string_view name : kCheckBoxNames) {
        const ControlTemplate* row = RowOf(name);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(row->kind, ControlKind::CheckBox) << name;
    }
    for (const std::string_view name : kBaseButtonNames) {
        const ControlTemplate* row = RowOf(name);
        ASSERT_NE(row, nullptr) << name;
        EXPECT_EQ(row->kind, ControlKind::RadioButton) << name;
    }
    for (const std::string_view name : {kMakeChangesName, kCancelName, kCareerListName}) {
        EXPECT_NE(RowOf(name), nullptr) << name;
    }
}

TEST_F(LayoutTest, OnlyTheGridFieldTakesTyping) {
    for (const char* name :
         {"daysEdit", "seaStatusEdit", "endDateEdit", "boatTypeEdit", "endLocationEdit"}) {
        EXPECT_TRUE(Find<QLineEdit>(name).isReadOnly()) << name;
    }
    EXPECT_FALSE(Find<QLineEdit>("gridEdit").isReadOnly());
}

TEST_F(LayoutTest, TheWindowOpensAsStartUpLeftTheState) {
    EXPECT_EQ(Text("gridEdit"), "");
    EXPECT_EQ(Text("daysEdit"), "31");
    EXPECT_TRUE(window_->IsChecked(CheckBox::AutoRadarUpdate));
    EXPECT_FALSE(window_->IsChecked(CheckBox::EnteredMed));
    EXPECT_EQ(window_->RadioIndex(), 0);
    EXPECT_EQ(window_->ListSelection(), -1);
    EXPECT_EQ(window_->ListCount(), 4);
}

}  // namespace
}  // namespace kp
