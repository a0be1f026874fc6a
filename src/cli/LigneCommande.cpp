#include "cli/LigneCommande.h"

#include "cli/Commandes.h"
#include "cli/DialoguesEnregistres.h"
#include "cli/Ouverture.h"
#include "document/Document.h"
#include "pages/commun/IdentifiantsPages.h"
#include "platform/Fichiers.h"
#include "platform/Systeme.h"
#include "platform/Traduction.h"

#include <charconv>
#include <cstdlib>

namespace tarvo {

namespace {

bool LitEntier(const std::string& texte, int& valeur) {
    const auto fin = texte.data() + texte.size();
    const auto r = std::from_chars(texte.data(), fin, valeur);
    return r.ec == std::errc() && r.ptr == fin;
}

// "2,3,5": series numbers separated by commas, each a plain positive number.
std::optional<std::vector<int>> LitNumeros(const std::string& texte) {
    std::vector<int> numeros;
    std::size_t debut = 0;
    while (true) {
        const std::size_t fin = texte.find(',', debut);
        int n = 0;
        if (!LitEntier(texte.substr(debut, fin - debut), n) || n < 1) return std::nullopt;
        numeros.push_back(n);
        if (fin == std::string::npos) return numeros;
        debut = fin + 1;
    }
}

bool LitReel(const std::string& texte, double& valeur) {
    if (texte.empty()) return false;
    char* fin = nullptr;
    valeur = std::strtod(texte.c_str(), &fin);
    return fin == texte.c_str() + texte.size();
}

} // namespace

std::string UsageCli(Systeme& systeme) {
    return systeme.Traduit(
        "Commande",
        "Usage :\n"
        "  tarvo [FICHIER]                                  ouvre la fenêtre\n"
        "  tarvo --json [--series N] FICHIER                décrit le document en JSON\n"
        "  tarvo --csv [--series N] FICHIER                 tableau du bulletin en CSV\n"
        "  tarvo --csv --historique FICHIER                 historique des séries en CSV\n"
        "  tarvo --json|--csv --moyenne 2,3,5 FICHIER       moyenne de plusieurs séries\n"
        "  tarvo --save-as SORTIE [--overwrite] FICHIER     enregistre sous un autre nom\n"
        "  tarvo --zones DIAMETRE FOCALE TROU               propose les zones de l'écran\n"
        "  tarvo --pdf SORTIE.pdf --page PAGE [--series N] FICHIER\n"
        "  tarvo --png SORTIE.png --page PAGE [--series N] FICHIER\n"
        "  (--pdf et --png prennent aussi --moyenne 2,3,5 pour les pages bulletin, analyse\n"
        "  et historique)\n"
        "  tarvo --png SORTIE.png --page ombres [--zone N] [--lpi N] [--decalage MM] FICHIER\n"
        "  tarvo --pdf SORTIE.pdf --page masque FICHIER     masque de Couder à taille réelle\n"
        "  tarvo --help | --version                         cet usage, la version\n"
        "  (--langue fr|en choisit la langue ; sinon LANG, LC_MESSAGES ou LC_ALL)\n");
}

AnalyseCli AnalyseLigneCommande(const std::vector<std::string>& arguments, Systeme& systeme) {
    AnalyseCli analyse;
    bool option = false;
    for (const auto& a : arguments)
        option = option || a.rfind("--", 0) == 0;
    if (!option) return analyse;
    analyse.SansFenetre = true;

    OptionsCli o;
    std::optional<OptionsCli::Mode> mode;
    std::vector<std::string> restes;
    auto erreur = [&](const std::string& texte) {
        analyse.Erreur = texte;
        return analyse;
    };
    auto choisitMode = [&](OptionsCli::Mode m) {
        if (mode) return false;
        mode = m;
        return true;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool suivant = i + 1 < arguments.size();
        if (a == "--json" || a == "--csv") {
            if (!choisitMode(a == "--json" ? OptionsCli::Mode::Json : OptionsCli::Mode::Csv))
                return erreur(systeme.Traduit("Commande", "une seule commande à la fois"));
        } else if (a == "--save-as" || a == "--pdf" || a == "--png") {
            const auto m = a == "--save-as" ? OptionsCli::Mode::EnregistreSous
                           : a == "--pdf"   ? OptionsCli::Mode::Pdf
                                            : OptionsCli::Mode::Png;
            if (!choisitMode(m))
                return erreur(systeme.Traduit("Commande", "une seule commande à la fois"));
            if (!suivant)
                return erreur(
                    Remplace(systeme.Traduit("Commande", "%1 demande un nom de fichier"), {a}));
            o.Sortie = arguments[++i];
        } else if (a == "--zones") {
            if (!choisitMode(OptionsCli::Mode::Zones))
                return erreur(systeme.Traduit("Commande", "une seule commande à la fois"));
            if (i + 3 >= arguments.size() || !LitReel(arguments[i + 1], o.ZonesDiametre) ||
                !LitReel(arguments[i + 2], o.ZonesFocale) ||
                !LitReel(arguments[i + 3], o.ZonesTrou))
                return erreur(systeme.Traduit(
                    "Commande", "--zones demande le diamètre, la focale et le diamètre du trou"));
            i += 3;
        } else if (a == "--series") {
            int n = 0;
            if (!suivant || !LitEntier(arguments[i + 1], n) || n < 1)
                return erreur(
                    systeme.Traduit("Commande", "--series demande un numéro de série (1, 2, ...)"));
            o.Serie = n;
            ++i;
        } else if (a == "--page") {
            if (!suivant)
                return erreur(systeme.Traduit("Commande", "--page demande le nom d'une page"));
            o.Page = arguments[++i];
        } else if (a == "--moyenne") {
            const auto numeros = suivant ? LitNumeros(arguments[i + 1]) : std::nullopt;
            if (!numeros)
                return erreur(systeme.Traduit("Commande", "--moyenne demande des numéros de séries "
                                                          "séparés par des virgules (2,3,5)"));
            o.Moyenne = numeros;
            ++i;
        } else if (a == "--zone") {
            int n = 0;
            if (!suivant || !LitEntier(arguments[i + 1], n) || n < 1)
                return erreur(
                    systeme.Traduit("Commande", "--zone demande un numéro de zone (1, 2, ...)"));
            o.ZoneCouteau = n;
            ++i;
        } else if (a == "--lpi" || a == "--decalage") {
            double v = 0;
            const bool lpi = a == "--lpi";
            if (!suivant || !LitReel(arguments[i + 1], v) ||
                !(lpi ? v >= 10 && v <= 1000 : v >= 0.1 && v <= 50))
                return erreur(
                    lpi ? systeme.Traduit(
                              "Commande",
                              "--lpi demande un nombre de traits par pouce, de 10 à 1000")
                        : systeme.Traduit("Commande",
                                          "--decalage demande un décalage en mm, de 0.1 à 50"));
            (lpi ? o.LignesParPouce : o.Decalage) = v;
            ++i;
        } else if (a == "--historique") {
            o.Historique = true;
        } else if (a == "--overwrite") {
            o.Ecrase = true;
        } else if (a.rfind("--", 0) == 0) {
            return erreur(Remplace(systeme.Traduit("Commande", "option inconnue : %1"), {a}));
        } else {
            restes.push_back(a);
        }
    }
    if (!mode) return erreur(systeme.Traduit("Commande", "aucune commande"));
    o.ModeCli = *mode;
    if (o.ModeCli == OptionsCli::Mode::Zones) {
        if (!restes.empty())
            return erreur(systeme.Traduit("Commande", "--zones ne prend pas de fichier"));
    } else {
        if (restes.empty())
            return erreur(systeme.Traduit("Commande", "il manque le nom du document"));
        // A path with blanks may arrive split in several arguments.
        o.Documents = restes;
        o.Fichier = restes.front();
        for (std::size_t i = 1; i < restes.size(); ++i)
            o.Fichier += " " + restes[i];
    }
    const bool page = o.ModeCli == OptionsCli::Mode::Pdf || o.ModeCli == OptionsCli::Mode::Png;
    if (page && o.Page.empty())
        return erreur(systeme.Traduit("Commande", "--page est obligatoire avec --pdf et --png"));
    if (!page && !o.Page.empty())
        return erreur(systeme.Traduit("Commande", "--page ne va qu'avec --pdf ou --png"));
    if (o.Serie && o.ModeCli != OptionsCli::Mode::Json && o.ModeCli != OptionsCli::Mode::Csv &&
        !page)
        return erreur(systeme.Traduit("Commande", "--series ne va pas avec cette commande"));
    if (o.Ecrase && o.ModeCli != OptionsCli::Mode::EnregistreSous)
        return erreur(systeme.Traduit("Commande", "--overwrite ne va qu'avec --save-as"));
    if (o.Historique && (o.ModeCli != OptionsCli::Mode::Csv || o.Serie || o.Moyenne))
        return erreur(systeme.Traduit(
            "Commande", "--historique ne va qu'avec --csv, sans --series ni --moyenne"));
    const std::optional<std::string> pageChoisie = IdentifiantPage(o.Page);
    if ((o.ZoneCouteau || o.LignesParPouce || o.Decalage) &&
        !(page && pageChoisie && *pageChoisie == PageOmbres))
        return erreur(systeme.Traduit("Commande",
                                      "--zone, --lpi et --decalage ne vont qu'avec --page ombres"));
    if (o.Moyenne && o.Serie)
        return erreur(systeme.Traduit("Commande", "--moyenne et --series ne vont pas ensemble"));
    if (o.Moyenne && o.ModeCli != OptionsCli::Mode::Json && o.ModeCli != OptionsCli::Mode::Csv &&
        !page)
        return erreur(
            systeme.Traduit("Commande", "--moyenne ne va qu'avec --json, --csv, --pdf et --png"));
    analyse.Options = o;
    return analyse;
}

RefusCli VerifieDocument(const OptionsCli& options, Fichiers& fichiers, Systeme& systeme) {
    if (options.ModeCli == OptionsCli::Mode::Zones) return {};
    if (options.Documents.size() > 1 && fichiers.Nature(options.Fichier) == NatureChemin::Absent) {
        std::string noms;
        for (const std::string& d : options.Documents) noms += (noms.empty() ? "" : ", ") + d;
        return {2,
                Remplace(systeme.Traduit("Commande", "un seul document à la fois (%1 donnés : %2)"),
                         {std::to_string(options.Documents.size()), noms})};
    }
    switch (fichiers.Nature(options.Fichier)) {
    case NatureChemin::Dossier:
        return {1, Remplace(systeme.Traduit("Commande", "« %1 » est un dossier, pas un document"),
                            {options.Fichier})};
    case NatureChemin::Illisible:
        return {1, Remplace(systeme.Traduit("Commande", "« %1 » : lecture refusée"),
                            {options.Fichier})};
    case NatureChemin::Absent:
    case NatureChemin::Fichier: break;
    }
    if (!options.Serie) return {};
    Document doc;
    DialoguesEnregistres dialogues;
    if (!OuvreDocumentSansFenetre(doc, options.Fichier, systeme.Aujourdhui(), std::nullopt,
                                  fichiers, dialogues, &systeme))
        return {};
    if (*options.Serie <= doc.NombreSeries) return {};
    const std::string modele =
        doc.NombreSeries == 0
            ? systeme.Traduit("Commande", "--series %1 : le document n'a aucune série")
        : doc.NombreSeries == 1
            ? systeme.Traduit("Commande", "--series %1 : le document n'a qu'une série")
            : systeme.Traduit("Commande", "--series %1 : le document n'a que %2 séries");
    return {1,
            Remplace(modele, {std::to_string(*options.Serie), std::to_string(doc.NombreSeries)})};
}

int ExecuteCommande(const OptionsCli& options, ContexteCli& contexte) {
    switch (options.ModeCli) {
    case OptionsCli::Mode::Json:
        return CommandeJson(options, contexte);
    case OptionsCli::Mode::EnregistreSous:
        return CommandeEnregistreSous(options, contexte);
    case OptionsCli::Mode::Zones:
        return CommandeZones(options, contexte);
    case OptionsCli::Mode::Csv:
        return CommandeCsv(options, contexte);
    case OptionsCli::Mode::Pdf:
    case OptionsCli::Mode::Png:
        break;
    }
    contexte.erreurs << contexte.systeme.Traduit("Commande",
                                                 "Cette commande demande l'interface graphique.")
                     << '\n';
    return 2;
}

} // namespace tarvo
