#include "platform/qt/SystemeQt.h"

#include "document/Dates.h"

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
    return AvecSeparateur(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
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

std::string SystemeQt::DateCourte(double jours) {
    int a = 0, m = 0, j = 0;
    if (!DateDeJour(jours, a, m, j)) return std::string();
    return QLocale::system().toString(QDate(a, m, j), QLocale::ShortFormat).toStdString();
}

int SystemeQt::LargeurEcran() {
    return TailleEcran().width();
}

int SystemeQt::HauteurEcran() {
    return TailleEcran().height();
}

} // namespace tarvo
