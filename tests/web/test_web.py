#!/usr/bin/python3
"""The web page in a real browser (Debian's Chromium, headless, on 127.0.0.1), against the
desktop program of the same tree:
  test_web.py DESKTOP_BUILD WEB_SITE
Every page of the examples as the desktop draws it; a whole mirror typed and saved, byte for
byte as the desktop saves it; the working document kept through a killed tab, the page
started with the network cut; the Couder mask printed at true size; the refusals of bad
documents."""

import base64
import json
import os
import subprocess
import sys
import tempfile
import time
import unittest

from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from navigateur import Navigateur, Site, png_du_bureau  # noqa: E402

ICI = os.path.dirname(os.path.abspath(__file__))
SOURCES = os.path.dirname(os.path.dirname(ICI))
BUREAU = SITE = None
EXEMPLES = ['miroir-200-f6', 'miroir-300-f5-trou', 'kestran', 'ancien-v1']
PAGES = ['caracteristiques', 'feuille', 'mesures', 'bulletin', 'analyse', 'historique', 'ombres']
# The measure of "nearly the same pixels": a pixel differs when no pixel of the other picture
# within one pixel around is within 64 levels in every channel (text is anti-aliased by
# another engine; a page laid out otherwise moves whole lines and words). The bound: 1 % of
# the pixels compared.
SEUIL = 64
BORNE = 0.01


# Without the File System Access pickers, which a headless browser cannot show: the page
# asks for a name in its own box and keeps the saved document in its storage.
SANS_SELECTEURS = 'delete window.showOpenFilePicker; delete window.showSaveFilePicker;'


def joue(n, script):
    """A typing script (the desktop's tarvo_rejoue reads the same) played in the page."""
    noms = n.js('return JSON.parse(window.tarvo.texteDuProgramme("tarvo_description"))'
                '.actions.map(a => a.nom);')
    nom = None
    touches = {'PageUp': Keys.PAGE_UP, 'PageDown': Keys.PAGE_DOWN, 'Up': Keys.UP,
               'Down': Keys.DOWN, 'Left': Keys.LEFT, 'Right': Keys.RIGHT,
               'Ctrl+D': Keys.CONTROL + 'd', 'Ctrl+L': Keys.CONTROL + 'l'}
    with open(script, encoding='utf-8') as f:
        lignes = f.read().splitlines()
    for ligne in lignes:
        verbe, _, reste = ligne.partition(' ')
        if verbe == 'tape':
            n.saisie().send_keys(reste.replace('\\r', Keys.ENTER))
        elif verbe == 'touche':
            n.saisie().send_keys(touches[reste])
        elif verbe == 'nom':
            nom = reste
        elif verbe == 'action':
            n.js('window.tarvo.action(arguments[0]);', noms.index(reste))
        elif verbe == 'clic':
            x, y = reste.split()
            n.js('window.tarvo.evenement("tarvo_clic", ["number", "number"], [+arguments[0], +arguments[1]]);', x, y)
        n.calme()
        # Each box answered as the desktop's replay answers it: the name asked for, or the
        # default button.
        while n.boite() is not None:
            champ = n.js("return document.querySelector('#boites .fond input[type=text]') !== null;")
            if champ:
                n.js("document.querySelector('#boites .fond input[type=text]').value = arguments[0];", nom)
            n.repond('Enter')
            n.calme()


class Navigation(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.site = Site(SITE, os.path.join(SOURCES, 'examples'))

    @classmethod
    def tearDownClass(cls):
        cls.site.ferme()

    def navigateur(self, **options):
        n = Navigateur(**options)
        self.addCleanup(n.ferme)
        return n


class Pages(Navigation):
    def test_chaque_page_des_exemples_comme_le_bureau(self):
        n = self.navigateur()
        with open(os.path.join(ICI, 'comparaison.js')) as f:
            comparaison = f.read()
        for exemple in EXEMPLES:
            for page in PAGES:
                with self.subTest(exemple=exemple, page=page):
                    reference = f'bureau-{exemple}-{page}.png'
                    png_du_bureau(BUREAU, page, os.path.join(SOURCES, 'examples', exemple + '.bdc'),
                                  os.path.join(self.site.racine, reference))
                    n.ouvre(self.site.adresse(f'index.html?doc=exemples/{exemple}.bdc&page={page}&langue=fr'))
                    n.calme()
                    r = n.js_async(comparaison, reference, SEUIL)
                    self.assertEqual(r['web'], r['bureau'])
                    self.assertLessEqual(r['differents'], BORNE * r['compares'],
                                         f"{r['differents']} pixels sur {r['compares']} : {r['exemples']}")


class Saisie(Navigation):
    def test_un_miroir_tape_donne_les_octets_du_bureau(self):
        script = os.path.join(ICI, 'miroir-tape.txt')
        with tempfile.TemporaryDirectory() as dossier:
            subprocess.run([os.path.join(os.path.dirname(BUREAU), 'tests', 'web', 'tarvo_rejoue'),
                            script, dossier], check=True,
                           env=dict(os.environ, QT_QPA_PLATFORM='offscreen', LC_ALL='fr_FR.UTF-8',
                                    XDG_CONFIG_HOME=dossier))
            with open(os.path.join(dossier, 'essai.bdc'), 'rb') as f:
                attendu = f.read()
        n = self.navigateur()
        n.d.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': SANS_SELECTEURS})
        n.ouvre(self.site.adresse('index.html?langue=fr'))
        joue(n, script)
        octets = n.js_async('const fin = arguments[arguments.length - 1];'
                            'import("./stockage.js").then(s => s.lit("/documents/essai.bdc"))'
                            '.then(o => fin(o ? btoa(String.fromCharCode(...o)) : null));')
        self.assertIsNotNone(octets, 'rien d\'enregistré')
        self.assertEqual(base64.b64decode(octets), attendu)


def principal():
    global BUREAU, SITE
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    BUREAU = os.path.abspath(os.path.join(sys.argv[1], 'tarvo'))
    SITE = os.path.abspath(sys.argv[2])
    programme = unittest.main(argv=[sys.argv[0]] + sys.argv[3:], exit=False, verbosity=2)
    return 0 if programme.result.wasSuccessful() else 1


if __name__ == '__main__':
    sys.exit(principal())
