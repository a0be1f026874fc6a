#!/usr/bin/python3
"""Checks that catalogue.py gives the page exactly the translations the window has: those in
the .qm catalogues lrelease builds, read back with lconvert, on the program's catalogues and
on one made of every kind of message.
    verifie-catalogue.py LRELEASE LCONVERT DOSSIER_QM CATALOGUE.ts..."""

import ast
import json
import os
import subprocess
import sys
import tempfile

ICI = os.path.dirname(os.path.abspath(__file__))

# The kinds of message a catalogue can hold, as Qt Linguist writes them.
MESSAGES = """
<message><source>fini</source><translation>done</translation></message>
<message><source>identique</source><translation>identique</translation></message>
<message><source>pas fini</source><translation type="unfinished">not done</translation></message>
<message><source>à faire</source><translation type="unfinished"></translation></message>
<message><source>vide</source><translation></translation></message>
<message><source>disparu</source><translation type="vanished">gone</translation></message>
<message><source>périmé</source><translation type="obsolete">stale</translation></message>
<message><source>seul</source><comment>menu</comment><translation>alone</translation></message>
<message><source>deux</source><comment>menu</comment><translation>two, menu</translation></message>
<message><source>deux</source><comment>bouton</comment><translation>two, button</translation></message>
<message><source>mixte</source><comment>menu</comment><translation>mixed, menu</translation></message>
<message><source>mixte</source><translation>mixed</translation></message>
<message><source>a<byte value="xd"/>b</source><translation>A<byte value="xd"/>B</translation></message>
"""


def lu_des_qm(lconvert, qms):
    """{(context, source): translation} the window finds in its .qm files, the first file by
    name first, read through the gettext form lconvert writes (msgctxt "context|comment")."""
    textes = {}
    for qm in sorted(qms, key=os.path.basename):
        po = subprocess.run([lconvert, "-i", qm, "-of", "po", "-o", "-"], check=True,
                            capture_output=True, text=True).stdout
        for bloc in po.split("\n\n"):
            champs, cle = {}, None
            for ligne in bloc.splitlines():
                if ligne.startswith("msg"):
                    cle, _, ligne = ligne.partition(" ")
                    champs[cle] = ""
                if cle and ligne.startswith('"'):
                    champs[cle] += ast.literal_eval(ligne)
            contexte, barre, commentaire = champs.get("msgctxt", "").partition("|")
            if barre and not commentaire and champs["msgstr"]:
                textes.setdefault((contexte, champs["msgid"]), champs["msgstr"])
    return textes


def lu_du_json(dossier, ts):
    sortie = os.path.join(dossier, "obtenu.json")
    subprocess.run([sys.executable, os.path.join(ICI, "catalogue.py"), sortie] + ts, check=True)
    with open(sortie, encoding="utf-8") as f:
        return {(c, s): t for c, textes in json.load(f).items() for s, t in textes.items()}


def compare(nom, attendus, obtenus):
    for cle in sorted(attendus.items() - obtenus.items()):
        print(f"{nom}: missing {cle}")
    for cle in sorted(obtenus.items() - attendus.items()):
        print(f"{nom}: not in the window's catalogue {cle}")
    return bool(attendus) and attendus == obtenus


def main():
    lrelease, lconvert, dossier_qm, ts = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    with tempfile.TemporaryDirectory() as dossier:
        essai = os.path.join(dossier, "essai.ts")
        with open(essai, "w", encoding="utf-8") as f:
            f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n'
                    '<TS version="2.1" language="en" sourcelanguage="fr">\n'
                    f"<context><name>Essai</name>{MESSAGES}</context>\n</TS>\n")
        qm = os.path.join(dossier, "essai.qm")
        subprocess.run([lrelease, "-silent", essai, "-qm", qm], check=True)
        bons = compare("every kind of message", lu_des_qm(lconvert, [qm]),
                       lu_du_json(dossier, [essai]))
        qms = [os.path.join(dossier_qm, os.path.basename(t)[:-3] + ".qm") for t in ts]
        bons = compare("the program's catalogues", lu_des_qm(lconvert, qms),
                       lu_du_json(dossier, ts)) and bons
    sys.exit(0 if bons else 1)


if __name__ == "__main__":
    main()
