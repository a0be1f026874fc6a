// Printing: the program's sheets as SVG, each at its own size in millimetres, printed by the
// browser on sheets of that size without margins, at 100 %.

const $ = (id) => document.getElementById(id);

export function imprime(feuilles, largeurMm, hauteurMm, montrer) {
  const zone = $('impression');
  zone.innerHTML = feuilles;
  let style = $('style-impression');
  if (!style) {
    style = document.createElement('style');
    style.id = 'style-impression';
    document.head.append(style);
  }
  style.textContent = `@page { size: ${largeurMm}mm ${hauteurMm}mm; margin: 0; }`;
  // Shown instead of printed (a link to the mask's sheets): the browser's print of that view
  // gives them at true size.
  if (montrer) {
    $('application').style.display = 'none';
    zone.style.display = 'block';
    return;
  }
  setTimeout(() => window.print(), 0);
}
