// The kinds a row of the layout (src/ui/window_layout.h) names. Both windows
// build a control by its kind: the resource script gives each its Windows
// class and style by the enumerator's name, the Qt window its widget.
#pragma once

namespace kp {

enum class ControlKind {
    DefaultButton,
    PushButton,
    Edit,
    ReadOnlyEdit,
    RadioButton,
    CheckBox,
    ListBox,
    Label,
    GroupBox,
    Icon,       // the program's icon
    PathLabel,  // a path, whole, on as many lines as it takes
};

}  // namespace kp
