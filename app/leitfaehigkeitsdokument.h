#pragma once
// Where the conductivity window reads its document: one fixed place beside the
// program, the install's data folder seen from the program's (../share/fluvan2/
// by default), the same in the build tree and under every install prefix. It
// looks nowhere else.
#include <filesystem>

namespace fluvan::app {

std::filesystem::path leitfaehigkeitsdokument();

}  // namespace fluvan::app
