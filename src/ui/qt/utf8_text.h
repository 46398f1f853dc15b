// The core keeps its text in UTF-8; every string crossing into Qt or back
// goes through these two, so names beyond ASCII survive the round trip.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace kp {

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToUtf8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Text the program gave a widget: what the widget shows, and the bytes it was
// given. Bytes that are no UTF-8 cannot be shown as they are, yet they name
// files and fill fields, so they come back whole while the user leaves them.
struct ProgramText {
    QString shown;
    std::string bytes;

    static ProgramText Of(std::string_view bytes) { return {ToQString(bytes), std::string(bytes)}; }

    // The bytes given while `now` is still what was shown, else `now` in UTF-8.
    std::string Back(const QString& now) const { return now == shown ? bytes : ToUtf8(now); }
};

}  // namespace kp
