#include "scenario_runner.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "app/program_start.h"
#include "career/file_messages.h"
#include "career_fixture.h"
#include "platform/file_ops.h"
#include "platform/path_text.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

struct ScriptError {
    std::string what;
};

std::string EscapeMessage(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\\') {
            escaped += "\\\\";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string EscapeBytes(std::string_view bytes) {
    std::string escaped;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            escaped += "\\r";
        } else if (c == '\t') {
            escaped += "\\t";
        } else if (byte < 0x20 || byte > 0x7E) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            escaped += hex;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

class Runner {
  public:
    Runner(const fs::path& script, ScenarioDriver& driver, std::ostream& out)
        : scriptFolder_(script.parent_path()), driver_(driver), out_(out) {}

    void Play(std::istream& script);

  private:
    enum class Phase { Setup, Running, Ended };

    void Do(const std::string& command, const std::string& rest);
    void Start();
    void AfterAction();
    MessageAnswer OnMessage(const std::string& text, MessageButtons buttons);
    void Cat(const std::string& path);
    void Ls(const std::string& path);
    void Mtime(const std::string& rest);
    void Put(const std::string& rest);
    void Show();
    void RequireRunning(const std::string& command) const;
    fs::path InWorkingFolder(const std::string& path) const;

    fs::path scriptFolder_;
    ScenarioDriver& driver_;
    std::ostream& out_;
    Phase phase_ = Phase::Setup;
    std::optional<ScratchFolder> scratch_;
    fs::path workingFolder_;
    std::optional<std::uint32_t> seed_;
    std::deque<MessageAnswer> answers_;
    std::optional<std::string> unansweredQuestion_;
};

void Runner::RequireRunning(const std::string& command) const {
    if (phase_ == Phase::Setup) {
        throw ScriptError{"'" + command + "' before 'start'"};
    }
    if (phase_ == Phase::Ended) {
        throw ScriptError{"'" + command + "' after the program ended"};
    }
}

fs::path Runner::InWorkingFolder(const std::string& path) const {
    if (workingFolder_.empty()) {
        throw ScriptError{"no working folder: use 'config' or 'folder' first"};
    }
    return workingFolder_ / PathFromUtf8(path);
}

MessageAnswer Runner::OnMessage(const std::string& text, MessageButtons buttons) {
    if (buttons == MessageButtons::Ok) {
        out_ << "message: " << EscapeMessage(text) << "\n";
        return MessageAnswer::Ok;
    }
    if (answers_.empty()) {
        // Reported once the action is over; the box itself is answered with Cancel.
        if (!unansweredQuestion_) {
            unansweredQuestion_ = text;
        }
        return MessageAnswer::Cancel;
    }
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    out_ << "question: " << EscapeMessage(text) << " -> "
         << (answer == MessageAnswer::Ok ? "ok" : "cancel") << "\n";
    return answer;
}

void Runner::AfterAction() {
    if (unansweredQuestion_) {
        throw ScriptError{"a question without an answer: " + EscapeMessage(*unansweredQuestion_)};
    }
    if (const auto result = driver_.Closed()) {
        out_ << "closed: " << (*result == DialogResult::Ok ? "ok" : "cancel") << "\n";
        out_ << "ended\n";
        phase_ = Phase::Ended;
    }
}

void Runner::Start() {
    if (workingFolder_.empty()) {
        throw ScriptError{"'start' needs 'config' or 'folder' first"};
    }
    const auto onMessage = [this](const std::string& text, MessageButtons buttons) {
        return OnMessage(text, buttons);
    };
    phase_ = Phase::Running;
    if (!driver_.Start(workingFolder_, seed_.value_or(ClockSeed()), onMessage)) {
        out_ << "ended\n";
        phase_ = Phase::Ended;
    }
}

void Runner::Show() {
    const WindowContents c = driver_.Show();
    const auto bracket = [](const std::string& text) { return "[" + text + "]"; };
    out_ << "Choose Career:";
    for (const std::string& name : c.careers) {
        out_ << " " << bracket(name);
    }
    out_ << "\n";
    out_ << "Selected: " << bracket(c.selected) << "\n";
    out_ << "Patrol Grid: " << bracket(c.grid) << "\n";
    out_ << "Days in Port: " << bracket(c.daysInPort) << "\n";
    out_ << "Sea Status: " << bracket(c.seaStatus) << "\n";
    out_ << "Last Patrol End Date: " << bracket(c.endDate) << "\n";
    out_ << "U-boat: " << bracket(c.boatType) << "\n";
    out_ << "End Location: " << bracket(c.endLocation) << "\n";
    out_ << "Base: " << bracket(c.base) << "\n";
    out_ << "Auto-update: " << bracket(c.autoUpdate ? "on" : "off") << "\n";
    out_ << "Entered Mediterranean: " << bracket(c.enteredMed ? "on" : "off") << "\n";
}

void Runner::Cat(const std::string& path) {
    std::ifstream file(InWorkingFolder(path), std::ios::binary);
    std::error_code ec;
    if (!file || fs::is_directory(InWorkingFolder(path), ec)) {
        out_ << "file " << path << ": missing\n";
        return;
    }
    out_ << "file " << path << ":\n";
    std::string line;
    while (std::getline(file, line)) {
        out_ << "| " << EscapeBytes(line) << "\n";
        if (file.eof()) {
            out_ << "|(no line end)\n";
        }
    }
}

// Through the program's own listing, which reaches folders beyond 260
// characters on Windows, where the runtime's directory iterator does not.
void Runner::Ls(const std::string& path) {
    const auto entries = SystemFileOps().List(InWorkingFolder(path));
    if (!entries) {
        out_ << "dir " << path << ": missing\n";
        return;
    }
    std::vector<std::string> names;
    for (const DirEntry& entry : *entries) {
        names.push_back(entry.name + (entry.isDirectory ? "/" : ""));
    }
    std::sort(names.begin(), names.end());
    out_ << "dir " << path << ":\n";
    for (const std::string& name : names) {
        out_ << "- " << name << "\n";
    }
}

void Runner::Mtime(const std::string& rest) {
    const auto blank = rest.rfind(' ');
    if (blank == std::string::npos) {
        throw ScriptError{"'mtime' needs a path and seconds"};
    }
    long long seconds = 0;
    try {
        std::size_t used = 0;
        seconds = std::stoll(rest.substr(blank + 1), &used);
        if (used != rest.size() - blank - 1) {
            throw std::invalid_argument("seconds");
        }
    } catch (const std::exception&) {
        throw ScriptError{"'mtime' needs whole seconds"};
    }
    const auto when =
        std::chrono::file_clock::from_sys(std::chrono::sys_seconds(std::chrono::seconds(seconds)));
    std::error_code ec;
    fs::last_write_time(InWorkingFolder(rest.substr(0, blank)), when, ec);
    if (ec) {
        throw ScriptError{"cannot set the time of " + rest.substr(0, blank)};
    }
}

// As the simulation writes a career's file while the window stays open: in place.
void Runner::Put(const std::string& rest) {
    const auto blank = rest.find(' ');
    if (blank == std::string::npos || phase_ == Phase::Setup) {
        throw ScriptError{"'put' needs a file and a path, after 'start'"};
    }
    const fs::path target = InWorkingFolder(rest.substr(blank + 1));
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    fs::copy_file(scriptFolder_ / PathFromUtf8(rest.substr(0, blank)), target,
                  fs::copy_options::overwrite_existing, ec);
    if (ec) {
        throw ScriptError{"cannot put " + rest};
    }
}

void Runner::Do(const std::string& command, const std::string& rest) {
    static const std::map<std::string, TankerChoice> kBases = {{"land", TankerChoice::kLandBase},
                                                               {"north", TankerChoice::kNorth},
                                                               {"mid", TankerChoice::kMid},
                                                               {"south", TankerChoice::kSouth}};
    static const std::map<std::string, CheckBox> kChecks = {{"radar", CheckBox::AutoRadarUpdate},
                                                            {"med", CheckBox::EnteredMed}};

    if (command == "cat") {
        Cat(rest);
    } else if (command == "ls") {
        Ls(rest);
    } else if (command == "mtime") {
        Mtime(rest);
    } else if (command == "put") {
        Put(rest);
    } else if (command == "screenshot") {
        driver_.Screenshot(rest);
    } else if (command == "config" || command == "folder" || command == "seed") {
        if (phase_ != Phase::Setup) {
            throw ScriptError{"'" + command + "' after 'start'"};
        }
        if (command == "seed") {
            try {
                seed_ = static_cast<std::uint32_t>(std::stoul(rest));
            } catch (const std::exception&) {
                throw ScriptError{"'seed' needs a number"};
            }
        } else if (command == "config") {
            scratch_.emplace();
            workingFolder_ = scratch_->Path() / "cfg";
            std::error_code ec;
            fs::copy(scriptFolder_ / PathFromUtf8(rest), workingFolder_,
                     fs::copy_options::recursive, ec);
            if (ec) {
                throw ScriptError{"cannot copy " + rest};
            }
        } else {
            const fs::path folder = PathFromUtf8(rest);
            workingFolder_ = folder.is_absolute() ? folder : scriptFolder_ / folder;
        }
    } else if (command == "start") {
        if (phase_ != Phase::Setup) {
            throw ScriptError{"'start' twice"};
        }
        Start();
    } else if (command == "answer") {
        RequireRunning(command);
        if (rest != "ok" && rest != "cancel") {
            throw ScriptError{"'answer' takes ok or cancel"};
        }
        answers_.push_back(rest == "ok" ? MessageAnswer::Ok : MessageAnswer::Cancel);
    } else {
        RequireRunning(command);
        if (command == "select") {
            if (!driver_.Select(rest)) {
                throw ScriptError{"no career entry " + rest};
            }
        } else if (command == "click" && kBases.count(rest) != 0) {
            driver_.ClickBase(CodeOf(kBases.at(rest)));
        } else if (command == "type") {
            driver_.TypeGrid(rest);
        } else if (command == "toggle" && kChecks.count(rest) != 0) {
            driver_.Toggle(kChecks.at(rest));
        } else if (command == "ok" && rest.empty()) {
            driver_.PressOk();
        } else if (command == "cancel" && rest.empty()) {
            driver_.PressCancel();
        } else if (command == "undo" && rest.empty()) {
            driver_.Undo();
        } else if (command == "about" && rest.empty()) {
            out_ << "about: " << EscapeMessage(driver_.About()) << "\n";
        } else if (command == "show" && rest.empty()) {
            Show();
        } else {
            throw ScriptError{"unknown command: " + command + (rest.empty() ? "" : " " + rest)};
        }
        AfterAction();
    }
}

void Runner::Play(std::istream& script) {
    std::string line;
    int number = 0;
    try {
        while (std::getline(script, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (line.empty() || line[0] == '#') {
                continue;
            }
            const auto blank = line.find(' ');
            const std::string command = line.substr(0, blank);
            const std::string rest = blank == std::string::npos ? "" : line.substr(blank + 1);
            Do(command, rest);
        }
        if (!answers_.empty()) {
            throw ScriptError{"an answer left unused"};
        }
    } catch (const ScriptError& error) {
        // The line it arose on, or the last one for what is found at the end.
        throw ScriptError{"line " + std::to_string(number) + ": " + error.what};
    }
}

}  // namespace

int RunScenario(const fs::path& script, ScenarioDriver& driver, std::ostream& out) {
    // One transcript for every platform: a file is told missing in the Windows words.
    UseMessagesOf(MessagePlatform::Windows);
    std::ifstream file(script, std::ios::binary);
    if (!file) {
        out << "script error: cannot read " << Utf8FromPath(script) << "\n";
        return 2;
    }
    Runner runner(script, driver, out);
    try {
        runner.Play(file);
    } catch (const ScriptError& error) {
        out << "script error: " << error.what << "\n";
        return 2;
    }
    return 0;
}

}  // namespace kp
