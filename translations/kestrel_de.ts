<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BaseEditorTab</name>
    <message>
        <source>This is the base that will be built when a new game is started. </source>
        <translation>Diese Basis wird zu Beginn jedes neuen Spiels gebaut. </translation>
    </message>
    <message>
        <source>Items in General Stores:</source>
        <translation>Gegenstände im Lager:</translation>
    </message>
    <message>
        <source>A list of every item at the starting base.</source>
        <translation>Alle Gegenstände der Startbasis.</translation>
    </message>
    <message>
        <source>Click on an item to edit the amount a player starts with.</source>
        <translation>Klicken Sie auf einen Gegenstand, um die Anfangsmenge des Spielers zu ändern.</translation>
    </message>
    <message>
        <source>Stores</source>
        <translation>Lager</translation>
    </message>
    <message>
        <source>Fusion Ball Defense
(Bottom Right)
255 Days</source>
        <translation>Fusionskugel-Abwehr
(unten rechts)
255 Tage</translation>
    </message>
    <message>
        <source>Facility Type:</source>
        <translation>Art der Einrichtung:</translation>
    </message>
    <message>
        <source>Choose Facility Type</source>
        <translation>Art der Einrichtung wählen</translation>
    </message>
    <message>
        <source>Days Left:</source>
        <translation>Verbleibende Tage:</translation>
    </message>
    <message>
        <source>Choose Days To Completion</source>
        <translation>Tage bis zur Fertigstellung wählen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>base %1: %2, %3</source>
        <translation>Basis %1: %2, %3</translation>
    </message>
    <message>
        <source>1 Day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>%1 Days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Feld %1</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>%1 is above the limit %2</source>
        <translation>%1 liegt über der Grenze %2</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <translation>%1 ist kleiner als 0</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is none of %2</source>
        <translation>„%1“ ist keiner der Werte %2</translation>
    </message>
    <message>
        <source>the game&apos;s code page cannot hold the character %1</source>
        <translation>die Codepage des Spiels kann das Zeichen %1 nicht darstellen</translation>
    </message>
    <message>
        <source>a name cannot be empty</source>
        <translation>ein Name darf nicht leer sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is longer than %2 characters</source>
        <translation>„%1“ ist länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>unbekanntes Feld</translation>
    </message>
    <message>
        <source>%1 is above the limit %2 the form allows</source>
        <translation>%1 liegt über der Grenze %2, die das Formular erlaubt</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 is above %2, the most the field can hold</source>
        <translation>%1 liegt über %2, dem Höchstwert des Feldes</translation>
    </message>
    <message>
        <source>%1 is above the limit 110</source>
        <translation>%1 liegt über der Grenze 110</translation>
    </message>
    <message>
        <source>%1 is not divisible by 10</source>
        <translation>%1 ist nicht durch 10 teilbar</translation>
    </message>
    <message>
        <source>%1 is below -2,440, the least the field can hold</source>
        <translation>%1 liegt unter -2.440, dem Mindestwert des Feldes</translation>
    </message>
    <message>
        <source>%1 is below 0, the least the form allows</source>
        <translation>%1 liegt unter 0, dem Mindestwert des Formulars</translation>
    </message>
    <message>
        <source>%1 entry %2</source>
        <translation>%1 Eintrag %2</translation>
    </message>
</context>
<context>
    <name>CellText</name>
    <message>
        <source>&quot;%1&quot; names no single item</source>
        <translation>„%1“ bezeichnet keinen einzelnen Gegenstand</translation>
    </message>
</context>
<context>
    <name>Change</name>
    <message>
        <source>Rename %1 to %2</source>
        <translation>%1 in %2 umbenennen</translation>
    </message>
</context>
<context>
    <name>ChangeSet</name>
    <message>
        <source>change %1 (%2 / %3 / %4)</source>
        <translation>Änderung %1 (%2 / %3 / %4)</translation>
    </message>
    <message>
        <source>the file of table %1 is not loaded</source>
        <translation>die Datei der Tabelle %1 ist nicht geladen</translation>
    </message>
    <message>
        <source>the field lies outside the loaded file</source>
        <translation>das Feld liegt außerhalb der geladenen Datei</translation>
    </message>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>not a change set: &quot;format&quot; must be &quot;%1&quot;</source>
        <translation>kein Änderungssatz: „format“ muss „%1“ sein</translation>
    </message>
    <message>
        <source>&quot;version&quot; must be a whole number</source>
        <translation>„version“ muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>version %1 is newer than this editor reads (%2)</source>
        <translation>Version %1 ist neuer als die, die dieser Editor liest (%2)</translation>
    </message>
    <message>
        <source>&quot;changes&quot; must be a list</source>
        <translation>„changes“ muss eine Liste sein</translation>
    </message>
    <message>
        <source>: the same field as change %1</source>
        <translation>: dasselbe Feld wie Änderung %1</translation>
    </message>
    <message>
        <source>%1 has %2 entries here and %3 in the other install; only the first %4 are compared</source>
        <translation>%1 hat hier %2 Einträge und in der anderen Installation %3; nur die ersten %4 werden verglichen</translation>
    </message>
    <message>
        <source>change %1: no table &quot;%2&quot;%3</source>
        <translation>Änderung %1: keine Tabelle „%2“%3</translation>
    </message>
    <message>
        <source>change %1: no field &quot;%2&quot; in table %3%4</source>
        <translation>Änderung %1: kein Feld „%2“ in Tabelle %3%4</translation>
    </message>
    <message>
        <source>no record %1 in table %2%3</source>
        <translation>kein Datensatz %1 in Tabelle %2%3</translation>
    </message>
    <message>
        <source>the value must be a text</source>
        <translation>der Wert muss ein Text sein</translation>
    </message>
    <message>
        <source>the file holds %1, neither %2 as &quot;was&quot; says nor the new value</source>
        <translation>die Datei enthält %1, weder %2, wie „was“ angibt, noch den neuen Wert</translation>
    </message>
    <message>
        <source>line %1: the key &quot;%2&quot; is given twice</source>
        <translation>Zeile %1: der Schlüssel „%2“ steht zweimal da</translation>
    </message>
    <message>
        <source>line %1: unknown key &quot;%2&quot;%3</source>
        <translation>Zeile %1: unbekannter Schlüssel „%2“%3</translation>
    </message>
    <message>
        <source>&quot;$schema&quot; must be a text</source>
        <translation>„$schema“ muss ein Text sein</translation>
    </message>
    <message>
        <source>&quot;mod&quot; must be an object</source>
        <translation>„mod“ muss ein Objekt sein</translation>
    </message>
    <message>
        <source>&quot;mod&quot;: &quot;%1&quot; must be a text</source>
        <translation>„mod“: „%1“ muss ein Text sein</translation>
    </message>
    <message>
        <source>change %1: needs &quot;table&quot; and &quot;field&quot; as texts, &quot;record&quot; and &quot;value&quot; as a text or number (and &quot;comment&quot;, if any, as a text)</source>
        <translation>Änderung %1: braucht „table“ und „field“ als Text, „record“ und „value“ als Text oder Zahl (und „comment“, falls vorhanden, als Text)</translation>
    </message>
</context>
<context>
    <name>ChangesModel</name>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>As loaded</source>
        <translation>Wie geladen</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
</context>
<context>
    <name>ChangesPanel</name>
    <message>
        <source>&amp;Revert</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Put the selected lines back to their values as loaded.</source>
        <translation>Setzt die ausgewählten Zeilen auf ihre Werte beim Laden zurück.</translation>
    </message>
    <message>
        <source>Changes (%1)</source>
        <translation>Änderungen (%1)</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>Än&amp;derungen</translation>
    </message>
    <message>
        <source>Revert %1: %2</source>
        <translation>%1 zurücksetzen: %2</translation>
    </message>
    <message>
        <source>Revert %1 changes</source>
        <translation>%1 Änderungen zurücksetzen</translation>
    </message>
    <message>
        <source>Revert All</source>
        <translation>Alle zurücksetzen</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Revert A&amp;ll</source>
        <translation>Alle &amp;verwerfen</translation>
    </message>
</context>
<context>
    <name>Controls</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>line %1: a quote inside an unquoted field</source>
        <translation>Zeile %1: ein Anführungszeichen in einem Feld ohne Anführungszeichen</translation>
    </message>
    <message>
        <source>line %1: text after a closing quote</source>
        <translation>Zeile %1: Text nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>line %1: a quoted field is never closed</source>
        <translation>Zeile %1: ein Feld in Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text; it was read as Windows-1252</source>
        <translation>die Datei ist kein UTF-8-Text; sie wurde als Windows-1252 gelesen</translation>
    </message>
    <message>
        <source>the fields are separated by semicolons</source>
        <translation>die Felder sind durch Semikolons getrennt</translation>
    </message>
</context>
<context>
    <name>DamageTypes</name>
    <message>
        <source>AP</source>
        <translation>Panzerbrechend</translation>
    </message>
    <message>
        <source>Incendiary</source>
        <translation>Brand</translation>
    </message>
    <message>
        <source>HE</source>
        <translation>Hochexplosiv</translation>
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
        <translation>Betäubung</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>DiskCheck</name>
    <message>
        <source>%1 (no longer there)</source>
        <translation>%1 (nicht mehr vorhanden)</translation>
    </message>
    <message>
        <source>These files changed on disk after they were loaded or last saved, perhaps by another program:

</source>
        <translation>Diese Dateien wurden nach dem Laden oder letzten Speichern auf der Festplatte geändert, vielleicht von einem anderen Programm:

</translation>
    </message>
    <message>
        <source>Overwrite makes the master backup from the files as they were loaded.</source>
        <translation>Überschreiben legt die Master-Sicherung aus den Dateien an, wie sie geladen wurden.</translation>
    </message>
    <message>
        <source> Reload loads the files from disk again. Cancel writes nothing.</source>
        <translation> Neu laden lädt die Dateien erneut von der Festplatte. Abbrechen schreibt nichts.</translation>
    </message>
    <message>
        <source>Files Changed on Disk</source>
        <translation>Dateien auf der Festplatte geändert</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Changed on disk since loaded or saved: %1. Save will ask before writing over them.</source>
        <translation>Seit dem Laden oder Speichern auf der Festplatte geändert: %1. Speichern fragt, bevor es sie überschreibt.</translation>
    </message>
    <message>
        <source>They hold edits of yours that are not saved. Overwrite replaces the other program&apos;s version of them with yours.</source>
        <translation>Sie enthalten ungespeicherte Änderungen von Ihnen. Überschreiben ersetzt die Fassung des anderen Programms durch Ihre.</translation>
    </message>
    <message>
        <source>Changed on disk by another program: %1. Save leaves it as it is; reload to see or edit it.</source>
        <translation>Von einem anderen Programm auf der Festplatte geändert: %1. Speichern lässt die Datei, wie sie ist; laden Sie sie neu, um sie zu sehen oder zu bearbeiten.</translation>
    </message>
    <message>
        <source>Changed on disk by another program: %1. Save leaves them as they are; reload to see or edit them.</source>
        <translation>Von einem anderen Programm auf der Festplatte geändert: %1. Speichern lässt die Dateien, wie sie sind; laden Sie sie neu, um sie zu sehen oder zu bearbeiten.</translation>
    </message>
</context>
<context>
    <name>Facilities</name>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Access Lift</source>
        <translation>Zugangslift</translation>
    </message>
    <message>
        <source>Living Quarters</source>
        <translation>Wohnquartiere</translation>
    </message>
    <message>
        <source>Laboratory</source>
        <translation>Labor</translation>
    </message>
    <message>
        <source>Workshop</source>
        <translation>Werkstatt</translation>
    </message>
    <message>
        <source>Small
Radar System</source>
        <translation>Kleines
Radarsystem</translation>
    </message>
    <message>
        <source>Large
Radar System</source>
        <translation>Großes
Radarsystem</translation>
    </message>
    <message>
        <source>Missile Defense</source>
        <translation>Raketenabwehr</translation>
    </message>
    <message>
        <source>General Stores</source>
        <translation>Allgemeines Lager</translation>
    </message>
    <message>
        <source>Alien Containment</source>
        <translation>Alien-Gefängnis</translation>
    </message>
    <message>
        <source>Laser Defense</source>
        <translation>Laserabwehr</translation>
    </message>
    <message>
        <source>Plasma Defense</source>
        <translation>Plasmaabwehr</translation>
    </message>
    <message>
        <source>Fusion Ball Defense</source>
        <translation>Fusionskugel-Abwehr</translation>
    </message>
    <message>
        <source>Grav Shield</source>
        <translation>Gravitationsschild</translation>
    </message>
    <message>
        <source>Mind Shield</source>
        <translation>Gedankenschild</translation>
    </message>
    <message>
        <source>Psionic Laboratory</source>
        <translation>Psi-Labor</translation>
    </message>
    <message>
        <source>Hyper-wave Decoder</source>
        <translation>Hyperwellen-Decoder</translation>
    </message>
    <message>
        <source>Hangar
(Top Left)</source>
        <translation>Hangar
(oben links)</translation>
    </message>
    <message>
        <source>Hangar
(Top Right)</source>
        <translation>Hangar
(oben rechts)</translation>
    </message>
    <message>
        <source>Hangar
(Bottom Left)</source>
        <translation>Hangar
(unten links)</translation>
    </message>
    <message>
        <source>Hangar
(Bottom Right)</source>
        <translation>Hangar
(unten rechts)</translation>
    </message>
    <message>
        <source>Small Radar System</source>
        <translation>Kleines Radarsystem</translation>
    </message>
    <message>
        <source>Large Radar System</source>
        <translation>Großes Radarsystem</translation>
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
        <translation>Name der Einrichtung:</translation>
    </message>
    <message>
        <source>Facility</source>
        <translation>Einrichtung</translation>
    </message>
</context>
<context>
    <name>GameFiles</name>
    <message>
        <source>it is a named pipe (FIFO)</source>
        <translation>es ist eine benannte Pipe (FIFO)</translation>
    </message>
    <message>
        <source>it is a device</source>
        <translation>es ist ein Gerät</translation>
    </message>
    <message>
        <source>it is a socket</source>
        <translation>es ist ein Socket</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
</context>
<context>
    <name>GameLoader</name>
    <message>
        <source>DONE!    </source>
        <translation>FERTIG!    </translation>
    </message>
    <message>
        <source>The path %1 cannot be read as text: the name &quot;%2&quot; in it is not valid UTF-8. Rename it and load again.</source>
        <translation>Der Pfad %1 kann nicht als Text gelesen werden: Der Name „%2“ darin ist kein gültiges UTF-8. Benennen Sie ihn um und laden Sie erneut.</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 is not the right size</source>
        <translation>Die Datei %1 hat nicht die richtige Größe</translation>
    </message>
    <message>
        <source>The file %1 is too large to load: it is %2 bytes, and a string file can be at most %3 bytes (%4 MiB).</source>
        <translation>Die Datei %1 ist zu groß zum Laden: Sie hat %2 Bytes, eine Textdatei darf höchstens %3 Bytes (%4 MiB) haben.</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>ist keine Datei</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>ist leer</translation>
    </message>
    <message>
        <source>is larger than a string file can be (16 MiB)</source>
        <translation>ist größer, als eine Textdatei sein kann (16 MiB)</translation>
    </message>
    <message>
        <source>could not be read</source>
        <translation>konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 is missing, so %2 was left out too and %3 is not offered.</source>
        <translation>%1 fehlt, daher wurde auch %2 ausgelassen, und %3 wird nicht angeboten.</translation>
    </message>
    <message>
        <source>%1 %2, so %3 is not offered.</source>
        <translation>%1 %2, daher wird %3 nicht angeboten.</translation>
    </message>
    <message>
        <source>Unable to load ufo.exe</source>
        <translation>ufo.exe kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Not correct executable file version, currently this only works for Collector&apos;s Edition of X-Com.</source>
        <translation>Falsche Version der ausführbaren Datei; derzeit funktioniert dies nur mit der Collector&apos;s Edition von X-Com.</translation>
    </message>
    <message>
        <source>Unexpected File Contents</source>
        <translation>Unerwarteter Dateiinhalt</translation>
    </message>
    <message>
        <source>The chosen files do not look like this game&apos;s:

%1

Load anyway?</source>
        <translation>Die gewählten Dateien sehen nicht wie die dieses Spiels aus:

%1

Trotzdem laden?</translation>
    </message>
    <message>
        <source>All files loaded successfully!</source>
        <translation>Alle Dateien erfolgreich geladen!</translation>
    </message>
    <message>
        <source>Unable to load english.dat</source>
        <translation>english.dat kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Unable to load english2.dat</source>
        <translation>english2.dat kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Unable to load obdata.dat</source>
        <translation>obdata.dat kann nicht geladen werden</translation>
    </message>
</context>
<context>
    <name>GameSaver</name>
    <message>
        <source>what it held before could not be read</source>
        <translation>der vorherige Inhalt konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The file is read-only (no one may write to it), so it is left as it is. Make it writable to save it.</source>
        <translation>Die Datei ist schreibgeschützt (niemand darf in sie schreiben) und bleibt daher, wie sie ist. Machen Sie sie beschreibbar, um sie zu speichern.</translation>
    </message>
    <message>
        <source>The file %1 could not be written:
%2

</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden:
%2

</translation>
    </message>
    <message>
        <source>No file was changed.</source>
        <translation>Keine Datei wurde geändert.</translation>
    </message>
    <message>
        <source>These files hold what this save wrote, because what they held before could not be put back:</source>
        <translation>Diese Dateien enthalten, was dieses Speichern geschrieben hat, weil ihr vorheriger Inhalt nicht wiederhergestellt werden konnte:</translation>
    </message>
    <message>
        <source>

Every other file is as it was before.</source>
        <translation>

Alle anderen Dateien sind wie zuvor.</translation>
    </message>
    <message>
        <source>Save failed</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>

Your edits are kept; you can save again.</source>
        <translation>

Ihre Änderungen bleiben erhalten; Sie können erneut speichern.</translation>
    </message>
    <message>
        <source>Make master backup?</source>
        <translation>Master-Sicherung anlegen?</translation>
    </message>
    <message>
        <source>Are you sure you want to make a master back up? This will overwrite any other master backup of your executable.</source>
        <translation>Möchten Sie wirklich eine Master-Sicherung anlegen? Dies überschreibt jede andere Master-Sicherung Ihrer ausführbaren Datei.</translation>
    </message>
    <message>
        <source>Master backup failed</source>
        <translation>Master-Sicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 %2; nothing was written. %3</source>
        <translation>%1 %2; es wurde nichts geschrieben. %3</translation>
    </message>
</context>
<context>
    <name>GameVersion</name>
    <message>
        <source>Version: Collector&apos;s Edition</source>
        <translation>Version: Collector&apos;s Edition</translation>
    </message>
    <message>
        <source>Version: DOS version 1.2</source>
        <translation>Version: DOS-Version 1.2</translation>
    </message>
    <message>
        <source>Version: DOS version 1.4</source>
        <translation>Version: DOS-Version 1.4</translation>
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
        <translation>Gegenstand</translation>
    </message>
    <message>
        <source>Double click on item to edit it.</source>
        <translation>Doppelklicken Sie auf einen Gegenstand, um ihn zu bearbeiten.</translation>
    </message>
    <message>
        <source>Click on item to view index number, double click to edit.</source>
        <translation>Klicken zeigt die Indexnummer des Gegenstands, Doppelklicken bearbeitet ihn.</translation>
    </message>
    <message>
        <source>Index:</source>
        <translation>Index:</translation>
    </message>
</context>
<context>
    <name>JsonKeys</name>
    <message>
        <source> (did you mean &quot;%1&quot;?)</source>
        <translation> (meinten Sie „%1“?)</translation>
    </message>
    <message>
        <source> (one of: %1)</source>
        <translation> (eines von: %1)</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
</context>
<context>
    <name>LoadWindow</name>
    <message>
        <source>Loading Files...</source>
        <translation>Dateien werden geladen …</translation>
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
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>L&amp;oad Files</source>
        <translation>Dateien &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Make Backups</source>
        <translation>Sicherungs&amp;kopien anlegen</translation>
    </message>
    <message>
        <source>Make Master Backup</source>
        <translation>Master-Sicherung anlegen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;C&amp;lose files</source>
        <translation>Dateien s&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Import Changes…</source>
        <translation>Änderungen &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Export Changes…</source>
        <translation>Änderungen &amp;exportieren…</translation>
    </message>
    <message>
        <source>Export &amp;Tables…</source>
        <translation>&amp;Tabellen exportieren…</translation>
    </message>
    <message>
        <source>Import T&amp;able…</source>
        <translation>T&amp;abelle importieren…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Edit History</source>
        <translation>Bearbeitungsverlauf</translation>
    </message>
    <message>
        <source>&lt;files as loaded&gt;</source>
        <translation>&lt;Dateien wie geladen&gt;</translation>
    </message>
    <message>
        <source>Edit &amp;History</source>
        <translation>&amp;Bearbeitungsverlauf</translation>
    </message>
    <message>
        <source>Base Editor</source>
        <translation>Basis-Editor</translation>
    </message>
    <message>
        <source>Facility Editor</source>
        <translation>Einrichtungs-Editor</translation>
    </message>
    <message>
        <source>Soldier Names</source>
        <translation>Soldatennamen</translation>
    </message>
    <message>
        <source>Unit Editor</source>
        <translation>Einheiten-Editor</translation>
    </message>
    <message>
        <source>Item Editor</source>
        <translation>Gegenstands-Editor</translation>
    </message>
    <message>
        <source>String Editor</source>
        <translation>Text-Editor</translation>
    </message>
    <message>
        <source>Language files</source>
        <translation>Sprachdateien</translation>
    </message>
    <message>
        <source>Some language files were not loaded:

</source>
        <translation>Einige Sprachdateien wurden nicht geladen:

</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>UFO Executable (ufo.exe)|*.exe</source>
        <translation>UFO-Programmdatei (ufo.exe)|*.exe</translation>
    </message>
    <message>
        <source>Discard Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Reloading discards the changes you have not saved. Discard them and load the files from disk?</source>
        <translation>Neu laden verwirft die Änderungen, die Sie nicht gespeichert haben. Verwerfen und die Dateien von der Festplatte laden?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>The game files have changes that are not saved.</source>
        <translation>Die Spieldateien enthalten ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>UFO.EXE Editor</source>
        <translation>UFO.EXE-Editor</translation>
    </message>
    <message>
        <source>UFO.EXE Editor — %1[*]</source>
        <translation>UFO.EXE-Editor — %1[*]</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>The current version is %1 beta.
Written by the X-Com Kestrel developers.
It only works for Collector&apos;s Edition of X-Com: Ufo Defense at the present time.</source>
        <translation>Die aktuelle Version ist %1 beta.
Geschrieben von den Entwicklern von X-Com Kestrel.
Derzeit funktioniert es nur mit der Collector&apos;s Edition von X-Com: Ufo Defense.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Load the files again as they are on disk now</source>
        <translation>Die Dateien erneut so laden, wie sie jetzt auf der Festplatte sind</translation>
    </message>
    <message>
        <source>Nothing was opened: %1</source>
        <translation>Es wurde nichts geöffnet: %1</translation>
    </message>
    <message>
        <source>Nothing was opened: %1 is not an executable (.exe), a change set (.json) or a table (.csv).</source>
        <translation>Es wurde nichts geöffnet: %1 ist weder ein Programm (.exe) noch eine Änderungsdatei (.json) noch eine Tabelle (.csv).</translation>
    </message>
    <message>
        <source>Nothing was imported: load the game files before importing %1.</source>
        <translation>Es wurde nichts importiert: Laden Sie die Spieldateien, bevor Sie %1 importieren.</translation>
    </message>
    <message>
        <source>Edit Refused</source>
        <translation>Änderung abgelehnt</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program, so what this window shows of it is stale. Nothing was changed.

Reload the files (the Reload button in the status bar) to edit it.</source>
        <translation>%1 wurde von einem anderen Programm auf der Festplatte geändert; was dieses Fenster davon zeigt, ist veraltet. Es wurde nichts geändert.

Laden Sie die Dateien neu (mit der Schaltfläche „Neu laden“ in der Statusleiste), um sie zu bearbeiten.</translation>
    </message>
    <message>
        <source>Save them before closing the files?</source>
        <translation>Vor dem Schließen der Dateien speichern?</translation>
    </message>
    <message>
        <source>Save them before loading other files?</source>
        <translation>Vor dem Laden anderer Dateien speichern?</translation>
    </message>
    <message>
        <source>Save them before exiting?</source>
        <translation>Vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Saved %1; backups beside them</source>
        <translation>%1 gespeichert; Sicherungskopien daneben</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Made master backups: %1</source>
        <translation>Master-Sicherungen angelegt: %1</translation>
    </message>
</context>
<context>
    <name>ModCommands</name>
    <message>
        <source>Nothing was changed:

</source>
        <translation>Nichts wurde geändert:

</translation>
    </message>
    <message>
        <source>Every value is already as the file gives it; nothing was changed.</source>
        <translation>Jeder Wert entspricht bereits der Datei; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Import Changes</source>
        <translation>Änderungen importieren</translation>
    </message>
    <message>
        <source>Change sets (*.json)|*.json</source>
        <translation>Änderungssätze (*.json)|*.json</translation>
    </message>
    <message>
        <source>%1 was not applied:

%2</source>
        <translation>%1 wurde nicht angewendet:

%2</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>Export Changes</source>
        <translation>Änderungen exportieren</translation>
    </message>
    <message>
        <source>Export Tables</source>
        <translation>Tabellen exportieren</translation>
    </message>
    <message>
        <source>Import Table</source>
        <translation>Tabelle importieren</translation>
    </message>
    <message>
        <source>Tables (*.csv)|*.csv</source>
        <translation>Tabellen (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Import table %1</source>
        <translation>Tabelle %1 importieren</translation>
    </message>
    <message>
        <source>Some values are past the limits the form allows:

%1

Apply them anyway?</source>
        <translation>Einige Werte liegen außerhalb der Grenzen, die das Formular erlaubt:

%1

Trotzdem übernehmen?</translation>
    </message>
    <message>
        <source>This file is already in %1:

%2

Replace them?</source>
        <translation>Diese Datei liegt bereits in %1:

%2

Ersetzen?</translation>
    </message>
    <message>
        <source>These %1 files are already in %2:

%3

Replace them?</source>
        <translation>Diese %1 Dateien liegen bereits in %2:

%3

Ersetzen?</translation>
    </message>
    <message>
        <source>Imported %1: one change; Undo takes it back</source>
        <translation>%1 importiert: eine Änderung; Rückgängig nimmt sie zurück</translation>
    </message>
    <message>
        <source>Imported %1: %2 changes as one step; Undo takes them back</source>
        <translation>%1 importiert: %2 Änderungen in einem Schritt; Rückgängig nimmt sie zurück</translation>
    </message>
    <message>
        <source>Exported one change to %1</source>
        <translation>Eine Änderung nach %1 exportiert</translation>
    </message>
    <message>
        <source>Exported %1 changes to %2</source>
        <translation>%1 Änderungen nach %2 exportiert</translation>
    </message>
    <message>
        <source>Exported %1 tables to %2, then stopped</source>
        <translation>%1 Tabellen nach %2 exportiert, dann abgebrochen</translation>
    </message>
    <message>
        <source>The mod&apos;s name, as mod lists show it (empty for none):</source>
        <translation>Der Name des Mods, wie Mod-Listen ihn zeigen (leer für keinen):</translation>
    </message>
    <message>
        <source>Exported %1 tables to %2</source>
        <translation>%1 Tabellen nach %2 exportiert</translation>
    </message>
</context>
<context>
    <name>ModStack</name>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>%1: no master backup</source>
        <translation>%1: keine Master-Sicherung</translation>
    </message>
    <message>
        <source>%1: not the size of the file it backs up</source>
        <translation>%1: nicht so groß wie die Datei, die es sichert</translation>
    </message>
    <message>
        <source>%1: the changes could not be applied</source>
        <translation>%1: die Änderungen konnten nicht angewendet werden</translation>
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
        <translation>Master-Sicherung anlegen</translation>
    </message>
    <message>
        <source>The load order: a later mod wins where two set the same field.</source>
        <translation>Die Ladereihenfolge: Wo zwei dasselbe Feld setzen, gewinnt der spätere Mod.</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Hinzufügen…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Winner</source>
        <translation>Gewinner</translation>
    </message>
    <message>
        <source>Apply Mods</source>
        <translation>Mods anwenden</translation>
    </message>
    <message>
        <source>Restore Vanilla</source>
        <translation>Original wiederherstellen</translation>
    </message>
    <message>
        <source>Conflicts (a later mod wins):</source>
        <translation>Konflikte (der spätere Mod gewinnt):</translation>
    </message>
    <message>
        <source>%1 — 1 value</source>
        <translation>%1 — 1 Wert</translation>
    </message>
    <message>
        <source>%1 — %2 values</source>
        <translation>%1 — %2 Werte</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Add Mods</source>
        <translation>Mods hinzufügen</translation>
    </message>
    <message>
        <source>Change sets (*.json)|*.json</source>
        <translation>Änderungssätze (*.json)|*.json</translation>
    </message>
    <message>
        <source>Mods (%1 conflicts)</source>
        <translation>Mods (%1 Konflikte)</translation>
    </message>
    <message>
        <source>&amp;Mods</source>
        <translation>&amp;Mods</translation>
    </message>
    <message>
        <source>Load the game files to apply mods.</source>
        <translation>Laden Sie die Spieldateien, um Mods anzuwenden.</translation>
    </message>
    <message>
        <source>On the master backup of %1.</source>
        <translation>Auf der Master-Sicherung von %1.</translation>
    </message>
    <message>
        <source>On the files as loaded: there is no master backup of %1. Make one, so that unticking a mod and applying again takes its values out.</source>
        <translation>Auf den Dateien wie geladen: Es gibt keine Master-Sicherung von %1. Legen Sie eine an, damit ein abgewählter Mod beim erneuten Anwenden seine Werte wieder herausnimmt.</translation>
    </message>
    <message>
        <source>Apply 1 mod</source>
        <translation>1 Mod anwenden</translation>
    </message>
    <message>
        <source>Apply %1 mods</source>
        <translation>%1 Mods anwenden</translation>
    </message>
    <message>
        <source>Nothing was changed:

</source>
        <translation>Nichts wurde geändert:

</translation>
    </message>
    <message>
        <source>The files already hold every value; nothing was changed.</source>
        <translation>Die Dateien enthalten bereits jeden Wert; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Some values are past the limits the form allows:

%1

Apply them anyway?</source>
        <translation>Einige Werte liegen außerhalb der Grenzen, die das Formular erlaubt:

%1

Trotzdem übernehmen?</translation>
    </message>
    <message>
        <source>edited by hand, will be replaced</source>
        <translation>von Hand geändert, wird ersetzt</translation>
    </message>
    <message>
        <source>on the master backup of %1</source>
        <translation>auf der Master-Sicherung von %1</translation>
    </message>
    <message>
        <source>on the files of %1 as loaded</source>
        <translation>auf den Dateien von %1 wie geladen</translation>
    </message>
    <message>
        <source>Nothing is saved until Save.</source>
        <translation>Gespeichert wird erst mit Speichern.</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Danach</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Mods (1 conflict)</source>
        <translation>Mods (1 Konflikt)</translation>
    </message>
    <message>
        <source>%1 %2 changes 1 value.</source>
        <translation>%1 %2 ändert 1 Wert.</translation>
    </message>
    <message>
        <source>%1 %2 changes %3 values.</source>
        <translation>%1 %2 ändert %3 Werte.</translation>
    </message>
</context>
<context>
    <name>Plausibility</name>
    <message>
        <source>soldier last names</source>
        <translation>Nachnamen der Soldaten</translation>
    </message>
    <message>
        <source>soldier first names</source>
        <translation>Vornamen der Soldaten</translation>
    </message>
    <message>
        <source>item names of obdata.dat</source>
        <translation>Gegenstandsnamen von obdata.dat</translation>
    </message>
    <message>
        <source>ammo references of obdata.dat</source>
        <translation>Munitionsverweise von obdata.dat</translation>
    </message>
    <message>
        <source>lie past the end of the file</source>
        <translation>liegen hinter dem Dateiende</translation>
    </message>
    <message>
        <source>mostly name no item</source>
        <translation>nennen meist keinen Gegenstand</translation>
    </message>
    <message>
        <source>are all empty</source>
        <translation>sind alle leer</translation>
    </message>
    <message>
        <source>The %1 at byte %2 %3.</source>
        <translation>Die %1 bei Byte %2 %3.</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Change Amount</source>
        <translation>Wert ändern</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Enter the amount you would like to have.</source>
        <translation>Geben Sie den gewünschten Wert ein.</translation>
    </message>
    <message>
        <source>(Remember, the number cannot exceed 255).</source>
        <translation>(Denken Sie daran: Die Zahl darf 255 nicht überschreiten.)</translation>
    </message>
    <message>
        <source>(Remember, the number cannot exceed 100).</source>
        <translation>(Denken Sie daran: Die Zahl darf 100 nicht überschreiten.)</translation>
    </message>
    <message>
        <source>(Remember, this cannot exceed 28,671).</source>
        <translation>(Denken Sie daran: Der Wert darf 28.671 nicht überschreiten.)</translation>
    </message>
    <message>
        <source>(Remember, the number cannot exceed 100%).</source>
        <translation>(Denken Sie daran: Die Zahl darf 100 % nicht überschreiten.)</translation>
    </message>
    <message>
        <source>What would you like the new name to be?</source>
        <translation>Wie soll der neue Name lauten?</translation>
    </message>
    <message>
        <source>(remember it cannot exceed 20 characters)</source>
        <translation>(denken Sie daran: höchstens 20 Zeichen)</translation>
    </message>
    <message>
        <source>(Remember, the number cannot exceed 79).</source>
        <translation>(Denken Sie daran: Die Zahl darf 79 nicht überschreiten.)</translation>
    </message>
    <message>
        <source>This corresponds with the index number displayed below the list. An index of 255 means no ammo.</source>
        <translation>Dies entspricht der Indexnummer, die unter der Liste angezeigt wird. Ein Index von 255 bedeutet keine Munition.</translation>
    </message>
    <message>
        <source>I suggest only changing this for a weapon and only using actual ammo indexes.</source>
        <translation>Ändern Sie dies am besten nur bei einer Waffe und nur mit Indizes echter Munition.</translation>
    </message>
    <message>
        <source>(remember it cannot exceed 11 characters)</source>
        <translation>(denken Sie daran: höchstens 11 Zeichen)</translation>
    </message>
    <message>
        <source>What would you like the new first name to be?</source>
        <translation>Wie soll der neue Vorname lauten?</translation>
    </message>
    <message>
        <source>What would you like the new last name to be?</source>
        <translation>Wie soll der neue Nachname lauten?</translation>
    </message>
    <message>
        <source>(Remember, this cannot exceed 250).</source>
        <translation>(Denken Sie daran: Der Wert darf 250 nicht überschreiten.)</translation>
    </message>
    <message>
        <source>(Remember, the number cannot exceed 110).</source>
        <translation>(Denken Sie daran: Die Zahl darf 110 nicht überschreiten.)</translation>
    </message>
    <message>
        <source>The number must also be divisible by 10.</source>
        <translation>Die Zahl muss außerdem durch 10 teilbar sein.</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1 was not taken: the number cannot exceed %2.</source>
        <translation>%1 wurde nicht übernommen: Die Zahl darf %2 nicht überschreiten.</translation>
    </message>
    <message>
        <source>%1 was not taken: this field holds no such number.</source>
        <translation>%1 wurde nicht übernommen: Dieses Feld kann diese Zahl nicht aufnehmen.</translation>
    </message>
    <message>
        <source>%1 was not taken: it has %2 characters, at most %3 fit.</source>
        <translation>%1 wurde nicht übernommen: Es hat %2 Zeichen, höchstens %3 passen.</translation>
    </message>
    <message>
        <source>%1 was not taken: the game cannot store %2.</source>
        <translation>%1 wurde nicht übernommen: Das Spiel kann %2 nicht speichern.</translation>
    </message>
    <message>
        <source>%1 was not taken: only a number from 0 to 28,671 is.</source>
        <translation>%1 wurde nicht übernommen: Nur eine Zahl von 0 bis 28.671 geht.</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>Clear Menu</source>
        <translation>Menü leeren</translation>
    </message>
</context>
<context>
    <name>RecordForm</name>
    <message>
        <source>%1, %2, at most %3 characters</source>
        <translation>%1, %2, höchstens %3 Zeichen</translation>
    </message>
    <message>
        <source>%1, %2, at most %3</source>
        <translation>%1, %2, höchstens %3</translation>
    </message>
</context>
<context>
    <name>RecordTableModel</name>
    <message>
        <source>As loaded: %1</source>
        <translation>Wie geladen: %1</translation>
    </message>
    <message>
        <source>the %1 column cannot be changed</source>
        <translation>die Spalte %1 kann nicht geändert werden</translation>
    </message>
</context>
<context>
    <name>RecordTableView</name>
    <message>
        <source>Copied %1 × %2 cells</source>
        <translation>%1 × %2 Zellen kopiert</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Nothing was pasted. The prompts would refuse %1:

%2</source>
        <translation>Nichts wurde eingefügt. Die Eingabeprüfung würde %1 ablehnen:

%2</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 Zelle</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 Zellen</translation>
    </message>
    <message>
        <source>Paste 1 cell</source>
        <translation>1 Zelle einfügen</translation>
    </message>
    <message>
        <source>Paste %1 cells</source>
        <translation>%1 Zellen einfügen</translation>
    </message>
    <message>
        <source>Pasted 1 changed cell</source>
        <translation>1 geänderte Zelle eingefügt</translation>
    </message>
    <message>
        <source>Pasted %1 changed cells</source>
        <translation>%1 geänderte Zellen eingefügt</translation>
    </message>
    <message>
        <source>The copied block of %1 × %2 cells runs past the last row of the table when it starts at %3. Nothing was pasted.</source>
        <translation>Der kopierte Block aus %1 × %2 Zellen reicht über die letzte Zeile der Tabelle hinaus, wenn er bei %3 beginnt. Nichts wurde eingefügt.</translation>
    </message>
    <message>
        <source>The copied block of %1 × %2 cells runs past the last column of the table when it starts at %3. Nothing was pasted.</source>
        <translation>Der kopierte Block aus %1 × %2 Zellen reicht über die letzte Spalte der Tabelle hinaus, wenn er bei %3 beginnt. Nichts wurde eingefügt.</translation>
    </message>
    <message>
        <source>; past the form&apos;s limits: </source>
        <translation>; außerhalb der Grenzen des Formulars: </translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>kestrel: %1 Starting with the default settings.</source>
        <translation>kestrel: %1 Start mit den Standardeinstellungen.</translation>
    </message>
</context>
<context>
    <name>SoldierNamesTab</name>
    <message>
        <source>First Names</source>
        <translation>Vornamen</translation>
    </message>
    <message>
        <source>Last Names</source>
        <translation>Nachnamen</translation>
    </message>
    <message>
        <source>This is a list of all the default soldier names. Double Click to edit.
I suggest using the same sex as the first name already is or you&apos;ll have men with women&apos;s names and vice versa.</source>
        <translation>Dies ist die Liste aller vorgegebenen Soldatennamen. Zum Bearbeiten doppelklicken.
Behalten Sie am besten das Geschlecht des bisherigen Vornamens bei, sonst tragen Männer Frauennamen und umgekehrt.</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Written by the X-Com Kestrel developers.</source>
        <translation>Geschrieben von den Entwicklern von X-Com Kestrel.</translation>
    </message>
    <message>
        <source>Designed and tested by the X-Com Kestrel developers.</source>
        <translation>Entworfen und getestet von den Entwicklern von X-Com Kestrel.</translation>
    </message>
    <message>
        <source>This program edits the executable of X-Com itself. The author is not responsible for any damage incurred during the use of this program.</source>
        <translation>Dieses Programm bearbeitet die ausführbare Datei von X-Com selbst. Der Autor haftet nicht für Schäden, die bei der Benutzung dieses Programms entstehen.</translation>
    </message>
</context>
<context>
    <name>Stores</name>
    <message>
        <source>Engineers - </source>
        <translation>Techniker - </translation>
    </message>
    <message>
        <source>Scientists - </source>
        <translation>Wissenschaftler - </translation>
    </message>
    <message>
        <source>Stingray Launchers - </source>
        <translation>Stingray-Werfer - </translation>
    </message>
    <message>
        <source>Avalanche Launchers - </source>
        <translation>Avalanche-Werfer - </translation>
    </message>
    <message>
        <source>Cannons - </source>
        <translation>Kanonen - </translation>
    </message>
    <message>
        <source>Fusion Ball Launchers - </source>
        <translation>Fusionskugel-Werfer - </translation>
    </message>
    <message>
        <source>Laser Cannons - </source>
        <translation>Laserkanonen - </translation>
    </message>
    <message>
        <source>Plasma Beams - </source>
        <translation>Plasmastrahler - </translation>
    </message>
    <message>
        <source>Stingray Missiles - </source>
        <translation>Stingray-Raketen - </translation>
    </message>
    <message>
        <source>Avalanche Missiles - </source>
        <translation>Avalanche-Raketen - </translation>
    </message>
    <message>
        <source>Cannon Rounds(x50) - </source>
        <translation>Kanonengeschosse (x50) - </translation>
    </message>
    <message>
        <source>Fusion Balls - </source>
        <translation>Fusionskugeln - </translation>
    </message>
    <message>
        <source>Tank/Cannons - </source>
        <translation>Panzer/Kanonen - </translation>
    </message>
    <message>
        <source>Tank/Rocket Launchers - </source>
        <translation>Panzer/Raketenwerfer - </translation>
    </message>
    <message>
        <source>Tank/Laser Cannons - </source>
        <translation>Panzer/Laserkanonen - </translation>
    </message>
    <message>
        <source>Tank/Plasmas - </source>
        <translation>Panzer/Plasma - </translation>
    </message>
    <message>
        <source>Tank/Launchers - </source>
        <translation>Panzer/Werfer - </translation>
    </message>
    <message>
        <source>Pistols - </source>
        <translation>Pistolen - </translation>
    </message>
    <message>
        <source>Pistol Clips - </source>
        <translation>Pistolenmagazine - </translation>
    </message>
    <message>
        <source>Rifles - </source>
        <translation>Gewehre - </translation>
    </message>
    <message>
        <source>Rifle Clips - </source>
        <translation>Gewehrmagazine - </translation>
    </message>
    <message>
        <source>Heavy Cannons - </source>
        <translation>Schwere Kanonen - </translation>
    </message>
    <message>
        <source>HC-AP Ammo - </source>
        <translation>HC-AP-Munition - </translation>
    </message>
    <message>
        <source>HC-HE Ammo - </source>
        <translation>HC-HE-Munition - </translation>
    </message>
    <message>
        <source>HC-IN Ammo - </source>
        <translation>HC-IN-Munition - </translation>
    </message>
    <message>
        <source>Auto Cannons - </source>
        <translation>Maschinenkanonen - </translation>
    </message>
    <message>
        <source>AC-AP Ammo - </source>
        <translation>AC-AP-Munition - </translation>
    </message>
    <message>
        <source>AC-HE Ammo - </source>
        <translation>AC-HE-Munition - </translation>
    </message>
    <message>
        <source>AC-IN Ammo - </source>
        <translation>AC-IN-Munition - </translation>
    </message>
    <message>
        <source>Rocket Launchers - </source>
        <translation>Raketenwerfer - </translation>
    </message>
    <message>
        <source>Small Rockets - </source>
        <translation>Kleine Raketen - </translation>
    </message>
    <message>
        <source>Large Rockets - </source>
        <translation>Große Raketen - </translation>
    </message>
    <message>
        <source>Incendiary Rockets - </source>
        <translation>Brandraketen - </translation>
    </message>
    <message>
        <source>Laser Pistols - </source>
        <translation>Laserpistolen - </translation>
    </message>
    <message>
        <source>Laser Rifles - </source>
        <translation>Lasergewehre - </translation>
    </message>
    <message>
        <source>Heavy Lasers - </source>
        <translation>Schwere Laser - </translation>
    </message>
    <message>
        <source>Grenades - </source>
        <translation>Granaten - </translation>
    </message>
    <message>
        <source>Smoke Grenades - </source>
        <translation>Rauchgranaten - </translation>
    </message>
    <message>
        <source>Proximity Grenades - </source>
        <translation>Annäherungsgranaten - </translation>
    </message>
    <message>
        <source>High Explosives - </source>
        <translation>Sprengladungen - </translation>
    </message>
    <message>
        <source>Motion Scanners - </source>
        <translation>Bewegungsscanner - </translation>
    </message>
    <message>
        <source>Medi-Kits - </source>
        <translation>Medi-Kits - </translation>
    </message>
    <message>
        <source>Psi-Amps - </source>
        <translation>Psi-Verstärker - </translation>
    </message>
    <message>
        <source>Stun Rods - </source>
        <translation>Betäubungsstäbe - </translation>
    </message>
    <message>
        <source>Electro Flares - </source>
        <translation>Leuchtfackeln - </translation>
    </message>
    <message>
        <source>Heavy Plasma - </source>
        <translation>Schweres Plasma - </translation>
    </message>
    <message>
        <source>Heavy Plasma Clips - </source>
        <translation>Magazine für schweres Plasma - </translation>
    </message>
    <message>
        <source>Plasma Rifles - </source>
        <translation>Plasmagewehre - </translation>
    </message>
    <message>
        <source>Plasma Rifle Clips - </source>
        <translation>Plasmagewehr-Magazine - </translation>
    </message>
    <message>
        <source>Plasma Pistols - </source>
        <translation>Plasmapistolen - </translation>
    </message>
    <message>
        <source>Plasma Pistol Clips - </source>
        <translation>Plasmapistolen-Magazine - </translation>
    </message>
    <message>
        <source>Blaseter Launchers - </source>
        <translation>Blaster-Werfer - </translation>
    </message>
    <message>
        <source>Blaseter Bombs - </source>
        <translation>Blaster-Bomben - </translation>
    </message>
    <message>
        <source>Small Launchers - </source>
        <translation>Kleine Werfer - </translation>
    </message>
    <message>
        <source>Stun Bombs - </source>
        <translation>Betäubungsbomben - </translation>
    </message>
    <message>
        <source>Alien Grenades - </source>
        <translation>Alien-Granaten - </translation>
    </message>
    <message>
        <source>Elerium-115 - </source>
        <translation>Elerium-115 - </translation>
    </message>
    <message>
        <source>Mind Probes - </source>
        <translation>Gedankensonden - </translation>
    </message>
    <message>
        <source>Sectoid Corpses - </source>
        <translation>Sectoid-Leichen - </translation>
    </message>
    <message>
        <source>Snakeman Corpses - </source>
        <translation>Schlangenmann-Leichen - </translation>
    </message>
    <message>
        <source>Ethereal Corpses - </source>
        <translation>Ethereal-Leichen - </translation>
    </message>
    <message>
        <source>Muton Corpses - </source>
        <translation>Muton-Leichen - </translation>
    </message>
    <message>
        <source>Floater Corpses - </source>
        <translation>Floater-Leichen - </translation>
    </message>
    <message>
        <source>Celatid Corpses - </source>
        <translation>Celatid-Leichen - </translation>
    </message>
    <message>
        <source>Silacoid Corpses - </source>
        <translation>Silacoid-Leichen - </translation>
    </message>
    <message>
        <source>Chryssalid Corpses - </source>
        <translation>Chryssalid-Leichen - </translation>
    </message>
    <message>
        <source>Reaper Corpses - </source>
        <translation>Reaper-Leichen - </translation>
    </message>
    <message>
        <source>Sectopod Corpses - </source>
        <translation>Sectopod-Wracks - </translation>
    </message>
    <message>
        <source>Cyberdisc Corpses - </source>
        <translation>Cyberdisc-Wracks - </translation>
    </message>
    <message>
        <source>UFO Power Sources - </source>
        <translation>UFO-Energiequellen - </translation>
    </message>
    <message>
        <source>UFO Navigations - </source>
        <translation>UFO-Navigation - </translation>
    </message>
    <message>
        <source>Alien Food - </source>
        <translation>Alien-Nahrung - </translation>
    </message>
    <message>
        <source>Alien Reproductions - </source>
        <translation>Alien-Fortpflanzung - </translation>
    </message>
    <message>
        <source>Alien Entertainments - </source>
        <translation>Alien-Unterhaltung - </translation>
    </message>
    <message>
        <source>Alien Surgeries - </source>
        <translation>Alien-Chirurgie - </translation>
    </message>
    <message>
        <source>Examination Rooms - </source>
        <translation>Untersuchungsräume - </translation>
    </message>
    <message>
        <source>Alien Alloys - </source>
        <translation>Alien-Legierungen - </translation>
    </message>
    <message>
        <source>Alien Habitats - </source>
        <translation>Alien-Lebensräume - </translation>
    </message>
    <message>
        <source>Personal Armour - </source>
        <translation>Körperpanzer - </translation>
    </message>
    <message>
        <source>Power Suits - </source>
        <translation>Kraftanzüge - </translation>
    </message>
    <message>
        <source>Flying Suits - </source>
        <translation>Fluganzüge - </translation>
    </message>
    <message>
        <source>HWP Cannon Shells - </source>
        <translation>HWP-Kanonengeschosse - </translation>
    </message>
    <message>
        <source>HWP Rockets - </source>
        <translation>HWP-Raketen - </translation>
    </message>
    <message>
        <source>HWP Fusion Bombs - </source>
        <translation>HWP-Fusionsbomben - </translation>
    </message>
</context>
<context>
    <name>StringEditorTab</name>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>The language whose two string files the lists show. A language is offered when both of its files are in the geodata folder.</source>
        <translation>Die Sprache, deren zwei Textdateien die Listen zeigen. Eine Sprache wird angeboten, wenn beide Dateien im Ordner geodata liegen.</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>text or #index (Ctrl+F)</source>
        <translation>Text oder #Index (Strg+F)</translation>
    </message>
    <message>
        <source>Shows in both lists only the entries that contain this text, in any case; #123 shows entry 123. Ctrl+F comes here, Escape clears it.</source>
        <translation>Zeigt in beiden Listen nur die Einträge, die diesen Text enthalten, ohne Rücksicht auf Groß- und Kleinschreibung; #123 zeigt Eintrag 123. Strg+F springt hierher, Esc leert das Feld.</translation>
    </message>
    <message>
        <source>This displays the string you currently have selected.</source>
        <translation>Zeigt den gerade ausgewählten Text.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Click on a string to view it&apos;s contents.
Double click on a string to edit it.</source>
        <translation>Klicken Sie auf einen Text, um seinen Inhalt zu sehen.
Doppelklicken Sie auf einen Text, um ihn zu bearbeiten.</translation>
    </message>
    <message>
        <source>A list of strings in %1. Click to display text. Double click to edit.</source>
        <translation>Eine Liste der Texte in %1. Klicken zeigt den Text, Doppelklicken bearbeitet ihn.</translation>
    </message>
    <message>
        <source>%1 in %2, %3 in %4</source>
        <translation>%1 in %2, %3 in %4</translation>
    </message>
    <message>
        <source>

(%1 more characters: double-click the entry to see all of it.)</source>
        <translation>

(%1 weitere Zeichen: Doppelklicken Sie auf den Eintrag, um alles zu sehen.)</translation>
    </message>
    <message>
        <source>String Editor</source>
        <translation>Text-Editor</translation>
    </message>
    <message>
        <source>The game&apos;s text files cannot store these characters: %1.
Remove them and apply again.</source>
        <translation>Die Textdateien des Spiels können diese Zeichen nicht speichern: %1.
Entfernen Sie sie und übernehmen Sie erneut.</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>Ersetzen d&amp;urch:</translation>
    </message>
    <message>
        <source>The text that Replace All puts in place of the text in the Find box.</source>
        <translation>Der Text, den „Alle ersetzen“ an die Stelle des Suchtexts setzt.</translation>
    </message>
    <message>
        <source>Re&amp;place All</source>
        <translation>Alle e&amp;rsetzen</translation>
    </message>
    <message>
        <source>Replaces the text in the Find box, in any case, in every entry of both lists that holds it, as one step; the entries are listed first.</source>
        <translation>Ersetzt den Suchtext, ohne Rücksicht auf Groß- und Kleinschreibung, in jedem Eintrag beider Listen, der ihn enthält, in einem Schritt; die Einträge werden vorher aufgelistet.</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message>
        <source>The game&apos;s text files cannot store these characters: %1.
Nothing was replaced.</source>
        <translation>Die Textdateien des Spiels können diese Zeichen nicht speichern: %1.
Es wurde nichts ersetzt.</translation>
    </message>
    <message>
        <source>%1 entry %2: “%3”</source>
        <translation>%1 Eintrag %2: „%3“</translation>
    </message>
    <message>
        <source>No entry of these lists holds “%1”.</source>
        <translation>Kein Eintrag dieser Listen enthält „%1“.</translation>
    </message>
    <message>
        <source>Replace “%1” with “%2” in these %3 entries?

%4</source>
        <translation>„%1“ in diesen %3 Einträgen durch „%2“ ersetzen?

%4</translation>
    </message>
    <message>
        <source>Replace “%1” with “%2” in %3 entries</source>
        <translation>„%1“ in %3 Einträgen durch „%2“ ersetzen</translation>
    </message>
</context>
<context>
    <name>TableCsv</name>
    <message>
        <source>line 1: the header must start with &quot;record&quot;</source>
        <translation>Zeile 1: die Kopfzeile muss mit „record“ beginnen</translation>
    </message>
    <message>
        <source>line 1: no field &quot;%1&quot; in table %2</source>
        <translation>Zeile 1: kein Feld „%1“ in Tabelle %2</translation>
    </message>
    <message>
        <source>line %1: %2 cells where the header has %3</source>
        <translation>Zeile %1: %2 Zellen, wo die Kopfzeile %3 hat</translation>
    </message>
    <message>
        <source>line %1: no record &quot;%2&quot; in table %3</source>
        <translation>Zeile %1: kein Datensatz „%2“ in Tabelle %3</translation>
    </message>
    <message>
        <source>line %1, %2: %3</source>
        <translation>Zeile %1, %2: %3</translation>
    </message>
    <message>
        <source>line 1: no loaded table has the columns %1</source>
        <translation>Zeile 1: keine geladene Tabelle hat die Spalten %1</translation>
    </message>
    <message>
        <source>line 1: the columns fit the tables %1; name the file after one of them, as &quot;%2.csv&quot;</source>
        <translation>Zeile 1: die Spalten passen zu den Tabellen %1; benennen Sie die Datei nach einer von ihnen, etwa „%2.csv“</translation>
    </message>
</context>
<context>
    <name>Tables</name>
    <message>
        <source>Facility</source>
        <translation>Einrichtung</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Construction Cost/$k</source>
        <translation>Baukosten/$k</translation>
    </message>
    <message>
        <source>Construction Cost/$k:</source>
        <translation>Baukosten/$k:</translation>
    </message>
    <message>
        <source>Monthly Cost/$k</source>
        <translation>Monatliche Kosten/$k</translation>
    </message>
    <message>
        <source>Monthly Cost/$k:</source>
        <translation>Monatliche Kosten/$k:</translation>
    </message>
    <message>
        <source>Construction Time</source>
        <translation>Bauzeit</translation>
    </message>
    <message>
        <source>Construction Time:</source>
        <translation>Bauzeit:</translation>
    </message>
    <message>
        <source>Defense Strength</source>
        <translation>Abwehrstärke</translation>
    </message>
    <message>
        <source>Defense Strength:</source>
        <translation>Abwehrstärke:</translation>
    </message>
    <message>
        <source>Hit Ratio (%)</source>
        <translation>Trefferquote (%)</translation>
    </message>
    <message>
        <source>Hit Ratio (%):</source>
        <translation>Trefferquote (%):</translation>
    </message>
    <message>
        <source>Standard to Build</source>
        <translation>Von Anfang an baubar</translation>
    </message>
    <message>
        <source>Standard to Build?:</source>
        <translation>Von Anfang an baubar?:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Click to change the name.</source>
        <translation>Klicken, um den Namen zu ändern.</translation>
    </message>
    <message>
        <source>Damage</source>
        <translation>Schaden</translation>
    </message>
    <message>
        <source>Damage:</source>
        <translation>Schaden:</translation>
    </message>
    <message>
        <source>Click to change the damage this item deals.</source>
        <translation>Klicken, um den Schaden dieses Gegenstands zu ändern.</translation>
    </message>
    <message>
        <source>Ammo Type 1</source>
        <translation>Munitionsart 1</translation>
    </message>
    <message>
        <source>Ammo Type 1:</source>
        <translation>Munitionsart 1:</translation>
    </message>
    <message>
        <source>Change Ammo Type 1. Use index number of Ammo item.</source>
        <translation>Munitionsart 1 ändern. Verwenden Sie die Indexnummer des Munitionsgegenstands.</translation>
    </message>
    <message>
        <source>Ammo Type 2</source>
        <translation>Munitionsart 2</translation>
    </message>
    <message>
        <source>Ammo Type 2:</source>
        <translation>Munitionsart 2:</translation>
    </message>
    <message>
        <source>Change Ammo Type 2. Use index number of Ammo item.</source>
        <translation>Munitionsart 2 ändern. Verwenden Sie die Indexnummer des Munitionsgegenstands.</translation>
    </message>
    <message>
        <source>Ammo Type 3</source>
        <translation>Munitionsart 3</translation>
    </message>
    <message>
        <source>Ammo Type 3:</source>
        <translation>Munitionsart 3:</translation>
    </message>
    <message>
        <source>Change Ammo Type 3. Use index number of Ammo item.</source>
        <translation>Munitionsart 3 ändern. Verwenden Sie die Indexnummer des Munitionsgegenstands.</translation>
    </message>
    <message>
        <source>Autoshot Accuracy</source>
        <translation>Genauigkeit Salve</translation>
    </message>
    <message>
        <source>Autoshot Accuracy:</source>
        <translation>Genauigkeit Salve:</translation>
    </message>
    <message>
        <source>Click to change the autoshot accuracy.</source>
        <translation>Klicken, um die Genauigkeit der Salve zu ändern.</translation>
    </message>
    <message>
        <source>Snap Shot Accuracy</source>
        <translation>Genauigkeit Schnellschuss</translation>
    </message>
    <message>
        <source>Snap Shot Accuracy:</source>
        <translation>Genauigkeit Schnellschuss:</translation>
    </message>
    <message>
        <source>Click to change the snap shot accuracy.</source>
        <translation>Klicken, um die Genauigkeit des Schnellschusses zu ändern.</translation>
    </message>
    <message>
        <source>Aimed Shot Accuracy</source>
        <translation>Genauigkeit gezielter Schuss</translation>
    </message>
    <message>
        <source>Aimed Shot Accuracy:</source>
        <translation>Genauigkeit gezielter Schuss:</translation>
    </message>
    <message>
        <source>Click to change the aimed shot accuracy.</source>
        <translation>Klicken, um die Genauigkeit des gezielten Schusses zu ändern.</translation>
    </message>
    <message>
        <source>Autoshot TU%</source>
        <translation>ZE-% Salve</translation>
    </message>
    <message>
        <source>Autoshot TU%:</source>
        <translation>ZE-% Salve:</translation>
    </message>
    <message>
        <source>Click to change the autoshot TU percentage.</source>
        <translation>Klicken, um den Zeiteinheiten-Anteil der Salve zu ändern.</translation>
    </message>
    <message>
        <source>Snap Shot TU%</source>
        <translation>ZE-% Schnellschuss</translation>
    </message>
    <message>
        <source>Snap Shot TU%:</source>
        <translation>ZE-% Schnellschuss:</translation>
    </message>
    <message>
        <source>Click to change the snap shot TU percentage.</source>
        <translation>Klicken, um den Zeiteinheiten-Anteil des Schnellschusses zu ändern.</translation>
    </message>
    <message>
        <source>Aimed Shot TU%</source>
        <translation>ZE-% gezielter Schuss</translation>
    </message>
    <message>
        <source>Aimed Shot TU%:</source>
        <translation>ZE-% gezielter Schuss:</translation>
    </message>
    <message>
        <source>Click to change the aimed shot TU percentage.</source>
        <translation>Klicken, um den Zeiteinheiten-Anteil des gezielten Schusses zu ändern.</translation>
    </message>
    <message>
        <source>Damage Type</source>
        <translation>Schadensart</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Time Units</source>
        <translation>Zeiteinheiten</translation>
    </message>
    <message>
        <source>Time Units:</source>
        <translation>Zeiteinheiten:</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>Health:</source>
        <translation>Gesundheit:</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Energy:</source>
        <translation>Energie:</translation>
    </message>
    <message>
        <source>Reaction</source>
        <translation>Reaktion</translation>
    </message>
    <message>
        <source>Reaction:</source>
        <translation>Reaktion:</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>Firing Accuracy</source>
        <translation>Treffsicherheit</translation>
    </message>
    <message>
        <source>Firing Accuracy:</source>
        <translation>Treffsicherheit:</translation>
    </message>
    <message>
        <source>Throwing Accuracy</source>
        <translation>Wurfgenauigkeit</translation>
    </message>
    <message>
        <source>Throwing Accuracy:</source>
        <translation>Wurfgenauigkeit:</translation>
    </message>
    <message>
        <source>Front Armour</source>
        <translation>Frontpanzerung</translation>
    </message>
    <message>
        <source>Front Armour:</source>
        <translation>Frontpanzerung:</translation>
    </message>
    <message>
        <source>Left Armour</source>
        <translation>Linke Panzerung</translation>
    </message>
    <message>
        <source>Left Armour:</source>
        <translation>Linke Panzerung:</translation>
    </message>
    <message>
        <source>Right Armour</source>
        <translation>Rechte Panzerung</translation>
    </message>
    <message>
        <source>Right Armour:</source>
        <translation>Rechte Panzerung:</translation>
    </message>
    <message>
        <source>Rear Armour</source>
        <translation>Heckpanzerung</translation>
    </message>
    <message>
        <source>Rear Armour:</source>
        <translation>Heckpanzerung:</translation>
    </message>
    <message>
        <source>Under Armour</source>
        <translation>Bodenpanzerung</translation>
    </message>
    <message>
        <source>Under Armour:</source>
        <translation>Bodenpanzerung:</translation>
    </message>
    <message>
        <source>Psi Skill</source>
        <translation>Psi-Fähigkeit</translation>
    </message>
    <message>
        <source>Psi Skill:</source>
        <translation>Psi-Fähigkeit:</translation>
    </message>
    <message>
        <source>Psi Strength</source>
        <translation>Psi-Stärke</translation>
    </message>
    <message>
        <source>Psi Strength:</source>
        <translation>Psi-Stärke:</translation>
    </message>
    <message>
        <source>Bravery</source>
        <translation>Tapferkeit</translation>
    </message>
    <message>
        <source>Bravery:</source>
        <translation>Tapferkeit:</translation>
    </message>
    <message>
        <source>Flying Ability</source>
        <translation>Flugfähigkeit</translation>
    </message>
    <message>
        <source>Flying Ability?:</source>
        <translation>Flugfähig?:</translation>
    </message>
</context>
<context>
    <name>TextRoutines</name>
    <message>
        <source>
… and %1 more</source>
        <translation>
… und %1 weitere</translation>
    </message>
</context>
<context>
    <name>UnitEditorTab</name>
    <message>
        <source>Unit Name:</source>
        <translation>Name der Einheit:</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>Floater Soldier</source>
        <translation>Floater-Soldat</translation>
    </message>
    <message>
        <source>Floater Navigator</source>
        <translation>Floater-Navigator</translation>
    </message>
    <message>
        <source>Floater Medic</source>
        <translation>Floater-Sanitäter</translation>
    </message>
    <message>
        <source>Floater Engineer</source>
        <translation>Floater-Techniker</translation>
    </message>
    <message>
        <source>Floater Leader</source>
        <translation>Floater-Anführer</translation>
    </message>
    <message>
        <source>Floater Commander</source>
        <translation>Floater-Kommandant</translation>
    </message>
    <message>
        <source>Reaper Terrorist</source>
        <translation>Reaper-Terrorist</translation>
    </message>
    <message>
        <source>Sectoid Soldier</source>
        <translation>Sectoid-Soldat</translation>
    </message>
    <message>
        <source>Sectoid Navigator</source>
        <translation>Sectoid-Navigator</translation>
    </message>
    <message>
        <source>Sectoid Medic</source>
        <translation>Sectoid-Sanitäter</translation>
    </message>
    <message>
        <source>Sectoid Engineer</source>
        <translation>Sectoid-Techniker</translation>
    </message>
    <message>
        <source>Sectoid Leader</source>
        <translation>Sectoid-Anführer</translation>
    </message>
    <message>
        <source>Sectoid Commander</source>
        <translation>Sectoid-Kommandant</translation>
    </message>
    <message>
        <source>Snakeman Soldier</source>
        <translation>Schlangenmann-Soldat</translation>
    </message>
    <message>
        <source>Snakeman Navigator</source>
        <translation>Schlangenmann-Navigator</translation>
    </message>
    <message>
        <source>Snakeman Engineer</source>
        <translation>Schlangenmann-Techniker</translation>
    </message>
    <message>
        <source>Snakeman Leader</source>
        <translation>Schlangenmann-Anführer</translation>
    </message>
    <message>
        <source>Snakeman Commander</source>
        <translation>Schlangenmann-Kommandant</translation>
    </message>
    <message>
        <source>Ethereal Soldier</source>
        <translation>Ethereal-Soldat</translation>
    </message>
    <message>
        <source>Ethereal Leader</source>
        <translation>Ethereal-Anführer</translation>
    </message>
    <message>
        <source>Ethereal Commander</source>
        <translation>Ethereal-Kommandant</translation>
    </message>
    <message>
        <source>Muton Soldier</source>
        <translation>Muton-Soldat</translation>
    </message>
    <message>
        <source>Muton Navigator</source>
        <translation>Muton-Navigator</translation>
    </message>
    <message>
        <source>Muton Engineer</source>
        <translation>Muton-Techniker</translation>
    </message>
    <message>
        <source>Tank</source>
        <translation>Panzer</translation>
    </message>
    <message>
        <source>Civilian 1</source>
        <translation>Zivilist 1</translation>
    </message>
    <message>
        <source>Civilian 2</source>
        <translation>Zivilist 2</translation>
    </message>
    <message>
        <source>Chryssalid Terrorist</source>
        <translation>Chryssalid-Terrorist</translation>
    </message>
    <message>
        <source>Silacoid Terrorist</source>
        <translation>Silacoid-Terrorist</translation>
    </message>
    <message>
        <source>Celatid Terrorist</source>
        <translation>Celatid-Terrorist</translation>
    </message>
    <message>
        <source>Sectopod Terrorist</source>
        <translation>Sectopod-Terrorist</translation>
    </message>
    <message>
        <source>Cyberdisc Terrorist</source>
        <translation>Cyberdisc-Terrorist</translation>
    </message>
    <message>
        <source>Hover Tank</source>
        <translation>Schwebepanzer</translation>
    </message>
</context>
<context>
    <name>ViewSwitch</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>One record at a time.</source>
        <translation>Ein Datensatz nach dem anderen.</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Every record at once: edit in place, sort, copy and paste.</source>
        <translation>Alle Datensätze auf einmal: direkt bearbeiten, sortieren, kopieren und einfügen.</translation>
    </message>
</context>
</TS>
