<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Actions</name>
    <message>
        <source>Mesures - Il faut d&apos;abord sauvegarder le fichier|Afficher les mesures - Il faut d&apos;abord sauvegarder le fichier</source>
        <translation>Readings - Save the file first|Show the readings - Save the file first</translation>
    </message>
    <message>
        <source>Nouvelles mesures - Il faut d&apos;abord sauvegarder le fichier|Saisie des nouvelles mesures - Il faut d&apos;abord sauvegarder le fichier</source>
        <translation>New readings - Save the file first|Enter new readings - Save the file first</translation>
    </message>
    <message>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Nouveau|Créer un nouveau fichier</source>
        <translation>New|Create a new file</translation>
    </message>
    <message>
        <source>&amp;Ouvrir</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>Ouvrir|Ouvrir un fichier</source>
        <translation>Open|Open a file</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistrer|Enregistrer le fichier en cours</source>
        <translation>Save|Save the current file</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Enregistrer sous|Enregistrer le fichier en cours sous un nouveau nom</source>
        <translation>Save as|Save the current file under a new name</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Imprimer |Imprimer le document affiché</source>
        <translation>Print|Print the page shown</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Quitter|Quitter l&apos;application</source>
        <translation>Quit|Quit the application</translation>
    </message>
    <message>
        <source>Cou&amp;per</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>Couper|Couper la sélection et la mettre dans le Presse-papiers</source>
        <translation>Cut|Cut the selection and put it on the clipboard</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Copier|Copier la sélection et la mettre dans le Presse-papiers</source>
        <translation>Copy|Copy the selection and put it on the clipboard</translation>
    </message>
    <message>
        <source>Co&amp;ller</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Coller|Insérer le contenu du Presse-papiers</source>
        <translation>Paste|Insert the contents of the clipboard</translation>
    </message>
    <message>
        <source>&amp;Aide</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Aide|Afficher l&apos;aide contextuelle</source>
        <translation>Help|Show context-sensitive help</translation>
    </message>
    <message>
        <source>&amp;A propos...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>A propos|Afficher des informations sur le programme, le numéro de version et le copyright</source>
        <translation>About|Show information about the program, its version number and copyright</translation>
    </message>
    <message>
        <source>Caractéristiques</source>
        <translation>Characteristics</translation>
    </message>
    <message>
        <source>Caractéristiques|Edition des caractéristiques du miroir</source>
        <translation>Characteristics|Edit the characteristics of the mirror</translation>
    </message>
    <message>
        <source>Feuille de travail</source>
        <translation>Work sheet</translation>
    </message>
    <message>
        <source>Feuille de travail|Edition de la feuille de travail</source>
        <translation>Work sheet|Edit the work sheet</translation>
    </message>
    <message>
        <source>Mesures</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Mesures|Afficher les mesures</source>
        <translation>Readings|Show the readings</translation>
    </message>
    <message>
        <source>Nouvelles mesures</source>
        <translation>New readings</translation>
    </message>
    <message>
        <source>Nouvelles mesures|Saisie des nouvelles mesures</source>
        <translation>New readings|Enter a new series of readings</translation>
    </message>
    <message>
        <source>&amp;Edition des mesures</source>
        <translation>&amp;Edit readings</translation>
    </message>
    <message>
        <source>Edition des mesures|Compléter ou modifier le tableau des mesures</source>
        <translation>Edit readings|Complete or correct the table of readings</translation>
    </message>
    <message>
        <source>&amp;Bulletin de contrôle</source>
        <translation>Test &amp;report</translation>
    </message>
    <message>
        <source>Bulletin de contrôle|Edition du bulletin de contrôle</source>
        <translation>Test report|Show the test report</translation>
    </message>
    <message>
        <source>Annuler la nouvelle série |et retour à la dernière série validée.</source>
        <translation>Cancel the new series |and go back to the last validated series.</translation>
    </message>
    <message>
        <source>A&amp;nalyse du miroir</source>
        <translation>Mirror a&amp;nalysis</translation>
    </message>
    <message>
        <source>Analyse du miroir|Ecart RMS, rapport de Strehl et conique ajustée, avec leurs incertitudes</source>
        <translation>Mirror analysis|RMS wavefront error, Strehl ratio and best-fit conic, with their uncertainties</translation>
    </message>
    <message>
        <source>&amp;Historique du miroir</source>
        <translation>Mirror &amp;history</translation>
    </message>
    <message>
        <source>Historique du miroir|Toutes les séries côte à côte, l&apos;évolution de l&apos;écart et des zones</source>
        <translation>Mirror history|All the series side by side, how the error and the zones changed</translation>
    </message>
    <message>
        <source>&amp;Moyenne des séries…</source>
        <translation>&amp;Mean of series…</translation>
    </message>
    <message>
        <source>Moyenne des séries|Le bulletin de la moyenne de plusieurs séries</source>
        <translation>Mean of series|The test report of the mean of several series</translation>
    </message>
    <message>
        <source>Enregistrer comme nouvelle série</source>
        <translation>Save as new series</translation>
    </message>
    <message>
        <source>Enregistrer comme nouvelle série|Ajouter la moyenne affichée au document comme une série</source>
        <translation>Save as new series|Add the mean shown to the document as a series</translation>
    </message>
    <message>
        <source>&amp;Ombres simulées</source>
        <translation>Simulated &amp;shadows</translation>
    </message>
    <message>
        <source>Ombres simulées|Ce que le couteau et le réseau de Ronchi devraient montrer</source>
        <translation>Simulated shadows|What the knife edge and the Ronchi grating should show</translation>
    </message>
    <message>
        <source>Imprimer le &amp;masque de Couder…</source>
        <translation>Print the Couder &amp;mask…</translation>
    </message>
    <message>
        <source>Imprimer le masque de Couder|Le masque des zones, à découper, en vraie grandeur</source>
        <translation>Print the Couder mask|The zone mask at true size, to cut out</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Commandes liées aux fichiers</source>
        <translation>File commands</translation>
    </message>
    <message>
        <source>&amp;Edition</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Commandes d&apos;édition</source>
        <translation>Editing commands</translation>
    </message>
    <message>
        <source>A&amp;ffichage</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Rubriques d&apos;aide</source>
        <translation>Help topics</translation>
    </message>
</context>
<context>
    <name>Fenetre</name>
    <message>
        <source>A propos de Tarvo</source>
        <translation>About Tarvo</translation>
    </message>
    <message>
        <source>Logiciel d&apos;aide à la réalisation des miroirs de télescopes en utilisant la méthode de Foucault et l&apos;écran à échancrures de Couder.</source>
        <translation>Software that helps to make telescope mirrors with the Foucault test and the Couder zone mask.</translation>
    </message>
    <message>
        <source>Logiciel gratuit, fourni tel quel et sans garantie : vérifiez toujours vos mesures avant de retoucher un miroir.</source>
        <translation>Free software, provided as is and without warranty: always check your readings before you retouch a mirror.</translation>
    </message>
    <message>
        <source>Auteur : l&apos;équipe Tarvo</source>
        <translation>Author: the Tarvo team</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Non</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Regarder dans :</source>
        <translation>Look in:</translation>
    </message>
    <message>
        <source>Nom du fichier :</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Type :</source>
        <translation>Files of type:</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ouvrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Aide de Tarvo</source>
        <translation>Tarvo Help</translation>
    </message>
    <message>
        <source>Sommaire</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Table des matières de l&apos;aide</source>
        <translation>Table of contents of the help</translation>
    </message>
    <message>
        <source>Précédent</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Page précédente</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Suivant</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Page suivante</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Fermer l&apos;aide</source>
        <translation>Close the help</translation>
    </message>
    <message>
        <source>Aide de Tarvo - %1</source>
        <translation>Tarvo Help - %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;Le fichier d&apos;aide est introuvable !&lt;/p&gt;</source>
        <translation>&lt;p&gt;The help file cannot be found!&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Parabolique</source>
        <translation>Parabolic</translation>
    </message>
    <message>
        <source>Sphérique</source>
        <translation>Spherical</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier PDF « %1 ».</source>
        <translation>Cannot write the PDF file “%1”.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier PNG « %1 ».</source>
        <translation>Cannot write the PNG file “%1”.</translation>
    </message>
    <message>
        <source>Page inconnue : « %1 » (caracteristiques, feuille, mesures, nouvellesmesures, editionmesures, bulletin, analyse, historique, ombres ou masque).</source>
        <translation>Unknown page: “%1” (caracteristiques, feuille, mesures, nouvellesmesures, editionmesures, bulletin, analyse, historique, ombres or masque).</translation>
    </message>
    <message>
        <source>Le masque de Couder ne se dessine qu&apos;en PDF (--pdf), à taille réelle.</source>
        <translation>The Couder mask is drawn only as a PDF (--pdf), at true size.</translation>
    </message>
    <message>
        <source>Une moyenne de séries ne se montre que sur les pages bulletin, analyse et historique.</source>
        <translation>A mean of series is shown only on the pages bulletin, analyse and historique.</translation>
    </message>
    <message>
        <source>Le rendu des pages demande une application graphique.</source>
        <translation>Drawing the pages needs a graphical application.</translation>
    </message>
    <message>
        <source>Série précédente (F4)</source>
        <translation>Previous series (F4)</translation>
    </message>
    <message>
        <source>Série suivante (F5)</source>
        <translation>Next series (F5)</translation>
    </message>
    <message>
        <source>Série précédente</source>
        <translation>Previous series</translation>
    </message>
    <message>
        <source>Série suivante</source>
        <translation>Next series</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Commentaire libre</source>
        <translation>Free comment</translation>
    </message>
    <message>
        <source>Annule la nouvelle série et retourne à la dernière série validée.</source>
        <translation>Cancels the new series and goes back to the last validated series.</translation>
    </message>
    <message>
        <source>Caractéristiques du miroir</source>
        <translation>Mirror characteristics</translation>
    </message>
    <message>
        <source>Feuille de travail du miroir</source>
        <translation>Mirror work sheet</translation>
    </message>
    <message>
        <source>Mesures</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Nouvelles mesures</source>
        <translation>New readings</translation>
    </message>
    <message>
        <source>Modification des mesures</source>
        <translation>Editing the readings</translation>
    </message>
    <message>
        <source>Bulletin de contrôle du miroir</source>
        <translation>Mirror test report</translation>
    </message>
    <message>
        <source>Analyse du miroir</source>
        <translation>Mirror analysis</translation>
    </message>
    <message>
        <source>Historique du miroir</source>
        <translation>Mirror history</translation>
    </message>
    <message>
        <source>Ombres simulées du miroir</source>
        <translation>Simulated shadows of the mirror</translation>
    </message>
    <message>
        <source>Imprimer</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Imprimer à 100 %</source>
        <translation>Print at 100 %</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier PDF « %1 » : %2.</source>
        <translation>Cannot write the PDF file “%1”: %2.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier PNG « %1 » : %2.</source>
        <translation>Cannot write the PNG file “%1”: %2.</translation>
    </message>
    <message>
        <source>Tarvo - Impression</source>
        <translation>Tarvo - Printing</translation>
    </message>
</context>
</TS>
