// The career list as the platform's list box behaves: it reports the user's
// choices only, each click on an entry (also on the one already selected)
// and each key that moves the selection, never a selection the program
// makes; and the user cannot clear the selection once there is one.
#pragma once

#include <QListWidget>

namespace kp {

class CareerListBox final : public QListWidget {
    Q_OBJECT

  public:
    explicit CareerListBox(QWidget* parent = nullptr);

    // -1 when nothing is selected.
    int SelectedRow() const;

  Q_SIGNALS:
    void entryChosen();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // With the focus, the style's focus frame just inside the frame, from
    // the start: the list is where the keys go first.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event = nullptr) const override;

  private:
    bool pressedOnEntry_ = false;
};

}  // namespace kp
