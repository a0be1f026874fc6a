#include "cli/Commandes.h"

#include "app/MoyenneEnCours.h"
#include "cli/DialoguesEnregistres.h"
#include "cli/ExportAnalyse.h"
#include "cli/ExportOptique.h"
#include "cli/Json.h"
#include "cli/MessagesCli.h"
#include "cli/Ouverture.h"
#include "document/Document.h"
#include "optics/Analyse.h"
#include "optics/Feuille.h"
#include "optics/Precision.h"
#include "optics/Reduction.h"
#include "optics/Reechantillonnage.h"
#include "optics/Zonage.h"
#include "platform/Systeme.h"
#include "platform/Traduction.h"

#include <cmath>

namespace tarvo {

int CommandeZones(const OptionsCli& options, ContexteCli& contexte) {
    const double d = options.ZonesDiametre, f = options.ZonesFocale, h = options.ZonesTrou;
    if (!DansLimites(d) || !DansLimites(f) || !DansLimites(h) || !(d > 0) || !(f > 0) || h < 0 ||
        h >= d) {
        contexte.erreurs << contexte.systeme.Traduit(
                                "Commande", "--zones : le diamètre et la focale doivent être "
                                            "positifs, et le trou central plus petit que le "
                                            "diamètre")
                         << '\n';
        return 2;
    }
    const int n = NombreZonesPropose(d, f, h);
    const auto rayons = RayonsZones(d, h, n);
    std::string texte;
    Json json(texte);
    json.DebutObjet();
    json.Entier("NombreZones", n);
    json.Cle("RayonExterieur");
    json.DebutTableau();
    for (int i = 1; i <= n; ++i)
        json.Nombre(rayons[i]);
    json.FinTableau();
    json.FinObjet();
    contexte.sortie << texte << '\n';
    return 0;
}

int CommandeCsv(const OptionsCli& options, ContexteCli& contexte) {
    if (options.Historique) return CommandeHistorique(options, contexte);
    Document doc;
    DialoguesEnregistres dialogues;
    const bool ouvert =
        OuvreDocumentSansFenetre(doc, options.Fichier, contexte.systeme.Aujourdhui(), options.Serie,
                                 contexte.fichiers, dialogues, &contexte.systeme);
    EcritMessages(dialogues.Messages, contexte.systeme, contexte.erreurs);
    if (!ouvert) return 1;
    std::optional<MoyenneEnCours> moyenne;
    if (options.Moyenne) {
        moyenne = MoyenneDemandee(options, doc, contexte);
        if (!moyenne) return 1;
    }
    Document& serie = moyenne ? moyenne->Calcul.Serie : doc;
    const LignesValidees lignes = moyenne ? moyenne->Calcul.Lignes : LignesDe(serie);
    const ResultatReduction bulletin = CalculeBulletin(serie);
    if (!bulletin.Calculee()) {
        Systeme& s = contexte.systeme;
        const std::string quoi = moyenne ? moyenne->Calcul.Libelle
                                         : Remplace(s.Traduit("Commande", "la série %1"),
                                                    {std::to_string(serie.SerieCourante)});
        contexte.erreurs << Remplace(
                                s.Traduit("Commande", "Pas de bulletin de contrôle pour %1 : %2"),
                                {quoi, TexteEtatReduction(bulletin.Etat)})
                         << '\n';
        return 1;
    }
    std::string texte;
    EcritCsvBulletin(serie, bulletin, texte);
    EcritCsvAnalyse(CalculeFigures(bulletin, lignes),
                    Reechantillonne(serie, lignes, bulletin.DiametresRetenus), texte);
    contexte.sortie << texte;
    return 0;
}

std::optional<MoyenneEnCours> MoyenneDemandee(const OptionsCli& options, const Document& doc,
                                              ContexteCli& contexte) {
    if (!options.Moyenne) return std::nullopt;
    const ChoixMoyenne choix =
        MoyenneDesSeries(SeriesDuFichier(contexte.fichiers, doc.NomFichier), *options.Moyenne,
                         contexte.systeme);
    if (!choix.Moyenne) contexte.erreurs << AvecPrefixe(contexte.systeme, choix.Erreur) << '\n';
    return choix.Moyenne;
}

void EcritJsonOptique(Json& json, Document& doc, const LignesValidees* lignes) {
    // As the user would see them: the work sheet first, then the report of the series.
    json.Cle("Feuille");
    EcritJsonFeuille(json, CalculeFeuille(doc));
    json.Cle("Bulletin");
    const ResultatReduction bulletin = CalculeBulletin(doc);
    EcritJsonBulletin(json, bulletin);
    json.Cle("Analyse");
    const LignesValidees propres = lignes ? LignesValidees{} : LignesDe(doc);
    const LignesValidees& l = lignes ? *lignes : propres;
    EcritJsonAnalyse(json, CalculeFigures(bulletin, l),
                     Reechantillonne(doc, l, bulletin.DiametresRetenus));
}

} // namespace tarvo
