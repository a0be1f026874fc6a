#!/bin/sh
# Brings the English catalogues' sources up to date with the texts marked in the code: each
# part of the program has its catalogue (translations/tarvo_en_PART.ts); new texts arrive
# unfinished, for a translator to fill with Qt Linguist or by hand.
#   scripts/catalogues.sh
set -eu
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
maj() {
    catalogue=$1
    shift
    "$lupdate" -tr-function-alias translate+=Traduit,QT_TRANSLATE_NOOP+=TARVO_NOOP \
        -locations none -no-obsolete -source-language fr -target-language en "$@" \
        -ts "translations/tarvo_en_$catalogue.ts"
}
maj pages src/pages $(find src/optics -name '*.cpp' ! -name MoyenneSeries.cpp; find src/optics -name '*.h')
maj programme $(find src/app -name '*.cpp' ! -name Actions.cpp ! -name MetAJourActions.cpp; find src/app -name '*.h') src/entry src/document src/optics/MoyenneSeries.cpp
maj fenetre src/shell src/app/Actions.cpp src/app/MetAJourActions.cpp
maj commande src/cli src/posix src/main.cpp
