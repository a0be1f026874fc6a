// The browser's storage of the page: the settings, the documents opened and their backups,
// the working document kept after each change. One IndexedDB store, a file a record.

const BASE = 'tarvo';
const MAGASIN = 'fichiers';

function ouvre() {
  return new Promise((resoudre, rejeter) => {
    const demande = indexedDB.open(BASE, 1);
    demande.onupgradeneeded = () => demande.result.createObjectStore(MAGASIN);
    demande.onsuccess = () => resoudre(demande.result);
    demande.onerror = () => rejeter(demande.error);
  });
}

let base = null;
async function magasin(mode) {
  if (!base) base = await ouvre();
  return base.transaction(MAGASIN, mode).objectStore(MAGASIN);
}

function attend(demande) {
  return new Promise((resoudre, rejeter) => {
    demande.onsuccess = () => resoudre(demande.result);
    demande.onerror = () => rejeter(demande.error);
  });
}

export async function ecrit(nom, octets) {
  await attend((await magasin('readwrite')).put(octets, nom));
}

export async function supprime(nom) {
  await attend((await magasin('readwrite')).delete(nom));
}

export async function lit(nom) {
  return attend((await magasin('readonly')).get(nom));
}

// Every file kept: [[name, bytes], ...].
export async function tous() {
  const m = await magasin('readonly');
  const noms = await attend(m.getAllKeys());
  const octets = await attend(m.getAll());
  return noms.map((n, i) => [n, octets[i]]);
}
