#include "platform/tastenfilter.h"

#include <gtest/gtest.h>
#include <QKeyEvent>

namespace fluvan::platform {
namespace {

TEST(KeyAscii, ZeichenUndSteuercodes) {
    struct Fall {
        const char* name;
        int taste;
        Qt::KeyboardModifiers mod;
        const char* text;
        std::optional<int> code;
    };
    // clang-format off
    const Fall faelle[] = {
        {"Ziffer",                 Qt::Key_5,         Qt::NoModifier,                          "5",    '5'},
        {"Komma",                  Qt::Key_Comma,     Qt::NoModifier,                          ",",    ','},
        {"Strg+V ohne Text",       Qt::Key_V,         Qt::ControlModifier,                     "",     22},
        {"Strg+V mit Zeichen 22",  Qt::Key_V,         Qt::ControlModifier,                     "\x16", 22},
        {"Strg+Umschalt+A",        Qt::Key_A,         Qt::ControlModifier | Qt::ShiftModifier, "",     1},
        {"Eingabetaste",           Qt::Key_Return,    Qt::NoModifier,                          "\r",   13},
        {"Enter des Ziffernblocks", Qt::Key_Enter,     Qt::KeypadModifier,                      "\r",   13},
        {"Escape",                 Qt::Key_Escape,    Qt::NoModifier,                          "\x1b", 27},
        {"Rueckschritt",           Qt::Key_Backspace, Qt::NoModifier,                          "\b",   8},
        {"Entfernen",              Qt::Key_Delete,    Qt::NoModifier,                          "\x7f", std::nullopt},
        {"Tabulator",              Qt::Key_Tab,       Qt::NoModifier,                          "\t",   std::nullopt},
        {"Pfeil links",            Qt::Key_Left,      Qt::NoModifier,                          "",     std::nullopt},
        {"Pos1",                   Qt::Key_Home,      Qt::NoModifier,                          "",     std::nullopt},
    };
    // clang-format on
    for (const Fall& fall : faelle) {
        const QKeyEvent taste(QEvent::KeyPress, fall.taste, fall.mod, QString::fromLatin1(fall.text));
        EXPECT_EQ(KeyAscii(taste), fall.code) << fall.name;
    }
}

}  // namespace
}  // namespace fluvan::platform
