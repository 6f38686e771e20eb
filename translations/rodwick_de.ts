<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Almanac</name>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Zunehmende Sichel</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Zunehmender Mond</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Abnehmender Mond</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Abnehmende Sichel</translation>
    </message>
    <message>
        <source>Dawn</source>
        <translation>Morgendämmerung</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Vormittag</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>Nachmittag</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Abend</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Venue:</source>
        <translation>Gewässer:</translation>
    </message>
    <message>
        <source>Please select new venue!</source>
        <translation>Bitte neues Gewässer wählen!</translation>
    </message>
    <message>
        <source>Type of water:</source>
        <translation>Gewässerart:</translation>
    </message>
    <message>
        <source>Type Of Water:</source>
        <translation>Gewässerart:</translation>
    </message>
    <message>
        <source>Please select type of water.</source>
        <translation>Bitte die Gewässerart wählen.</translation>
    </message>
    <message>
        <source>Day Ticket £</source>
        <translation>Tageskarte €</translation>
    </message>
    <message>
        <source>Day Ticket:</source>
        <translation>Tageskarte:</translation>
    </message>
    <message>
        <source>Please type in new ticket price.</source>
        <translation>Bitte den neuen Preis der Tageskarte eingeben.</translation>
    </message>
    <message>
        <source>Club:</source>
        <translation>Verein:</translation>
    </message>
    <message>
        <source>Please select new club</source>
        <translation>Bitte neuen Verein wählen</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Gewicht:</translation>
    </message>
    <message>
        <source>Total Weight:</source>
        <translation>Gesamtgewicht:</translation>
    </message>
    <message>
        <source>Please type in new Total Weight in </source>
        <translation>Bitte neues Gesamtgewicht eingeben in </translation>
    </message>
    <message>
        <source>Water Conditions:</source>
        <translation>Wasserzustand:</translation>
    </message>
    <message>
        <source>Water Condition:</source>
        <translation>Wasserzustand:</translation>
    </message>
    <message>
        <source>Please select new water conditions!</source>
        <translation>Bitte neuen Wasserzustand wählen!</translation>
    </message>
    <message>
        <source>Weather:</source>
        <translation>Wetter:</translation>
    </message>
    <message>
        <source>Please select new weather!</source>
        <translation>Bitte neues Wetter wählen!</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Temperatur:</translation>
    </message>
    <message>
        <source>Please select new temperature.</source>
        <translation>Bitte neue Temperatur wählen.</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Methode:</translation>
    </message>
    <message>
        <source>Please type in new Method of Fishing:</source>
        <translation>Bitte neue Angelmethode eingeben:</translation>
    </message>
    <message>
        <source>Depth:</source>
        <translation>Tiefe:</translation>
    </message>
    <message>
        <source>Please type in new depth in </source>
        <translation>Bitte neue Tiefe eingeben in </translation>
    </message>
    <message>
        <source>Best Bait,etc:</source>
        <translation>Bester Köder:</translation>
    </message>
    <message>
        <source>Please select new best Bait:</source>
        <translation>Bitte neuen besten Köder wählen:</translation>
    </message>
    <message>
        <source>Species:</source>
        <translation>Fischarten:</translation>
    </message>
    <message>
        <source>Species Caught:</source>
        <translation>Gefangene Arten:</translation>
    </message>
    <message>
        <source>Best Fish:</source>
        <translation>Bester Fisch:</translation>
    </message>
    <message>
        <source>Please select new best fish:</source>
        <translation>Bitte neuen besten Fisch wählen:</translation>
    </message>
    <message>
        <source>Best Fish Weight:</source>
        <translation>Gewicht bester Fisch:</translation>
    </message>
    <message>
        <source>Please type in new weight in </source>
        <translation>Bitte neues Gewicht eingeben in </translation>
    </message>
    <message>
        <source>Restrictions:</source>
        <translation>Auflagen:</translation>
    </message>
    <message>
        <source>Please enter new restrictions:</source>
        <translation>Bitte neue Auflagen eingeben:</translation>
    </message>
    <message>
        <source>Remarks:</source>
        <translation>Bemerkungen:</translation>
    </message>
    <message>
        <source>Please enter new remarks:</source>
        <translation>Bitte neue Bemerkungen eingeben:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Please type in new date.</source>
        <translation>Bitte neues Datum eingeben.</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Beginn:</translation>
    </message>
    <message>
        <source>Please type in new Start Time:</source>
        <translation>Bitte neue Anfangszeit eingeben:</translation>
    </message>
    <message>
        <source>Finish:</source>
        <translation>Ende:</translation>
    </message>
    <message>
        <source>Finish Time:</source>
        <translation>Endzeit:</translation>
    </message>
    <message>
        <source>Please type in new Finish Time:</source>
        <translation>Bitte neue Endzeit eingeben:</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>without a readable date</source>
        <translation>ohne lesbares Datum</translation>
    </message>
    <message>
        <source>without a readable start time</source>
        <translation>ohne lesbare Anfangszeit</translation>
    </message>
    <message>
        <source>without a readable finish time</source>
        <translation>ohne lesbare Endzeit</translation>
    </message>
    <message>
        <source>without a readable total weight</source>
        <translation>ohne lesbares Gesamtgewicht</translation>
    </message>
    <message>
        <source>without a readable ticket price</source>
        <translation>ohne lesbaren Kartenpreis</translation>
    </message>
    <message>
        <source>without a venue</source>
        <translation>ohne Gewässer</translation>
    </message>
    <message>
        <source>without a readable total weight, left out of the catch</source>
        <translation>ohne lesbares Gesamtgewicht, beim Fang nicht mitgezählt</translation>
    </message>
    <message>
        <source>without a best fish named</source>
        <translation>ohne genannten besten Fisch</translation>
    </message>
    <message>
        <source>without a readable best fish weight</source>
        <translation>ohne lesbares Gewicht des besten Fischs</translation>
    </message>
    <message>
        <source>without a method</source>
        <translation>ohne Methode</translation>
    </message>
    <message>
        <source>without a bait</source>
        <translation>ohne Köder</translation>
    </message>
    <message>
        <source>without a weather</source>
        <translation>ohne Wetterangabe</translation>
    </message>
    <message>
        <source>without a water condition</source>
        <translation>ohne Wasserzustand</translation>
    </message>
    <message>
        <source>without a type of water</source>
        <translation>ohne Gewässerart</translation>
    </message>
    <message>
        <source>without a value</source>
        <translation>ohne Wert</translation>
    </message>
    <message>
        <source>whose value no other trip shares</source>
        <translation>mit einem Wert, den kein anderer Angeltag hat</translation>
    </message>
    <message>
        <source>The moon&apos;s phase at midday (UT) on the trip&apos;s date, each phase an eighth of its cycle.</source>
        <translation>Die Mondphase mittags (UT) am Datum des Angeltags, jede Phase ein Achtel ihres Zyklus.</translation>
    </message>
    <message>
        <source>without readable start and finish times</source>
        <translation>ohne lesbare Anfangs- und Endzeit</translation>
    </message>
    <message>
        <source>whose start and finish are the same time</source>
        <translation>mit gleicher Anfangs- und Endzeit</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Due to Windows problems, you must load this file manually. Please load up ANGLEBOX.DOC - Press OK to run your Word Processor. Alternatively select Anglebox Manual from the Harrowby Software program group</source>
        <translation>Das Handbuch muss von Hand geladen werden. Bitte öffnen Sie ANGLEBOX.DOC – mit OK starten Sie Ihre Textverarbeitung. Sie finden das Anglebox-Handbuch auch in der Programmgruppe von Harrowby Software.</translation>
    </message>
    <message>
        <source>Sorry - Cannot find ANGLEBOX.doc!</source>
        <translation>ANGLEBOX.doc wurde leider nicht gefunden!</translation>
    </message>
    <message>
        <source>Oops. Somethings gone wrong. Please check that you have WRITE.EXE and ANGLEBOX.WRI</source>
        <translation>Da ist etwas schiefgegangen. Bitte prüfen Sie, ob eine Textverarbeitung und ANGLEBOX.WRI vorhanden sind.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Switch Application &amp;Language...</source>
        <translation>Anwendungs&amp;sprache wechseln...</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>Preferences...   </source>
        <translation>Einstellungen...   </translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Schriftart...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Statistik...</translation>
    </message>
</context>
<context>
    <name>OtherTripWindow</name>
    <message>
        <source>%1 - Trip %2</source>
        <translation>%1 - Angeltag %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>PleaseWait</name>
    <message>
        <source>Please Wait...</source>
        <translation>Bitte warten...</translation>
    </message>
</context>
<context>
    <name>RecordMenu</name>
    <message>
        <source>&amp;Goto...</source>
        <translation>&amp;Gehe zu...</translation>
    </message>
    <message>
        <source>Trip List...</source>
        <translation>Angeltage-Liste...</translation>
    </message>
    <message>
        <source>Photos...</source>
        <translation>Fotos...</translation>
    </message>
    <message>
        <source>New Trip from Photos...</source>
        <translation>Neuer Angeltag aus Fotos...</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>Continue Search?</source>
        <translation>Weitersuchen?</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search Complete</source>
        <translation>Suche abgeschlossen</translation>
    </message>
</context>
<context>
    <name>TripColumns</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Log Book</source>
        <translation>Fangbuch</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Venue</source>
        <translation>Gewässer</translation>
    </message>
    <message>
        <source>Type of Water</source>
        <translation>Gewässerart</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Fischarten</translation>
    </message>
    <message>
        <source>Best Fish</source>
        <translation>Bester Fisch</translation>
    </message>
    <message>
        <source>Best Fish Weight (%1)</source>
        <translation>Gewicht bester Fisch (%1)</translation>
    </message>
    <message>
        <source>Total Weight (%1)</source>
        <translation>Gesamtgewicht (%1)</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Bait</source>
        <translation>Köder</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Hours Fished</source>
        <translation>Angelstunden</translation>
    </message>
    <message>
        <source>Day Ticket</source>
        <translation>Tageskarte</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
</context>
<context>
    <name>TripCounts</name>
    <message numerus="yes">
        <source>Showing %1 of %n trip(s)</source>
        <translation>
            <numerusform>%1 von %n Angeltag</numerusform>
            <numerusform>%1 von %n Angeltagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflict copy(ies) not counted</source>
        <translation>
            <numerusform>%n Konfliktkopie nicht gezählt</numerusform>
            <numerusform>%n Konfliktkopien nicht gezählt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out because its/their date did not read</source>
        <translation>
            <numerusform>%n ausgelassen, weil das Datum nicht lesbar war</numerusform>
            <numerusform>%n ausgelassen, weil ihr Datum nicht lesbar war</numerusform>
        </translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>am Gewässer %1</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>auf %1</translation>
    </message>
    <message>
        <source>by the method %1</source>
        <translation>mit der Methode %1</translation>
    </message>
    <message>
        <source>on the bait %1</source>
        <translation>mit dem Köder %1</translation>
    </message>
    <message>
        <source>All trips</source>
        <translation>Alle Angeltage</translation>
    </message>
    <message>
        <source>containing &quot;%1&quot;</source>
        <translation>mit „%1“</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>im %1</translation>
    </message>
    <message>
        <source>in %1 of every year</source>
        <translation>im %1 jedes Jahres</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>vom %1 bis %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>ab %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>bis %1</translation>
    </message>
    <message>
        <source>with a catch</source>
        <translation>mit Fang</translation>
    </message>
    <message>
        <source>without a catch</source>
        <translation>ohne Fang</translation>
    </message>
    <message>
        <source>Trips %1</source>
        <translation>Angeltage %1</translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>Could not %1 to %2: %3. %4</source>
        <extracomment>%1 is what failed, as its caller words it (&quot;save the preferences&quot;), %2 the file, %3 the system&apos;s reason, %4 where that leaves the user.</extracomment>
        <translation>%1 in %2 war nicht möglich: %3. %4</translation>
    </message>
</context>
<context>
    <name>rodwick::AboutDialog</name>
    <message>
        <source>Welcome to The Rodwick Database, by Harrowby Software.
Keep a log of every fishing trip you make: where you fished, the water and the weather, the method and bait that worked, and what you caught, down to the weight of your best fish. The more trips you record, the more the log tells you: search it for a species, for example, and it shows you every place where that fish has been caught. Everything the program can do is explained in the manual, the file ANGLEBOX.doc beside the program.</source>
        <translation>Willkommen bei The Rodwick Database von Harrowby Software.
Führen Sie Buch über jeden Angeltag: wo Sie geangelt haben, das Gewässer und das Wetter, die Methode und den Köder, die gefangen haben, und was Sie gefangen haben, bis zum Gewicht Ihres besten Fisches. Je mehr Angeltage Sie eintragen, desto mehr verrät Ihnen das Fangbuch: Suchen Sie zum Beispiel nach einer Fischart, zeigt es Ihnen jede Stelle, an der dieser Fisch gefangen wurde. Alles, was das Programm kann, erklärt das Handbuch, die Datei ANGLEBOX.doc neben dem Programm.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>rodwick::FindDialog</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Please type in the word for me to search for. I will search all fields in all records for the word you specify. Upper and lower case are no problem for me!</source>
        <translation>Bitte geben Sie das Wort ein, nach dem ich suchen soll. Ich durchsuche alle Felder aller Angeltage nach diesem Wort. Groß- und Kleinschreibung spielen keine Rolle!</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Wort:</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>rodwick::GotoDialog</name>
    <message>
        <source>Goto</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Angeltage:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1. %2 on %3 at %4</source>
        <extracomment>A line of the goto list: the record&apos;s number, venue, date and start time.</extracomment>
        <translation>%1. %2 am %3 um %4</translation>
    </message>
</context>
<context>
    <name>rodwick::LanguageDialog</name>
    <message>
        <source>Switch Application Language</source>
        <translation>Anwendungssprache wechseln</translation>
    </message>
    <message>
        <source>Language of the windows:</source>
        <translation>Sprache der Fenster:</translation>
    </message>
    <message>
        <source>&amp;System language (%1)</source>
        <translation>&amp;Systemsprache (%1)</translation>
    </message>
    <message>
        <source>The language changes the next time the program starts.</source>
        <translation>Die Sprache wechselt beim nächsten Start des Programms.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Could not keep the language in %1: %2. The language stays as it was.</source>
        <translation>Die Sprache konnte nicht in %1 gespeichert werden: %2. Die Sprache bleibt, wie sie war.</translation>
    </message>
</context>
<context>
    <name>rodwick::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Show possible venues and clubs on edit.</source>
        <translation>Gewässer und Vereine beim Bearbeiten vorschlagen.</translation>
    </message>
    <message>
        <source>Autoload File</source>
        <translation>Beim Start laden</translation>
    </message>
    <message>
        <source>Select..</source>
        <translation>Wählen..</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Maßeinheiten</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Britisch</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>save the preferences</source>
        <translation>Das Speichern der Einstellungen</translation>
    </message>
    <message>
        <source>They stay in force until the program ends.</source>
        <translation>Sie gelten, bis das Programm beendet wird.</translation>
    </message>
</context>
<context>
    <name>rodwick::filtering::FilterBar</name>
    <message>
        <source>Any</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Word in any field</source>
        <translation>Wort in einem beliebigen Feld</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Any date</source>
        <translation>Jedes Datum</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>The last 12 months</source>
        <translation>Die letzten 12 Monate</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>Jeden %1</translation>
    </message>
    <message>
        <source>From a date to a date</source>
        <translation>Von einem Datum bis zu einem Datum</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>Venue</source>
        <translation>Gewässer</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Fischart</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Bait</source>
        <translation>Köder</translation>
    </message>
    <message>
        <source>Catches</source>
        <translation>Fänge</translation>
    </message>
    <message>
        <source>All trips</source>
        <translation>Alle Angeltage</translation>
    </message>
    <message>
        <source>Trips with a catch</source>
        <translation>Angeltage mit Fang</translation>
    </message>
    <message>
        <source>Blank trips</source>
        <translation>Schneidertage</translation>
    </message>
    <message>
        <source>Log books</source>
        <translation>Fangbücher</translation>
    </message>
    <message>
        <source>This log book</source>
        <translation>Dieses Fangbuch</translation>
    </message>
    <message>
        <source>All log books in this folder</source>
        <translation>Alle Fangbücher in diesem Ordner</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Wo&amp;rd:</source>
        <translation>W&amp;ort:</translation>
    </message>
    <message>
        <source>&amp;Dates:</source>
        <translation>Zeit&amp;raum:</translation>
    </message>
    <message>
        <source>&amp;Log books:</source>
        <translation>Fa&amp;ngbücher:</translation>
    </message>
    <message>
        <source>Ven&amp;ue:</source>
        <translation>Gewä&amp;sser:</translation>
    </message>
    <message>
        <source>S&amp;pecies:</source>
        <translation>Fis&amp;chart:</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Methode:</translation>
    </message>
    <message>
        <source>Ba&amp;it:</source>
        <translation>Kö&amp;der:</translation>
    </message>
    <message>
        <source>Catc&amp;hes:</source>
        <translation>&amp;Fänge:</translation>
    </message>
</context>
<context>
    <name>rodwick::photos::NoTripBar</name>
    <message>
        <source>Photos whose trip was changed outside this program: link each to its trip again. Nothing is deleted.</source>
        <translation>Fotos, deren Angeltag außerhalb dieses Programms geändert wurde: jedes wieder mit seinem Angeltag verknüpfen. Nichts wird gelöscht.</translation>
    </message>
    <message>
        <source>&amp;Trip:</source>
        <translation>&amp;Angeltag:</translation>
    </message>
    <message>
        <source>Trip to link the photo to</source>
        <translation>Angeltag, mit dem das Foto verknüpft wird</translation>
    </message>
    <message>
        <source>&amp;Link to Trip</source>
        <translation>Mit Angeltag &amp;verknüpfen</translation>
    </message>
    <message>
        <source>Photos of &amp;no trip (%1)</source>
        <translation>Fotos &amp;ohne Angeltag (%1)</translation>
    </message>
    <message>
        <source>Photos of no trip (%1)</source>
        <translation>Fotos ohne Angeltag (%1)</translation>
    </message>
    <message>
        <source>Trip %1: %2</source>
        <translation>Angeltag %1: %2</translation>
    </message>
</context>
<context>
    <name>rodwick::photos::PhotoView</name>
    <message>
        <source>%1 (%2 of %3)</source>
        <translation>%1 (%2 von %3)</translation>
    </message>
</context>
<context>
    <name>rodwick::photos::PhotosWindow</name>
    <message>
        <source>New Trip from Photos</source>
        <translation>Neuer Angeltag aus Fotos</translation>
    </message>
    <message>
        <source>The photos could not be added: %1.</source>
        <translation>Die Fotos konnten nicht hinzugefügt werden: %1.</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Time not recorded</source>
        <translation>Zeit nicht aufgezeichnet</translation>
    </message>
    <message>
        <source>Photos of the trip</source>
        <translation>Fotos des Angeltags</translation>
    </message>
    <message>
        <source>The photo could not change the caption: %1.</source>
        <translation>Die Bildunterschrift des Fotos konnte nicht geändert werden: %1.</translation>
    </message>
    <message>
        <source>&amp;Add Photos...</source>
        <translation>&amp;Fotos hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Set as &amp;Cover</source>
        <translation>Als &amp;Titelbild</translation>
    </message>
    <message>
        <source>The photo could not be linked to its trip: %1.</source>
        <translation>Das Foto konnte nicht mit seinem Angeltag verknüpft werden: %1.</translation>
    </message>
    <message>
        <source>Photos of no trip: their trip was changed outside this program. Choose the trip each is of.</source>
        <translation>Fotos ohne Angeltag: ihr Angeltag wurde außerhalb dieses Programms geändert. Wählen Sie für jedes den Angeltag, zu dem es gehört.</translation>
    </message>
    <message>
        <source>Trip %1 of %2: %3, %4</source>
        <translation>Angeltag %1 von %2: %3, %4</translation>
    </message>
    <message>
        <source>No trip is shown.</source>
        <translation>Kein Angeltag wird gezeigt.</translation>
    </message>
    <message>
        <source>, cover</source>
        <translation>, Titelbild</translation>
    </message>
    <message>
        <source>Taken at %1, %2 &lt;a href=&quot;%3&quot;&gt;Show on a map&lt;/a&gt;</source>
        <translation>Aufgenommen bei %1, %2 &lt;a href=&quot;%3&quot;&gt;Auf einer Karte zeigen&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <source>The photo could not be added: %1.</source>
        <translation>Das Foto konnte nicht hinzugefügt werden: %1.</translation>
    </message>
    <message>
        <source>The photo could not be removed: %1.</source>
        <translation>Das Foto konnte nicht entfernt werden: %1.</translation>
    </message>
    <message>
        <source>The photo could not be made the cover: %1.</source>
        <translation>Das Foto konnte nicht zum Titelbild gemacht werden: %1.</translation>
    </message>
</context>
<context>
    <name>rodwick::stats::StatisticsWindow</name>
    <message>
        <source>The cover photo cannot be shown: %1</source>
        <translation>Das Titelfoto kann nicht gezeigt werden: %1</translation>
    </message>
    <message>
        <source>Average catch</source>
        <translation>Durchschnittlicher Fang</translation>
    </message>
    <message>
        <source>Total catch</source>
        <translation>Gesamtfang</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Angeltage</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) %1</source>
        <translation>
            <numerusform>%n Angeltag %1</numerusform>
            <numerusform>%n Angeltage %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Every trip counted.</source>
        <translation>Jeder Angeltag wurde gezählt.</translation>
    </message>
    <message>
        <source>%1; a trip counts in each part it spans.</source>
        <translation>%1; ein Angeltag zählt in jedem Tagesabschnitt, den er berührt.</translation>
    </message>
    <message>
        <source>Charts are not available: %1</source>
        <translation>Diagramme sind nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Summary</source>
        <translation>&amp;Übersicht</translation>
    </message>
    <message>
        <source>By &amp;venue</source>
        <translation>Nach &amp;Gewässer</translation>
    </message>
    <message>
        <source>Personal &amp;bests</source>
        <translation>Persönliche &amp;Bestleistungen</translation>
    </message>
    <message>
        <source>Double-click a fish to show its trip</source>
        <translation>Doppelklick auf einen Fisch zeigt seinen Angeltag</translation>
    </message>
    <message>
        <source>&amp;Method</source>
        <translation>&amp;Methode</translation>
    </message>
    <message>
        <source>B&amp;ait</source>
        <translation>&amp;Köder</translation>
    </message>
    <message>
        <source>W&amp;eather</source>
        <translation>W&amp;etter</translation>
    </message>
    <message>
        <source>Water co&amp;ndition</source>
        <translation>Wasser&amp;zustand</translation>
    </message>
    <message>
        <source>T&amp;ype of water</source>
        <translation>Gewässer&amp;art</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>&amp;Time of Day</source>
        <translation>&amp;Tageszeit</translation>
    </message>
    <message>
        <source>&amp;What works</source>
        <translation>&amp;Was fängt</translation>
    </message>
    <message>
        <source>&amp;Over time</source>
        <translation>Im &amp;Verlauf</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Ko&amp;pieren</translation>
    </message>
    <message>
        <source>Copy the table shown, to paste into a spreadsheet</source>
        <translation>Die gezeigte Tabelle kopieren, um sie in eine Tabellenkalkulation einzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Trips with a date</source>
        <translation>Angeltage mit Datum</translation>
    </message>
    <message>
        <source>First trip</source>
        <translation>Erster Angeltag</translation>
    </message>
    <message>
        <source>Last trip</source>
        <translation>Letzter Angeltag</translation>
    </message>
    <message>
        <source>Trips with start and finish times</source>
        <translation>Angeltage mit Anfangs- und Endzeit</translation>
    </message>
    <message>
        <source>Hours fished</source>
        <translation>Angelstunden</translation>
    </message>
    <message>
        <source>Trips with a total weight</source>
        <translation>Angeltage mit Gesamtgewicht</translation>
    </message>
    <message>
        <source>Total weight caught</source>
        <translation>Gefangenes Gesamtgewicht</translation>
    </message>
    <message>
        <source>Average catch per trip</source>
        <translation>Durchschnittlicher Fang je Angeltag</translation>
    </message>
    <message>
        <source>Average catch per hour</source>
        <translation>Durchschnittlicher Fang je Stunde</translation>
    </message>
    <message>
        <source>Blank trips</source>
        <translation>Schneidertage</translation>
    </message>
    <message>
        <source>Blank trips, share</source>
        <translation>Schneidertage, Anteil</translation>
    </message>
    <message>
        <source>Trips with a ticket price</source>
        <translation>Angeltage mit Kartenpreis</translation>
    </message>
    <message>
        <source>Spent on day tickets</source>
        <translation>Ausgaben für Tageskarten</translation>
    </message>
    <message>
        <source>Average ticket per trip</source>
        <translation>Durchschnittlicher Kartenpreis je Angeltag</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Kennzahl</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Venue</source>
        <translation>Gewässer</translation>
    </message>
    <message>
        <source>Best fish</source>
        <translation>Bester Fisch</translation>
    </message>
    <message>
        <source>Best weight</source>
        <translation>Bestes Gewicht</translation>
    </message>
    <message>
        <source>Average ticket</source>
        <translation>Durchschn. Kartenpreis</translation>
    </message>
    <message>
        <source>Last visit</source>
        <translation>Letzter Besuch</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Fischart</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>%1 per trip</source>
        <translation>%1 je Angeltag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Total catch (%1)</source>
        <translation>Gesamtfang (%1)</translation>
    </message>
</context>
<context>
    <name>rodwick::trips::TripListWindow</name>
    <message numerus="yes">
        <source> (%n without times)</source>
        <translation>
            <numerusform> (%n ohne Uhrzeiten)</numerusform>
            <numerusform> (%n ohne Uhrzeiten)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n without a total weight)</source>
        <translation>
            <numerusform> (%n ohne Gesamtgewicht)</numerusform>
            <numerusform> (%n ohne Gesamtgewicht)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n without a ticket price)</source>
        <translation>
            <numerusform> (%n ohne Kartenpreis)</numerusform>
            <numerusform> (%n ohne Kartenpreis)</numerusform>
        </translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Angeltage</translation>
    </message>
    <message>
        <source>Reading the log books of the folder</source>
        <translation>Die Fangbücher des Ordners werden gelesen</translation>
    </message>
    <message>
        <source>Export Shown Trips (CSV)...</source>
        <translation>Gezeigte Angeltage exportieren (CSV)...</translation>
    </message>
    <message>
        <source>Print Shown Trips...</source>
        <translation>Gezeigte Angeltage drucken...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Totals: %1</source>
        <translation>Summen: %1</translation>
    </message>
    <message>
        <source>Left out, not read as a log book:
</source>
        <translation>Ausgelassen, nicht als Fangbuch lesbar:
</translation>
    </message>
    <message>
        <source>%1 fished</source>
        <translation>%1 geangelt</translation>
    </message>
    <message>
        <source>%1 caught</source>
        <translation>%1 gefangen</translation>
    </message>
    <message numerus="yes">
        <source>%n blank trip(s)</source>
        <translation>
            <numerusform>%n Schneidertag</numerusform>
            <numerusform>%n Schneidertage</numerusform>
        </translation>
    </message>
    <message>
        <source>£%1 on day tickets</source>
        <translation>£%1 für Tageskarten</translation>
    </message>
    <message>
        <source>, in every log book of %1</source>
        <translation>, in allen Fangbüchern von %1</translation>
    </message>
    <message>
        <source>The printer is not ready or the report could not be printed.</source>
        <translation>Der Drucker ist nicht bereit, oder der Bericht konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Print Shown Trips</source>
        <translation>Gezeigte Angeltage drucken</translation>
    </message>
</context>
</TS>
