#include "app/Langue.h"
#include "shell/Traducteur.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <set>

namespace tarvo {
namespace {

std::set<QString> Places(const QString& texte) {
    std::set<QString> places;
    const QRegularExpression place(QStringLiteral("%[1-9]"));
    for (auto m = place.globalMatch(texte); m.hasNext();)
        places.insert(m.next().captured());
    return places;
}

// Every text of the pages' catalogue is translated, keeps the places of its numbers and names
// (a lost %1 would drop a value from the page), and is the one the program finds in English.
TEST(CataloguePages, ChaqueTexteTraduitAvecSesPlaces) {
    QFile fichier(QStringLiteral(TARVO_SOURCE_DIR "/translations/tarvo_en_pages.ts"));
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    const Traducteur traducteur(Langue::Anglais);
    QXmlStreamReader xml(&fichier);
    QString contexte, source;
    int textes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QStringLiteral("name")) {
            contexte = xml.readElementText();
        } else if (xml.name() == QStringLiteral("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QStringLiteral("translation")) {
            const bool inacheve = xml.attributes().hasAttribute(QStringLiteral("type"));
            const QString anglais = xml.readElementText();
            ++textes;
            EXPECT_EQ(contexte, QStringLiteral("Pages"));
            EXPECT_FALSE(inacheve || anglais.isEmpty()) << source.toStdString();
            EXPECT_EQ(Places(anglais), Places(source)) << source.toStdString();
            EXPECT_EQ(traducteur.Traduit("Pages", source.toStdString()), anglais.toStdString());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(textes, 100);
}

} // namespace
} // namespace tarvo
