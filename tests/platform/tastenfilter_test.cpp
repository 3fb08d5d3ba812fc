#include "platform/tastenfilter.h"

#include <gtest/gtest.h>
#include <QKeyEvent>

namespace fluvan::platform {
namespace {

TEST(KeyAscii, ZeichenUndSteuercodes) {
    struct Fall {
        int taste;
        Qt::KeyboardModifiers mod;
        const char* text;
        std::optional<int> code;
    };
    for (const Fall& fall :
         {Fall{Qt::Key_5, Qt::NoModifier, "5", '5'}, Fall{Qt::Key_Comma, Qt::NoModifier, ",", ','},
          Fall{Qt::Key_V, Qt::ControlModifier, "", 22}, Fall{Qt::Key_V, Qt::ControlModifier, "\x16", 22},
          Fall{Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, "", 1},
          Fall{Qt::Key_Return, Qt::NoModifier, "\r", 13}, Fall{Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},
          Fall{Qt::Key_Escape, Qt::NoModifier, "\x1b", 27}, Fall{Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
          Fall{Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt},
          Fall{Qt::Key_Tab, Qt::NoModifier, "\t", std::nullopt}, Fall{Qt::Key_Left, Qt::NoModifier, "", std::nullopt},
          Fall{Qt::Key_Home, Qt::NoModifier, "", std::nullopt}}) {
        const QKeyEvent taste(QEvent::KeyPress, fall.taste, fall.mod, QString::fromLatin1(fall.text));
        EXPECT_EQ(KeyAscii(taste), fall.code) << fall.taste;
    }
}

}  // namespace
}  // namespace fluvan::platform
