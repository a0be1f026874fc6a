// Printing: the program's sheets as SVG, each at its own size in millimetres, printed by the
// browser on sheets of that size without margins, at 100 %.

const $ = (id) => document.getElementById(id);
// `&impression=montre` in the address shows every job's sheets instead of printing them: the
// browser's print of that view (or a test's) gives them as the print dialog would.
const toujoursMontrer = new URLSearchParams(location.search).get('impression') === 'montre';

// The job's paper for the browser's print: this job's size alone, whatever the one before.
function format(largeurMm, hauteurMm) {
  let style = $('style-impression');
  if (!style) {
    style = document.createElement('style');
    style.id = 'style-impression';
    document.head.append(style);
  }
  style.textContent = `@page { size: ${largeurMm}mm ${hauteurMm}mm; margin: 0; }`;
}

// After the dialog, nothing of the job stays: the browser's own print of the window would
// otherwise give the last job's sheets.
function oublie() {
  $('impression').classList.remove('prete');
  $('impression').replaceChildren();
  $('style-impression')?.remove();
}

// The sheets' grey pictures decoded before the print: the browser prints what is ready.
function images(zone) {
  return Promise.all([...zone.querySelectorAll('image')].map((i) => {
    const image = new Image();
    image.src = i.getAttribute('href');
    return image.decode().catch(() => {});
  }));
}

let travaux = 0;
export async function imprime(feuilles, largeurMm, hauteurMm, montrer) {
  const travail = ++travaux;
  const zone = $('impression');
  zone.classList.remove('prete');
  zone.innerHTML = feuilles;
  format(largeurMm, hauteurMm);
  await Promise.all([images(zone), document.fonts.ready]);
  // A later job took the place meanwhile: it prints, not this one.
  if (travail !== travaux) return;
  // The sheets as they will print (what a test waits for before its own print).
  zone.classList.add('prete');
  // Shown instead of printed (a link to the mask's sheets): the browser's print of that view
  // gives them at true size.
  if (montrer || toujoursMontrer) {
    $('application').style.display = 'none';
    zone.style.display = 'block';
    // The window's page does not scroll; the sheets, an A3 or tiles, do.
    for (const e of [document.documentElement, document.body]) Object.assign(e.style, {overflow: 'auto', height: 'auto'});
    return;
  }
  window.addEventListener('afterprint', oublie, {once: true});
  window.print();
}
