#pragma once

#include "app/Langue.h"

#include <QTranslator>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QCoreApplication;

namespace tarvo {

// The English catalogues built into the program (one per part of it), or none for French,
// the program's own language: a text without a translation stays French.
class Traducteur {
  public:
    explicit Traducteur(Langue langue);
    Langue Choisie() const { return langue_; }
    std::string Traduit(std::string_view contexte, std::string_view texte) const;
    // The same catalogues for the tr() of the widgets; the translator must outlive it.
    void Installe(QCoreApplication& application) const;

  private:
    Langue langue_;
    std::vector<std::unique_ptr<QTranslator>> catalogues_;
};

} // namespace tarvo
