#pragma once
// A caption that wraps at blanks only, as the platform's labels do. Qt's word
// wrap also ends a line after "-" or "/", which cuts units such as
// "USGallon/Sekunde" and TAG numbers in two. Here a word wider than the box
// stays whole on its line and is clipped at the box. The text stays as set;
// font, alignment, colours and margins are those of any QLabel.
#include <QLabel>

namespace fluvan::platform {

class Umbruchlabel : public QLabel {
    Q_OBJECT
public:
    explicit Umbruchlabel(QWidget* eltern = nullptr);

    int heightForWidth(int breite) const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    // Where the text goes: the contents less margin and indent.
    QRect textfeld() const;
    int textflags() const;
};

}  // namespace fluvan::platform
