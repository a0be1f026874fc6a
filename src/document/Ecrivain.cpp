#include "document/Ecrivain.h"

#include "document/Commentaire.h"
#include "document/Conversions.h"
#include "document/DialoguesMuets.h"
#include "document/Document.h"
#include "document/Lecteur.h"
#include "document/Signature.h"
#include "document/SourceLignes.h"
#include "document/Texte.h"
#include "platform/Dialogues.h"
#include "platform/Fichiers.h"
#include "platform/Systeme.h"

#include <cmath>
#include <memory>

namespace tarvo {

namespace {

class Ecriture {
public:
  Ecriture(Document& doc, Fichiers& fichiers, Dialogues& dialogues, Systeme& systeme)
      : doc_(doc), fichiers_(fichiers), dialogues_(dialogues), systeme_(systeme) {}

  // The whole new file, or nothing after an error (already shown).
  std::optional<std::string> Produit();

private:
    void Ecrit(std::string_view ligne) {
        sortie_ += ligne;
        sortie_ += "\r\n";
    }
    void EcritNombre(double valeur) { Ecrit(TexteFichierRelisible(valeur)); }
    void EcritCommentaire(const std::string& commentaire) {
        const auto lignes = LignesCommentaire(commentaire);
        if (lignes.size() == 1 && "\"" + lignes[0] + "\"" == Separateur) {
            // Quoted on one line it would be the separator: its closing quote goes on a
            // line of its own, which reads back as the same text.
            Ecrit("\"" + lignes[0]);
            Ecrit("\"");
            Ecrit(Separateur);
            return;
        }
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            const std::string debut = i == 0 ? "\"" : "";
            const std::string fin = i + 1 == lignes.size() ? "\"" : "";
            Ecrit(debut + lignes[i] + fin);
        }
        Ecrit(Separateur);
    }
    // A warning whose title and text are in the user's language.
    void Avertit(std::string_view titre, const std::string& texte) {
        dialogues_.Avertissement(systeme_.Traduit("Programme", titre), texte);
    }
    void SignaleErreurLecture() {
        Avertit(TitreLecture, systeme_.Traduit("Programme", "Erreur de lecture d'un fichier"));
    }
    void EcritCaracteristiques();
    void EcritSerie(const Document& serie, bool lectures);
    void EcritLecturesDe(const Document& serie);

    // Reading a source line: at the end of the source, or after a rejected number in the
    // document's own read, nothing is read and the line keeps its previous content.
    void LitSource() {
        if (source_->Fin() || doc_.NombreIncorrect) {
            erreurLecture_ = true;
            return;
        }
        ligne_ = source_->Suivante();
    }
    void Saute() { LitSource(); }
    void Copie() {
        LitSource();
        Ecrit(ligne_);
    }
    void CopieCommentaire();
    bool CopieSerie(bool version1, bool trou);
    void SignaleZonesDifferentes(std::int32_t zonesSource);
    std::optional<std::string> RecopiePredecesseur();

    Document& doc_;
    Fichiers& fichiers_;
    Dialogues& dialogues_;
    Systeme& systeme_;
    std::unique_ptr<SourceLignes> source_;
    std::string sortie_;
    // A view into the source's text, which outlives the copy.
    std::string_view ligne_;
    bool erreurLecture_ = false;
};

void Ecriture::EcritCaracteristiques() {
    Ecrit(SignatureActuelle);
    Ecrit("\"" + doc_.Intitule + "\"");
    EcritNombre(doc_.Diametre);
    EcritNombre(doc_.Focale);
    EcritNombre(doc_.Epaisseur);
    EcritNombre(doc_.CoefDeformation);
    EcritNombre(doc_.TrouCentral);
    EcritNombre(doc_.NombreZones);
    for (int i = 1; i <= ZonesUtilisees(doc_); ++i) EcritNombre(doc_.Zones[i][RayonExterieur]);
}

void Ecriture::EcritLecturesDe(const Document& serie) {
    const int n = ZonesUtilisees(serie);
    for (int k = 1; k <= 2; ++k)
        for (int j = 1; j <= LignesMesure; ++j)
            for (int i = 0; i <= n; ++i) EcritNombre(serie.Lectures[i][j][k]);
}

// A date line that rounds to 0 is the end-of-list mark of the reader: the series would
// vanish, with every one after it. Such a date (30 December 1899, no real series date) is
// written as the next day.
bool DateFinDeListe(double date) { return std::nearbyint(date) == 0; }

void Ecriture::EcritSerie(const Document& serie, bool lectures) {
    EcritNombre(DateFinDeListe(serie.DateSerie) ? 1.0 : serie.DateSerie);
    EcritNombre(serie.DiametreSerie);
    EcritNombre(serie.FocaleSerie);
    EcritNombre(serie.TrouCentralSerie);
    if (lectures) EcritLecturesDe(serie);
    EcritCommentaire(serie.Commentaire);
}

// An older comment is taken as the reader takes it and written anew: damaged shapes that
// the reader accepts come out in the form it reads back the same way.
void Ecriture::CopieCommentaire() {
    const std::string texte = LitCommentaire(
        {[this] { LitSource(); }, &ligne_, [this] { return !source_->Fin() && !doc_.NombreIncorrect; }});
    EcritCommentaire(texte);
}

// The older series were read with another zone count than the mirror's: copying them with
// the new count would garble them.
void Ecriture::SignaleZonesDifferentes(std::int32_t zonesSource) {
    Avertit(TitreFichierTemporaire,
            Remplace(systeme_.Traduit("Programme",
                                      "Le nombre de zones du fichier (%1) n'est plus celui du "
                                      "miroir (%2) : les séries précédentes ne peuvent pas être "
                                      "recopiées. Le fichier n'a pas été enregistré."),
                     {std::to_string(zonesSource), std::to_string(doc_.NombreZones)}));
}

// Copies the next series of the source; false when the source ended before it.
bool Ecriture::CopieSerie(bool version1, bool trou) {
    LitSource();
    if (const auto date = ConvertitNombre(SansGuillemets(ligne_)); date && DateFinDeListe(*date))
        EcritNombre(1);
    else
        Ecrit(ligne_);
    if (version1) {
        EcritNombre(doc_.DiametreSerie);
        EcritNombre(doc_.FocaleSerie);
        EcritNombre(doc_.TrouCentralSerie);
    } else {
        Copie();
        Copie();
        if (trou)
            Copie();
        else
            EcritNombre(doc_.TrouCentralSerie);
    }
    const int n = ZonesUtilisees(doc_);
    for (int k = 1; k <= 2; ++k)
        for (int j = 1; j <= LignesMesure; ++j)
            for (int i = 0; i <= n; ++i) Copie();
    if (version1) {
        Ecrit("\"\"");
        Ecrit(Separateur);
    } else {
        CopieCommentaire();
    }
    return !erreurLecture_;
}

// A predecessor file holds one series, in its own layout: when a new series follows it, the
// old one is read back and written in the current layout before it, so that it is not lost.
std::optional<std::string> Ecriture::RecopiePredecesseur() {
    Document ancienne;
    InitialiseDocument(ancienne, 0);
    ancienne.NomFichier = doc_.NomFichier;
    DialoguesMuets muets;
    LireDocument(ancienne, fichiers_, muets);
    if (!ancienne.FichierOuvert || ancienne.NombreIncorrect || ancienne.EntierIncorrect ||
        doc_.NombreSeries != 2) {
        SignaleErreurLecture();
        return std::nullopt;
    }
    if (ancienne.NombreZones != doc_.NombreZones) {
        SignaleZonesDifferentes(ancienne.NombreZones);
        return std::nullopt;
    }
    ancienne.Commentaire.clear();
    EcritCaracteristiques();
    EcritSerie(ancienne, true);
    EcritSerie(doc_, true);
    return sortie_;
}

std::optional<std::string> Ecriture::Produit() {
    std::optional<std::string> contenu;
    if (fichiers_.Existe(doc_.NomFichier)) {
        contenu = fichiers_.Lit(doc_.NomFichier);
        if (!contenu) {
            SignaleErreurLecture();
            return std::nullopt;
        }
    }
    VersionFichier version = VersionFichier::Aucune;
    if (contenu) {
        source_ = std::make_unique<SourceLignes>(DecodeTexteFichier(*contenu));
        // A first line that cannot be read (empty source, or a number rejected when the
        // document was read) leaves `LigneEntete` as the document's read set it.
        LitSource();
        if (!erreurLecture_) doc_.LigneEntete = SansGuillemets(ligne_);
        erreurLecture_ = false;
        version = VersionDeSignature(doc_.LigneEntete);
    }

    if (version == VersionFichier::Inconnue) {
        doc_.FichierOuvert = false;
        Avertit(TitreOuverture, systeme_.Traduit("Programme", "Mauvais fichier"));
        return std::nullopt;
    }
    if (version == VersionFichier::Predecesseur && doc_.NombreSeries >= 2)
        return RecopiePredecesseur();
    if (version != VersionFichier::Version1 && version != VersionFichier::Version2) {
        // No source, an empty one, or one the reader found nothing in: the document is the
        // model alone.
        EcritCaracteristiques();
        EcritSerie(doc_, true);
        return sortie_;
    }

    const bool version1 = version == VersionFichier::Version1;
    const bool trou = AvecTrouCentral(doc_.LigneEntete);
    Ecrit(SignatureActuelle);
    Saute();
    Ecrit("\"" + doc_.Intitule + "\"");
    for (const double v : {doc_.Diametre, doc_.Focale, doc_.Epaisseur, doc_.CoefDeformation}) {
        Saute();
        EcritNombre(v);
    }
    if (trou) Saute();
    EcritNombre(doc_.TrouCentral);
    Saute();
    Document controle;
    const std::int32_t zonesSource = Entier(FormeAffichable(ligne_), controle);
    if (!erreurLecture_ && zonesSource != doc_.NombreZones && doc_.NombreSeries > 1) {
        SignaleZonesDifferentes(zonesSource);
        return std::nullopt;
    }
    EcritNombre(doc_.NombreZones);
    for (int i = 1; i <= ZonesUtilisees(doc_); ++i) {
        Saute();
        EcritNombre(doc_.Zones[i][RayonExterieur]);
    }

    // While an older series is browsed, the series in memory is already in the file: every
    // series is copied, so that the last one is never replaced by an older one.
    const bool consultation = doc_.SerieCourante >= 1 && doc_.SerieCourante < doc_.NombreSeries;
    for (int s = 1; s <= doc_.NombreSeries; ++s) {
        if (s == doc_.NombreSeries && !consultation) {
            EcritSerie(doc_, true);
        } else {
            CopieSerie(version1, trou);
        }
    }
    if (erreurLecture_) {
        SignaleErreurLecture();
        return std::nullopt;
    }
    return sortie_;
}

} // namespace

std::string RemplaceExtension(const std::string& nom, std::string_view extension) {
    const auto point = nom.size() >= 4 ? nom.size() - 4 : std::string::npos;
    if (point != std::string::npos && nom[point] == '.' &&
        nom.find_first_of("/\\", point) == std::string::npos)
        return nom.substr(0, point + 1) + std::string(extension);
    return nom + "." + std::string(extension);
}

std::string NomTemporaire(const std::string& destination, const std::string& source) {
    const std::string nom = RemplaceExtension(destination, "tmp");
    if (nom == source || nom == destination) return destination + ".tmp";
    return nom;
}

bool EcritDocument(Document& doc, const std::string& destination, Fichiers& fichiers,
                   Dialogues& dialogues, Systeme& systeme) {
    Ecriture ecriture(doc, fichiers, dialogues, systeme);
    const auto contenu = ecriture.Produit();
    if (!contenu) return false;
    const std::string temporaire = NomTemporaire(destination, doc.NomFichier);
    if (!fichiers.Ecrit(temporaire, EncodeTexteFichier(*contenu))) {
        fichiers.Supprime(temporaire);
        dialogues.Avertissement(systeme.Traduit("Programme", TitreFichierTemporaire),
                                systeme.Traduit("Programme", "Erreur fichier"));
        return false;
    }
    return true;
}

} // namespace tarvo
