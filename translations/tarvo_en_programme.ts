<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Programme</name>
    <message>
        <source>Tarvo - Ouvrir un fichier</source>
        <translation>Tarvo - Open a file</translation>
    </message>
    <message>
        <source>Bulletin de contrôle *.bdc|*.bdc|Tous fichiers *.*|*.*</source>
        <translation>Test report *.bdc|*.bdc|All files *.*|*.*</translation>
    </message>
    <message>
        <source>Il faut d&apos;abord sauvegarder le fichier pour faire la moyenne de séries.</source>
        <translation>Save the file first to make a mean of series.</translation>
    </message>
    <message>
        <source>Il faut d&apos;abord sauvegarder le fichier pour ajouter la moyenne comme nouvelle série.</source>
        <translation>Save the file first to add the mean as a new series.</translation>
    </message>
    <message>
        <source>Tarvo - Moyenne des séries</source>
        <translation>Tarvo - Mean of series</translation>
    </message>
    <message>
        <source>Cochez au moins deux séries à réunir. Elles doivent avoir le même diamètre, la même focale et le même trou central : celles qui ne peuvent pas entrer dans la moyenne sont grisées, avec la raison.</source>
        <translation>Check at least two series to pool. They must have the same diameter, the same focal length and the same central hole: those that cannot enter the mean are greyed out, with the reason.</translation>
    </message>
    <message>
        <source>Il faut au moins deux séries mesurées pour en faire la moyenne.</source>
        <translation>A mean needs at least two measured series.</translation>
    </message>
    <message>
        <source>Série %1 — %2 — %3</source>
        <translation>Series %1 — %2 — %3</translation>
    </message>
    <message>
        <source>Il faut d&apos;abord sauvegarder le fichier pour changer de série de mesures.</source>
        <translation>Save the file first to go to another series of readings.</translation>
    </message>
    <message>
        <source>Le fichier d&apos;aide est introuvable !</source>
        <translation>The help file cannot be found!</translation>
    </message>
    <message>
        <source>Le fichier %1 a changé depuis son ouverture : la série demandée n&apos;a pas pu être lue. Rouvrez le fichier.</source>
        <translation>The file %1 has changed since it was opened: the series asked for could not be read. Open the file again.</translation>
    </message>
    <message>
        <source>%1 et %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Moyenne des séries %1</source>
        <translation>Mean of series %1</translation>
    </message>
    <message>
        <source>%1 + %2 lignes</source>
        <translation>%1 + %2 lines</translation>
    </message>
    <message>
        <source>%1 + %2 ligne</source>
        <translation>%1 + %2 line</translation>
    </message>
    <message>
        <source>Le document n&apos;a pas de série %1 : il en a %2.</source>
        <translation>The document has no series %1: it has %2.</translation>
    </message>
    <message>
        <source>La série %1 est nommée deux fois.</source>
        <translation>Series %1 is named twice.</translation>
    </message>
    <message>
        <source>La série %1 ne peut pas entrer dans la moyenne : %2.</source>
        <translation>Series %1 cannot enter the mean: %2.</translation>
    </message>
    <message>
        <source>Il faut au moins deux séries pour une moyenne.</source>
        <translation>A mean needs at least two series.</translation>
    </message>
    <message>
        <source>Voulez-vous enregistrer ce fichier?</source>
        <translation>Do you want to save this file?</translation>
    </message>
    <message>
        <source>Voulez-vous enregistrer :<byte value="xd"/>%1 ?</source>
        <translation>Do you want to save:<byte value="xd"/>%1?</translation>
    </message>
    <message>
        <source>Erreur de lecture d&apos;un fichier</source>
        <translation>Error reading a file</translation>
    </message>
    <message>
        <source>Le nombre de zones du fichier (%1) n&apos;est plus celui du miroir (%2) : les séries précédentes ne peuvent pas être recopiées. Le fichier n&apos;a pas été enregistré.</source>
        <translation>The file&apos;s zone count (%1) is no longer the mirror&apos;s (%2): the earlier series cannot be copied. The file was not saved.</translation>
    </message>
    <message>
        <source>Mauvais fichier</source>
        <translation>Wrong file</translation>
    </message>
    <message>
        <source>Erreur fichier</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>Tarvo - Fichier temporaire</source>
        <translation>Tarvo - Temporary file</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas pu être enregistré.</source>
        <translation>The file %1 could not be saved.</translation>
    </message>
    <message>
        <source>Ce fichier existe déjà, voulez-vous l&apos;écraser?</source>
        <translation>This file already exists, do you want to overwrite it?</translation>
    </message>
    <message>
        <source>Tarvo - Enregistrer sous</source>
        <translation>Tarvo - Save As</translation>
    </message>
    <message>
        <source>Tarvo - Enregistrement</source>
        <translation>Tarvo - Saving</translation>
    </message>
    <message>
        <source>Fichier corrompu</source>
        <translation>Corrupt file</translation>
    </message>
    <message>
        <source>Erreur de lecture d&apos;un fichier ( %1 )</source>
        <translation>Error reading a file ( %1 )</translation>
    </message>
    <message>
        <source>Fichier introuvable</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Tarvo - Lecture d&apos;un fichier</source>
        <translation>Tarvo - Reading a file</translation>
    </message>
    <message>
        <source>Tarvo - Initialisation</source>
        <translation>Tarvo - Start-up</translation>
    </message>
    <message>
        <source>Tarvo - Configuration</source>
        <translation>Tarvo - Settings</translation>
    </message>
    <message>
        <source>Erreur de lecture du fichier Tarvo.ini</source>
        <translation>Error reading the file Tarvo.ini</translation>
    </message>
    <message>
        <source>Erreur d&apos;écriture du fichier Tarvo.ini</source>
        <translation>Error writing the file Tarvo.ini</translation>
    </message>
    <message>
        <source>Texte libre de 70 caractères maximum</source>
        <translation>Free text, 70 characters at most</translation>
    </message>
    <message>
        <source>Le diamètre doit être supérieur à celui de la zone %1</source>
        <translation>The diameter must be larger than that of zone %1</translation>
    </message>
    <message>
        <source>Le rayon de courbure doit être inférieur à 60000mm</source>
        <translation>The radius of curvature must be less than 60000mm</translation>
    </message>
    <message>
        <source>L&apos;épaisseur doit être inférieure à 2000mm</source>
        <translation>The thickness must be less than 2000mm</translation>
    </message>
    <message>
        <source>Entrez une valeur comprise entre -5 et +5</source>
        <translation>Enter a value between -5 and +5</translation>
    </message>
    <message>
        <source>10 zones au maximum - Une modification de ce nombre provoque un effacement des mesures</source>
        <translation>10 zones at most - Changing this number erases the readings</translation>
    </message>
    <message>
        <source>Le rayon de cette zone doit être inférieur au rayon de la zone suivante|Entrez une valeur en mm</source>
        <translation>The radius of this zone must be less than the radius of the next zone|Enter a value in mm</translation>
    </message>
    <message>
        <source>Le diamètre doit être inférieur à 1000mm</source>
        <translation>The diameter must be less than 1000mm</translation>
    </message>
    <message>
        <source>La distance focale doit être inférieure à 30000mm</source>
        <translation>The focal length must be less than 30000mm</translation>
    </message>
    <message>
        <source>Le diamètre du trou doit être inférieur à celui de la zone 1</source>
        <translation>The hole&apos;s diameter must be less than that of zone 1</translation>
    </message>
    <message>
        <source>Le nombre de zones proposé (%1) n&apos;est pas appliqué : le fichier contient d&apos;autres séries mesurées avec %2 zones.</source>
        <translation>The proposed zone count (%1) is not applied: the file holds other series measured with %2 zones.</translation>
    </message>
    <message>
        <source>Voulez-vous recalculer les zones ?</source>
        <translation>Do you want to recompute the zones?</translation>
    </message>
    <message>
        <source>Le diamètre doit être supérieur à 1mm</source>
        <translation>The diameter must be more than 1mm</translation>
    </message>
    <message>
        <source>La distance focale doit être inférieure à 30000mm (30m)</source>
        <translation>The focal length must be less than 30000mm (30m)</translation>
    </message>
    <message>
        <source>Le rayon de courbure doit être inférieur à 60000mm (60m)</source>
        <translation>The radius of curvature must be less than 60000mm (60m)</translation>
    </message>
    <message>
        <source>Le Coefficient de déformation doit être supérieur à -5</source>
        <translation>The conic constant must be more than -5</translation>
    </message>
    <message>
        <source>Le Coefficient de déformation doit être inférieur à 5</source>
        <translation>The conic constant must be less than 5</translation>
    </message>
    <message>
        <source>10 zones au maximum</source>
        <translation>10 zones at most</translation>
    </message>
    <message>
        <source>2 zones au minimum</source>
        <translation>2 zones at least</translation>
    </message>
    <message>
        <source>Le nombre de zones ne peut pas être modifié : le fichier contient d&apos;autres séries mesurées avec ce nombre de zones.</source>
        <translation>The zone count cannot be changed: the file holds other series measured with this zone count.</translation>
    </message>
    <message>
        <source>Le rayon d&apos;une zone ne peut pas être inférieur au rayon de la zone précédente</source>
        <translation>A zone&apos;s radius cannot be less than the radius of the previous zone</translation>
    </message>
    <message>
        <source>Le rayon d&apos;une zone ne peut pas être supérieur au rayon de la zone suivante</source>
        <translation>A zone&apos;s radius cannot be more than the radius of the next zone</translation>
    </message>
    <message>
        <source>Le diamètre du trou central ne peut pas être supérieur à la moitié du diamètre du miroir</source>
        <translation>The central hole&apos;s diameter cannot be more than half the mirror&apos;s diameter</translation>
    </message>
    <message>
        <source>Le diamètre ne peux pas être augmenté.</source>
        <translation>The diameter cannot be increased.</translation>
    </message>
    <message>
        <source>Le diamètre doit être supérieur au diamètre de la zone %1</source>
        <translation>The diameter must be larger than the diameter of zone %1</translation>
    </message>
    <message>
        <source>La distance focale doit être inférieure à 30000mm (30m) et elle ne doit pas être à plus de 10% de la valeur initiale</source>
        <translation>The focal length must be less than 30000mm (30m) and within 10% of the initial value</translation>
    </message>
    <message>
        <source>Tarvo n&apos;accepte pas de valeur de mesure supérieure à 1000</source>
        <translation>Tarvo does not accept a reading above 1000</translation>
    </message>
    <message>
        <source>Le rayon du trou central ne peut pas être supérieur au rayon de la première zone</source>
        <translation>The central hole&apos;s radius cannot be more than the radius of the first zone</translation>
    </message>
    <message>
        <source>aucune ligne validée</source>
        <translation>no validated line</translation>
    </message>
    <message>
        <source>diamètre de %1 au lieu de %2</source>
        <translation>diameter %1 instead of %2</translation>
    </message>
    <message>
        <source>focale de %1 au lieu de %2</source>
        <translation>focal length %1 instead of %2</translation>
    </message>
    <message>
        <source>trou central de %1 au lieu de %2</source>
        <translation>central hole %1 instead of %2</translation>
    </message>
    <message>
        <source>%1 zones au lieu de %2</source>
        <translation>%1 zones instead of %2</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>l&apos;accès est refusé</source>
        <translation>access is denied</translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>son dossier n&apos;existe pas</source>
        <translation>its folder does not exist</translation>
    </message>
    <message>
        <source>le disque est en lecture seule</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>le fichier dépasse la taille permise</source>
        <translation>the file exceeds the allowed size</translation>
    </message>
    <message>
        <source>la sortie est fermée</source>
        <translation>the output is closed</translation>
    </message>
    <message>
        <source>erreur du système n° %1</source>
        <translation>system error %1</translation>
    </message>
</context>
</TS>
