#!/bin/sh
# Every page of every example drawn by two builds of the program, PNG and PDF, in French and
# in English, with the mask, a browsed series, a mean, the JSON and the CSVs, compared byte
# for byte (a PDF without its creation date): the proof that a change of the code leaves
# every output as it was.
#   scripts/compare-sorties.sh ANCIEN_PROGRAMME NOUVEAU_PROGRAMME
set -eu
ancien=$1
nouveau=$2
dossier=$(mktemp -d)
trap 'rm -rf "$dossier"' EXIT
# Qt orders a PDF's fonts by a hash seeded anew in each process, unless the seed is fixed.
export QT_QPA_PLATFORM=offscreen QT_HASH_SEED=0
differences=0
sorties=0

# deux EXTENSION ARGUMENTS...: both programs; @ in the arguments stands for the output file
# (standard output is the output when there is none). The messages are compared too.
deux() {
    extension=$1
    shift
    for cote in ancien nouveau; do
        eval programme=\$$cote
        sortie=$dossier/$cote.$extension
        arguments=""
        fichier=non
        for a in "$@"; do
            [ "$a" = @ ] && a=$sortie && fichier=oui
            arguments="$arguments '$a'"
        done
        if [ $fichier = oui ]; then
            eval "\"\$programme\" $arguments" >"$dossier/$cote.messages" 2>&1 || true
        else
            eval "\"\$programme\" $arguments" >"$sortie" 2>"$dossier/$cote.messages" || true
        fi
        [ "$extension" = pdf ] && [ -f "$sortie" ] && sed -i '/^\/CreationDate/d' "$sortie"
    done
    sorties=$((sorties + 1))
    for f in $extension messages; do
        # A file neither wrote (a refused command) is alike.
        [ -f "$dossier/ancien.$f" ] || [ -f "$dossier/nouveau.$f" ] || continue
        if ! cmp -s "$dossier/ancien.$f" "$dossier/nouveau.$f"; then
            echo "DIFFÉRENT ($f) : $*"
            differences=$((differences + 1))
        fi
    done
    rm -f "$dossier"/ancien.* "$dossier"/nouveau.*
}

for langue in fr en; do
    for exemple in examples/*.bdc; do
        for page in caracteristiques feuille mesures nouvellesmesures editionmesures bulletin \
            analyse historique ombres; do
            deux png --langue $langue --png @ --page $page "$exemple"
            deux pdf --langue $langue --pdf @ --page $page "$exemple"
        done
        deux pdf --langue $langue --pdf @ --page masque "$exemple"
        deux png --langue $langue --png @ --page bulletin --series 1 "$exemple"
        deux png --langue $langue --png @ --page bulletin --moyenne 1,2 "$exemple"
        deux json --langue $langue --json "$exemple"
        deux csv --langue $langue --csv "$exemple"
        deux csv --langue $langue --csv --historique "$exemple"
    done
done
echo "$sorties sorties comparées, $differences différentes"
[ "$differences" -eq 0 ]
