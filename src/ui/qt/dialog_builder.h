// Builds a dialog from its template: font, caption, fixed size and frame,
// and every control in place, with its object and accessible names, its
// focus policy and the tab order of its tab stops.
#pragma once

class QDialog;

namespace kp {

struct DialogTemplate;

void BuildDialog(QDialog& dialog, const DialogTemplate& layout);

}  // namespace kp
