#!/usr/bin/python3
"""The desktop's English catalogues as one JSON file for the web page:
    catalogue.py SORTIE.json CATALOGUE.ts...
gives {"Context": {"French source": "English translation", ...}, ...}.

It keeps what the window finds in the catalogues built from these sources: lrelease puts in
every translation that is not empty, unfinished ones included, and leaves out the vanished
and obsolete ones; the window looks a text up by context and source alone, which finds the
message without a disambiguating comment, else the first one of that source (lrelease
strips its comment). When two catalogues have the same text, the first one by file name
wins, as in the window."""

import json
import os
import sys
import xml.etree.ElementTree as ET

ECARTES = {"vanished", "obsolete"}


def texte(element):
    """The text of a source or translation; Qt writes the characters XML cannot hold, such as
    a carriage return, as <byte value="xd"/>."""
    morceaux = [element.text or ""]
    for enfant in element:
        if enfant.tag == "byte":
            valeur = enfant.get("value", "")
            morceaux.append(chr(int(valeur[1:], 16) if valeur.startswith("x") else int(valeur)))
        morceaux.append(enfant.tail or "")
    return "".join(morceaux)


def lit(chemin, catalogue):
    textes, sans_commentaire = {}, set()
    for contexte in ET.parse(chemin).getroot().iter("context"):
        nom = contexte.findtext("name", "")
        for message in contexte.iter("message"):
            if message.get("numerus") == "yes":
                sys.exit(f"{chemin}: {nom}: plural forms are not looked up by the page")
            source, traduction = message.find("source"), message.find("translation")
            if source is None or traduction is None or traduction.get("type") in ECARTES:
                continue
            traduit, cle = texte(traduction), (nom, texte(source))
            if not traduit or cle in sans_commentaire:
                continue
            if message.find("comment") is None:
                textes[cle] = traduit
                sans_commentaire.add(cle)
            else:
                textes.setdefault(cle, traduit)
    for (nom, source), traduit in textes.items():
        catalogue.setdefault(nom, {}).setdefault(source, traduit)


def main():
    if len(sys.argv) < 3:
        sys.exit("usage: catalogue.py SORTIE.json CATALOGUE.ts...")
    catalogue = {}
    for chemin in sorted(sys.argv[2:], key=os.path.basename):
        lit(chemin, catalogue)
    with open(sys.argv[1], "w", encoding="utf-8") as sortie:
        json.dump(catalogue, sortie, ensure_ascii=False, sort_keys=True, indent=1)
        sortie.write("\n")


if __name__ == "__main__":
    main()
