#pragma once
// What the start screen and the info screen share: a borderless window with
// the background picture, a framing outline, the product name and the four
// subtitles. Each screen gives its own positions.
#include <QLabel>
#include <QWidget>

#include "app/startbild_lage.h"
#include "platform/rechteck.h"

namespace fluvan::app {

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
    Startbild(const char* name, const startbild::Lage& lage);
};

}  // namespace fluvan::app
