#include "career/line_io.h"

#include <algorithm>
#include <cstring>

namespace kp {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kLf = "\n";
constexpr std::size_t kReadSize = 64 * 1024;
constexpr std::size_t kFlushSize = 64 * 1024;
// The longest line handed out whole: a head's worth of text and "\r\n".
constexpr std::size_t kWholeLine = kLineHead + 2;
static_assert(kWholeLine < kReadSize, "a whole line must fit the buffer");

}  // namespace

LineReader::LineReader(InputFile& file) : file_(file), buffer_(kReadSize) {}

bool LineReader::Refill() {
    const std::size_t unread = size_ - pos_;
    if (pos_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + pos_, unread);
        pos_ = 0;
        size_ = unread;
    }
    if (size_ == buffer_.size()) {
        return false;
    }
    const std::ptrdiff_t got = file_.Read(buffer_.data() + size_, buffer_.size() - size_);
    if (got < 0) {
        failed_ = true;
    } else if (got == 0) {
        eof_ = true;
    } else {
        size_ += static_cast<std::size_t>(got);
    }
    return true;
}

bool LineReader::Next(LineView& line) {
    if (!LeaveRest()) {
        return false;
    }
    for (;;) {
        const char* begin = buffer_.data() + pos_;
        const std::size_t unread = size_ - pos_;
        const std::size_t span = std::min(unread, kWholeLine);
        const auto* nl =
            static_cast<const char*>(std::memchr(begin + searched_, '\n', span - searched_));
        if (nl != nullptr) {
            std::size_t length = static_cast<std::size_t>(nl - begin);
            const bool crlf = length > 0 && begin[length - 1] == '\r';
            length -= crlf ? 1 : 0;
            line = {std::string_view(begin, length), crlf ? kCrLf : kLf};
            pos_ = static_cast<std::size_t>(nl - buffer_.data()) + 1;
            searched_ = 0;
            return true;
        }
        searched_ = span;
        if (unread >= kWholeLine) {
            // The head is copied out so that the rest can stream through the buffer.
            head_.assign(begin, kLineHead);
            line = {head_, {}, true};
            pos_ += kLineHead;
            searched_ = 0;
            inRest_ = true;
            return true;
        }
        if (failed_) {
            return false;
        }
        if (eof_) {
            if (unread == 0) {
                return false;
            }
            line = {std::string_view(begin, unread), {}};
            pos_ = size_;
            searched_ = 0;
            return true;
        }
        Refill();
    }
}

bool LineReader::NextPiece(LineView& line, std::string_view& piece) {
    while (inRest_ && !failed_) {
        const char* begin = buffer_.data() + pos_;
        const std::size_t unread = size_ - pos_;
        const auto* nl = static_cast<const char*>(std::memchr(begin, '\n', unread));
        if (nl != nullptr || eof_) {
            std::size_t length = nl != nullptr ? static_cast<std::size_t>(nl - begin) : unread;
            const bool crlf = nl != nullptr && length > 0 && begin[length - 1] == '\r';
            piece = std::string_view(begin, length - (crlf ? 1 : 0));
            line.end = nl == nullptr ? std::string_view() : crlf ? kCrLf : kLf;
            line.cut = false;
            pos_ += length + (nl != nullptr ? 1 : 0);
            inRest_ = false;
            return true;
        }
        // A carriage return at the end waits: it may begin the line's "\r\n".
        const std::size_t ready = unread - (unread > 0 && begin[unread - 1] == '\r' ? 1 : 0);
        if (ready > 0) {
            piece = std::string_view(begin, ready);
            pos_ += ready;
            return true;
        }
        Refill();
    }
    return false;
}

void LineReader::SkipRest(LineView& line) {
    std::string_view piece;
    while (NextPiece(line, piece)) {
    }
}

bool LineReader::LeaveRest() {
    LineView skipped;
    SkipRest(skipped);
    return !inRest_;
}

bool LineReader::NextRun(std::optional<char> first, std::string_view& run) {
    if (!LeaveRest()) {
        return false;
    }
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
        if (!Refill()) {
            return false;  // one line fills the buffer: it goes by Next() and its pieces
        }
    }
}

void LineWriter::NoteEnd(std::string_view end) {
    if (fileEnd_.empty() && !end.empty()) {
        fileEnd_ = end == kCrLf ? kCrLf : kLf;
    }
}

void LineWriter::FlushWhenFull() {
    if (pending_.size() >= kFlushSize) {
        Finish();
    }
}

void LineWriter::Append(std::string_view text, std::string_view end) {
    pending_.append(text).append(end);
    lastLineOpen_ = end.empty();
    FlushWhenFull();
}

void LineWriter::Put(LineView& line, LineReader& reader) {
    pending_.append(line.text);
    for (std::string_view piece; reader.NextPiece(line, piece);) {
        pending_.append(piece);
        FlushWhenFull();
    }
    NoteEnd(line.end);
    Append({}, line.end);
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
    FlushWhenFull();
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
