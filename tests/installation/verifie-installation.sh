#!/bin/sh
# Installs a build under /usr in a temporary root, as the Debian package does, and checks
# that every file lies where the desktop looks for it and that the desktop's own tools
# accept the desktop entry, the metainfo and the MIME type.
#   verifie-installation.sh BUILD SOURCES ID
set -eu
build=$1
sources=$2
id=$3
mime=application/x-tarvo-bdc
racine=$(mktemp -d)
trap 'rm -rf "$racine"' EXIT
echec() {
    echo "ÉCHEC : $*" >&2
    exit 1
}

DESTDIR="$racine" cmake --install "$build" --prefix /usr >"$racine/install.log" ||
    { cat "$racine/install.log"; echec "cmake --install"; }
usr=$racine/usr
share=$usr/share

[ -x "$usr/bin/tarvo" ] || echec "pas de programme bin/tarvo"
# The program finds its help at ../share/tarvo/help from its own folder, the English pages
# in its folder en.
aide=$usr/bin/../share/tarvo/help
for page in $(cd "$sources/help" && find . -type f); do
    [ -f "$aide/$page" ] || echec "aide : ${page#./}"
done
[ -f "$aide/en/index.html" ] || echec "aide : en/index.html"

bureau=$share/applications/$id.desktop
meta=$share/metainfo/$id.metainfo.xml
paquet_mime=$share/mime/packages/$id.xml
svg=$share/icons/hicolor/scalable/apps/$id.svg
for f in "$bureau" "$meta" "$paquet_mime" "$svg"; do
    [ -f "$f" ] || echec "absent : ${f#"$racine"}"
done
xmllint --noout "$svg" "$meta" "$paquet_mime" || echec "XML mal formé"

# Every PNG icon has the size its folder says (width and height are bytes 17 to 24).
for taille in 16 22 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${taille}x${taille}/apps/$id.png
    [ -f "$png" ] || echec "absent : ${png#"$racine"}"
    attendu=$(printf '%08x%08x' "$taille" "$taille")
    lu=$(od -A n -t x1 -j 16 -N 8 "$png" | tr -d ' \n')
    [ "$lu" = "$attendu" ] || echec "icône $taille : $lu au lieu de $attendu"
done

desktop-file-validate "$bureau" || echec "desktop-file-validate"
grep -qx "Exec=tarvo %f" "$bureau" || echec "Exec"
grep -qx "Icon=$id" "$bureau" || echec "Icon"
grep -qx "MimeType=$mime;" "$bureau" || echec "MimeType"
appstreamcli validate --no-net "$meta" || echec "appstreamcli validate"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$meta" || echec "launchable"

# The MIME database built from the installed tree alone gives *.bdc its type and comment.
update-mime-database "$share/mime" >"$racine/mime.log" 2>&1 ||
    { cat "$racine/mime.log"; echec "update-mime-database"; }
grep -q "^[0-9]*:$mime:\*\.bdc$" "$share/mime/globs2" || echec "motif *.bdc"
grep -q "<comment>Bulletin de contrôle Tarvo</comment>" "$share/mime/$mime.xml" ||
    echec "commentaire du type $mime"

# The manual pages read without a warning; the completion offers the options and the pages.
for page in "$share/man/man1/tarvo.1" "$share/man/fr/man1/tarvo.1"; do
    [ -f "$page" ] || echec "absent : ${page#"$racine"}"
    avertissements=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$avertissements" ] || echec "page de manuel ${page#"$racine"} : $avertissements"
done
completion=$share/bash-completion/completions/tarvo
[ -f "$completion" ] || echec "absent : ${completion#"$racine"}"
propose() {
    bash -c '. "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tarvo; echo "${COMPREPLY[*]}"' \
        _ "$completion" "$@"
}
[ "$(propose tarvo --page hi)" = "historique" ] || echec "complétion de --page"
[ "$(propose tarvo --lan)" = "--langue" ] || echec "complétion des options"
[ "$(propose tarvo --langue e)" = "en" ] || echec "complétion de --langue"

# The installed program runs: a page of the example drawn without a window.
QT_QPA_PLATFORM=offscreen "$usr/bin/tarvo" --png "$racine/bulletin.png" --page bulletin \
    "$sources/examples/miroir-200-f6.bdc" || echec "tarvo --png"
[ -s "$racine/bulletin.png" ] || echec "pas de page dessinée"
echo "Installation complète sous $usr"
