// Reading and writing the simulation's text files line by line. Readers see a
// line without its end, and learn which end it had ("\r\n", "\n" or none), so
// that a writer can put every line back with the bytes it came with.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_ops.h"

namespace kp {

// A line as it lies in the reader's buffer, valid until the next read.
struct LineView {
    std::string_view text;  // without the line end
    std::string_view end;   // "\r\n", "\n", or empty for a last line without one

    bool HasEnd() const { return !end.empty(); }
};

// A line that owns its text.
struct Line {
    std::string text;
    std::string_view end;

    bool HasEnd() const { return !end.empty(); }
    operator LineView() const { return {text, end}; }  // NOLINT: a Line is a LineView that lasts
};

class LineReader {
  public:
    explicit LineReader(InputFile& file);
    // False at the end of the file or after a read error (see Failed()).
    bool Next(LineView& line);
    bool Next(Line& line);
    // The whole lines from here up to the next line that begins with
    // `first` (with no `first`, up to the end of the file), as one run of
    // bytes, valid until the next read. False when the next line begins
    // with `first`, at the end of the file, or after a read error.
    bool NextRun(std::optional<char> first, std::string_view& run);
    bool Failed() const { return failed_; }

  private:
    // Moves the unread bytes to the front and reads more behind them.
    void Refill();

    InputFile& file_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;       // start of the unread bytes
    std::size_t size_ = 0;      // end of the bytes read
    std::size_t searched_ = 0;  // bytes from pos_ known to hold no line end
    bool eof_ = false;
    bool failed_ = false;
};

class LineWriter {
  public:
    explicit LineWriter(OutputFile& file) : file_(file) {}
    ~LineWriter() = default;
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    // Writes the line as it came.
    void Put(const LineView& line);
    // Writes new text for a line; it keeps its own end, or takes the file's
    // where it had none.
    void PutEdited(std::string_view text, const LineView& original);
    void PutRaw(std::string_view bytes);
    // Writes whole lines as they came, in one run of bytes.
    void PutRun(std::string_view run);
    // Writes a line of new text with the file's line end.
    void PutNew(std::string_view text);
    // True when the last line written had no line end.
    bool LastLineOpen() const { return lastLineOpen_; }
    // The end that new or end-less lines get: that of the first line written
    // with one, "\n" before any.
    std::string_view FileEnd() const {
        return fileEnd_.empty() ? std::string_view("\n") : std::string_view(fileEnd_);
    }
    // Writes out what is buffered; false when any write so far failed.
    bool Finish();

  private:
    void NoteEnd(std::string_view end);
    void Append(std::string_view text, std::string_view end);

    OutputFile& file_;
    std::string pending_;
    std::string fileEnd_;
    bool failed_ = false;
    bool lastLineOpen_ = false;
};

}  // namespace kp
