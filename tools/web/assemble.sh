#!/bin/sh
# Lays out the web page's site: the front end of src/web/site, the browser build, the desktop's
# own pictures and fonts, the help and the English catalogue, then the list of its files for
# the service worker. The site is made anew each time, so that it holds nothing else.
#   tools/web/assemble.sh IMAGES_WEB CONSTRUCTION
# IMAGES_WEB is the desktop build's tarvo_images_web, CONSTRUCTION the browser's build folder;
# the site is CONSTRUCTION/site.
set -eu
if [ $# -ne 2 ] || [ -z "$2" ]; then
    echo "usage : tools/web/assemble.sh IMAGES_WEB CONSTRUCTION" >&2
    exit 2
fi
images_web=$1
construction=$2
racine=$(cd "$(dirname "$0")/../.." && pwd)
site=$construction/site

# The font the desktop's fontconfig gives for a pattern, under the name the page loads; another
# family in its place (Liberation missing) would draw other letters, so it stops there.
police() {
    fichier=$(fc-match -f '%{file}' "$1")
    if [ "$(basename "$fichier")" != "$2" ]; then
        echo "fontconfig donne $fichier pour « $1 », pas $2" >&2
        exit 1
    fi
    cp "$fichier" "$site/fonts/$2"
}

rm -rf "$site"
mkdir -p "$site/fonts" "$site/catalogue"
if [ -d "$racine/src/web/site" ]; then cp -R "$racine/src/web/site/." "$site/"; fi
cp "$construction/src/web/tarvo_web.js" "$construction/src/web/tarvo_web.wasm" "$site/"
"$images_web" "$site/images"
police 'Liberation Sans' LiberationSans-Regular.ttf
police 'Liberation Sans:bold' LiberationSans-Bold.ttf
cp -R "$racine/help" "$site/help"
/usr/bin/python3 "$racine/tools/web/catalogue.py" "$site/catalogue/en.json" \
    "$racine"/translations/*.ts
/usr/bin/python3 "$racine/tools/web/fichiers.py" "$site"
echo "Site : $site"
