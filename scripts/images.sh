#!/bin/sh
# The pictures of the README's guide, drawn by the program itself from the examples:
#   scripts/images.sh PROGRAMME DOSSIER
set -eu
# French number formats, as the users see them.
export LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8
programme="$1"
dossier="$2"
mkdir -p "$dossier"
exemple="examples/miroir-200-f6.bdc"
for page in caracteristiques feuille mesures nouvellesmesures editionmesures bulletin analyse; do
    "$programme" --png "$dossier/$page.png" --page "$page" "$exemple"
done
"$programme" --png "$dossier/bulletin-trou.png" --page bulletin examples/miroir-300-f5-trou.bdc
"$programme" --png "$dossier/mesures-serie-1.png" --page mesures --series 1 "$exemple"
"$programme" --png "$dossier/historique.png" --page historique "$exemple"
"$programme" --png "$dossier/moyenne.png" --page bulletin --moyenne 2,3 "$exemple"
"$programme" --png "$dossier/ombres.png" --page ombres "$exemple"
# The mask is paper only: its PDF, drawn as a picture where poppler's pdftoppm is at hand.
if command -v pdftoppm >/dev/null 2>&1; then
    masque=$(mktemp -d)
    "$programme" --pdf "$masque/masque.pdf" --page masque "$exemple"
    pdftoppm -r 50 -png -singlefile "$masque/masque.pdf" "$dossier/masque"
    rm -rf "$masque"
else
    echo "pdftoppm absent (paquet poppler-utils) : image du masque non refaite"
fi
echo "Images écrites dans $dossier"
