#include "cli/Commandes.h"

#include "cli/DialoguesEnregistres.h"
#include "cli/ExportAnalyse.h"
#include "cli/ExportOptique.h"
#include "cli/Json.h"
#include "cli/Ouverture.h"
#include "document/Document.h"
#include "optics/Analyse.h"
#include "optics/Feuille.h"
#include "optics/Precision.h"
#include "optics/Reduction.h"
#include "optics/Reechantillonnage.h"
#include "optics/Zonage.h"
#include "platform/Systeme.h"

#include <cmath>

namespace tarvo {

int CommandeZones(const OptionsCli& options, ContexteCli& contexte) {
    const double d = options.ZonesDiametre, f = options.ZonesFocale, h = options.ZonesTrou;
    if (!DansLimites(d) || !DansLimites(f) || !DansLimites(h) || !(d > 0) || !(f > 0) || h < 0 ||
        h >= d) {
        contexte.erreurs << "--zones : le diamètre et la focale doivent être positifs, et le trou "
                            "central plus petit que le diamètre\n";
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
    Document doc;
    DialoguesEnregistres dialogues;
    const bool ouvert =
        OuvreDocumentSansFenetre(doc, options.Fichier, contexte.systeme.Aujourdhui(), options.Serie,
                                 contexte.fichiers, dialogues);
    for (const auto& m : dialogues.Messages)
        contexte.erreurs << (m.Titre.empty() ? "" : m.Titre + " : ") << m.Texte << '\n';
    if (!ouvert) return 1;
    const ResultatReduction bulletin = CalculeBulletin(doc);
    if (!bulletin.Calculee()) {
        contexte.erreurs << "Pas de bulletin de contrôle pour la série " << doc.SerieCourante
                         << " : " << TexteEtatReduction(bulletin.Etat) << '\n';
        return 1;
    }
    std::string texte;
    EcritCsvBulletin(doc, bulletin, texte);
    EcritCsvAnalyse(CalculeFigures(bulletin, doc), Reechantillonne(doc, bulletin.DiametresRetenus),
                    texte);
    contexte.sortie << texte;
    return 0;
}

void EcritJsonOptique(Json& json, Document& doc) {
    // As the user would see them: the work sheet first, then the report of the series.
    json.Cle("Feuille");
    EcritJsonFeuille(json, CalculeFeuille(doc));
    json.Cle("Bulletin");
    const ResultatReduction bulletin = CalculeBulletin(doc);
    EcritJsonBulletin(json, bulletin);
    json.Cle("Analyse");
    EcritJsonAnalyse(json, CalculeFigures(bulletin, doc),
                     Reechantillonne(doc, bulletin.DiametresRetenus));
}

} // namespace tarvo
