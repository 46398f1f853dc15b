#include "career/line_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kp {
namespace {

// Hands out the bytes `chunk` at a time, then fails when asked to.
class MemoryInput final : public InputFile {
  public:
    MemoryInput(std::string bytes, std::size_t chunk, bool failAtEnd = false)
        : bytes_(std::move(bytes)), chunk_(chunk), failAtEnd_(failAtEnd) {}
    std::ptrdiff_t Read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min({size, chunk_, bytes_.size() - pos_});
        if (n == 0 && failAtEnd_) {
            return -1;
        }
        std::copy_n(bytes_.data() + pos_, n, buffer);
        pos_ += n;
        return static_cast<std::ptrdiff_t>(n);
    }

  private:
    std::string bytes_;
    std::size_t chunk_;
    bool failAtEnd_;
    std::size_t pos_ = 0;
};

class MemoryOutput final : public OutputFile {
  public:
    bool Write(const char* data, std::size_t size) override {
        ++writes;
        if (failWrites) {
            return false;
        }
        bytes.append(data, size);
        return true;
    }
    bool Flush() override { return true; }
    bool Sync() override { return true; }
    bool Close() override { return true; }

    std::string bytes;
    int writes = 0;
    bool failWrites = false;
};

std::vector<Line> ReadAll(const std::string& bytes, std::size_t chunk) {
    MemoryInput input(bytes, chunk);
    LineReader reader(input);
    std::vector<Line> lines;
    Line line;
    while (reader.Next(line)) {
        lines.push_back(line);
    }
    EXPECT_FALSE(reader.Failed());
    return lines;
}

std::string Show(std::string_view text, std::string_view end) {
    return "[" + std::string(text) + "|" + (end == "\r\n" ? "CRLF" : end == "\n" ? "LF" : "") + "]";
}

std::string Show(const std::vector<Line>& lines) {
    std::string out;
    for (const Line& l : lines) {
        out += Show(l.text, l.end);
    }
    return out;
}

TEST(LineReader, SplitsLinesAndNotesTheirEnds) {
    const struct {
        std::string bytes;
        std::string lines;
    } cases[] = {
        {"a\r\nb\r\n", "[a|CRLF][b|CRLF]"},
        {"a\nb\n", "[a|LF][b|LF]"},
        {"a\r\nb\nc", "[a|CRLF][b|LF][c|]"},
        {"", ""},
        {"\n\r\n", "[|LF][|CRLF]"},
        {"a\rb\r\n", "[a\rb|CRLF]"},  // a lone CR is text
        {"x\r", "[x\r|]"},
        {"\r\r\n", "[\r|CRLF]"},
        {std::string("a\0b\xff\x80\r\n", 7), std::string("[a\0b\xff\x80|CRLF]", 12)},
        {"PatrolArea=AB1\r\n", "[PatrolArea=AB1|CRLF]"},
    };
    // Chunks of one or two bytes split a CRLF between two reads.
    for (const std::size_t chunk :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{1} << 20}) {
        for (const auto& c : cases) {
            EXPECT_EQ(Show(ReadAll(c.bytes, chunk)), c.lines) << "chunk " << chunk;
        }
    }
}

TEST(LineReader, ReadsLongLinesWhole) {
    const std::string longText = "Comment=" + std::string(200'000, 'x') + "PatrolArea=AB12";
    for (const std::size_t chunk : {std::size_t{999}, std::size_t{1} << 20}) {
        const auto lines = ReadAll(longText + "\r\nNext=1", chunk);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].text, longText);
        EXPECT_EQ(lines[0].end, "\r\n");
        EXPECT_EQ(lines[1].text, "Next=1");
        EXPECT_FALSE(lines[1].HasEnd());
    }
}

TEST(LineReader, ReportsAReadError) {
    MemoryInput input("a\r\nbroken", 4, /*failAtEnd=*/true);
    LineReader reader(input);
    Line line;
    ASSERT_TRUE(reader.Next(line));
    EXPECT_EQ(line.text, "a");
    EXPECT_FALSE(reader.Next(line));  // the unfinished line is not handed out
    EXPECT_TRUE(reader.Failed());
    EXPECT_FALSE(reader.Next(line));
}

TEST(LineWriter, PutGivesBackTheBytesRead) {
    for (const std::string& bytes :
         {std::string("[INIT]\r\nPatrols=2\r\n\r\n"), std::string("a\nb\r\nc"), std::string("x\r"),
          std::string("\xff\0\n", 3), std::string("")}) {
        MemoryOutput output;
        LineWriter writer(output);
        for (const Line& line : ReadAll(bytes, 5)) {
            writer.Put(line);
        }
        EXPECT_TRUE(writer.Finish());
        EXPECT_EQ(output.bytes, bytes);
    }
}

TEST(LineWriter, EditedLineKeepsItsEndOrTakesTheFilesEnd) {
    const Line lf{"a", "\n"};
    const Line crlf{"b", "\r\n"};
    const Line open{"c", ""};
    const struct {
        const char* what;
        std::vector<Line> before;
        Line edited;
        std::string last;
    } cases[] = {
        {"own end in a CRLF file", {crlf}, lf, "X\n"},
        {"own end in an LF file", {lf}, crlf, "X\r\n"},
        {"file's end, CRLF", {crlf, lf}, open, "X\r\n"},
        {"file's end is the first one met", {lf, crlf}, open, "X\n"},
        {"file's end after an open line", {open}, open, "X\n"},
        {"nothing to go by", {}, open, "X\n"},
    };
    for (const auto& c : cases) {
        MemoryOutput output;
        LineWriter writer(output);
        for (const Line& line : c.before) {
            writer.Put(line);
        }
        writer.PutEdited("X", c.edited);
        EXPECT_FALSE(writer.LastLineOpen()) << c.what;
        ASSERT_TRUE(writer.Finish());
        ASSERT_GE(output.bytes.size(), c.last.size());
        EXPECT_EQ(output.bytes.substr(output.bytes.size() - c.last.size()), c.last) << c.what;
    }
}

TEST(LineWriter, EditedFirstLineSetsTheFilesEnd) {
    MemoryOutput output;
    LineWriter writer(output);
    writer.PutEdited("Patrols=3", Line{"Patrols=2", "\r\n"});
    writer.PutNew("added");
    writer.PutEdited("last", Line{"old", ""});
    ASSERT_TRUE(writer.Finish());
    EXPECT_EQ(output.bytes, "Patrols=3\r\nadded\r\nlast\r\n");
}

TEST(LineWriter, NewAndRawText) {
    MemoryOutput output;
    LineWriter writer(output);
    EXPECT_EQ(writer.FileEnd(), "\n");
    writer.PutNew("first");
    writer.Put(Line{"b", "\r\n"});
    EXPECT_EQ(writer.FileEnd(), "\r\n");
    writer.PutNew("c");
    writer.Put(Line{"open", ""});
    EXPECT_TRUE(writer.LastLineOpen());
    writer.PutRaw("\r\nraw");
    ASSERT_TRUE(writer.Finish());
    EXPECT_EQ(output.bytes, "first\nb\r\nc\r\nopen\r\nraw");
}

TEST(LineWriter, FinishReportsAFailedWrite) {
    MemoryOutput output;
    output.failWrites = true;
    LineWriter writer(output);
    writer.Put(Line{std::string(100'000, 'x'), "\n"});
    writer.Put(Line{"y", "\n"});
    EXPECT_FALSE(writer.Finish());
    output.failWrites = false;
    writer.Put(Line{"z", "\n"});
    EXPECT_FALSE(writer.Finish());  // a lost write stays lost
}

}  // namespace
}  // namespace kp
