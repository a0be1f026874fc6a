// The documents: chosen in the browser's file picker (or dropped), saved in place where the
// browser can write back to the file, else downloaded; the settings, documents and the
// working document kept in the browser's storage.
import * as Boites from './boites.js';
import * as Stockage from './stockage.js';
import {E, depose, texteDuProgramme} from './programme.js';

const $ = (id) => document.getElementById(id);
const poignees = new Map(); // documents opened with a file handle, by name
// A document brought by the user, kept in the storage once the program has opened it.
let aGarder = null;

export function nomDocument(nom) {
  return '/documents/' + nom.replace(/^.*[\\/]/, '');
}

// A document of the user's among the program's files; stored once it opened.
export function apporte(nom, octets) {
  depose(nom, octets);
  aGarder = {nom, octets};
}

export function garderSiOuvert(nomOuvert) {
  if (aGarder && aGarder.nom === nomOuvert) Stockage.ecrit(aGarder.nom, aGarder.octets);
  aGarder = null;
}

export async function choisitFichierAOuvrir() {
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
  apporte(nom, new Uint8Array(await fichier.arrayBuffer()));
  if (poignee) poignees.set(nom, poignee);
  return nom;
}

export async function choisitFichierAEnregistrer(titre, propose) {
  if (window.showSaveFilePicker) {
    try {
      const poignee = await showSaveFilePicker({suggestedName: (propose || E.textes.nouveau) + '.bdc'});
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
  contenu.append(E.textes.nomFichier, champ);
  setTimeout(() => champ.focus(), 0);
  const r = await Boites.boite(titre, contenu, [[E.textes.enregistrer, 'ok', true], [E.textes.annuler, null]], null);
  return r === 'ok' && champ.value.trim() ? nomDocument(champ.value.trim()) : '';
}

// What the program wrote: its settings, documents and backups kept in the storage; a
// document it saved goes to its file (in place where the browser allows it, else downloaded).
export async function fichierEcrit(nom, octets) {
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
    } catch (e) { /* downloaded instead */ }
  }
  const lien = document.createElement('a');
  lien.href = URL.createObjectURL(new Blob([octets], {type: 'application/octet-stream'}));
  lien.download = nom.replace(/^.*\//, '');
  lien.click();
  setTimeout(() => URL.revokeObjectURL(lien.href), 10000);
}

export function fichierSupprime(nom) {
  Stockage.supprime(nom);
}

// The working document kept aside after each change, for a closed tab or a crash; forgotten
// once saved.
export function garde() {
  if (!E.page) return;
  if (E.modifie) E.M.ccall('tarvo_instantane', null, ['number'], [E.page]);
  else Stockage.supprime('/reprise/document.bdc');
}
