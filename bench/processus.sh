#!/bin/sh
# Whole-process figures of the program: the cold start to the first page painted in the main
# window (the example document), and the peak resident memory with a document of 1,000 and
# of 10,000 series open. Each is the median of several runs on Qt's offscreen platform.
#   bench/processus.sh [BUILD_DIR] [RUNS]
set -eu
construction="${1:-build}"
essais="${2:-11}"
lanceur="$construction/bench/bench_lancement"
configuration="$(mktemp -d)"
trap 'rm -rf "$configuration"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$configuration"

mediane() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

mesure() {
    "$lanceur" "$@" > /dev/null 2>&1 # warm-up, and the large document written once
    i=0
    while [ "$i" -lt "$essais" ]; do
        debut=$(date +%s%N)
        memoire=$("$lanceur" "$@" 2>/dev/null | sed -n 's/.*memoire_max_ko \([0-9]*\).*/\1/p')
        fin=$(date +%s%N)
        echo "$(( (fin - debut) / 1000000 )) $memoire"
        i=$((i + 1))
    done
}

exemple=$(mesure)
gros=$(mesure --gros)
tresgros=$(mesure --gros 10000)
echo "Démarrage jusqu'à la première page (ms, médiane de $essais) : $(echo "$exemple" | cut -d' ' -f1 | mediane)"
echo "Mémoire résidente, exemple (Mo, médiane) : $(echo "$exemple" | cut -d' ' -f2 | mediane | awk '{ printf "%.1f", $1 / 1024 }')"
echo "Démarrage sur 1 000 séries (ms, médiane) : $(echo "$gros" | cut -d' ' -f1 | mediane)"
echo "Mémoire résidente, 1 000 séries (Mo, médiane) : $(echo "$gros" | cut -d' ' -f2 | mediane | awk '{ printf "%.1f", $1 / 1024 }')"
echo "Démarrage sur 10 000 séries (ms, médiane) : $(echo "$tresgros" | cut -d' ' -f1 | mediane)"
echo "Mémoire résidente, 10 000 séries (Mo, médiane) : $(echo "$tresgros" | cut -d' ' -f2 | mediane | awk '{ printf "%.1f", $1 / 1024 }')"
