// The dialog's patrol grid drawn for its boat, base and start year.
#include "grid/grid_generator.h"
#include "ui/patrol_dialog.h"

namespace kp {

int CKelmarPatrol2Dlg::GeneratePatrolGrid() {
    return DrawGrid(facts.seaStatus);
}

int CKelmarPatrol2Dlg::DrawGrid(SeaStatus seaStatus) {
    const int startYear = read.next.startYear;
    gridClass = ClassForDraw(gridClass, startYear, random_);
    if (const int* list = SelectGridList(facts.theater, m_nTankerChoice, gridClass, startYear)) {
        PickGridFromList(list);
    }
    const auto drawn = MarkDrawnGrid(m_strPatrolArea, seaStatus);
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
