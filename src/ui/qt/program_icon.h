// The program's icon: window icon, About box picture and message boxes'
// owner icon alike.
#pragma once

#include <QIcon>
#include <QSize>

namespace kp {

inline const QSize kProgramIconSize(32, 32);

QIcon ProgramIcon();

}  // namespace kp
