<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QObject</name>
    <message>
        <source>Option</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>&amp;Hide all options</source>
        <translation>Alle Varianten &amp;ausblenden</translation>
    </message>
    <message>
        <source>Hide options|Hide all options</source>
        <translation>Varianten ausblenden|Alle Varianten ausblenden</translation>
    </message>
    <message>
        <source>&amp;4 options</source>
        <translation>&amp;4 Varianten</translation>
    </message>
    <message>
        <source>Show 4 options|Show four options on graph</source>
        <translation>4 Varianten zeigen|Vier Varianten in der Grafik zeigen</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Grafik</translation>
    </message>
    <message>
        <source>&amp;Show all options</source>
        <translation>Alle Varianten &amp;zeigen</translation>
    </message>
    <message>
        <source>All options|Show all options</source>
        <translation>Alle Varianten|Alle Varianten zeigen</translation>
    </message>
    <message>
        <source>&amp;Named values</source>
        <translation>&amp;Benannte Werte</translation>
    </message>
    <message>
        <source>Named values</source>
        <translation>Benannte Werte</translation>
    </message>
    <message>
        <source>Named options</source>
        <translation>Benannte Varianten</translation>
    </message>
    <message>
        <source>&amp;Four (4) options</source>
        <translation>&amp;Vier (4) Varianten</translation>
    </message>
    <message>
        <source>&amp;Copy graph</source>
        <translation>Grafik &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Attributes</source>
        <translation>&amp;Attribute</translation>
    </message>
    <message>
        <source>Op&amp;tions</source>
        <translation>Va&amp;rianten</translation>
    </message>
    <message>
        <source>The attributes drawn, ticked in the order chosen</source>
        <translation>Die gezeichneten Attribute, in der gewählten Reihenfolge angekreuzt</translation>
    </message>
    <message>
        <source>The options drawn</source>
        <translation>Die gezeichneten Varianten</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Tick up to six attributes to draw: one gives bars, two a scatter plot, more radars</source>
        <translation>Bis zu sechs Attribute zum Zeichnen ankreuzen: eines gibt Balken, zwei ein Streudiagramm, mehr Netzdiagramme</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Varianten</translation>
    </message>
    <message>
        <source>Tick the options to draw; the current one leads the radars</source>
        <translation>Die zu zeichnenden Varianten ankreuzen; die aktuelle führt die Netzdiagramme an</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Page height</source>
        <translation>Seitenhöhe</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>Textdatei (*.txt)</translation>
    </message>
    <message>
        <source>SVG Picture (*.svg)</source>
        <translation>SVG-Grafik (*.svg)</translation>
    </message>
    <message>
        <source>PNG Image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Report Preview</source>
        <translation>Berichtsvorschau</translation>
    </message>
    <message>
        <source>Printing page %1 of %2</source>
        <translation>Drucke Seite %1 von %2</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>Formatierung</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Seite einrichten...</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Bericht speichern...</translation>
    </message>
    <message>
        <source>Close preview</source>
        <translation>Vorschau schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>The size of the page on the screen, in percent or to fit</source>
        <translation>Die Größe der Seite auf dem Bildschirm, in Prozent oder eingepasst</translation>
    </message>
    <message>
        <source>The size of the page on the screen, in percent</source>
        <translation>Die Größe der Seite auf dem Bildschirm, in Prozent</translation>
    </message>
    <message>
        <source>Page %1/%2</source>
        <translation>Seite %1/%2</translation>
    </message>
    <message>
        <source>Printing aborted.</source>
        <translation>Drucken abgebrochen.</translation>
    </message>
    <message>
        <source>The margins leave no room on the page.</source>
        <translation>Die Ränder lassen keinen Platz auf der Seite.</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <translation>Datei &quot;%1&quot; kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save as...|Save file under a different name</source>
        <translation>Speichern unter...|Datei unter einem anderen Namen speichern</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit|Close all files and exit application</source>
        <translation>Beenden|Alle Dateien schließen und das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Überlappend</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>&amp;Horizontal anordnen</translation>
    </message>
    <message>
        <source>Tile Horizontally</source>
        <translation>Horizontal anordnen</translation>
    </message>
    <message>
        <source>Tile &amp;Vertically</source>
        <translation>&amp;Vertikal anordnen</translation>
    </message>
    <message>
        <source>Tile Vertically</source>
        <translation>Vertikal anordnen</translation>
    </message>
    <message>
        <source>&amp;Minimize All</source>
        <translation>Alle &amp;minimieren</translation>
    </message>
    <message>
        <source>Minimize All</source>
        <translation>Alle minimieren</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>Symbole &amp;anordnen</translation>
    </message>
    <message>
        <source>Arrange All</source>
        <translation>Alle anordnen</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <source>Help|Open the user manual at its contents</source>
        <translation>Hilfe|Das Benutzerhandbuch beim Inhaltsverzeichnis öffnen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>About|Program information and version number</source>
        <translation>Über|Programminformation und Versionsnummer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Aus&amp;schneiden</translation>
    </message>
    <message>
        <source>Cut|Cuts the selection and puts it on the Clipboard</source>
        <translation>Ausschneiden|Schneidet die Auswahl aus und legt sie in die Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy|Copies the selection and puts it on the Clipboard</source>
        <translation>Kopieren|Kopiert die Auswahl in die Zwischenablage</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>File related commands</source>
        <translation>Befehle zu Dateien</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Window related commands</source>
        <translation>Befehle zu Fenstern</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen %1</translation>
    </message>
    <message>
        <source>Characters that a model text cannot hold (outside Windows-1250) were replaced by &quot;?&quot;.</source>
        <translation>Zeichen, die ein Modelltext nicht aufnehmen kann (außerhalb von Windows-1250), wurden durch &quot;?&quot; ersetzt.</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Decision models Ubic (*.ubm)</source>
        <translation>Entscheidungsmodelle Ubic (*.ubm)</translation>
    </message>
    <message>
        <source>Models jKIV (*.xml)</source>
        <translation>Modelle jKIV (*.xml)</translation>
    </message>
    <message>
        <source>KIV ASCII Interchange  (*.kvx)</source>
        <translation>KIV-ASCII-Austauschformat  (*.kvx)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>not ordered</source>
        <translation>ungeordnet</translation>
    </message>
    <message>
        <source>ascending</source>
        <translation>aufsteigend</translation>
    </message>
    <message>
        <source>descending</source>
        <translation>absteigend</translation>
    </message>
    <message>
        <source>Scale order</source>
        <translation>Ordnung der Skala</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordnung</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>The values of the scale, from the first to the last</source>
        <translation>Die Werte der Skala, vom ersten bis zum letzten</translation>
    </message>
    <message>
        <source>&amp;Edit value and description...</source>
        <translation>Wert und Beschreibung &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>Edit...|Edit value and description...</source>
        <translation>Bearbeiten...|Wert und Beschreibung bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Bad value</source>
        <translation>&amp;Schlechter Wert</translation>
    </message>
    <message>
        <source>Bad value|Set value class as bad</source>
        <translation>Schlechter Wert|Wertklasse auf schlecht setzen</translation>
    </message>
    <message>
        <source>&amp;Neutral value</source>
        <translation>&amp;Neutraler Wert</translation>
    </message>
    <message>
        <source>Neutral value|Set value class as neutral</source>
        <translation>Neutraler Wert|Wertklasse auf neutral setzen</translation>
    </message>
    <message>
        <source>&amp;Good value</source>
        <translation>&amp;Guter Wert</translation>
    </message>
    <message>
        <source>Good value|Set value class as good</source>
        <translation>Guter Wert|Wertklasse auf gut setzen</translation>
    </message>
    <message>
        <source>Move d&amp;own</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Move down|Move subtree or item downwards</source>
        <translation>Nach unten|Teilbaum oder Element nach unten verschieben</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add|Add new value</source>
        <translation>Hinzufügen|Neuen Wert hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete|Delete value</source>
        <translation>Löschen|Wert löschen</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Edit...|Edit description...</source>
        <translation>Bearbeiten...|Beschreibung bearbeiten...</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Schlecht</translation>
    </message>
    <message>
        <source>Bad|Set value class as bad</source>
        <translation>Schlecht|Wertklasse auf schlecht setzen</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>Neutral|Set value class as neutral</source>
        <translation>Neutral|Wertklasse auf neutral setzen</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Good|Set value class as good</source>
        <translation>Gut|Wertklasse auf gut setzen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Move up|Move upwards</source>
        <translation>Nach oben|Nach oben verschieben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Move down|Move value downwards</source>
        <translation>Nach unten|Wert nach unten verschieben</translation>
    </message>
    <message>
        <source>Default value for new attributes</source>
        <translation>Vorgabe für neue Attribute</translation>
    </message>
    <message>
        <source>New attributes get a copy of this scale</source>
        <translation>Neue Attribute erhalten eine Kopie dieser Skala</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Keep the scale</source>
        <translation>Die Skala übernehmen</translation>
    </message>
    <message>
        <source>Leave the scale as it was</source>
        <translation>Die Skala unverändert lassen</translation>
    </message>
    <message>
        <source>Scale %1</source>
        <translation>Skala %1</translation>
    </message>
    <message>
        <source>new value</source>
        <translation>neuer Wert</translation>
    </message>
    <message>
        <source>Arranging %1. of attribute value %2</source>
        <translation>Bearbeitung des %1. Werts des Attributs %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; no longer exists.<byte value="xd"/>Remove it from the list of recent files?</source>
        <translation>Die Datei &quot;%1&quot; existiert nicht mehr.<byte value="xd"/>Aus der Liste der zuletzt geöffneten Dateien entfernen?</translation>
    </message>
    <message>
        <source>The name of the value</source>
        <translation>Der Name des Werts</translation>
    </message>
    <message>
        <source>What the value means</source>
        <translation>Was der Wert bedeutet</translation>
    </message>
    <message>
        <source>Keep the name and the description</source>
        <translation>Namen und Beschreibung übernehmen</translation>
    </message>
    <message>
        <source>Leave the value as it was</source>
        <translation>Den Wert unverändert lassen</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>&amp;Wert</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Beschreibung</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Text Dimensions</source>
        <translation>Textabmessungen</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <source>Characters on a line of the text file</source>
        <translation>Zeichen je Zeile der Textdatei</translation>
    </message>
    <message>
        <source>Lines on a page of the text file; 0 for pages without end</source>
        <translation>Zeilen je Seite der Textdatei; 0 für Seiten ohne Ende</translation>
    </message>
    <message>
        <source>Write the text file</source>
        <translation>Die Textdatei schreiben</translation>
    </message>
    <message>
        <source>Write no text file</source>
        <translation>Keine Textdatei schreiben</translation>
    </message>
    <message>
        <source>A column per option, a row per basic attribute; type a value&apos;s number or name</source>
        <translation>Eine Spalte je Variante, eine Zeile je Basisattribut; Nummer oder Namen eines Werts eingeben</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>A column per option, a row per attribute with the evaluated values; basic values may be typed</source>
        <translation>Eine Spalte je Variante, eine Zeile je Attribut mit den bewerteten Werten; Basiswerte können eingegeben werden</translation>
    </message>
    <message>
        <source>The value of the current option on the current attribute; a value set when several are ticked</source>
        <translation>Der Wert der aktuellen Variante beim aktuellen Attribut; eine Wertemenge, wenn mehrere angekreuzt sind</translation>
    </message>
    <message>
        <source>No value of &quot;%1&quot; starts with &quot;%2&quot;</source>
        <translation>Kein Wert von &quot;%1&quot; beginnt mit &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>&amp;Duplizieren</translation>
    </message>
    <message>
        <source>Duplicate|Duplicate option</source>
        <translation>Duplizieren|Variante duplizieren</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Import options...</source>
        <translation>Varianten &amp;importieren...</translation>
    </message>
    <message>
        <source>Import|Import options from a CSV file</source>
        <translation>Importieren|Varianten aus einer CSV-Datei importieren</translation>
    </message>
    <message>
        <source>Export &amp;options...</source>
        <translation>Varianten ex&amp;portieren...</translation>
    </message>
    <message>
        <source>Export options|Write the options to a CSV file that Import reads</source>
        <translation>Varianten exportieren|Die Varianten in eine CSV-Datei schreiben, die Import liest</translation>
    </message>
    <message>
        <source>E&amp;xport evaluation...</source>
        <translation>Bewertung e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export|Write the evaluation results to a CSV file</source>
        <translation>Exportieren|Die Bewertungsergebnisse in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>Option name</source>
        <translation>Name der Variante</translation>
    </message>
    <message>
        <source>The name of the current option</source>
        <translation>Der Name der aktuellen Variante</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;Sensitivity...</source>
        <translation>&amp;Sensitivität...</translation>
    </message>
    <message>
        <source>Sensitivity|What if each single value of the option were one step lower or higher</source>
        <translation>Sensitivität|Was wäre, wenn jeder einzelne Wert der Variante eine Stufe tiefer oder höher wäre</translation>
    </message>
    <message>
        <source>&amp;Explain...</source>
        <translation>&amp;Erklären...</translation>
    </message>
    <message>
        <source>Explain|Why the option has its values: the rules that decided them, its strong and weak points</source>
        <translation>Erklären|Warum die Variante ihre Werte hat: die Regeln, die sie entschieden, ihre Stärken und Schwächen</translation>
    </message>
    <message>
        <source>&amp;Target...</source>
        <translation>&amp;Ziel...</translation>
    </message>
    <message>
        <source>Target|What it would take for the option to reach a value of an attribute</source>
        <translation>Ziel|Was nötig wäre, damit die Variante einen Wert eines Attributs erreicht</translation>
    </message>
    <message>
        <source> (target)</source>
        <translation> (Ziel)</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>About Ubic</source>
        <translation>Über Ubic</translation>
    </message>
    <message>
        <source>Program for multiattribute decision making</source>
        <translation>Programm für multiattributive Entscheidungsfindung</translation>
    </message>
    <message>
        <source>Close the About box</source>
        <translation>Das Fenster Über schließen</translation>
    </message>
    <message>
        <source>Basic attribute without a scale</source>
        <translation>Basisattribut ohne Skala</translation>
    </message>
    <message>
        <source>Basic attribute</source>
        <translation>Basisattribut</translation>
    </message>
    <message>
        <source>Aggregate attribute without a utility function</source>
        <translation>Aggregiertes Attribut ohne Nutzenfunktion</translation>
    </message>
    <message>
        <source>Aggregate attribute with a fully determined utility function</source>
        <translation>Aggregiertes Attribut mit vollständig bestimmter Nutzenfunktion</translation>
    </message>
    <message>
        <source>Aggregate attribute with a partly determined utility function</source>
        <translation>Aggregiertes Attribut mit teilweise bestimmter Nutzenfunktion</translation>
    </message>
    <message>
        <source>Aggregate attribute that cannot have a utility function yet</source>
        <translation>Aggregiertes Attribut, das noch keine Nutzenfunktion haben kann</translation>
    </message>
    <message>
        <source>The option already reaches the target.</source>
        <translation>Die Variante erreicht das Ziel bereits.</translation>
    </message>
    <message>
        <source>No change reaches the target.</source>
        <translation>Keine Änderung erreicht das Ziel.</translation>
    </message>
    <message>
        <source>Changing %1 reaches the target, in these ways:</source>
        <translation>Das Ziel wird erreicht, wenn man %1 ändert, auf diese Weisen:</translation>
    </message>
    <message>
        <source>basic value</source>
        <translation>Basiswert</translation>
    </message>
    <message>
        <source>basic values</source>
        <translation>Basiswerte</translation>
    </message>
    <message>
        <source>Answer in the &amp;report</source>
        <translation>Antwort im &amp;Bericht</translation>
    </message>
    <message>
        <source>Add as &amp;new option</source>
        <translation>Als &amp;neue Variante hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Target for %1</source>
        <translation>Ziel für %1</translation>
    </message>
    <message>
        <source>at least</source>
        <translation>mindestens</translation>
    </message>
    <message>
        <source>at most</source>
        <translation>höchstens</translation>
    </message>
    <message>
        <source>Add as new option|A copy of the option with the chosen solution&apos;s values, after the option</source>
        <translation>Als neue Variante hinzufügen|Eine Kopie der Variante mit den Werten der gewählten Lösung, nach der Variante</translation>
    </message>
    <message>
        <source>Answer in the report|Answer this target in the report&apos;s Targets section</source>
        <translation>Antwort im Bericht|Dieses Ziel im Abschnitt Ziele des Berichts beantworten</translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation>Attribut</translation>
    </message>
    <message>
        <source>The attribute whose value is the target</source>
        <translation>Das Attribut, dessen Wert das Ziel ist</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Whether the target is a lowest or a highest value</source>
        <translation>Ob das Ziel ein niedrigster oder ein höchster Wert ist</translation>
    </message>
    <message>
        <source>Target value</source>
        <translation>Zielwert</translation>
    </message>
    <message>
        <source>The value the attribute is to reach</source>
        <translation>Der Wert, den das Attribut erreichen soll</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>The smallest changes of the option that reach the target</source>
        <translation>Die kleinsten Änderungen der Variante, die das Ziel erreichen</translation>
    </message>
    <message>
        <source>Close the target</source>
        <translation>Das Ziel schließen</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Ziel:</translation>
    </message>
    <message>
        <source>&amp;Attribute:</source>
        <translation>&amp;Attribut:</translation>
    </message>
    <message>
        <source>The model has no aggregate attribute with a scale.</source>
        <translation>Das Modell hat kein aggregiertes Attribut mit einer Skala.</translation>
    </message>
    <message>
        <source>more solution</source>
        <translation>weitere Lösung</translation>
    </message>
    <message>
        <source>more solutions</source>
        <translation>weitere Lösungen</translation>
    </message>
    <message>
        <source>Targets kept for the report: %1</source>
        <translation>Für den Bericht behaltene Ziele: %1</translation>
    </message>
    <message>
        <source>Bad value</source>
        <translation>Schlechter Wert</translation>
    </message>
    <message>
        <source>Good value</source>
        <translation>Guter Wert</translation>
    </message>
    <message>
        <source>Tree of attributes</source>
        <translation>Attributbaum</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Scale descriptions</source>
        <translation>Skalenbeschreibungen</translation>
    </message>
    <message>
        <source>Decision rules</source>
        <translation>Entscheidungsregeln</translation>
    </message>
    <message>
        <source>Weights</source>
        <translation>Gewichte</translation>
    </message>
    <message>
        <source>Evaluation results</source>
        <translation>Bewertungsergebnisse</translation>
    </message>
    <message>
        <source>Graphs</source>
        <translation>Grafiken</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensitivität</translation>
    </message>
    <message>
        <source>Rule conflicts</source>
        <translation>Regelkonflikte</translation>
    </message>
    <message>
        <source>Targets</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Bericht</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>Schrift&amp;art...</translation>
    </message>
    <message>
        <source>Create Report</source>
        <translation>Bericht erstellen</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Abschnitte</translation>
    </message>
    <message>
        <source>The ticked sections make up the report</source>
        <translation>Die angekreuzten Abschnitte bilden den Bericht</translation>
    </message>
    <message>
        <source>Make the report of the ticked sections and show it</source>
        <translation>Den Bericht der angekreuzten Abschnitte erstellen und zeigen</translation>
    </message>
    <message>
        <source>Make no report</source>
        <translation>Keinen Bericht erstellen</translation>
    </message>
    <message>
        <source>Choose the font of the reports</source>
        <translation>Die Schriftart der Berichte wählen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modell</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Varianten</translation>
    </message>
    <message>
        <source>Eva&amp;luation</source>
        <translation>Bewer&amp;tung</translation>
    </message>
    <message>
        <source>&amp;Graphs</source>
        <translation>&amp;Grafiken</translation>
    </message>
    <message>
        <source>The attribute tree, scales and utility functions</source>
        <translation>Der Attributbaum, Skalen und Nutzenfunktionen</translation>
    </message>
    <message>
        <source>The options by the values of basic attributes</source>
        <translation>Die Varianten nach den Werten der Basisattribute</translation>
    </message>
    <message>
        <source>The options evaluated on every attribute</source>
        <translation>Die Varianten, bewertet bei jedem Attribut</translation>
    </message>
    <message>
        <source>Graphs of chosen attributes and options</source>
        <translation>Grafiken gewählter Attribute und Varianten</translation>
    </message>
    <message>
        <source>&amp;Delete subtree or item</source>
        <translation>Teilbaum oder Element &amp;löschen</translation>
    </message>
    <message>
        <source>Delete|Delete subtree or item</source>
        <translation>Löschen|Teilbaum oder Element löschen</translation>
    </message>
    <message>
        <source>Duplicate|Duplicate subtree or item</source>
        <translation>Duplizieren|Teilbaum oder Element duplizieren</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move up|Move subtree or item upwards</source>
        <translation>Nach oben|Teilbaum oder Element nach oben verschieben</translation>
    </message>
    <message>
        <source>S&amp;cale...</source>
        <translation>Sk&amp;ala...</translation>
    </message>
    <message>
        <source>Scale|Change scale</source>
        <translation>Skala|Skala ändern</translation>
    </message>
    <message>
        <source>Delete domai&amp;n</source>
        <translation>Skala entfer&amp;nen</translation>
    </message>
    <message>
        <source>Delete scale</source>
        <translation>Skala löschen</translation>
    </message>
    <message>
        <source>&amp;Utility function...</source>
        <translation>Nut&amp;zenfunktion...</translation>
    </message>
    <message>
        <source>Utility function|Change utility function</source>
        <translation>Nutzenfunktion|Nutzenfunktion ändern</translation>
    </message>
    <message>
        <source>Delete function</source>
        <translation>Funktion löschen</translation>
    </message>
    <message>
        <source>Edit model structure</source>
        <translation>Modellstruktur bearbeiten</translation>
    </message>
    <message>
        <source>The attribute tree of the model; each attribute&apos;s inputs are its children</source>
        <translation>Der Attributbaum des Modells; die Eingänge jedes Attributs sind seine Kinder</translation>
    </message>
    <message>
        <source>The name of the selected attribute</source>
        <translation>Der Name des gewählten Attributs</translation>
    </message>
    <message>
        <source>The description of the selected attribute</source>
        <translation>Die Beschreibung des gewählten Attributs</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>De&amp;scription</source>
        <translation>Be&amp;schreibung</translation>
    </message>
    <message>
        <source>S&amp;cale</source>
        <translation>S&amp;kala</translation>
    </message>
    <message>
        <source>Scale...</source>
        <translation>Skala...</translation>
    </message>
    <message>
        <source>The scale of the selected attribute, chosen among the model&apos;s scales</source>
        <translation>Die Skala des gewählten Attributs, gewählt unter den Skalen des Modells</translation>
    </message>
    <message>
        <source>&amp;Utility function</source>
        <translation>Nutzen&amp;funktion</translation>
    </message>
    <message>
        <source>Function...</source>
        <translation>Funktion...</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Decision model Ubic (*.ubm)</source>
        <translation>Entscheidungsmodell Ubic (*.ubm)</translation>
    </message>
    <message>
        <source>Model jKIV (*.xml)</source>
        <translation>Modell jKIV (*.xml)</translation>
    </message>
    <message>
        <source>KIV ASCII Interchange (*.kvx)</source>
        <translation>KIV-ASCII-Austauschformat (*.kvx)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Entered rule</source>
        <translation>Eingegebene Regel</translation>
    </message>
    <message>
        <source>Derived rule</source>
        <translation>Abgeleitete Regel</translation>
    </message>
    <message>
        <source>Rule %1 conflicts with %2 %3.</source>
        <translation>Regel %1 widerspricht %2 %3.</translation>
    </message>
    <message>
        <source>rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Value of the attribute for the current rule</source>
        <translation>Wert des Attributs für die aktuelle Regel</translation>
    </message>
    <message>
        <source>Decision rules|Show decision rules</source>
        <translation>Entscheidungsregeln|Entscheidungsregeln zeigen</translation>
    </message>
    <message>
        <source>Weights|Define weights of attributes</source>
        <translation>Gewichte|Gewichte der Attribute festlegen</translation>
    </message>
    <message>
        <source>&amp;use weights</source>
        <translation>Gewichte &amp;verwenden</translation>
    </message>
    <message>
        <source>Open rules are filled by the weighted approximation</source>
        <translation>Offene Regeln werden durch die gewichtete Näherung gefüllt</translation>
    </message>
    <message>
        <source>One rule per combination of the inputs&apos; values; digit keys give the rule&apos;s value</source>
        <translation>Eine Regel je Kombination der Werte der Eingänge; Zifferntasten geben den Wert der Regel</translation>
    </message>
    <message>
        <source>Keep the decision rules</source>
        <translation>Die Entscheidungsregeln übernehmen</translation>
    </message>
    <message>
        <source>Leave the decision rules as they were</source>
        <translation>Die Entscheidungsregeln unverändert lassen</translation>
    </message>
    <message>
        <source>Decision rules %1</source>
        <translation>Entscheidungsregeln %1</translation>
    </message>
    <message>
        <source>Conflicting rules: %1.</source>
        <translation>Widersprüchliche Regeln: %1.</translation>
    </message>
    <message>
        <source>Ubic Help</source>
        <translation>Ubic-Hilfe</translation>
    </message>
    <message>
        <source>Search the manual</source>
        <translation>Im Handbuch suchen</translation>
    </message>
    <message>
        <source>Search|Find the text in all pages of the manual (Enter finds the next)</source>
        <translation>Suchen|Den Text auf allen Seiten des Handbuchs finden (Eingabe findet den nächsten)</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&lt;p&gt;The user manual is not installed.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Das Benutzerhandbuch ist nicht installiert.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>No page of the manual holds &quot;%1&quot;.</source>
        <translation>Keine Seite des Handbuchs enthält &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Gefordert</translation>
    </message>
    <message>
        <source>Weight of %1</source>
        <translation>Gewicht von %1</translation>
    </message>
    <message>
        <source>The weight the input is required to have</source>
        <translation>Das Gewicht, das der Eingang haben soll</translation>
    </message>
    <message>
        <source>Required weight of %1</source>
        <translation>Gefordertes Gewicht von %1</translation>
    </message>
    <message>
        <source>The weight the input is required to have, as a number</source>
        <translation>Das Gewicht, das der Eingang haben soll, als Zahl</translation>
    </message>
    <message>
        <source>Weight normalization</source>
        <translation>Normierung der Gewichte</translation>
    </message>
    <message>
        <source>&amp;Sum 100</source>
        <translation>&amp;Summe 100</translation>
    </message>
    <message>
        <source>&amp;Max 100</source>
        <translation>&amp;Max 100</translation>
    </message>
    <message>
        <source>Scale the required weights so that they sum to 100</source>
        <translation>Die geforderten Gewichte so skalieren, dass ihre Summe 100 ist</translation>
    </message>
    <message>
        <source>Scale the required weights so that the largest is 100</source>
        <translation>Die geforderten Gewichte so skalieren, dass das größte 100 ist</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>Keep the required weights and close</source>
        <translation>Die geforderten Gewichte übernehmen und schließen</translation>
    </message>
    <message>
        <source>Keep the required weights and show the actual ones they give</source>
        <translation>Die geforderten Gewichte übernehmen und die daraus folgenden tatsächlichen zeigen</translation>
    </message>
    <message>
        <source>Close without changing the rules</source>
        <translation>Schließen, ohne die Regeln zu ändern</translation>
    </message>
    <message>
        <source>Weights: %1</source>
        <translation>Gewichte: %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Tatsächlich</translation>
    </message>
    <message>
        <source>Sensitivity of %1</source>
        <translation>Sensitivität von %1</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>(as it is)</source>
        <translation>(wie es ist)</translation>
    </message>
    <message>
        <source>The results when one value of the option is one step lower or higher</source>
        <translation>Die Ergebnisse, wenn ein Wert der Variante eine Stufe tiefer oder höher ist</translation>
    </message>
    <message>
        <source>Close the sensitivity table</source>
        <translation>Die Sensitivitätstabelle schließen</translation>
    </message>
    <message>
        <source>Each single value one step lower and higher: better results green, worse red.</source>
        <translation>Jeder einzelne Wert eine Stufe tiefer und höher: bessere Ergebnisse grün, schlechtere rot.</translation>
    </message>
    <message>
        <source>Strong point: a good value</source>
        <translation>Stärke: ein guter Wert</translation>
    </message>
    <message>
        <source>Weak point: a bad value</source>
        <translation>Schwäche: ein schlechter Wert</translation>
    </message>
    <message>
        <source> gives </source>
        <translation> ergibt </translation>
    </message>
    <message>
        <source>Decided by</source>
        <translation>Entschieden durch</translation>
    </message>
    <message>
        <source>One step changes it</source>
        <translation>Ein Schritt ändert es</translation>
    </message>
    <message>
        <source>Copy|Copy the explanation as text</source>
        <translation>Kopieren|Die Erklärung als Text kopieren</translation>
    </message>
    <message>
        <source>Explanation of %1</source>
        <translation>Erklärung von %1</translation>
    </message>
    <message>
        <source>How the option&apos;s value of every attribute follows from the values of its inputs</source>
        <translation>Wie der Wert der Variante bei jedem Attribut aus den Werten seiner Eingänge folgt</translation>
    </message>
    <message>
        <source>Copy the explanation as text</source>
        <translation>Die Erklärung als Text kopieren</translation>
    </message>
    <message>
        <source>Close the explanation</source>
        <translation>Die Erklärung schließen</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Import options</source>
        <translation>Varianten importieren</translation>
    </message>
    <message>
        <source>Replace the %d existing options by the %d imported ones?<byte value="xd"/>Yes replaces them, No adds the imported options after them.</source>
        <translation>Die %d vorhandenen Varianten durch die %d importierten ersetzen?<byte value="xd"/>Ja ersetzt sie, Nein fügt die importierten Varianten danach an.</translation>
    </message>
    <message>
        <source>Export evaluation</source>
        <translation>Bewertung exportieren</translation>
    </message>
    <message>
        <source>Export options</source>
        <translation>Varianten exportieren</translation>
    </message>
    <message>
        <source> options</source>
        <translation> Varianten</translation>
    </message>
    <message>
        <source>The printer failed.</source>
        <translation>Der Drucker ist gescheitert.</translation>
    </message>
    <message>
        <source>The printer cannot print.</source>
        <translation>Der Drucker kann nicht drucken.</translation>
    </message>
    <message>
        <source>The printer cannot start a new page.</source>
        <translation>Der Drucker kann keine neue Seite beginnen.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Ubic report page</source>
        <translation>Ubic-Berichtsseite</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>schlecht</translation>
    </message>
    <message>
        <source>good</source>
        <translation>gut</translation>
    </message>
    <message>
        <source>other, top of a range</source>
        <translation>anders, oberes Ende eines Bereichs</translation>
    </message>
    <message>
        <source>not evaluated</source>
        <translation>nicht bewertet</translation>
    </message>
    <message>
        <source>other</source>
        <translation>anders</translation>
    </message>
    <message>
        <source>No graph: the model has no options</source>
        <translation>Keine Grafik: das Modell hat keine Varianten</translation>
    </message>
    <message>
        <source>No graph: tick attributes on the Graphs page&apos;s Attributes tab</source>
        <translation>Keine Grafik: kreuzen Sie Attribute auf der Registerkarte Attribute der Seite Grafiken an</translation>
    </message>
    <message>
        <source>No graph: all options are hidden; tick some on the Graphs page&apos;s Options tab</source>
        <translation>Keine Grafik: alle Varianten sind ausgeblendet; kreuzen Sie einige auf der Registerkarte Varianten der Seite Grafiken an</translation>
    </message>
    <message>
        <source>Lowest values</source>
        <translation>Niedrigste Werte</translation>
    </message>
    <message>
        <source>Highest values</source>
        <translation>Höchste Werte</translation>
    </message>
    <message>
        <source>All options|show all options</source>
        <translation>Alle Varianten|Alle Varianten zeigen</translation>
    </message>
    <message>
        <source>Name values|Show name with value</source>
        <translation>Wertnamen|Namen bei den Werten zeigen</translation>
    </message>
    <message>
        <source>Named &amp;options</source>
        <translation>Benannte &amp;Varianten</translation>
    </message>
    <message>
        <source>Na options|Show names with option</source>
        <translation>Namen|Namen bei den Varianten zeigen</translation>
    </message>
    <message>
        <source>Copy|Copy graph</source>
        <translation>Kopieren|Grafik kopieren</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>New file|Open a new, empty file</source>
        <translation>Neue Datei|Eine neue, leere Datei öffnen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open|Open saved file</source>
        <translation>Öffnen|Gespeicherte Datei öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Close|Close file</source>
        <translation>Schließen|Datei schließen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save|Save file</source>
        <translation>Speichern|Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Report...</source>
        <translation>Be&amp;richt...</translation>
    </message>
    <message>
        <source>Report|Make report</source>
        <translation>Bericht|Bericht erstellen</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste|Inserts Clipboard contents</source>
        <translation>Einfügen|Fügt den Inhalt der Zwischenablage ein</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo|Takes back the last edit</source>
        <translation>Rückgängig|Nimmt die letzte Bearbeitung zurück</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo|Makes the edit taken back again</source>
        <translation>Wiederholen|Führt die rückgängig gemachte Bearbeitung erneut aus</translation>
    </message>
    <message>
        <source>&amp;Add value</source>
        <translation>Wert &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete value</source>
        <translation>Wert &amp;löschen</translation>
    </message>
    <message>
        <source>Edit &amp;value</source>
        <translation>&amp;Wert bearbeiten</translation>
    </message>
    <message>
        <source>Edit value...|Edit value...</source>
        <translation>Wert bearbeiten...|Wert bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Add option</source>
        <translation>Variante &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add|Add new option</source>
        <translation>Hinzufügen|Neue Variante hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete option</source>
        <translation>Variante &amp;löschen</translation>
    </message>
    <message>
        <source>Delete|Delete option</source>
        <translation>Löschen|Variante löschen</translation>
    </message>
    <message>
        <source>Cut|Cut option</source>
        <translation>Ausschneiden|Variante ausschneiden</translation>
    </message>
    <message>
        <source>Copy|Copy option</source>
        <translation>Kopieren|Variante kopieren</translation>
    </message>
    <message>
        <source>Paste|Paste option</source>
        <translation>Einfügen|Variante einfügen</translation>
    </message>
    <message>
        <source>&amp;Add attribute</source>
        <translation>Attribut &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add|Add new attribute</source>
        <translation>Hinzufügen|Neues Attribut hinzufügen</translation>
    </message>
    <message>
        <source>Cut|Cut subtree or item</source>
        <translation>Ausschneiden|Teilbaum oder Element ausschneiden</translation>
    </message>
    <message>
        <source>Copy|Copy subtree or item</source>
        <translation>Kopieren|Teilbaum oder Element kopieren</translation>
    </message>
    <message>
        <source>Paste|Paste subtree or item</source>
        <translation>Einfügen|Teilbaum oder Element einfügen</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>&amp;Distributions</source>
        <translation>V&amp;erteilungen</translation>
    </message>
    <message>
        <source>Distributions|Show each option&apos;s probabilities of the attribute&apos;s values</source>
        <translation>Verteilungen|Zeigt für jede Variante die Wahrscheinlichkeiten der Werte des Attributs</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>How uncertain values are evaluated: as sets of values, as probabilities or as fuzzy degrees</source>
        <translation>Wie unsichere Werte bewertet werden: als Mengen von Werten, als Wahrscheinlichkeiten oder als unscharfe Grade</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Methode:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Methode:</translation>
    </message>
</context>
<context>
    <name>ubic::edits</name>
    <message>
        <source>Add attribute</source>
        <translation>Attribut hinzufügen</translation>
    </message>
    <message>
        <source>Delete attribute</source>
        <translation>Attribut löschen</translation>
    </message>
    <message>
        <source>Cut attribute</source>
        <translation>Attribut ausschneiden</translation>
    </message>
    <message>
        <source>Paste attribute</source>
        <translation>Attribut einfügen</translation>
    </message>
    <message>
        <source>Duplicate attribute</source>
        <translation>Attribut duplizieren</translation>
    </message>
    <message>
        <source>Move attribute</source>
        <translation>Attribut verschieben</translation>
    </message>
    <message>
        <source>Drag attribute</source>
        <translation>Attribut ziehen</translation>
    </message>
    <message>
        <source>Rename attribute</source>
        <translation>Attribut umbenennen</translation>
    </message>
    <message>
        <source>Edit description</source>
        <translation>Beschreibung bearbeiten</translation>
    </message>
    <message>
        <source>Change scale</source>
        <translation>Skala ändern</translation>
    </message>
    <message>
        <source>Edit scale</source>
        <translation>Skala bearbeiten</translation>
    </message>
    <message>
        <source>Edit function</source>
        <translation>Funktion bearbeiten</translation>
    </message>
    <message>
        <source>Delete function</source>
        <translation>Funktion löschen</translation>
    </message>
    <message>
        <source>Add option</source>
        <translation>Variante hinzufügen</translation>
    </message>
    <message>
        <source>Delete option</source>
        <translation>Variante löschen</translation>
    </message>
    <message>
        <source>Paste option</source>
        <translation>Variante einfügen</translation>
    </message>
    <message>
        <source>Add option from target</source>
        <translation>Variante aus Ziel hinzufügen</translation>
    </message>
    <message>
        <source>Rename option</source>
        <translation>Variante umbenennen</translation>
    </message>
    <message>
        <source>Change value</source>
        <translation>Wert ändern</translation>
    </message>
    <message>
        <source>Select options</source>
        <translation>Varianten auswählen</translation>
    </message>
    <message>
        <source>Import options</source>
        <translation>Varianten importieren</translation>
    </message>
    <message>
        <source>Rename model</source>
        <translation>Modell umbenennen</translation>
    </message>
    <message>
        <source>Edit model description</source>
        <translation>Modellbeschreibung bearbeiten</translation>
    </message>
    <message>
        <source>Reload from disk</source>
        <translation>Von der Festplatte neu laden</translation>
    </message>
</context>
<context>
    <name>ubic::ubicstr</name>
    <message>
        <source>Trying to destroy an already destroyed object &quot;%s&quot;</source>
        <translation>Versuch, ein bereits zerstörtes Objekt &quot;%s&quot; zu zerstören</translation>
    </message>
    <message>
        <source>%d pending objects upon exit</source>
        <translation>%d ausstehende Objekte beim Beenden</translation>
    </message>
    <message>
        <source>Unknown file format: &quot;%s&quot;</source>
        <translation>Unbekanntes Dateiformat: &quot;%s&quot;</translation>
    </message>
    <message>
        <source>File &quot;%s&quot; holds binary data, not a model.</source>
        <translation>Die Datei &quot;%s&quot; enthält Binärdaten, kein Modell.</translation>
    </message>
    <message>
        <source>Unknown string list format</source>
        <translation>Unbekanntes Format der Zeichenkettenliste</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Wurzel</translation>
    </message>
    <message>
        <source>Attributes: %d (%d basic, %d complex)   |   Scales: %d   |   Functions: %d   |   Options: %d</source>
        <translation>Attribute: %d (%d Basis-, %d zusammengesetzte)   |   Skalen: %d   |   Funktionen: %d   |   Varianten: %d</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Adding a new attribute will delete the function &quot;%s&quot;.<byte value="xd"/>Do you still want to add a new attribute?</source>
        <translation>Das Hinzufügen eines neuen Attributs löscht die Funktion &quot;%s&quot;.<byte value="xd"/>Wollen Sie trotzdem ein neues Attribut hinzufügen?</translation>
    </message>
    <message>
        <source>Do you want to delete the main attribute &quot;%s&quot;?</source>
        <translation>Wollen Sie das Hauptattribut &quot;%s&quot; löschen?</translation>
    </message>
    <message>
        <source>Do you want to delete all subattributes &quot;%s&quot;?</source>
        <translation>Wollen Sie alle Unterattribute von &quot;%s&quot; löschen?</translation>
    </message>
    <message>
        <source>This will also delete the utility function of the attribute.</source>
        <translation>Dies löscht auch die Nutzenfunktion des Attributs.</translation>
    </message>
    <message>
        <source>This will also delete the function &quot;%s&quot;.</source>
        <translation>Dies löscht auch die Funktion &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Cutting this subtree will delete the function &quot;%s&quot;.<byte value="xd"/>Do you still want to cut the subtree?</source>
        <translation>Das Ausschneiden dieses Teilbaums löscht die Funktion &quot;%s&quot;.<byte value="xd"/>Wollen Sie den Teilbaum trotzdem ausschneiden?</translation>
    </message>
    <message>
        <source>Pasting this subtree will delete the function &quot;%s&quot;.<byte value="xd"/>Do you still want to paste the subtree?</source>
        <translation>Das Einfügen dieses Teilbaums löscht die Funktion &quot;%s&quot;.<byte value="xd"/>Wollen Sie den Teilbaum trotzdem einfügen?</translation>
    </message>
    <message>
        <source>This moving operation will delete the function &quot;%s&quot;.<byte value="xd"/>Do you still want to move the subtree?</source>
        <translation>Dieses Verschieben löscht die Funktion &quot;%s&quot;.<byte value="xd"/>Wollen Sie den Teilbaum trotzdem verschieben?</translation>
    </message>
    <message>
        <source>This moving operation will delete the functions &quot;%s&quot; and &quot;%s&quot;.<byte value="xd"/>Do you still want to move the subtree?</source>
        <translation>Dieses Verschieben löscht die Funktionen &quot;%s&quot; und &quot;%s&quot;.<byte value="xd"/>Wollen Sie den Teilbaum trotzdem verschieben?</translation>
    </message>
    <message>
        <source>File &quot;%s&quot; already exists. Do you want to overwrite the file?</source>
        <translation>Die Datei &quot;%s&quot; existiert bereits. Wollen Sie die Datei überschreiben?</translation>
    </message>
    <message>
        <source>File &quot;%s&quot; was changed on disk since it was opened or saved. Overwrite it?</source>
        <translation>Die Datei &quot;%s&quot; wurde auf dem Datenträger geändert, seit sie geöffnet oder gespeichert wurde. Überschreiben?</translation>
    </message>
    <message>
        <source>File &quot;%s&quot; was changed on disk since it was opened or saved.<byte value="xd"/>Reload it? Undo takes the reload back; No keeps the model of this window.</source>
        <translation>Die Datei &quot;%s&quot; wurde auf dem Datenträger geändert, seit sie geöffnet oder gespeichert wurde.<byte value="xd"/>Neu laden? Rückgängig nimmt das Neuladen zurück; Nein behält das Modell dieses Fensters.</translation>
    </message>
    <message>
        <source>File &quot;%s&quot; is open in the window &quot;%s&quot;. Close that window first, or save under another name.</source>
        <translation>Die Datei &quot;%s&quot; ist im Fenster &quot;%s&quot; geöffnet. Schließen Sie zuerst dieses Fenster oder speichern Sie unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>%s<byte value="xd"/>Write the file all the same? Cancel writes nothing.</source>
        <translation>%s<byte value="xd"/>Die Datei trotzdem schreiben? Abbrechen schreibt nichts.</translation>
    </message>
    <message>
        <source>Save model &quot;%s&quot; as file &quot;%s&quot;?</source>
        <translation>Modell &quot;%s&quot; als Datei &quot;%s&quot; speichern?</translation>
    </message>
    <message>
        <source>Save model &quot;%s&quot; as file?</source>
        <translation>Modell &quot;%s&quot; als Datei speichern?</translation>
    </message>
    <message>
        <source>Deleting the value &quot;%s&quot; takes it from %s.<byte value="xd"/>Do you still want to delete the value?</source>
        <translation>Das Löschen des Werts &quot;%s&quot; entfernt ihn aus %s.<byte value="xd"/>Wollen Sie den Wert trotzdem löschen?</translation>
    </message>
    <message>
        <source>%d option</source>
        <translation>%d Variante</translation>
    </message>
    <message>
        <source>%d options</source>
        <translation>%d Varianten</translation>
    </message>
    <message>
        <source>%d entered rule</source>
        <translation>%d eingegebene Regel</translation>
    </message>
    <message>
        <source>%d entered rules</source>
        <translation>%d eingegebene Regeln</translation>
    </message>
    <message>
        <source>&lt;undefined&gt;</source>
        <translation>&lt;undefiniert&gt;</translation>
    </message>
    <message>
        <source>Unknown function &quot;%s&quot;</source>
        <translation>Unbekannte Funktion &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Unacceptable list of function parameters &quot;%s&quot;: &quot;%s&quot;</source>
        <translation>Unzulässige Liste der Funktionsparameter &quot;%s&quot;: &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Function &quot;%s&quot; can not be built</source>
        <translation>Die Funktion &quot;%s&quot; kann nicht gebildet werden</translation>
    </message>
    <message>
        <source>Unknown attribute value &quot;%s&quot;: &quot;%s&quot;</source>
        <translation>Unbekannter Attributwert &quot;%s&quot;: &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Ambiguous attribute value &quot;%s&quot;: &quot;%s&quot; could be %s</source>
        <translation>Mehrdeutiger Attributwert &quot;%s&quot;: &quot;%s&quot; könnte %s sein</translation>
    </message>
    <message>
        <source>The file includes more than 1 group; Ubic will use only the first.<byte value="xd"/></source>
        <translation>Die Datei enthält mehr als 1 Gruppe; Ubic verwendet nur die erste.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The file includes distributed option values, Ubic will use then only partially.<byte value="xd"/></source>
        <translation>Die Datei enthält verteilte Variantenwerte, Ubic verwendet sie nur teilweise.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The function of &quot;%s&quot; uses weights, which the %s file can not hold; it will read back without them.<byte value="xd"/></source>
        <translation>Die Funktion von &quot;%s&quot; verwendet Gewichte, die die %s-Datei nicht aufnehmen kann; sie wird ohne sie gelesen.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The attribute &quot;%s&quot; has options whose values have weights, which the %s file can not hold; it writes the sets of their values of positive weight.<byte value="xd"/></source>
        <translation>Das Attribut &quot;%s&quot; hat Varianten, deren Werte Gewichte haben, was die %s-Datei nicht aufnehmen kann; sie schreibt die Mengen ihrer Werte mit positivem Gewicht.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The attribute &quot;%s&quot; has options without a value, which the %s file writes as any value (&quot;*&quot;).<byte value="xd"/></source>
        <translation>Das Attribut &quot;%s&quot; hat Varianten ohne Wert, die die %s-Datei als beliebigen Wert (&quot;*&quot;) schreibt.<byte value="xd"/></translation>
    </message>
    <message>
        <source>An attribute has an empty name, which the jKIV file can not refer to; the file calls it &quot;%s&quot;.<byte value="xd"/></source>
        <translation>Ein Attribut hat einen leeren Namen, auf den die jKIV-Datei nicht verweisen kann; die Datei nennt es &quot;%s&quot;.<byte value="xd"/></translation>
    </message>
    <message>
        <source>More than one attribute is named &quot;%s&quot; (letter case aside), which the jKIV file can not tell apart; the file calls one of them &quot;%s&quot;.<byte value="xd"/></source>
        <translation>Mehr als ein Attribut heißt &quot;%s&quot; (ohne Rücksicht auf Groß- und Kleinschreibung), was die jKIV-Datei nicht unterscheiden kann; die Datei nennt eines davon &quot;%s&quot;.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The attribute name &quot;%s&quot; contains &quot;;&quot;, which the jKIV file uses to separate names; the file calls the attribute &quot;%s&quot;.<byte value="xd"/></source>
        <translation>Der Attributname &quot;%s&quot; enthält &quot;;&quot;, womit die jKIV-Datei Namen trennt; die Datei nennt das Attribut &quot;%s&quot;.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The scale &quot;%s&quot; has a value with an empty name, which the jKIV file can not refer to; the file calls it &quot;%s&quot;.<byte value="xd"/></source>
        <translation>Die Skala &quot;%s&quot; hat einen Wert mit leerem Namen, auf den die jKIV-Datei nicht verweisen kann; die Datei nennt ihn &quot;%s&quot;.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The scale &quot;%s&quot; has more than one value named &quot;%s&quot;, which the jKIV file can not tell apart; the file calls one of them &quot;%s&quot;.<byte value="xd"/></source>
        <translation>Die Skala &quot;%s&quot; hat mehr als einen Wert namens &quot;%s&quot;, was die jKIV-Datei nicht unterscheiden kann; die Datei nennt einen davon &quot;%s&quot;.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The scale &quot;%s&quot; has the value name &quot;%s&quot;, which contains &quot;;&quot;, the separator of names in the jKIV file; the file calls the value &quot;%s&quot;.<byte value="xd"/></source>
        <translation>Die Skala &quot;%s&quot; hat den Wertnamen &quot;%s&quot;, der &quot;;&quot; enthält, das Trennzeichen der Namen in der jKIV-Datei; die Datei nennt den Wert &quot;%s&quot;.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The option &quot;%s&quot; has for &quot;%s&quot; a value the jKIV file can not hold (a set of values or none of its scale); the file says &quot;*&quot;.<byte value="xd"/></source>
        <translation>Die Variante &quot;%s&quot; hat für &quot;%s&quot; einen Wert, den die jKIV-Datei nicht aufnehmen kann (eine Wertemenge oder keinen ihrer Skala); die Datei schreibt &quot;*&quot;.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The function of &quot;%s&quot; has rules with an interval of values, of which the jKIV file keeps only the lowest value.<byte value="xd"/></source>
        <translation>Die Funktion von &quot;%s&quot; hat Regeln mit einem Werteintervall, von dem die jKIV-Datei nur den niedrigsten Wert behält.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The function of &quot;%s&quot; has computed rules, which the jKIV file can not tell from entered ones; they will read back as entered.<byte value="xd"/></source>
        <translation>Die Funktion von &quot;%s&quot; hat berechnete Regeln, die die jKIV-Datei nicht von eingegebenen unterscheiden kann; sie werden als eingegebene gelesen.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The function of &quot;%s&quot; has rules with a value not on its scale, which the jKIV file can not name; they will read back undefined.<byte value="xd"/></source>
        <translation>Die Funktion von &quot;%s&quot; hat Regeln mit einem Wert außerhalb ihrer Skala, den die jKIV-Datei nicht benennen kann; sie werden undefiniert gelesen.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The attribute &quot;%s&quot; has a function although its inputs or its scale allow no rules, which the jKIV file can not hold; it is left out.<byte value="xd"/></source>
        <translation>Das Attribut &quot;%s&quot; hat eine Funktion, obwohl seine Eingänge oder seine Skala keine Regeln erlauben, was die jKIV-Datei nicht aufnehmen kann; sie wird weggelassen.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The model&apos;s name or description holds line breaks, which the KVX file writes as blanks.<byte value="xd"/></source>
        <translation>Name oder Beschreibung des Modells enthalten Zeilenumbrüche, die die KVX-Datei als Leerzeichen schreibt.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The name of the option &quot;%s&quot; holds line breaks, which the KVX file writes as blanks.<byte value="xd"/></source>
        <translation>Der Name der Variante &quot;%s&quot; enthält Zeilenumbrüche, die die KVX-Datei als Leerzeichen schreibt.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The name or description of the attribute &quot;%s&quot; holds line breaks, which the KVX file writes as blanks.<byte value="xd"/></source>
        <translation>Name oder Beschreibung des Attributs &quot;%s&quot; enthalten Zeilenumbrüche, die die KVX-Datei als Leerzeichen schreibt.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The scale of &quot;%s&quot; has value names or descriptions with line breaks, which the KVX file writes as blanks.<byte value="xd"/></source>
        <translation>Die Skala von &quot;%s&quot; hat Wertnamen oder Beschreibungen mit Zeilenumbrüchen, die die KVX-Datei als Leerzeichen schreibt.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The option &quot;%s&quot; has for &quot;%s&quot; a set of values, the first of the file, which reading the KVX file turns into any value (&quot;*&quot;).<byte value="xd"/></source>
        <translation>Die Variante &quot;%s&quot; hat für &quot;%s&quot; eine Wertemenge, die erste der Datei, die beim Lesen der KVX-Datei zu einem beliebigen Wert (&quot;*&quot;) wird.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The scale &quot;%s&quot; can not hold more than %d values</source>
        <translation>Die Skala &quot;%s&quot; kann nicht mehr als %d Werte aufnehmen</translation>
    </message>
    <message>
        <source>A scale needs at least 2 values</source>
        <translation>Eine Skala braucht mindestens 2 Werte</translation>
    </message>
    <message>
        <source>Value %d has no name</source>
        <translation>Wert %d hat keinen Namen</translation>
    </message>
    <message>
        <source>Values %d &quot;%s&quot; and %d &quot;%s&quot; differ only in letter case or blanks</source>
        <translation>Die Werte %d &quot;%s&quot; und %d &quot;%s&quot; unterscheiden sich nur in Groß-/Kleinschreibung oder Leerzeichen</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Regeln:</translation>
    </message>
    <message>
        <source>determined:</source>
        <translation>bestimmt:</translation>
    </message>
    <message>
        <source>open rules stay *</source>
        <translation>offene Regeln bleiben *</translation>
    </message>
    <message>
        <source>open rules follow the weights</source>
        <translation>offene Regeln folgen den Gewichten</translation>
    </message>
    <message>
        <source>weights wait for more entered rules</source>
        <translation>Gewichte warten auf mehr eingegebene Regeln</translation>
    </message>
    <message>
        <source>The newly created table would consist of %d rules, which is too much. You have to rearrange the tree below the attribute %s: reduce the number of descendants and/or their scale sizes .</source>
        <translation>Die neue Tabelle hätte %d Regeln, das ist zu viel. Sie müssen den Baum unter dem Attribut %s umordnen: die Zahl der Nachkommen und/oder ihre Skalengrößen verringern.</translation>
    </message>
    <message>
        <source>You are about to create a table consisting of %d rules, which is very large. You should rearrange the tree below the attribute %s: reduce the number of descendants and/or their scale sizes .<byte value="xd"/><byte value="xd"/>Do you still want to create the large table?</source>
        <translation>Sie sind dabei, eine Tabelle mit %d Regeln zu erstellen, das ist sehr groß. Sie sollten den Baum unter dem Attribut %s umordnen: die Zahl der Nachkommen und/oder ihre Skalengrößen verringern.<byte value="xd"/><byte value="xd"/>Wollen Sie die große Tabelle trotzdem erstellen?</translation>
    </message>
    <message>
        <source>Tree of attributes</source>
        <translation>Attributbaum</translation>
    </message>
    <message>
        <source>Scales</source>
        <translation>Skalen</translation>
    </message>
    <message>
        <source>Decision rules (table)</source>
        <translation>Entscheidungsregeln (Tabelle)</translation>
    </message>
    <message>
        <source>Decision rules</source>
        <translation>Entscheidungsregeln</translation>
    </message>
    <message>
        <source>Rule conflicts</source>
        <translation>Regelkonflikte</translation>
    </message>
    <message>
        <source>No rule conflicts.</source>
        <translation>Keine Regelkonflikte.</translation>
    </message>
    <message>
        <source>Average weights</source>
        <translation>Durchschnittliche Gewichte</translation>
    </message>
    <message>
        <source>Evaluation results</source>
        <translation>Bewertungsergebnisse</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensitivität</translation>
    </message>
    <message>
        <source>Targets</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Seite </translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation>Attribut</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Decided by</source>
        <translation>Entschieden durch</translation>
    </message>
    <message>
        <source>One step changes it</source>
        <translation>Ein Schritt ändert es</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Loc.norm.</source>
        <translation>Lok.norm.</translation>
    </message>
    <message>
        <source>Glob.norm.</source>
        <translation>Glob.norm.</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>Though better than</source>
        <translation>Obwohl besser als</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Bei</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>The list is incomplete: the table is too large to search whole.</source>
        <translation>Die Liste ist unvollständig: die Tabelle ist zu groß, um sie ganz zu durchsuchen.</translation>
    </message>
    <message>
        <source> at least </source>
        <translation> mindestens </translation>
    </message>
    <message>
        <source> at most </source>
        <translation> höchstens </translation>
    </message>
    <message>
        <source>Reached already.</source>
        <translation>Bereits erreicht.</translation>
    </message>
    <message>
        <source>No change of basic values reaches it.</source>
        <translation>Keine Änderung der Basiswerte erreicht es.</translation>
    </message>
    <message>
        <source>and %d more</source>
        <translation>und %d weitere</translation>
    </message>
    <message>
        <source>Strong points: </source>
        <translation>Stärken: </translation>
    </message>
    <message>
        <source>Weak points: </source>
        <translation>Schwächen: </translation>
    </message>
    <message>
        <source> gives </source>
        <translation> ergibt </translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>Die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Unterminated quoted field</source>
        <translation>Nicht abgeschlossenes Feld in Anführungszeichen</translation>
    </message>
    <message>
        <source>no function</source>
        <translation>keine Funktion</translation>
    </message>
    <message>
        <source>The attribute &quot;%s&quot; comes after the function of its parent &quot;%s&quot;</source>
        <translation>Das Attribut &quot;%s&quot; steht nach der Funktion seines übergeordneten Attributs &quot;%s&quot;</translation>
    </message>
    <message>
        <source>No attribute has the number %d</source>
        <translation>Kein Attribut hat die Nummer %d</translation>
    </message>
    <message>
        <source>Attribute number %d is larger than %d</source>
        <translation>Die Attributnummer %d ist größer als %d</translation>
    </message>
    <message>
        <source>Attribute level %d is not between 1 and %d</source>
        <translation>Die Attributebene %d liegt nicht zwischen 1 und %d</translation>
    </message>
    <message>
        <source>Error reading KVX around line %d: %s</source>
        <translation>Fehler beim Lesen von KVX um Zeile %d: %s</translation>
    </message>
    <message>
        <source>Unrecognized section &quot;%s&quot;</source>
        <translation>Unbekannter Abschnitt &quot;%s&quot;</translation>
    </message>
    <message>
        <source>The rule tables of the file would consist of more than %d rules together, which is too much.</source>
        <translation>Die Regeltabellen der Datei hätten zusammen mehr als %d Regeln, das ist zu viel.</translation>
    </message>
    <message>
        <source>The attribute &quot;%s&quot; is nested deeper than %d levels</source>
        <translation>Das Attribut &quot;%s&quot; ist tiefer als %d Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>Unknown attribute &quot;%s&quot;</source>
        <translation>Unbekanntes Attribut &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Attribute &quot;%s&quot; has a column already</source>
        <translation>Das Attribut &quot;%s&quot; hat bereits eine Spalte</translation>
    </message>
    <message>
        <source>Ambiguous attribute &quot;%s&quot; could be %s</source>
        <translation>Das mehrdeutige Attribut &quot;%s&quot; könnte %s sein</translation>
    </message>
    <message>
        <source>Missing header</source>
        <translation>Die Kopfzeile fehlt</translation>
    </message>
    <message>
        <source>The row has %d field, the header %d</source>
        <translation>Die Zeile hat %d Feld, die Kopfzeile %d</translation>
    </message>
    <message>
        <source>The row has %d fields, the header %d</source>
        <translation>Die Zeile hat %d Felder, die Kopfzeile %d</translation>
    </message>
    <message>
        <source>%s (%s line %d)</source>
        <translation>%s (%s Zeile %d)</translation>
    </message>
    <message>
        <source>Error reading XML around line %d: %s</source>
        <translation>Fehler beim Lesen von XML um Zeile %d: %s</translation>
    </message>
    <message>
        <source>A tag expected instead of text &quot;%s&quot;</source>
        <translation>Ein Tag erwartet statt des Textes &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Unterminated tag &quot;%s&quot;</source>
        <translation>Nicht abgeschlossenes Tag &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Elements nested deeper than %d levels</source>
        <translation>Elemente tiefer als %d Ebenen verschachtelt</translation>
    </message>
    <message>
        <source>Missing tag &quot;&lt;/%s&gt;&quot;</source>
        <translation>Das Tag &quot;&lt;/%s&gt;&quot; fehlt</translation>
    </message>
    <message>
        <source>Expecting terminating tag &quot;&lt;/%s&gt;&quot; instead of &quot;&lt;/%s&gt;&quot;</source>
        <translation>Schließendes Tag &quot;&lt;/%s&gt;&quot; erwartet statt &quot;&lt;/%s&gt;&quot;</translation>
    </message>
    <message>
        <source>Missing or unrecognized XML header</source>
        <translation>XML-Kopf fehlt oder ist unbekannt</translation>
    </message>
    <message>
        <source>Expecting an opening tag instead of &quot;&lt;/%s&gt;&quot;</source>
        <translation>Öffnendes Tag erwartet statt &quot;&lt;/%s&gt;&quot;</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;: %s</source>
        <translation>Datei &quot;%s&quot; kann nicht geöffnet werden: %s</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%s&quot;: %s</source>
        <translation>Datei &quot;%s&quot; kann nicht gelesen werden: %s</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%s&quot;: %s</source>
        <translation>Datei &quot;%s&quot; kann nicht erstellt werden: %s</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%s&quot;: %s</source>
        <translation>Datei &quot;%s&quot; kann nicht geschrieben werden: %s</translation>
    </message>
    <message>
        <source>%d conflict</source>
        <translation>%d Konflikt</translation>
    </message>
    <message>
        <source>%d conflicts</source>
        <translation>%d Konflikte</translation>
    </message>
    <message>
        <source>%s, though better than %s in %s</source>
        <translation>%s, obwohl besser als %s bei %s</translation>
    </message>
    <message>
        <source>rule %d, entered</source>
        <translation>Regel %d, eingegeben</translation>
    </message>
    <message>
        <source>rule %d, undefined</source>
        <translation>Regel %d, undefiniert</translation>
    </message>
    <message>
        <source>rule %d, completed by the weights</source>
        <translation>Regel %d, durch die Gewichte ergänzt</translation>
    </message>
    <message>
        <source>rule %d, completed by monotonicity</source>
        <translation>Regel %d, durch Monotonie ergänzt</translation>
    </message>
    <message>
        <source>rule %d, completed by monotonicity from rule %d</source>
        <translation>Regel %d, durch Monotonie ergänzt aus Regel %d</translation>
    </message>
    <message>
        <source>rule %d, completed by monotonicity from rules %d and %d</source>
        <translation>Regel %d, durch Monotonie ergänzt aus den Regeln %d und %d</translation>
    </message>
    <message>
        <source>Option &quot;%s&quot;, attribute &quot;%s&quot;: the value &quot;%s&quot; has no weight in &quot;%s&quot;</source>
        <translation>Variante &quot;%s&quot;, Attribut &quot;%s&quot;: der Wert &quot;%s&quot; hat kein Gewicht in &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Option &quot;%s&quot;, attribute &quot;%s&quot;: unknown value &quot;%s&quot; in &quot;%s&quot;</source>
        <translation>Variante &quot;%s&quot;, Attribut &quot;%s&quot;: unbekannter Wert &quot;%s&quot; in &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Option &quot;%s&quot;, attribute &quot;%s&quot;: the value &quot;%s&quot; is named twice in &quot;%s&quot;</source>
        <translation>Variante &quot;%s&quot;, Attribut &quot;%s&quot;: der Wert &quot;%s&quot; ist zweimal genannt in &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Option &quot;%s&quot;, attribute &quot;%s&quot;: the weight &quot;%s&quot; is not a non-negative number in &quot;%s&quot;</source>
        <translation>Variante &quot;%s&quot;, Attribut &quot;%s&quot;: das Gewicht &quot;%s&quot; ist keine nichtnegative Zahl in &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Option &quot;%s&quot;, attribute &quot;%s&quot;: all weights are zero in &quot;%s&quot;</source>
        <translation>Variante &quot;%s&quot;, Attribut &quot;%s&quot;: alle Gewichte sind null in &quot;%s&quot;</translation>
    </message>
    <message>
        <source>The weights of %s count here as the sets of their values.</source>
        <translation>Die Gewichte von %s zählen hier als die Mengen ihrer Werte.</translation>
    </message>
</context>
</TS>
