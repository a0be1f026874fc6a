#include "MutationVerification.h"

#include "cli/DialoguesEnregistres.h"
#include "document/Document.h"
#include "document/Enregistrement.h"
#include "document/IndexSeries.h"
#include "document/Lecteur.h"
#include "platform/Services.h"
#include "support/FenetreFactice.h"
#include "support/FichiersMemoire.h"
#include "support/SystemeFixe.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace tarvo::test {

namespace {

constexpr double Aujourdhui = 46365;

// Collects the first broken rule, with the step where it broke.
class Regles {
public:
    void Etape(std::string etape) { etape_ = std::move(etape); }
    void Exige(bool tenue, const std::string& regle) {
        if (!tenue && erreur_.empty()) erreur_ = etape_ + " : " + regle;
    }
    bool Brisee() const { return !erreur_.empty(); }
    const std::string& Erreur() const { return erreur_; }

private:
    std::string etape_;
    std::string erreur_;
};

std::string Texte(double v) {
    char tampon[40];
    std::snprintf(tampon, sizeof tampon, "%.17g", v);
    return tampon;
}

// Values are written with 15 significant digits: a value read with more digits comes back
// rounded to them.
bool Proches(double a, double b) {
    if (a == b) return true;
    const double ecart = std::fabs(a - b);
    return ecart <= 1e-14 * std::max(std::fabs(a), std::fabs(b)) || ecart < 1e-300;
}

// Name of a value of a table, for a message: "Lectures[2][5][1]".
std::string Nom(const char* table, std::size_t a, std::size_t b, std::size_t c = SIZE_MAX) {
    std::string nom = std::string(table) + "[" + std::to_string(a) + "][" + std::to_string(b) + "]";
    if (c != SIZE_MAX) nom += "[" + std::to_string(c) + "]";
    return nom;
}

void ExigeFini(Regles& r, double v, const std::string& nom) {
    if (!std::isfinite(v)) r.Exige(false, nom + " n'est pas fini (" + Texte(v) + ")");
}

void VerifieModele(Regles& r, const Document& d) {
    r.Exige(d.NombreZones >= 0 && d.NombreZones <= ZonesMax,
            "NombreZones hors de 0..10 (" + std::to_string(d.NombreZones) + ")");
    r.Exige(d.SerieCourante >= 0, "SerieCourante négatif (" + std::to_string(d.SerieCourante) + ")");
    r.Exige(d.DiametresValides <= 3, "DiametresValides > 3");
    ExigeFini(r, d.Diametre, "Diametre");
    ExigeFini(r, d.Focale, "Focale");
    ExigeFini(r, d.Epaisseur, "Epaisseur");
    ExigeFini(r, d.CoefDeformation, "CoefDeformation");
    ExigeFini(r, d.TrouCentral, "TrouCentral");
    ExigeFini(r, d.DateSerie, "DateSerie");
    ExigeFini(r, d.DiametreSerie, "DiametreSerie");
    ExigeFini(r, d.FocaleSerie, "FocaleSerie");
    ExigeFini(r, d.TrouCentralSerie, "TrouCentralSerie");
    ExigeFini(r, d.RayonCourbure, "RayonCourbure");
    // The tables are looked into value by value only when one of them is not finite.
    bool fini = true;
    for (const auto& ligne : d.Zones)
        for (const double v : ligne) fini = fini && std::isfinite(v);
    for (const auto& zone : d.Lectures)
        for (const auto& ligne : zone)
            for (const double v : ligne) fini = fini && std::isfinite(v);
    if (fini) return;
    for (std::size_t i = 0; i < d.Zones.size(); ++i)
        for (std::size_t c = 0; c < d.Zones[i].size(); ++c)
            ExigeFini(r, d.Zones[i][c], Nom("Zones", i, c));
    for (std::size_t i = 0; i < d.Lectures.size(); ++i)
        for (std::size_t j = 0; j < d.Lectures[i].size(); ++j)
            for (std::size_t k = 0; k < d.Lectures[i][j].size(); ++k)
                ExigeFini(r, d.Lectures[i][j][k], Nom("Lectures", i, j, k));
}

// A read that went through without anything to tell the user.
bool LectureNette(const Document& d, const DialoguesEnregistres& dialogues) {
    return d.FichierOuvert && !d.NombreIncorrect && !d.EntierIncorrect && dialogues.Messages.empty();
}

std::string PremierMessage(const DialoguesEnregistres& dialogues) {
    return dialogues.Messages.empty() ? std::string() : dialogues.Messages.front().Texte;
}

void CompareValeur(Regles& r, double attendu, double lu, const std::string& nom) {
    if (!Proches(attendu, lu)) r.Exige(false, nom + " : " + Texte(attendu) + " devenu " + Texte(lu));
}

void CompareCaracteristiques(Regles& r, const Document& a, const Document& b) {
    r.Exige(a.Intitule == b.Intitule, "Intitule : [" + a.Intitule + "] devenu [" + b.Intitule + "]");
    CompareValeur(r, a.Diametre, b.Diametre, "Diametre");
    CompareValeur(r, a.Focale, b.Focale, "Focale");
    CompareValeur(r, a.Epaisseur, b.Epaisseur, "Epaisseur");
    CompareValeur(r, a.CoefDeformation, b.CoefDeformation, "CoefDeformation");
    CompareValeur(r, a.TrouCentral, b.TrouCentral, "TrouCentral");
    r.Exige(a.NombreZones == b.NombreZones, "NombreZones : " + std::to_string(a.NombreZones) +
                                                " devenu " + std::to_string(b.NombreZones));
    for (int i = 1; i <= ZonesUtilisees(a); ++i)
        if (!Proches(a.Zones[i][RayonExterieur], b.Zones[i][RayonExterieur]))
            CompareValeur(r, a.Zones[i][RayonExterieur], b.Zones[i][RayonExterieur],
                          "rayon de la zone " + std::to_string(i));
}

// The series in memory of `a` against that of `b`, read back from a saved file.
void CompareSerie(Regles& r, const Document& a, const Document& b) {
    // A date that rounds to 0 would read as the end of the series list: it is saved as 1.
    CompareValeur(r, std::nearbyint(a.DateSerie) == 0 ? 1.0 : a.DateSerie, b.DateSerie,
                  "DateSerie");
    CompareValeur(r, a.DiametreSerie, b.DiametreSerie, "DiametreSerie");
    CompareValeur(r, a.FocaleSerie, b.FocaleSerie, "FocaleSerie");
    // The series hole is only taken when the mirror's hole is above 1 mm.
    CompareValeur(r, b.TrouCentral > 1 ? a.TrouCentralSerie : 0, b.TrouCentralSerie,
                  "TrouCentralSerie");
    for (int k = 1; k <= 2; ++k)
        for (int j = 1; j <= LignesMesure; ++j)
            for (int i = 0; i <= ZonesUtilisees(a); ++i)
                if (!Proches(a.Lectures[i][j][k], b.Lectures[i][j][k]))
                    CompareValeur(r, a.Lectures[i][j][k], b.Lectures[i][j][k],
                                  Nom("Lectures", static_cast<std::size_t>(i),
                                      static_cast<std::size_t>(j), static_cast<std::size_t>(k)));
}

// Opens `nom` as the Open command does.
void Ouvre(Document& d, DialoguesEnregistres& dialogues, Fichiers& fichiers, const std::string& nom,
           IndexSeries* index = nullptr) {
    InitialiseDocument(d, Aujourdhui);
    d.NomFichier = nom;
    d.NomPropose = nom;
    d.SerieDemandee = -1;
    LireDocument(d, fichiers, dialogues, nullptr, index);
    d.NombreSeries = d.SerieCourante;
}

// The first value in which two documents differ, bit for bit; empty when none does.
std::string Difference(const Document& a, const Document& b) {
    const auto meme = [](const auto& x, const auto& y) {
        return std::memcmp(&x, &y, sizeof x) == 0;
    };
    const std::pair<bool, const char*> champs[] = {
        {a.Intitule == b.Intitule, "Intitule"},
        {meme(a.Diametre, b.Diametre), "Diametre"},
        {meme(a.Focale, b.Focale), "Focale"},
        {meme(a.Epaisseur, b.Epaisseur), "Epaisseur"},
        {meme(a.CoefDeformation, b.CoefDeformation), "CoefDeformation"},
        {meme(a.TrouCentral, b.TrouCentral), "TrouCentral"},
        {a.NombreZones == b.NombreZones, "NombreZones"},
        {meme(a.Zones, b.Zones), "Zones"},
        {meme(a.DateSerie, b.DateSerie), "DateSerie"},
        {meme(a.DiametreSerie, b.DiametreSerie), "DiametreSerie"},
        {meme(a.FocaleSerie, b.FocaleSerie), "FocaleSerie"},
        {meme(a.TrouCentralSerie, b.TrouCentralSerie), "TrouCentralSerie"},
        {meme(a.Lectures, b.Lectures), "Lectures"},
        {a.Commentaire == b.Commentaire, "Commentaire"},
        {a.Note == b.Note, "Note"},
        {a.DiametresValides == b.DiametresValides, "DiametresValides"},
        {meme(a.RayonCourbure, b.RayonCourbure), "RayonCourbure"},
        {a.SerieCourante == b.SerieCourante, "SerieCourante"},
        {a.NombreSeries == b.NombreSeries, "NombreSeries"},
        {a.Modifie == b.Modifie && a.ModifieBulletin == b.ModifieBulletin, "Modifie"},
        {a.LigneEntete == b.LigneEntete, "LigneEntete"},
        {a.FichierOuvert == b.FichierOuvert, "FichierOuvert"},
        {a.EntierIncorrect == b.EntierIncorrect, "EntierIncorrect"},
        {a.NombreIncorrect == b.NombreIncorrect, "NombreIncorrect"},
        {a.MotifErreur == b.MotifErreur, "MotifErreur"},
    };
    for (const auto& [egal, nom] : champs)
        if (!egal) return nom;
    return "";
}

bool MemesMessages(const DialoguesEnregistres& a, const DialoguesEnregistres& b) {
    if (a.Messages.size() != b.Messages.size() || a.Bips != b.Bips) return false;
    for (std::size_t i = 0; i < a.Messages.size(); ++i)
        if (a.Messages[i].Titre != b.Messages[i].Titre ||
            a.Messages[i].Texte != b.Messages[i].Texte)
            return false;
    return true;
}

// The read of series `demandee` into `vue` (which the read from the start gave) made again
// through `index`: the same document to the bit, the same messages.
void CompareLectureIndexee(Regles& r, const Document& depart, const Document& vue,
                           const DialoguesEnregistres& dialoguesVue, FichiersMemoire& fichiers,
                           IndexSeries index, const char* quel) {
    Document indexee = depart;
    DialoguesEnregistres dialogues;
    LireDocument(indexee, fichiers, dialogues, nullptr, &index);
    const std::string difference = Difference(vue, indexee);
    r.Exige(difference.empty(), std::string("lue par ") + quel + ", " + difference + " diffère");
    r.Exige(MemesMessages(dialoguesVue, dialogues),
            std::string("lue par ") + quel + ", les messages diffèrent");
}

// Save As `doc` under `nom` (a new name), then opens the result. The saved file must open
// without a read error; when the document itself had opened cleanly (`nette`), it must
// also hold the same series, the same characteristics and, last, the series of `attendu`.
void EnregistreEtRelit(Regles& r, Document doc, FichiersMemoire& fichiers, const std::string& nom,
                       const Document& attendu, bool nette) {
    DialoguesEnregistres dialogues;
    SystemeFixe systeme;
    FenetreFactice fenetre;
    Services services{fichiers, dialogues, systeme, fenetre};
    Historique historique;
    const std::string source = fichiers.Contenus["m.bdc"];
    dialogues.FichiersChoisis.push_back(nom);
    EnregistreSous(doc, services, historique);

    r.Exige(fichiers.Contenus["m.bdc"] == source, "le document d'origine a changé");
    for (const auto& [fichier, contenu] : fichiers.Contenus)
        r.Exige(fichier.size() < 4 || fichier.substr(fichier.size() - 4) != ".tmp",
                "un fichier temporaire reste : " + fichier);
    if (!doc.EnregistrementReussi) {
        r.Exige(fichiers.Contenus.count(nom + ".bdc") == 0, "un échec a laissé " + nom + ".bdc");
        return;
    }
    r.Exige(dialogues.Messages.empty(), "un enregistrement réussi a affiché « " +
                                            PremierMessage(dialogues) + " »");

    Document relu;
    DialoguesEnregistres dialoguesRelus;
    Ouvre(relu, dialoguesRelus, fichiers, nom + ".bdc");
    VerifieModele(r, relu);
    r.Exige(relu.FichierOuvert && !relu.NombreIncorrect && dialoguesRelus.Messages.empty(),
            "le fichier enregistré se relit avec une erreur (« " + PremierMessage(dialoguesRelus) +
                " »)");
    if (!nette || r.Brisee()) return;
    r.Exige(!relu.EntierIncorrect, "le fichier enregistré a un entier refusé");
    // A file that held no complete series (header only, or nothing the reader recognised)
    // is saved with the series in memory or with none.
    const int series = doc.NombreSeries;
    r.Exige(relu.SerieCourante == series || (series == 0 && relu.SerieCourante == 1),
            "le fichier enregistré a " + std::to_string(relu.SerieCourante) +
                " séries au lieu de " + std::to_string(series));
    if (r.Brisee()) return;
    CompareCaracteristiques(r, doc, relu);
    if (relu.SerieCourante >= 1) CompareSerie(r, attendu, relu);
}

// Hands the files out on every way out of the verification.
struct Copie {
    std::map<std::string, std::string>* destination;
    FichiersMemoire& fichiers;
    ~Copie() {
        if (destination != nullptr) *destination = fichiers.Contenus;
    }
};

} // namespace

std::string VerifieDocument(std::string_view octets, Etendue etendue,
                            std::map<std::string, std::string>* copie, std::string_view avant) {
    Regles r;
    FichiersMemoire fichiers;
    const Copie garde{copie, fichiers};
    // The index of a program that opened the file as it was before, and browsed it all.
    IndexSeries ancien;
    if (!avant.empty()) {
        fichiers.Contenus["m.bdc"] = std::string(avant);
        Document d;
        DialoguesEnregistres muets;
        Ouvre(d, muets, fichiers, "m.bdc", &ancien);
        PlaceToutesLesSeries(ancien);
    }
    fichiers.Contenus["m.bdc"] = std::string(octets);

    r.Etape("ouverture");
    Document doc;
    DialoguesEnregistres dialogues;
    Ouvre(doc, dialogues, fichiers, "m.bdc");
    IndexSeries index;
    {
        Document indexe;
        DialoguesEnregistres dialoguesIndexe;
        Ouvre(indexe, dialoguesIndexe, fichiers, "m.bdc", &index);
        const std::string difference = Difference(doc, indexe);
        r.Exige(difference.empty(), "ouvert par l'index, " + difference + " diffère");
        if (!avant.empty()) {
            Document change;
            DialoguesEnregistres dialoguesChange;
            IndexSeries copieAncien = ancien;
            Ouvre(change, dialoguesChange, fichiers, "m.bdc", &copieAncien);
            const std::string d = Difference(doc, change);
            r.Exige(d.empty(), "ouvert par l'index d'avant le changement, " + d + " diffère");
        }
    }
    VerifieModele(r, doc);
    r.Exige(doc.SerieCourante <= doc.NombreSeries, "SerieCourante au-delà de NombreSeries");
    const bool ouvert = doc.FichierOuvert && !doc.EntierIncorrect;
    const bool nette = LectureNette(doc, dialogues);
    if (r.Brisee()) return r.Erreur();

    // The series arrows read the same file again, without a reset, up to another series
    // (past the last, as after a cancelled new series).
    const int n = doc.NombreSeries;
    const std::vector<int> demandees = etendue == Etendue::Complete
                                           ? std::vector<int>{0, 1, 2, n - 1, n, n + 1, INT_MAX, -1}
                                           : std::vector<int>{1, 2, n, n + 1};
    for (const int demandee : demandees) {
        r.Etape("consultation de la série " + std::to_string(demandee));
        Document vue = doc;
        DialoguesEnregistres dialoguesVue;
        vue.SerieDemandee = demandee;
        Document depart = vue;
        LireDocument(vue, fichiers, dialoguesVue);
        CompareLectureIndexee(r, depart, vue, dialoguesVue, fichiers, index, "l'index");
        if (!avant.empty())
            CompareLectureIndexee(r, depart, vue, dialoguesVue, fichiers, ancien,
                                  "l'index d'avant le changement");
        VerifieModele(r, vue);
        r.Exige(vue.SerieCourante <= n, "plus de séries qu'à l'ouverture (" +
                                            std::to_string(vue.SerieCourante) + " > " +
                                            std::to_string(n) + ")");
        if (nette && demandee >= 1 && demandee <= n) {
            r.Exige(vue.SerieCourante == demandee,
                    "arrêt à la série " + std::to_string(vue.SerieCourante));
            CompareCaracteristiques(r, doc, vue);
        }
        if (r.Brisee()) return r.Erreur();
    }
    // The program does not save a document whose open failed.
    if (!ouvert) return r.Erreur();

    r.Etape("enregistrement sous un autre nom");
    EnregistreEtRelit(r, doc, fichiers, "copie", doc, nette);
    // Copied line by line, a damaged file stays as damaged: only a clean one must give a
    // clean copy.
    if (r.Brisee() || n < 2 || !nette) return r.Erreur();

    // Saved while an older series is shown: every series comes from the file, the last one
    // included.
    r.Etape("enregistrement pendant la consultation de la série 1");
    Document ancienne = doc;
    ancienne.Commentaire = ancienne.Note;
    ancienne.SerieDemandee = 1;
    DialoguesEnregistres dialoguesAncienne;
    LireDocument(ancienne, fichiers, dialoguesAncienne);
    if (ancienne.SerieCourante == 1) EnregistreEtRelit(r, ancienne, fichiers, "copie2", doc, true);
    return r.Erreur();
}

} // namespace tarvo::test
