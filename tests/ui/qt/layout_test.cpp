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
// source that changes what every player sees first must be meant.
TEST_F(LayoutTest, TheWindowHasItsCaptionAndFixedSizeWithoutMinimiseOrMaximise) {
    EXPECT_EQ(window_->windowTitle(), "Orwen's Patrol Changer v4.0");
    EXPECT_EQ(window_->size(), TemplateUnits(10).ToPixels(286, 115));
    EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
    const Qt::WindowFlags flags = window_->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(window_->windowIcon().isNull());
}

TEST_F(LayoutTest, EveryControlSitsWhereTheLayoutPutsItWithItsCaptionNamesAndTabStop) {
    const DialogUnits units = TemplateUnits(kPatrolWindowTemplate.fontPointSize);
    for (const ControlTemplate& control : Controls()) {
        const std::string name = NameOf(control);
        const auto& widget = Find<QWidget>(name.c_str());
        EXPECT_EQ(widget.geometry(), units.ToPixels(control.rect)) << name;
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
        const QWidget* hit = window_->childAt(widget.geometry().center());
        ASSERT_NE(hit, nullptr) << name;
        EXPECT_TRUE(hit == &widget || widget.isAncestorOf(hit)) << name;
    }
}

TEST_F(LayoutTest, TheWindowHasNoControlsBeyondTheLayouts) {
    const QList<QWidget*> children =
        window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
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
    for (const ControlTemplate& control : kAboutBoxTemplate.controls) {
        const std::string name = NameOf(control);
        const auto* widget = box.findChild<QWidget*>(QString::fromStdString(name));
        ASSERT_NE(widget, nullptr) << name;
        const QRect place = units.ToPixels(control.rect);
        if (control.kind == ControlKind::Icon) {
            // An icon control takes the icon's own size.
            EXPECT_EQ(widget->pos(), place.topLeft()) << name;
        } else {
            EXPECT_EQ(widget->geometry(), place) << name;
        }
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
