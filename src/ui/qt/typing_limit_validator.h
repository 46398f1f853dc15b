// The grid field's typing limit as the platform's edit control keeps it: the
// user cannot make the text longer than the limit, but text the program sets
// is shown whole, and the user may still shorten it. (A QLineEdit length
// limit would cut the program's text.)
#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace kp {

class TypingLimitValidator final : public QValidator {
  public:
    // Installs itself on `field` and follows the text it shows.
    explicit TypingLimitValidator(QLineEdit& field);

    // Characters, a character beyond the 16-bit range counting once; -1 for none.
    void SetLimit(int characters) { limit_ = characters; }
    // Call before the program sets `text`: it passes whatever its length.
    void AcceptProgramText(const QString& text) { shown_ = text; }

    State validate(QString& input, int& position) const override;

  private:
    int limit_ = -1;
    QString shown_;
};

}  // namespace kp
