// The page's front: the program (tarvo_web.js, its C++ over the core) draws and decides;
// this script builds the window around it, hands it the user's events one at a time, and
// answers what it asks of the browser (bibliotheque.js calls `front`).
import * as Dessin from './dessin.js';
import * as Boites from './boites.js';
import * as Stockage from './stockage.js';

const $ = (id) => document.getElementById(id);
// The controls in the program's order (pages/commun/Surface.h `Controle`).
const CONTROLES = ['fenetre', 'saisie', 'note', 'parabolique', 'spherique', 'precedente-relache',
  'precedente-neutre', 'suivante-relache', 'suivante-neutre', 'dessin1', 'dessin2', 'dessin3',
  'logo', 'annuler', 'reglage-zone', 'reglage-lignes', 'reglage-decalage'];
const CANVAS = [$('page'), $('dessin1'), $('dessin2'), $('dessin3')];
const CONTEXTES = CANVAS.map((c) => c.getContext('2d'));
// The keys of the editor the program acts on (entry/Clavier.h `Touche`).
const TOUCHES = {PageUp: 0, PageDown: 1, ArrowLeft: 2, ArrowRight: 3, ArrowUp: 4, ArrowDown: 5};
const AUTRE = 6;
// The keys of a page without editor (app/Commandes.h `TouchePage`).
const TOUCHES_PAGE = {ArrowUp: 0, ArrowDown: 1, PageUp: 2, PageDown: 3, Home: 4, End: 5, Enter: 6};
const FICHIER_OUVERT = 1; // Action::FileOpen1

let M = null;       // the program's module
let page = 0;       // the program's page object
let textes = {};
let interface_ = null;
let modifie = false;
let echelle = 1;
const poignees = new Map(); // documents opened with a file handle, by name
let montreImpression = false;

// ---- the events, one at a time ----
let file = Promise.resolve();
let enCours = 0;
function enchaine(travail) {
  ++enCours;
  const suite = file.then(travail).catch((e) => console.error(e)).finally(() => { --enCours; });
  file = suite;
  return suite;
}
function appel(fonction, types = [], valeurs = [], retour = null) {
  return M.ccall(fonction, retour, ['number', ...types], [page, ...valeurs], {async: true});
}
function evenement(fonction, types, valeurs, retour) {
  return enchaine(() => appel(fonction, types, valeurs, retour)).then((r) => {
    apresEvenement();
    return r;
  });
}
function texteDuProgramme(fonction, ...args) {
  const p = M.ccall(fonction, 'number', ['number', ...args.map(() => 'string')], [page, ...args]);
  const t = M.UTF8ToString(p);
  M._free(p);
  return t;
}

// ---- what the program asks of the page ----
const front = {
  dessine(canvas, ops, textesPtr, images) {
    Dessin.dessine(CONTEXTES[canvas], ops, M.HEAPU8, textesPtr, images);
  },
  tailleCanvas(canvas, largeur, hauteur) {
    if (canvas === 0) return;
    CANVAS[canvas].width = largeur;
    CANVAS[canvas].height = hauteur;
    CONTEXTES[canvas].fillStyle = '#ffffff';
    CONTEXTES[canvas].fillRect(0, 0, largeur, hauteur);
  },
  largeurTexte: Dessin.largeurTexte,
  placeControle(c, gauche, haut, largeur, hauteur, visible) {
    const e = $(CONTROLES[c]);
    e.style.left = gauche + 'px';
    e.style.top = haut + 'px';
    e.style.width = largeur + 'px';
    e.style.height = hauteur + 'px';
    e.classList.toggle('visible', visible);
    if (c === 0) e.style.display = visible ? 'block' : 'none';
  },
  policeControle(c, pixels) { $(CONTROLES[c]).style.fontSize = pixels + 'px'; },
  coche(c, coche) { $(CONTROLES[c]).querySelector('input').checked = coche; },
  reglage(c, valeur, min, max, pas, decimales, nom, suffixe) {
    const e = $(CONTROLES[c]);
    Object.assign(e, {min, max, step: pas, value: valeur.toFixed(decimales)});
    e.title = nom;
    e.setAttribute('aria-label', nom + (suffixe ? ' (' + suffixe.trim() + ')' : ''));
  },
  fiche(gauche, haut, largeur, hauteur) {
    Object.assign($('fiche').style, {left: gauche + 'px', top: haut + 'px', width: largeur + 'px',
                                     height: hauteur + 'px'});
  },
  barre(vertical, position, taillePage, visible) {
    const b = $(vertical ? 'barre-v' : 'barre-h');
    b.classList.toggle('visible', visible);
    b.dataset.position = position;
    b.dataset.page = taillePage;
    placeBarres();
  },
  texteSaisie: () => $('saisie').value,
  fixeTexteSaisie(t) { $('saisie').value = t; },
  longueurMaxSaisie(l) { $('saisie').maxLength = l > 0 ? l : 524288; },
  indication(c, courte, longue) {
    const e = $(CONTROLES[c]);
    e.title = courte;
    e.dataset.longue = longue;
  },
  selectionneSaisie() { $('saisie').select(); },
  focusSaisie() { $('saisie').focus({preventScroll: true}); },
  saisieALeFocus: () => document.activeElement === $('saisie'),
  pressePapiers(surSaisie, operation) {
    const e = $(surSaisie ? 'saisie' : 'note');
    e.focus();
    if (operation === 2) {
      navigator.clipboard?.readText().then((t) => e.setRangeText(t, e.selectionStart, e.selectionEnd, 'end'));
    } else {
      document.execCommand(operation === 0 ? 'cut' : 'copy');
    }
  },
  texteNote: () => $('note').value,
  fixeTexteNote(t) { if ($('note').value !== t) $('note').value = t; },
  lectureSeuleNote(l) { $('note').readOnly = l; $('note').classList.toggle('lecture-seule', l); },
  activeSaisieEtNote(a) { $('saisie').disabled = !a; $('note').disabled = !a; },
  titre(t) { document.title = t; },
  statut(t) { $('texte-statut').textContent = t; },
  historique(n, visible, libelle) {
    const e = document.querySelector(n === 0 ? '[data-separateur="N2"]' : `[data-historique="${n}"]`);
    if (!e) return;
    e.hidden = !visible;
    if (n > 0) e.querySelector('.libelle').textContent = libelle;
  },
  actionsChangees() { actionsAJour = false; },
  barreOutilsActive(a) { $('barre-outils').inert = !a; },
  aide(page_) {
    Boites.fenetre(textes.aide, page_.replace(/^\//, ''), textes.fermer);
  },
  fermeAides() {},
  aPropos() { aPropos(); },
  termine() { modifie = false; },
  modifie(m) {
    if (m !== modifie) { modifie = m; }
  },
  message(genre, titre, texte) {
    return Boites.boite(titre, Boites.texte(texte), [['OK', 0, true]], 0);
  },
  confirmation(texte, avecAnnuler, parDefaut) {
    const boutons = [[textes.oui, 6, parDefaut === 6], [textes.non, 7, parDefaut === 7]];
    if (avecAnnuler) boutons.push([textes.annuler, 2, parDefaut === 2]);
    return Boites.boite(textes.confirmation, Boites.texte(texte), boutons, 2);
  },
  bip() {},
  choisitFichierAOuvrir: choisitFichierAOuvrir,
  choisitFichierAEnregistrer: choisitFichierAEnregistrer,
  choisitDansListe(description) {
    return Boites.liste(description, (coches) => {
      const p = M.ccall('tarvo_etat_liste', 'number', ['number', 'string'],
                        [page, coches.map((c) => (c ? '1' : '0')).join('')]);
      const etat = JSON.parse(M.UTF8ToString(p));
      M._free(p);
      return etat;
    }, 'OK').then((r) => (r === null ? null : r.join(',')));
  },
  dateCourte(a, m, j) {
    return new Date(a, m - 1, j).toLocaleDateString(navigator.language,
                                                    {day: '2-digit', month: '2-digit', year: 'numeric'});
  },
  fichierEcrit(nom, octets) { fichierEcrit(nom, octets); },
  fichierSupprime(nom) {
    if (!nom.startsWith('/documents/') || nom.endsWith('.bdc')) Stockage.supprime(nom);
  },
  imprime(feuilles, largeurMm, hauteurMm) { imprime(feuilles, largeurMm, hauteurMm); },
  plusTard(jeton) {
    setTimeout(() => evenement('tarvo_fond', ['number'], [jeton]), 0);
  },
};

// ---- files ----
function nomDocument(nom) {
  return '/documents/' + nom.replace(/^.*[\\/]/, '');
}
function depose(nom, octets) {
  const p = M._malloc(octets.length + 1);
  M.HEAPU8.set(octets, p);
  M.ccall('tarvo_depose', null, ['number', 'string', 'number', 'number'], [page, nom, p, octets.length]);
  M._free(p);
}

async function choisitFichierAOuvrir() {
  let fichier = null, poignee = null;
  if (window.showOpenFilePicker) {
    try {
      [poignee] = await showOpenFilePicker({types: [{description: 'Tarvo', accept: {'application/octet-stream': ['.bdc']}}]});
      fichier = await poignee.getFile();
    } catch (e) { return ''; }
  } else {
    fichier = await new Promise((resoudre) => {
      const choix = $('choix-fichier');
      choix.value = '';
      choix.onchange = () => resoudre(choix.files[0] || null);
      choix.oncancel = () => resoudre(null);
      choix.click();
    });
  }
  if (!fichier) return '';
  const nom = nomDocument(fichier.name);
  const octets = new Uint8Array(await fichier.arrayBuffer());
  depose(nom, octets);
  if (poignee) poignees.set(nom, poignee);
  Stockage.ecrit(nom, octets);
  return nom;
}

async function choisitFichierAEnregistrer(titre, propose) {
  if (window.showSaveFilePicker) {
    try {
      const poignee = await showSaveFilePicker({suggestedName: (propose || textes.nouveau) + '.bdc'});
      const nom = nomDocument(poignee.name);
      poignees.set(nom, poignee);
      return nom;
    } catch (e) { return ''; }
  }
  const champ = document.createElement('input');
  champ.type = 'text';
  champ.value = propose || '';
  const contenu = document.createElement('div');
  contenu.className = 'texte';
  contenu.append(textes.nomFichier, champ);
  setTimeout(() => champ.focus(), 0);
  const r = await Boites.boite(titre, contenu, [[textes.enregistrer, 'ok', true], [textes.annuler, null]], null);
  return r === 'ok' && champ.value.trim() ? nomDocument(champ.value.trim()) : '';
}

// What the program wrote: its settings and documents kept in the storage; a document it
// saved goes to its file (in place where the browser allows it, else downloaded).
async function fichierEcrit(nom, octets) {
  if (nom.endsWith('.tmp')) return;
  await Stockage.ecrit(nom, octets);
  if (!nom.startsWith('/documents/') || !nom.endsWith('.bdc')) return;
  const poignee = poignees.get(nom);
  if (poignee && poignee.createWritable) {
    try {
      const flux = await poignee.createWritable();
      await flux.write(octets);
      await flux.close();
      return;
    } catch (e) { /* written to the downloads instead */ }
  }
  const lien = document.createElement('a');
  lien.href = URL.createObjectURL(new Blob([octets], {type: 'application/octet-stream'}));
  lien.download = nom.replace(/^.*\//, '');
  lien.click();
  setTimeout(() => URL.revokeObjectURL(lien.href), 10000);
}

// ---- the window around the page ----
let actionsAJour = false;
function construitInterface() {
  interface_ = JSON.parse(texteDuProgramme('tarvo_description'));
  const menus = $('menus');
  menus.replaceChildren();
  for (const m of interface_.menus) {
    const menu = document.createElement('div');
    menu.className = 'menu';
    const titre = document.createElement('div');
    titre.className = 'titre-menu';
    titre.textContent = m.libelle.replace(/&(.)/g, '$1');
    titre.title = m.indication;
    const liste = document.createElement('div');
    liste.className = 'liste';
    liste.setAttribute('role', 'menu');
    for (const e of m.elements) {
      const el = document.createElement('div');
      if (e.separateur !== undefined) {
        el.className = 'separateur';
        if (e.separateur) el.dataset.separateur = e.separateur;
      } else {
        el.className = 'element';
        el.setAttribute('role', 'menuitem');
        const libelle = document.createElement('span');
        libelle.className = 'libelle';
        const raccourci = document.createElement('span');
        el.append(libelle, raccourci);
        if (e.historique) {
          el.dataset.historique = e.historique;
          el.hidden = true;
          el.addEventListener('click', () => { fermeMenus(); evenement('tarvo_historique', ['number'], [e.historique]); });
        } else {
          const a = interface_.actions[e.action];
          libelle.textContent = a.libelle.replace(/&(.)/g, '$1');
          raccourci.textContent = a.raccourci;
          el.dataset.action = e.action;
          el.addEventListener('click', () => { if (!el.classList.contains('inactif')) { fermeMenus(); action(e.action); } });
        }
      }
      liste.append(el);
    }
    titre.addEventListener('click', () => {
      const ouvert = menu.classList.contains('ouvert');
      fermeMenus();
      if (!ouvert) { metAJourActions(); menu.classList.add('ouvert'); }
    });
    menu.append(titre, liste);
    menus.append(menu);
  }
  const langue = document.createElement('select');
  langue.className = 'langue';
  langue.setAttribute('aria-label', 'Langue / Language');
  for (const [code, nom] of [['fr', 'Français'], ['en', 'English']]) {
    const o = document.createElement('option');
    o.value = code;
    o.textContent = nom;
    langue.append(o);
  }
  langue.value = langueChoisie;
  langue.addEventListener('change', () => changeLangue(langue.value));
  menus.append(langue);

  const barre = $('barre-outils');
  barre.replaceChildren();
  for (const place of interface_.barre) {
    if (place.separateur) {
      const s = document.createElement('span');
      s.className = 'separateur';
      barre.append(s);
      continue;
    }
    const a = interface_.actions[place.action];
    const b = document.createElement('button');
    b.dataset.action = place.action;
    b.dataset.bouton = place.bouton;
    b.setAttribute('aria-label', a.libelle.replace(/&(.)/g, '$1'));
    const image = document.createElement('img');
    image.src = `images/action-${a.image}.png`;
    image.srcset = `images/action-${a.image}@2x.png 2x`;
    image.alt = '';
    b.append(image);
    b.addEventListener('click', () => action(place.action));
    barre.append(b);
  }
  // On a phone, the series are browsed by buttons (F4 and F5 elsewhere).
  for (const [suivante, texte, image] of [[0, textes.seriePrecedente, 'fleche-bas-relache'],
                                          [1, textes.serieSuivante, 'fleche-haut-relache']]) {
    const b = document.createElement('button');
    b.className = 'navigation';
    b.title = texte;
    b.setAttribute('aria-label', texte);
    const image_ = document.createElement('img');
    image_.src = `images/${image}.png`;
    b.append(image_);
    b.addEventListener('click', () => evenement('tarvo_serie', ['number'], [suivante]));
    barre.append(b);
  }
  $('parabolique').querySelector('span').textContent = textes.parabolique;
  $('spherique').querySelector('span').textContent = textes.spherique;
  $('annuler').textContent = textes.annuler;
  $('annuler').title = textes.annulerSerie;
  $('saisie').setAttribute('aria-label', textes.valeur);
  $('note').setAttribute('aria-label', textes.commentaire);
  $('note').title = textes.commentaire;
  $('precedente-relache').title = textes.seriePrecedente;
  $('suivante-relache').title = textes.serieSuivante;
}

function fermeMenus() {
  document.querySelectorAll('#menus .menu.ouvert').forEach((m) => m.classList.remove('ouvert'));
}

function metAJourActions() {
  if (actionsAJour || !interface_) return;
  actionsAJour = true;
  const etat = JSON.parse(texteDuProgramme('tarvo_etat_actions'));
  document.querySelectorAll('[data-action]').forEach((e) => {
    const a = etat.actions[e.dataset.action];
    if (e.tagName === 'BUTTON') {
      e.disabled = !a.active;
      e.title = a.courte;
      e.dataset.longue = a.longue;
      if (e.dataset.bouton !== undefined) e.classList.toggle('enfonce', etat.enfonces[e.dataset.bouton]);
    } else {
      e.classList.toggle('inactif', !a.active);
      e.title = a.longue;
    }
  });
}

function action(n) {
  return evenement('tarvo_action', ['number'], [n]);
}

function apresEvenement() {
  metAJourActions();
  document.body.classList.toggle('modifie', modifie);
  // The working document kept once the page is idle again.
  clearTimeout(apresEvenement.instantane);
  apresEvenement.instantane = setTimeout(garde, 300);
}

function garde() {
  if (!page) return;
  if (modifie) M.ccall('tarvo_instantane', null, ['number'], [page]);
  else Stockage.supprime('/reprise/document.bdc');
}

function aPropos() {
  const contenu = document.createElement('div');
  contenu.className = 'texte';
  const logo = document.createElement('img');
  logo.src = 'images/logo.png';
  logo.width = logo.height = 65;
  logo.alt = '';
  logo.style.float = 'left';
  logo.style.marginRight = '12px';
  const produit = document.createElement('b');
  produit.textContent = 'Tarvo - Version 2.5.3';
  contenu.append(logo, produit, '\n', textes.description, '\n\n', textes.conditions, '\n',
                 textes.auteur, '\n', textes.adresse);
  Boites.boite(textes.aPropos, contenu, [['OK', 0, true]], 0);
}

// ---- printing: the sheets as SVG, printed by the browser at their own size ----
function imprime(feuilles, largeurMm, hauteurMm) {
  const zone = $('impression');
  zone.innerHTML = feuilles;
  let style = $('style-impression');
  if (!style) {
    style = document.createElement('style');
    style.id = 'style-impression';
    document.head.append(style);
  }
  style.textContent = `@page { size: ${largeurMm}mm ${hauteurMm}mm; margin: 0; }`;
  if (montreImpression) {
    $('application').style.display = 'none';
    zone.style.display = 'block';
    return;
  }
  setTimeout(() => window.print(), 0);
}

// ---- the layout: the desktop's pixels, scaled down on a narrow screen ----
function placeBarres() {
  const v = $('barre-v'), h = $('barre-h'), zone = $('zone');
  const hVisible = h.classList.contains('visible');
  const largeur = zone.clientWidth, hauteur = zone.clientHeight;
  v.style.height = (hauteur - (hVisible ? 17 : 0)) + 'px';
  h.style.width = (largeur - (v.classList.contains('visible') ? 17 : 0)) + 'px';
  for (const [b, vertical] of [[v, true], [h, false]]) {
    const longueur = vertical ? parseFloat(v.style.height) : parseFloat(h.style.width);
    const page_ = +(b.dataset.page || 100), position = +(b.dataset.position || 0);
    const curseur = b.firstElementChild;
    const taille = Math.max(12, longueur * page_ / 100);
    const debut = (longueur - taille) * position / Math.max(1, 100 - page_);
    Object.assign(curseur.style, vertical
      ? {left: '2px', width: '13px', top: debut + 'px', height: taille + 'px'}
      : {top: '2px', height: '13px', left: debut + 'px', width: taille + 'px'});
  }
}

function mise() {
  const largeurEcran = window.innerWidth, hauteurEcran = window.innerHeight;
  echelle = Math.min(1, largeurEcran / 705);
  const app = $('application');
  app.style.transform = echelle < 1 ? `scale(${echelle})` : '';
  const largeur = Math.round(largeurEcran / echelle), hauteur = Math.round(hauteurEcran / echelle);
  app.style.width = largeur + 'px';
  app.style.height = hauteur + 'px';
  const barre = $('barre-outils').offsetHeight, menus = $('menus').offsetHeight;
  const statut = $('statut').offsetHeight;
  $('zone').style.height = (hauteur - menus - barre - statut) + 'px';
  placeBarres();
  return {largeur, hauteur: hauteur - menus, barre, statut};
}

function geometrie() {
  const g = mise();
  return evenement('tarvo_geometrie', ['number', 'number', 'number', 'number'],
                   [g.largeur, g.hauteur, g.barre, g.statut]);
}

// ---- the user's events ----
function branche() {
  const saisie = $('saisie'), note = $('note');
  saisie.addEventListener('keydown', (e) => {
    let touche = AUTRE, caractere = 0;
    if (e.key in TOUCHES && !e.ctrlKey && !e.altKey) touche = TOUCHES[e.key];
    else if (e.key === 'Enter') caractere = e.ctrlKey ? 10 : 13;
    else if (e.key === 'Escape') caractere = 27;
    else if (e.ctrlKey && (e.key === 'd' || e.key === 'D')) caractere = 4;
    else if (e.ctrlKey && (e.key === 'l' || e.key === 'L')) caractere = 12;
    else return;
    e.stopPropagation();
    if (caractere) e.preventDefault();
    evenement('tarvo_touche_saisie', ['number', 'number'], [touche, caractere], 'number');
  });
  // The characters typed (keyboards and the screen's alike): the program sees each first.
  saisie.addEventListener('beforeinput', (e) => {
    if (e.inputType !== 'insertText' || !e.data) return;
    e.preventDefault();
    for (const c of e.data) {
      evenement('tarvo_touche_saisie', ['number', 'number'], [AUTRE, c.codePointAt(0)], 'number')
        .then((pris) => {
          if (pris) return;
          const s = saisie;
          if (s.maxLength > 0 && s.value.length - (s.selectionEnd - s.selectionStart) >= s.maxLength) return;
          s.setRangeText(c, s.selectionStart, s.selectionEnd, 'end');
        });
    }
  });
  saisie.addEventListener('focus', () => evenement('tarvo_focus_saisie', ['number'], [1]));
  saisie.addEventListener('blur', () => evenement('tarvo_focus_saisie', ['number'], [0]));
  note.addEventListener('beforeinput', (e) => {
    if (note.readOnly) return;
    const c = e.inputType === 'insertText' ? e.data
      : e.inputType === 'insertLineBreak' || e.inputType === 'insertParagraph' ? '\r' : null;
    if (!c || c.length !== 1) return;
    e.preventDefault();
    evenement('tarvo_touche_note', ['number'], [c.codePointAt(0)], 'number').then((insere) => {
      if (!insere) return;
      const t = insere === 13 ? '\n' : String.fromCodePoint(insere);
      note.setRangeText(t, note.selectionStart, note.selectionEnd, 'end');
      evenement('tarvo_note_change');
    });
  });
  note.addEventListener('input', () => evenement('tarvo_note_change'));
  note.addEventListener('focus', () => evenement('tarvo_focus_note', ['number'], [1]));
  note.addEventListener('blur', () => evenement('tarvo_focus_note', ['number'], [0]));
  $('page').addEventListener('mouseup', (e) => {
    fermeMenus();
    const r = $('page').getBoundingClientRect();
    evenement('tarvo_clic', ['number', 'number'],
              [Math.floor((e.clientX - r.left) / echelle), Math.floor((e.clientY - r.top) / echelle)]);
  });
  $('precedente-relache').addEventListener('mouseup', () => evenement('tarvo_serie', ['number'], [0]));
  $('suivante-relache').addEventListener('mouseup', () => evenement('tarvo_serie', ['number'], [1]));
  for (const [id, parabolique] of [['parabolique', 1], ['spherique', 0]]) {
    $(id).querySelector('input').addEventListener('click', (e) => {
      e.target.checked = true;
      evenement('tarvo_forme', ['number'], [parabolique]);
    });
  }
  for (const [id, c] of [['reglage-zone', 14], ['reglage-lignes', 15], ['reglage-decalage', 16]]) {
    $(id).addEventListener('change', (e) => {
      const v = parseFloat(e.target.value.replace(',', '.'));
      if (Number.isFinite(v)) evenement('tarvo_reglage', ['number', 'number'], [c, v]);
    });
  }
  $('annuler').addEventListener('click', () => action(19));
  $('zone').addEventListener('wheel', (e) => {
    if (e.target.closest('textarea')) return;
    e.preventDefault();
    const crans = Math.sign(-e.deltaY) * Math.max(1, Math.round(Math.abs(e.deltaY) / 100));
    evenement('tarvo_molette', ['number'], [crans]);
  }, {passive: false});
  let toucheY = null;
  $('zone').addEventListener('touchstart', (e) => { toucheY = e.touches[0].clientY; }, {passive: true});
  $('zone').addEventListener('touchmove', (e) => {
    if (toucheY === null) return;
    const d = e.touches[0].clientY - toucheY;
    if (Math.abs(d) > 40) {
      toucheY = e.touches[0].clientY;
      evenement('tarvo_molette', ['number'], [Math.sign(d)]);
    }
  }, {passive: true});
  for (const [id, vertical] of [['barre-v', 1], ['barre-h', 0]]) {
    const b = $(id);
    b.addEventListener('mousedown', (e) => {
      const r = b.getBoundingClientRect(), c = b.firstElementChild.getBoundingClientRect();
      const dans = vertical ? e.clientY : e.clientX;
      const debutC = vertical ? c.top : c.left, finC = vertical ? c.bottom : c.right;
      if (dans < debutC || dans > finC) {
        evenement('tarvo_page_barre', ['number', 'number'], [vertical, dans > finC ? 1 : 0]);
        return;
      }
      const depart = dans, position = +b.dataset.position, page_ = +b.dataset.page;
      const longueur = vertical ? r.height : r.width;
      const bouge = (m) => {
        const delta = ((vertical ? m.clientY : m.clientX) - depart) / Math.max(1, longueur - (finC - debutC));
        const p = Math.round(Math.min(100 - page_, Math.max(0, position + delta * (100 - page_))));
        if (p !== +b.dataset.position) evenement('tarvo_barre', ['number', 'number'], [vertical, p]);
      };
      const fin = () => { document.removeEventListener('mousemove', bouge); document.removeEventListener('mouseup', fin); };
      document.addEventListener('mousemove', bouge);
      document.addEventListener('mouseup', fin);
    });
  }
  document.addEventListener('keydown', (e) => {
    if (document.querySelector('#boites .fond')) return;
    const raccourci = (e.ctrlKey ? 'Ctrl+' : '') + (e.shiftKey ? 'Shift+' : '') + (e.altKey ? 'Alt+' : '') +
      (e.key.length === 1 ? e.key.toUpperCase() : e.key);
    const i = interface_?.actions.findIndex((a) => a.raccourci === raccourci || a.raccourciAction === raccourci);
    if (i >= 0) {
      e.preventDefault();
      action(i);
      return;
    }
    if (e.target === $('saisie') || e.target === $('note') || e.target.tagName === 'INPUT' || e.ctrlKey || e.altKey) return;
    if (e.key in TOUCHES_PAGE) {
      e.preventDefault();
      evenement('tarvo_touche_page', ['number'], [TOUCHES_PAGE[e.key]], 'number');
    }
  });
  document.addEventListener('click', (e) => { if (!e.target.closest('#menus')) fermeMenus(); });
  window.addEventListener('resize', () => geometrie());
  window.addEventListener('beforeunload', (e) => {
    if (!modifie) return;
    garde();
    e.preventDefault();
    e.returnValue = '';
  });
  document.addEventListener('visibilitychange', () => { if (document.hidden) garde(); });
  // A document dropped on the page is opened as the Open command opens one.
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', async (e) => {
    e.preventDefault();
    const element = e.dataTransfer.items?.[0];
    const entree = element?.webkitGetAsEntry?.();
    const fichier = e.dataTransfer.files[0];
    if (!fichier) return;
    const nom = nomDocument(fichier.name);
    if (!entree?.isDirectory) {
      const octets = new Uint8Array(await fichier.arrayBuffer());
      depose(nom, octets);
      Stockage.ecrit(nom, octets);
    }
    evenement('tarvo_ouvre', ['string'], [nom]);
  });
}

// ---- language ----
const params = new URLSearchParams(location.search);
let langueChoisie = params.get('langue') || localStorage.getItem('tarvo-langue') ||
  ((navigator.language || 'fr').toLowerCase().startsWith('en') ? 'en' : 'fr');
if (langueChoisie !== 'en') langueChoisie = 'fr';

function changeLangue(langue) {
  localStorage.setItem('tarvo-langue', langue);
  garde();
  sessionStorage.setItem('tarvo-reprise-silencieuse', '1');
  const adresse = new URL(location.href);
  adresse.searchParams.delete('langue');
  location.href = adresse.toString();
}

function separateurDecimal() {
  return (1.5).toLocaleString(navigator.language).includes(',') ? ',' : '.';
}

// ---- start ----
async function demarre() {
  document.documentElement.lang = langueChoisie;
  await Promise.all([document.fonts.load('13px TarvoSans'), document.fonts.load('bold 13px TarvoSans')]);
  M = await TarvoModule({front});
  page = M.ccall('tarvo_cree', 'number', ['string', 'number'], [langueChoisie, separateurDecimal().charCodeAt(0)]);
  if (langueChoisie === 'en') {
    const catalogue = await (await fetch('catalogue/en.json')).json();
    for (const [contexte, entrees] of Object.entries(catalogue))
      for (const [source, traduction] of Object.entries(entrees))
        M.ccall('tarvo_catalogue', null, ['number', 'string', 'string', 'string'], [page, contexte, source, traduction]);
  }
  try {
    const site = await (await fetch('fichiers.json')).json();
    for (const f of site.fichiers) if (f.startsWith('help/')) M.ccall('tarvo_externe', null, ['number', 'string'], [page, '/' + f]);
  } catch (e) { /* no help: the program says so */ }
  textes = JSON.parse(texteDuProgramme('tarvo_textes'));
  let reprise = null;
  for (const [nom, octets] of await Stockage.tous()) {
    if (nom === '/reprise/document.bdc') reprise = octets;
    else depose(nom, octets);
  }
  construitInterface();
  branche();
  await geometrie();

  let document_ = '';
  let repris = false;
  if (reprise) {
    const texte = new TextDecoder('latin1').decode(reprise);
    const saut = texte.indexOf('\n');
    const nom = texte.slice(0, saut);
    const silencieuse = sessionStorage.getItem('tarvo-reprise-silencieuse') === '1';
    sessionStorage.removeItem('tarvo-reprise-silencieuse');
    const oui = silencieuse || (await Boites.boite(textes.confirmation,
      Boites.texte(textes.reprise.replace('%1', (nom || textes.nouveau).replace(/^.*\//, ''))),
      [[textes.oui, true, true], [textes.non, false]], false));
    if (oui) {
      const nomRepris = nom || '/documents/' + textes.nouveau + '.bdc';
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
        document_ = nomDocument(decodeURIComponent(new URL(adresse, location.href).pathname));
        depose(document_, new Uint8Array(await reponse.arrayBuffer()));
      }
    } catch (e) { document_ = nomDocument(adresse); }
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
  if (cle === 'masque') montreImpression = true;
  await action(PAGES[cle]);
  const n = parseInt(serie, 10);
  if (n > 0) await evenement('tarvo_va_a_la_serie', ['number'], [n]);
}

if ('serviceWorker' in navigator && location.protocol !== 'file:')
  navigator.serviceWorker.register('sw.js').catch(() => {});
demarre();
// For the tests: the events waiting, the program's module.
window.tarvo = {front, evenement, action, texteDuProgramme, enCours: () => enCours, module: () => M};
