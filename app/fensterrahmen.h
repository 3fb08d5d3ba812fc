#pragma once
// The frame of the result sheet and the diagram: a window of fixed inside
// size with a menu bar, and the menus built from named entries.
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <string_view>

namespace fluvan::app {

// Caption, a close box but no minimise or maximise box, no resizing; returns
// the inside area of the given size in twips, in the colour of control faces.
QWidget* richteFensterEin(QMainWindow* fenster, const char* name, std::string_view titel, bool festerDialog,
                          int innenBreite, int innenHoehe);

// Fixes the window at its size once the menu bar stands.
void fixiereGroesse(QMainWindow* fenster);

QMenu* menue(QMainWindow* fenster, const char* name, std::string_view caption);
QAction* eintrag(QWidget* menue, const char* name, std::string_view caption);

}  // namespace fluvan::app
