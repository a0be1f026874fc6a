// In the page: the drawing of the page frame as the desktop's picture shows it (the page
// canvas, the graphs, the logo and the series arrows at their places), compared with the
// desktop's PNG. The editor, the memo, the buttons and the setting boxes are the browser's own
// controls: their boxes are left out. Returns the sizes and the count of pixels that differ
// from every pixel of the other picture within one pixel around (by more than `seuil` in a
// channel).
const [adresse, seuil, fin] = arguments;
const fiche = document.getElementById('fiche');
const L = Math.round(parseFloat(fiche.style.width)), H = Math.round(parseFloat(fiche.style.height));
const web = document.createElement('canvas');
web.width = L; web.height = H;
const c = web.getContext('2d');
c.fillStyle = '#fff'; c.fillRect(0, 0, L, H);
const pose = (id, source) => {
  const e = document.getElementById(id);
  if (getComputedStyle(e).display === 'none') return;
  const x = parseFloat(e.style.left) || 0, y = parseFloat(e.style.top) || 0;
  const w = parseFloat(e.style.width), h = parseFloat(e.style.height);
  c.drawImage(source || e, 0, 0, w, h, x, y, w, h);
};
pose('fenetre', document.getElementById('page'));
for (const id of ['dessin1', 'dessin2', 'dessin3', 'logo', 'precedente-relache', 'precedente-neutre',
                  'suivante-relache', 'suivante-neutre']) pose(id);
const controles = JSON.parse(window.tarvo.texteDuProgramme('tarvo_controles'));
const barre = document.getElementById('barre-outils').offsetHeight;
const masques = [1, 2, 3, 4, 13, 14, 15, 16].filter((i) => controles[i][4])
  .map((i) => { const [x, y, w, h] = controles[i]; return [x - 2, (i === 13 ? y - barre : y) - 2, w + 4, h + 4]; });
const image = new Image();
image.onload = () => {
  const bureau = document.createElement('canvas');
  bureau.width = image.width; bureau.height = image.height;
  bureau.getContext('2d').drawImage(image, 0, 0);
  const resultat = {web: [L, H], bureau: [image.width, image.height], compares: 0, differents: 0, exemples: []};
  if (image.width !== L || image.height !== H) { fin(resultat); return; }
  const a = c.getImageData(0, 0, L, H).data, b = bureau.getContext('2d').getImageData(0, 0, L, H).data;
  const masque = new Uint8Array(L * H);
  for (const [x, y, w, h] of masques)
    for (let j = Math.max(0, y); j < Math.min(H, y + h); ++j)
      for (let i = Math.max(0, x); i < Math.min(L, x + w); ++i) masque[j * L + i] = 1;
  const proche = (p, q, x, y) => {
    for (let dy = -1; dy <= 1; ++dy) for (let dx = -1; dx <= 1; ++dx) {
      const xx = x + dx, yy = y + dy;
      if (xx < 0 || yy < 0 || xx >= L || yy >= H) continue;
      const k = 4 * (yy * L + xx);
      if (Math.abs(p[0] - q[k]) <= seuil && Math.abs(p[1] - q[k + 1]) <= seuil && Math.abs(p[2] - q[k + 2]) <= seuil) return true;
    }
    return false;
  };
  for (let y = 0; y < H; ++y) for (let x = 0; x < L; ++x) {
    if (masque[y * L + x]) continue;
    ++resultat.compares;
    const k = 4 * (y * L + x);
    const pa = [a[k], a[k + 1], a[k + 2]], pb = [b[k], b[k + 1], b[k + 2]];
    if (proche(pa, b, x, y) && proche(pb, a, x, y)) continue;
    ++resultat.differents;
    if (resultat.exemples.length < 5) resultat.exemples.push([x, y, pa, pb]);
  }
  resultat.web_png = web.toDataURL();
  fin(resultat);
};
image.onerror = () => fin({erreur: 'image'});
image.src = adresse;
