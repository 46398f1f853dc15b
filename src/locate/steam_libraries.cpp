#include "locate/steam_libraries.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "locate/settings_text.h"
#include "platform/path_text.h"

namespace kp {
namespace {

namespace fs = std::filesystem;

// Steam keeps the list in steamapps/ and, since 2021, in config/ as well.
constexpr std::array<std::array<std::string_view, 2>, 2> kLibraryLists = {
    {{"steamapps", "libraryfolders.vdf"}, {"config", "libraryfolders.vdf"}}};

// Valve's KeyValues text: quoted (or bare) strings, braces, "//" comments.
class VdfTokens {
  public:
    enum class Kind { String, Open, Close, End, Bad };

    explicit VdfTokens(std::string_view text) : text_(text) {}

    Kind Next(std::string& value) {
        SkipBlanksAndComments();
        if (at_ == text_.size()) {
            return Kind::End;
        }
        const char c = text_[at_];
        if (c == '{' || c == '}') {
            ++at_;
            return c == '{' ? Kind::Open : Kind::Close;
        }
        value.clear();
        if (c != '"') {
            while (at_ < text_.size() && !IsBlank(text_[at_]) && text_[at_] != '{' &&
                   text_[at_] != '}' && text_[at_] != '"') {
                value += text_[at_++];
            }
            return Kind::String;
        }
        for (++at_; at_ < text_.size(); ++at_) {
            char d = text_[at_];
            if (d == '"') {
                ++at_;
                return Kind::String;
            }
            // Windows paths come with each backslash doubled.
            if (d == '\\' && at_ + 1 < text_.size()) {
                d = text_[++at_];
            }
            value += d;
        }
        return Kind::Bad;
    }

  private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    void SkipBlanksAndComments() {
        for (;;) {
            while (at_ < text_.size() && IsBlank(text_[at_])) {
                ++at_;
            }
            if (text_.substr(at_, 2) != "//") {
                return;
            }
            at_ = std::min(text_.find('\n', at_), text_.size());
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

bool IsNumber(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void AddOnce(std::vector<fs::path>& paths, const fs::path& path) {
    const fs::path normal = path.lexically_normal();
    if (std::find(paths.begin(), paths.end(), normal) == paths.end()) {
        paths.push_back(normal);
    }
}

}  // namespace

LibraryList LibraryPathsInVdf(std::string_view text) {
    VdfTokens tokens(text);
    LibraryList list;
    std::string key;
    std::string value;
    int depth = 0;
    for (;;) {
        VdfTokens::Kind kind = tokens.Next(key);
        if (kind == VdfTokens::Kind::End) {
            return depth == 0 ? list : LibraryList();
        }
        if (kind == VdfTokens::Kind::Close && depth > 0) {
            --depth;
            continue;
        }
        if (kind != VdfTokens::Kind::String) {
            return LibraryList();
        }
        kind = tokens.Next(value);
        if (kind == VdfTokens::Kind::Open) {
            ++depth;
        } else if (kind != VdfTokens::Kind::String) {
            return LibraryList();
        } else if (depth == 2 && key == "path") {
            list.paths.push_back(PathFromUtf8(value));
            list.namesSteamFolder = true;
        } else if (depth == 1 && IsNumber(key)) {
            // The older form: "1" "/path/to/library".
            list.paths.push_back(PathFromUtf8(value));
        }
    }
}

std::vector<fs::path> SteamLibraries(FileOps& ops, const fs::path& steamRoot) {
    std::vector<fs::path> libraries;
    bool steamFolderNamed = false;
    for (const auto& [folder, file] : kLibraryLists) {
        const std::optional<std::string> text =
            ReadSettingsText(ops, steamRoot / PathFromUtf8(folder) / PathFromUtf8(file));
        if (!text) {
            continue;
        }
        const LibraryList list = LibraryPathsInVdf(*text);
        steamFolderNamed = steamFolderNamed || list.namesSteamFolder;
        for (const fs::path& library : list.paths) {
            if (library.has_root_directory()) {
                AddOnce(libraries, library);
            }
        }
    }
    if (!steamFolderNamed) {
        libraries.insert(libraries.begin(), steamRoot.lexically_normal());
    }
    return libraries;
}

}  // namespace kp
