#include "cli/Commandes.h"

#include "cli/DialoguesEnregistres.h"
#include "cli/Json.h"
#include "cli/Ouverture.h"
#include "app/MoyenneEnCours.h"
#include "document/Document.h"
#include "platform/Systeme.h"

namespace tarvo {

namespace {

void EcritLectures(Json& json, const Document& doc) {
    const int n = ZonesUtilisees(doc);
    json.Cle("Lectures");
    json.DebutTableau();
    for (int k = 1; k <= 2; ++k) {
        json.DebutTableau();
        for (int j = 1; j <= LignesMesure; ++j) {
            json.DebutObjet();
            json.Nombre("valide", doc.Lectures[0][j][k]);
            json.Cle("lectures");
            json.DebutTableau();
            for (int i = 1; i <= n; ++i) json.Nombre(doc.Lectures[i][j][k]);
            json.FinTableau();
            json.FinObjet();
        }
        json.FinTableau();
    }
    json.FinTableau();

    json.Cle("Moyennes");
    json.DebutTableau();
    for (int k = 1; k <= 2; ++k) {
        json.DebutObjet();
        json.Nombre("lignes", doc.Lectures[0][LigneMoyennes][k]);
        json.Cle("moyennes");
        json.DebutTableau();
        for (int i = 1; i <= n; ++i) json.Nombre(doc.Lectures[i][LigneMoyennes][k]);
        json.FinTableau();
        json.FinObjet();
    }
    json.FinTableau();
}

} // namespace

void EcritJsonDocument(Json& json, const Document& doc) {
    json.Texte("LigneEntete", doc.LigneEntete);
    json.Booleen("FichierOuvert", doc.FichierOuvert);
    json.Texte("Intitule", doc.Intitule);
    json.Nombre("Diametre", doc.Diametre);
    json.Nombre("Focale", doc.Focale);
    json.Nombre("Epaisseur", doc.Epaisseur);
    json.Nombre("CoefDeformation", doc.CoefDeformation);
    json.Nombre("TrouCentral", doc.TrouCentral);
    json.Entier("NombreZones", doc.NombreZones);
    json.Cle("RayonExterieur");
    json.DebutTableau();
    for (int i = 1; i <= ZonesUtilisees(doc); ++i) json.Nombre(doc.Zones[i][RayonExterieur]);
    json.FinTableau();
    json.Entier("NombreSeries", doc.NombreSeries);
    json.Entier("SerieCourante", doc.SerieCourante);
    json.Nombre("DateSerie", doc.DateSerie);
    json.Nombre("DiametreSerie", doc.DiametreSerie);
    json.Nombre("FocaleSerie", doc.FocaleSerie);
    json.Nombre("TrouCentralSerie", doc.TrouCentralSerie);
    json.Nombre("RayonCourbure", doc.RayonCourbure);
    EcritLectures(json, doc);
    json.Entier("DiametresValides", doc.DiametresValides);
    json.Texte("Commentaire", doc.Commentaire);
    json.Texte("Note", doc.Note);
    json.Booleen("NombreIncorrect", doc.NombreIncorrect);
    json.Booleen("EntierIncorrect", doc.EntierIncorrect);
    json.Texte("MotifErreur", doc.MotifErreur);
}

int CommandeJson(const OptionsCli& options, ContexteCli& contexte) {
    Document doc;
    DialoguesEnregistres dialogues;
    const bool ouvert =
        OuvreDocumentSansFenetre(doc, options.Fichier, contexte.systeme.Aujourdhui(), options.Serie,
                                 contexte.fichiers, dialogues, &contexte.systeme);
    // A mean that cannot be made writes nothing but why.
    std::optional<MoyenneEnCours> moyenne;
    if (ouvert && options.Moyenne) {
        moyenne = MoyenneDemandee(options, doc, contexte);
        if (!moyenne) return 1;
    }
    if (moyenne) {
        moyenne->Calcul.Serie.NomFichier = doc.NomFichier;
        moyenne->Calcul.Serie.LigneEntete = doc.LigneEntete;
        moyenne->Calcul.Serie.FichierOuvert = doc.FichierOuvert;
    }
    const Document& montre = moyenne ? moyenne->Calcul.Serie : doc;
    std::string texte;
    Json json(texte);
    json.DebutObjet();
    EcritJsonDocument(json, montre);
    if (moyenne) {
        json.Cle("Moyenne");
        json.DebutObjet();
        json.Texte("Libelle", moyenne->Calcul.Libelle);
        json.Cle("Series");
        json.DebutTableau();
        for (const int n : moyenne->Calcul.Sources) json.Entier(n);
        json.FinTableau();
        json.Cle("Lignes");
        json.DebutTableau();
        for (int k = 1; k <= 2; ++k) json.Entier(moyenne->Calcul.Lignes.Nombre(k));
        json.FinTableau();
        json.FinObjet();
    }
    json.Cle("messages");
    json.DebutTableau();
    for (const auto& m : dialogues.Messages) {
        json.DebutObjet();
        json.Texte("titre", m.Titre);
        json.Texte("texte", m.Texte);
        json.FinObjet();
    }
    json.FinTableau();
    // The computations write their working values into the document: give them a copy.
    Document calcul = montre;
    EcritJsonOptique(json, calcul, moyenne ? &moyenne->Calcul.Lignes : nullptr);
    json.FinObjet();
    contexte.sortie << texte << '\n';
    return ouvert ? 0 : 1;
}

} // namespace tarvo
