<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>QObject</name>
    <message>
        <source>Option</source>
        <translation>Varianta</translation>
    </message>
    <message>
        <source>&amp;Hide all options</source>
        <translation>&amp;Skrij vse variante</translation>
    </message>
    <message>
        <source>Hide options|Hide all options</source>
        <translation>Skrij variante|Skrij vse variante</translation>
    </message>
    <message>
        <source>&amp;4 options</source>
        <translation>&amp;4 variante</translation>
    </message>
    <message>
        <source>Show 4 options|Show four options on graph</source>
        <translation>Pokaži 4 variante|Pokaži štiri variante na grafu</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Graf</translation>
    </message>
    <message>
        <source>&amp;Show all options</source>
        <translation>&amp;Pokaži vse variante</translation>
    </message>
    <message>
        <source>All options|Show all options</source>
        <translation>Vse variante|Pokaži vse variante</translation>
    </message>
    <message>
        <source>&amp;Named values</source>
        <translation>&amp;Imenovane vrednosti</translation>
    </message>
    <message>
        <source>Named values</source>
        <translation>Imenovane vrednosti</translation>
    </message>
    <message>
        <source>Named options</source>
        <translation>Imenovane variante</translation>
    </message>
    <message>
        <source>&amp;Four (4) options</source>
        <translation>Š&amp;tiri (4) variante</translation>
    </message>
    <message>
        <source>&amp;Copy graph</source>
        <translation>&amp;Kopiraj graf</translation>
    </message>
    <message>
        <source>&amp;Attributes</source>
        <translation>&amp;Atributi</translation>
    </message>
    <message>
        <source>Op&amp;tions</source>
        <translation>Va&amp;riante</translation>
    </message>
    <message>
        <source>The attributes drawn, ticked in the order chosen</source>
        <translation>Narisani atributi, označeni v izbranem vrstnem redu</translation>
    </message>
    <message>
        <source>The options drawn</source>
        <translation>Narisane variante</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Atributi</translation>
    </message>
    <message>
        <source>Tick up to six attributes to draw: one gives bars, two a scatter plot, more radars</source>
        <translation>Označite do šest atributov za risanje: eden da stolpce, dva razsevni graf, več radarske grafe</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Variante</translation>
    </message>
    <message>
        <source>Tick the options to draw; the current one leads the radars</source>
        <translation>Označite variante za risanje; trenutna vodi radarske grafe</translation>
    </message>
    <message>
        <source>Page width</source>
        <translation>Širina strani</translation>
    </message>
    <message>
        <source>Page height</source>
        <translation>Višina strani</translation>
    </message>
    <message>
        <source>Whole page</source>
        <translation>Cela stran</translation>
    </message>
    <message>
        <source>Text File (*.txt)</source>
        <translation>Besedilna datoteka (*.txt)</translation>
    </message>
    <message>
        <source>SVG Picture (*.svg)</source>
        <translation>Slika SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG Image (*.png)</source>
        <translation>Slika PNG (*.png)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitna slika (*.bmp)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>Dokument PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report Preview</source>
        <translation>Predogled poročila</translation>
    </message>
    <message>
        <source>Printing page %1 of %2</source>
        <translation>Tiskanje strani %1 od %2</translation>
    </message>
    <message>
        <source>Formatting</source>
        <translation>Oblikovanje</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Natisni...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Nastavitev strani...</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Prejšnja stran</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Naslednja stran</translation>
    </message>
    <message>
        <source>Save report...</source>
        <translation>Shrani poročilo...</translation>
    </message>
    <message>
        <source>Close preview</source>
        <translation>Zapri predogled</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiraj</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Povečava</translation>
    </message>
    <message>
        <source>The size of the page on the screen, in percent or to fit</source>
        <translation>Velikost strani na zaslonu, v odstotkih ali prilagojena</translation>
    </message>
    <message>
        <source>The size of the page on the screen, in percent</source>
        <translation>Velikost strani na zaslonu, v odstotkih</translation>
    </message>
    <message>
        <source>Page %1/%2</source>
        <translation>Stran %1/%2</translation>
    </message>
    <message>
        <source>Printing aborted.</source>
        <translation>Tiskanje prekinjeno.</translation>
    </message>
    <message>
        <source>The margins leave no room on the page.</source>
        <translation>Robovi ne puščajo prostora na strani.</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Shrani v datoteko</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ni veljavno celo število</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <translation>Datoteke &quot;%1&quot; ni mogoče odpreti: %2</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Shrani &amp;kot...</translation>
    </message>
    <message>
        <source>Save as...|Save file under a different name</source>
        <translation>Shrani kot...|Shrani datoteko pod drugim imenom</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Poročilo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Iz&amp;hod</translation>
    </message>
    <message>
        <source>Exit|Close all files and exit application</source>
        <translation>Izhod|Zapri vse datoteke in končaj program</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Kaskadno</translation>
    </message>
    <message>
        <source>Cascade</source>
        <translation>Kaskadno</translation>
    </message>
    <message>
        <source>Tile &amp;Horizontally</source>
        <translation>Razporedi &amp;vodoravno</translation>
    </message>
    <message>
        <source>Tile Horizontally</source>
        <translation>Razporedi vodoravno</translation>
    </message>
    <message>
        <source>Tile &amp;Vertically</source>
        <translation>Razporedi &amp;navpično</translation>
    </message>
    <message>
        <source>Tile Vertically</source>
        <translation>Razporedi navpično</translation>
    </message>
    <message>
        <source>&amp;Minimize All</source>
        <translation>&amp;Minimiraj vse</translation>
    </message>
    <message>
        <source>Minimize All</source>
        <translation>Minimiraj vse</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>Razporedi &amp;ikone</translation>
    </message>
    <message>
        <source>Arrange All</source>
        <translation>Razporedi vse</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Pomoč...</translation>
    </message>
    <message>
        <source>Help|Open the user manual at its contents</source>
        <translation>Pomoč|Odpri uporabniški priročnik pri kazalu</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programu...</translation>
    </message>
    <message>
        <source>About|Program information and version number</source>
        <translation>O programu|Podatki o programu in številka različice</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Izreži</translation>
    </message>
    <message>
        <source>Cut|Cuts the selection and puts it on the Clipboard</source>
        <translation>Izreži|Izreže izbor in ga postavi v odložišče</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>Copy|Copies the selection and puts it on the Clipboard</source>
        <translation>Kopiraj|Kopira izbor v odložišče</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datoteka</translation>
    </message>
    <message>
        <source>File related commands</source>
        <translation>Ukazi za datoteke</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Pogled</translation>
    </message>
    <message>
        <source>Window related commands</source>
        <translation>Ukazi za okna</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moč</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Teme pomoči</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>Orodna vrstica</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Razveljavi %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Uveljavi &amp;znova %1</translation>
    </message>
    <message>
        <source>Characters that a model text cannot hold (outside Windows-1250) were replaced by &quot;?&quot;.</source>
        <translation>Znaki, ki jih besedilo modela ne more hraniti (zunaj Windows-1250), so bili zamenjani z &quot;?&quot;.</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Odpri datoteko</translation>
    </message>
    <message>
        <source>Decision models Ubic (*.ubm)</source>
        <translation>Odločitveni modeli Ubic (*.ubm)</translation>
    </message>
    <message>
        <source>Models jKIV (*.xml)</source>
        <translation>Modeli jKIV (*.xml)</translation>
    </message>
    <message>
        <source>KIV ASCII Interchange  (*.kvx)</source>
        <translation>Izmenjava KIV ASCII  (*.kvx)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Vse datoteke (*.*)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> in </translation>
    </message>
    <message>
        <source>not ordered</source>
        <translation>neurejeno</translation>
    </message>
    <message>
        <source>ascending</source>
        <translation>naraščajoče</translation>
    </message>
    <message>
        <source>descending</source>
        <translation>padajoče</translation>
    </message>
    <message>
        <source>Scale order</source>
        <translation>Urejenost zaloge vrednosti</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Urejenost</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Vrednost</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Vrednosti</translation>
    </message>
    <message>
        <source>The values of the scale, from the first to the last</source>
        <translation>Vrednosti zaloge vrednosti, od prve do zadnje</translation>
    </message>
    <message>
        <source>&amp;Edit value and description...</source>
        <translation>&amp;Uredi vrednost in opis...</translation>
    </message>
    <message>
        <source>Edit...|Edit value and description...</source>
        <translation>Uredi...|Uredi vrednost in opis...</translation>
    </message>
    <message>
        <source>&amp;Bad value</source>
        <translation>&amp;Slaba vrednost</translation>
    </message>
    <message>
        <source>Bad value|Set value class as bad</source>
        <translation>Slaba vrednost|Nastavi razred vrednosti na slabo</translation>
    </message>
    <message>
        <source>&amp;Neutral value</source>
        <translation>&amp;Nevtralna vrednost</translation>
    </message>
    <message>
        <source>Neutral value|Set value class as neutral</source>
        <translation>Nevtralna vrednost|Nastavi razred vrednosti na nevtralno</translation>
    </message>
    <message>
        <source>&amp;Good value</source>
        <translation>Do&amp;bra vrednost</translation>
    </message>
    <message>
        <source>Good value|Set value class as good</source>
        <translation>Dobra vrednost|Nastavi razred vrednosti na dobro</translation>
    </message>
    <message>
        <source>Move d&amp;own</source>
        <translation>Premakni do&amp;l</translation>
    </message>
    <message>
        <source>Move down|Move subtree or item downwards</source>
        <translation>Premakni dol|Premakni poddrevo ali element navzdol</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Add|Add new value</source>
        <translation>Dodaj|Dodaj novo vrednost</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Delete|Delete value</source>
        <translation>Izbriši|Izbriši vrednost</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Uredi...</translation>
    </message>
    <message>
        <source>Edit...|Edit description...</source>
        <translation>Uredi...|Uredi opis...</translation>
    </message>
    <message>
        <source>Bad</source>
        <translation>Slaba</translation>
    </message>
    <message>
        <source>Bad|Set value class as bad</source>
        <translation>Slaba|Nastavi razred vrednosti na slabo</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Nevtralna</translation>
    </message>
    <message>
        <source>Neutral|Set value class as neutral</source>
        <translation>Nevtralna|Nastavi razred vrednosti na nevtralno</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Dobra</translation>
    </message>
    <message>
        <source>Good|Set value class as good</source>
        <translation>Dobra|Nastavi razred vrednosti na dobro</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Gor</translation>
    </message>
    <message>
        <source>Move up|Move upwards</source>
        <translation>Premakni gor|Premakni navzgor</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Dol</translation>
    </message>
    <message>
        <source>Move down|Move value downwards</source>
        <translation>Premakni dol|Premakni vrednost navzdol</translation>
    </message>
    <message>
        <source>Default value for new attributes</source>
        <translation>Privzeto za nove atribute</translation>
    </message>
    <message>
        <source>New attributes get a copy of this scale</source>
        <translation>Novi atributi dobijo kopijo te zaloge vrednosti</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;V redu</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Prekliči</translation>
    </message>
    <message>
        <source>Keep the scale</source>
        <translation>Obdrži zalogo vrednosti</translation>
    </message>
    <message>
        <source>Leave the scale as it was</source>
        <translation>Pusti zalogo vrednosti nespremenjeno</translation>
    </message>
    <message>
        <source>Scale %1</source>
        <translation>Zaloga vrednosti %1</translation>
    </message>
    <message>
        <source>new value</source>
        <translation>nova vrednost</translation>
    </message>
    <message>
        <source>Arranging %1. of attribute value %2</source>
        <translation>Urejanje %1. vrednosti atributa %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; no longer exists.<byte value="xd"/>Remove it from the list of recent files?</source>
        <translation>Datoteka &quot;%1&quot; ne obstaja več.<byte value="xd"/>Jo odstranim s seznama nedavnih datotek?</translation>
    </message>
    <message>
        <source>The name of the value</source>
        <translation>Ime vrednosti</translation>
    </message>
    <message>
        <source>What the value means</source>
        <translation>Kaj vrednost pomeni</translation>
    </message>
    <message>
        <source>Keep the name and the description</source>
        <translation>Obdrži ime in opis</translation>
    </message>
    <message>
        <source>Leave the value as it was</source>
        <translation>Pusti vrednost nespremenjeno</translation>
    </message>
    <message>
        <source>&amp;Value</source>
        <translation>Vre&amp;dnost</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>&amp;Opis</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>znakov</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Text Dimensions</source>
        <translation>Mere besedila</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>Ši&amp;rina</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Višina</translation>
    </message>
    <message>
        <source>Characters on a line of the text file</source>
        <translation>Znakov v vrstici besedilne datoteke</translation>
    </message>
    <message>
        <source>Lines on a page of the text file; 0 for pages without end</source>
        <translation>Vrstic na strani besedilne datoteke; 0 za strani brez konca</translation>
    </message>
    <message>
        <source>Write the text file</source>
        <translation>Zapiši besedilno datoteko</translation>
    </message>
    <message>
        <source>Write no text file</source>
        <translation>Ne zapiši besedilne datoteke</translation>
    </message>
    <message>
        <source>A column per option, a row per basic attribute; type a value&apos;s number or name</source>
        <translation>Stolpec za vsako varianto, vrstica za vsak osnovni atribut; vpišite številko ali ime vrednosti</translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation>Vrednotenje</translation>
    </message>
    <message>
        <source>A column per option, a row per attribute with the evaluated values; basic values may be typed</source>
        <translation>Stolpec za vsako varianto, vrstica za vsak atribut z ovrednotenimi vrednostmi; osnovne vrednosti lahko vpišete</translation>
    </message>
    <message>
        <source>The value of the current option on the current attribute; a value set when several are ticked</source>
        <translation>Vrednost trenutne variante pri trenutnem atributu; množica vrednosti, ko jih je označenih več</translation>
    </message>
    <message>
        <source>No value of &quot;%1&quot; starts with &quot;%2&quot;</source>
        <translation>Nobena vrednost &quot;%1&quot; se ne začne z &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Dup&amp;licate</source>
        <translation>Podv&amp;oji</translation>
    </message>
    <message>
        <source>Duplicate|Duplicate option</source>
        <translation>Podvoji|Podvoji varianto</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Urejanje</translation>
    </message>
    <message>
        <source>&amp;Import options...</source>
        <translation>&amp;Uvozi variante...</translation>
    </message>
    <message>
        <source>Import|Import options from a CSV file</source>
        <translation>Uvozi|Uvozi variante iz datoteke CSV</translation>
    </message>
    <message>
        <source>Export &amp;options...</source>
        <translation>Izvozi varian&amp;te...</translation>
    </message>
    <message>
        <source>Export options|Write the options to a CSV file that Import reads</source>
        <translation>Izvozi variante|Zapiši variante v datoteko CSV, ki jo prebere Uvoz</translation>
    </message>
    <message>
        <source>E&amp;xport evaluation...</source>
        <translation>Izvozi &amp;vrednotenje...</translation>
    </message>
    <message>
        <source>Export|Write the evaluation results to a CSV file</source>
        <translation>Izvozi|Zapiši rezultate vrednotenja v datoteko CSV</translation>
    </message>
    <message>
        <source>Option name</source>
        <translation>Ime variante</translation>
    </message>
    <message>
        <source>The name of the current option</source>
        <translation>Ime trenutne variante</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>&amp;Sensitivity...</source>
        <translation>&amp;Občutljivost...</translation>
    </message>
    <message>
        <source>Sensitivity|What if each single value of the option were one step lower or higher</source>
        <translation>Občutljivost|Kaj, če bi bila vsaka posamezna vrednost variante korak nižja ali višja</translation>
    </message>
    <message>
        <source>&amp;Explain...</source>
        <translation>Po&amp;jasni...</translation>
    </message>
    <message>
        <source>Explain|Why the option has its values: the rules that decided them, its strong and weak points</source>
        <translation>Pojasni|Zakaj ima varianta svoje vrednosti: pravila, ki so jih določila, njene prednosti in slabosti</translation>
    </message>
    <message>
        <source>&amp;Target...</source>
        <translation>&amp;Cilj...</translation>
    </message>
    <message>
        <source>Target|What it would take for the option to reach a value of an attribute</source>
        <translation>Cilj|Kaj bi bilo potrebno, da varianta doseže vrednost atributa</translation>
    </message>
    <message>
        <source> (target)</source>
        <translation> (cilj)</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Različica %1</translation>
    </message>
    <message>
        <source>About Ubic</source>
        <translation>O programu Ubic</translation>
    </message>
    <message>
        <source>Program for multiattribute decision making</source>
        <translation>Program za večparametrsko odločanje</translation>
    </message>
    <message>
        <source>Close the About box</source>
        <translation>Zapri okno O programu</translation>
    </message>
    <message>
        <source>Basic attribute without a scale</source>
        <translation>Osnovni atribut brez zaloge vrednosti</translation>
    </message>
    <message>
        <source>Basic attribute</source>
        <translation>Osnovni atribut</translation>
    </message>
    <message>
        <source>Aggregate attribute without a utility function</source>
        <translation>Sestavljeni atribut brez funkcije koristnosti</translation>
    </message>
    <message>
        <source>Aggregate attribute with a fully determined utility function</source>
        <translation>Sestavljeni atribut s popolnoma določeno funkcijo koristnosti</translation>
    </message>
    <message>
        <source>Aggregate attribute with a partly determined utility function</source>
        <translation>Sestavljeni atribut z delno določeno funkcijo koristnosti</translation>
    </message>
    <message>
        <source>Aggregate attribute that cannot have a utility function yet</source>
        <translation>Sestavljeni atribut, ki še ne more imeti funkcije koristnosti</translation>
    </message>
    <message>
        <source>The option already reaches the target.</source>
        <translation>Varianta cilj že dosega.</translation>
    </message>
    <message>
        <source>No change reaches the target.</source>
        <translation>Nobena sprememba ne doseže cilja.</translation>
    </message>
    <message>
        <source>Changing %1 reaches the target, in these ways:</source>
        <translation>Sprememba %1 doseže cilj, na te načine:</translation>
    </message>
    <message>
        <source>basic value</source>
        <translation>osnovne vrednosti</translation>
    </message>
    <message>
        <source>basic values</source>
        <translation>osnovnih vrednosti</translation>
    </message>
    <message>
        <source>Answer in the &amp;report</source>
        <translation>Odgovor v &amp;poročilu</translation>
    </message>
    <message>
        <source>Add as &amp;new option</source>
        <translation>Dodaj kot &amp;novo varianto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>Target for %1</source>
        <translation>Cilj za %1</translation>
    </message>
    <message>
        <source>at least</source>
        <translation>vsaj</translation>
    </message>
    <message>
        <source>at most</source>
        <translation>največ</translation>
    </message>
    <message>
        <source>Add as new option|A copy of the option with the chosen solution&apos;s values, after the option</source>
        <translation>Dodaj kot novo varianto|Kopija variante z vrednostmi izbrane rešitve, za varianto</translation>
    </message>
    <message>
        <source>Answer in the report|Answer this target in the report&apos;s Targets section</source>
        <translation>Odgovor v poročilu|Odgovori na ta cilj v razdelku Cilji poročila</translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation>Atribut</translation>
    </message>
    <message>
        <source>The attribute whose value is the target</source>
        <translation>Atribut, katerega vrednost je cilj</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Smer</translation>
    </message>
    <message>
        <source>Whether the target is a lowest or a highest value</source>
        <translation>Ali je cilj najnižja ali najvišja vrednost</translation>
    </message>
    <message>
        <source>Target value</source>
        <translation>Ciljna vrednost</translation>
    </message>
    <message>
        <source>The value the attribute is to reach</source>
        <translation>Vrednost, ki naj jo atribut doseže</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Rešitve</translation>
    </message>
    <message>
        <source>The smallest changes of the option that reach the target</source>
        <translation>Najmanjše spremembe variante, ki dosežejo cilj</translation>
    </message>
    <message>
        <source>Close the target</source>
        <translation>Zapri cilj</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Cilj:</translation>
    </message>
    <message>
        <source>&amp;Attribute:</source>
        <translation>&amp;Atribut:</translation>
    </message>
    <message>
        <source>The model has no aggregate attribute with a scale.</source>
        <translation>Model nima sestavljenega atributa z zalogo vrednosti.</translation>
    </message>
    <message>
        <source>more solution</source>
        <translation>rešitev več</translation>
    </message>
    <message>
        <source>more solutions</source>
        <translation>rešitev več</translation>
    </message>
    <message>
        <source>Targets kept for the report: %1</source>
        <translation>Cilji, shranjeni za poročilo: %1</translation>
    </message>
    <message>
        <source>Bad value</source>
        <translation>Slaba vrednost</translation>
    </message>
    <message>
        <source>Good value</source>
        <translation>Dobra vrednost</translation>
    </message>
    <message>
        <source>Tree of attributes</source>
        <translation>Drevo atributov</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Zaloga vrednosti</translation>
    </message>
    <message>
        <source>Scale descriptions</source>
        <translation>Opisi zalog vrednosti</translation>
    </message>
    <message>
        <source>Decision rules</source>
        <translation>Odločitvena pravila</translation>
    </message>
    <message>
        <source>Weights</source>
        <translation>Uteži</translation>
    </message>
    <message>
        <source>Evaluation results</source>
        <translation>Rezultati vrednotenja</translation>
    </message>
    <message>
        <source>Graphs</source>
        <translation>Grafi</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Občutljivost</translation>
    </message>
    <message>
        <source>Rule conflicts</source>
        <translation>Konflikti pravil</translation>
    </message>
    <message>
        <source>Targets</source>
        <translation>Cilji</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Pojasnilo</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>P&amp;oročilo</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>Pi&amp;sava...</translation>
    </message>
    <message>
        <source>Create Report</source>
        <translation>Izdelava poročila</translation>
    </message>
    <message>
        <source>Sections</source>
        <translation>Razdelki</translation>
    </message>
    <message>
        <source>The ticked sections make up the report</source>
        <translation>Označeni razdelki sestavljajo poročilo</translation>
    </message>
    <message>
        <source>Make the report of the ticked sections and show it</source>
        <translation>Izdelaj poročilo označenih razdelkov in ga pokaži</translation>
    </message>
    <message>
        <source>Make no report</source>
        <translation>Ne izdelaj poročila</translation>
    </message>
    <message>
        <source>Choose the font of the reports</source>
        <translation>Izberi pisavo poročil</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Pisava</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Variante</translation>
    </message>
    <message>
        <source>Eva&amp;luation</source>
        <translation>Vre&amp;dnotenje</translation>
    </message>
    <message>
        <source>&amp;Graphs</source>
        <translation>&amp;Grafi</translation>
    </message>
    <message>
        <source>The attribute tree, scales and utility functions</source>
        <translation>Drevo atributov, zaloge vrednosti in funkcije koristnosti</translation>
    </message>
    <message>
        <source>The options by the values of basic attributes</source>
        <translation>Variante po vrednostih osnovnih atributov</translation>
    </message>
    <message>
        <source>The options evaluated on every attribute</source>
        <translation>Variante, ovrednotene pri vsakem atributu</translation>
    </message>
    <message>
        <source>Graphs of chosen attributes and options</source>
        <translation>Grafi izbranih atributov in variant</translation>
    </message>
    <message>
        <source>&amp;Delete subtree or item</source>
        <translation>Izbri&amp;ši poddrevo ali element</translation>
    </message>
    <message>
        <source>Delete|Delete subtree or item</source>
        <translation>Izbriši|Izbriši poddrevo ali element</translation>
    </message>
    <message>
        <source>Duplicate|Duplicate subtree or item</source>
        <translation>Podvoji|Podvoji poddrevo ali element</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Premakni &amp;gor</translation>
    </message>
    <message>
        <source>Move up|Move subtree or item upwards</source>
        <translation>Premakni gor|Premakni poddrevo ali element navzgor</translation>
    </message>
    <message>
        <source>S&amp;cale...</source>
        <translation>Zaloga &amp;vrednosti...</translation>
    </message>
    <message>
        <source>Scale|Change scale</source>
        <translation>Zaloga vrednosti|Spremeni zalogo vrednosti</translation>
    </message>
    <message>
        <source>Delete domai&amp;n</source>
        <translation>Izbriši zalogo vred&amp;nosti</translation>
    </message>
    <message>
        <source>Delete scale</source>
        <translation>Izbriši zalogo vrednosti</translation>
    </message>
    <message>
        <source>&amp;Utility function...</source>
        <translation>&amp;Funkcija koristnosti...</translation>
    </message>
    <message>
        <source>Utility function|Change utility function</source>
        <translation>Funkcija koristnosti|Spremeni funkcijo koristnosti</translation>
    </message>
    <message>
        <source>Delete function</source>
        <translation>Izbriši funkcijo</translation>
    </message>
    <message>
        <source>Edit model structure</source>
        <translation>Urejanje zgradbe modela</translation>
    </message>
    <message>
        <source>The attribute tree of the model; each attribute&apos;s inputs are its children</source>
        <translation>Drevo atributov modela; vhodi vsakega atributa so njegovi otroci</translation>
    </message>
    <message>
        <source>The name of the selected attribute</source>
        <translation>Ime izbranega atributa</translation>
    </message>
    <message>
        <source>The description of the selected attribute</source>
        <translation>Opis izbranega atributa</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Ime</translation>
    </message>
    <message>
        <source>De&amp;scription</source>
        <translation>&amp;Opis</translation>
    </message>
    <message>
        <source>S&amp;cale</source>
        <translation>&amp;Zaloga vrednosti</translation>
    </message>
    <message>
        <source>Scale...</source>
        <translation>Zaloga vrednosti...</translation>
    </message>
    <message>
        <source>The scale of the selected attribute, chosen among the model&apos;s scales</source>
        <translation>Zaloga vrednosti izbranega atributa, izbrana med zalogami vrednosti modela</translation>
    </message>
    <message>
        <source>&amp;Utility function</source>
        <translation>&amp;Funkcija koristnosti</translation>
    </message>
    <message>
        <source>Function...</source>
        <translation>Funkcija...</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Shrani datoteko</translation>
    </message>
    <message>
        <source>Decision model Ubic (*.ubm)</source>
        <translation>Odločitveni model Ubic (*.ubm)</translation>
    </message>
    <message>
        <source>Model jKIV (*.xml)</source>
        <translation>Model jKIV (*.xml)</translation>
    </message>
    <message>
        <source>KIV ASCII Interchange (*.kvx)</source>
        <translation>Izmenjava KIV ASCII (*.kvx)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>in še %1</translation>
    </message>
    <message>
        <source>Entered rule</source>
        <translation>Vneseno pravilo</translation>
    </message>
    <message>
        <source>Derived rule</source>
        <translation>Izpeljano pravilo</translation>
    </message>
    <message>
        <source>Rule %1 conflicts with %2 %3.</source>
        <translation>Pravilo %1 je v konfliktu s/z %2 %3.</translation>
    </message>
    <message>
        <source>rule</source>
        <translation>pravilom</translation>
    </message>
    <message>
        <source>rules</source>
        <translation>pravili</translation>
    </message>
    <message>
        <source>Value of the attribute for the current rule</source>
        <translation>Vrednost atributa za trenutno pravilo</translation>
    </message>
    <message>
        <source>Decision rules|Show decision rules</source>
        <translation>Odločitvena pravila|Pokaži odločitvena pravila</translation>
    </message>
    <message>
        <source>Weights|Define weights of attributes</source>
        <translation>Uteži|Določi uteži atributov</translation>
    </message>
    <message>
        <source>&amp;use weights</source>
        <translation>&amp;uporabi uteži</translation>
    </message>
    <message>
        <source>Open rules are filled by the weighted approximation</source>
        <translation>Odprta pravila se zapolnijo z uteženim približkom</translation>
    </message>
    <message>
        <source>One rule per combination of the inputs&apos; values; digit keys give the rule&apos;s value</source>
        <translation>Eno pravilo za vsako kombinacijo vrednosti vhodov; številske tipke dajo vrednost pravila</translation>
    </message>
    <message>
        <source>Keep the decision rules</source>
        <translation>Obdrži odločitvena pravila</translation>
    </message>
    <message>
        <source>Leave the decision rules as they were</source>
        <translation>Pusti odločitvena pravila nespremenjena</translation>
    </message>
    <message>
        <source>Decision rules %1</source>
        <translation>Odločitvena pravila %1</translation>
    </message>
    <message>
        <source>Conflicting rules: %1.</source>
        <translation>Nasprotujoča si pravila: %1.</translation>
    </message>
    <message>
        <source>Ubic Help</source>
        <translation>Pomoč za Ubic</translation>
    </message>
    <message>
        <source>Search the manual</source>
        <translation>Išči po priročniku</translation>
    </message>
    <message>
        <source>Search|Find the text in all pages of the manual (Enter finds the next)</source>
        <translation>Iskanje|Najdi besedilo na vseh straneh priročnika (Enter najde naslednjega)</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Iskanje:</translation>
    </message>
    <message>
        <source>&lt;p&gt;The user manual is not installed.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Uporabniški priročnik ni nameščen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>No page of the manual holds &quot;%1&quot;.</source>
        <translation>Nobena stran priročnika ne vsebuje &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Zahtevana</translation>
    </message>
    <message>
        <source>Weight of %1</source>
        <translation>Utež za %1</translation>
    </message>
    <message>
        <source>The weight the input is required to have</source>
        <translation>Utež, ki naj jo ima vhod</translation>
    </message>
    <message>
        <source>Required weight of %1</source>
        <translation>Zahtevana utež za %1</translation>
    </message>
    <message>
        <source>The weight the input is required to have, as a number</source>
        <translation>Utež, ki naj jo ima vhod, kot število</translation>
    </message>
    <message>
        <source>Weight normalization</source>
        <translation>Normiranje uteži</translation>
    </message>
    <message>
        <source>&amp;Sum 100</source>
        <translation>Vs&amp;ota 100</translation>
    </message>
    <message>
        <source>&amp;Max 100</source>
        <translation>&amp;Največ 100</translation>
    </message>
    <message>
        <source>Scale the required weights so that they sum to 100</source>
        <translation>Preračunaj zahtevane uteži, da je njihova vsota 100</translation>
    </message>
    <message>
        <source>Scale the required weights so that the largest is 100</source>
        <translation>Preračunaj zahtevane uteži, da je največja 100</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Uporabi</translation>
    </message>
    <message>
        <source>Keep the required weights and close</source>
        <translation>Obdrži zahtevane uteži in zapri</translation>
    </message>
    <message>
        <source>Keep the required weights and show the actual ones they give</source>
        <translation>Obdrži zahtevane uteži in pokaži dejanske, ki iz njih sledijo</translation>
    </message>
    <message>
        <source>Close without changing the rules</source>
        <translation>Zapri brez spreminjanja pravil</translation>
    </message>
    <message>
        <source>Weights: %1</source>
        <translation>Uteži: %1</translation>
    </message>
    <message>
        <source>Actual</source>
        <translation>Dejanska</translation>
    </message>
    <message>
        <source>Sensitivity of %1</source>
        <translation>Občutljivost za %1</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Od</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>(as it is)</source>
        <translation>(kot je)</translation>
    </message>
    <message>
        <source>The results when one value of the option is one step lower or higher</source>
        <translation>Rezultati, ko je ena vrednost variante korak nižja ali višja</translation>
    </message>
    <message>
        <source>Close the sensitivity table</source>
        <translation>Zapri tabelo občutljivosti</translation>
    </message>
    <message>
        <source>Each single value one step lower and higher: better results green, worse red.</source>
        <translation>Vsaka posamezna vrednost korak nižje in višje: boljši rezultati zeleno, slabši rdeče.</translation>
    </message>
    <message>
        <source>Strong point: a good value</source>
        <translation>Prednost: dobra vrednost</translation>
    </message>
    <message>
        <source>Weak point: a bad value</source>
        <translation>Slabost: slaba vrednost</translation>
    </message>
    <message>
        <source> gives </source>
        <translation> da </translation>
    </message>
    <message>
        <source>Decided by</source>
        <translation>Odločeno s</translation>
    </message>
    <message>
        <source>One step changes it</source>
        <translation>En korak ga spremeni</translation>
    </message>
    <message>
        <source>Copy|Copy the explanation as text</source>
        <translation>Kopiraj|Kopiraj pojasnilo kot besedilo</translation>
    </message>
    <message>
        <source>Explanation of %1</source>
        <translation>Pojasnilo za %1</translation>
    </message>
    <message>
        <source>How the option&apos;s value of every attribute follows from the values of its inputs</source>
        <translation>Kako vrednost variante pri vsakem atributu sledi iz vrednosti njegovih vhodov</translation>
    </message>
    <message>
        <source>Copy the explanation as text</source>
        <translation>Kopiraj pojasnilo kot besedilo</translation>
    </message>
    <message>
        <source>Close the explanation</source>
        <translation>Zapri pojasnilo</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Datoteke CSV (*.csv)</translation>
    </message>
    <message>
        <source>Import options</source>
        <translation>Uvozi variante</translation>
    </message>
    <message>
        <source>Replace the %d existing options by the %d imported ones?<byte value="xd"/>Yes replaces them, No adds the imported options after them.</source>
        <translation>Zamenjam %d obstoječih variant z %d uvoženimi?<byte value="xd"/>Da jih zamenja, Ne doda uvožene variante za njimi.</translation>
    </message>
    <message>
        <source>Export evaluation</source>
        <translation>Izvozi vrednotenje</translation>
    </message>
    <message>
        <source>Export options</source>
        <translation>Izvozi variante</translation>
    </message>
    <message>
        <source> options</source>
        <translation> variante</translation>
    </message>
    <message>
        <source>The printer failed.</source>
        <translation>Tiskalnik je odpovedal.</translation>
    </message>
    <message>
        <source>The printer cannot print.</source>
        <translation>Tiskalnik ne more tiskati.</translation>
    </message>
    <message>
        <source>The printer cannot start a new page.</source>
        <translation>Tiskalnik ne more začeti nove strani.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 ni mogoče zapisati.</translation>
    </message>
    <message>
        <source>Ubic report page</source>
        <translation>Stran poročila Ubic</translation>
    </message>
    <message>
        <source>bad</source>
        <translation>slabo</translation>
    </message>
    <message>
        <source>good</source>
        <translation>dobro</translation>
    </message>
    <message>
        <source>other, top of a range</source>
        <translation>drugo, vrh razpona</translation>
    </message>
    <message>
        <source>not evaluated</source>
        <translation>ni ovrednoteno</translation>
    </message>
    <message>
        <source>other</source>
        <translation>drugo</translation>
    </message>
    <message>
        <source>No graph: the model has no options</source>
        <translation>Ni grafa: model nima variant</translation>
    </message>
    <message>
        <source>No graph: tick attributes on the Graphs page&apos;s Attributes tab</source>
        <translation>Ni grafa: označite atribute na zavihku Atributi strani Grafi</translation>
    </message>
    <message>
        <source>No graph: all options are hidden; tick some on the Graphs page&apos;s Options tab</source>
        <translation>Ni grafa: vse variante so skrite; nekatere označite na zavihku Variante strani Grafi</translation>
    </message>
    <message>
        <source>Lowest values</source>
        <translation>Najnižje vrednosti</translation>
    </message>
    <message>
        <source>Highest values</source>
        <translation>Najvišje vrednosti</translation>
    </message>
    <message>
        <source>All options|show all options</source>
        <translation>Vse variante|pokaži vse variante</translation>
    </message>
    <message>
        <source>Name values|Show name with value</source>
        <translation>Imena vrednosti|Pokaži ime pri vrednosti</translation>
    </message>
    <message>
        <source>Named &amp;options</source>
        <translation>Imenovane &amp;variante</translation>
    </message>
    <message>
        <source>Na options|Show names with option</source>
        <translation>Imena|Pokaži imena pri variantah</translation>
    </message>
    <message>
        <source>Copy|Copy graph</source>
        <translation>Kopiraj|Kopiraj graf</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nov</translation>
    </message>
    <message>
        <source>New file|Open a new, empty file</source>
        <translation>Nova datoteka|Odpri novo, prazno datoteko</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Odpri</translation>
    </message>
    <message>
        <source>Open|Open saved file</source>
        <translation>Odpri|Odpri shranjeno datoteko</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zapri</translation>
    </message>
    <message>
        <source>Close|Close file</source>
        <translation>Zapri|Zapri datoteko</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Shrani</translation>
    </message>
    <message>
        <source>Save|Save file</source>
        <translation>Shrani|Shrani datoteko</translation>
    </message>
    <message>
        <source>&amp;Report...</source>
        <translation>&amp;Poročilo...</translation>
    </message>
    <message>
        <source>Report|Make report</source>
        <translation>Poročilo|Izdelaj poročilo</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Prilepi</translation>
    </message>
    <message>
        <source>Paste|Inserts Clipboard contents</source>
        <translation>Prilepi|Vstavi vsebino odložišča</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Razveljavi</translation>
    </message>
    <message>
        <source>Undo|Takes back the last edit</source>
        <translation>Razveljavi|Prekliče zadnje urejanje</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Uveljavi &amp;znova</translation>
    </message>
    <message>
        <source>Redo|Makes the edit taken back again</source>
        <translation>Uveljavi znova|Ponovno izvede razveljavljeno urejanje</translation>
    </message>
    <message>
        <source>&amp;Add value</source>
        <translation>&amp;Dodaj vrednost</translation>
    </message>
    <message>
        <source>&amp;Delete value</source>
        <translation>I&amp;zbriši vrednost</translation>
    </message>
    <message>
        <source>Edit &amp;value</source>
        <translation>Uredi &amp;vrednost</translation>
    </message>
    <message>
        <source>Edit value...|Edit value...</source>
        <translation>Uredi vrednost...|Uredi vrednost...</translation>
    </message>
    <message>
        <source>&amp;Add option</source>
        <translation>&amp;Dodaj varianto</translation>
    </message>
    <message>
        <source>Add|Add new option</source>
        <translation>Dodaj|Dodaj novo varianto</translation>
    </message>
    <message>
        <source>&amp;Delete option</source>
        <translation>Iz&amp;briši varianto</translation>
    </message>
    <message>
        <source>Delete|Delete option</source>
        <translation>Izbriši|Izbriši varianto</translation>
    </message>
    <message>
        <source>Cut|Cut option</source>
        <translation>Izreži|Izreži varianto</translation>
    </message>
    <message>
        <source>Copy|Copy option</source>
        <translation>Kopiraj|Kopiraj varianto</translation>
    </message>
    <message>
        <source>Paste|Paste option</source>
        <translation>Prilepi|Prilepi varianto</translation>
    </message>
    <message>
        <source>&amp;Add attribute</source>
        <translation>&amp;Dodaj atribut</translation>
    </message>
    <message>
        <source>Add|Add new attribute</source>
        <translation>Dodaj|Dodaj nov atribut</translation>
    </message>
    <message>
        <source>Cut|Cut subtree or item</source>
        <translation>Izreži|Izreži poddrevo ali element</translation>
    </message>
    <message>
        <source>Copy|Copy subtree or item</source>
        <translation>Kopiraj|Kopiraj poddrevo ali element</translation>
    </message>
    <message>
        <source>Paste|Paste subtree or item</source>
        <translation>Prilepi|Prilepi poddrevo ali element</translation>
    </message>
    <message>
        <source>Probability</source>
        <translation>Verjetnost</translation>
    </message>
    <message>
        <source>&amp;Distributions</source>
        <translation>Po&amp;razdelitve</translation>
    </message>
    <message>
        <source>Distributions|Show each option&apos;s probabilities of the attribute&apos;s values</source>
        <translation>Porazdelitve|Prikaže verjetnosti vrednosti atributa za vsako varianto</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metoda</translation>
    </message>
    <message>
        <source>How uncertain values are evaluated: as sets of values, as probabilities or as fuzzy degrees</source>
        <translation>Kako se vrednotijo negotove vrednosti: kot množice vrednosti, kot verjetnosti ali kot mehke stopnje</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Metoda:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Metoda:</translation>
    </message>
</context>
<context>
    <name>ubic::edits</name>
    <message>
        <source>Add attribute</source>
        <translation>Dodaj atribut</translation>
    </message>
    <message>
        <source>Delete attribute</source>
        <translation>Izbriši atribut</translation>
    </message>
    <message>
        <source>Cut attribute</source>
        <translation>Izreži atribut</translation>
    </message>
    <message>
        <source>Paste attribute</source>
        <translation>Prilepi atribut</translation>
    </message>
    <message>
        <source>Duplicate attribute</source>
        <translation>Podvoji atribut</translation>
    </message>
    <message>
        <source>Move attribute</source>
        <translation>Premakni atribut</translation>
    </message>
    <message>
        <source>Drag attribute</source>
        <translation>Povleci atribut</translation>
    </message>
    <message>
        <source>Rename attribute</source>
        <translation>Preimenuj atribut</translation>
    </message>
    <message>
        <source>Edit description</source>
        <translation>Uredi opis</translation>
    </message>
    <message>
        <source>Change scale</source>
        <translation>Spremeni zalogo vrednosti</translation>
    </message>
    <message>
        <source>Edit scale</source>
        <translation>Uredi zalogo vrednosti</translation>
    </message>
    <message>
        <source>Edit function</source>
        <translation>Uredi funkcijo</translation>
    </message>
    <message>
        <source>Delete function</source>
        <translation>Izbriši funkcijo</translation>
    </message>
    <message>
        <source>Add option</source>
        <translation>Dodaj varianto</translation>
    </message>
    <message>
        <source>Delete option</source>
        <translation>Izbriši varianto</translation>
    </message>
    <message>
        <source>Paste option</source>
        <translation>Prilepi varianto</translation>
    </message>
    <message>
        <source>Add option from target</source>
        <translation>Dodaj varianto iz cilja</translation>
    </message>
    <message>
        <source>Rename option</source>
        <translation>Preimenuj varianto</translation>
    </message>
    <message>
        <source>Change value</source>
        <translation>Spremeni vrednost</translation>
    </message>
    <message>
        <source>Select options</source>
        <translation>Izberi variante</translation>
    </message>
    <message>
        <source>Import options</source>
        <translation>Uvozi variante</translation>
    </message>
    <message>
        <source>Rename model</source>
        <translation>Preimenuj model</translation>
    </message>
    <message>
        <source>Edit model description</source>
        <translation>Uredi opis modela</translation>
    </message>
    <message>
        <source>Reload from disk</source>
        <translation>Ponovno naloži z diska</translation>
    </message>
</context>
<context>
    <name>ubic::ubicstr</name>
    <message>
        <source>Trying to destroy an already destroyed object &quot;%s&quot;</source>
        <translation>Poskus uničenja že uničenega objekta &quot;%s&quot;</translation>
    </message>
    <message>
        <source>%d pending objects upon exit</source>
        <translation>%d nerešenih objektov ob izhodu</translation>
    </message>
    <message>
        <source>Unknown file format: &quot;%s&quot;</source>
        <translation>Neznana oblika datoteke: &quot;%s&quot;</translation>
    </message>
    <message>
        <source>File &quot;%s&quot; holds binary data, not a model.</source>
        <translation>Datoteka &quot;%s&quot; vsebuje binarne podatke, ne modela.</translation>
    </message>
    <message>
        <source>Unknown string list format</source>
        <translation>Neznana oblika seznama nizov</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Koren</translation>
    </message>
    <message>
        <source>Attributes: %d (%d basic, %d complex)   |   Scales: %d   |   Functions: %d   |   Options: %d</source>
        <translation>Atributi: %d (%d osnovnih, %d sestavljenih)   |   Zaloge vrednosti: %d   |   Funkcije: %d   |   Variante: %d</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>Adding a new attribute will delete the function &quot;%s&quot;.<byte value="xd"/>Do you still want to add a new attribute?</source>
        <translation>Dodajanje novega atributa bo izbrisalo funkcijo &quot;%s&quot;.<byte value="xd"/>Ali še vedno želite dodati nov atribut?</translation>
    </message>
    <message>
        <source>Do you want to delete the main attribute &quot;%s&quot;?</source>
        <translation>Ali želite izbrisati glavni atribut &quot;%s&quot;?</translation>
    </message>
    <message>
        <source>Do you want to delete all subattributes &quot;%s&quot;?</source>
        <translation>Ali želite izbrisati vse podatribute &quot;%s&quot;?</translation>
    </message>
    <message>
        <source>This will also delete the utility function of the attribute.</source>
        <translation>To bo izbrisalo tudi funkcijo koristnosti atributa.</translation>
    </message>
    <message>
        <source>This will also delete the function &quot;%s&quot;.</source>
        <translation>To bo izbrisalo tudi funkcijo &quot;%s&quot;.</translation>
    </message>
    <message>
        <source>Cutting this subtree will delete the function &quot;%s&quot;.<byte value="xd"/>Do you still want to cut the subtree?</source>
        <translation>Izrez tega poddrevesa bo izbrisal funkcijo &quot;%s&quot;.<byte value="xd"/>Ali še vedno želite izrezati poddrevo?</translation>
    </message>
    <message>
        <source>Pasting this subtree will delete the function &quot;%s&quot;.<byte value="xd"/>Do you still want to paste the subtree?</source>
        <translation>Lepljenje tega poddrevesa bo izbrisalo funkcijo &quot;%s&quot;.<byte value="xd"/>Ali še vedno želite prilepiti poddrevo?</translation>
    </message>
    <message>
        <source>This moving operation will delete the function &quot;%s&quot;.<byte value="xd"/>Do you still want to move the subtree?</source>
        <translation>To premikanje bo izbrisalo funkcijo &quot;%s&quot;.<byte value="xd"/>Ali še vedno želite premakniti poddrevo?</translation>
    </message>
    <message>
        <source>This moving operation will delete the functions &quot;%s&quot; and &quot;%s&quot;.<byte value="xd"/>Do you still want to move the subtree?</source>
        <translation>To premikanje bo izbrisalo funkciji &quot;%s&quot; in &quot;%s&quot;.<byte value="xd"/>Ali še vedno želite premakniti poddrevo?</translation>
    </message>
    <message>
        <source>File &quot;%s&quot; already exists. Do you want to overwrite the file?</source>
        <translation>Datoteka &quot;%s&quot; že obstaja. Ali jo želite prepisati?</translation>
    </message>
    <message>
        <source>File &quot;%s&quot; was changed on disk since it was opened or saved. Overwrite it?</source>
        <translation>Datoteka &quot;%s&quot; je bila na disku spremenjena, odkar je bila odprta ali shranjena. Jo prepišem?</translation>
    </message>
    <message>
        <source>File &quot;%s&quot; was changed on disk since it was opened or saved.<byte value="xd"/>Reload it? Undo takes the reload back; No keeps the model of this window.</source>
        <translation>Datoteka &quot;%s&quot; je bila na disku spremenjena, odkar je bila odprta ali shranjena.<byte value="xd"/>Jo ponovno naložim? Razveljavi prekliče ponovno nalaganje; Ne obdrži model tega okna.</translation>
    </message>
    <message>
        <source>File &quot;%s&quot; is open in the window &quot;%s&quot;. Close that window first, or save under another name.</source>
        <translation>Datoteka &quot;%s&quot; je odprta v oknu &quot;%s&quot;. Najprej zaprite to okno ali shranite pod drugim imenom.</translation>
    </message>
    <message>
        <source>%s<byte value="xd"/>Write the file all the same? Cancel writes nothing.</source>
        <translation>%s<byte value="xd"/>Vseeno zapišem datoteko? Prekliči ne zapiše ničesar.</translation>
    </message>
    <message>
        <source>Save model &quot;%s&quot; as file &quot;%s&quot;?</source>
        <translation>Shranim model &quot;%s&quot; kot datoteko &quot;%s&quot;?</translation>
    </message>
    <message>
        <source>Save model &quot;%s&quot; as file?</source>
        <translation>Shranim model &quot;%s&quot; kot datoteko?</translation>
    </message>
    <message>
        <source>Deleting the value &quot;%s&quot; takes it from %s.<byte value="xd"/>Do you still want to delete the value?</source>
        <translation>Brisanje vrednosti &quot;%s&quot; jo odstrani iz: %s.<byte value="xd"/>Ali še vedno želite izbrisati vrednost?</translation>
    </message>
    <message>
        <source>%d option</source>
        <translation>%d varianta</translation>
    </message>
    <message>
        <source>%d options</source>
        <translation>%d variant</translation>
    </message>
    <message>
        <source>%d entered rule</source>
        <translation>%d vneseno pravilo</translation>
    </message>
    <message>
        <source>%d entered rules</source>
        <translation>%d vnesenih pravil</translation>
    </message>
    <message>
        <source>&lt;undefined&gt;</source>
        <translation>&lt;nedoločeno&gt;</translation>
    </message>
    <message>
        <source>Unknown function &quot;%s&quot;</source>
        <translation>Neznana funkcija &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Unacceptable list of function parameters &quot;%s&quot;: &quot;%s&quot;</source>
        <translation>Nesprejemljiv seznam parametrov funkcije &quot;%s&quot;: &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Function &quot;%s&quot; can not be built</source>
        <translation>Funkcije &quot;%s&quot; ni mogoče zgraditi</translation>
    </message>
    <message>
        <source>Unknown attribute value &quot;%s&quot;: &quot;%s&quot;</source>
        <translation>Neznana vrednost atributa &quot;%s&quot;: &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Ambiguous attribute value &quot;%s&quot;: &quot;%s&quot; could be %s</source>
        <translation>Dvoumna vrednost atributa &quot;%s&quot;: &quot;%s&quot; je lahko %s</translation>
    </message>
    <message>
        <source>The file includes more than 1 group; Ubic will use only the first.<byte value="xd"/></source>
        <translation>Datoteka vsebuje več kot 1 skupino; Ubic bo uporabil le prvo.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The file includes distributed option values, Ubic will use then only partially.<byte value="xd"/></source>
        <translation>Datoteka vsebuje porazdeljene vrednosti variant, Ubic jih bo uporabil le delno.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The function of &quot;%s&quot; uses weights, which the %s file can not hold; it will read back without them.<byte value="xd"/></source>
        <translation>Funkcija &quot;%s&quot; uporablja uteži, ki jih datoteka %s ne more hraniti; prebrana bo brez njih.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The attribute &quot;%s&quot; has options whose values have weights, which the %s file can not hold; it writes the sets of their values of positive weight.<byte value="xd"/></source>
        <translation>Atribut &quot;%s&quot; ima variante, katerih vrednosti imajo uteži, česar datoteka %s ne more hraniti; zapiše množice njihovih vrednosti s pozitivno utežjo.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The attribute &quot;%s&quot; has options without a value, which the %s file writes as any value (&quot;*&quot;).<byte value="xd"/></source>
        <translation>Atribut &quot;%s&quot; ima variante brez vrednosti, ki jih datoteka %s zapiše kot poljubno vrednost (&quot;*&quot;).<byte value="xd"/></translation>
    </message>
    <message>
        <source>An attribute has an empty name, which the jKIV file can not refer to; the file calls it &quot;%s&quot;.<byte value="xd"/></source>
        <translation>Atribut ima prazno ime, na katerega se datoteka jKIV ne more sklicevati; datoteka ga imenuje &quot;%s&quot;.<byte value="xd"/></translation>
    </message>
    <message>
        <source>More than one attribute is named &quot;%s&quot; (letter case aside), which the jKIV file can not tell apart; the file calls one of them &quot;%s&quot;.<byte value="xd"/></source>
        <translation>Več kot en atribut se imenuje &quot;%s&quot; (ne glede na velike in male črke), česar datoteka jKIV ne more razlikovati; datoteka enega od njih imenuje &quot;%s&quot;.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The attribute name &quot;%s&quot; contains &quot;;&quot;, which the jKIV file uses to separate names; the file calls the attribute &quot;%s&quot;.<byte value="xd"/></source>
        <translation>Ime atributa &quot;%s&quot; vsebuje &quot;;&quot;, s katerim datoteka jKIV ločuje imena; datoteka atribut imenuje &quot;%s&quot;.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The scale &quot;%s&quot; has a value with an empty name, which the jKIV file can not refer to; the file calls it &quot;%s&quot;.<byte value="xd"/></source>
        <translation>Zaloga vrednosti &quot;%s&quot; ima vrednost s praznim imenom, na katero se datoteka jKIV ne more sklicevati; datoteka jo imenuje &quot;%s&quot;.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The scale &quot;%s&quot; has more than one value named &quot;%s&quot;, which the jKIV file can not tell apart; the file calls one of them &quot;%s&quot;.<byte value="xd"/></source>
        <translation>Zaloga vrednosti &quot;%s&quot; ima več vrednosti z imenom &quot;%s&quot;, česar datoteka jKIV ne more razlikovati; datoteka eno od njih imenuje &quot;%s&quot;.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The scale &quot;%s&quot; has the value name &quot;%s&quot;, which contains &quot;;&quot;, the separator of names in the jKIV file; the file calls the value &quot;%s&quot;.<byte value="xd"/></source>
        <translation>Zaloga vrednosti &quot;%s&quot; ima ime vrednosti &quot;%s&quot;, ki vsebuje &quot;;&quot;, ločilo imen v datoteki jKIV; datoteka vrednost imenuje &quot;%s&quot;.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The option &quot;%s&quot; has for &quot;%s&quot; a value the jKIV file can not hold (a set of values or none of its scale); the file says &quot;*&quot;.<byte value="xd"/></source>
        <translation>Varianta &quot;%s&quot; ima za &quot;%s&quot; vrednost, ki je datoteka jKIV ne more hraniti (množico vrednosti ali nobene iz zaloge vrednosti); datoteka zapiše &quot;*&quot;.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The function of &quot;%s&quot; has rules with an interval of values, of which the jKIV file keeps only the lowest value.<byte value="xd"/></source>
        <translation>Funkcija &quot;%s&quot; ima pravila z intervalom vrednosti, od katerega datoteka jKIV obdrži le najnižjo vrednost.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The function of &quot;%s&quot; has computed rules, which the jKIV file can not tell from entered ones; they will read back as entered.<byte value="xd"/></source>
        <translation>Funkcija &quot;%s&quot; ima izračunana pravila, ki jih datoteka jKIV ne more ločiti od vnesenih; prebrana bodo kot vnesena.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The function of &quot;%s&quot; has rules with a value not on its scale, which the jKIV file can not name; they will read back undefined.<byte value="xd"/></source>
        <translation>Funkcija &quot;%s&quot; ima pravila z vrednostjo zunaj njene zaloge vrednosti, ki je datoteka jKIV ne more poimenovati; prebrana bodo kot nedoločena.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The attribute &quot;%s&quot; has a function although its inputs or its scale allow no rules, which the jKIV file can not hold; it is left out.<byte value="xd"/></source>
        <translation>Atribut &quot;%s&quot; ima funkcijo, čeprav njegovi vhodi ali zaloga vrednosti ne dopuščajo pravil, česar datoteka jKIV ne more hraniti; funkcija je izpuščena.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The model&apos;s name or description holds line breaks, which the KVX file writes as blanks.<byte value="xd"/></source>
        <translation>Ime ali opis modela vsebuje prelome vrstic, ki jih datoteka KVX zapiše kot presledke.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The name of the option &quot;%s&quot; holds line breaks, which the KVX file writes as blanks.<byte value="xd"/></source>
        <translation>Ime variante &quot;%s&quot; vsebuje prelome vrstic, ki jih datoteka KVX zapiše kot presledke.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The name or description of the attribute &quot;%s&quot; holds line breaks, which the KVX file writes as blanks.<byte value="xd"/></source>
        <translation>Ime ali opis atributa &quot;%s&quot; vsebuje prelome vrstic, ki jih datoteka KVX zapiše kot presledke.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The scale of &quot;%s&quot; has value names or descriptions with line breaks, which the KVX file writes as blanks.<byte value="xd"/></source>
        <translation>Zaloga vrednosti &quot;%s&quot; ima imena ali opise vrednosti s prelomi vrstic, ki jih datoteka KVX zapiše kot presledke.<byte value="xd"/></translation>
    </message>
    <message>
        <source>The option &quot;%s&quot; has for &quot;%s&quot; a set of values, the first of the file, which reading the KVX file turns into any value (&quot;*&quot;).<byte value="xd"/></source>
        <translation>Varianta &quot;%s&quot; ima za &quot;%s&quot; množico vrednosti, prvo v datoteki, ki jo branje datoteke KVX spremeni v poljubno vrednost (&quot;*&quot;).<byte value="xd"/></translation>
    </message>
    <message>
        <source>The scale &quot;%s&quot; can not hold more than %d values</source>
        <translation>Zaloga vrednosti &quot;%s&quot; ne more imeti več kot %d vrednosti</translation>
    </message>
    <message>
        <source>A scale needs at least 2 values</source>
        <translation>Zaloga vrednosti potrebuje vsaj 2 vrednosti</translation>
    </message>
    <message>
        <source>Value %d has no name</source>
        <translation>Vrednost %d nima imena</translation>
    </message>
    <message>
        <source>Values %d &quot;%s&quot; and %d &quot;%s&quot; differ only in letter case or blanks</source>
        <translation>Vrednosti %d &quot;%s&quot; in %d &quot;%s&quot; se razlikujeta le v velikih in malih črkah ali presledkih</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Pravila:</translation>
    </message>
    <message>
        <source>determined:</source>
        <translation>določeno:</translation>
    </message>
    <message>
        <source>open rules stay *</source>
        <translation>odprta pravila ostanejo *</translation>
    </message>
    <message>
        <source>open rules follow the weights</source>
        <translation>odprta pravila sledijo utežem</translation>
    </message>
    <message>
        <source>weights wait for more entered rules</source>
        <translation>uteži čakajo na več vnesenih pravil</translation>
    </message>
    <message>
        <source>The newly created table would consist of %d rules, which is too much. You have to rearrange the tree below the attribute %s: reduce the number of descendants and/or their scale sizes .</source>
        <translation>Nova tabela bi imela %d pravil, kar je preveč. Drevo pod atributom %s morate preurediti: zmanjšajte število potomcev in/ali velikost njihovih zalog vrednosti.</translation>
    </message>
    <message>
        <source>You are about to create a table consisting of %d rules, which is very large. You should rearrange the tree below the attribute %s: reduce the number of descendants and/or their scale sizes .<byte value="xd"/><byte value="xd"/>Do you still want to create the large table?</source>
        <translation>Ustvarili boste tabelo s %d pravili, kar je zelo veliko. Drevo pod atributom %s bi morali preurediti: zmanjšajte število potomcev in/ali velikost njihovih zalog vrednosti.<byte value="xd"/><byte value="xd"/>Ali še vedno želite ustvariti veliko tabelo?</translation>
    </message>
    <message>
        <source>Tree of attributes</source>
        <translation>Drevo atributov</translation>
    </message>
    <message>
        <source>Scales</source>
        <translation>Zaloge vrednosti</translation>
    </message>
    <message>
        <source>Decision rules (table)</source>
        <translation>Odločitvena pravila (tabela)</translation>
    </message>
    <message>
        <source>Decision rules</source>
        <translation>Odločitvena pravila</translation>
    </message>
    <message>
        <source>Rule conflicts</source>
        <translation>Konflikti pravil</translation>
    </message>
    <message>
        <source>No rule conflicts.</source>
        <translation>Ni konfliktov pravil.</translation>
    </message>
    <message>
        <source>Average weights</source>
        <translation>Povprečne uteži</translation>
    </message>
    <message>
        <source>Evaluation results</source>
        <translation>Rezultati vrednotenja</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Občutljivost</translation>
    </message>
    <message>
        <source>Targets</source>
        <translation>Cilji</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Pojasnilo</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Stran </translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation>Atribut</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Zaloga vrednosti</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Vrednost</translation>
    </message>
    <message>
        <source>Decided by</source>
        <translation>Odločeno s</translation>
    </message>
    <message>
        <source>One step changes it</source>
        <translation>En korak ga spremeni</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokalna</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Globalna</translation>
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
        <translation>Od</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Though better than</source>
        <translation>Čeprav boljše od</translation>
    </message>
    <message>
        <source>In</source>
        <translation>Pri</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Rešitev</translation>
    </message>
    <message>
        <source>The list is incomplete: the table is too large to search whole.</source>
        <translation>Seznam ni popoln: tabela je prevelika, da bi jo preiskali v celoti.</translation>
    </message>
    <message>
        <source> at least </source>
        <translation> vsaj </translation>
    </message>
    <message>
        <source> at most </source>
        <translation> največ </translation>
    </message>
    <message>
        <source>Reached already.</source>
        <translation>Že doseženo.</translation>
    </message>
    <message>
        <source>No change of basic values reaches it.</source>
        <translation>Nobena sprememba osnovnih vrednosti ga ne doseže.</translation>
    </message>
    <message>
        <source>and %d more</source>
        <translation>in še %d</translation>
    </message>
    <message>
        <source>Strong points: </source>
        <translation>Prednosti: </translation>
    </message>
    <message>
        <source>Weak points: </source>
        <translation>Slabosti: </translation>
    </message>
    <message>
        <source> gives </source>
        <translation> da </translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>Datoteke ni mogoče prebrati</translation>
    </message>
    <message>
        <source>Unterminated quoted field</source>
        <translation>Nezaključeno polje v narekovajih</translation>
    </message>
    <message>
        <source>no function</source>
        <translation>ni funkcije</translation>
    </message>
    <message>
        <source>The attribute &quot;%s&quot; comes after the function of its parent &quot;%s&quot;</source>
        <translation>Atribut &quot;%s&quot; stoji za funkcijo svojega nadrejenega atributa &quot;%s&quot;</translation>
    </message>
    <message>
        <source>No attribute has the number %d</source>
        <translation>Noben atribut nima številke %d</translation>
    </message>
    <message>
        <source>Attribute number %d is larger than %d</source>
        <translation>Številka atributa %d je večja od %d</translation>
    </message>
    <message>
        <source>Attribute level %d is not between 1 and %d</source>
        <translation>Raven atributa %d ni med 1 in %d</translation>
    </message>
    <message>
        <source>Error reading KVX around line %d: %s</source>
        <translation>Napaka pri branju KVX okoli vrstice %d: %s</translation>
    </message>
    <message>
        <source>Unrecognized section &quot;%s&quot;</source>
        <translation>Neprepoznan razdelek &quot;%s&quot;</translation>
    </message>
    <message>
        <source>The rule tables of the file would consist of more than %d rules together, which is too much.</source>
        <translation>Tabele pravil v datoteki bi imele skupaj več kot %d pravil, kar je preveč.</translation>
    </message>
    <message>
        <source>The attribute &quot;%s&quot; is nested deeper than %d levels</source>
        <translation>Atribut &quot;%s&quot; je vgnezden globlje od %d ravni</translation>
    </message>
    <message>
        <source>Unknown attribute &quot;%s&quot;</source>
        <translation>Neznan atribut &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Attribute &quot;%s&quot; has a column already</source>
        <translation>Atribut &quot;%s&quot; že ima stolpec</translation>
    </message>
    <message>
        <source>Ambiguous attribute &quot;%s&quot; could be %s</source>
        <translation>Dvoumen atribut &quot;%s&quot; je lahko %s</translation>
    </message>
    <message>
        <source>Missing header</source>
        <translation>Manjka glava</translation>
    </message>
    <message>
        <source>The row has %d field, the header %d</source>
        <translation>Vrstica ima %d polje, glava %d</translation>
    </message>
    <message>
        <source>The row has %d fields, the header %d</source>
        <translation>Vrstica ima polj: %d, glava: %d</translation>
    </message>
    <message>
        <source>%s (%s line %d)</source>
        <translation>%s (%s vrstica %d)</translation>
    </message>
    <message>
        <source>Error reading XML around line %d: %s</source>
        <translation>Napaka pri branju XML okoli vrstice %d: %s</translation>
    </message>
    <message>
        <source>A tag expected instead of text &quot;%s&quot;</source>
        <translation>Pričakovana oznaka namesto besedila &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Unterminated tag &quot;%s&quot;</source>
        <translation>Nezaključena oznaka &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Elements nested deeper than %d levels</source>
        <translation>Elementi, vgnezdeni globlje od %d ravni</translation>
    </message>
    <message>
        <source>Missing tag &quot;&lt;/%s&gt;&quot;</source>
        <translation>Manjka oznaka &quot;&lt;/%s&gt;&quot;</translation>
    </message>
    <message>
        <source>Expecting terminating tag &quot;&lt;/%s&gt;&quot; instead of &quot;&lt;/%s&gt;&quot;</source>
        <translation>Pričakovana zaključna oznaka &quot;&lt;/%s&gt;&quot; namesto &quot;&lt;/%s&gt;&quot;</translation>
    </message>
    <message>
        <source>Missing or unrecognized XML header</source>
        <translation>Glava XML manjka ali ni prepoznana</translation>
    </message>
    <message>
        <source>Expecting an opening tag instead of &quot;&lt;/%s&gt;&quot;</source>
        <translation>Pričakovana začetna oznaka namesto &quot;&lt;/%s&gt;&quot;</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;: %s</source>
        <translation>Datoteke &quot;%s&quot; ni mogoče odpreti: %s</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%s&quot;: %s</source>
        <translation>Datoteke &quot;%s&quot; ni mogoče prebrati: %s</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%s&quot;: %s</source>
        <translation>Datoteke &quot;%s&quot; ni mogoče ustvariti: %s</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%s&quot;: %s</source>
        <translation>Datoteke &quot;%s&quot; ni mogoče zapisati: %s</translation>
    </message>
    <message>
        <source>%d conflict</source>
        <translation>%d konflikt</translation>
    </message>
    <message>
        <source>%d conflicts</source>
        <translation>konfliktov: %d</translation>
    </message>
    <message>
        <source>%s, though better than %s in %s</source>
        <translation>%s, čeprav boljše od %s pri %s</translation>
    </message>
    <message>
        <source>rule %d, entered</source>
        <translation>pravilo %d, vneseno</translation>
    </message>
    <message>
        <source>rule %d, undefined</source>
        <translation>pravilo %d, nedefinirano</translation>
    </message>
    <message>
        <source>rule %d, completed by the weights</source>
        <translation>pravilo %d, dopolnjeno z utežmi</translation>
    </message>
    <message>
        <source>rule %d, completed by monotonicity</source>
        <translation>pravilo %d, dopolnjeno z monotonostjo</translation>
    </message>
    <message>
        <source>rule %d, completed by monotonicity from rule %d</source>
        <translation>pravilo %d, dopolnjeno z monotonostjo iz pravila %d</translation>
    </message>
    <message>
        <source>rule %d, completed by monotonicity from rules %d and %d</source>
        <translation>pravilo %d, dopolnjeno z monotonostjo iz pravil %d in %d</translation>
    </message>
    <message>
        <source>Option &quot;%s&quot;, attribute &quot;%s&quot;: the value &quot;%s&quot; has no weight in &quot;%s&quot;</source>
        <translation>Varianta &quot;%s&quot;, atribut &quot;%s&quot;: vrednost &quot;%s&quot; nima uteži v &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Option &quot;%s&quot;, attribute &quot;%s&quot;: unknown value &quot;%s&quot; in &quot;%s&quot;</source>
        <translation>Varianta &quot;%s&quot;, atribut &quot;%s&quot;: neznana vrednost &quot;%s&quot; v &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Option &quot;%s&quot;, attribute &quot;%s&quot;: the value &quot;%s&quot; is named twice in &quot;%s&quot;</source>
        <translation>Varianta &quot;%s&quot;, atribut &quot;%s&quot;: vrednost &quot;%s&quot; je navedena dvakrat v &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Option &quot;%s&quot;, attribute &quot;%s&quot;: the weight &quot;%s&quot; is not a non-negative number in &quot;%s&quot;</source>
        <translation>Varianta &quot;%s&quot;, atribut &quot;%s&quot;: utež &quot;%s&quot; ni nenegativno število v &quot;%s&quot;</translation>
    </message>
    <message>
        <source>Option &quot;%s&quot;, attribute &quot;%s&quot;: all weights are zero in &quot;%s&quot;</source>
        <translation>Varianta &quot;%s&quot;, atribut &quot;%s&quot;: vse uteži so nič v &quot;%s&quot;</translation>
    </message>
    <message>
        <source>The weights of %s count here as the sets of their values.</source>
        <translation>Uteži atributov %s tu štejejo kot množice njihovih vrednosti.</translation>
    </message>
</context>
</TS>
