#pragma once

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace tarvo {

// The help window: the French HTML pages of the folder "help", with their links, the
// table of contents, back and forward.
class FenetreAide final : public QWidget {
    Q_OBJECT
  public:
    explicit FenetreAide(QWidget* parent = nullptr);

    // Shows a page (a path to an HTML file); a missing page says so.
    void Affiche(const QString& page);

  private:
    QTextBrowser* Navigateur;
    QString Sommaire;
};

} // namespace tarvo
