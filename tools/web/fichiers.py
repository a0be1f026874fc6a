#!/usr/bin/python3
"""Lists every file of the web page's site for its service worker, which caches exactly these
under the version's name, so that any change of any file makes a new cache:
    fichiers.py SITE
writes SITE/fichiers.json = {"version": "16 hex digits", "fichiers": ["path", ...]}, the paths
relative to the site and sorted, the list itself left out."""

import hashlib
import json
import os
import sys

LISTE = "fichiers.json"


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: fichiers.py SITE")
    site = sys.argv[1]
    chemins = sorted(
        os.path.relpath(os.path.join(dossier, nom), site).replace(os.sep, "/")
        for dossier, _, noms in os.walk(site) for nom in noms)
    chemins = [chemin for chemin in chemins if chemin != LISTE]
    # The names count as well as the contents: a file moved is another site.
    empreinte = hashlib.sha256()
    for chemin in chemins:
        with open(os.path.join(site, chemin), "rb") as f:
            contenu = hashlib.sha256(f.read()).hexdigest()
        empreinte.update(f"{chemin}\0{contenu}\n".encode())
    with open(os.path.join(site, LISTE), "w", encoding="utf-8") as sortie:
        json.dump({"version": empreinte.hexdigest()[:16], "fichiers": chemins}, sortie,
                  ensure_ascii=False, indent=1)
        sortie.write("\n")


if __name__ == "__main__":
    main()
