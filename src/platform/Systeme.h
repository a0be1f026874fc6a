#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// Settings and facts of the desktop system.
class Systeme {
public:
    virtual ~Systeme() = default;
    // Today as a day count, day 0 being 30 December 1899.
    virtual double Aujourdhui() = 0;
    // The user's configuration folder, ending with a separator; the settings file lives there.
    virtual std::string RepertoireConfiguration() = 0;
    // The folder of the executable, ending with a separator.
    virtual std::string RepertoireExecutable() = 0;
    // The system's decimal separator.
    virtual char SeparateurDecimal() = 0;
    // A day count as the system's short date.
    virtual std::string DateCourte(double jour) = 0;
    virtual int LargeurEcran() = 0;
    virtual int HauteurEcran() = 0;
    // A text of the interface in the user's language: French, the program's own, is the
    // text itself. `contexte` groups the texts of one part of the program in the catalogue.
    virtual std::string Traduit(std::string_view contexte, std::string_view texte) {
        static_cast<void>(contexte);
        return std::string(texte);
    }
    // The language of those texts: "fr" or "en" (the help has a folder for each but French).
    virtual std::string CodeLangue() { return "fr"; }
};

} // namespace tarvo
