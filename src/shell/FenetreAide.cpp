#include "shell/FenetreAide.h"

#include "shell/Icones.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tarvo {

FenetreAide::FenetreAide(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Aide de Tarvo");
    setWindowIcon(IconeAction(14));
    resize(720, 640);

    Navigateur = new QTextBrowser(this);
    Navigateur->setOpenExternalLinks(true);

    auto* barre = new QHBoxLayout;
    auto bouton = [&](const QString& texte, const QString& conseil) {
        auto* b = new QToolButton(this);
        b->setText(texte);
        b->setToolTip(conseil);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        barre->addWidget(b);
        return b;
    };
    QToolButton* sommaire = bouton("Sommaire", "Table des matières de l'aide");
    QToolButton* precedent = bouton("Précédent", "Page précédente");
    QToolButton* suivant = bouton("Suivant", "Page suivante");
    barre->addStretch();
    QToolButton* fermer = bouton("Fermer", "Fermer l'aide");
    precedent->setEnabled(false);
    suivant->setEnabled(false);

    connect(sommaire, &QToolButton::clicked, this, [this] {
        if (!Sommaire.isEmpty()) Affiche(Sommaire);
    });
    connect(precedent, &QToolButton::clicked, Navigateur, &QTextBrowser::backward);
    connect(suivant, &QToolButton::clicked, Navigateur, &QTextBrowser::forward);
    connect(Navigateur, &QTextBrowser::backwardAvailable, precedent, &QToolButton::setEnabled);
    connect(Navigateur, &QTextBrowser::forwardAvailable, suivant, &QToolButton::setEnabled);
    connect(fermer, &QToolButton::clicked, this, &QWidget::close);
    connect(Navigateur, &QTextBrowser::sourceChanged, this, [this] {
        const QString titre = Navigateur->documentTitle();
        setWindowTitle(titre.isEmpty() ? QString("Aide de Tarvo") : "Aide de Tarvo - " + titre);
    });

    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(4, 4, 4, 4);
    disposition->addLayout(barre);
    disposition->addWidget(Navigateur);
}

void FenetreAide::Affiche(const QString& page) {
    const QFileInfo fichier(page);
    Sommaire = fichier.absoluteDir().filePath("index.html");
    if (fichier.exists())
        Navigateur->setSource(QUrl::fromLocalFile(fichier.absoluteFilePath()));
    else
        Navigateur->setHtml("<p>Le fichier d'aide est introuvable !</p>");
    show();
    raise();
    activateWindow();
}

} // namespace tarvo
