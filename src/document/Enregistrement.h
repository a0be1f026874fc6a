#pragma once

#include "document/Historique.h"
#include "platform/Traduction.h"

#include <string>
#include <string_view>

namespace tarvo {

struct Document;
struct Services;

// Texts of the save dialogs (translated where shown).
inline constexpr const char* TitreEnregistrerSous =
    TARVO_NOOP("Programme", "Tarvo - Enregistrer sous");
inline constexpr const char* TitreEnregistrement =
    TARVO_NOOP("Programme", "Tarvo - Enregistrement");
inline constexpr const char* FiltreDocuments =
    TARVO_NOOP("Programme", "Bulletin de contrôle *.bdc|*.bdc|Tous fichiers *.*|*.*");

// Removes a final ".bdc", ".bak" or ".tmp" (case-sensitive), then appends ".bdc".
std::string ForceExtension(std::string_view nom);

// The file name after the last folder separator (the whole path when it has none).
std::string NomCourt(std::string_view chemin);

// Save: writes the document under `NomFichier`, keeping the previous file as its backup
// (".bak"). The document file is replaced only once the new one is complete on the disk;
// after any failure it is left as it was, `Modifie` stays set and `EnregistrementReussi` is
// false.
void EnregistreDocument(Document& doc, Services& services, Historique& historique);

// Save As: asks for a name (and whether to overwrite an existing file), then saves under
// it. Result in `EnregistrementReussi`.
void EnregistreSous(Document& doc, Services& services, Historique& historique);

} // namespace tarvo
