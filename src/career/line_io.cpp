#include "career/line_io.h"

#include <cstring>

namespace kp {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLf = "\n";
constexpr std::size_t kReadSize = 64 * 1024;
constexpr std::size_t kFlushSize = 64 * 1024;

}  // namespace

LineReader::LineReader(InputFile& file) : file_(file), buffer_(kReadSize) {}

void LineReader::Refill() {
    const std::size_t unread = size_ - pos_;
    if (pos_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + pos_, unread);
        pos_ = 0;
        size_ = unread;
    }
    if (size_ == buffer_.size()) {
        buffer_.resize(buffer_.size() * 2);  // a line longer than the buffer
    }
    const std::ptrdiff_t got = file_.Read(buffer_.data() + size_, buffer_.size() - size_);
    if (got < 0) {
        failed_ = true;
    } else if (got == 0) {
        eof_ = true;
    } else {
        size_ += static_cast<std::size_t>(got);
    }
}

bool LineReader::Next(LineView& line) {
    for (;;) {
        const char* begin = buffer_.data() + pos_;
        const std::size_t unread = size_ - pos_;
        const auto* nl =
            static_cast<const char*>(std::memchr(begin + searched_, '\n', unread - searched_));
        if (nl != nullptr) {
            std::size_t length = static_cast<std::size_t>(nl - begin);
            const bool crlf = length > 0 && begin[length - 1] == '\r';
            length -= crlf ? 1 : 0;
            line.text = std::string_view(begin, length);
            line.end = crlf ? kCrLf : kLf;
            pos_ = static_cast<std::size_t>(nl - buffer_.data()) + 1;
            searched_ = 0;
            return true;
        }
        searched_ = unread;
        if (failed_) {
            return false;
        }
        if (eof_) {
            if (unread == 0) {
                return false;
            }
            line.text = std::string_view(begin, unread);
            line.end = {};
            pos_ = size_;
            searched_ = 0;
            return true;
        }
        Refill();
    }
}

bool LineReader::NextRun(std::optional<char> first, std::string_view& run) {
    for (;;) {
        const char* begin = buffer_.data() + pos_;
        const char* stop = buffer_.data() + size_;
        if (first && begin != stop && *begin == *first) {
            return false;
        }
        // The run ends where a line begins with `first`, else at the last
        // whole line of the buffer.
        const char* end = nullptr;
        for (const char* p = begin; first && p != stop;) {
            const auto* hit = static_cast<const char*>(
                std::memchr(p, *first, static_cast<std::size_t>(stop - p)));
            if (hit == nullptr) {
                break;
            }
            if (hit != begin && hit[-1] == '\n') {
                end = hit;
                break;
            }
            p = hit + 1;
        }
        if (end == nullptr) {
            for (const char* p = stop; p != begin; --p) {
                if (p[-1] == '\n') {
                    end = p;
                    break;
                }
            }
        }
        if (end == nullptr && (eof_ || failed_)) {
            end = failed_ ? begin : stop;  // a last line without an end
        }
        if (end != nullptr) {
            if (end == begin) {
                return false;
            }
            run = std::string_view(begin, static_cast<std::size_t>(end - begin));
            pos_ += run.size();
            searched_ = 0;
            return true;
        }
        Refill();
    }
}

bool LineReader::Next(Line& line) {
    LineView view;
    if (!Next(view)) {
        return false;
    }
    line.text.assign(view.text);
    line.end = view.end;
    return true;
}

void LineWriter::NoteEnd(std::string_view end) {
    if (fileEnd_.empty() && !end.empty()) {
        fileEnd_ = end;
    }
}

void LineWriter::Append(std::string_view text, std::string_view end) {
    pending_.append(text).append(end);
    lastLineOpen_ = end.empty();
    if (pending_.size() >= kFlushSize) {
        Finish();
    }
}

void LineWriter::Put(const LineView& line) {
    NoteEnd(line.end);
    Append(line.text, line.end);
}

void LineWriter::PutEdited(std::string_view text, const LineView& original) {
    NoteEnd(original.end);
    Append(text, original.HasEnd() ? std::string_view(original.end) : FileEnd());
}

void LineWriter::PutRun(std::string_view run) {
    if (fileEnd_.empty()) {
        if (const auto nl = run.find('\n'); nl != std::string_view::npos) {
            NoteEnd(nl > 0 && run[nl - 1] == '\r' ? kCrLf : kLf);
        }
    }
    pending_.append(run);
    lastLineOpen_ = !run.empty() && run.back() != '\n';
    if (pending_.size() >= kFlushSize) {
        Finish();
    }
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
