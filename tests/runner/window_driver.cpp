#include "window_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest/QTest>
#include <array>
#include <cstddef>

#include "app/program_start.h"
#include "grid/random_source.h"
#include "modal_box_watcher.h"
#include "platform/file_ops.h"
#include "platform/path_text.h"
#include "ui/patrol_dialog.h"
#include "ui/qt/dialog_templates.h"
#include "ui/qt/message_box.h"
#include "ui/qt/patrol_window.h"
#include "ui/qt/utf8_text.h"
#include "ui/window_texts.h"

namespace kp {
namespace {

// Chooses the platform before the application starts; returns `argc` for it.
int& OffScreenUnlessChosen(int& argc) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return argc;
}

// One key a character, carrying the character itself as a keyboard would,
// so that characters beyond Latin-1 reach the field too.
void TypeText(QWidget& widget, const QString& text) {
    for (const char32_t code : text.toUcs4()) {
        const QString character = QString::fromUcs4(&code, 1);
        const Qt::Key key =
            code < 0x80 ? QTest::asciiToKey(static_cast<char>(code)) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, &widget, key, character, Qt::NoModifier);
    }
}

class WindowDriver final : public ScenarioDriver {
  public:
    WindowDriver(int& argc, char** argv)
        : app_(OffScreenUnlessChosen(argc), argv), watcher_([this](QDialog& box) { OnBox(box); }) {}

    bool Start(const std::filesystem::path& cfgFolder, std::uint32_t seed,
               MessageHandler onMessage) override {
        dialog_.SetClock([] { return kScenarioTime; });
        onMessage_ = std::move(onMessage);
        if (!StartInConfigFolder(dialog_, random_, seed, SystemFileOps(), cfgFolder)) {
            ShowProgramMessage(nullptr, kNoCareersMessage, MessageButtons::Ok);
            return false;
        }
        window_ = std::make_unique<PatrolWindow>(dialog_);
        QObject::connect(window_.get(), &QDialog::finished, window_.get(), [this](int result) {
            closed_ = result == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
        });
        window_->show();
        window_->activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(window_.get()));
        return true;
    }

    bool Select(const std::string& name) override {
        auto& list = Find<QListWidget>(kCareerListName);
        for (int row = 0; row < list.count(); ++row) {
            QListWidgetItem* item = list.item(row);
            // The window's own entry, as bytes: a name that is no UTF-8 matches only itself.
            if (window_->ListEntry(row) == name) {
                list.scrollToItem(item);
                QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                                  list.visualItemRect(item).center());
                Settle();
                return true;
            }
        }
        return false;
    }

    void ClickBase(int tankerChoice) override {
        Click(Find<QRadioButton>(kBaseButtonNames[static_cast<std::size_t>(tankerChoice)]));
    }

    void TypeGrid(const std::string& text) override {
        auto& grid = Find<QLineEdit>(kFieldNames[Slot(Field::Grid)]);
        QTest::mouseClick(&grid, Qt::LeftButton);
        QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
        if (text.empty()) {
            QTest::keyClick(&grid, Qt::Key_Delete);
        } else {
            TypeText(grid, ToQString(text));
        }
        Settle();
    }

    void Toggle(CheckBox box) override { Click(Find<QCheckBox>(kCheckBoxNames[Slot(box)])); }

    void PressOk() override { Click(Find<QPushButton>(kMakeChangesName)); }
    void PressCancel() override { Click(Find<QPushButton>(kCancelName)); }

    // The way a user opens it here: the command's key.
    std::string About() override {
        aboutText_.clear();
        window_->activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(window_.get()));
        QTest::keySequence(window_.get(), Find<QAction>("aboutAction").shortcut());
        Settle();
        return aboutText_;
    }

    void Undo() override {
        window_->activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(window_.get()));
        QTest::keySequence(window_.get(), Find<QAction>("undoAction").shortcut());
        Settle();
    }

    WindowContents Show() const override {
        WindowContents c;
        const auto& list = Find<QListWidget>(kCareerListName);
        for (int row = 0; row < list.count(); ++row) {
            c.careers.push_back(ToUtf8(list.item(row)->text()));
        }
        const QList<QListWidgetItem*> selected = list.selectedItems();
        if (!selected.isEmpty()) {
            c.selected = ToUtf8(selected.front()->text());
        }
        std::array<std::string*, 6> fields = {&c.grid,    &c.daysInPort, &c.seaStatus,
                                              &c.endDate, &c.boatType,   &c.endLocation};
        for (std::size_t i = 0; i < fields.size(); ++i) {
            *fields[i] = ToUtf8(Find<QLineEdit>(kFieldNames[i]).text());
        }
        for (const std::string_view name : kBaseButtonNames) {
            const auto& button = Find<QRadioButton>(name);
            if (button.isChecked()) {
                c.base = WithoutAccessKeys(ToUtf8(button.text()));
            }
        }
        c.autoUpdate = Find<QCheckBox>(kCheckBoxNames[Slot(CheckBox::AutoRadarUpdate)]).isChecked();
        c.enteredMed = Find<QCheckBox>(kCheckBoxNames[Slot(CheckBox::EnteredMed)]).isChecked();
        return c;
    }

    std::optional<DialogResult> Closed() const override { return closed_; }

    void Screenshot(const std::filesystem::path& file) override {
        if (window_) {
            window_->grab().save(ToQString(Utf8FromPath(file)), "PNG");
        }
    }

  private:
    template <typename Widget>
    Widget& Find(std::string_view name) const {
        return *window_->findChild<Widget*>(
            QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }

    static void Settle() { QApplication::processEvents(); }

    static void Click(QAbstractButton& button) {
        QTest::mouseClick(&button, Qt::LeftButton);
        Settle();
    }

    void OnBox(QDialog& box) {
        if (auto* message = qobject_cast<QMessageBox*>(&box)) {
            ClickAnswer(*message, onMessage_(MessageText(*message), ButtonsOf(*message)));
            return;
        }
        aboutText_ = ToUtf8(box.findChild<QLabel*>(QStringLiteral("versionLabel"))->text());
        QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    }

    // Declared first, gone last; the window goes before the model it is attached to.
    QApplication app_;
    ModalBoxWatcher watcher_;
    MessageHandler onMessage_;
    RandomSource random_;
    CKelmarPatrol2Dlg dialog_{SystemFileOps(), random_};
    std::unique_ptr<PatrolWindow> window_;
    std::optional<DialogResult> closed_;
    std::string aboutText_;
};

}  // namespace

std::unique_ptr<ScenarioDriver> MakeWindowDriver(int& argc, char** argv) {
    return std::make_unique<WindowDriver>(argc, argv);
}

}  // namespace kp
