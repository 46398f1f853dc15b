#include "ui/qt/program_icon.h"

#include <QString>

// The icon is compiled into this static library; its resources register
// only when asked for, outside any namespace.
static void RegisterProgramResources() {
    Q_INIT_RESOURCE(kelmar_patrol);
}

namespace kp {

QIcon ProgramIcon() {
    RegisterProgramResources();
    return QIcon(QStringLiteral(":/icons/kelmar_patrol.png"));
}

}  // namespace kp
