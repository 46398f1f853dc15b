// The rows of the layout that the dialog model talks to through its enums
// (Field, CheckBox, TankerChoice): a window keeps those controls in arrays
// by the enum's order, so the layout's lists of them must follow it. The
// build stops here when a list and its enum part ways.
#pragma once

#include <array>
#include <cstddef>

#include "career/codes.h"
#include "ui/dialog_controls.h"
#include "ui/window_layout.h"

namespace kp {
namespace model_control_rows {

#define KP_FIELD_VALUE(value, name) Field::value,
inline constexpr std::array kFieldOrder = {KP_FIELD_CONTROLS(KP_FIELD_VALUE)};
#undef KP_FIELD_VALUE

#define KP_CHECK_BOX_VALUE(value, name) CheckBox::value,
inline constexpr std::array kCheckBoxOrder = {KP_CHECK_BOX_CONTROLS(KP_CHECK_BOX_VALUE)};
#undef KP_CHECK_BOX_VALUE

#define KP_TANKER_CHOICE_VALUE(value, name) TankerChoice::value,
inline constexpr std::array kBaseButtonOrder = {KP_BASE_BUTTON_CONTROLS(KP_TANKER_CHOICE_VALUE)};
#undef KP_TANKER_CHOICE_VALUE

// True when the n-th row listed is the enum's value n, for every row.
template <typename Enum, std::size_t kCount>
constexpr bool InEnumOrder(const std::array<Enum, kCount>& values) {
    for (std::size_t i = 0; i < kCount; ++i) {
        if (static_cast<std::size_t>(values[i]) != i) {
            return false;
        }
    }
    return true;
}

static_assert(InEnumOrder(kFieldOrder), "KP_FIELD_CONTROLS must list the fields in Field's order");
static_assert(InEnumOrder(kCheckBoxOrder),
              "KP_CHECK_BOX_CONTROLS must list the check boxes in CheckBox's order");
static_assert(InEnumOrder(kBaseButtonOrder),
              "KP_BASE_BUTTON_CONTROLS must list the base buttons in TankerChoice's order");
// The last value of each enum has its row, so every value before it has one.
static_assert(kFieldOrder.back() == Field::EndLocation);
static_assert(kCheckBoxOrder.back() == CheckBox::EnteredMed);
static_assert(kBaseButtonOrder.back() == TankerChoice::kSouth);

}  // namespace model_control_rows

// How many controls of each enum a window holds.
inline constexpr std::size_t kFieldCount = model_control_rows::kFieldOrder.size();
inline constexpr std::size_t kCheckBoxCount = model_control_rows::kCheckBoxOrder.size();
inline constexpr std::size_t kBaseButtonCount = model_control_rows::kBaseButtonOrder.size();

}  // namespace kp
