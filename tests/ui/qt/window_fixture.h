// A configuration folder with careers written here, the dialog model started
// up in it, and its window shown and active, off screen. Every message box
// the window opens is recorded and answered with OK; other boxes are left to
// the test.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "career_fixture.h"
#include "grid/random_source.h"
#include "modal_box_watcher.h"
#include "ui/patrol_dialog.h"
#include "ui/qt/patrol_window.h"

class QListWidget;

namespace kp {

// Careers of the folder, in the order the list shows them.
inline const QString kAtBase = QStringLiteral("Base");       // no grid assigned: "At Base"
inline const QString kBroken = QStringLiteral("Broken");     // no next-patrol file
inline const QString kAtHome = QStringLiteral("Home");       // grid BF17: "At Home Base"
inline const QString kUmlaut = QString::fromUtf8("Müller");  // a name beyond ASCII

inline constexpr char kChooseCareer[] = "Please choose a career.";

class WindowTest : public ::testing::Test {
  protected:
    WindowTest();

    template <typename Widget>
    Widget& Find(const char* name) const {
        auto* widget = window_->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }

    QListWidget& List() const;
    // A click at the centre of the entry, where a user clicks.
    void ClickEntry(const QString& name, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Click(const char* name);
    // The key goes to the widget that has the focus, as a keyboard's does.
    void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QString FocusName() const;
    QString Text(const char* lineEdit) const;
    // What the Linux window tells of kBroken: the folder it looked in.
    std::string NoNextPatrolFile() const {
        return "Cannot find your 'patrols_0.cfg' file.\nIt is not in the career's folder '" +
               (folder_.Path() / "careers" / "Broken").string() + "'.";
    }

    ScratchFolder folder_;
    RandomSource random_;
    CKelmarPatrol2Dlg dialog_;
    std::vector<std::string> messages_;
    // Called while a message box is open, before it is answered.
    std::function<void()> whileMessageShows_;
    ModalBoxWatcher watcher_;
    std::unique_ptr<PatrolWindow> window_;
    std::optional<int> finished_;
};

}  // namespace kp
