#include "ui/qt/patrol_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QRadioButton>
#include <cstddef>

#include "ui/dialog_commands.h"
#include "ui/field_texts.h"
#include "ui/patrol_dialog.h"
#include "ui/qt/about_box.h"
#include "ui/qt/career_list_box.h"
#include "ui/qt/dialog_builder.h"
#include "ui/qt/dialog_templates.h"
#include "ui/qt/message_box.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/typing_limit_validator.h"
#include "ui/qt/utf8_text.h"
#include "ui/window_texts.h"

namespace kp {
namespace {

// Each field is given room for the widest text the program puts into it.
std::vector<ShownTexts> FieldTexts() {
    std::vector<ShownTexts> shown;
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        shown.push_back({kFieldNames[field], TextsShownIn(static_cast<Field>(field))});
    }
    return shown;
}

}  // namespace

PatrolWindow::PatrolWindow(CKelmarPatrol2Dlg& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    BuildDialog(*this, kPatrolWindowTemplate, FieldTexts());
    setWindowIcon(ProgramIcon());
    FindControls();
    // The note explains the "*" a drawn grid shows in the field: a screen
    // reader tells it with the field.
    Edit(Field::Grid).setAccessibleDescription(ToQString(control_caption::createdGridNote));
    ConnectControls();

    dialog_.Attach(*this);
    dialog_.OnInitDialog();
    // The first thing to do is to pick a career: the list takes the keys.
    list_->setFocus();
    AddAboutCommand();
    AddUndoCommand();
}

void PatrolWindow::FindControls() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i] = findChild<QLineEdit*>(ToQString(kFieldNames[i]));
    }
    for (std::size_t i = 0; i < checkBoxes_.size(); ++i) {
        checkBoxes_[i] = findChild<QCheckBox*>(ToQString(kCheckBoxNames[i]));
    }
    list_ = findChild<CareerListBox*>(ToQString(kCareerListName));
    bases_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < kBaseButtonNames.size(); ++i) {
        bases_->addButton(findChild<QRadioButton*>(ToQString(kBaseButtonNames[i])),
                          static_cast<int>(i));
    }
    gridTyping_ = new TypingLimitValidator(Edit(Field::Grid));
}

// The list runs its command when an entry is chosen, a button when clicked.
void PatrolWindow::ConnectControls() {
    for (const DialogCommand& command : kDialogCommands) {
        QWidget* control = findChild<QWidget*>(ToQString(command.control));
        const auto run = [this, &command] { RunCommand(dialog_, command); };
        if (control == list_) {
            connect(list_, &CareerListBox::entryChosen, this, run);
        } else {
            connect(qobject_cast<QAbstractButton*>(control), &QAbstractButton::clicked, this, run);
        }
    }
}

// The Qt window runs where there is no system menu to hold About: the
// window's context menu and F1 offer it instead.
void PatrolWindow::AddAboutCommand() {
    auto* about = new QAction(ToQString(kAboutMenuItem), this);
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, [this] {
        AboutBox box(dialog_.m_szCfgPath, this);
        box.exec();
    });
    about->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

// Below About in the context menu. Not on Ctrl+Z, which the grid field keeps
// for its own typing: putting back files deserves a key of its own.
void PatrolWindow::AddUndoCommand() {
    auto* undo = new QAction(ToQString(kUndoMenuItem), this);
    undo->setObjectName(QStringLiteral("undoAction"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    connect(undo, &QAction::triggered, this, [this] { dialog_.OnUndoLastChanges(); });
    addAction(undo);
}

// Shift+F10 asks the control with the focus for its menu, as the menu key
// does through the window system: an edit field shows its own, anything else
// passes the request up to the window's.
void PatrolWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_F10 || event->modifiers() != Qt::ShiftModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    QWidget* target = focusWidget() != nullptr ? focusWidget() : this;
    const QPoint center = target->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, center, target->mapToGlobal(center),
                              event->modifiers());
    QCoreApplication::sendEvent(target, &request);
}

QLineEdit& PatrolWindow::Edit(Field field) const {
    return *fields_[Slot(field)];
}

QCheckBox& PatrolWindow::Box(CheckBox box) const {
    return *checkBoxes_[Slot(box)];
}

std::string PatrolWindow::FieldText(Field field) const {
    return fieldTexts_[Slot(field)].Back(Edit(field).text());
}

void PatrolWindow::SetFieldText(Field field, const std::string& text) {
    fieldTexts_[Slot(field)] = ProgramText::Of(text);
    const QString& shown = fieldTexts_[Slot(field)].shown;
    if (field == Field::Grid) {
        gridTyping_->AcceptProgramText(shown);
    }
    Edit(field).setText(shown);
    // A text set by the program shows from its start, as the platform's edit
    // control shows it, also where it is wider than the field.
    Edit(field).setCursorPosition(0);
}

void PatrolWindow::SetGridTypingLimit(int characters) {
    gridTyping_->SetLimit(characters);
}

void PatrolWindow::AppendListEntry(const std::string& text) {
    listTexts_.push_back(ProgramText::Of(text));
    list_->addItem(listTexts_.back().shown);
}

int PatrolWindow::ListCount() const {
    return list_->count();
}

std::string PatrolWindow::ListEntry(int index) const {
    return listTexts_[static_cast<std::size_t>(index)].Back(list_->item(index)->text());
}

int PatrolWindow::ListSelection() const {
    return list_->SelectedRow();
}

void PatrolWindow::SetListSelection(int index) {
    list_->setCurrentRow(index);
}

int PatrolWindow::RadioIndex() const {
    return bases_->checkedId();
}

// An exclusive group would keep one button checked; the program may clear all.
void PatrolWindow::SetRadioIndex(int index) {
    bases_->setExclusive(false);
    for (QAbstractButton* button : bases_->buttons()) {
        button->setChecked(bases_->id(button) == index);
    }
    bases_->setExclusive(true);
}

bool PatrolWindow::IsChecked(CheckBox box) const {
    return Box(box).isChecked();
}

void PatrolWindow::SetChecked(CheckBox box, bool checked) {
    Box(box).setChecked(checked);
}

void PatrolWindow::FocusAndSelectAll(Field field) {
    Edit(field).setFocus();
    Edit(field).selectAll();
}

MessageAnswer PatrolWindow::ShowMessage(const std::string& text, MessageButtons buttons) {
    return ShowProgramMessage(this, text, buttons);
}

void PatrolWindow::EndDialog(DialogResult result) {
    done(result == DialogResult::Ok ? QDialog::Accepted : QDialog::Rejected);
}

void PatrolWindow::reject() {
    dialog_.OnCancel();
}

}  // namespace kp
