// Reading and writing the simulation's text files line by line. Readers see a
// line without its end, and learn which end it had ("\r\n", "\n" or none), so
// that a writer can put every line back with the bytes it came with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_ops.h"

namespace kp {

struct Line {
    std::string text;  // without the line end
    std::string end;   // "\r\n", "\n", or empty for a last line without one

    bool HasEnd() const { return !end.empty(); }
};

class LineReader {
  public:
    explicit LineReader(InputFile& file);
    // False at the end of the file or after a read error (see Failed()).
    bool Next(Line& line);
    bool Failed() const { return failed_; }

  private:
    bool Fill();

    InputFile& file_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t size_ = 0;
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
    void Put(const Line& line);
    // Writes new text for a line; it keeps its own end, or takes the file's
    // where it had none.
    void PutEdited(std::string_view text, const Line& original);
    void PutRaw(std::string_view bytes);
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
    void NoteEnd(const std::string& end);
    void Append(std::string_view text, std::string_view end);

    OutputFile& file_;
    std::string pending_;
    std::string fileEnd_;
    bool failed_ = false;
    bool lastLineOpen_ = false;
};

}  // namespace kp
