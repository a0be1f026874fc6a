#include "shell/FenetreAide.h"

#include "platform/Systeme.h"
#include "platform/Traduction.h"
#include "shell/Icones.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace tarvo {

FenetreAide::FenetreAide(QWidget* parent, Systeme& systeme)
    : QWidget(parent, Qt::Window), Systeme_(systeme) {
    const QString titre = QString::fromStdString(Systeme_.Traduit("Fenetre", "Aide de Tarvo"));
    setWindowTitle(titre);
    setWindowIcon(IconeAction(14));
    resize(720, 640);

    Navigateur = new QTextBrowser(this);
    Navigateur->setOpenExternalLinks(true);

    auto* barre = new QHBoxLayout;
    auto bouton = [&](const std::string& texte, const std::string& conseil) {
        auto* b = new QToolButton(this);
        b->setText(QString::fromStdString(texte));
        b->setToolTip(QString::fromStdString(conseil));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        barre->addWidget(b);
        return b;
    };
    QToolButton* sommaire = bouton(Systeme_.Traduit("Fenetre", "Sommaire"),
                                   Systeme_.Traduit("Fenetre", "Table des matières de l'aide"));
    QToolButton* precedent = bouton(Systeme_.Traduit("Fenetre", "Précédent"),
                                    Systeme_.Traduit("Fenetre", "Page précédente"));
    QToolButton* suivant = bouton(Systeme_.Traduit("Fenetre", "Suivant"),
                                  Systeme_.Traduit("Fenetre", "Page suivante"));
    barre->addStretch();
    QToolButton* fermer =
        bouton(Systeme_.Traduit("Fenetre", "Fermer"), Systeme_.Traduit("Fenetre", "Fermer l'aide"));
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
    connect(Navigateur, &QTextBrowser::sourceChanged, this, [this, titre] {
        const std::string page = Navigateur->documentTitle().toStdString();
        setWindowTitle(page.empty()
                           ? titre
                           : QString::fromStdString(Remplace(
                                 Systeme_.Traduit("Fenetre", "Aide de Tarvo - %1"), {page})));
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
        Navigateur->setHtml(QString::fromStdString(
            Systeme_.Traduit("Fenetre", "<p>Le fichier d'aide est introuvable !</p>")));
    show();
    raise();
    activateWindow();
}

} // namespace tarvo
