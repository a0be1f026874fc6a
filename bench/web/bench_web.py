#!/usr/bin/python3
"""The web page's figures, measured in headless Chromium on 127.0.0.1 (performance.now() in
the page), beside the desktop's for the same work measured in the same run:
  bench/web/bench_web.py DESKTOP_BUILD WEB_SITE
- the page's program: .wasm + .js before compression;
- the first page shown after it is asked for, cold cache (a new browser profile, no service
  worker yet), against the desktop program started to its first page (bench_lancement);
- a keystroke to the report redrawn: Enter on the series' diameter of the report (199 and 200
  in turn), which validates the value and draws the report again, against the desktop's
  BM_EntreeDiametreBulletin (bench_saisie)."""

import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tests', 'web'))
from navigateur import Navigateur, Site  # noqa: E402

SOURCES = os.path.abspath(os.path.join(os.path.dirname(__file__), '..', '..'))


def bureau(construction):
    """The desktop's figures: start to the first page (ms), Enter on the report (ms)."""
    env = dict(os.environ, QT_QPA_PLATFORM='offscreen')
    departs = []
    for _ in range(5):
        debut = time.perf_counter()
        subprocess.run([os.path.join(construction, 'bench', 'bench_lancement')],
                       capture_output=True, env=env, check=True)
        departs.append(1000 * (time.perf_counter() - debut))
    sortie = subprocess.run([os.path.join(construction, 'bench', 'bench_saisie'),
                             '--benchmark_filter=BM_EntreeDiametreBulletin',
                             '--benchmark_format=csv'], capture_output=True, text=True, env=env)
    ligne = [l for l in sortie.stdout.splitlines() if l.startswith('"BM_EntreeDiametreBulletin')][0]
    valeurs = ligne.split(',')
    unite = valeurs[4]
    temps = float(valeurs[2]) / (1000 if unite == 'us' else 1000000 if unite == 'ns' else 1)
    return statistics.median(departs), temps


def principal():
    construction, site_ = sys.argv[1], sys.argv[2]
    taille = sum(os.path.getsize(os.path.join(site_, f)) for f in ('tarvo_web.wasm', 'tarvo_web.js'))
    site = Site(site_, os.path.join(SOURCES, 'examples'))
    adresse = site.adresse('index.html?doc=exemples/miroir-200-f6.bdc&page=bulletin&langue=fr')
    premieres = []
    try:
        for _ in range(5):
            n = Navigateur()
            try:
                n.ouvre(adresse)
                premieres.append(n.js("return performance.now();"))
            finally:
                n.ferme()
        n = Navigateur()
        try:
            n.ouvre(adresse)
            n.calme()
            # The editor on the series' diameter of the report, as a click on the value puts it.
            n.js('window.tarvo.evenement("tarvo_clic", ["number", "number"], [170, 96]);')
            n.calme()
            assert n.js("return document.getElementById('saisie').classList.contains('visible')")
            touches = n.js_async('''
              const fin = arguments[arguments.length - 1];
              const temps = [];
              (async () => {
                for (let i = 0; i < 60; ++i) {
                  window.tarvo.front.fixeTexteSaisie(i % 2 ? '199' : '200');
                  const t = performance.now();
                  await window.tarvo.evenement('tarvo_touche_saisie', ['number', 'number'], [6, 13], 'number');
                  temps.push(performance.now() - t);
                  await window.tarvo.evenement('tarvo_clic', ['number', 'number'], [170, 96]);
                }
                fin(temps);
              })();''')
        finally:
            n.ferme()
    finally:
        site.ferme()
    depart, touche = bureau(construction)
    print(f"Page : .wasm + .js = {taille / 1e6:.2f} Mo (avant compression ; borne 3 Mo)")
    print(f"Première page montrée, cache vide : {statistics.median(premieres):.0f} ms (médiane de 5 ; "
          f"borne 1000 ms) ; bureau, démarrage jusqu'à la première page : {depart:.0f} ms")
    print(f"Touche jusqu'au bulletin redessiné : {statistics.median(touches):.2f} ms (médiane de 60, "
          f"min {min(touches):.2f} ; borne 4 ms) ; bureau : {touche:.2f} ms")


if __name__ == '__main__':
    principal()
