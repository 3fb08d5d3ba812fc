#pragma once
// What the start screen and the info screen share: a borderless window with
// the background picture, a framing outline, the product name and the four
// subtitles. Each screen gives its own positions.
#include <QLabel>
#include <QWidget>

#include "platform/rechteck.h"
#include "platform/twips.h"

namespace fluvan::app {

struct Startbildlage {
    platform::Twips Shape1, Label4, Label7, Label1, Label5, Label3, Label6;
};

class Startbild : public QWidget {
public:
    QLabel* Image1;
    platform::Rechteck* Shape1;
    QLabel* Label4;
    QLabel* Label7;
    QLabel* Label1;
    QLabel* Label5;
    QLabel* Label3;
    QLabel* Label6;

protected:
    explicit Startbild(const Startbildlage& lage);
};

}  // namespace fluvan::app
