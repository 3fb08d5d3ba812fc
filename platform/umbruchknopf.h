#pragma once
// A command button whose caption wraps at blanks when it is wider than the
// button, as the platform's buttons do; "&" marks the access key as usual.
#include <QPushButton>

namespace fluvan::platform {

class Umbruchknopf : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
};

}  // namespace fluvan::platform
