#include "document/SourceLignes.h"

#include "document/Texte.h"

namespace tarvo {

SourceLignes::SourceLignes(std::string texte) : texte_(std::move(texte)) {
    lignes_ = DecoupeLignes(texte_);
}

} // namespace tarvo
