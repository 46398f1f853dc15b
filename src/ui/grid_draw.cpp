// The dialog's patrol grid drawn for its boat, base and start year.
#include "grid/grid_generator.h"
#include "ui/patrol_dialog.h"

namespace kp {

int CKelmarPatrol2Dlg::GeneratePatrolGrid() {
    m_nBoatClass = ClassForDraw(m_nBoatClass, m_nStartYear, random_);
    if (const int* list = SelectGridList(m_nTheater, m_nTankerChoice, m_nBoatClass, m_nStartYear)) {
        PickGridFromList(list);
    }
    const auto drawn = MarkDrawnGrid(m_strPatrolArea, m_nSeaStatus);
    if (!drawn) {
        return 0;
    }
    m_strPatrolArea = *drawn;
    return 1;
}

void CKelmarPatrol2Dlg::PickGridFromList(const int* list) {
    m_strPatrolArea = PickGridName(list, random_);
}

}  // namespace kp
