// The bridge to the program (tarvo_web.js): its module and page object, the events handed
// to it one at a time, the texts it gives back; the state the page's scripts share.

export const E = {
  M: null,          // the program's module
  page: 0,          // the program's page object
  textes: {},       // the page's texts in the interface's language
  interface_: null, // the program's actions, menus and toolbar
  modifie: false,
  echelle: 1,
  montreImpression: false,
  actionsAJour: false,
  // What the page must do once an event is done (the window's refresh).
  apres: () => {},
};

let file = Promise.resolve();
let enCours = 0;
export function enchaine(travail) {
  ++enCours;
  const suite = file.then(travail).catch((e) => console.error(e)).finally(() => { --enCours; });
  file = suite;
  return suite;
}
export function enAttente() {
  return enCours;
}
function appel(fonction, types = [], valeurs = [], retour = null) {
  return E.M.ccall(fonction, retour, ['number', ...types], [E.page, ...valeurs], {async: true});
}
// An event of the user's, after those before it: the program's answer, then the refresh.
export function evenement(fonction, types, valeurs, retour) {
  return enchaine(() => appel(fonction, types, valeurs, retour)).then((r) => {
    E.apres();
    return r;
  });
}
export function action(n) {
  return evenement('tarvo_action', ['number'], [n]);
}
// A text the program gives (it is the page's to free).
export function texteDuProgramme(fonction, ...args) {
  const p = E.M.ccall(fonction, 'number', ['number', ...args.map(() => 'string')], [E.page, ...args]);
  const t = E.M.UTF8ToString(p);
  E.M._free(p);
  return t;
}
// A file put among the program's, without its hearing of it as a write.
export function depose(nom, octets) {
  const p = E.M._malloc(octets.length + 1);
  E.M.HEAPU8.set(octets, p);
  E.M.ccall('tarvo_depose', null, ['number', 'string', 'number', 'number'], [E.page, nom, p, octets.length]);
  E.M._free(p);
}
