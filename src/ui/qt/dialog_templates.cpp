#include "ui/qt/dialog_templates.h"

#include "ui/window_layout.h"

namespace kp {
namespace {

constexpr ControlTemplate Control(std::string_view name, ControlKind kind, std::string_view caption,
                                  std::string_view accessibleName, DialogRect rect, int flags) {
    return {name, kind, caption, accessibleName, rect, (flags & KP_TAB_STOP) != 0};
}

// A row of the layout; its Windows control id is the resource script's.
#define KP_CONTROL_TEMPLATE(name, id, kind, caption, accessibleName, x, y, width, height, flags)  \
    Control(object_name::name, ControlKind::kind, caption, accessibleName, {x, y, width, height}, \
            flags),

constexpr ControlTemplate kPatrolWindowControls[] = {
    KP_PATROL_WINDOW_CONTROLS(KP_CONTROL_TEMPLATE)};

constexpr ControlTemplate kAboutBoxControls[] = {KP_ABOUT_BOX_CONTROLS(KP_CONTROL_TEMPLATE)};

#undef KP_CONTROL_TEMPLATE

}  // namespace

const DialogTemplate kPatrolWindowTemplate = {
    "patrolWindow",          KP_TEXT_WINDOW_CAPTION,     KP_PATROL_WINDOW_WIDTH,
    KP_PATROL_WINDOW_HEIGHT, KP_PATROL_WINDOW_FONT_SIZE, kPatrolWindowControls};

const DialogTemplate kAboutBoxTemplate = {
    "aboutBox",          KP_TEXT_ABOUT_CAPTION,  KP_ABOUT_BOX_WIDTH,
    KP_ABOUT_BOX_HEIGHT, KP_ABOUT_BOX_FONT_SIZE, kAboutBoxControls};

}  // namespace kp
