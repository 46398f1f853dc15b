// The window's frame, size and controls as its template gives them.
#include <QAbstractButton>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <string_view>

#include "ui/qt/dialog_units.h"
#include "window_fixture.h"

namespace kp {
namespace {

struct Placed {
    const char* name;
    const char* caption;  // nullptr where the control has none
    const char* accessibleName;
    DialogRect rect;
};

const Placed kControls[] = {
    {"makeChangesButton", "Make Changes", "Make Changes", {229, 7, 50, 14}},
    {"cancelButton", "Cancel", "Cancel", {229, 25, 50, 14}},
    {"gridEdit", nullptr, "Patrol Grid", {148, 25, 32, 14}},
    {"daysEdit", nullptr, "Days in Port", {148, 43, 32, 14}},
    {"seaStatusEdit", nullptr, "Sea Status", {148, 61, 32, 14}},
    {"landBaseRadio", "Land Base", "Land Base", {195, 51, 44, 8}},
    {"tankerNorthRadio", "Tanker North Atlantic", "Tanker North Atlantic", {195, 64, 77, 8}},
    {"tankerMidRadio", "Tanker Mid Atlantic", "Tanker Mid Atlantic", {195, 75, 77, 8}},
    {"tankerSouthRadio", "Tanker South Atlantic", "Tanker South Atlantic", {195, 86, 77, 8}},
    {"autoRadarCheck",
     "Auto-update of radar detectors at all bases 3 months after availability",
     "Auto-update of radar detectors at all bases 3 months after availability",
     {7, 102, 145, 10}},
    {"endDateEdit", nullptr, "Last Patrol End Date", {7, 85, 67, 12}},
    {"boatTypeEdit", nullptr, "U-boat", {79, 85, 49, 12}},
    {"endLocationEdit", nullptr, "End Location", {132, 85, 49, 12}},
    {"careerList", nullptr, "Choose Career", {7, 18, 93, 47}},
    {"patrolGridLabel", "Patrol Grid:", "Patrol Grid:", {106, 27, 40, 9}},
    {"chooseCareerLabel", "Choose Career", "Choose Career", {7, 7, 93, 12}},
    {"endDateLabel", "Last Patrol End Date", "Last Patrol End Date", {7, 75, 66, 8}},
    {"daysInPortLabel", "Days in Port", "Days in Port", {106, 45, 42, 9}},
    {"boatTypeLabel", "U-boat", "U-boat", {79, 75, 48, 8}},
    {"endLocationLabel", "End Location", "End Location", {132, 75, 48, 8}},
    {"baseGroup", "At Ocean Tanker Base?", "At Ocean Tanker Base?", {191, 42, 88, 55}},
    {"createdGridNote",
     "* denotes created Patrol Grid",
     "* denotes created Patrol Grid",
     {113, 14, 90, 8}},
    {"seaStatusLabel", "Sea Status", "Sea Status", {106, 63, 42, 9}},
    {"enteredMedCheck", "Entered Mediterranean?", "Entered Mediterranean?", {189, 102, 90, 10}},
};

DialogUnits TemplateUnits(int pointSize) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    return DialogUnits(font);
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

TEST_F(LayoutTest, TheWindowHasTheTemplatesCaptionAndFixedSizeWithoutMinimiseOrMaximise) {
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

TEST_F(LayoutTest, EveryControlSitsWhereTheTemplatePutsItWithItsCaptionAndNames) {
    const DialogUnits units = TemplateUnits(10);
    for (const Placed& control : kControls) {
        const auto& widget = Find<QWidget>(control.name);
        EXPECT_EQ(widget.geometry(), units.ToPixels(control.rect)) << control.name;
        EXPECT_EQ(widget.accessibleName(), control.accessibleName) << control.name;
        if (control.caption != nullptr) {
            EXPECT_EQ(Caption(widget), control.caption) << control.name;
        }
    }
}

// Tests click on a widget directly; a user's click lands on what lies on top.
TEST_F(LayoutTest, AClickOnAControlReachesItAlsoInsideTheGroupFrame) {
    for (const Placed& control : kControls) {
        if (std::string_view(control.name) == "baseGroup") {
            continue;
        }
        const auto& widget = Find<QWidget>(control.name);
        const QWidget* hit = window_->childAt(widget.geometry().center());
        ASSERT_NE(hit, nullptr) << control.name;
        EXPECT_TRUE(hit == &widget || widget.isAncestorOf(hit)) << control.name;
    }
}

TEST_F(LayoutTest, TheWindowHasNoControlsBeyondTheTemplates) {
    const QList<QWidget*> children =
        window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_EQ(children.size(), static_cast<qsizetype>(std::size(kControls)));
    for (const QWidget* child : children) {
        EXPECT_FALSE(child->objectName().isEmpty());
        EXPECT_FALSE(child->accessibleName().isEmpty()) << child->objectName().toStdString();
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
