#pragma once

#include <string>
#include <string_view>

namespace tarvo {

// A text file opened for reading, line by line, with its end-of-file test; the lines are
// those `DecoupeLignes` gives, found as they are asked for. The text is held here, or lent
// by whoever keeps it for longer (an index of the document's series); the lines are views
// into it. A place in the text (`Position`) can be read again from (`PlaceA`): a series
// starts at the place its predecessor ended.
class SourceLignes {
  public:
    explicit SourceLignes(std::string texte) : propre_(std::move(texte)), texte_(propre_) {}
    // The text is lent: it must outlive the source.
    explicit SourceLignes(std::string_view texte) : texte_(texte) {}
    SourceLignes(const SourceLignes&) = delete;
    SourceLignes& operator=(const SourceLignes&) = delete;

    bool Fin() const { return position_ >= texte_.size(); }
    std::string_view Suivante() {
        const std::size_t fin = texte_.find('\n', position_);
        if (fin == std::string_view::npos) {
            const std::string_view ligne = texte_.substr(position_);
            position_ = texte_.size();
            return ligne;
        }
        std::size_t longueur = fin - position_;
        if (longueur > 0 && texte_[fin - 1] == '\r') --longueur;
        const std::string_view ligne = texte_.substr(position_, longueur);
        position_ = fin + 1;
        return ligne;
    }
    std::size_t Position() const { return position_; }
    void PlaceA(std::size_t position) { position_ = position; }
    std::string_view Texte() const { return texte_; }

  private:
    std::string propre_;
    std::string_view texte_;
    std::size_t position_ = 0;
};

} // namespace tarvo
