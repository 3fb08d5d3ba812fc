#pragma once
// Where the conductivity window reads its document: one fixed place beside the
// program, share/fluvan2/ next to the folder the program lies in, the same in
// the build tree and under every install prefix. It looks nowhere else.
#include <filesystem>

namespace fluvan::app {

std::filesystem::path leitfaehigkeitsdokument();

}  // namespace fluvan::app
