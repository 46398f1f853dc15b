// Reading and writing the simulation's text files line by line. Readers see a
// line without its end, and learn which end it had ("\r\n", "\n" or none), so
// that a writer can put every line back with the bytes it came with. A line of
// any length passes through in pieces; only its head is ever held.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_ops.h"

namespace kp {

// What is held of a line's start. Nothing the program reads lies further in:
// the longest key has 24 bytes, a header's number starts at the ninth byte, a
// grid is cut to 4 characters, and the numbers the files hold have a few
// digits (an integer saturates after 11 in any case). 4 KiB leaves room for
// whatever blanks and zeros a hand-edited file puts before a value, and keeps
// the memory of a pass flat.
inline constexpr std::size_t kLineHead = 4096;

// A line as it lies in the reader's buffer, valid until the next read.
struct LineView {
    std::string_view text;  // without the line end; of a cut line, its head
    std::string_view end;   // "\r\n", "\n", or empty: no end, or a cut line's rest not yet read
    bool cut = false;       // longer than kLineHead: its rest is still to be read

    bool HasEnd() const { return !end.empty(); }
};

class LineReader {
  public:
    explicit LineReader(InputFile& file);
    // The next line, the unread rest of a cut line before it skipped. False
    // at the end of the file or after a read error (see Failed()).
    bool Next(LineView& line);
    // The next piece of a cut line's rest, valid until the next read; after
    // the last piece the line is whole and has its end. False when nothing of
    // the line is left, or after a read error.
    bool NextPiece(LineView& line, std::string_view& piece);
    // Reads past a cut line's rest, to learn its end.
    void SkipRest(LineView& line);
    // The whole lines from here up to the next line that begins with
    // `first` (with no `first`, up to the end of the file), as one run of
    // bytes, valid until the next read. False when the next line begins
    // with `first` or is too long for the buffer, at the end of the file, or
    // after a read error.
    bool NextRun(std::optional<char> first, std::string_view& run);
    bool Failed() const { return failed_; }

  private:
    // Moves the unread bytes to the front and reads more behind them; false
    // when the buffer is full of unread bytes.
    bool Refill();
    // Skips what is left of a cut line; false when a read error stopped it
    // halfway, so that no piece of it is taken for a line.
    bool LeaveRest();

    InputFile& file_;
    std::vector<char> buffer_;
    std::string head_;          // a cut line's head, kept while its rest goes through the buffer
    std::size_t pos_ = 0;       // start of the unread bytes
    std::size_t size_ = 0;      // end of the bytes read
    std::size_t searched_ = 0;  // bytes from pos_ known to hold no line end
    bool inRest_ = false;       // the unread bytes continue a cut line
    bool eof_ = false;
    bool failed_ = false;
};

class LineWriter {
  public:
    explicit LineWriter(OutputFile& file) : file_(file) {}
    ~LineWriter() = default;
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    // Writes the line as it came; the rest of a cut line is read through from `reader`.
    void Put(LineView& line, LineReader& reader);
    // Writes new text for a line whose end is known (a cut line's rest
    // skipped); it keeps its own end, or takes the file's where it had none.
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
        return fileEnd_.empty() ? std::string_view("\n") : fileEnd_;
    }
    // Writes out what is buffered; false when any write so far failed.
    bool Finish();

  private:
    void NoteEnd(std::string_view end);
    void Append(std::string_view text, std::string_view end);
    void FlushWhenFull();

    OutputFile& file_;
    std::string pending_;
    // The first line end met, one of the two constant ends: nothing to copy.
    std::string_view fileEnd_;
    bool failed_ = false;
    bool lastLineOpen_ = false;
};

}  // namespace kp
