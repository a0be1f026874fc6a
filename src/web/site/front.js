// What the program asks of the page (bibliotheque.js hands each import to `front`): its
// drawings, its controls, its dialogs, the date, its files and its background work.
import * as Boites from './boites.js';
import * as Dessin from './dessin.js';
import * as Fenetre from './fenetre.js';
import * as Fichiers from './fichiers.js';
import * as Impression from './impression.js';
import {E, evenement} from './programme.js';

const $ = (id) => document.getElementById(id);
// The controls in the program's order (pages/commun/Surface.h `Controle`).
export const CONTROLES = ['fenetre', 'saisie', 'note', 'parabolique', 'spherique',
  'precedente-relache', 'precedente-neutre', 'suivante-relache', 'suivante-neutre', 'dessin1',
  'dessin2', 'dessin3', 'logo', 'annuler', 'reglage-zone', 'reglage-lignes', 'reglage-decalage'];
const CANVAS = [$('page'), $('dessin1'), $('dessin2'), $('dessin3')];
const CONTEXTES = CANVAS.map((c) => c.getContext('2d'));

export const front = {
  dessine(canvas, ops, textesPtr, images) {
    Dessin.dessine(CONTEXTES[canvas], ops, E.M.HEAPU8, textesPtr, images);
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
    Fenetre.placeBarres();
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
  actionsChangees() { E.actionsAJour = false; },
  barreOutilsActive(a) { $('barre-outils').inert = !a; },
  aide(page_) {
    Boites.fenetre(E.textes.aide, page_.replace(/^\//, ''), E.textes.fermer);
  },
  fermeAides() {},
  aPropos() { Fenetre.aPropos(); },
  termine() { E.modifie = false; },
  modifie(m) { E.modifie = m; },
  message(genre, titre, texte) {
    return Boites.boite(titre, Boites.texte(texte), [['OK', 0, true]], 0);
  },
  confirmation(texte, avecAnnuler, parDefaut) {
    const boutons = [[E.textes.oui, 6, parDefaut === 6], [E.textes.non, 7, parDefaut === 7]];
    if (avecAnnuler) boutons.push([E.textes.annuler, 2, parDefaut === 2]);
    return Boites.boite(E.textes.confirmation, Boites.texte(texte), boutons, 2);
  },
  bip() {},
  choisitFichierAOuvrir: Fichiers.choisitFichierAOuvrir,
  choisitFichierAEnregistrer: Fichiers.choisitFichierAEnregistrer,
  choisitDansListe(description) {
    return Boites.liste(description, (coches) => {
      const p = E.M.ccall('tarvo_etat_liste', 'number', ['number', 'string'],
                        [E.page, coches.map((c) => (c ? '1' : '0')).join('')]);
      const etat = JSON.parse(E.M.UTF8ToString(p));
      E.M._free(p);
      return etat;
    }, 'OK').then((r) => (r === null ? null : r.join(',')));
  },
  dateCourte(a, m, j) {
    return new Date(a, m - 1, j).toLocaleDateString(navigator.language,
                                                    {day: '2-digit', month: '2-digit', year: 'numeric'});
  },
  fichierEcrit: Fichiers.fichierEcrit,
  fichierSupprime: Fichiers.fichierSupprime,
  imprime(feuilles, largeurMm, hauteurMm) { Impression.imprime(feuilles, largeurMm, hauteurMm, E.montreImpression); },
  plusTard(jeton) {
    setTimeout(() => evenement('tarvo_fond', ['number'], [jeton]), 0);
  },
};

