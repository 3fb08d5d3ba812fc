#pragma once
// The message box and the regional settings of the platform, on Qt.
#include "engine/ports.h"

namespace fluvan::plattform {

// A modal box titled "Fluvan II" with one OK button and the icon of its style.
class QtMeldungen : public Meldungen {
public:
    void MsgBox(const std::string& prompt, MeldungsStil stil) override;
};

// The decimal separator of the user's locale.
class QtRegionaleinstellungen : public Regionaleinstellungen {
public:
    std::string Dezimaltrennzeichen() const override;
};

}  // namespace fluvan::plattform
