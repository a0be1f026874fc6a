#!/bin/bash
# The program's outputs are whole or absent: a page, the mask, a table on standard output,
# each on a device, a folder, a full disk or a closed output, fails with status 1 and a
# message naming the file and the reason, and leaves nothing; a reader that stops early
# ends the program quietly.
#   sorties-entieres.sh PROGRAMME SOURCES
set -u
programme=$1
exemple=$2/examples/miroir-200-f6.bdc
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 LANG=C.UTF-8
dossier=$(mktemp -d)
trap 'umount "$dossier/plein" 2>/dev/null; rm -rf "$dossier"' EXIT
echecs=0
echec() {
    echo "ÉCHEC : $*" >&2
    echecs=$((echecs + 1))
}

# attend STATUT MOTIF COMMANDE...: the status, and MOTIF in standard error (empty: none).
attend() {
    statut=$1
    motif=$2
    shift 2
    "$@" 2>"$dossier/erreurs"
    lu=$?
    [ "$lu" -eq "$statut" ] || echec "$* : statut $lu au lieu de $statut"
    if [ -z "$motif" ]; then
        [ -s "$dossier/erreurs" ] && echec "$* : message inattendu : $(cat "$dossier/erreurs")"
    else
        grep -qF -- "$motif" "$dossier/erreurs" || echec "$* : « $motif » absent de : $(cat "$dossier/erreurs")"
    fi
}

mkdir "$dossier/un-dossier"
for page in bulletin masque; do
    attend 1 "« /dev/full » : ce n'est pas un fichier ordinaire." \
        "$programme" --pdf /dev/full --page $page "$exemple"
done
attend 1 "« $dossier/un-dossier » : c'est un dossier." \
    "$programme" --png "$dossier/un-dossier" --page bulletin "$exemple"
attend 1 "« $dossier/absent/p.pdf » : son dossier n'existe pas." \
    "$programme" --pdf "$dossier/absent/p.pdf" --page feuille "$exemple"
for commande in "--csv" "--json" "--csv --historique" "--help" "--version"; do
    # shellcheck disable=SC2086
    attend 1 "impossible d'écrire la sortie standard : le disque est plein" \
        sh -c "exec \"\$0\" $commande \"\$1\" >/dev/full" "$programme" "$exemple"
    # shellcheck disable=SC2086
    attend 1 "impossible d'écrire la sortie standard : la sortie est fermée" \
        sh -c "exec \"\$0\" $commande \"\$1\" >&-" "$programme" "$exemple"
done
# A reader gone before the table is written: ended as SIGPIPE ends a tool, without a word.
"$programme" --json "$exemple" 2>"$dossier/erreurs" | (exec 0<&-; sleep 1)
statut=${PIPESTATUS[0]}
[ "$statut" -eq 141 ] || echec "lecteur parti : statut $statut au lieu de 141"
[ -s "$dossier/erreurs" ] && echec "lecteur parti : message inattendu : $(cat "$dossier/erreurs")"

# A disk too small for the page: a real one where this test may mount it, else a limit on
# the size of the files the program writes. The page there before stays as it was, alone.
mkdir "$dossier/plein"
if mount -t tmpfs -o size=16k tarvo "$dossier/plein" 2>/dev/null; then
    raison="le disque est plein"
    limite=unlimited
else
    raison="le fichier dépasse la taille permise"
    limite=16
fi
printf 'ANCIEN' >"$dossier/plein/p.pdf"
attend 1 "« $dossier/plein/p.pdf » : $raison." \
    bash -c "trap '' XFSZ; ulimit -f $limite; exec \"\$0\" --pdf \"\$1\" --page bulletin \"\$2\"" \
    "$programme" "$dossier/plein/p.pdf" "$exemple"
[ "$(cat "$dossier/plein/p.pdf")" = ANCIEN ] || echec "disque plein : la page d'avant a changé"
[ "$(ls -A "$dossier/plein")" = p.pdf ] || echec "disque plein : il reste $(ls -A "$dossier/plein")"

# And where there is room, the page is written in place of the old one.
umount "$dossier/plein" 2>/dev/null
attend 0 "" "$programme" --pdf "$dossier/plein/p.pdf" --page bulletin "$exemple"
head -c 5 "$dossier/plein/p.pdf" | grep -q '%PDF-' || echec "la page n'a pas remplacé l'ancienne"

[ "$echecs" -eq 0 ] && echo "Sorties entières ou absentes : tout est vérifié"
[ "$echecs" -eq 0 ]
