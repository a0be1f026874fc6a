#include "document/IndexSeries.h"

#include "document/Texte.h"
#include "platform/Fichiers.h"

#include <algorithm>

namespace tarvo {

namespace {

std::size_t PrefixeCommun(std::string_view a, std::string_view b) {
    const auto fin = std::mismatch(a.begin(), a.begin() + std::min(a.size(), b.size()), b.begin());
    return static_cast<std::size_t>(fin.first - a.begin());
}

} // namespace

std::string_view IndexSeries::Texte() const {
    if (decode_) return *decode_;
    return std::string_view(*octets_).substr(debutTexte_);
}

void IndexSeries::Actualise(const std::string& nom, std::string octets) {
    if (nom == nom_ && octets == *octets_ && version_ != 0) return;
    // The old text is compared with the new one before it goes.
    const std::shared_ptr<const std::string> ancienOctets = octets_, ancienDecode = decode_;
    const std::string_view ancien = Texte();
    octets_ = std::make_shared<const std::string>(std::move(octets));
    const auto utf8 = TexteUtf8(*octets_);
    debutTexte_ = utf8 ? static_cast<std::size_t>(utf8->data() - octets_->data()) : 0;
    decode_ = utf8 ? nullptr : std::make_shared<const std::string>(DecodeTexteFichier(*octets_));
    ++version_;
    complet_ = false;
    if (nom != nom_) {
        nom_ = nom;
        debuts_.clear();
        versions_.clear();
        return;
    }
    const std::string_view texte = Texte();
    const std::size_t commun = PrefixeCommun(ancien, texte);
    // A place is kept when the line before it ends inside the unchanged text: that line, and
    // every line before it, read the same.
    std::size_t gardes = 0;
    while (gardes < debuts_.size() && debuts_[gardes] > 0 && debuts_[gardes] <= commun &&
           texte[debuts_[gardes] - 1] == '\n')
        ++gardes;
    debuts_.resize(gardes);
    versions_.resize(gardes > 0 ? gardes - 1 : 0);
}

bool IndexSeries::Relit(Fichiers& fichiers, const std::string& nom) {
    if (version_ != 0 && nom == nom_ && fichiers.Identique(nom, *octets_)) return true;
    auto contenu = fichiers.Lit(nom);
    if (!contenu) {
        Oublie();
        return false;
    }
    Actualise(nom, std::move(*contenu));
    return true;
}

void IndexSeries::Oublie() {
    // The version goes on: what was computed for an earlier text must never match a later one.
    const std::uint64_t version = version_ + 1;
    *this = IndexSeries{};
    version_ = version;
}

std::optional<std::size_t> IndexSeries::DebutSerie(int serie) const {
    if (serie < 1 || static_cast<std::size_t>(serie) > debuts_.size()) return std::nullopt;
    return debuts_[static_cast<std::size_t>(serie - 1)];
}

std::uint64_t IndexSeries::VersionSerie(int serie) const {
    if (serie < 1 || static_cast<std::size_t>(serie) > versions_.size()) return 0;
    return versions_[static_cast<std::size_t>(serie - 1)];
}

void IndexSeries::NoteEntete(std::size_t fin) {
    if (!debuts_.empty() && debuts_.front() == fin) return;
    // Another header end in the same text cannot be: start again from it.
    debuts_.assign(1, fin);
    versions_.clear();
    complet_ = false;
}

void IndexSeries::NoteSerie(int serie, std::size_t fin) {
    if (serie != SeriesEntieres() + 1 || debuts_.empty()) return;
    debuts_.push_back(fin);
    versions_.push_back(version_);
}

} // namespace tarvo
