#include "career/line_io.h"

#include <algorithm>

namespace kp {
namespace {

constexpr std::size_t kReadSize = 64 * 1024;
constexpr std::size_t kFlushSize = 64 * 1024;

}  // namespace

LineReader::LineReader(InputFile& file) : file_(file), buffer_(kReadSize) {}

bool LineReader::Fill() {
    if (eof_ || failed_) {
        return false;
    }
    const std::ptrdiff_t got = file_.Read(buffer_.data(), buffer_.size());
    if (got < 0) {
        failed_ = true;
        return false;
    }
    if (got == 0) {
        eof_ = true;
        return false;
    }
    pos_ = 0;
    size_ = static_cast<std::size_t>(got);
    return true;
}

bool LineReader::Next(Line& line) {
    line.text.clear();
    line.end.clear();
    bool any = false;
    for (;;) {
        if (pos_ == size_ && !Fill()) {
            break;
        }
        const char* begin = buffer_.data() + pos_;
        const char* stop = buffer_.data() + size_;
        const char* nl = std::find(begin, stop, '\n');
        line.text.append(begin, nl);
        any = true;
        if (nl != stop) {
            pos_ = static_cast<std::size_t>(nl - buffer_.data()) + 1;
            if (!line.text.empty() && line.text.back() == '\r') {
                line.text.pop_back();
                line.end = "\r\n";
            } else {
                line.end = "\n";
            }
            return true;
        }
        pos_ = size_;
    }
    if (failed_) {
        return false;
    }
    return any && !line.text.empty();
}

void LineWriter::NoteEnd(const std::string& end) {
    if (fileEnd_.empty() && !end.empty()) {
        fileEnd_ = end;
    }
}

void LineWriter::Append(std::string_view text, std::string_view end) {
    pending_ += text;
    pending_ += end;
    lastLineOpen_ = end.empty();
    if (pending_.size() >= kFlushSize) {
        Finish();
    }
}

void LineWriter::Put(const Line& line) {
    NoteEnd(line.end);
    Append(line.text, line.end);
}

void LineWriter::PutEdited(std::string_view text, const Line& original) {
    NoteEnd(original.end);
    Append(text, original.HasEnd() ? std::string_view(original.end) : FileEnd());
}

void LineWriter::PutRaw(std::string_view bytes) {
    pending_ += bytes;
    lastLineOpen_ = false;
}

void LineWriter::PutNew(std::string_view text) {
    Append(text, FileEnd());
}

bool LineWriter::Finish() {
    if (!failed_ && !pending_.empty() && !file_.Write(pending_.data(), pending_.size())) {
        failed_ = true;
    }
    pending_.clear();
    return !failed_;
}

}  // namespace kp
