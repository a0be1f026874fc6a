<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Pages</name>
    <message>
        <source>Le masque de Couder ne peut pas être dessiné : %1</source>
        <translation>The Couder mask cannot be drawn: %1</translation>
    </message>
    <message>
        <source>en calcul</source>
        <translation>computing</translation>
    </message>
    <message>
        <source>Ecart maximal ε</source>
        <translation>Maximum deviation ε</translation>
    </message>
    <message>
        <source>Ecart RMS</source>
        <translation>RMS deviation</translation>
    </message>
    <message>
        <source>Rapport de Strehl</source>
        <translation>Strehl ratio</translation>
    </message>
    <message>
        <source>Conique ajustée K</source>
        <translation>Best-fit conic K</translation>
    </message>
    <message>
        <source>Incertitudes en cours de calcul (%1 tirages)…</source>
        <translation>Uncertainties being computed (%1 draws)…</translation>
    </message>
    <message>
        <source>Incertitudes : écart-type sur %1 tirages des lectures validées ; pour K, d&apos;après leur dispersion.</source>
        <translation>Uncertainties: standard deviation over %1 draws of the validated readings; for K, from their scatter.</translation>
    </message>
    <message>
        <source>Une seule ligne validée sur un diamètre retenu : aucune incertitude ne peut être donnée.</source>
        <translation>Only one validated line on a diameter kept: no uncertainty can be given.</translation>
    </message>
    <message>
        <source>Aucune incertitude ne peut être donnée pour cette série.</source>
        <translation>No uncertainty can be given for this series.</translation>
    </message>
    <message>
        <source>Onde : le profil du bulletin, droit entre les bords des zones, de révolution,</source>
        <translation>Wavefront: the report&apos;s profile, straight between the zone edges, of revolution,</translation>
    </message>
    <message>
        <source>du bord du trou central (ou du centre) au bord du miroir.</source>
        <translation>from the edge of the center hole (or the center) to the edge of the mirror.</translation>
    </message>
    <message>
        <source>Ecart RMS : moyenne quadratique pondérée par la surface, après retrait par</source>
        <translation>RMS deviation: root mean square weighted by the area, after removing by least</translation>
    </message>
    <message>
        <source>moindres carrés d&apos;une constante et d&apos;un terme en r² (piston et mise au point).</source>
        <translation>squares a constant and a term in r² (piston and focus).</translation>
    </message>
    <message>
        <source>Strehl = exp(−(2π·RMS/λ)²), λ = 560 nm (approximation de Maréchal–Mahajan).</source>
        <translation>Strehl = exp(−(2π·RMS/λ)²), λ = 560 nm (Maréchal–Mahajan approximation).</translation>
    </message>
    <message>
        <source>K : droite des moindres carrés des moyennes des zones en fonction de Hm²/R,</source>
        <translation>K: least-squares line of the zones&apos; means against Hm²/R,</translation>
    </message>
    <message>
        <source>avec une constante libre ; K = − pente (parabole −1, sphère 0).</source>
        <translation>with a free constant; K = − slope (parabola −1, sphere 0).</translation>
    </message>
    <message>
        <source>± 1 σ : écart-type sur 1000 tirages avec remise des lectures validées de chaque</source>
        <translation>± 1 σ: standard deviation over 1000 draws with replacement of the validated readings</translation>
    </message>
    <message>
        <source>zone et de chaque diamètre, la réduction refaite à chaque tirage ; pour K, l&apos;erreur</source>
        <translation>of each zone and each diameter, the reduction redone at each draw; for K, the standard</translation>
    </message>
    <message>
        <source>type de chaque moyenne propagée à travers la droite.</source>
        <translation>error of each mean propagated through the line.</translation>
    </message>
    <message>
        <source>D%1 (%2 lignes)</source>
        <translation>D%1 (%2 lines)</translation>
    </message>
    <message>
        <source>D%1 (%2 ligne)</source>
        <translation>D%1 (%2 line)</translation>
    </message>
    <message>
        <source>%1 et %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Mesures retenues : %1</source>
        <translation>Readings kept: %1</translation>
    </message>
    <message>
        <source>Analyse du miroir</source>
        <translation>Mirror analysis</translation>
    </message>
    <message>
        <source>Analyse du miroir parabolique</source>
        <translation>Analysis — parabolic mirror</translation>
    </message>
    <message>
        <source>Analyse du miroir sphérique</source>
        <translation>Analysis — spherical mirror</translation>
    </message>
    <message>
        <source>Ecart de l&apos;onde à la parabole de référence, sur tout le diamètre</source>
        <translation>Wavefront deviation from the reference parabola, over the whole diameter</translation>
    </message>
    <message>
        <source>Grandeur</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Valeur</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Bulletin de contrôle du miroir</source>
        <translation>Mirror test report</translation>
    </message>
    <message>
        <source>Bulletin de contrôle du miroir parabolique</source>
        <translation>Test report — parabolic mirror</translation>
    </message>
    <message>
        <source>Bulletin de contrôle du miroir sphérique</source>
        <translation>Test report — spherical mirror</translation>
    </message>
    <message>
        <source>½ profil de l&apos;onde comparé à la parabole de la meilleure onde de référence</source>
        <translation>½ wavefront profile compared with the parabola of the best reference wavefront</translation>
    </message>
    <message>
        <source>Aberrations transversales comparées au disque de diffraction</source>
        <translation>Transverse aberrations compared with the diffraction disc</translation>
    </message>
    <message>
        <source>Diamètre du trou central = </source>
        <translation>Center hole diameter = </translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Diam.</source>
        <translation>Diam.</translation>
    </message>
    <message>
        <source>Lect.</source>
        <translation>Read.</translation>
    </message>
    <message>
        <source>Commentaire</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Moy.</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Aucune série de mesures.</source>
        <translation>No series of readings.</translation>
    </message>
    <message>
        <source>1 série, le %1</source>
        <translation>1 series, on %1</translation>
    </message>
    <message>
        <source>%1 séries, du %2 au %3</source>
        <translation>%1 series, from %2 to %3</translation>
    </message>
    <message>
        <source> ; séries %1 à %2 ci-dessous</source>
        <translation>; series %1 to %2 below</translation>
    </message>
    <message>
        <source>Historique du miroir</source>
        <translation>Mirror history</translation>
    </message>
    <message>
        <source>Historique du miroir parabolique</source>
        <translation>History — parabolic mirror</translation>
    </message>
    <message>
        <source>Historique du miroir sphérique</source>
        <translation>History — spherical mirror</translation>
    </message>
    <message>
        <source>Ecart maximal ε de chaque série</source>
        <translation>Maximum deviation ε of each series</translation>
    </message>
    <message>
        <source>Ecart longitudinal Λc de chaque zone, les cinq dernières séries</source>
        <translation>Longitudinal deviation Λc of each zone, the last five series</translation>
    </message>
    <message>
        <source>Cliquer sur une ligne, ou la choisir par les flèches et Entrée, pour ouvrir son bulletin</source>
        <translation>Click a line, or choose it with the arrows and Enter, to open its test report</translation>
    </message>
    <message>
        <source>Cliquer sur une ligne, ou la choisir par les flèches et Entrée, pour ouvrir son bulletin ; F4, F5 : séries précédentes, suivantes</source>
        <translation>Click a line, or choose it with the arrows and Enter, to open its test report; F4, F5: previous, next series</translation>
    </message>
    <message>
        <source>Imprimer |Imprimer ce tableau de mesures</source>
        <translation>Print |Print this table of readings</translation>
    </message>
    <message>
        <source>Cliquer sur la cellulle à modifier</source>
        <translation>Click the cell to change</translation>
    </message>
    <message>
        <source>Imprimer |Imprimer le document affiché</source>
        <translation>Print |Print the document shown</translation>
    </message>
    <message>
        <source>Imprimer |Imprimer la feuille de travail</source>
        <translation>Print |Print the work sheet</translation>
    </message>
    <message>
        <source>Utiliser les flèches pour changer de série de mesures</source>
        <translation>Use the arrows to go to another series of readings</translation>
    </message>
    <message>
        <source>Imprimer |Imprimer le bulletin de contrôle</source>
        <translation>Print |Print the test report</translation>
    </message>
    <message>
        <source>Imprimer |Imprimer l&apos;analyse du miroir</source>
        <translation>Print |Print the mirror analysis</translation>
    </message>
    <message>
        <source>Imprimer |Imprimer l&apos;historique du miroir</source>
        <translation>Print |Print the mirror history</translation>
    </message>
    <message>
        <source>Imprimer |Imprimer les ombres simulées</source>
        <translation>Print |Print the simulated shadows</translation>
    </message>
    <message>
        <source>de </source>
        <translation>of </translation>
    </message>
    <message>
        <source>Série N°%1</source>
        <translation>Series %1</translation>
    </message>
    <message>
        <source>de %1</source>
        <translation>of %1</translation>
    </message>
    <message>
        <source>Document réalisé avec le logiciel TARVO - </source>
        <translation>Document produced with the TARVO software - </translation>
    </message>
    <message>
        <source>Moyenne</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>%1, non enregistrée : Affichage, Enregistrer comme nouvelle série, pour la garder</source>
        <translation>%1, not saved: View, Save as new series, to keep it</translation>
    </message>
    <message>
        <source>Utiliser les flèches, F4 ou F5 pour changer de série de mesures</source>
        <translation>Use the arrows, F4 or F5 to go to another series of readings</translation>
    </message>
    <message>
        <source> = %1 nanomètres</source>
        <translation> = %1 nanometers</translation>
    </message>
    <message>
        <source>bande grisée : ± 1 σ</source>
        <translation>gray band: ± 1 σ</translation>
    </message>
    <message>
        <source>Aucune série réduite.</source>
        <translation>No reduced series.</translation>
    </message>
    <message>
        <source>N°%1</source>
        <translation>No. %1</translation>
    </message>
    <message>
        <source>Série %1 (%2)</source>
        <translation>Series %1 (%2)</translation>
    </message>
    <message>
        <source>Diamètre %1</source>
        <translation>Diameter %1</translation>
    </message>
    <message>
        <source>Mesure %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>D%1 moyen</source>
        <translation>D%1 mean</translation>
    </message>
    <message>
        <source>Seules les mesures validées sont utilisées pour les calculs.</source>
        <translation>Only the validated readings are used in the computations.</translation>
    </message>
    <message>
        <source>Les valeurs des mesures sont exprimées en millimètres.</source>
        <translation>The readings are given in millimeters.</translation>
    </message>
    <message>
        <source>Diamètre optique = </source>
        <translation>Optical diameter = </translation>
    </message>
    <message>
        <source>Rayon de courbure = </source>
        <translation>Radius of curvature = </translation>
    </message>
    <message>
        <source>Commentaire libre</source>
        <translation>Free comment</translation>
    </message>
    <message>
        <source>Coefficient de déformation = </source>
        <translation>Conic constant = </translation>
    </message>
    <message>
        <source>Distance Focale = </source>
        <translation>Focal length = </translation>
    </message>
    <message>
        <source>Rayon de la tache de diffraction = </source>
        <translation>Radius of the diffraction spot = </translation>
    </message>
    <message>
        <source>Epaisseur = </source>
        <translation>Thickness = </translation>
    </message>
    <message>
        <source> mm  (c&apos;est la zone grisée des graphiques)</source>
        <translation> mm  (the gray area of the graphs)</translation>
    </message>
    <message>
        <source>Notes :</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Notes : </source>
        <translation>Notes: </translation>
    </message>
    <message>
        <source>Epaisseur minimale = %1 mm pour </source>
        <translation>Minimum thickness = %1 mm for </translation>
    </message>
    <message>
        <source>Epaisseur minimale = </source>
        <translation>Minimum thickness = </translation>
    </message>
    <message>
        <source> mm (c&apos;est la zone grisée des graphiques)</source>
        <translation> mm (the gray area of the graphs)</translation>
    </message>
    <message>
        <source>Caractéristiques du miroir</source>
        <translation>Mirror characteristics</translation>
    </message>
    <message>
        <source>Caractéristiques du miroir parabolique</source>
        <translation>Characteristics — parabolic mirror</translation>
    </message>
    <message>
        <source>Caractéristiques du miroir sphérique</source>
        <translation>Characteristics — spherical mirror</translation>
    </message>
    <message>
        <source>Forme </source>
        <translation>Shape </translation>
    </message>
    <message>
        <source>ou coefficient de déformation = </source>
        <translation>or conic constant = </translation>
    </message>
    <message>
        <source>Finitial/Dinitial = </source>
        <translation>Finitial/Dinitial = </translation>
    </message>
    <message>
        <source>Diamètre du trou central éventuel = </source>
        <translation>Center hole diameter, if any = </translation>
    </message>
    <message>
        <source>Nombre de zones de l&apos;écran = </source>
        <translation>Number of zones of the mask = </translation>
    </message>
    <message>
        <source>Forme parabolique</source>
        <translation>Parabolic shape</translation>
    </message>
    <message>
        <source>Forme sphérique</source>
        <translation>Spherical shape</translation>
    </message>
    <message>
        <source>Imprimer à 100 %</source>
        <translation>Print at 100 %</translation>
    </message>
    <message>
        <source>taille réelle, sans ajustement à la page</source>
        <translation>true size, not fitted to the page</translation>
    </message>
    <message>
        <source>Masque de Couder</source>
        <translation>Couder mask</translation>
    </message>
    <message>
        <source>Série N°%1 du %2 : miroir de %3 mm, %4 zones</source>
        <translation>Series %1, %2: %3 mm mirror, %4 zones</translation>
    </message>
    <message>
        <source>Fenêtres de %1 mm de haut, ponts de %2 mm ; découper les fenêtres hachurées et le cercle extérieur (le pointillé est le bord du miroir).</source>
        <translation>Windows %1 mm high, bridges %2 mm; cut out the hatched windows and the outer circle (the dotted line is the mirror&apos;s edge).</translation>
    </message>
    <message>
        <source>Le masque tient sur %1 feuilles A4, numérotées comme sur ce plan :</source>
        <translation>The mask takes %1 A4 sheets, numbered as on this plan:</translation>
    </message>
    <message>
        <source>superposez leurs bandes de 10 mm en faisant coïncider les croix, puis collez-les.</source>
        <translation>overlap their 10 mm strips so that the crosses match, then glue them together.</translation>
    </message>
    <message>
        <source>Masque de Couder — feuille %1 sur %2 : rangée %3, colonne %4 — %5</source>
        <translation>Couder mask — sheet %1 of %2: row %3, column %4 — %5</translation>
    </message>
    <message>
        <source>Entrez la valeur de la mesure en mm | Indiquer une valeur positive inférieure à 1000</source>
        <translation>Enter the reading in mm | Give a positive value below 1000</translation>
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
        <source>Mesures sur le miroir</source>
        <translation>Readings on the mirror</translation>
    </message>
    <message>
        <source>Mesures sur le miroir parabolique</source>
        <translation>Readings — parabolic mirror</translation>
    </message>
    <message>
        <source>Mesures sur le miroir sphérique</source>
        <translation>Readings — spherical mirror</translation>
    </message>
    <message>
        <source>Ombres simulées du miroir</source>
        <translation>Simulated shadows of the mirror</translation>
    </message>
    <message>
        <source>Ombres simulées du miroir parabolique</source>
        <translation>Simulated shadows — parabolic mirror</translation>
    </message>
    <message>
        <source>Ombres simulées du miroir sphérique</source>
        <translation>Simulated shadows — spherical mirror</translation>
    </message>
    <message>
        <source>Optique géométrique, de l&apos;onde du bulletin (source fixe) : la pente de l&apos;onde donne l&apos;écart</source>
        <translation>Geometric optics, from the report&apos;s wavefront (fixed source): the wavefront&apos;s slope gives the offset</translation>
    </message>
    <message>
        <source>de chaque rayon au centre de courbure ; le couteau coupe les rayons, le réseau les compte.</source>
        <translation>of each ray at the center of curvature; the knife edge cuts the rays, the grating counts them.</translation>
    </message>
    <message>
        <source>La lumière de chaque point est étalée sur la tache de diffraction (2,44 λ R / D, λ = 560 nm).</source>
        <translation>The light of each point is spread over the diffraction spot (2.44 λ R / D, λ = 560 nm).</translation>
    </message>
    <message>
        <source>Le couteau entre par la gauche ; le réseau a ses traits verticaux.</source>
        <translation>The knife edge comes in from the left; the grating&apos;s lines are vertical.</translation>
    </message>
    <message>
        <source>Parabole parfaite</source>
        <translation>Perfect parabola</translation>
    </message>
    <message>
        <source>Miroir parfait (K = %1)</source>
        <translation>Perfect mirror (K = %1)</translation>
    </message>
    <message>
        <source>Couteau au centre de courbure de la zone %1</source>
        <translation>Knife edge at the center of curvature of zone %1</translation>
    </message>
    <message>
        <source>Réseau de %1 traits par pouce, %2 mm en deçà du centre de courbure</source>
        <translation>Grating of %1 lines per inch, %2 mm inside the center of curvature</translation>
    </message>
    <message>
        <source>Réseau de %1 traits par pouce, %2 mm au-delà du centre de courbure</source>
        <translation>Grating of %1 lines per inch, %2 mm outside the center of curvature</translation>
    </message>
    <message>
        <source>Miroir mesuré</source>
        <translation>Measured mirror</translation>
    </message>
    <message>
        <source>Zone du couteau</source>
        <translation>Knife-edge zone</translation>
    </message>
    <message>
        <source>Traits par pouce du réseau</source>
        <translation>Grating lines per inch</translation>
    </message>
    <message>
        <source>Décalage du réseau</source>
        <translation>Grating offset</translation>
    </message>
    <message>
        <source>Couteau au centre de courbure de la zone </source>
        <translation>Knife edge at the center of curvature of zone </translation>
    </message>
    <message>
        <source>Réseau de </source>
        <translation>Grating of </translation>
    </message>
    <message>
        <source> traits par pouce, à ± </source>
        <translation> lines per inch, at ± </translation>
    </message>
    <message>
        <source> du centre de courbure</source>
        <translation> from the center of curvature</translation>
    </message>
    <message>
        <source>D1 moyen</source>
        <translation>D1 mean</translation>
    </message>
    <message>
        <source>D2 moyen</source>
        <translation>D2 mean</translation>
    </message>
    <message>
        <source>Moy.-Cte</source>
        <translation>Mean-Cst</translation>
    </message>
    <message>
        <source>Tol.sup</source>
        <translation>Tol.max</translation>
    </message>
    <message>
        <source>Tol.inf</source>
        <translation>Tol.min</translation>
    </message>
    <message>
        <source>m (pour </source>
        <translation>m (for </translation>
    </message>
    <message>
        <source>La feuille de travail ne peut pas être calculée :</source>
        <translation>The work sheet cannot be computed:</translation>
    </message>
    <message>
        <source>une caractéristique ou un rayon de zone est hors limites.</source>
        <translation>a characteristic or a zone radius is out of range.</translation>
    </message>
    <message>
        <source>le diamètre et la distance focale doivent dépasser 1 mm.</source>
        <translation>the diameter and the focal length must exceed 1 mm.</translation>
    </message>
    <message>
        <source>Profondeur de la concavité = </source>
        <translation>Depth of the concavity = </translation>
    </message>
    <message>
        <source>Masse du verre usiné = </source>
        <translation>Mass of glass removed = </translation>
    </message>
    <message>
        <source>Volume de la concavité = </source>
        <translation>Volume of the concavity = </translation>
    </message>
    <message>
        <source>Masse du Miroir = </source>
        <translation>Mass of the mirror = </translation>
    </message>
    <message>
        <source>Echelle de l&apos;image au foyer = </source>
        <translation>Image scale at the focus = </translation>
    </message>
    <message>
        <source>Feuille de travail du miroir</source>
        <translation>Mirror work sheet</translation>
    </message>
    <message>
        <source>Feuille de travail du miroir parabolique</source>
        <translation>Work sheet — parabolic mirror</translation>
    </message>
    <message>
        <source>Feuille de travail du miroir sphérique</source>
        <translation>Work sheet — spherical mirror</translation>
    </message>
    <message>
        <source>Aberrations longitudinales admissibles (en mm) - Méthode Millies-Lacroix</source>
        <translation>Permissible longitudinal aberrations (in mm) - Millies-Lacroix method</translation>
    </message>
    <message>
        <source>La partie grisée correspond au trou central.</source>
        <translation>The gray part is the center hole.</translation>
    </message>
    <message>
        <source>Le diamètre de la série et ses zones ne décrivent pas de masque.</source>
        <translation>The series&apos; diameter and zones do not make a mask.</translation>
    </message>
    <message>
        <source>Les rayons des zones doivent croître du bord du trou central jusqu&apos;au bord du miroir.</source>
        <translation>The zone radii must grow from the edge of the center hole to the edge of the mirror.</translation>
    </message>
    <message>
        <source>La zone %1 est trop étroite pour y ouvrir une fenêtre.</source>
        <translation>There is no room for a window in zone %1: it is too narrow.</translation>
    </message>
    <message>
        <source>Le nombre de zones doit être compris entre 2 et 10.</source>
        <translation>The number of zones must be between 2 and 10.</translation>
    </message>
    <message>
        <source>Aucune ligne de mesure n&apos;est validée.</source>
        <translation>No line of readings is validated.</translation>
    </message>
    <message>
        <source>Le diamètre et la distance focale de la série doivent être positifs.</source>
        <translation>The series&apos; diameter and focal length must be positive.</translation>
    </message>
    <message>
        <source>Les valeurs de cette série sont hors des limites du calcul.</source>
        <translation>The values of this series are beyond the limits of the computation.</translation>
    </message>
</context>
</TS>
