#pragma once
// The program's icon: every window's, and the application's for its boxes
// and dialogs. The same drawing is installed for the desktop's menu under the
// program's id.
#include <QIcon>

namespace fluvan::app {

// The desktop entry, the AppStream metadata and the icon are named by it.
inline constexpr char Programmkennung[] = "org.fluvan.fluvan2";

QIcon programmsymbol();

}  // namespace fluvan::app
