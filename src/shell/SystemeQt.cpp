#include "shell/SystemeQt.h"

#include "document/Dates.h"
#include "shell/Traducteur.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>

#include <numbers>

namespace tarvo {

namespace {

std::string AvecSeparateur(const QString& dossier) {
    std::string d = QDir::cleanPath(dossier).toStdString();
    if (d.empty() || d.back() != '/') d += '/';
    return d;
}

QSize TailleEcran() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
        if (const QScreen* ecran = QGuiApplication::primaryScreen()) return ecran->size();
    return QSize(1920, 1080);
}

} // namespace

double SystemeQt::Aujourdhui() {
    const QDate aujourdhui = QDate::currentDate();
    double jour = 0;
    JourDeDate(aujourdhui.year(), aujourdhui.month(), aujourdhui.day(), jour);
    return jour;
}

std::string SystemeQt::RepertoireConfiguration() {
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    // A fresh account may not have the folder yet; the settings are written there at exit.
    QDir().mkpath(dossier);
    return AvecSeparateur(dossier);
}

std::string SystemeQt::RepertoireExecutable() {
    if (QCoreApplication::instance() != nullptr)
        return AvecSeparateur(QCoreApplication::applicationDirPath());
    return AvecSeparateur(QFileInfo("/proc/self/exe").canonicalFilePath().section('/', 0, -2));
}

char SystemeQt::SeparateurDecimal() {
    // Pi in the general format with 15 digits: its second character is the separator.
    const QString pi = QLocale::system().toString(std::numbers::pi, 'g', 15);
    const QChar separateur = pi.size() > 1 ? pi.at(1) : QChar('.');
    return separateur.unicode() < 128 ? static_cast<char>(separateur.unicode()) : '.';
}

std::string DateCourteSelon(const QLocale& locale, const QDate& date) {
    // A system without a configured language gives a date with the month in letters, which
    // is no short date and overflows the page header: the French day/month/year then.
    if (locale.language() == QLocale::C)
        return date.toString(QStringLiteral("dd/MM/yyyy")).toStdString();
    return locale.toString(date, QLocale::ShortFormat).toStdString();
}

std::string SystemeQt::DateCourte(double jours) {
    int a = 0, m = 0, j = 0;
    if (!DateDeJour(jours, a, m, j)) return std::string();
    return DateCourteSelon(QLocale::system(), QDate(a, m, j));
}

int SystemeQt::LargeurEcran() {
    return TailleEcran().width();
}

int SystemeQt::HauteurEcran() {
    return TailleEcran().height();
}

std::string SystemeQt::Traduit(std::string_view contexte, std::string_view texte) {
    return traducteur_ ? traducteur_->Traduit(contexte, texte) : std::string(texte);
}

std::string SystemeQt::CodeLangue() {
    return traducteur_ && traducteur_->Choisie() == Langue::Anglais ? "en" : "fr";
}

std::string SystemeTraduit::CodeLangue() {
    return traducteur_.Choisie() == Langue::Anglais ? "en" : "fr";
}

std::string SystemeTraduit::Traduit(std::string_view contexte, std::string_view texte) {
    return traducteur_.Traduit(contexte, texte);
}

} // namespace tarvo
