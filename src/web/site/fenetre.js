// The window around the page: the menus, the toolbar and the About box built from the
// program's own descriptions, the actions' states, the scroll bars and the layout.
import * as Boites from './boites.js';
import {E, action, evenement, texteDuProgramme} from './programme.js';

const $ = (id) => document.getElementById(id);

export function construitInterface(langue, changeLangue) {
  E.interface_ = JSON.parse(texteDuProgramme('tarvo_description'));
  const menus = $('menus');
  menus.replaceChildren();
  for (const m of E.interface_.menus) {
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
          const a = E.interface_.actions[e.action];
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
  // The language switch: each language named in itself.
  const choix = document.createElement('select');
  choix.className = 'langue';
  choix.setAttribute('aria-label', 'Langue / Language');
  for (const [code, nom] of [['fr', 'Français'], ['en', 'English']]) {
    const o = document.createElement('option');
    o.value = code;
    o.textContent = nom;
    choix.append(o);
  }
  choix.value = langue;
  choix.addEventListener('change', () => changeLangue(choix.value));
  menus.append(choix);

  const barre = $('barre-outils');
  barre.replaceChildren();
  for (const place of E.interface_.barre) {
    if (place.separateur) {
      const s = document.createElement('span');
      s.className = 'separateur';
      barre.append(s);
      continue;
    }
    const a = E.interface_.actions[place.action];
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
  for (const [suivante, texte, image] of [[0, E.textes.seriePrecedente, 'fleche-bas-relache'],
                                          [1, E.textes.serieSuivante, 'fleche-haut-relache']]) {
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
  $('parabolique').querySelector('span').textContent = E.textes.parabolique;
  $('spherique').querySelector('span').textContent = E.textes.spherique;
  $('annuler').textContent = E.textes.annuler;
  $('annuler').title = E.textes.annulerSerie;
  $('saisie').setAttribute('aria-label', E.textes.valeur);
  $('note').setAttribute('aria-label', E.textes.commentaire);
  $('note').title = E.textes.commentaire;
  $('precedente-relache').title = E.textes.seriePrecedente;
  $('suivante-relache').title = E.textes.serieSuivante;
}

export function fermeMenus() {
  document.querySelectorAll('#menus .menu.ouvert').forEach((m) => m.classList.remove('ouvert'));
}

export function metAJourActions() {
  if (E.actionsAJour || !E.interface_) return;
  E.actionsAJour = true;
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

export function aPropos() {
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
  contenu.append(logo, produit, '\n', E.textes.description, '\n\n', E.textes.conditions, '\n',
                 E.textes.auteur, '\n', E.textes.adresse);
  Boites.boite(E.textes.aPropos, contenu, [['OK', 0, true]], 0);
}

// The layout: the desktop's pixels, scaled down on a narrow screen.
export function placeBarres() {
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
  E.echelle = Math.min(1, largeurEcran / 705);
  const app = $('application');
  app.style.transform = E.echelle < 1 ? `scale(${E.echelle})` : '';
  const largeur = Math.round(largeurEcran / E.echelle), hauteur = Math.round(hauteurEcran / E.echelle);
  app.style.width = largeur + 'px';
  app.style.height = hauteur + 'px';
  const barre = $('barre-outils').offsetHeight, menus = $('menus').offsetHeight;
  const statut = $('statut').offsetHeight;
  $('zone').style.height = (hauteur - menus - barre - statut) + 'px';
  placeBarres();
  return {largeur, hauteur: hauteur - menus, barre, statut};
}

export function geometrie() {
  const g = mise();
  return evenement('tarvo_geometrie', ['number', 'number', 'number', 'number'],
                   [g.largeur, g.hauteur, g.barre, g.statut]);
}

