// The page's start: the program (tarvo_web.js, its C++ over the core) draws and decides;
// the modules around it build the window, hand it the user's events one at a time and
// answer what it asks of the browser. The language, the storage's documents, a working
// document to take back, and the document, page and series a link names.
import * as Boites from './boites.js';
import * as Fenetre from './fenetre.js';
import * as Fichiers from './fichiers.js';
import * as Stockage from './stockage.js';
import {branche} from './evenements.js';
import {front} from './front.js';
import {E, action, depose, enAttente, evenement, texteDuProgramme} from './programme.js';

// After each event: the actions' states, and the working document kept once the page is
// idle again.
E.apres = () => {
  Fenetre.metAJourActions();
  Fichiers.garderSiOuvert(texteDuProgramme('tarvo_nom_document'));
  clearTimeout(E.apres.minuterie);
  E.apres.minuterie = setTimeout(Fichiers.garde, 300);
};

// The language: the address's, the one chosen before, else the browser's.
const params = new URLSearchParams(location.search);
let langueChoisie = params.get('langue') || localStorage.getItem('tarvo-langue') ||
  ((navigator.language || 'fr').toLowerCase().startsWith('en') ? 'en' : 'fr');
if (langueChoisie !== 'en') langueChoisie = 'fr';

function changeLangue(langue) {
  localStorage.setItem('tarvo-langue', langue);
  Fichiers.garde();
  sessionStorage.setItem('tarvo-reprise-silencieuse', '1');
  const adresse = new URL(location.href);
  adresse.searchParams.delete('langue');
  location.href = adresse.toString();
}

function separateurDecimal() {
  return (1.5).toLocaleString(navigator.language).includes(',') ? ',' : '.';
}

async function demarre() {
  document.documentElement.lang = langueChoisie;
  await Promise.all([document.fonts.load('13px TarvoSans'), document.fonts.load('bold 13px TarvoSans')]);
  E.M = await TarvoModule({front});
  E.page = E.M.ccall('tarvo_cree', 'number', ['string', 'number'], [langueChoisie, separateurDecimal().charCodeAt(0)]);
  if (langueChoisie === 'en') {
    const catalogue = await (await fetch('catalogue/en.json')).json();
    for (const [contexte, entrees] of Object.entries(catalogue))
      for (const [source, traduction] of Object.entries(entrees))
        E.M.ccall('tarvo_catalogue', null, ['number', 'string', 'string', 'string'], [E.page, contexte, source, traduction]);
  }
  try {
    const site = await (await fetch('fichiers.json')).json();
    for (const f of site.fichiers) if (f.startsWith('help/')) E.M.ccall('tarvo_externe', null, ['number', 'string'], [E.page, '/' + f]);
  } catch (e) { /* no help: the program says so */ }
  E.textes = JSON.parse(texteDuProgramme('tarvo_textes'));
  let reprise = null;
  for (const [nom, octets] of await Stockage.tous()) {
    if (nom === '/reprise/document.bdc') reprise = octets;
    else depose(nom, octets);
  }
  Fenetre.construitInterface(langueChoisie, changeLangue);
  branche();
  await Fenetre.geometrie();

  let document_ = '';
  let repris = false;
  if (reprise) {
    const texte = new TextDecoder('latin1').decode(reprise);
    const saut = texte.indexOf('\n');
    const nom = texte.slice(0, saut);
    const silencieuse = sessionStorage.getItem('tarvo-reprise-silencieuse') === '1';
    sessionStorage.removeItem('tarvo-reprise-silencieuse');
    const oui = silencieuse || (await Boites.boite(E.textes.confirmation,
      Boites.texte(E.textes.reprise.replace('%1', (nom || E.textes.nouveau).replace(/^.*\//, ''))),
      [[E.textes.oui, true, true], [E.textes.non, false]], false));
    if (oui) {
      const nomRepris = nom || '/documents/' + E.textes.nouveau + '.bdc';
      depose(nomRepris, reprise.subarray(saut + 1));
      document_ = nomRepris;
      repris = true;
    } else {
      await Stockage.supprime('/reprise/document.bdc');
    }
  }
  const adresse = params.get('doc');
  if (!document_ && adresse) {
    try {
      const reponse = await fetch(new URL(adresse, location.href));
      if (reponse.ok) {
        document_ = Fichiers.nomDocument(decodeURIComponent(new URL(adresse, location.href).pathname));
        Fichiers.apporte(document_, new Uint8Array(await reponse.arrayBuffer()));
      }
    } catch (e) { document_ = Fichiers.nomDocument(adresse); }
  }
  await evenement('tarvo_demarre', ['string'], [document_]);
  if (repris) await evenement('tarvo_marque_modifie');
  await allerA(params.get('page'), params.get('series'));
  document.body.classList.add('pret');
}

// The page and series a link names (the command line's page identifiers).
const PAGES = {caracteristiques: 11, feuille: 12, mesures: 13, nouvellesmesures: 14, editionmesures: 15,
  bulletin: 16, analyse: 20, historique: 21, ombres: 24, masque: 25};
async function allerA(page_, serie) {
  if (!page_) return;
  const cle = page_.toLowerCase().normalize('NFD').replace(/[\u0300-\u036f]/g, '');
  if (!(cle in PAGES)) return;
  if (cle === 'masque') E.montreImpression = true;
  await action(PAGES[cle]);
  const n = parseInt(serie, 10);
  if (n > 0) await evenement('tarvo_va_a_la_serie', ['number'], [n]);
}

if ('serviceWorker' in navigator && location.protocol !== 'file:')
  navigator.serviceWorker.register('sw.js').catch(() => {});
demarre();
// For the tests: the events waiting, the program's module.
window.tarvo = {front, evenement, action, texteDuProgramme, enCours: enAttente, module: () => E.M};
