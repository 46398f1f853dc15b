#include "ui/qt/career_list_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <utility>

#include "ui/qt/focus_frame.h"

namespace kp {

CareerListBox::CareerListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int CareerListBox::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

void CareerListBox::mousePressEvent(QMouseEvent* event) {
    pressedOnEntry_ =
        event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid();
    QListWidget::mousePressEvent(event);
}

// The choice is reported when the button comes up, wherever the drag that
// followed the press left the selection.
void CareerListBox::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && std::exchange(pressedOnEntry_, false) &&
        SelectedRow() >= 0) {
        Q_EMIT entryChosen();
    }
}

// With nothing selected the list's current row still points somewhere (the
// first entry, or one the program cleared): the first key chooses from the
// list's ends instead, Down, Up and Home the first career, End the last.
void CareerListBox::keyPressEvent(QKeyEvent* event) {
    const int before = SelectedRow();
    const int key = event->key();
    if (before < 0 && count() > 0 && event->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_Home || key == Qt::Key_End)) {
        setCurrentRow(key == Qt::Key_End ? count() - 1 : 0);
        event->accept();
        Q_EMIT entryChosen();
        return;
    }
    QListWidget::keyPressEvent(event);
    const int after = SelectedRow();
    if (after >= 0 && after != before) {
        Q_EMIT entryChosen();
    }
}

void CareerListBox::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (hasFocus()) {
        PaintFocusFrame(*this, *viewport(), viewport()->rect(), true);
    }
}

void CareerListBox::focusInEvent(QFocusEvent* event) {
    QListWidget::focusInEvent(event);
    viewport()->update();
}

void CareerListBox::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

QItemSelectionModel::SelectionFlags CareerListBox::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
    QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    if (flags.testFlag(QItemSelectionModel::Deselect)) {
        flags &= ~QItemSelectionModel::SelectionFlags(QItemSelectionModel::Deselect);
        flags |= QItemSelectionModel::ClearAndSelect;
    }
    return flags;
}

}  // namespace kp
