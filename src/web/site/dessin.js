// The page's canvases drawn as the program's list of operations says (web/CanvasWeb.h),
// in Liberation Sans as the desktop draws, and the widths of texts in that face.

const POLICE = 'TarvoSans';
const mesure = document.createElement('canvas').getContext('2d');

function couleur(rvb) {
  return '#' + (rvb & 0xffffff).toString(16).padStart(6, '0');
}

export function police(pixels, gras) {
  return (gras ? 'bold ' : '') + pixels + 'px ' + POLICE;
}

// The advance of a text, rounded as the desktop's font engine rounds its sum.
export function largeurTexte(texte, pixels, gras) {
  mesure.font = police(pixels, gras);
  mesure.fontKerning = 'normal';
  return Math.round(mesure.measureText(texte).width);
}

// A line as the desktop's pen draws it: without its last pixel; along a row or a column as
// whole pixels, slanted as the browser draws it.
function ligne(ctx, x1, y1, x2, y2, rvb, largeur, pointille) {
  ctx.fillStyle = couleur(rvb);
  const demi = largeur >> 1;
  if (y1 === y2 || x1 === x2) {
    const horizontale = y1 === y2;
    const debut = horizontale ? x1 : y1, fin = horizontale ? x2 : y2;
    if (debut === fin) return;
    const pas = fin > debut ? 1 : -1;
    const longueur = Math.abs(fin - debut);
    if (!pointille) {
      const depart = pas > 0 ? debut : fin + 1;
      if (horizontale) ctx.fillRect(depart, y1 - demi, longueur, largeur);
      else ctx.fillRect(x1 - demi, depart, largeur, longueur);
      return;
    }
    // Dots: a pixel on, two off, from the start.
    for (let i = 0; i < longueur; i += 3 * largeur) {
      const p = debut + pas * i;
      if (horizontale) ctx.fillRect(pas > 0 ? p : p - largeur + 1, y1 - demi, largeur, largeur);
      else ctx.fillRect(x1 - demi, pas > 0 ? p : p - largeur + 1, largeur, largeur);
    }
    return;
  }
  ctx.strokeStyle = couleur(rvb);
  ctx.lineWidth = largeur;
  ctx.lineCap = 'butt';
  ctx.setLineDash(pointille ? [largeur, 2 * largeur] : []);
  ctx.beginPath();
  ctx.moveTo(x1 + 0.5, y1 + 0.5);
  ctx.lineTo(x2 + 0.5, y2 + 0.5);
  ctx.stroke();
  ctx.setLineDash([]);
}

const PLEIN = 0, INVISIBLE = 1, POINTILLE = 2;

function rectangle(ctx, g, h, d, b, plume, largeur, stylePlume, brosse, styleBrosse) {
  if (styleBrosse === PLEIN) {
    ctx.fillStyle = couleur(brosse);
    ctx.fillRect(g, h, d - g, b - h);
  }
  if (stylePlume === INVISIBLE) return;
  const p = stylePlume === POINTILLE;
  ligne(ctx, g, h, d, h, plume, largeur, p);
  ligne(ctx, g, b - 1, d, b - 1, plume, largeur, p);
  ligne(ctx, g, h, g, b, plume, largeur, p);
  ligne(ctx, d - 1, h, d - 1, b, plume, largeur, p);
}

function ellipse(ctx, g, h, d, b, plume, largeur, stylePlume, brosse, styleBrosse) {
  const rx = (d - g - 1) / 2, ry = (b - h - 1) / 2;
  ctx.beginPath();
  ctx.ellipse(g + rx + 0.5, h + ry + 0.5, Math.max(rx, 0), Math.max(ry, 0), 0, 0, 2 * Math.PI);
  if (styleBrosse === PLEIN) {
    ctx.fillStyle = couleur(brosse);
    ctx.fill();
  }
  if (stylePlume !== INVISIBLE) {
    ctx.strokeStyle = couleur(plume);
    ctx.lineWidth = largeur;
    ctx.setLineDash(stylePlume === POINTILLE ? [largeur, 2 * largeur] : []);
    ctx.stroke();
    ctx.setLineDash([]);
  }
}

const decodeur = new TextDecoder();

// Replays the operations on the canvas's context; texts and grey pictures are read from the
// program's memory.
export function dessine(ctx, ops, memoire, textes, images) {
  ctx.imageSmoothingEnabled = false;
  ctx.fontKerning = 'normal';
  let i = 0;
  while (i < ops.length) {
    const code = ops[i];
    switch (code) {
      case 1: // Ligne
        ligne(ctx, ops[i + 1], ops[i + 2], ops[i + 3], ops[i + 4], ops[i + 5], ops[i + 6],
              ops[i + 7] === POINTILLE);
        i += 8;
        break;
      case 2: // Rectangle
        rectangle(ctx, ops[i + 1], ops[i + 2], ops[i + 3], ops[i + 4], ops[i + 5], ops[i + 6],
                  ops[i + 7], ops[i + 8], ops[i + 9]);
        i += 10;
        break;
      case 3: // Remplit
        ctx.fillStyle = couleur(ops[i + 5]);
        ctx.fillRect(ops[i + 1], ops[i + 2], ops[i + 3] - ops[i + 1], ops[i + 4] - ops[i + 2]);
        i += 6;
        break;
      case 4: // Ellipse
        ellipse(ctx, ops[i + 1], ops[i + 2], ops[i + 3], ops[i + 4], ops[i + 5], ops[i + 6],
                ops[i + 7], ops[i + 8], ops[i + 9]);
        i += 10;
        break;
      case 5: // Pixel
        ctx.fillStyle = couleur(ops[i + 3]);
        ctx.fillRect(ops[i + 1], ops[i + 2], 1, 1);
        i += 4;
        break;
      case 6: { // Texte: x y pixels gras ascendante debut longueur fond largeur hauteur
        const [x, y, px, gras, asc, debut, longueur, fond, largeur, hauteur] =
          ops.subarray(i + 1, i + 11);
        if (fond >= 0) {
          ctx.fillStyle = couleur(fond);
          ctx.fillRect(x, y, largeur, hauteur);
        }
        const texte = decodeur.decode(memoire.subarray(textes + debut, textes + debut + longueur));
        ctx.font = police(px, gras !== 0);
        ctx.fillStyle = '#000000';
        ctx.textBaseline = 'alphabetic';
        ctx.fillText(texte, x, y + asc);
        i += 11;
        break;
      }
      case 7: { // ImageGris: g h d b largeur hauteur debut
        const [g, h, d, b, l, ha, debut] = ops.subarray(i + 1, i + 8);
        const gris = memoire.subarray(images + debut, images + debut + l * ha);
        const donnees = new ImageData(l, ha);
        for (let k = 0; k < l * ha; ++k) {
          donnees.data[4 * k] = donnees.data[4 * k + 1] = donnees.data[4 * k + 2] = gris[k];
          donnees.data[4 * k + 3] = 255;
        }
        const image = document.createElement('canvas');
        image.width = l;
        image.height = ha;
        image.getContext('2d').putImageData(donnees, 0, 0);
        ctx.drawImage(image, g, h, d - g, b - h);
        i += 8;
        break;
      }
      default:
        return;
    }
  }
}
