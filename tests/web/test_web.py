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
import shutil
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
            n.repond()
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


def rejoue(script, dossier, document=None):
    """The desktop window replaying a script; the message boxes it answered."""
    arguments = [os.path.join(os.path.dirname(BUREAU), 'tests', 'web', 'tarvo_rejoue'), script, dossier]
    if document:
        arguments.append(document)
    sortie = subprocess.run(arguments, check=True, capture_output=True, text=True,
                            env=dict(os.environ, QT_QPA_PLATFORM='offscreen', LC_ALL='fr_FR.UTF-8',
                                     XDG_CONFIG_HOME=dossier))
    return sortie.stdout.splitlines()


def boites_vues(n):
    """The boxes the page showed since it started, answered with their default button."""
    vues = []
    while True:
        n.calme()
        texte = n.js("const b = document.querySelector('#boites .fond');"
                     "return b ? b.querySelector('.titre').textContent + '|' + b.querySelector('.texte').textContent : null;")
        if texte is None:
            return vues
        vues.append(texte)
        n.repond()


class Reprise(Navigation):
    def test_un_document_modifie_survit_a_un_onglet_tue(self):
        profil = tempfile.mkdtemp(prefix='tarvo-profil-')
        n = Navigateur(profil=profil)
        try:
            n.ouvre(self.site.adresse('index.html?langue=fr'))
            n.saisie().send_keys("Miroir perdu" + Keys.ENTER + "150" + Keys.ENTER)
            n.calme()
            time.sleep(0.6)
        finally:
            # Killed, as a crash or a closed tab leaves it: nothing runs at its end.
            subprocess.run(['pkill', '-9', '-f', 'user-data-dir=' + profil])
            n.service.stop()
        n = self.navigateur(profil=profil)
        self.addCleanup(shutil.rmtree, profil, True)
        n.ouvre(self.site.adresse('index.html?langue=fr'), pret=False)
        n.attend("return document.querySelector('#boites .fond') !== null")
        self.assertEqual(n.boite(), 'Le document « Sans nom » a été modifié dans une page fermée '
                                    'sans être enregistré. Voulez-vous le reprendre ?')
        n.repond()
        n.attend("return document.body.classList.contains('pret')")
        self.assertEqual(n.saisie().get_attribute('value'), 'Miroir perdu')
        # Taken back as a document with changes to save.
        self.assertEqual(n.js_async('const fin = arguments[arguments.length - 1];'
                                    'window.tarvo.evenement("tarvo_modifie", [], [], "number").then(fin);'), 1)

    def test_la_page_demarre_reseau_coupe(self):
        site = Site(SITE, os.path.join(SOURCES, 'examples'))
        n = self.navigateur()
        try:
            n.ouvre(site.adresse('index.html?doc=exemples/miroir-200-f6.bdc&page=bulletin&langue=fr'))
            n.attend('return navigator.serviceWorker.controller !== null')
        finally:
            site.ferme()
        n.d.refresh()
        n.attend("return document.body.classList.contains('pret')")
        self.assertIn('Bulletin', n.js("return document.getElementById('texte-statut').textContent + document.title") + 'Bulletin')


class Refus(Navigation):
    def test_les_mauvais_documents_ont_les_messages_du_bureau_et_rien_n_est_garde(self):
        with tempfile.TemporaryDirectory() as dossier:
            with open(os.path.join(SOURCES, 'examples', 'miroir-200-f6.bdc'), 'rb') as f:
                tronque = f.read()[:700]
            fichiers = {'pas-un-document.bdc': b'Liste des courses\r\nPain\r\n',
                        'tronque.bdc': tronque}
            for nom, octets in fichiers.items():
                with open(os.path.join(dossier, nom), 'wb') as f:
                    f.write(octets)
            os.mkdir(os.path.join(dossier, 'dossier.bdc'))
            vide = os.path.join(dossier, 'vide.txt')
            open(vide, 'w').close()
            for nom in ['pas-un-document.bdc', 'tronque.bdc', 'dossier.bdc']:
                with self.subTest(nom=nom):
                    chemin = os.path.join(dossier, nom)
                    if nom == 'dossier.bdc':
                        attendu = rejoue(vide, dossier, chemin)
                    else:
                        with open(os.path.join(dossier, 'script.txt'), 'w') as f:
                            f.write('ouvre ' + chemin + '\n')
                        attendu = rejoue(os.path.join(dossier, 'script.txt'), dossier)
                    n = self.navigateur()
                    n.ouvre(self.site.adresse('index.html?langue=fr'))
                    # Dropped on the page as the user drops a file or a folder from the desktop.
                    for genre in ['dragEnter', 'dragOver', 'drop']:
                        n.d.execute_cdp_cmd('Input.dispatchDragEvent', {
                            'type': genre, 'x': 200, 'y': 300,
                            'data': {'items': [], 'files': [chemin], 'dragOperationsMask': 1}})
                    self.assertEqual(boites_vues(n), attendu)
                    garde = n.js_async('const fin = arguments[arguments.length - 1];'
                                       'import("./stockage.js").then(s => s.tous()).then(t => fin(t.map(x => x[0])));')
                    self.assertEqual([g for g in garde if not g.startswith('/config/')], [])


# ---- Printing: the page's sheets as Chrome prints them, against the desktop's --pdf ----
import re  # noqa: E402

import numpy  # noqa: E402

# "Nearly the same sheet": both PDFs rasterized by pdftoppm at 600 dpi, averaged by 4 x 4 into
# the greys of 150 dpi (the engines place glyphs and dots a few 1/600 in apart: averaged out). A
# pixel differs when none within one pixel around it in the other sheet is within 64 levels; at
# most 0.5 % of the inked pixels may differ, and the ink of the sheet must agree within 1 % (a pen
# too thin or not dotted, a missing picture, a sheet scaled change these by 2 % to 95 %).
PAPIER_BORNE, ENCRE_BORNE = 0.005, 0.01
A4, A3 = (595, 842), (842, 1191)
# Each example's mask: the mirror's diameter and its sheets (README: "The test-stand aids").
MASQUES = {'ancien-v1': (150, [A4]), 'miroir-200-f6': (200, [A3]), 'kestran': (250, [A3]),
           'miroir-300-f5-trou': (300, [A4] * 5)}


def feuilles_pdf(pdf, dpi=600):
    """The sheets of a PDF as grey pictures, one row per line, 0 black."""
    brut = subprocess.run(['pdftoppm', '-r', str(dpi), '-gray', pdf], check=True, capture_output=True).stdout
    feuilles = []
    while brut:
        entete = re.match(rb'P5\s+(\d+)\s+(\d+)\s+\d+\s', brut)
        l, h = int(entete[1]), int(entete[2])
        feuilles.append(numpy.frombuffer(brut, numpy.uint8, l * h, entete.end()).reshape(h, l))
        brut = brut[entete.end() + l * h:]
    return feuilles


def tailles_pdf(pdf):
    sortie = subprocess.run(['pdfinfo', '-f', '1', '-l', '99', pdf], check=True, capture_output=True, text=True).stdout
    return [(float(l), float(h)) for l, h in re.findall(r'Page +\d+ size: +([\d.]+) x ([\d.]+)', sortie)]


def ecarts(a, b):
    """The share of the inked pixels that differ, and of ink that b adds to a."""
    h, l = min(a.shape[0], b.shape[0]) // 4 * 4, min(a.shape[1], b.shape[1]) // 4 * 4
    a, b = (x[:h, :l].reshape(h // 4, 4, l // 4, 4).mean((1, 3)) for x in (a, b))
    autour = [(slice(1 + dy, h // 4 + 1 + dy), slice(1 + dx, l // 4 + 1 + dx)) for dy in (-1, 0, 1) for dx in (-1, 0, 1)]
    pa, pb = numpy.pad(a, 1, mode='edge'), numpy.pad(b, 1, mode='edge')
    proche = numpy.logical_and.reduce([numpy.any([abs(x - p[s]) <= SEUIL for s in autour], 0) for x, p in ((a, pb), (b, pa))])
    encre = (a < 192) | (b < 192)
    return (~proche).sum() / encre.sum(), (a - b).sum() / (255 - a).sum()


def traits(ligne, pas):
    """The centres of the black runs along a row or column of a sheet, in mm."""
    noir = numpy.flatnonzero(numpy.diff(numpy.r_[0, ligne < 128, 0].astype(int)))
    return [(d + f - 1) / 2 * pas for d, f in zip(noir[::2], noir[1::2])]


class Impression(Navigation):
    def pdf(self, n, chemin):
        """The sheets the page shows instead of the print dialog, printed by Chrome at the sizes
        their @page asks: the sizes of its PDF's pages."""
        n.calme()
        n.attend("return document.querySelector('#impression.prete') !== null")
        with open(chemin, 'wb') as f:
            f.write(base64.b64decode(n.d.execute_cdp_cmd('Page.printToPDF', {'preferCSSPageSize': True})['data']))
        return tailles_pdf(chemin)

    def imprime(self, n, exemple, page, chemin):
        """The page printed as the user prints it: Ctrl+I, the mask by its link."""
        n.ouvre(self.site.adresse(f'index.html?doc=exemples/{exemple}.bdc&page={page}&langue=fr&impression=montre'))
        if page != 'masque':
            n.js("document.dispatchEvent(new KeyboardEvent('keydown', {key: 'i', ctrlKey: true}));")
        return self.pdf(n, chemin)

    def assertMemesFeuilles(self, tailles, attendues):
        self.assertEqual(len(tailles), len(attendues))
        for t, u in zip(tailles, attendues):
            self.assertTrue(abs(t[0] - u[0]) <= 1 and abs(t[1] - u[1]) <= 1, (t, u))

    def test_chaque_page_imprimee_comme_le_pdf_du_bureau(self):
        n = self.navigateur()
        with tempfile.TemporaryDirectory() as dossier:
            web, bureau = os.path.join(dossier, 'web.pdf'), os.path.join(dossier, 'bureau.pdf')
            for exemple in EXEMPLES:
                for page in PAGES + ['masque']:
                    with self.subTest(exemple=exemple, page=page):
                        subprocess.run([BUREAU, '--pdf', bureau, '--page', page, os.path.join(SOURCES, 'examples', exemple + '.bdc')],
                                       check=True, env=dict(os.environ, QT_QPA_PLATFORM='offscreen', LC_ALL='fr_FR.UTF-8'))
                        self.assertMemesFeuilles(self.imprime(n, exemple, page, web), tailles_pdf(bureau))
                        for k, (a, b) in enumerate(zip(feuilles_pdf(bureau), feuilles_pdf(web))):
                            differents, encre = ecarts(a, b)
                            self.assertLessEqual(differents, PAPIER_BORNE, f'feuille {k + 1}')
                            self.assertLessEqual(abs(encre), ENCRE_BORNE, f'feuille {k + 1}')

    def test_le_masque_a_taille_reelle(self):
        n = self.navigateur()
        mm = 25.4 / 600
        with tempfile.TemporaryDirectory() as dossier:
            chemin = os.path.join(dossier, 'masque.pdf')
            for exemple, (diametre, format_) in MASQUES.items():
                with self.subTest(exemple=exemple):
                    self.assertMemesFeuilles(self.imprime(n, exemple, 'masque', chemin), format_)
                    f = feuilles_pdf(chemin)[0]
                    h, l = f.shape[0] * mm, f.shape[1] * mm
                    # The scales' tops 27 mm above the foot: the ticks 0, 50, 100 and the square's
                    # sides cross the row 2 mm below.
                    rangee = traits(f[round((h - 25) / mm)], mm)
                    colonne = [y for y in traits(f[:, round((l - 15) / mm)], mm) if h - 28 < y < h - 16]
                    self.assertAlmostEqual(rangee[2] - rangee[0], 100, delta=0.3)
                    self.assertAlmostEqual(rangee[-1] - rangee[-2], 10, delta=0.3)
                    self.assertAlmostEqual(colonne[1] - colonne[0], 10, delta=0.3)
                    if len(format_) == 1:
                        # The cut-out circle, centred on the sheet: the outermost runs across it.
                        decoupe = 2 * (diametre / 2 + max(5, diametre / 40))
                        rangee = traits(f[f.shape[0] // 2], mm)
                        colonne = [y for y in traits(f[:, f.shape[1] // 2], mm) if 30 < y < h - 30]
                        self.assertAlmostEqual(rangee[-1] - rangee[0], decoupe, delta=0.3)
                        self.assertAlmostEqual(colonne[-1] - colonne[0], decoupe, delta=0.3)

    def test_chaque_travail_a_son_papier(self):
        n = self.navigateur()
        with tempfile.TemporaryDirectory() as dossier:
            chemin = os.path.join(dossier, 'travail.pdf')
            self.assertMemesFeuilles(self.imprime(n, 'kestran', 'bulletin', chemin), [A4])
            noms = n.js('return JSON.parse(window.tarvo.texteDuProgramme("tarvo_description")).actions.map(a => a.nom);')
            for travail, attendu in [('MasqueCouder', [A3]), ('Imprimer1', [A4]), ('MasqueCouder', [A3])]:
                n.js('window.tarvo.action(arguments[0]);', noms.index(travail))
                self.assertMemesFeuilles(self.pdf(n, chemin), attendu)
        # Printed for real: after the dialog, neither the sheets nor their paper stay.
        n.ouvre(self.site.adresse('index.html?doc=exemples/kestran.bdc&page=bulletin&langue=fr'))
        n.js("document.dispatchEvent(new KeyboardEvent('keydown', {key: 'i', ctrlKey: true}));")
        n.calme()
        n.attend("return document.querySelector('#impression.prete svg') !== null")
        n.js("window.dispatchEvent(new Event('afterprint'));")
        self.assertEqual(n.js("return [document.querySelectorAll('#impression svg').length,"
                              "document.getElementById('style-impression')]"), [0, None])


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
