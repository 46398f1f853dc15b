// Builds a dialog from its template: font, caption, fixed size and frame,
// and every control in place, with its object and accessible names, its
// focus policy and the tab order of its tab stops. A control whose text
// needs more room than the template gives it in this font takes it, and the
// controls after it and the dialog make way (src/ui/grown_layout.h).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

class QDialog;

namespace kp {

struct DialogTemplate;

// The texts a control shows besides its caption (a field's), by its row's name.
struct ShownTexts {
    std::string_view name;
    std::vector<std::string> texts;
};

void BuildDialog(QDialog& dialog, const DialogTemplate& layout,
                 std::span<const ShownTexts> shown = {});

// Room made again, from where the controls stand now, for texts known only
// once the dialog is built (the About box's folder).
void GrowForTexts(QDialog& dialog, const DialogTemplate& layout, std::span<const ShownTexts> shown);

}  // namespace kp
