#include "document/Lecteur.h"

#include "document/Commentaire.h"
#include "document/Conversions.h"
#include "document/Dates.h"
#include "document/DialoguesMuets.h"
#include "document/Document.h"
#include "document/IndexSeries.h"
#include "document/Signature.h"
#include "document/SourceLignes.h"
#include "document/Texte.h"
#include "document/TexteProgramme.h"
#include "platform/Dialogues.h"
#include "platform/Fichiers.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace tarvo {

namespace {

constexpr std::string_view Corrompu = TARVO_NOOP("Programme", "Fichier corrompu");

// One read of a document file. `ligne_` is the line variable of the reads: a read that
// cannot happen (end of file, rejected number) leaves it as it was, and the conversion
// that follows works on that previous content again.
class Lecture {
public:
  Lecture(Document& doc, SourceLignes& source, Dialogues& dialogues, Systeme* systeme)
      : doc_(doc), source_(source), dialogues_(dialogues), systeme_(systeme) {}

  // Called after each series is read, with its means computed.
  std::function<void()> ApresSerie;
  // The places of the series in the source's text: the read starts at the series asked for
  // when they are known (`Sauts`), and notes those it finds (`Notes`).
  const IndexSeries* Sauts = nullptr;
  IndexSeries* Notes = nullptr;

  // False when the file was refused as corrupt (a zone count beyond the tables).
  bool Lit();

private:
    void LireLigne() {
        if (source_.Fin() || doc_.NombreIncorrect) {
            lectureCorrecte_ = false;
            return;
        }
        ligne_ = source_.Suivante();
    }
    // A value line: read, then unquoted.
    std::string_view LireValeur() {
        LireLigne();
        ligne_ = SansGuillemets(ligne_);
        return ligne_;
    }
    double LireNombre() { return NombreDuFichier(LireValeur()); }
    // A number of the file: beyond 15 integer digits it is no length, date or reading the
    // program writes, and the sums and doubles made of it would overflow, so it is refused
    // as any text that is not a number.
    double NombreDuFichier(std::string_view texte) {
        const double v = Nombre(texte, doc_);
        if (std::fabs(v) < 1e15) return v;
        doc_.NombreIncorrect = true;
        doc_.MotifErreur = texte;
        return 0;
    }
    std::int32_t LireEntier() { return Entier(LireValeur(), doc_); }

    bool LitNombreZones(std::int32_t n);
    void LitRayons();
    void LitRangees(bool drapeauEnTete);
    void LitDiametreEtFocale();
    bool LitEntete(bool version2, bool trou);
    void LitVersion2(bool trou);
    void LitVersion1();
    void LitPredecesseur();
    // A series read whole (no rejected number on the way, no line missing) goes to
    // `ApresSerie`; a series of the list is noted in the index.
    void SerieLue(bool enListe) {
        if (doc_.NombreIncorrect || !lectureCorrecte_) return;
        if (Notes && enListe) Notes->NoteSerie(doc_.SerieCourante, source_.Position());
        if (!ApresSerie) return;
        CalculeMoyennes(doc_);
        ApresSerie();
    }
    void SauteAuxSeries();
    void FinDeListe() {
        if (Notes && doc_.SerieCourante != doc_.SerieDemandee) Notes->NoteFinDeListe();
    }

    Document& doc_;
    SourceLignes& source_;
    Dialogues& dialogues_;
    Systeme* systeme_;
    // A view into the source's text, which outlives the read.
    std::string_view ligne_;
    bool lectureCorrecte_ = true;
    bool corrompu_ = false;
    bool zonesRefusees_ = false;
};

// A zone count beyond the tables is a corrupt file: it would index outside them.
bool Lecture::LitNombreZones(std::int32_t n) {
    // A count that is not a plain number of zones (refused by the integer conversion, or
    // beyond the tables) would misalign every line after it: the file is corrupt.
    if (n > ZonesMax || doc_.EntierIncorrect) {
        // After a rejected number the count is that number's text again: the rejection is
        // what the user must hear about.
        if (!doc_.NombreIncorrect) {
            doc_.MotifErreur = std::string(Corrompu);
            corrompu_ = true;
            zonesRefusees_ = true;
        }
        return false;
    }
    doc_.NombreZones = n;
    return true;
}

void Lecture::LitRayons() {
    for (int i = 1; i <= doc_.NombreZones; ++i) doc_.Zones[i][RayonExterieur] = LireNombre();
}

void Lecture::LitRangees(bool drapeauEnTete) {
    const int n = ZonesUtilisees(doc_);
    for (int k = 1; k <= 2; ++k) {
        for (int j = 1; j <= LignesMesure; ++j) {
            if (drapeauEnTete) doc_.Lectures[0][j][k] = LireEntier();
            for (int i = 1; i <= n; ++i) doc_.Lectures[i][j][k] = LireNombre();
            if (!drapeauEnTete) doc_.Lectures[0][j][k] = LireEntier();
        }
    }
}

// The mirror's diameter and focal length, which the series take until they bring their own.
void Lecture::LitDiametreEtFocale() {
    doc_.Diametre = LireNombre();
    doc_.DiametreSerie = doc_.Diametre;
    doc_.Focale = LireNombre();
    doc_.FocaleSerie = doc_.Focale;
    doc_.RayonCourbure = 2 * doc_.Focale;
}

// The header of the program's own layouts, up to the zone radii; false when the zone
// count refused the file. Version 1 has no hole line and leaves `TrouCentral` alone.
bool Lecture::LitEntete(bool version2, bool trou) {
    doc_.Intitule = LireValeur();
    LitDiametreEtFocale();
    doc_.Epaisseur = LireNombre();
    doc_.CoefDeformation = LireNombre();
    if (version2) doc_.TrouCentral = trou ? LireNombre() : 0;
    if (!LitNombreZones(LireEntier())) return false;
    LitRayons();
    return true;
}

// After the header: the series asked for is read from its place when every series before it
// was once read whole from the same text. Each series sets every value of the series in
// memory, and no read reaches back past its first line, so the document ends as the read
// through all of them would leave it.
void Lecture::SauteAuxSeries() {
    if (doc_.NombreIncorrect || !lectureCorrecte_) return;
    const std::size_t finEntete = source_.Position();
    if (Notes) Notes->NoteEntete(finEntete);
    if (!Sauts || doc_.SerieDemandee == 0 || Sauts->DebutSerie(1) != finEntete) return;
    const int connues = Sauts->SeriesEntieres();
    const int cible = doc_.SerieDemandee > 0 ? std::min(doc_.SerieDemandee, connues) : connues;
    if (cible < 2) return;
    source_.PlaceA(*Sauts->DebutSerie(cible));
    doc_.SerieCourante = cible - 1;
}

void Lecture::LitVersion2(bool trou) {
    if (!LitEntete(true, trou)) {
        FinDeListe();
        return;
    }
    SauteAuxSeries();

    // Anything but 0 lets the list go on; a date line of exactly 0 ends it.
    bool finDeListe = false;
    while (!source_.Fin() && doc_.SerieCourante != doc_.SerieDemandee && !doc_.NombreIncorrect &&
           !finDeListe) {
        ++doc_.SerieCourante;
        LireLigne();
        if (ligne_.empty()) {
            doc_.MotifErreur = std::string(Corrompu);
            corrompu_ = true;
            --doc_.SerieCourante;
            break;
        }
        ligne_ = SansGuillemets(ligne_);
        finDeListe = std::nearbyint(NombreDuFichier(ligne_)) == 0;
        if (ligne_ == "0") {
            // The end marker is no series: the one before it stays in memory.
            --doc_.SerieCourante;
            break;
        }
        doc_.DateSerie = NombreDuFichier(ligne_);
        doc_.DiametreSerie = LireNombre();
        doc_.FocaleSerie = LireNombre();
        doc_.RayonCourbure = 2 * doc_.FocaleSerie;
        if (trou) {
            const double t = LireNombre();
            doc_.TrouCentralSerie = doc_.TrouCentral > 1 ? t : 0;
        } else {
            doc_.TrouCentralSerie = 0;
        }
        LitRangees(true);
        doc_.Note.clear();
        if (source_.Fin()) dialogues_.Bip();
        doc_.Note = LitCommentaire({[this] { LireLigne(); }, &ligne_,
                                    [this] { return !source_.Fin() && !doc_.NombreIncorrect; }});
        SerieLue(true);
    }
    FinDeListe();
    if (doc_.SerieCourante >= doc_.NombreSeries) doc_.Commentaire = doc_.Note;
}

void Lecture::LitVersion1() {
    if (!LitEntete(false, false)) {
        FinDeListe();
        return;
    }
    SauteAuxSeries();
    while (!source_.Fin() && doc_.SerieCourante != doc_.SerieDemandee && !doc_.NombreIncorrect) {
        ++doc_.SerieCourante;
        doc_.DateSerie = LireNombre();
        LitRangees(true);
        doc_.Note.clear();
        SerieLue(true);
    }
    FinDeListe();
    doc_.Note.clear();
}

void Lecture::LitPredecesseur() {
    LitDiametreEtFocale();
    doc_.Epaisseur = LireNombre();
    doc_.Intitule = LireValeur();
    doc_.CoefDeformation = LireNombre();

    // The date as dd/mm/yyyy; a date that is not in the calendar is a rejected number.
    const std::string date(LireValeur());
    const std::int32_t jour = Entier(SousChaine(date, 0, 2), doc_);
    const std::int32_t mois = Entier(SousChaine(date, 3, 2), doc_);
    const std::int32_t annee = Entier(SousChaine(date, 6, 4), doc_);
    if (double jours = 0; JourDeDate(annee, mois, jour, jours)) {
        doc_.DateSerie = jours;
    } else if (!doc_.NombreIncorrect) {
        doc_.NombreIncorrect = true;
        doc_.MotifErreur = date;
    }

    LireValeur();
    if (!LitNombreZones(Entier(FormeAffichable(ligne_), doc_))) return;
    LitRayons();
    doc_.SerieCourante = 1;
    LitRangees(false);
    doc_.Note.clear();
    SerieLue(false);
}

bool Lecture::Lit() {
    LireLigne();
    doc_.LigneEntete = SansGuillemets(ligne_);
    doc_.NombreIncorrect = false;
    const VersionFichier version = VersionDeSignature(doc_.LigneEntete);
    if (version != VersionFichier::Aucune) {
        switch (version) {
        case VersionFichier::Inconnue:
            dialogues_.Bip();
            dialogues_.Avertissement(
                TexteProgramme(systeme_, TitreOuverture),
                TexteProgramme(systeme_, TARVO_NOOP("Programme", "Mauvais fichier")));
            doc_.FichierOuvert = false;
            corrompu_ = true;
            break;
        case VersionFichier::Version2: LitVersion2(AvecTrouCentral(doc_.LigneEntete)); break;
        case VersionFichier::Version1: LitVersion1(); break;
        case VersionFichier::Predecesseur: LitPredecesseur(); break;
        case VersionFichier::Aucune: break;
        }
        if ((!lectureCorrecte_ || corrompu_ || doc_.NombreIncorrect) && doc_.FichierOuvert) {
            dialogues_.Bip();
            // The reason is the text that was refused, shown as it is, or the corrupt file.
            const std::string motif = doc_.MotifErreur == Corrompu
                                          ? TexteProgramme(systeme_, Corrompu)
                                          : doc_.MotifErreur;
            dialogues_.Message(Remplace(
                TexteProgramme(systeme_,
                               TARVO_NOOP("Programme", "Erreur de lecture d'un fichier ( %1 )")),
                {motif}));
        }
    }
    doc_.Modifie = false;
    doc_.ModifieBulletin = false;
    CalculeMoyennes(doc_);
    return !zonesRefusees_;
}

} // namespace

void LireDocument(Document& doc, Fichiers& fichiers, Dialogues& dialogues, Systeme* systeme,
                  IndexSeries* index) {
    doc.SerieCourante = 0;
    doc.FichierOuvert = false;
    std::optional<std::string> contenu;
    if (index ? !index->Relit(fichiers, doc.NomFichier)
              : !(contenu = fichiers.Lit(doc.NomFichier))) {
        dialogues.Avertissement(
            TexteProgramme(systeme, TitreLecture),
            TexteProgramme(systeme, TARVO_NOOP("Programme", "Fichier introuvable")));
        return;
    }
    doc.FichierOuvert = true;
    if (index) {
        SourceLignes source(index->Texte());
        Lecture lecture(doc, source, dialogues, systeme);
        lecture.Sauts = lecture.Notes = index;
        if (!lecture.Lit()) doc.EntierIncorrect = true;
        return;
    }
    SourceLignes source(DecodeTexteFichier(*contenu));
    Lecture lecture(doc, source, dialogues, systeme);
    if (!lecture.Lit()) doc.EntierIncorrect = true;
}

int ParcourtSeries(const std::string& contenu, const std::function<void(const Document&)>& serie) {
    Document doc;
    doc.SerieCourante = 0;
    doc.SerieDemandee = -1;
    doc.FichierOuvert = true;
    SourceLignes source(DecodeTexteFichier(contenu));
    DialoguesMuets muets;
    Lecture lecture(doc, source, muets, nullptr);
    int nombre = 0;
    lecture.ApresSerie = [&] {
        ++nombre;
        serie(doc);
    };
    lecture.Lit();
    return nombre;
}

bool PlaceToutesLesSeries(IndexSeries& index) {
    if (index.Complet()) return true;
    Document doc;
    doc.SerieCourante = 0;
    doc.SerieDemandee = -1;
    doc.FichierOuvert = true;
    SourceLignes source(index.Texte());
    DialoguesMuets muets;
    Lecture lecture(doc, source, muets, nullptr);
    lecture.Sauts = lecture.Notes = &index;
    lecture.Lit();
    return index.Complet();
}

void LitSeriePlacee(const IndexSeries& index, int serie,
                    const std::function<void(const Document&)>& rendu) {
    Document doc;
    doc.SerieCourante = 0;
    doc.SerieDemandee = serie;
    doc.FichierOuvert = true;
    SourceLignes source(index.Texte());
    DialoguesMuets muets;
    Lecture lecture(doc, source, muets, nullptr);
    lecture.Sauts = &index;
    lecture.ApresSerie = [&] {
        if (doc.SerieCourante == serie) rendu(doc);
    };
    lecture.Lit();
}

} // namespace tarvo
