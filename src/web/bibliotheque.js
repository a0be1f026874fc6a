// The imports of the page's C++ (Pont.h): each hands its work to the page's front
// (Module.front, site/tarvo.js), turning pointers into texts and texts into buffers.
mergeInto(LibraryManager.library, {
  $tw_texte: function (pointeur) {
    return pointeur ? UTF8ToString(pointeur) : '';
  },
  // A text for the C++, which frees it; null stays null.
  $tw_tampon: function (texte) {
    if (texte === null || texte === undefined) return 0;
    var taille = lengthBytesUTF8(texte) + 1;
    var p = _malloc(taille);
    stringToUTF8(texte, p, taille);
    return p;
  },

  tw_dessine__deps: ['$tw_texte'],
  tw_dessine: function (canvas, operations, nombre, textes, images) {
    Module.front.dessine(canvas, HEAP32.subarray(operations >> 2, (operations >> 2) + nombre),
                         textes, images);
  },
  tw_taille_canvas: function (canvas, largeur, hauteur) {
    Module.front.tailleCanvas(canvas, largeur, hauteur);
  },
  tw_largeur_texte: function (texte, longueur, pixels, gras) {
    return Module.front.largeurTexte(UTF8ToString(texte, longueur), pixels, gras !== 0);
  },

  tw_place_controle: function (c, g, h, l, ha, v) { Module.front.placeControle(c, g, h, l, ha, v !== 0); },
  tw_police_controle: function (c, h) { Module.front.policeControle(c, h); },
  tw_coche: function (c, coche) { Module.front.coche(c, coche !== 0); },
  tw_reglage__deps: ['$tw_texte'],
  tw_reglage: function (c, v, min, max, pas, dec, nom, suffixe) {
    Module.front.reglage(c, v, min, max, pas, dec, tw_texte(nom), tw_texte(suffixe));
  },
  tw_fiche: function (g, h, l, ha) { Module.front.fiche(g, h, l, ha); },
  tw_barre: function (vertical, position, page, visible) {
    Module.front.barre(vertical !== 0, position, page, visible !== 0);
  },
  tw_texte_saisie__deps: ['$tw_tampon'],
  tw_texte_saisie: function () { return tw_tampon(Module.front.texteSaisie()); },
  tw_fixe_texte_saisie__deps: ['$tw_texte'],
  tw_fixe_texte_saisie: function (t) { Module.front.fixeTexteSaisie(tw_texte(t)); },
  tw_longueur_max_saisie: function (l) { Module.front.longueurMaxSaisie(l); },
  tw_indication__deps: ['$tw_texte'],
  tw_indication: function (c, courte, longue) {
    Module.front.indication(c, tw_texte(courte), tw_texte(longue));
  },
  tw_selectionne_saisie: function () { Module.front.selectionneSaisie(); },
  tw_focus_saisie: function () { Module.front.focusSaisie(); },
  tw_saisie_a_le_focus: function () { return Module.front.saisieALeFocus() ? 1 : 0; },
  tw_presse_papiers: function (surSaisie, operation) {
    Module.front.pressePapiers(surSaisie !== 0, operation);
  },
  tw_texte_note__deps: ['$tw_tampon'],
  tw_texte_note: function () { return tw_tampon(Module.front.texteNote()); },
  tw_fixe_texte_note__deps: ['$tw_texte'],
  tw_fixe_texte_note: function (t) { Module.front.fixeTexteNote(tw_texte(t)); },
  tw_lecture_seule_note: function (l) { Module.front.lectureSeuleNote(l !== 0); },
  tw_active_saisie_et_note: function (a) { Module.front.activeSaisieEtNote(a !== 0); },
  tw_titre__deps: ['$tw_texte'],
  tw_titre: function (t) { Module.front.titre(tw_texte(t)); },
  tw_statut__deps: ['$tw_texte'],
  tw_statut: function (t) { Module.front.statut(tw_texte(t)); },
  tw_bouton_page: function (b) {},
  tw_conseil_imprimer: function (c, l) {},
  tw_contexte_aide: function (c) {},
  tw_historique__deps: ['$tw_texte'],
  tw_historique: function (n, visible, libelle) {
    Module.front.historique(n, visible !== 0, tw_texte(libelle));
  },
  tw_actions_changees: function () { Module.front.actionsChangees(); },
  tw_barre_outils_active: function (a) { Module.front.barreOutilsActive(a !== 0); },
  tw_aide__deps: ['$tw_texte'],
  tw_aide: function (page) { Module.front.aide(tw_texte(page)); },
  tw_ferme_aides: function () { Module.front.fermeAides(); },
  tw_a_propos: function () { Module.front.aPropos(); },
  tw_termine: function () { Module.front.termine(); },
  tw_modifie: function (m) { Module.front.modifie(m !== 0); },

  tw_message__deps: ['$tw_texte'],
  tw_message: function (genre, titre, texte) {
    var t = tw_texte(titre), x = tw_texte(texte);
    return Asyncify.handleAsync(function () { return Module.front.message(genre, t, x); });
  },
  tw_confirmation__deps: ['$tw_texte'],
  tw_confirmation: function (texte, avecAnnuler, parDefaut) {
    var x = tw_texte(texte);
    return Asyncify.handleAsync(function () {
      return Module.front.confirmation(x, avecAnnuler !== 0, parDefaut);
    });
  },
  tw_bip: function () { Module.front.bip(); },
  tw_choisit_fichier_a_ouvrir__deps: ['$tw_texte', '$tw_tampon'],
  tw_choisit_fichier_a_ouvrir: function (titre) {
    var t = tw_texte(titre);
    return Asyncify.handleAsync(function () {
      return Module.front.choisitFichierAOuvrir(t).then(tw_tampon);
    });
  },
  tw_choisit_fichier_a_enregistrer__deps: ['$tw_texte', '$tw_tampon'],
  tw_choisit_fichier_a_enregistrer: function (titre, propose) {
    var t = tw_texte(titre), p = tw_texte(propose);
    return Asyncify.handleAsync(function () {
      return Module.front.choisitFichierAEnregistrer(t, p).then(tw_tampon);
    });
  },
  tw_choisit_dans_liste__deps: ['$tw_texte', '$tw_tampon'],
  tw_choisit_dans_liste: function (description) {
    var d = JSON.parse(tw_texte(description));
    return Asyncify.handleAsync(function () {
      return Module.front.choisitDansListe(d).then(tw_tampon);
    });
  },

  tw_aujourdhui: function () {
    var d = new Date();
    return d.getFullYear() * 10000 + (d.getMonth() + 1) * 100 + d.getDate();
  },
  tw_date_courte__deps: ['$tw_tampon'],
  tw_date_courte: function (a, m, j) { return tw_tampon(Module.front.dateCourte(a, m, j)); },
  tw_largeur_ecran: function () { return screen.width; },
  tw_hauteur_ecran: function () { return screen.height; },

  tw_fichier_ecrit__deps: ['$tw_texte'],
  tw_fichier_ecrit: function (nom, octets, longueur) {
    Module.front.fichierEcrit(tw_texte(nom), HEAPU8.slice(octets, octets + longueur));
  },
  tw_fichier_supprime__deps: ['$tw_texte'],
  tw_fichier_supprime: function (nom) { Module.front.fichierSupprime(tw_texte(nom)); },
  tw_imprime: function (feuilles, longueur, largeurMm, hauteurMm) {
    Module.front.imprime(UTF8ToString(feuilles, longueur), largeurMm, hauteurMm);
  },
  tw_plus_tard: function (jeton) { Module.front.plusTard(jeton); },
});
