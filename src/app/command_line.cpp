#include "app/command_line.h"

#include <algorithm>

#include "platform/path_text.h"
#include "ui/window_texts.h"

namespace kp {
namespace {

const std::string kProgram(kProgramName);
const std::string kUsage = "Usage: " + kProgram + " [FOLDER]";
const std::string kFolder =
    "Edit the careers of the simulation's configuration folder FOLDER, the folder that holds "
    "'careers'; given 'careers' itself or one career's folder, the folder above it, with that "
    "career selected.";
const std::string kWithoutFolder = "Without FOLDER: the current folder when it holds 'careers'";
const std::string kRemembered = "; else the folder chosen at an earlier start, kept in ";
const std::string kSearched =
    "; else the one of these places whose 'careers' holds a career (names in any letter case; "
    "where several do, the one where a career was played last):";
const std::string kAsked = " the folder you choose when asked.";
const std::vector<std::string> kOptions = {"  -h, --help     show this help and exit",
                                           "      --version  show the version and exit"};
// Where the window's commands are, which no button shows.
const std::string kCommands =
    "In the window, a right click, the menu key or Shift+F10 opens "
    "the menu with \"" +
    WithoutAccessKeys(kAboutMenuItem) + "\" (also F1) and \"" + WithoutAccessKeys(kUndoMenuItem) +
    "\" (also Ctrl+Alt+Z), which puts back the files of the selected "
    "career's last change.";
const std::string kOpensNow = "Now without FOLDER it opens ";
const std::string kNoneFound = "Now without FOLDER it finds no configuration folder and asks.";

const std::string kTryHelp = "Try '" + kProgram + " --help'.\n";

constexpr std::size_t kTerminalWidth = 79;

// A line of the help: prose, which a terminal gets broken between words, or
// a line kept whole (a place, an option, the folder found).
struct HelpLine {
    std::string text;
    bool prose = false;
};

// Characters, not bytes: a UTF-8 sequence takes one column.
std::size_t Columns(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string Wrapped(std::string_view line) {
    std::string out;
    while (Columns(line) > kTerminalWidth) {
        std::size_t cut = line.size();
        while (cut > 0 &&
               (line[cut - 1] != ' ' || Columns(line.substr(0, cut - 1)) > kTerminalWidth)) {
            --cut;
        }
        if (cut == 0) {
            break;
        }
        out.append(line.substr(0, cut - 1)).append("\n");
        line.remove_prefix(cut);
    }
    return out.append(line).append("\n");
}

std::vector<HelpLine> Help(const SearchFacts& search) {
    std::vector<HelpLine> help = {{kUsage}, {kFolder, true}};
    std::string without = kWithoutFolder;
    if (!search.settingsFile.empty()) {
        without += kRemembered + Utf8FromPath(search.settingsFile);
    }
    if (search.places.empty()) {
        help.push_back({without + "; else" + kAsked, true});
    } else {
        help.push_back({without + kSearched, true});
        for (const std::filesystem::path& place : search.places) {
            help.push_back({"  " + Utf8FromPath(place)});
        }
        help.push_back({"else" + kAsked, true});
    }
    help.push_back({});
    for (const std::string& option : kOptions) {
        help.push_back({option});
    }
    help.push_back({});
    help.push_back({kCommands, true});
    help.push_back({});
    help.push_back({search.opensNow ? kOpensNow + Utf8FromPath(*search.opensNow) : kNoneFound});
    return help;
}

// A line or two, the same in a terminal and in a box.
CommandLine Told(CommandLine::Action action, const std::string& text) {
    return {action, {}, false, text, text};
}

CommandLine Error(const std::string& what) {
    return Told(CommandLine::Action::Error, kProgram + ": " + what + "\n" + kTryHelp);
}

// A name that is no folder may come from a file dropped on the program or its
// menu entry, where the box is all the player sees: the whole path, and what
// to give instead.
CommandLine NotAFolder(const std::string& named, const std::filesystem::path& path, bool isFile) {
    CommandLine line = Error((isFile ? "not a folder: '" : "no such folder: '") + named + "'");
    line.folder = path;
    // Appended piece by piece: GCC's -Wrestrict misreads a literal prepended
    // to a temporary string in an optimised MinGW build.
    const std::string shown = Utf8FromPath(path);
    std::string text = isFile ? std::string("'") : std::string("There is no folder '");
    text += shown;
    text += isFile ? "' is a file, not a folder." : "'.";
    text += "\nGive ";
    text += kProgram;
    text +=
        " the simulation's configuration folder, the folder that holds 'careers', or "
        "one career's folder.";
    line.boxText = text;
    return line;
}

}  // namespace

CommandLine HelpCommand(const SearchFacts& search) {
    CommandLine line{CommandLine::Action::Help, {}, false, {}, {}};
    for (const HelpLine& each : Help(search)) {
        line.text += each.prose ? Wrapped(each.text) : each.text + "\n";
        line.boxText += each.text + "\n";
    }
    return line;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             const std::filesystem::path& workingDirectory, FileOps& ops) {
    std::vector<std::string> named;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            return {CommandLine::Action::Help, {}, false, {}, {}};
        }
        if (!optionsEnded && arg == "--version") {
            return Told(CommandLine::Action::Version,
                        kProgram + " " + std::string(kProgramVersion) + "\n");
        }
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return Error("unknown option '" + arg + "'");
        } else {
            named.push_back(arg);
        }
    }
    if (named.size() > 1) {
        return Error("one configuration folder at most");
    }
    if (named.empty()) {
        return {CommandLine::Action::Run, workingDirectory, false, {}, {}};
    }
    const std::filesystem::path folder = workingDirectory / PathFromUtf8(named.front());
    if (!ops.IsFolder(folder)) {
        // A file this user may not read is still there.
        const bool isFile = ops.OpenRead(folder) != nullptr ||
                            ops.LastOpenFailure().cause != OpenFailureCause::Missing;
        return NotAFolder(named.front(), folder.lexically_normal(), isFile);
    }
    return {CommandLine::Action::Run, folder.lexically_normal(), true, {}, {}};
}

}  // namespace kp
