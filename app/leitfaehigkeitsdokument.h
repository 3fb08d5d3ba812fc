#pragma once
// Where the conductivity window reads its document: one absolute path, fixed
// when the program is built (the source tree's copy for a build, the installed
// copy for the installed program). It looks nowhere else.
namespace fluvan::app {

extern const char* const Leitfaehigkeitsdokument;

}  // namespace fluvan::app
