#include "ApplicationTest.h"
#include "app/Programme.h"
#include "shell/FenetreAide.h"
#include "shell/FenetrePrincipale.h"
#include "shell/Traducteur.h"
#include "shell/ZonePage.h"
#include "support/TexteFrancais.h"

#include <QAbstractButton>
#include <QAction>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace tarvo::test {
namespace {

const std::string Exemple = std::string(TARVO_SOURCE_DIR) + "/examples/miroir-200-f6.bdc";

// The main window in English on a copy of the example, every page shown, the About box, the
// help, the file and list dialogs and a few message boxes: no text of the window's own left in
// French. The texts that other parts of the program give it (the page's hints and status,
// the program's messages and titles) are kept apart: they are English once every part is.
struct AnglaisQt : ::testing::Test {
    AnglaisQt() : anglais(Langue::Anglais) {
        ApplicationTest();
        QFile::copy(QString::fromStdString(Exemple), dossier.filePath("miroir.bdc"));
        fenetre = std::make_unique<FenetrePrincipale>(&anglais);
    }

    enum class Source { Fenetre, Autre };
    // A text shown, less the document's own words (its name, comments and file).
    void Releve(Source source, const std::string& ou, const QString& texte) {
        std::string t = texte.toStdString();
        for (const std::string& propre : {p().Doc.NomFichier, p().Doc.Intitule, p().Doc.Note,
                                          p().Doc.Commentaire, std::string("miroir.bdc")})
            if (!propre.empty())
                for (auto i = t.find(propre); i != std::string::npos; i = t.find(propre))
                    t.erase(i, propre.size());
        if (Francais(t)) (source == Source::Fenetre ? restes : autres).insert(ou + " : " + t);
    }
    // The hint of an action is the window's while it is the action's own.
    Source SourceIndication(Action a) {
        return p().Actions.Indication(a) == Description(a).Indication ? Source::Fenetre
                                                                      : Source::Autre;
    }
    // The menus, the toolbar and every widget of the window; `tous`: the hidden ones too.
    void ReleveFenetre(const std::string& ou, bool tous) {
        Releve(Source::Autre, ou + ", titre", fenetre->windowTitle());
        for (QAction* titre : fenetre->menuBar()->actions()) {
            Releve(Source::Fenetre, ou + ", menu", titre->text());
            Releve(Source::Fenetre, ou + ", menu", titre->statusTip());
        }
        for (std::size_t i = 0; i < NombreActions; ++i) {
            QAction* action = fenetre->ActionQt(static_cast<Action>(i));
            const Source indication = SourceIndication(static_cast<Action>(i));
            Releve(Source::Fenetre, ou + ", commande", action->text());
            Releve(indication, ou + ", commande (conseil)", action->toolTip());
            Releve(indication, ou + ", commande (barre d'état)", action->statusTip());
        }
        for (const PlaceBarre& place : BarreOutils()) {
            if (place.Separateur) continue;
            QToolButton* bouton = fenetre->BoutonQt(place.Nom);
            Releve(Source::Fenetre, ou + ", bouton", bouton->accessibleName());
            Releve(SourceIndication(place.Commande), ou + ", bouton", bouton->toolTip());
            Releve(SourceIndication(place.Commande), ou + ", bouton", bouton->statusTip());
        }
        ZonePage& zone = fenetre->Zone();
        for (QWidget* w : zone.findChildren<QWidget*>()) {
            if (!tous && !w->isVisibleTo(fenetre.get())) continue;
            // The page's hints of the editor and the memo, and the settings' names.
            const bool donnees = w == zone.Saisie || (!tous && w == zone.Note) ||
                                 qobject_cast<QDoubleSpinBox*>(w) != nullptr;
            const Source source = donnees ? Source::Autre : Source::Fenetre;
            const std::string nom = ou + ", " + w->metaObject()->className();
            Releve(source, nom + " (conseil)", w->toolTip());
            Releve(source, nom + " (barre d'état)", w->statusTip());
            Releve(w == zone.Saisie ? Source::Fenetre : source, nom + " (nom)",
                   w->accessibleName());
            if (auto* bouton = qobject_cast<QAbstractButton*>(w))
                Releve(Source::Fenetre, nom, bouton->text());
            if (auto* boite = qobject_cast<QDoubleSpinBox*>(w))
                Releve(Source::Fenetre, nom + " (unité)", boite->suffix());
        }
        Releve(Source::Autre, ou + ", état", zone.TexteStatut->text());
    }

    // Reads the modal window that the next command opens, then closes it as Cancel would,
    // or answers No.
    void QuandModal(const std::string& ou, bool non = false) {
        QTimer::singleShot(0, [this, ou, non] {
            QWidget* modale = QApplication::activeModalWidget();
            ASSERT_NE(modale, nullptr) << ou;
            ReleveModale(ou, modale);
            auto* boite = qobject_cast<QMessageBox*>(modale);
            if (boite && non)
                for (QAbstractButton* b : boite->buttons())
                    if (boite->buttonRole(b) == QMessageBox::NoRole) return b->click();
            static_cast<QDialog*>(modale)->reject();
        });
    }
    void ReleveModale(const std::string& ou, QWidget* modale) {
        ++modales;
        if (auto* boite = qobject_cast<QMessageBox*>(modale)) {
            // A warning's title is the program's; the others' are the box's.
            Releve(boite->icon() == QMessageBox::Warning ? Source::Autre : Source::Fenetre,
                   ou + ", titre", boite->windowTitle());
            Releve(Source::Autre, ou + ", texte", boite->text());
            for (QAbstractButton* b : boite->buttons())
                Releve(Source::Fenetre, ou + ", bouton", b->text());
            return;
        }
        if (auto* fichier = qobject_cast<QFileDialog*>(modale)) {
            Releve(Source::Autre, ou + ", titre", fichier->windowTitle());
            for (const auto l : {QFileDialog::LookIn, QFileDialog::FileName, QFileDialog::FileType,
                                 QFileDialog::Accept, QFileDialog::Reject})
                Releve(Source::Fenetre, ou + ", libellé", fichier->labelText(l));
            return;
        }
        // The list of series: its title, text and entries are the program's.
        const bool liste = modale->findChild<QListWidget*>() != nullptr;
        const Source source = liste ? Source::Autre : Source::Fenetre;
        Releve(source, ou + ", titre", modale->windowTitle());
        for (QLabel* l : modale->findChildren<QLabel*>())
            Releve(source, ou + ", texte", l->text());
        for (QAbstractButton* b : modale->findChildren<QAbstractButton*>())
            Releve(Source::Fenetre, ou + ", bouton", b->text());
        if (auto* entrees = modale->findChild<QListWidget*>())
            for (int i = 0; i < entrees->count(); ++i)
                Releve(Source::Autre, ou + ", série", entrees->item(i)->text());
    }

    static void Envoie(QWidget* w, int cle, const QString& texte) {
        QKeyEvent appui(QEvent::KeyPress, cle, Qt::NoModifier, texte);
        QApplication::sendEvent(w, &appui);
        QKeyEvent relache(QEvent::KeyRelease, cle, Qt::NoModifier, texte);
        QApplication::sendEvent(w, &relache);
    }
    // A value typed in the editor, key after key, then Enter.
    void Tape(const QString& texte) {
        for (const QChar c : texte)
            Envoie(fenetre->Zone().Saisie, Qt::Key_unknown, QString(c));
        Envoie(fenetre->Zone().Saisie, Qt::Key_Return, "\r");
        QApplication::processEvents();
    }

    // Everything a user of the English window meets, from start to the usual dialogs.
    void Parcourt() {
        // Before a document: every text is the window's own, shown or not yet.
        ReleveFenetre("fenêtre vide", true);
        fenetre->Demarre({dossier.filePath("miroir.bdc").toStdString()});
        fenetre->show();
        QApplication::processEvents();
        const std::pair<Action, const char*> pages[] = {
            {Action::EditeCaracteristiques1, "caractéristiques"},
            {Action::Feuille_Travail, "feuille"},
            {Action::Mesures, "mesures"},
            {Action::NouvellesMesures, "nouvelles mesures"},
            {Action::EditionDesMesures, "édition"},
            {Action::BulletinDeControle, "bulletin"},
            {Action::Analyse, "analyse"},
            {Action::Historique, "historique"},
            {Action::Ombres, "ombres"},
        };
        for (const auto& [action, nom] : pages) {
            fenetre->ActionQt(action)->trigger();
            QApplication::processEvents();
            ReleveFenetre(nom, false);
            if (action == Action::NouvellesMesures) {
                EXPECT_TRUE(fenetre->Zone().Bouton_Annuler->isVisible());
                fenetre->Zone().Bouton_Annuler->click();
            }
        }

        QuandModal("à propos");
        fenetre->ActionQt(Action::Apropos)->trigger();
        QuandModal("moyenne");
        fenetre->ActionQt(Action::MoyenneSeries)->trigger();
        QuandModal("ouvrir");
        fenetre->ActionQt(Action::FileOpen1)->trigger();

        fenetre->ActionQt(Action::Aide)->trigger();
        auto* aide = fenetre->findChild<FenetreAide*>();
        ASSERT_NE(aide, nullptr);
        const QString page = aide->findChild<QTextBrowser*>()->documentTitle();
        Releve(Source::Fenetre, "aide, titre", QString(aide->windowTitle()).remove(page));
        for (QToolButton* b : aide->findChildren<QToolButton*>()) {
            Releve(Source::Fenetre, "aide, bouton", b->text());
            Releve(Source::Fenetre, "aide, bouton", b->toolTip());
        }
        fenetre->FermeAides();

        // A new name, then a diameter refused; then New: shall the change be saved?
        fenetre->ActionQt(Action::EditeCaracteristiques1)->trigger();
        Tape("Test");
        QuandModal("valeur refusée");
        Tape("1200");
        QuandModal("enregistrer", true);
        fenetre->ActionQt(Action::FileNew1)->trigger();
        EXPECT_TRUE(p().Doc.Intitule.empty());

        // The file gone: its recent entry says so.
        QFile::remove(dossier.filePath("miroir.bdc"));
        QuandModal("fichier disparu");
        fenetre->HistoriqueQt(1)->trigger();
        QApplication::processEvents();
    }
    static std::string Liste(const std::set<std::string>& textes) {
        std::ostringstream liste;
        for (const std::string& r : textes)
            liste << "\n  " << r;
        return liste.str();
    }

    Programme& p() { return fenetre->Prog(); }
    Traducteur anglais;
    QTemporaryDir dossier;
    std::unique_ptr<FenetrePrincipale> fenetre;
    std::set<std::string> restes, autres;
    int modales = 0;
};

TEST_F(AnglaisQt, LaFenetreEstEnAnglais) {
    Parcourt();
    EXPECT_EQ(modales, 6);
    EXPECT_TRUE(restes.empty()) << restes.size() << " textes en français :" << Liste(restes);
    // And what the pages and the program give the window.
    EXPECT_TRUE(autres.empty()) << autres.size() << " textes en français :" << Liste(autres);

    // The glossary's captions, the hints split as in French, the shortcuts unchanged.
    const QList<QAction*> menus = fenetre->menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[2]->text(), "&View");
    EXPECT_EQ(fenetre->ActionQt(Action::FileOpen1)->toolTip(), "Open");
    EXPECT_EQ(fenetre->ActionQt(Action::FileOpen1)->statusTip(), "Open a file");
    EXPECT_EQ(fenetre->ActionQt(Action::BulletinDeControle)->text(), "Test &report");
    EXPECT_EQ(fenetre->ActionQt(Action::BulletinDeControle)->shortcut(), QKeySequence("Ctrl+B"));
    EXPECT_EQ(fenetre->BoutonQt(Bouton::ToolBulletin)->accessibleName(), "Test report");

    // One accelerator per letter in each menu, and in the menu bar.
    const auto unique = [](const QList<QAction*>& actions, const std::string& ou) {
        std::set<QChar> lettres;
        for (QAction* a : actions) {
            const QString t = a->text();
            const qsizetype i = t.indexOf('&');
            if (a->isSeparator() || a->objectName().startsWith("Historique") || i < 0 ||
                i + 1 >= t.size())
                continue;
            EXPECT_TRUE(lettres.insert(t[i + 1].toLower()).second)
                << ou << " : " << t.toStdString();
        }
    };
    unique(menus, "barre des menus");
    for (QAction* m : menus)
        unique(m->menu()->actions(), m->text().toStdString());
}

} // namespace
} // namespace tarvo::test
