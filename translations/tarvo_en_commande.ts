<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Commande</name>
    <message>
        <source>Le document %1 n&apos;a pas pu être ouvert.</source>
        <translation>The document %1 could not be opened.</translation>
    </message>
    <message>
        <source>Le fichier %1 existe déjà ; ajoutez --overwrite pour le remplacer.</source>
        <translation>The file %1 already exists; add --overwrite to replace it.</translation>
    </message>
    <message>
        <source>Le document n&apos;a pas été enregistré.</source>
        <translation>The document was not saved.</translation>
    </message>
    <message>
        <source>--zones : le diamètre et la focale doivent être positifs, et le trou central plus petit que le diamètre</source>
        <translation>--zones: the diameter and the focal length must be positive, and the central hole smaller than the diameter</translation>
    </message>
    <message>
        <source>la série %1</source>
        <translation>series %1</translation>
    </message>
    <message>
        <source>Pas de bulletin de contrôle pour %1 : %2</source>
        <translation>No test report for %1: %2</translation>
    </message>
    <message>
        <source>Usage :
  tarvo [FICHIER]                                  ouvre la fenêtre
  tarvo --json [--series N] FICHIER                décrit le document en JSON
  tarvo --csv [--series N] FICHIER                 tableau du bulletin en CSV
  tarvo --csv --historique FICHIER                 historique des séries en CSV
  tarvo --json|--csv --moyenne 2,3,5 FICHIER       moyenne de plusieurs séries
  tarvo --save-as SORTIE [--overwrite] FICHIER     enregistre sous un autre nom
  tarvo --zones DIAMETRE FOCALE TROU               propose les zones de l&apos;écran
  tarvo --pdf SORTIE.pdf --page PAGE [--series N] FICHIER
  tarvo --png SORTIE.png --page PAGE [--series N] FICHIER
  (--pdf et --png prennent aussi --moyenne 2,3,5 pour les pages bulletin, analyse
  et historique)
  tarvo --png SORTIE.png --page ombres [--zone N] [--lpi N] [--decalage MM] FICHIER
  tarvo --pdf SORTIE.pdf --page masque FICHIER     masque de Couder à taille réelle
  tarvo --help | --version                         cet usage, la version
  (--langue fr|en choisit la langue ; sinon LANG, LC_MESSAGES ou LC_ALL)
</source>
        <translation>Usage:
  tarvo [FILE]                                     opens the window
  tarvo --json [--series N] FILE                   describes the document in JSON
  tarvo --csv [--series N] FILE                    the test report&apos;s table in CSV
  tarvo --csv --historique FILE                    the history of the series in CSV
  tarvo --json|--csv --moyenne 2,3,5 FILE          mean of several series
  tarvo --save-as OUT [--overwrite] FILE           saves under another name
  tarvo --zones DIAMETER FOCAL_LENGTH HOLE         the zones for a Couder mask
  tarvo --pdf OUT.pdf --page PAGE [--series N] FILE
  tarvo --png OUT.png --page PAGE [--series N] FILE
  (PAGE: caracteristiques, feuille, mesures, nouvellesmesures, editionmesures,
  bulletin, analyse, historique, ombres, masque; --pdf and --png also take
  --moyenne 2,3,5 for the pages bulletin, analyse and historique)
  tarvo --png OUT.png --page ombres [--zone N] [--lpi N] [--decalage MM] FILE
  tarvo --pdf OUT.pdf --page masque FILE           Couder mask at true size
  tarvo --help | --version                         this usage, the version
  (--langue fr|en chooses the language; otherwise LANG, LC_MESSAGES or LC_ALL)
</translation>
    </message>
    <message>
        <source>une seule commande à la fois</source>
        <translation>one command at a time</translation>
    </message>
    <message>
        <source>%1 demande un nom de fichier</source>
        <translation>%1 needs a file name</translation>
    </message>
    <message>
        <source>--zones demande le diamètre, la focale et le diamètre du trou</source>
        <translation>--zones needs the diameter, the focal length and the diameter of the hole</translation>
    </message>
    <message>
        <source>--series demande un numéro de série (1, 2, ...)</source>
        <translation>--series needs a series number (1, 2, ...)</translation>
    </message>
    <message>
        <source>--page demande le nom d&apos;une page</source>
        <translation>--page needs the name of a page</translation>
    </message>
    <message>
        <source>--moyenne demande des numéros de séries séparés par des virgules (2,3,5)</source>
        <translation>--moyenne needs series numbers separated by commas (2,3,5)</translation>
    </message>
    <message>
        <source>--zone demande un numéro de zone (1, 2, ...)</source>
        <translation>--zone needs a zone number (1, 2, ...)</translation>
    </message>
    <message>
        <source>--lpi demande un nombre de traits par pouce, de 10 à 1000</source>
        <translation>--lpi needs a number of lines per inch, from 10 to 1000</translation>
    </message>
    <message>
        <source>--decalage demande un décalage en mm, de 0.1 à 50</source>
        <translation>--decalage needs an offset in mm, from 0.1 to 50</translation>
    </message>
    <message>
        <source>option inconnue : %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>aucune commande</source>
        <translation>no command</translation>
    </message>
    <message>
        <source>--zones ne prend pas de fichier</source>
        <translation>--zones takes no file</translation>
    </message>
    <message>
        <source>il manque le nom du document</source>
        <translation>the name of the document is missing</translation>
    </message>
    <message>
        <source>--page est obligatoire avec --pdf et --png</source>
        <translation>--page is required with --pdf and --png</translation>
    </message>
    <message>
        <source>--page ne va qu&apos;avec --pdf ou --png</source>
        <translation>--page can only be used with --pdf or --png</translation>
    </message>
    <message>
        <source>--series ne va pas avec cette commande</source>
        <translation>--series cannot be used with this command</translation>
    </message>
    <message>
        <source>--overwrite ne va qu&apos;avec --save-as</source>
        <translation>--overwrite can only be used with --save-as</translation>
    </message>
    <message>
        <source>--historique ne va qu&apos;avec --csv, sans --series ni --moyenne</source>
        <translation>--historique can only be used with --csv, without --series or --moyenne</translation>
    </message>
    <message>
        <source>--zone, --lpi et --decalage ne vont qu&apos;avec --page ombres</source>
        <translation>--zone, --lpi and --decalage can only be used with --page ombres</translation>
    </message>
    <message>
        <source>--moyenne et --series ne vont pas ensemble</source>
        <translation>--moyenne and --series cannot be used together</translation>
    </message>
    <message>
        <source>--moyenne ne va qu&apos;avec --json, --csv, --pdf et --png</source>
        <translation>--moyenne can only be used with --json, --csv, --pdf and --png</translation>
    </message>
    <message>
        <source>un seul document à la fois (%1 donnés : %2)</source>
        <translation>one document at a time (%1 given: %2)</translation>
    </message>
    <message>
        <source>« %1 » est un dossier, pas un document</source>
        <translation>&quot;%1&quot; is a folder, not a document</translation>
    </message>
    <message>
        <source>« %1 » : lecture refusée</source>
        <translation>&quot;%1&quot;: permission to read denied</translation>
    </message>
    <message>
        <source>--series %1 : le document n&apos;a aucune série</source>
        <translation>--series %1: the document has no series</translation>
    </message>
    <message>
        <source>--series %1 : le document n&apos;a qu&apos;une série</source>
        <translation>--series %1: the document has only one series</translation>
    </message>
    <message>
        <source>--series %1 : le document n&apos;a que %2 séries</source>
        <translation>--series %1: the document has only %2 series</translation>
    </message>
    <message>
        <source>Cette commande demande l&apos;interface graphique.</source>
        <translation>This command needs the graphical interface.</translation>
    </message>
    <message>
        <source>tarvo : %1</source>
        <translation>tarvo: %1</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>page inconnue : %1</source>
        <translation>unknown page: %1</translation>
    </message>
    <message>
        <source>--zone %1 : la série n&apos;a que %2 zones.</source>
        <translation>--zone %1: the series has only %2 zones.</translation>
    </message>
    <message>
        <source>--langue demande fr ou en</source>
        <translation>--langue needs fr or en</translation>
    </message>
    <message>
        <source>--langue demande fr ou en (et non « %1 »)</source>
        <translation>--langue needs fr or en (not &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>pas d&apos;affichage graphique pour ouvrir la fenêtre ; --pdf et --png dessinent une page sans fenêtre.</source>
        <translation>no graphical display to open the window; --pdf and --png draw a page without a window.</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire la sortie standard : %1</source>
        <translation>cannot write the standard output: %1</translation>
    </message>
</context>
</TS>
