// The dialogs of the page: message boxes, questions, the list of check boxes, the help and
// About windows; each a promise of the user's answer.

const boites = document.getElementById('boites');

function element(genre, classe, texte) {
  const e = document.createElement(genre);
  if (classe) e.className = classe;
  if (texte !== undefined) e.textContent = texte;
  return e;
}

function sansEsperluette(texte) {
  return texte.replace(/&(.)/g, '$1');
}

// A modal box: its title, its content, its buttons ([label, value, default?]); the value of
// the button pressed (Escape or closing gives `annulation`).
export function boite(titre, contenu, boutons, annulation) {
  return new Promise((resoudre) => {
    const fond = element('div', 'fond');
    const b = element('div', 'boite');
    b.setAttribute('role', 'dialog');
    b.setAttribute('aria-modal', 'true');
    b.setAttribute('aria-label', titre);
    b.append(element('div', 'titre', titre));
    b.append(contenu);
    const rangee = element('div', 'boutons');
    let parDefaut = null;
    const ferme = (valeur) => {
      fond.remove();
      document.removeEventListener('keydown', touche, true);
      resoudre(valeur);
    };
    for (const [libelle, valeur, defaut] of boutons) {
      const bouton = element('button', '', sansEsperluette(libelle));
      bouton.addEventListener('click', () => ferme(valeur));
      rangee.append(bouton);
      if (defaut) parDefaut = bouton;
    }
    b.append(rangee);
    fond.append(b);
    boites.append(fond);
    const touche = (e) => {
      if (e.key === 'Escape') { e.preventDefault(); e.stopPropagation(); ferme(annulation); }
      else if (e.key === 'Enter' && document.activeElement?.tagName !== 'BUTTON' && parDefaut) {
        e.preventDefault(); e.stopPropagation(); parDefaut.click();
      }
    };
    document.addEventListener('keydown', touche, true);
    (parDefaut || rangee.firstChild)?.focus();
  });
}

export function texte(t) {
  return element('div', 'texte', t.replace(/\r\n?/g, '\n'));
}

// A list of check boxes whose states the program gives for those checked: the numbers of
// those checked, or null.
export function liste(description, etat, ok) {
  const contenu = element('div');
  contenu.append(texte(description.texte));
  const zone = element('div', 'liste');
  contenu.append(zone);
  const coches = new Array(description.nombre).fill(false);
  const cases = [];
  for (let i = 0; i < description.nombre; ++i) {
    const label = element('label');
    const c = element('input');
    c.type = 'checkbox';
    const libelle = element('span');
    label.append(c, ' ', libelle);
    zone.append(label);
    cases.push([label, c, libelle]);
    c.addEventListener('change', () => { coches[i] = c.checked; montre(); });
  }
  let boutonOk = null;
  function montre() {
    const etats = etat(coches);
    let nombre = 0;
    etats.forEach((e, i) => {
      const [label, c, libelle] = cases[i];
      if (!e.actif) coches[i] = false;
      c.checked = coches[i];
      c.disabled = !e.actif;
      label.classList.toggle('inactif', !e.actif);
      libelle.textContent = e.libelle + (!e.actif && e.motif ? ' (' + e.motif + ')' : '');
      nombre += coches[i] ? 1 : 0;
    });
    if (boutonOk) boutonOk.disabled = nombre < description.minimum;
  }
  const promesse = boite(description.titre, contenu,
                         [[ok, 'ok', true], [description.annuler, null]], null);
  boutonOk = boites.querySelector('.fond:last-child .boutons button');
  montre();
  return promesse.then((r) => (r === 'ok' ? coches.map((c, i) => (c ? i : -1)).filter((i) => i >= 0) : null));
}

// A window over the page showing a page of the site (the help).
export function fenetre(titre, adresse, fermer) {
  const cadre = element('iframe');
  cadre.src = adresse;
  cadre.title = titre;
  return boite(titre, cadre, [[fermer, null, true]], null);
}

export function ferme() {
  boites.replaceChildren();
}
