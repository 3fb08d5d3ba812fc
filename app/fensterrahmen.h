#pragma once
// Building a window from its layout table: the frame, the fonts, the menus and
// the focus order, the same way in every window. A window whose frame is
// larger than the screen's work area takes the area's size when it is shown,
// and its inside scrolls.
#include <QAction>
#include <QFont>
#include <QMainWindow>
#include <QMenu>
#include <span>
#include <string_view>

#include "app/fensterlage.h"

namespace fluvan::app {

// Name, caption and border of a window that holds its controls itself, at its
// inside size; centred now when the frame says so, as its size stays.
void richteFensterEin(QWidget* fenster, const char* name, std::string_view titel, const Rahmen& rahmen);

// The same for a window with a menu bar; returns the inside area, painted in
// the given colour, for the controls.
QWidget* richteMenuefensterEin(QMainWindow* fenster, const char* name, std::string_view titel, const Rahmen& rahmen,
                               const QColor& flaeche);

// Once controls and menus stand: the window takes its size with the menu bar,
// a fixed frame keeps it there, and it is centred when the frame says so.
void schliesseRahmenAb(QMainWindow* fenster, const Rahmen& rahmen);

QFont schrift(const Schriftwahl& wahl);

// A menu in the menu bar, or a submenu of a menu; an entry in either.
QMenu* menue(QMainWindow* fenster, const char* name, std::string_view caption);
QMenu* menue(QMenu* obermenue, const char* name, std::string_view caption);
QAction* eintrag(QWidget* menue, std::string_view name, std::string_view caption);

// Chains the window's controls of the given names in their order and gives
// the first the focus.
void setzeFokusfolge(QWidget* fenster, std::span<const std::string_view> namen);

}  // namespace fluvan::app
