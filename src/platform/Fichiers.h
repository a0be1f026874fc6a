#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// What a path names, for the messages that say why a document cannot be opened.
enum class NatureChemin { Absent, Fichier, Dossier, Illisible };

// Why an output could not be written, as the program words it.
enum class CauseEchec {
    Aucune,
    DisquePlein,
    AccesRefuse,
    Dossier,
    PasUnFichier,
    DossierAbsent,
    LectureSeule,
    TropGrand,
    SortieFermee,
    // The reader of a pipe went away (`| head`): not an error of the program's.
    LecteurParti,
    Autre,
};

struct ResultatEcriture {
    CauseEchec Cause = CauseEchec::Aucune;
    // The system's own code, for the causes the program has no words of its own for.
    int Code = 0;
    bool Reussie() const { return Cause == CauseEchec::Aucune; }
};

// The file system as the document code needs it. Every operation reports its success;
// none throws.
class Fichiers {
public:
    virtual ~Fichiers() = default;
    // Whole content of a file, or nothing when it cannot be opened or read.
    virtual std::optional<std::string> Lit(const std::string& chemin) = 0;
    // Creates or empties the file, writes the bytes, flushes and syncs them to the disk,
    // closes it. False when any of these steps failed.
    virtual bool Ecrit(const std::string& chemin, std::string_view contenu) = 0;
    // The file holds exactly these bytes (read again to know it, but kept nowhere). The
    // default reads it whole.
    virtual bool Identique(const std::string& chemin, std::string_view contenu) {
        const auto lu = Lit(chemin);
        return lu && *lu == contenu;
    }
    // An output of the program (a page, a table): written whole beside the target, then put
    // in its place; after any failure the target is as it was and nothing is left behind.
    // Unlike a document, an existing target is replaced.
    virtual ResultatEcriture EcritSortie(const std::string& chemin, std::string_view contenu) = 0;
    virtual bool Existe(const std::string& chemin) = 0;
    virtual bool Supprime(const std::string& chemin) = 0;
    // Renames a file; fails rather than replace an existing destination.
    virtual bool Renomme(const std::string& ancien, const std::string& nouveau) = 0;
    // A file, a folder, something that exists but may not be read, or nothing.
    virtual NatureChemin Nature(const std::string& chemin) {
        return Existe(chemin) ? NatureChemin::Fichier : NatureChemin::Absent;
    }
};

} // namespace tarvo
