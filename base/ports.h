#pragma once
// What the calculation chain needs of the windows and the platform.
#include <string>

#include "base/variable.h"

namespace fluvan::base {

enum class MeldungsStil { Kritisch = 16, Frage = 32, Ausruf = 48 };

// A modal box with one OK button, always titled "Fluvan II".
class Meldungen {
public:
    virtual ~Meldungen() = default;
    virtual void MsgBox(const std::string& prompt, MeldungsStil stil) = 0;
};

// The user's regional settings.
class Regionaleinstellungen {
public:
    virtual ~Regionaleinstellungen() = default;
    virtual std::string Dezimaltrennzeichen() const = 0;
};

enum class Flanschart { DIN, ANSI, EigeneLaenge };

// The input fields of the main form.
class Hauptformular {
public:
    virtual ~Hauptformular() = default;
    virtual std::string txtVolumen() const = 0;
    virtual std::string txtDichte() const = 0;
    virtual std::string txtVisco() const = 0;
    virtual std::string txtLaenge() const = 0;
    virtual void setzeTxtLaenge(const std::string& text) = 0;
    // Option1 DIN, Option2 ANSI, Option3 own length.
    virtual Flanschart gewaehlteFlanschart() const = 0;
};

// Shows the result sheet Bild1 of the language for a complete calculation.
// The display keeps its own copy of the state it is handed: the sheet and the
// diagram show that, never a run that stopped early.
class Ergebnisanzeige {
public:
    virtual ~Ergebnisanzeige() = default;
    virtual void zeigeBild1(const Variable& ergebnis) = 0;
};

}  // namespace fluvan::base
