// The core keeps its text in UTF-8; every string crossing into Qt or back
// goes through these two, so names beyond ASCII survive the round trip.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

#include "ui/program_text.h"

namespace kp {

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToUtf8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

using ProgramText = BasicProgramText<QString, ToQString, ToUtf8>;

}  // namespace kp
