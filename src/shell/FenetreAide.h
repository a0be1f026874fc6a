#pragma once

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace tarvo {

class Systeme;

// The help window: the HTML pages of the help folder, with their links, the table of
// contents, back and forward; its buttons in the language of `systeme`.
class FenetreAide final : public QWidget {
    Q_OBJECT
  public:
    FenetreAide(QWidget* parent, Systeme& systeme);

    // Shows a page (a path to an HTML file); a missing page says so.
    void Affiche(const QString& page);

  private:
    Systeme& Systeme_;
    QTextBrowser* Navigateur;
    QString Sommaire;
};

} // namespace tarvo
