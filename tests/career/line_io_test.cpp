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
        largestAsk = std::max(largestAsk, size);
        const std::size_t n = std::min({size, chunk_, bytes_.size() - pos_});
        if (n == 0 && failAtEnd_) {
            return -1;
        }
        std::copy_n(bytes_.data() + pos_, n, buffer);
        pos_ += n;
        return static_cast<std::ptrdiff_t>(n);
    }

    std::size_t largestAsk = 0;

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
        largestWrite = std::max(largestWrite, size);
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
    std::size_t largestWrite = 0;
    bool failWrites = false;
};

// A line read, kept beyond the next read.
struct Line {
    std::string text;
    std::string end;
    bool cut = false;
};

std::vector<Line> ReadAll(const std::string& bytes, std::size_t chunk) {
    MemoryInput input(bytes, chunk);
    LineReader reader(input);
    std::vector<Line> lines;
    LineView line;
    while (reader.Next(line)) {
        lines.push_back({std::string(line.text), std::string(line.end), line.cut});
    }
    EXPECT_FALSE(reader.Failed());
    return lines;
}

// Copies `bytes` line by line through `writer`, as a writer that edits nothing does.
void PutAll(LineWriter& writer, const std::string& bytes, std::size_t chunk = 5) {
    MemoryInput input(bytes, chunk);
    LineReader reader(input);
    LineView line;
    while (reader.Next(line)) {
        writer.Put(line, reader);
    }
    EXPECT_FALSE(reader.Failed());
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

TEST(LineReader, ReadsLongLinesAsOneLineAndHoldsTheirHead) {
    const std::string longText = "Comment=" + std::string(200'000, 'x') + "PatrolArea=AB12";
    for (const std::size_t chunk : {std::size_t{999}, std::size_t{1} << 20}) {
        const auto lines = ReadAll(longText + "\r\nNext=1", chunk);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].text, longText.substr(0, kLineHead));
        EXPECT_TRUE(lines[0].cut);
        EXPECT_EQ(lines[1].text, "Next=1");
        EXPECT_TRUE(lines[1].end.empty());
        EXPECT_FALSE(lines[1].cut);
    }
}

TEST(LineReader, StreamsALongLineThroughAWriterByteForByte) {
    // Carriage returns and headers inside the line, one at a read's edge.
    std::string longText = "Log=" + std::string(3 * kLineHead, 'x') + "\r[PATROL 009]\r";
    longText += std::string(150'000, 'y') + "\r\rz";
    for (const std::string_view end : {"\r\n", "\n", ""}) {
        const std::string bytes = "A=1\r\n" + longText + "\nB=2\r\n" + longText + std::string(end);
        for (const std::size_t chunk : {std::size_t{1}, std::size_t{4099}, std::size_t{1} << 20}) {
            MemoryInput input(bytes, chunk);
            MemoryOutput output;
            LineReader reader(input);
            LineWriter writer(output);
            LineView line;
            std::vector<std::string> ends;
            while (reader.Next(line)) {
                writer.Put(line, reader);
                ends.emplace_back(line.end);
            }
            EXPECT_FALSE(reader.Failed());
            ASSERT_TRUE(writer.Finish());
            EXPECT_TRUE(output.bytes == bytes) << "end " << end.size() << " chunk " << chunk;
            EXPECT_EQ(ends, (std::vector<std::string>{"\r\n", "\n", "\r\n", std::string(end)}));
            // Neither side grows a buffer to the line's length.
            EXPECT_LE(input.largestAsk, 64u * 1024);
            EXPECT_LE(output.largestWrite, 2u * 64 * 1024);
        }
    }
}

TEST(LineReader, ReportsAReadError) {
    MemoryInput input("a\r\nbroken", 4, /*failAtEnd=*/true);
    LineReader reader(input);
    LineView line;
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
        PutAll(writer, bytes);
        EXPECT_TRUE(writer.Finish());
        EXPECT_EQ(output.bytes, bytes);
    }
}

TEST(LineWriter, EditedLineKeepsItsEndOrTakesTheFilesEnd) {
    const LineView lf{"a", "\n"};
    const LineView crlf{"b", "\r\n"};
    const LineView open{"c", ""};
    const struct {
        const char* what;
        std::string before;
        LineView edited;
        std::string last;
    } cases[] = {
        {"own end in a CRLF file", "b\r\n", lf, "X\n"},
        {"own end in an LF file", "a\n", crlf, "X\r\n"},
        {"file's end, CRLF", "b\r\na\n", open, "X\r\n"},
        {"file's end is the first one met", "a\nb\r\n", open, "X\n"},
        {"file's end after an open line", "c", open, "X\n"},
        {"nothing to go by", "", open, "X\n"},
    };
    for (const auto& c : cases) {
        MemoryOutput output;
        LineWriter writer(output);
        PutAll(writer, c.before);
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
    writer.PutEdited("Patrols=3", LineView{"Patrols=2", "\r\n"});
    writer.PutNew("added");
    writer.PutEdited("last", LineView{"old", ""});
    ASSERT_TRUE(writer.Finish());
    EXPECT_EQ(output.bytes, "Patrols=3\r\nadded\r\nlast\r\n");
}

TEST(LineWriter, NewAndRawText) {
    MemoryOutput output;
    LineWriter writer(output);
    EXPECT_EQ(writer.FileEnd(), "\n");
    writer.PutNew("first");
    PutAll(writer, "b\r\n");
    EXPECT_EQ(writer.FileEnd(), "\r\n");
    writer.PutNew("c");
    PutAll(writer, "open");
    EXPECT_TRUE(writer.LastLineOpen());
    writer.PutRaw("\r\nraw");
    ASSERT_TRUE(writer.Finish());
    EXPECT_EQ(output.bytes, "first\nb\r\nc\r\nopen\r\nraw");
}

TEST(LineWriter, FinishReportsAFailedWrite) {
    MemoryOutput output;
    output.failWrites = true;
    LineWriter writer(output);
    PutAll(writer, std::string(100'000, 'x') + "\ny\n");
    EXPECT_FALSE(writer.Finish());
    output.failWrites = false;
    PutAll(writer, "z\n");
    EXPECT_FALSE(writer.Finish());  // a lost write stays lost
}

}  // namespace
}  // namespace kp
