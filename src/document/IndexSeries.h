#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

class Fichiers;

// What the reads of one document file leave for the next ones: the file's bytes as last
// read, their text, and where in it each series begins, for the series read whole from the
// start. A read through the index still reads the file (what is shown is what the file holds
// now); when the bytes are the same, the series asked for is read from its place after the
// header instead of after every series before it. Since a series read whole fills every
// value of the series in memory, that read leaves the document exactly as the read from the
// start does.
//
// When the bytes change (a save, another program), the series whose lines and header are
// unchanged keep their places and their version; the others are found again as they are
// read. The program keeps one for the document it shows. A copy shares the text, which never
// changes once read: work on another thread reads a copy.
class IndexSeries {
  public:
    // The file `nom` now holds `octets`: the text is decoded again only when they changed.
    void Actualise(const std::string& nom, std::string octets);
    // Reads the file `nom` as it is now: false, and nothing known, when it cannot be read.
    // The bytes are compared with those known before they are taken (a long document that
    // did not change is not copied again).
    bool Relit(Fichiers& fichiers, const std::string& nom);
    // Nothing known any more (the file could not be read).
    void Oublie();

    const std::string& Nom() const { return nom_; }
    const std::string& Octets() const { return *octets_; }
    std::string_view Texte() const;
    // Changes each time the bytes change.
    std::uint64_t Version() const { return version_; }

    // The place where series `serie` (1 ..) begins, known when every series before it was
    // read whole; the place after the header for series 1.
    std::optional<std::size_t> DebutSerie(int serie) const;
    // Series read whole from the start, in order.
    int SeriesEntieres() const {
        return debuts_.empty() ? 0 : static_cast<int>(debuts_.size()) - 1;
    }
    // A read went to the end of the list: no series after the whole ones.
    bool Complet() const { return complet_; }
    // Changes each time the text of series `serie` (or the header) changed; 0 when unknown.
    std::uint64_t VersionSerie(int serie) const;

    // What a read found: the header ends at `fin`; series `serie` was read whole and the next
    // one begins at `fin`; the list ended after the whole series.
    void NoteEntete(std::size_t fin);
    void NoteSerie(int serie, std::size_t fin);
    void NoteFinDeListe() { complet_ = true; }

  private:
    std::string nom_;
    std::shared_ptr<const std::string> octets_ = std::make_shared<const std::string>();
    // The text when it is not the bytes themselves (Windows-1252 files).
    std::shared_ptr<const std::string> decode_;
    // Where the text begins in the bytes when it is them (after a byte-order mark).
    std::size_t debutTexte_ = 0;
    // debuts_[0]: the end of the header; debuts_[s]: the end of series s, read whole.
    std::vector<std::size_t> debuts_;
    std::vector<std::uint64_t> versions_;
    std::uint64_t version_ = 0;
    bool complet_ = false;
};

} // namespace tarvo
