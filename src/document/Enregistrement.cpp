#include "document/Enregistrement.h"

#include "document/Document.h"
#include "document/Ecrivain.h"
#include "platform/Services.h"

namespace tarvo {

namespace {

std::string SansBlancsFinaux(std::string nom) {
    while (!nom.empty() && nom.back() == ' ') nom.pop_back();
    return nom;
}

// The backup of a destination; never the document file itself.
std::string NomSecours(const std::string& destination, const std::string& source) {
    const std::string nom = RemplaceExtension(destination, "bak");
    if (nom == source || nom == destination) return destination + ".bak";
    return nom;
}

void SignaleEchec(Services& services, const std::string& nom) {
    Systeme& s = services.systeme;
    services.dialogues.Avertissement(
        s.Traduit("Programme", TitreEnregistrement),
        Remplace(s.Traduit("Programme", "Le fichier %1 n'a pas pu être enregistré."), {nom}));
}

// Puts the temporary file in the destination's place, the destination's previous content
// becoming the backup. On failure the destination is left (or put back) as it was and the
// temporary file is removed.
bool Remplace(Services& services, const std::string& temporaire, const std::string& destination,
              const std::string& secours) {
    Fichiers& f = services.fichiers;
    const bool existante = f.Existe(destination);
    if (existante) {
        if ((f.Existe(secours) && !f.Supprime(secours)) || !f.Renomme(destination, secours)) {
            f.Supprime(temporaire);
            return false;
        }
    }
    if (!f.Renomme(temporaire, destination)) {
        if (existante) f.Renomme(secours, destination);
        f.Supprime(temporaire);
        return false;
    }
    return true;
}

void Reussit(Document& doc, Services& services, Historique& historique) {
    doc.Modifie = false;
    doc.ModifieBulletin = false;
    doc.NomPropose = doc.NomFichier;
    doc.EnregistrementReussi = true;
    MajHistorique(historique, doc, services.fenetre);
}

} // namespace

std::string ForceExtension(std::string_view nom) {
    if (nom.size() > 3) {
        const std::string_view fin = nom.substr(nom.size() - 4);
        if (fin == ".bdc" || fin == ".bak" || fin == ".tmp") nom.remove_suffix(4);
    }
    return std::string(nom) + ".bdc";
}

std::string NomCourt(std::string_view chemin) {
    const auto barre = chemin.find_last_of("/\\");
    return std::string(barre == std::string_view::npos ? chemin : chemin.substr(barre + 1));
}

void EnregistreDocument(Document& doc, Services& services, Historique& historique) {
    doc.EnregistrementReussi = false;
    doc.NomFichier = SansBlancsFinaux(doc.NomFichier);
    const std::string secours = NomSecours(doc.NomFichier, doc.NomFichier);
    if (!EcritDocument(doc, doc.NomFichier, services.fichiers, services.dialogues,
                       services.systeme))
        return;
    if (!Remplace(services, NomTemporaire(doc.NomFichier, doc.NomFichier), doc.NomFichier,
                  secours)) {
        SignaleEchec(services, doc.NomFichier);
        return;
    }
    Reussit(doc, services, historique);
}

void EnregistreSous(Document& doc, Services& services, Historique& historique) {
    Systeme& s = services.systeme;
    const DialogueFichier dialogue{s.Traduit("Programme", TitreEnregistrerSous), "bdc",
                                   s.Traduit("Programme", FiltreDocuments)};
    for (;;) {
        std::string propose = doc.NomPropose.size() > 4
                                  ? doc.NomPropose.substr(0, doc.NomPropose.size() - 4)
                                  : std::string();
        while (!propose.empty() && propose.back() == '.') propose.pop_back();
        const auto choisi = services.dialogues.ChoisitFichierAEnregistrer(dialogue, propose);
        doc.EnregistrementReussi = choisi.has_value();
        if (!choisi || choisi->empty()) {
            doc.EnregistrementReussi = false;
            return;
        }
        const std::string destination = ForceExtension(*choisi);
        Reponse reponse = Reponse::Oui;
        if (services.fichiers.Existe(destination))
            reponse = services.dialogues.Confirmation(
                s.Traduit("Programme", "Ce fichier existe déjà, voulez-vous l'écraser?"), true,
                Reponse::Annuler);
        if (reponse == Reponse::Non) continue;
        if (reponse == Reponse::Annuler) {
            doc.EnregistrementReussi = false;
            return;
        }
        doc.EnregistrementReussi = false;
        if (!EcritDocument(doc, destination, services.fichiers, services.dialogues,
                           services.systeme))
            return;
        if (!Remplace(services, NomTemporaire(destination, doc.NomFichier), destination,
                      NomSecours(destination, doc.NomFichier))) {
            SignaleEchec(services, destination);
            return;
        }
        doc.NomFichier = destination;
        Reussit(doc, services, historique);
        services.fenetre.FixeTitre("Tarvo - " + NomCourt(doc.NomFichier));
        return;
    }
}

} // namespace tarvo
