#pragma once
// The message box and the regional settings of the platform, on Qt.
#include "base/ports.h"

namespace fluvan::platform {

// A modal box titled "Fluvan II" with one OK button and the icon of its style,
// over the window that asked for it (platform/modaldialoge.h); it stays until
// the user answers it.
class QtMeldungen : public base::Meldungen {
public:
    void MsgBox(const std::string& prompt, base::MeldungsStil stil) override;
};

// The decimal separator of the user's locale.
class QtRegionaleinstellungen : public base::Regionaleinstellungen {
public:
    std::string Dezimaltrennzeichen() const override;
};

}  // namespace fluvan::platform
