// The user's events, each handed to the program as the desktop's window hands it: the
// editor's and the memo's keys, clicks on the page, the arrows, the shape buttons, the
// settings, the scroll bars and the wheel, shortcuts, a document dropped.
import * as Fenetre from './fenetre.js';
import * as Fichiers from './fichiers.js';
import {E, action, evenement} from './programme.js';

const $ = (id) => document.getElementById(id);
// The keys of the editor the program acts on (entry/Clavier.h `Touche`).
const TOUCHES = {PageUp: 0, PageDown: 1, ArrowLeft: 2, ArrowRight: 3, ArrowUp: 4, ArrowDown: 5};
const AUTRE = 6;
// The keys of a page without editor (app/Commandes.h `TouchePage`).
const TOUCHES_PAGE = {ArrowUp: 0, ArrowDown: 1, PageUp: 2, PageDown: 3, Home: 4, End: 5, Enter: 6};

export function branche() {
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
    Fenetre.fermeMenus();
    const r = $('page').getBoundingClientRect();
    evenement('tarvo_clic', ['number', 'number'],
              [Math.floor((e.clientX - r.left) / E.echelle), Math.floor((e.clientY - r.top) / E.echelle)]);
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
    const i = E.interface_?.actions.findIndex((a) => a.raccourci === raccourci || a.raccourciAction === raccourci);
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
  document.addEventListener('click', (e) => { if (!e.target.closest('#menus')) Fenetre.fermeMenus(); });
  window.addEventListener('resize', () => Fenetre.geometrie());
  window.addEventListener('beforeunload', (e) => {
    if (!E.modifie) return;
    Fichiers.garde();
    e.preventDefault();
    e.returnValue = '';
  });
  document.addEventListener('visibilitychange', () => { if (document.hidden) Fichiers.garde(); });
  // A document dropped on the page is opened as the Open command opens one.
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', async (e) => {
    e.preventDefault();
    const element = e.dataTransfer.items?.[0];
    const entree = element?.webkitGetAsEntry?.();
    const fichier = e.dataTransfer.files[0];
    if (!fichier) return;
    const nom = Fichiers.nomDocument(fichier.name);
    if (!entree?.isDirectory) Fichiers.apporte(nom, new Uint8Array(await fichier.arrayBuffer()));
    evenement('tarvo_ouvre', ['string'], [nom]);
  });
}

