#pragma once
// Text that reaches a box without typing (a paste from the clipboard or the
// selection, a drop) goes through the box's key-press handler as well, one
// character at a time, so the box holds only what typing could have given.
// A drop that carries files is refused: a path's digits are no number.
#include <QValidator>

#include "platform/tastenfilter.h"

class QLineEdit;

namespace fluvan::platform {

class Einfuegefilter : public QValidator {
public:
    // Installs itself as the box's validator.
    Einfuegefilter(QLineEdit* box, Tastenfilter::Behandlung behandlung);

    State validate(QString& text, int& position) const override;

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

private:
    QLineEdit* box;
    Tastenfilter::Behandlung behandlung;
};

}  // namespace fluvan::platform
