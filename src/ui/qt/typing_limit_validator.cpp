#include "ui/qt/typing_limit_validator.h"

#include <QLineEdit>
#include <algorithm>

namespace kp {
namespace {

qsizetype CharacterCount(const QString& text) {
    return std::count_if(text.cbegin(), text.cend(), [](QChar c) { return !c.isLowSurrogate(); });
}

}  // namespace

TypingLimitValidator::TypingLimitValidator(QLineEdit& field) : QValidator(&field) {
    field.setValidator(this);
    connect(&field, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
}

QValidator::State TypingLimitValidator::validate(QString& input, int&) const {
    const qsizetype length = CharacterCount(input);
    const bool fits = limit_ < 0 || length <= limit_;
    const bool shortens = length < CharacterCount(shown_);
    return fits || shortens || input == shown_ ? Acceptable : Invalid;
}

}  // namespace kp
