<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BaseEditorTab</name>
    <message>
        <source>This is the base that will be built when a new game is started. </source>
        <translation>Voici la base construite au début de chaque nouvelle partie. </translation>
    </message>
    <message>
        <source>Items in General Stores:</source>
        <translation>Objets du magasin général&#xa0;:</translation>
    </message>
    <message>
        <source>A list of every item at the starting base.</source>
        <translation>La liste de tous les objets de la base de départ.</translation>
    </message>
    <message>
        <source>Click on an item to edit the amount a player starts with.</source>
        <translation>Cliquez sur un objet pour modifier la quantité dont le joueur dispose au départ.</translation>
    </message>
    <message>
        <source>Stores</source>
        <translation>Magasin</translation>
    </message>
    <message>
        <source>Fusion Ball Defense
(Bottom Right)
255 Days</source>
        <translation>Défense à fusion
(bas droite)
255 jours</translation>
    </message>
    <message>
        <source>Facility Type:</source>
        <translation>Type d&apos;installation&#xa0;:</translation>
    </message>
    <message>
        <source>Choose Facility Type</source>
        <translation>Choisir le type d&apos;installation</translation>
    </message>
    <message>
        <source>Days Left:</source>
        <translation>Jours restants&#xa0;:</translation>
    </message>
    <message>
        <source>Choose Days To Completion</source>
        <translation>Choisir les jours jusqu&apos;à l&apos;achèvement</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Appli&amp;quer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>base %1: %2, %3</source>
        <translation>base %1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>1 Day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>%1 Days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Case %1</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>%1 is above the limit %2</source>
        <translation>%1 dépasse la limite %2</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <translation>%1 est inférieur à 0</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of %2</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est aucune des valeurs %2</translation>
    </message>
    <message>
        <source>the game&apos;s code page cannot hold the character %1</source>
        <translation>la page de code du jeu ne peut pas contenir le caractère %1</translation>
    </message>
    <message>
        <source>a name cannot be empty</source>
        <translation>un nom ne peut pas être vide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than %2 characters</source>
        <translation>«&#xa0;%1&#xa0;» dépasse %2 caractères</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>champ inconnu</translation>
    </message>
    <message>
        <source>%1 is above the limit %2 the form allows</source>
        <translation>%1 dépasse la limite %2 que permet la fiche</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>%1 is above %2, the most the field can hold</source>
        <translation>%1 dépasse %2, le maximum que peut contenir le champ</translation>
    </message>
    <message>
        <source>%1 is above the limit 110</source>
        <translation>%1 dépasse la limite 110</translation>
    </message>
    <message>
        <source>%1 is not divisible by 10</source>
        <translation>%1 n&apos;est pas divisible par 10</translation>
    </message>
    <message>
        <source>%1 is below -2,440, the least the field can hold</source>
        <translation>%1 est inférieur à -2&#xa0;440, le minimum que peut contenir le champ</translation>
    </message>
    <message>
        <source>%1 is below 0, the least the form allows</source>
        <translation>%1 est inférieur à 0, le minimum que permet la fiche</translation>
    </message>
    <message>
        <source>%1 entry %2</source>
        <translation>%1 entrée %2</translation>
    </message>
</context>
<context>
    <name>CellText</name>
    <message>
        <source>&quot;%1&quot; names no single item</source>
        <translation>«&#xa0;%1&#xa0;» ne désigne pas un objet unique</translation>
    </message>
</context>
<context>
    <name>Change</name>
    <message>
        <source>Rename %1 to %2</source>
        <translation>Renommer %1 en %2</translation>
    </message>
</context>
<context>
    <name>ChangeSet</name>
    <message>
        <source>change %1 (%2 / %3 / %4)</source>
        <translation>modification %1 (%2 / %3 / %4)</translation>
    </message>
    <message>
        <source>the file of table %1 is not loaded</source>
        <translation>le fichier de la table %1 n&apos;est pas chargé</translation>
    </message>
    <message>
        <source>the field lies outside the loaded file</source>
        <translation>le champ se trouve hors du fichier chargé</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>not a change set: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>ce n&apos;est pas un jeu de modifications&#xa0;: «&#xa0;format&#xa0;» doit valoir «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be a whole number</source>
        <translation>«&#xa0;version&#xa0;» doit être un nombre entier</translation>
    </message>
    <message>
        <source>version %1 is newer than this editor reads (%2)</source>
        <translation>la version %1 est plus récente que celle que lit cet éditeur (%2)</translation>
    </message>
    <message>
        <source>&quot;changes&quot; must be a list</source>
        <translation>«&#xa0;changes&#xa0;» doit être une liste</translation>
    </message>
    <message>
        <source>: the same field as change %1</source>
        <translation>&#xa0;: le même champ que la modification %1</translation>
    </message>
    <message>
        <source>%1 has %2 entries here and %3 in the other install; only the first %4 are compared</source>
        <translation>%1 a ici %2 entrées et %3 dans l&apos;autre installation&#xa0;; seules les %4 premières sont comparées</translation>
    </message>
    <message>
        <source>change %1: no table &quot;%2&quot;%3</source>
        <translation>modification %1&#xa0;: aucune table «&#xa0;%2&#xa0;»%3</translation>
    </message>
    <message>
        <source>change %1: no field &quot;%2&quot; in table %3%4</source>
        <translation>modification %1&#xa0;: aucun champ «&#xa0;%2&#xa0;» dans la table %3%4</translation>
    </message>
    <message>
        <source>no record %1 in table %2%3</source>
        <translation>aucun enregistrement %1 dans la table %2%3</translation>
    </message>
    <message>
        <source>the value must be a text</source>
        <translation>la valeur doit être un texte</translation>
    </message>
    <message>
        <source>the file holds %1, neither %2 as &quot;was&quot; says nor the new value</source>
        <translation>le fichier contient %1, ni %2 comme l&apos;indique «&#xa0;was&#xa0;», ni la nouvelle valeur</translation>
    </message>
    <message>
        <source>line %1: the key &quot;%2&quot; is given twice</source>
        <translation>ligne %1&#xa0;: la clé «&#xa0;%2&#xa0;» figure deux fois</translation>
    </message>
    <message>
        <source>line %1: unknown key &quot;%2&quot;%3</source>
        <translation>ligne %1&#xa0;: clé inconnue «&#xa0;%2&#xa0;»%3</translation>
    </message>
    <message>
        <source>&quot;$schema&quot; must be a text</source>
        <translation>«&#xa0;$schema&#xa0;» doit être un texte</translation>
    </message>
    <message>
        <source>&quot;mod&quot; must be an object</source>
        <translation>«&#xa0;mod&#xa0;» doit être un objet</translation>
    </message>
    <message>
        <source>&quot;mod&quot;: &quot;%1&quot; must be a text</source>
        <translation>«&#xa0;mod&#xa0;»&#xa0;: «&#xa0;%1&#xa0;» doit être un texte</translation>
    </message>
    <message>
        <source>change %1: needs &quot;table&quot; and &quot;field&quot; as texts, &quot;record&quot; and &quot;value&quot; as a text or number (and &quot;comment&quot;, if any, as a text)</source>
        <translation>modification %1&#xa0;: «&#xa0;table&#xa0;» et «&#xa0;field&#xa0;» doivent être des textes, «&#xa0;record&#xa0;» et «&#xa0;value&#xa0;» un texte ou un nombre (et «&#xa0;comment&#xa0;», s&apos;il y en a un, un texte)</translation>
    </message>
</context>
<context>
    <name>ChangesModel</name>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>As loaded</source>
        <translation>Tel que chargé</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
</context>
<context>
    <name>ChangesPanel</name>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Put the selected lines back to their values as loaded.</source>
        <translation>Remet les lignes choisies à leurs valeurs du chargement.</translation>
    </message>
    <message>
        <source>Changes (%1)</source>
        <translation>Modifications (%1)</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>&amp;Modifications</translation>
    </message>
    <message>
        <source>Revert %1: %2</source>
        <translation>Rétablir %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Revert %1 changes</source>
        <translation>Rétablir %1 modifications</translation>
    </message>
    <message>
        <source>Revert All</source>
        <translation>Tout rétablir</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Revert A&amp;ll</source>
        <translation>Tout ré&amp;tablir</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>line %1: a quote inside an unquoted field</source>
        <translation>ligne %1&#xa0;: un guillemet dans un champ sans guillemets</translation>
    </message>
    <message>
        <source>line %1: text after a closing quote</source>
        <translation>ligne %1&#xa0;: du texte après un guillemet fermant</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed</source>
        <translation>ligne %1&#xa0;: un champ entre guillemets n&apos;est jamais fermé</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text; it was read as Windows-1252</source>
        <translation>le fichier n&apos;est pas du texte UTF-8&#xa0;; il a été lu en Windows-1252</translation>
    </message>
    <message>
        <source>the fields are separated by semicolons</source>
        <translation>les champs sont séparés par des points-virgules</translation>
    </message>
</context>
<context>
    <name>DamageTypes</name>
    <message>
        <source>AP</source>
        <translation>Perforant</translation>
    </message>
    <message>
        <source>Incendiary</source>
        <translation>Incendiaire</translation>
    </message>
    <message>
        <source>HE</source>
        <translation>Explosif</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>Plasma</source>
        <translation>Plasma</translation>
    </message>
    <message>
        <source>Stun</source>
        <translation>Paralysant</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>DiskCheck</name>
    <message>
        <source>%1 (no longer there)</source>
        <translation>%1 (disparu)</translation>
    </message>
    <message>
        <source>These files changed on disk after they were loaded or last saved, perhaps by another program:

</source>
        <translation>Ces fichiers ont changé sur le disque depuis leur chargement ou leur dernier enregistrement, peut-être par un autre programme&#xa0;:

</translation>
    </message>
    <message>
        <source>Overwrite makes the master backup from the files as they were loaded.</source>
        <translation>Écraser crée la copie de référence à partir des fichiers tels qu&apos;ils ont été chargés.</translation>
    </message>
    <message>
        <source> Reload loads the files from disk again. Cancel writes nothing.</source>
        <translation> Recharger relit les fichiers sur le disque. Annuler n&apos;écrit rien.</translation>
    </message>
    <message>
        <source>Files Changed on Disk</source>
        <translation>Fichiers modifiés sur le disque</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Changed on disk since loaded or saved: %1. Save will ask before writing over them.</source>
        <translation>Modifiés sur le disque depuis le chargement ou l&apos;enregistrement&#xa0;: %1. Enregistrer demandera avant de les écraser.</translation>
    </message>
    <message>
        <source>They hold edits of yours that are not saved. Overwrite replaces the other program&apos;s version of them with yours.</source>
        <translation>Ils contiennent des modifications non enregistrées. Écraser remplace la version de l’autre programme par la vôtre.</translation>
    </message>
    <message>
        <source>Changed on disk by another program: %1. Save leaves it as it is; reload to see or edit it.</source>
        <translation>Modifié sur le disque par un autre programme : %1. L’enregistrement le laisse tel quel ; rechargez-le pour le voir ou le modifier.</translation>
    </message>
    <message>
        <source>Changed on disk by another program: %1. Save leaves them as they are; reload to see or edit them.</source>
        <translation>Modifiés sur le disque par un autre programme : %1. L’enregistrement les laisse tels quels ; rechargez-les pour les voir ou les modifier.</translation>
    </message>
</context>
<context>
    <name>Facilities</name>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Access Lift</source>
        <translation>Ascenseur d&apos;accès</translation>
    </message>
    <message>
        <source>Living Quarters</source>
        <translation>Quartiers d&apos;habitation</translation>
    </message>
    <message>
        <source>Laboratory</source>
        <translation>Laboratoire</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Atelier</translation>
    </message>
    <message>
        <source>Small
Radar System</source>
        <translation>Petit système
radar</translation>
    </message>
    <message>
        <source>Large
Radar System</source>
        <translation>Grand système
radar</translation>
    </message>
    <message>
        <source>Missile Defense</source>
        <translation>Défense par missiles</translation>
    </message>
    <message>
        <source>General Stores</source>
        <translation>Magasin général</translation>
    </message>
    <message>
        <source>Alien Containment</source>
        <translation>Confinement extraterrestre</translation>
    </message>
    <message>
        <source>Laser Defense</source>
        <translation>Défense laser</translation>
    </message>
    <message>
        <source>Plasma Defense</source>
        <translation>Défense plasma</translation>
    </message>
    <message>
        <source>Fusion Ball Defense</source>
        <translation>Défense à fusion</translation>
    </message>
    <message>
        <source>Grav Shield</source>
        <translation>Bouclier gravitationnel</translation>
    </message>
    <message>
        <source>Mind Shield</source>
        <translation>Bouclier mental</translation>
    </message>
    <message>
        <source>Psionic Laboratory</source>
        <translation>Laboratoire psionique</translation>
    </message>
    <message>
        <source>Hyper-wave Decoder</source>
        <translation>Décodeur hyper-ondes</translation>
    </message>
    <message>
        <source>Hangar
(Top Left)</source>
        <translation>Hangar
(haut gauche)</translation>
    </message>
    <message>
        <source>Hangar
(Top Right)</source>
        <translation>Hangar
(haut droite)</translation>
    </message>
    <message>
        <source>Hangar
(Bottom Left)</source>
        <translation>Hangar
(bas gauche)</translation>
    </message>
    <message>
        <source>Hangar
(Bottom Right)</source>
        <translation>Hangar
(bas droite)</translation>
    </message>
    <message>
        <source>Small Radar System</source>
        <translation>Petit système radar</translation>
    </message>
    <message>
        <source>Large Radar System</source>
        <translation>Grand système radar</translation>
    </message>
    <message>
        <source>Hangar</source>
        <translation>Hangar</translation>
    </message>
</context>
<context>
    <name>FacilityEditorTab</name>
    <message>
        <source>Facility Name:</source>
        <translation>Nom de l&apos;installation&#xa0;:</translation>
    </message>
    <message>
        <source>Facility</source>
        <translation>Installation</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>it is a named pipe (FIFO)</source>
        <translation>c&apos;est un tube nommé (FIFO)</translation>
    </message>
    <message>
        <source>it is a device</source>
        <translation>c&apos;est un périphérique</translation>
    </message>
    <message>
        <source>it is a socket</source>
        <translation>c&apos;est un socket</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
</context>
<context>
    <name>GameLoader</name>
    <message>
        <source>DONE!    </source>
        <translation>TERMINÉ&#xa0;!    </translation>
    </message>
    <message>
        <source>The path %1 cannot be read as text: the name &quot;%2&quot; in it is not valid UTF-8. Rename it and load again.</source>
        <translation>Le chemin %1 ne peut pas être lu comme du texte&#xa0;: le nom «&#xa0;%2&#xa0;» qu&apos;il contient n&apos;est pas de l&apos;UTF-8 valide. Renommez-le et chargez à nouveau.</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2.</source>
        <translation>Le fichier %1 n&apos;a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not the right size</source>
        <translation>Le fichier %1 n&apos;a pas la bonne taille</translation>
    </message>
    <message>
        <source>The file %1 is too large to load: it is %2 bytes, and a string file can be at most %3 bytes (%4 MiB).</source>
        <translation>Le fichier %1 est trop gros pour être chargé&#xa0;: il fait %2 octets, et un fichier de textes ne peut dépasser %3 octets (%4 Mio).</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>est vide</translation>
    </message>
    <message>
        <source>is larger than a string file can be (16 MiB)</source>
        <translation>dépasse la taille maximale d&apos;un fichier de textes (16 Mio)</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>%1 is missing, so %2 was left out too and %3 is not offered.</source>
        <translation>%1 est absent&#xa0;; %2 a donc été ignoré lui aussi et %3 n&apos;est pas proposé.</translation>
    </message>
    <message>
        <source>%1 %2, so %3 is not offered.</source>
        <translation>%1 %2&#xa0;; %3 n&apos;est donc pas proposé.</translation>
    </message>
    <message>
        <source>Unable to load ufo.exe</source>
        <translation>Impossible de charger ufo.exe</translation>
    </message>
    <message>
        <source>Not correct executable file version, currently this only works for Collector&apos;s Edition of X-Com.</source>
        <translation>Version incorrecte du fichier exécutable&#xa0;; pour l&apos;instant, seule la Collector&apos;s Edition de X-Com est prise en charge.</translation>
    </message>
    <message>
        <source>Unexpected File Contents</source>
        <translation>Contenu de fichier inattendu</translation>
    </message>
    <message>
        <source>The chosen files do not look like this game&apos;s:

%1

Load anyway?</source>
        <translation>Les fichiers choisis ne ressemblent pas à ceux de ce jeu&#xa0;:

%1

Les charger quand même&#xa0;?</translation>
    </message>
    <message>
        <source>All files loaded successfully!</source>
        <translation>Tous les fichiers ont été chargés&#xa0;!</translation>
    </message>
    <message>
        <source>Unable to load english.dat</source>
        <translation>Impossible de charger english.dat</translation>
    </message>
    <message>
        <source>Unable to load english2.dat</source>
        <translation>Impossible de charger english2.dat</translation>
    </message>
    <message>
        <source>Unable to load obdata.dat</source>
        <translation>Impossible de charger obdata.dat</translation>
    </message>
</context>
<context>
    <name>GameSaver</name>
    <message>
        <source>what it held before could not be read</source>
        <translation>son contenu précédent n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>The file is read-only (no one may write to it), so it is left as it is. Make it writable to save it.</source>
        <translation>Le fichier est en lecture seule (personne ne peut y écrire)&#xa0;; il reste donc tel quel. Rendez-le accessible en écriture pour l&apos;enregistrer.</translation>
    </message>
    <message>
        <source>The file %1 could not be written:
%2

</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit&#xa0;:
%2

</translation>
    </message>
    <message>
        <source>No file was changed.</source>
        <translation>Aucun fichier n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>These files hold what this save wrote, because what they held before could not be put back:</source>
        <translation>Ces fichiers contiennent ce que cet enregistrement a écrit, car leur contenu précédent n&apos;a pas pu être remis en place&#xa0;:</translation>
    </message>
    <message>
        <source>

Every other file is as it was before.</source>
        <translation>

Tous les autres fichiers sont restés tels quels.</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>

Your edits are kept; you can save again.</source>
        <translation>

Vos modifications sont conservées&#xa0;; vous pouvez enregistrer à nouveau.</translation>
    </message>
    <message>
        <source>Make master backup?</source>
        <translation>Créer la copie de référence&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to make a master back up? This will overwrite any other master backup of your executable.</source>
        <translation>Voulez-vous vraiment créer une copie de référence&#xa0;? Elle remplacera toute autre copie de référence de votre exécutable.</translation>
    </message>
    <message>
        <source>Master backup failed</source>
        <translation>Échec de la copie de référence</translation>
    </message>
    <message>
        <source>%1 %2; nothing was written. %3</source>
        <translation>%1 %2 ; rien n’a été écrit. %3</translation>
    </message>
</context>
<context>
    <name>GameVersion</name>
    <message>
        <source>Version: Collector&apos;s Edition</source>
        <translation>Version&#xa0;: Collector&apos;s Edition</translation>
    </message>
    <message>
        <source>Version: DOS version 1.2</source>
        <translation>Version&#xa0;: version DOS 1.2</translation>
    </message>
    <message>
        <source>Version: DOS version 1.4</source>
        <translation>Version&#xa0;: version DOS 1.4</translation>
    </message>
</context>
<context>
    <name>ItemEditorTab</name>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Double click on item to edit it.</source>
        <translation>Double-cliquez sur un objet pour le modifier.</translation>
    </message>
    <message>
        <source>Click on item to view index number, double click to edit.</source>
        <translation>Cliquez sur un objet pour voir son numéro d&apos;index, double-cliquez pour le modifier.</translation>
    </message>
    <message>
        <source>Index:</source>
        <translation>Index&#xa0;:</translation>
    </message>
</context>
<context>
    <name>JsonKeys</name>
    <message>
        <source> (did you mean &quot;%1&quot;?)</source>
        <translation> (vouliez-vous dire «&#xa0;%1&#xa0;»&#xa0;?)</translation>
    </message>
    <message>
        <source> (one of: %1)</source>
        <translation> (parmi&#xa0;: %1)</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>LoadWindow</name>
    <message>
        <source>Loading Files...</source>
        <translation>Chargement des fichiers…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>L&amp;oad Files</source>
        <translation>&amp;Charger les fichiers</translation>
    </message>
    <message>
        <source>&amp;Make Backups</source>
        <translation>Créer des copies de &amp;sécurité</translation>
    </message>
    <message>
        <source>Make Master Backup</source>
        <translation>Créer la copie de référence</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;C&amp;lose files</source>
        <translation>&amp;Fermer les fichiers</translation>
    </message>
    <message>
        <source>&amp;Import Changes…</source>
        <translation>&amp;Importer des modifications…</translation>
    </message>
    <message>
        <source>&amp;Export Changes…</source>
        <translation>E&amp;xporter les modifications…</translation>
    </message>
    <message>
        <source>Export &amp;Tables…</source>
        <translation>Exporter les &amp;tables…</translation>
    </message>
    <message>
        <source>Import T&amp;able…</source>
        <translation>Importer une t&amp;able…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Edit History</source>
        <translation>Historique des modifications</translation>
    </message>
    <message>
        <source>&lt;files as loaded&gt;</source>
        <translation>&lt;fichiers tels que chargés&gt;</translation>
    </message>
    <message>
        <source>Edit &amp;History</source>
        <translation>&amp;Historique des modifications</translation>
    </message>
    <message>
        <source>Base Editor</source>
        <translation>Éditeur de base</translation>
    </message>
    <message>
        <source>Facility Editor</source>
        <translation>Éditeur d&apos;installations</translation>
    </message>
    <message>
        <source>Soldier Names</source>
        <translation>Noms des soldats</translation>
    </message>
    <message>
        <source>Unit Editor</source>
        <translation>Éditeur d&apos;unités</translation>
    </message>
    <message>
        <source>Item Editor</source>
        <translation>Éditeur d&apos;objets</translation>
    </message>
    <message>
        <source>String Editor</source>
        <translation>Éditeur de textes</translation>
    </message>
    <message>
        <source>Language files</source>
        <translation>Fichiers de langue</translation>
    </message>
    <message>
        <source>Some language files were not loaded:

</source>
        <translation>Certains fichiers de langue n&apos;ont pas été chargés&#xa0;:

</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>UFO Executable (ufo.exe)|*.exe</source>
        <translation>Exécutable UFO (ufo.exe)|*.exe</translation>
    </message>
    <message>
        <source>Discard Unsaved Changes</source>
        <translation>Abandonner les modifications non enregistrées</translation>
    </message>
    <message>
        <source>Reloading discards the changes you have not saved. Discard them and load the files from disk?</source>
        <translation>Recharger abandonne les modifications non enregistrées. Les abandonner et relire les fichiers sur le disque&#xa0;?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>The game files have changes that are not saved.</source>
        <translation>Les fichiers du jeu contiennent des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>UFO.EXE Editor</source>
        <translation>Éditeur d&apos;UFO.EXE</translation>
    </message>
    <message>
        <source>UFO.EXE Editor — %1[*]</source>
        <translation>Éditeur d&apos;UFO.EXE — %1[*]</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>The current version is %1 beta.
Written by the X-Com Kestrel developers.
It only works for Collector&apos;s Edition of X-Com: Ufo Defense at the present time.</source>
        <translation>La version actuelle est la %1 bêta.
Écrit par les développeurs de X-Com Kestrel.
Pour l&apos;instant, il ne fonctionne qu&apos;avec la Collector&apos;s Edition de X-Com&#xa0;: Ufo Defense.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Load the files again as they are on disk now</source>
        <translation>Recharger les fichiers tels qu’ils sont maintenant sur le disque</translation>
    </message>
    <message>
        <source>Nothing was opened: %1</source>
        <translation>Rien n’a été ouvert : %1</translation>
    </message>
    <message>
        <source>Nothing was opened: %1 is not an executable (.exe), a change set (.json) or a table (.csv).</source>
        <translation>Rien n’a été ouvert : %1 n’est ni un exécutable (.exe), ni un fichier de modifications (.json), ni un tableau (.csv).</translation>
    </message>
    <message>
        <source>Nothing was imported: load the game files before importing %1.</source>
        <translation>Rien n’a été importé : chargez les fichiers du jeu avant d’importer %1.</translation>
    </message>
    <message>
        <source>Edit Refused</source>
        <translation>Modification refusée</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program, so what this window shows of it is stale. Nothing was changed.

Reload the files (the Reload button in the status bar) to edit it.</source>
        <translation>%1 a été modifié sur le disque par un autre programme ; ce que cette fenêtre en montre est périmé. Rien n’a été modifié.

Rechargez les fichiers (bouton « Recharger » de la barre d’état) pour le modifier.</translation>
    </message>
    <message>
        <source>Save them before closing the files?</source>
        <translation>Les enregistrer avant de fermer les fichiers ?</translation>
    </message>
    <message>
        <source>Save them before loading other files?</source>
        <translation>Les enregistrer avant de charger d’autres fichiers ?</translation>
    </message>
    <message>
        <source>Save them before exiting?</source>
        <translation>Les enregistrer avant de quitter ?</translation>
    </message>
    <message>
        <source>Saved %1; backups beside them</source>
        <translation>%1 enregistrés ; copies de sauvegarde à côté</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistrés</translation>
    </message>
    <message>
        <source>Made master backups: %1</source>
        <translation>Sauvegardes maîtresses créées : %1</translation>
    </message>
</context>
<context>
    <name>ModCommands</name>
    <message>
        <source>Nothing was changed:

</source>
        <translation>Rien n&apos;a été modifié&#xa0;:

</translation>
    </message>
    <message>
        <source>Every value is already as the file gives it; nothing was changed.</source>
        <translation>Chaque valeur est déjà celle du fichier&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Import Changes</source>
        <translation>Importer des modifications</translation>
    </message>
    <message>
        <source>Change sets (*.json)|*.json</source>
        <translation>Jeux de modifications (*.json)|*.json</translation>
    </message>
    <message>
        <source>%1 was not applied:

%2</source>
        <translation>%1 n&apos;a pas été appliqué&#xa0;:

%2</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importer %1</translation>
    </message>
    <message>
        <source>Export Changes</source>
        <translation>Exporter les modifications</translation>
    </message>
    <message>
        <source>Export Tables</source>
        <translation>Exporter les tables</translation>
    </message>
    <message>
        <source>Import Table</source>
        <translation>Importer une table</translation>
    </message>
    <message>
        <source>Tables (*.csv)|*.csv</source>
        <translation>Tables (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Import table %1</source>
        <translation>Importer la table %1</translation>
    </message>
    <message>
        <source>Some values are past the limits the form allows:

%1

Apply them anyway?</source>
        <translation>Certaines valeurs dépassent les limites que permet la fiche&#xa0;:

%1

Les appliquer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>This file is already in %1:

%2

Replace them?</source>
        <translation>Ce fichier se trouve déjà dans %1&#xa0;:

%2

Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>These %1 files are already in %2:

%3

Replace them?</source>
        <translation>Ces %1 fichiers se trouvent déjà dans %2&#xa0;:

%3

Les remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Imported %1: one change; Undo takes it back</source>
        <translation>%1 importé : une modification ; Annuler la reprend</translation>
    </message>
    <message>
        <source>Imported %1: %2 changes as one step; Undo takes them back</source>
        <translation>%1 importé : %2 modifications en une étape ; Annuler les reprend</translation>
    </message>
    <message>
        <source>Exported one change to %1</source>
        <translation>Une modification exportée vers %1</translation>
    </message>
    <message>
        <source>Exported %1 changes to %2</source>
        <translation>%1 modifications exportées vers %2</translation>
    </message>
    <message>
        <source>Exported %1 tables to %2, then stopped</source>
        <translation>%1 tables exportées vers %2, puis arrêt</translation>
    </message>
    <message>
        <source>The mod&apos;s name, as mod lists show it (empty for none):</source>
        <translation>Le nom du mod, tel que les listes de mods l&apos;affichent (vide pour aucun)&#xa0;:</translation>
    </message>
    <message>
        <source>Exported %1 tables to %2</source>
        <translation>%1 tables exportées vers %2</translation>
    </message>
</context>
<context>
    <name>ModStack</name>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>%1: no master backup</source>
        <translation>%1&#xa0;: pas de copie de référence</translation>
    </message>
    <message>
        <source>%1: not the size of the file it backs up</source>
        <translation>%1&#xa0;: n&apos;a pas la taille du fichier qu&apos;il sauvegarde</translation>
    </message>
    <message>
        <source>%1: the changes could not be applied</source>
        <translation>%1&#xa0;: les modifications n&apos;ont pas pu être appliquées</translation>
    </message>
</context>
<context>
    <name>ModsPanel</name>
    <message>
        <source>Mods</source>
        <translation>Mods</translation>
    </message>
    <message>
        <source>Make Master Backup</source>
        <translation>Créer la copie de référence</translation>
    </message>
    <message>
        <source>The load order: a later mod wins where two set the same field.</source>
        <translation>L&apos;ordre de chargement&#xa0;: là où deux mods règlent le même champ, le plus tardif l&apos;emporte.</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Ajouter…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valeurs</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Gagnant</translation>
    </message>
    <message>
        <source>Apply Mods</source>
        <translation>Appliquer les mods</translation>
    </message>
    <message>
        <source>Restore Vanilla</source>
        <translation>Rétablir l&apos;original</translation>
    </message>
    <message>
        <source>Conflicts (a later mod wins):</source>
        <translation>Conflits (le mod le plus tardif l&apos;emporte)&#xa0;:</translation>
    </message>
    <message>
        <source>%1 — 1 value</source>
        <translation>%1 — 1 valeur</translation>
    </message>
    <message>
        <source>%1 — %2 values</source>
        <translation>%1 — %2 valeurs</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Add Mods</source>
        <translation>Ajouter des mods</translation>
    </message>
    <message>
        <source>Change sets (*.json)|*.json</source>
        <translation>Jeux de modifications (*.json)|*.json</translation>
    </message>
    <message>
        <source>Mods (%1 conflicts)</source>
        <translation>Mods (%1 conflits)</translation>
    </message>
    <message>
        <source>&amp;Mods</source>
        <translation>M&amp;ods</translation>
    </message>
    <message>
        <source>Load the game files to apply mods.</source>
        <translation>Chargez les fichiers du jeu pour appliquer des mods.</translation>
    </message>
    <message>
        <source>On the master backup of %1.</source>
        <translation>Sur la copie de référence de %1.</translation>
    </message>
    <message>
        <source>On the files as loaded: there is no master backup of %1. Make one, so that unticking a mod and applying again takes its values out.</source>
        <translation>Sur les fichiers tels que chargés&#xa0;: il n&apos;y a pas de copie de référence de %1. Faites-en une, pour qu&apos;un mod décoché et appliqué de nouveau retire ses valeurs.</translation>
    </message>
    <message>
        <source>Apply 1 mod</source>
        <translation>Appliquer 1 mod</translation>
    </message>
    <message>
        <source>Apply %1 mods</source>
        <translation>Appliquer %1 mods</translation>
    </message>
    <message>
        <source>Nothing was changed:

</source>
        <translation>Rien n&apos;a été modifié&#xa0;:

</translation>
    </message>
    <message>
        <source>The files already hold every value; nothing was changed.</source>
        <translation>Les fichiers contiennent déjà chaque valeur&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Some values are past the limits the form allows:

%1

Apply them anyway?</source>
        <translation>Certaines valeurs dépassent les limites que permet la fiche&#xa0;:

%1

Les appliquer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>edited by hand, will be replaced</source>
        <translation>modifié à la main, sera remplacé</translation>
    </message>
    <message>
        <source>on the master backup of %1</source>
        <translation>sur la copie de référence de %1</translation>
    </message>
    <message>
        <source>on the files of %1 as loaded</source>
        <translation>sur les fichiers de %1 tels que chargés</translation>
    </message>
    <message>
        <source>Nothing is saved until Save.</source>
        <translation>Rien n&apos;est enregistré avant Enregistrer.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actuel</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Mods (1 conflict)</source>
        <translation>Mods (1 conflit)</translation>
    </message>
    <message>
        <source>%1 %2 changes 1 value.</source>
        <translation>%1 %2 modifie 1 valeur.</translation>
    </message>
    <message>
        <source>%1 %2 changes %3 values.</source>
        <translation>%1 %2 modifie %3 valeurs.</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>soldier last names</source>
        <translation>noms de famille des soldats</translation>
    </message>
    <message>
        <source>soldier first names</source>
        <translation>prénoms des soldats</translation>
    </message>
    <message>
        <source>item names of obdata.dat</source>
        <translation>noms d&apos;objets d&apos;obdata.dat</translation>
    </message>
    <message>
        <source>ammo references of obdata.dat</source>
        <translation>références de munitions d&apos;obdata.dat</translation>
    </message>
    <message>
        <source>lie past the end of the file</source>
        <translation>se trouvent après la fin du fichier</translation>
    </message>
    <message>
        <source>mostly name no item</source>
        <translation>ne désignent le plus souvent aucun objet</translation>
    </message>
    <message>
        <source>are all empty</source>
        <translation>sont tous vides</translation>
    </message>
    <message>
        <source>The %1 at byte %2 %3.</source>
        <translation>Les %1 à l&apos;octet %2 %3.</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Change Amount</source>
        <translation>Modifier la valeur</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Enter the amount you would like to have.</source>
        <translation>Saisissez la valeur souhaitée.</translation>
    </message>
    <message>
        <source>(Remember, the number cannot exceed 255).</source>
        <translation>(Rappel&#xa0;: le nombre ne peut pas dépasser 255.)</translation>
    </message>
    <message>
        <source>(Remember, the number cannot exceed 100).</source>
        <translation>(Rappel&#xa0;: le nombre ne peut pas dépasser 100.)</translation>
    </message>
    <message>
        <source>(Remember, this cannot exceed 28,671).</source>
        <translation>(Rappel&#xa0;: la valeur ne peut pas dépasser 28&#xa0;671.)</translation>
    </message>
    <message>
        <source>(Remember, the number cannot exceed 100%).</source>
        <translation>(Rappel&#xa0;: le nombre ne peut pas dépasser 100&#xa0;%.)</translation>
    </message>
    <message>
        <source>What would you like the new name to be?</source>
        <translation>Quel doit être le nouveau nom&#xa0;?</translation>
    </message>
    <message>
        <source>(remember it cannot exceed 20 characters)</source>
        <translation>(rappel&#xa0;: 20 caractères au plus)</translation>
    </message>
    <message>
        <source>(Remember, the number cannot exceed 79).</source>
        <translation>(Rappel&#xa0;: le nombre ne peut pas dépasser 79.)</translation>
    </message>
    <message>
        <source>This corresponds with the index number displayed below the list. An index of 255 means no ammo.</source>
        <translation>Cela correspond au numéro d&apos;index affiché sous la liste. Un index de 255 signifie aucune munition.</translation>
    </message>
    <message>
        <source>I suggest only changing this for a weapon and only using actual ammo indexes.</source>
        <translation>Ne modifiez ceci que pour une arme, et seulement avec des index de vraies munitions.</translation>
    </message>
    <message>
        <source>(remember it cannot exceed 11 characters)</source>
        <translation>(rappel&#xa0;: 11 caractères au plus)</translation>
    </message>
    <message>
        <source>What would you like the new first name to be?</source>
        <translation>Quel doit être le nouveau prénom&#xa0;?</translation>
    </message>
    <message>
        <source>What would you like the new last name to be?</source>
        <translation>Quel doit être le nouveau nom de famille&#xa0;?</translation>
    </message>
    <message>
        <source>(Remember, this cannot exceed 250).</source>
        <translation>(Rappel&#xa0;: la valeur ne peut pas dépasser 250.)</translation>
    </message>
    <message>
        <source>(Remember, the number cannot exceed 110).</source>
        <translation>(Rappel&#xa0;: le nombre ne peut pas dépasser 110.)</translation>
    </message>
    <message>
        <source>The number must also be divisible by 10.</source>
        <translation>Le nombre doit aussi être divisible par 10.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>%1 was not taken: the number cannot exceed %2.</source>
        <translation>%1 n’a pas été retenu : le nombre ne peut pas dépasser %2.</translation>
    </message>
    <message>
        <source>%1 was not taken: this field holds no such number.</source>
        <translation>%1 n’a pas été retenu : ce champ ne peut pas contenir ce nombre.</translation>
    </message>
    <message>
        <source>%1 was not taken: it has %2 characters, at most %3 fit.</source>
        <translation>%1 n’a pas été retenu : il compte %2 caractères, %3 au plus tiennent.</translation>
    </message>
    <message>
        <source>%1 was not taken: the game cannot store %2.</source>
        <translation>%1 n’a pas été retenu : le jeu ne peut pas enregistrer %2.</translation>
    </message>
    <message>
        <source>%1 was not taken: only a number from 0 to 28,671 is.</source>
        <translation>%1 n’a pas été retenu : seul un nombre de 0 à 28 671 convient.</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Menu</source>
        <translation>Vider le menu</translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>%1, %2, at most %3 characters</source>
        <translation>%1, %2, au plus %3 caractères</translation>
    </message>
    <message>
        <source>%1, %2, at most %3</source>
        <translation>%1, %2, au plus %3</translation>
    </message>
</context>
<context>
    <name>RecordTableModel</name>
    <message>
        <source>As loaded: %1</source>
        <translation>Tel que chargé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the %1 column cannot be changed</source>
        <translation>la colonne %1 ne peut pas être modifiée</translation>
    </message>
</context>
<context>
    <name>RecordTableView</name>
    <message>
        <source>Copied %1 × %2 cells</source>
        <translation>%1 × %2 cellules copiées</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Nothing was pasted. The prompts would refuse %1:

%2</source>
        <translation>Rien n&apos;a été collé. La saisie refuserait %1&#xa0;:

%2</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 cellule</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 cellules</translation>
    </message>
    <message>
        <source>Paste 1 cell</source>
        <translation>Coller 1 cellule</translation>
    </message>
    <message>
        <source>Paste %1 cells</source>
        <translation>Coller %1 cellules</translation>
    </message>
    <message>
        <source>Pasted 1 changed cell</source>
        <translation>1 cellule modifiée collée</translation>
    </message>
    <message>
        <source>Pasted %1 changed cells</source>
        <translation>%1 cellules modifiées collées</translation>
    </message>
    <message>
        <source>The copied block of %1 × %2 cells runs past the last row of the table when it starts at %3. Nothing was pasted.</source>
        <translation>Le bloc copié de %1 × %2 cellules dépasse la dernière ligne de la table s&apos;il commence à %3. Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>The copied block of %1 × %2 cells runs past the last column of the table when it starts at %3. Nothing was pasted.</source>
        <translation>Le bloc copié de %1 × %2 cellules dépasse la dernière colonne de la table s&apos;il commence à %3. Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>; past the form&apos;s limits: </source>
        <translation>&#xa0;; hors des limites de la fiche&#xa0;: </translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>kestrel: %1 Starting with the default settings.</source>
        <translation>kestrel : %1 Démarrage avec les réglages par défaut.</translation>
    </message>
</context>
<context>
    <name>SoldierNamesTab</name>
    <message>
        <source>First Names</source>
        <translation>Prénoms</translation>
    </message>
    <message>
        <source>Last Names</source>
        <translation>Noms de famille</translation>
    </message>
    <message>
        <source>This is a list of all the default soldier names. Double Click to edit.
I suggest using the same sex as the first name already is or you&apos;ll have men with women&apos;s names and vice versa.</source>
        <translation>Voici la liste de tous les noms de soldats par défaut. Double-cliquez pour modifier.
Gardez de préférence le sexe du prénom actuel, sinon des hommes porteront des prénoms de femmes, et inversement.</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Written by the X-Com Kestrel developers.</source>
        <translation>Écrit par les développeurs de X-Com Kestrel.</translation>
    </message>
    <message>
        <source>Designed and tested by the X-Com Kestrel developers.</source>
        <translation>Conçu et testé par les développeurs de X-Com Kestrel.</translation>
    </message>
    <message>
        <source>This program edits the executable of X-Com itself. The author is not responsible for any damage incurred during the use of this program.</source>
        <translation>Ce programme modifie l&apos;exécutable même de X-Com. L&apos;auteur décline toute responsabilité pour les dommages survenus lors de son utilisation.</translation>
    </message>
</context>
<context>
    <name>Stores</name>
    <message>
        <source>Engineers - </source>
        <translation>Ingénieurs - </translation>
    </message>
    <message>
        <source>Scientists - </source>
        <translation>Scientifiques - </translation>
    </message>
    <message>
        <source>Stingray Launchers - </source>
        <translation>Lanceurs Stingray - </translation>
    </message>
    <message>
        <source>Avalanche Launchers - </source>
        <translation>Lanceurs Avalanche - </translation>
    </message>
    <message>
        <source>Cannons - </source>
        <translation>Canons - </translation>
    </message>
    <message>
        <source>Fusion Ball Launchers - </source>
        <translation>Lanceurs de boules de fusion - </translation>
    </message>
    <message>
        <source>Laser Cannons - </source>
        <translation>Canons laser - </translation>
    </message>
    <message>
        <source>Plasma Beams - </source>
        <translation>Rayons plasma - </translation>
    </message>
    <message>
        <source>Stingray Missiles - </source>
        <translation>Missiles Stingray - </translation>
    </message>
    <message>
        <source>Avalanche Missiles - </source>
        <translation>Missiles Avalanche - </translation>
    </message>
    <message>
        <source>Cannon Rounds(x50) - </source>
        <translation>Obus de canon (x50) - </translation>
    </message>
    <message>
        <source>Fusion Balls - </source>
        <translation>Boules de fusion - </translation>
    </message>
    <message>
        <source>Tank/Cannons - </source>
        <translation>Char/Canons - </translation>
    </message>
    <message>
        <source>Tank/Rocket Launchers - </source>
        <translation>Char/Lance-roquettes - </translation>
    </message>
    <message>
        <source>Tank/Laser Cannons - </source>
        <translation>Char/Canons laser - </translation>
    </message>
    <message>
        <source>Tank/Plasmas - </source>
        <translation>Char/Plasma - </translation>
    </message>
    <message>
        <source>Tank/Launchers - </source>
        <translation>Char/Lanceurs - </translation>
    </message>
    <message>
        <source>Pistols - </source>
        <translation>Pistolets - </translation>
    </message>
    <message>
        <source>Pistol Clips - </source>
        <translation>Chargeurs de pistolet - </translation>
    </message>
    <message>
        <source>Rifles - </source>
        <translation>Fusils - </translation>
    </message>
    <message>
        <source>Rifle Clips - </source>
        <translation>Chargeurs de fusil - </translation>
    </message>
    <message>
        <source>Heavy Cannons - </source>
        <translation>Canons lourds - </translation>
    </message>
    <message>
        <source>HC-AP Ammo - </source>
        <translation>Munitions HC-AP - </translation>
    </message>
    <message>
        <source>HC-HE Ammo - </source>
        <translation>Munitions HC-HE - </translation>
    </message>
    <message>
        <source>HC-IN Ammo - </source>
        <translation>Munitions HC-IN - </translation>
    </message>
    <message>
        <source>Auto Cannons - </source>
        <translation>Canons automatiques - </translation>
    </message>
    <message>
        <source>AC-AP Ammo - </source>
        <translation>Munitions AC-AP - </translation>
    </message>
    <message>
        <source>AC-HE Ammo - </source>
        <translation>Munitions AC-HE - </translation>
    </message>
    <message>
        <source>AC-IN Ammo - </source>
        <translation>Munitions AC-IN - </translation>
    </message>
    <message>
        <source>Rocket Launchers - </source>
        <translation>Lance-roquettes - </translation>
    </message>
    <message>
        <source>Small Rockets - </source>
        <translation>Petites roquettes - </translation>
    </message>
    <message>
        <source>Large Rockets - </source>
        <translation>Grandes roquettes - </translation>
    </message>
    <message>
        <source>Incendiary Rockets - </source>
        <translation>Roquettes incendiaires - </translation>
    </message>
    <message>
        <source>Laser Pistols - </source>
        <translation>Pistolets laser - </translation>
    </message>
    <message>
        <source>Laser Rifles - </source>
        <translation>Fusils laser - </translation>
    </message>
    <message>
        <source>Heavy Lasers - </source>
        <translation>Lasers lourds - </translation>
    </message>
    <message>
        <source>Grenades - </source>
        <translation>Grenades - </translation>
    </message>
    <message>
        <source>Smoke Grenades - </source>
        <translation>Grenades fumigènes - </translation>
    </message>
    <message>
        <source>Proximity Grenades - </source>
        <translation>Grenades de proximité - </translation>
    </message>
    <message>
        <source>High Explosives - </source>
        <translation>Explosifs puissants - </translation>
    </message>
    <message>
        <source>Motion Scanners - </source>
        <translation>Détecteurs de mouvement - </translation>
    </message>
    <message>
        <source>Medi-Kits - </source>
        <translation>Trousses de soins - </translation>
    </message>
    <message>
        <source>Psi-Amps - </source>
        <translation>Amplis psi - </translation>
    </message>
    <message>
        <source>Stun Rods - </source>
        <translation>Matraques paralysantes - </translation>
    </message>
    <message>
        <source>Electro Flares - </source>
        <translation>Fusées éclairantes - </translation>
    </message>
    <message>
        <source>Heavy Plasma - </source>
        <translation>Plasma lourd - </translation>
    </message>
    <message>
        <source>Heavy Plasma Clips - </source>
        <translation>Chargeurs de plasma lourd - </translation>
    </message>
    <message>
        <source>Plasma Rifles - </source>
        <translation>Fusils à plasma - </translation>
    </message>
    <message>
        <source>Plasma Rifle Clips - </source>
        <translation>Chargeurs de fusil à plasma - </translation>
    </message>
    <message>
        <source>Plasma Pistols - </source>
        <translation>Pistolets à plasma - </translation>
    </message>
    <message>
        <source>Plasma Pistol Clips - </source>
        <translation>Chargeurs de pistolet à plasma - </translation>
    </message>
    <message>
        <source>Blaseter Launchers - </source>
        <translation>Lanceurs Blaster - </translation>
    </message>
    <message>
        <source>Blaseter Bombs - </source>
        <translation>Bombes Blaster - </translation>
    </message>
    <message>
        <source>Small Launchers - </source>
        <translation>Petits lanceurs - </translation>
    </message>
    <message>
        <source>Stun Bombs - </source>
        <translation>Bombes paralysantes - </translation>
    </message>
    <message>
        <source>Alien Grenades - </source>
        <translation>Grenades extraterrestres - </translation>
    </message>
    <message>
        <source>Elerium-115 - </source>
        <translation>Élérium-115 - </translation>
    </message>
    <message>
        <source>Mind Probes - </source>
        <translation>Sondes mentales - </translation>
    </message>
    <message>
        <source>Sectoid Corpses - </source>
        <translation>Cadavres de sectoïdes - </translation>
    </message>
    <message>
        <source>Snakeman Corpses - </source>
        <translation>Cadavres d&apos;hommes-serpents - </translation>
    </message>
    <message>
        <source>Ethereal Corpses - </source>
        <translation>Cadavres d&apos;éthérés - </translation>
    </message>
    <message>
        <source>Muton Corpses - </source>
        <translation>Cadavres de mutons - </translation>
    </message>
    <message>
        <source>Floater Corpses - </source>
        <translation>Cadavres de floaters - </translation>
    </message>
    <message>
        <source>Celatid Corpses - </source>
        <translation>Cadavres de célatides - </translation>
    </message>
    <message>
        <source>Silacoid Corpses - </source>
        <translation>Cadavres de silacoïdes - </translation>
    </message>
    <message>
        <source>Chryssalid Corpses - </source>
        <translation>Cadavres de chryssalides - </translation>
    </message>
    <message>
        <source>Reaper Corpses - </source>
        <translation>Cadavres de reapers - </translation>
    </message>
    <message>
        <source>Sectopod Corpses - </source>
        <translation>Épaves de sectopodes - </translation>
    </message>
    <message>
        <source>Cyberdisc Corpses - </source>
        <translation>Épaves de cyberdisques - </translation>
    </message>
    <message>
        <source>UFO Power Sources - </source>
        <translation>Sources d&apos;énergie d&apos;OVNI - </translation>
    </message>
    <message>
        <source>UFO Navigations - </source>
        <translation>Navigations d&apos;OVNI - </translation>
    </message>
    <message>
        <source>Alien Food - </source>
        <translation>Nourriture extraterrestre - </translation>
    </message>
    <message>
        <source>Alien Reproductions - </source>
        <translation>Reproduction extraterrestre - </translation>
    </message>
    <message>
        <source>Alien Entertainments - </source>
        <translation>Divertissement extraterrestre - </translation>
    </message>
    <message>
        <source>Alien Surgeries - </source>
        <translation>Chirurgie extraterrestre - </translation>
    </message>
    <message>
        <source>Examination Rooms - </source>
        <translation>Salles d&apos;examen - </translation>
    </message>
    <message>
        <source>Alien Alloys - </source>
        <translation>Alliages extraterrestres - </translation>
    </message>
    <message>
        <source>Alien Habitats - </source>
        <translation>Habitats extraterrestres - </translation>
    </message>
    <message>
        <source>Personal Armour - </source>
        <translation>Armures personnelles - </translation>
    </message>
    <message>
        <source>Power Suits - </source>
        <translation>Combinaisons énergétiques - </translation>
    </message>
    <message>
        <source>Flying Suits - </source>
        <translation>Combinaisons de vol - </translation>
    </message>
    <message>
        <source>HWP Cannon Shells - </source>
        <translation>Obus de canon HWP - </translation>
    </message>
    <message>
        <source>HWP Rockets - </source>
        <translation>Roquettes HWP - </translation>
    </message>
    <message>
        <source>HWP Fusion Bombs - </source>
        <translation>Bombes à fusion HWP - </translation>
    </message>
</context>
<context>
    <name>StringEditorTab</name>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>The language whose two string files the lists show. A language is offered when both of its files are in the geodata folder.</source>
        <translation>La langue dont les listes montrent les deux fichiers de textes. Une langue est proposée quand ses deux fichiers sont dans le dossier geodata.</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>text or #index (Ctrl+F)</source>
        <translation>texte ou #index (Ctrl+F)</translation>
    </message>
    <message>
        <source>Shows in both lists only the entries that contain this text, in any case; #123 shows entry 123. Ctrl+F comes here, Escape clears it.</source>
        <translation>N&apos;affiche dans les deux listes que les entrées contenant ce texte, sans tenir compte de la casse&#xa0;; #123 affiche l&apos;entrée 123. Ctrl+F amène ici, Échap efface.</translation>
    </message>
    <message>
        <source>This displays the string you currently have selected.</source>
        <translation>Affiche le texte actuellement sélectionné.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Appli&amp;quer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Click on a string to view it&apos;s contents.
Double click on a string to edit it.</source>
        <translation>Cliquez sur un texte pour voir son contenu.
Double-cliquez sur un texte pour le modifier.</translation>
    </message>
    <message>
        <source>A list of strings in %1. Click to display text. Double click to edit.</source>
        <translation>Une liste des textes de %1. Cliquez pour afficher le texte, double-cliquez pour le modifier.</translation>
    </message>
    <message>
        <source>%1 in %2, %3 in %4</source>
        <translation>%1 dans %2, %3 dans %4</translation>
    </message>
    <message>
        <source>

(%1 more characters: double-click the entry to see all of it.)</source>
        <translation>

(%1 caractères de plus&#xa0;: double-cliquez sur l&apos;entrée pour la voir en entier.)</translation>
    </message>
    <message>
        <source>String Editor</source>
        <translation>Éditeur de textes</translation>
    </message>
    <message>
        <source>The game&apos;s text files cannot store these characters: %1.
Remove them and apply again.</source>
        <translation>Les fichiers de textes du jeu ne peuvent pas contenir ces caractères&#xa0;: %1.
Supprimez-les et appliquez à nouveau.</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>Remplacer &amp;par :</translation>
    </message>
    <message>
        <source>The text that Replace All puts in place of the text in the Find box.</source>
        <translation>Le texte que « Tout remplacer » met à la place du texte recherché.</translation>
    </message>
    <message>
        <source>Re&amp;place All</source>
        <translation>Tout re&amp;mplacer</translation>
    </message>
    <message>
        <source>Replaces the text in the Find box, in any case, in every entry of both lists that holds it, as one step; the entries are listed first.</source>
        <translation>Remplace le texte recherché, sans tenir compte de la casse, dans chaque entrée des deux listes qui le contient, en une étape ; les entrées sont d’abord listées.</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Tout remplacer</translation>
    </message>
    <message>
        <source>The game&apos;s text files cannot store these characters: %1.
Nothing was replaced.</source>
        <translation>Les fichiers de texte du jeu ne peuvent pas enregistrer ces caractères : %1.
Rien n’a été remplacé.</translation>
    </message>
    <message>
        <source>%1 entry %2: “%3”</source>
        <translation>%1 entrée %2 : « %3 »</translation>
    </message>
    <message>
        <source>No entry of these lists holds “%1”.</source>
        <translation>Aucune entrée de ces listes ne contient « %1 ».</translation>
    </message>
    <message>
        <source>Replace “%1” with “%2” in these %3 entries?

%4</source>
        <translation>Remplacer « %1 » par « %2 » dans ces %3 entrées ?

%4</translation>
    </message>
    <message>
        <source>Replace “%1” with “%2” in %3 entries</source>
        <translation>Remplacer « %1 » par « %2 » dans %3 entrées</translation>
    </message>
</context>
<context>
    <name>TableCsv</name>
    <message>
        <source>line 1: the header must start with &quot;record&quot;</source>
        <translation>ligne 1&#xa0;: l&apos;en-tête doit commencer par «&#xa0;record&#xa0;»</translation>
    </message>
    <message>
        <source>line 1: no field &quot;%1&quot; in table %2</source>
        <translation>ligne 1&#xa0;: aucun champ «&#xa0;%1&#xa0;» dans la table %2</translation>
    </message>
    <message>
        <source>line %1: %2 cells where the header has %3</source>
        <translation>ligne %1&#xa0;: %2 cellules là où l&apos;en-tête en a %3</translation>
    </message>
    <message>
        <source>line %1: no record &quot;%2&quot; in table %3</source>
        <translation>ligne %1&#xa0;: aucun enregistrement «&#xa0;%2&#xa0;» dans la table %3</translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
        <translation>ligne %1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>line 1: no loaded table has the columns %1</source>
        <translation>ligne 1&#xa0;: aucune table chargée n&apos;a les colonnes %1</translation>
    </message>
    <message>
        <source>line 1: the columns fit the tables %1; name the file after one of them, as &quot;%2.csv&quot;</source>
        <translation>ligne 1&#xa0;: les colonnes conviennent aux tables %1&#xa0;; nommez le fichier d&apos;après l&apos;une d&apos;elles, comme «&#xa0;%2.csv&#xa0;»</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>Facility</source>
        <translation>Installation</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Construction Cost/$k</source>
        <translation>Coût de construction/k$</translation>
    </message>
    <message>
        <source>Construction Cost/$k:</source>
        <translation>Coût de construction/k$&#xa0;:</translation>
    </message>
    <message>
        <source>Monthly Cost/$k</source>
        <translation>Coût mensuel/k$</translation>
    </message>
    <message>
        <source>Monthly Cost/$k:</source>
        <translation>Coût mensuel/k$&#xa0;:</translation>
    </message>
    <message>
        <source>Construction Time</source>
        <translation>Durée de construction</translation>
    </message>
    <message>
        <source>Construction Time:</source>
        <translation>Durée de construction&#xa0;:</translation>
    </message>
    <message>
        <source>Defense Strength</source>
        <translation>Puissance de défense</translation>
    </message>
    <message>
        <source>Defense Strength:</source>
        <translation>Puissance de défense&#xa0;:</translation>
    </message>
    <message>
        <source>Hit Ratio (%)</source>
        <translation>Taux de réussite (%)</translation>
    </message>
    <message>
        <source>Hit Ratio (%):</source>
        <translation>Taux de réussite (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Standard to Build</source>
        <translation>Constructible d&apos;emblée</translation>
    </message>
    <message>
        <source>Standard to Build?:</source>
        <translation>Constructible d&apos;emblée&#xa0;?&#xa0;:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Click to change the name.</source>
        <translation>Cliquez pour modifier le nom.</translation>
    </message>
    <message>
        <source>Damage</source>
        <translation>Dégâts</translation>
    </message>
    <message>
        <source>Damage:</source>
        <translation>Dégâts&#xa0;:</translation>
    </message>
    <message>
        <source>Click to change the damage this item deals.</source>
        <translation>Cliquez pour modifier les dégâts que cause cet objet.</translation>
    </message>
    <message>
        <source>Ammo Type 1</source>
        <translation>Type de munition 1</translation>
    </message>
    <message>
        <source>Ammo Type 1:</source>
        <translation>Type de munition 1&#xa0;:</translation>
    </message>
    <message>
        <source>Change Ammo Type 1. Use index number of Ammo item.</source>
        <translation>Modifier le type de munition 1. Utilisez le numéro d&apos;index de l&apos;objet munition.</translation>
    </message>
    <message>
        <source>Ammo Type 2</source>
        <translation>Type de munition 2</translation>
    </message>
    <message>
        <source>Ammo Type 2:</source>
        <translation>Type de munition 2&#xa0;:</translation>
    </message>
    <message>
        <source>Change Ammo Type 2. Use index number of Ammo item.</source>
        <translation>Modifier le type de munition 2. Utilisez le numéro d&apos;index de l&apos;objet munition.</translation>
    </message>
    <message>
        <source>Ammo Type 3</source>
        <translation>Type de munition 3</translation>
    </message>
    <message>
        <source>Ammo Type 3:</source>
        <translation>Type de munition 3&#xa0;:</translation>
    </message>
    <message>
        <source>Change Ammo Type 3. Use index number of Ammo item.</source>
        <translation>Modifier le type de munition 3. Utilisez le numéro d&apos;index de l&apos;objet munition.</translation>
    </message>
    <message>
        <source>Autoshot Accuracy</source>
        <translation>Précision en rafale</translation>
    </message>
    <message>
        <source>Autoshot Accuracy:</source>
        <translation>Précision en rafale&#xa0;:</translation>
    </message>
    <message>
        <source>Click to change the autoshot accuracy.</source>
        <translation>Cliquez pour modifier la précision en rafale.</translation>
    </message>
    <message>
        <source>Snap Shot Accuracy</source>
        <translation>Précision du tir rapide</translation>
    </message>
    <message>
        <source>Snap Shot Accuracy:</source>
        <translation>Précision du tir rapide&#xa0;:</translation>
    </message>
    <message>
        <source>Click to change the snap shot accuracy.</source>
        <translation>Cliquez pour modifier la précision du tir rapide.</translation>
    </message>
    <message>
        <source>Aimed Shot Accuracy</source>
        <translation>Précision du tir visé</translation>
    </message>
    <message>
        <source>Aimed Shot Accuracy:</source>
        <translation>Précision du tir visé&#xa0;:</translation>
    </message>
    <message>
        <source>Click to change the aimed shot accuracy.</source>
        <translation>Cliquez pour modifier la précision du tir visé.</translation>
    </message>
    <message>
        <source>Autoshot TU%</source>
        <translation>UT&#xa0;% rafale</translation>
    </message>
    <message>
        <source>Autoshot TU%:</source>
        <translation>UT&#xa0;% rafale&#xa0;:</translation>
    </message>
    <message>
        <source>Click to change the autoshot TU percentage.</source>
        <translation>Cliquez pour modifier le pourcentage d&apos;unités de temps de la rafale.</translation>
    </message>
    <message>
        <source>Snap Shot TU%</source>
        <translation>UT&#xa0;% tir rapide</translation>
    </message>
    <message>
        <source>Snap Shot TU%:</source>
        <translation>UT&#xa0;% tir rapide&#xa0;:</translation>
    </message>
    <message>
        <source>Click to change the snap shot TU percentage.</source>
        <translation>Cliquez pour modifier le pourcentage d&apos;unités de temps du tir rapide.</translation>
    </message>
    <message>
        <source>Aimed Shot TU%</source>
        <translation>UT&#xa0;% tir visé</translation>
    </message>
    <message>
        <source>Aimed Shot TU%:</source>
        <translation>UT&#xa0;% tir visé&#xa0;:</translation>
    </message>
    <message>
        <source>Click to change the aimed shot TU percentage.</source>
        <translation>Cliquez pour modifier le pourcentage d&apos;unités de temps du tir visé.</translation>
    </message>
    <message>
        <source>Damage Type</source>
        <translation>Type de dégâts</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Time Units</source>
        <translation>Unités de temps</translation>
    </message>
    <message>
        <source>Time Units:</source>
        <translation>Unités de temps&#xa0;:</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Santé&#xa0;:</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Énergie</translation>
    </message>
    <message>
        <source>Energy:</source>
        <translation>Énergie&#xa0;:</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Réactions</translation>
    </message>
    <message>
        <source>Reaction:</source>
        <translation>Réactions&#xa0;:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Force&#xa0;:</translation>
    </message>
    <message>
        <source>Firing Accuracy</source>
        <translation>Précision de tir</translation>
    </message>
    <message>
        <source>Firing Accuracy:</source>
        <translation>Précision de tir&#xa0;:</translation>
    </message>
    <message>
        <source>Throwing Accuracy</source>
        <translation>Précision de lancer</translation>
    </message>
    <message>
        <source>Throwing Accuracy:</source>
        <translation>Précision de lancer&#xa0;:</translation>
    </message>
    <message>
        <source>Front Armour</source>
        <translation>Blindage avant</translation>
    </message>
    <message>
        <source>Front Armour:</source>
        <translation>Blindage avant&#xa0;:</translation>
    </message>
    <message>
        <source>Left Armour</source>
        <translation>Blindage gauche</translation>
    </message>
    <message>
        <source>Left Armour:</source>
        <translation>Blindage gauche&#xa0;:</translation>
    </message>
    <message>
        <source>Right Armour</source>
        <translation>Blindage droit</translation>
    </message>
    <message>
        <source>Right Armour:</source>
        <translation>Blindage droit&#xa0;:</translation>
    </message>
    <message>
        <source>Rear Armour</source>
        <translation>Blindage arrière</translation>
    </message>
    <message>
        <source>Rear Armour:</source>
        <translation>Blindage arrière&#xa0;:</translation>
    </message>
    <message>
        <source>Under Armour</source>
        <translation>Blindage inférieur</translation>
    </message>
    <message>
        <source>Under Armour:</source>
        <translation>Blindage inférieur&#xa0;:</translation>
    </message>
    <message>
        <source>Psi Skill</source>
        <translation>Compétence psi</translation>
    </message>
    <message>
        <source>Psi Skill:</source>
        <translation>Compétence psi&#xa0;:</translation>
    </message>
    <message>
        <source>Psi Strength</source>
        <translation>Force psi</translation>
    </message>
    <message>
        <source>Psi Strength:</source>
        <translation>Force psi&#xa0;:</translation>
    </message>
    <message>
        <source>Bravery</source>
        <translation>Bravoure</translation>
    </message>
    <message>
        <source>Bravery:</source>
        <translation>Bravoure&#xa0;:</translation>
    </message>
    <message>
        <source>Flying Ability</source>
        <translation>Capacité de vol</translation>
    </message>
    <message>
        <source>Flying Ability?:</source>
        <translation>Peut voler&#xa0;?&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TextRoutines</name>
    <message>
        <source>
… and %1 more</source>
        <translation>
… et %1 de plus</translation>
    </message>
</context>
<context>
    <name>UnitEditorTab</name>
    <message>
        <source>Unit Name:</source>
        <translation>Nom de l&apos;unité&#xa0;:</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Floater Soldier</source>
        <translation>Soldat floater</translation>
    </message>
    <message>
        <source>Floater Navigator</source>
        <translation>Navigateur floater</translation>
    </message>
    <message>
        <source>Floater Medic</source>
        <translation>Médecin floater</translation>
    </message>
    <message>
        <source>Floater Engineer</source>
        <translation>Ingénieur floater</translation>
    </message>
    <message>
        <source>Floater Leader</source>
        <translation>Chef floater</translation>
    </message>
    <message>
        <source>Floater Commander</source>
        <translation>Commandant floater</translation>
    </message>
    <message>
        <source>Reaper Terrorist</source>
        <translation>Terroriste reaper</translation>
    </message>
    <message>
        <source>Sectoid Soldier</source>
        <translation>Soldat sectoïde</translation>
    </message>
    <message>
        <source>Sectoid Navigator</source>
        <translation>Navigateur sectoïde</translation>
    </message>
    <message>
        <source>Sectoid Medic</source>
        <translation>Médecin sectoïde</translation>
    </message>
    <message>
        <source>Sectoid Engineer</source>
        <translation>Ingénieur sectoïde</translation>
    </message>
    <message>
        <source>Sectoid Leader</source>
        <translation>Chef sectoïde</translation>
    </message>
    <message>
        <source>Sectoid Commander</source>
        <translation>Commandant sectoïde</translation>
    </message>
    <message>
        <source>Snakeman Soldier</source>
        <translation>Soldat homme-serpent</translation>
    </message>
    <message>
        <source>Snakeman Navigator</source>
        <translation>Navigateur homme-serpent</translation>
    </message>
    <message>
        <source>Snakeman Engineer</source>
        <translation>Ingénieur homme-serpent</translation>
    </message>
    <message>
        <source>Snakeman Leader</source>
        <translation>Chef homme-serpent</translation>
    </message>
    <message>
        <source>Snakeman Commander</source>
        <translation>Commandant homme-serpent</translation>
    </message>
    <message>
        <source>Ethereal Soldier</source>
        <translation>Soldat éthéré</translation>
    </message>
    <message>
        <source>Ethereal Leader</source>
        <translation>Chef éthéré</translation>
    </message>
    <message>
        <source>Ethereal Commander</source>
        <translation>Commandant éthéré</translation>
    </message>
    <message>
        <source>Muton Soldier</source>
        <translation>Soldat muton</translation>
    </message>
    <message>
        <source>Muton Navigator</source>
        <translation>Navigateur muton</translation>
    </message>
    <message>
        <source>Muton Engineer</source>
        <translation>Ingénieur muton</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Char</translation>
    </message>
    <message>
        <source>Civilian 1</source>
        <translation>Civil 1</translation>
    </message>
    <message>
        <source>Civilian 2</source>
        <translation>Civil 2</translation>
    </message>
    <message>
        <source>Chryssalid Terrorist</source>
        <translation>Terroriste chryssalide</translation>
    </message>
    <message>
        <source>Silacoid Terrorist</source>
        <translation>Terroriste silacoïde</translation>
    </message>
    <message>
        <source>Celatid Terrorist</source>
        <translation>Terroriste célatide</translation>
    </message>
    <message>
        <source>Sectopod Terrorist</source>
        <translation>Terroriste sectopode</translation>
    </message>
    <message>
        <source>Cyberdisc Terrorist</source>
        <translation>Terroriste cyberdisque</translation>
    </message>
    <message>
        <source>Hover Tank</source>
        <translation>Char flottant</translation>
    </message>
</context>
<context>
    <name>ViewSwitch</name>
    <message>
        <source>Form</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>One record at a time.</source>
        <translation>Un enregistrement à la fois.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Every record at once: edit in place, sort, copy and paste.</source>
        <translation>Tous les enregistrements à la fois&#xa0;: modifier sur place, trier, copier et coller.</translation>
    </message>
</context>
</TS>
