"""The web page in a real browser, for the tests: the built site copied beside the examples,
served on 127.0.0.1 only, and Debian's Chromium, headless, driven by chromedriver."""

import http.server
import os
import shutil
import socketserver
import subprocess
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys


class Site:
    """The site of build-web/site with the examples in exemples/, on a free port."""

    def __init__(self, site, exemples):
        self.dossier = tempfile.mkdtemp(prefix='tarvo-site-')
        self.racine = os.path.join(self.dossier, 'site')
        shutil.copytree(site, self.racine)
        shutil.copytree(exemples, os.path.join(self.racine, 'exemples'), dirs_exist_ok=True)
        racine = self.racine

        class Gestionnaire(http.server.SimpleHTTPRequestHandler):
            def __init__(self, *a, **k):
                super().__init__(*a, directory=racine, **k)

            def log_message(self, *a):
                pass

        socketserver.TCPServer.allow_reuse_address = True
        self.serveur = http.server.ThreadingHTTPServer(('127.0.0.1', 0), Gestionnaire)
        self.port = self.serveur.server_address[1]
        threading.Thread(target=self.serveur.serve_forever, daemon=True).start()

    def adresse(self, chemin=''):
        return f'http://127.0.0.1:{self.port}/{chemin}'

    def ferme(self):
        self.serveur.shutdown()
        shutil.rmtree(self.dossier, ignore_errors=True)


class Navigateur:
    """Headless Chromium on a profile of its own (kept between two sessions when asked, as a
    user's browser keeps its storage), in French unless told otherwise."""

    def __init__(self, profil=None, langue='fr-FR', largeur=760, hauteur=1100):
        self.profil = profil or tempfile.mkdtemp(prefix='tarvo-profil-')
        self.propre = profil is None
        o = Options()
        for a in ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic',
                  '--no-first-run', '--disable-background-networking',
                  '--disable-component-update', '--disable-sync', '--disable-dev-shm-usage',
                  f'--lang={langue}', f'--window-size={largeur},{hauteur}',
                  f'--user-data-dir={self.profil}', '--hide-scrollbars']:
            o.add_argument(a)
        o.add_experimental_option('prefs', {'intl.accept_languages': langue})
        o.binary_location = '/usr/bin/chromium'
        o.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        environnement = dict(os.environ, LANGUAGE=langue.split('-')[0], LANG=langue.replace('-', '_') + '.UTF-8')
        self.service = Service('/usr/bin/chromedriver', env=environnement)
        self.d = webdriver.Chrome(service=self.service, options=o)
        self.d.set_script_timeout(60)

    def ouvre(self, adresse, pret=True):
        self.d.get(adresse)
        if pret:
            self.attend("return document.body.classList.contains('pret')")
        return self

    def attend(self, condition, duree=30):
        fin = time.time() + duree
        while time.time() < fin:
            if self.d.execute_script(condition):
                return True
            time.sleep(0.05)
        raise AssertionError('attendu en vain : ' + condition)

    def js(self, script, *args):
        return self.d.execute_script(script, *args)

    def js_async(self, script, *args):
        return self.d.execute_async_script(script, *args)

    # The events already handed to the program done, or a box waiting for an answer.
    def calme(self):
        time.sleep(0.05)
        self.attend("return window.tarvo.enCours() === 0 || document.querySelector('#boites .fond') !== null")

    def boite(self):
        """The text of the box shown, or None."""
        return self.js("const b = document.querySelector('#boites .fond .texte');"
                       "return b ? b.textContent : null;")

    def repond(self, touche=Keys.ENTER):
        """A key pressed as the user presses it, on what has the focus (the box's default
        button, or its field)."""
        ActionChains(self.d).send_keys(touche).perform()

    def saisie(self):
        return self.d.find_element(By.ID, 'saisie')

    def ferme(self):
        try:
            self.d.quit()
        finally:
            if self.propre:
                shutil.rmtree(self.profil, ignore_errors=True)


def png_du_bureau(tarvo, page, document, sortie, serie=None, langue='fr_FR.UTF-8'):
    """The desktop's picture of a page, in the locale given."""
    arguments = [tarvo, '--png', sortie, '--page', page, document]
    if serie:
        arguments[1:1] = ['--series', str(serie)]
    subprocess.run(arguments, check=True, env=dict(os.environ, QT_QPA_PLATFORM='offscreen',
                                                  LC_ALL=langue, LANG=langue))
