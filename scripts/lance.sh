#!/bin/sh
# Starts the program on the bundled example. Without a display, says so and draws the
# example's characteristics page to PDF and PNG instead, beside the program.
set -e
programme="$1"
exemple="examples/miroir-200-f6.bdc"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$programme" "$exemple"
fi

echo "Pas d'affichage graphique (ni DISPLAY ni WAYLAND_DISPLAY) : la fenêtre ne peut pas s'ouvrir."
echo "La page des caractéristiques de l'exemple est écrite en PDF et en PNG à la place."
dossier="$(dirname "$programme")/rendu"
mkdir -p "$dossier"
pdf="$dossier/miroir-200-f6-caracteristiques.pdf"
png="$dossier/miroir-200-f6-caracteristiques.png"
"$programme" --pdf "$pdf" --page caracteristiques "$exemple"
"$programme" --png "$png" --page caracteristiques "$exemple"
echo "PDF : $pdf"
echo "PNG : $png"
