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
    <name>BackupsDialog</name>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Angeltage</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>%1 (conflict copy)</source>
        <translation>%1 (Konfliktkopie)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Copy To Clipboard   </source>
        <translation>In die &amp;Zwischenablage kopieren   </translation>
    </message>
    <message>
        <source>&amp;Edit Record...</source>
        <translation>Angeltag &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete Record...  </source>
        <translation>Angeltag &amp;löschen...  </translation>
    </message>
    <message>
        <source>&amp;Add Record...</source>
        <translation>Angeltag &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>D&amp;uplicate Record</source>
        <translation>Angeltag d&amp;uplizieren</translation>
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
    <name>FileMenu</name>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Export to Spreadsheet (CSV)...</source>
        <translation>In Tabellenkalkulation exportieren (CSV)...</translation>
    </message>
    <message>
        <source>Import from Spreadsheet (CSV)...</source>
        <translation>Aus Tabellenkalkulation importieren (CSV)...</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save As..   </source>
        <translation>Speichern unter..   </translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>Sicherungen...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
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
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Angeltag</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
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
    <name>PrintJob</name>
    <message>
        <source>Your printer is off line or is not responding. Please fix this problem and click on Retry to try again.</source>
        <translation>Ihr Drucker ist nicht bereit oder antwortet nicht. Bitte beheben Sie das Problem und klicken Sie auf Wiederholen, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
</context>
<context>
    <name>PrintedTable</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
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
    <message>
        <source>Firs&amp;t</source>
        <translation>&amp;Erster</translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <translation>&amp;Letzter</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächster</translation>
    </message>
    <message>
        <source>Pre&amp;vious </source>
        <translation>&amp;Vorheriger </translation>
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
    <name>SpreadsheetFiles</name>
    <message>
        <source>Import from Spreadsheet</source>
        <translation>Aus Tabellenkalkulation importieren</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <extracomment>%1 is why the import failed, a sentence of its own.</extracomment>
        <translation>%1 Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>This file already exists. Overwrite the file</source>
        <translation>Diese Datei existiert bereits. Soll sie überschrieben werden?</translation>
    </message>
    <message>
        <source>Export to Spreadsheet</source>
        <translation>In Tabellenkalkulation exportieren</translation>
    </message>
    <message>
        <source>export</source>
        <translation>Der Export</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Import from Spreadsheet (CSV)</source>
        <translation>Aus Tabellenkalkulation importieren (CSV)</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 ist keine Textdatei.</translation>
    </message>
    <message>
        <source>Only %1 of the %2 trips in this file would fit: a database holds at most %3 records. Nothing was imported.</source>
        <translation>Nur %1 der %2 Angeltage dieser Datei hätten Platz: Ein Fangbuch fasst höchstens %3 Angeltage. Es wurde nichts importiert.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>New Database</source>
        <translation>Neues Fangbuch</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Fangbuch öffnen</translation>
    </message>
    <message>
        <source>Save Database</source>
        <translation>Fangbuch speichern</translation>
    </message>
    <message>
        <source>Duplicate Record</source>
        <translation>Angeltag duplizieren</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>Angeltag löschen</translation>
    </message>
    <message>
        <source>Search Database</source>
        <translation>Fangbuch durchsuchen</translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation>Angeltag hinzufügen</translation>
    </message>
    <message>
        <source>Edit Record</source>
        <translation>Angeltag bearbeiten</translation>
    </message>
    <message>
        <source>Copy Data</source>
        <translation>Daten kopieren</translation>
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
    <name>UndoCommand</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>UndoCommandStep</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Quick Edit</source>
        <translation>Schnellbearbeitung</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Fischarten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Wiederherstellung</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Merge from Disk</source>
        <translation>Abgleich mit der Datei</translation>
    </message>
    <message>
        <source>Merge of Conflicted Copy</source>
        <translation>Zusammenführen der Konfliktkopie</translation>
    </message>
    <message>
        <source>Remove Photo</source>
        <translation>Foto entfernen</translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Trip(s)</source>
        <translation>
            <numerusform>Import von %n Angeltag</numerusform>
            <numerusform>Import von %n Angeltagen</numerusform>
        </translation>
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
    <name>rodwick::CommandLine</name>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Lizenz GPLv3+: GNU GPL Version 3 oder neuer &lt;https://gnu.org/licenses/gpl.html&gt;.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</translation>
    </message>
    <message>
        <source>The Rodwick Database: a log book for anglers.</source>
        <translation>The Rodwick Database: ein Fangbuch für Angler.</translation>
    </message>
    <message>
        <source>The database (.RWK) to open instead of the start-up database.</source>
        <translation>Das Fangbuch (.RWK), das statt des Start-Fangbuchs geöffnet wird.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[DATEI]</translation>
    </message>
    <message>
        <source>Only one database can be opened at a time.</source>
        <translation>Es kann nur ein Fangbuch zugleich geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>rodwick::CopyDialog</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy what?</source>
        <translation>Was kopieren?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>rodwick::CsvImportWindow</name>
    <message>
        <source>Import from Spreadsheet (CSV)</source>
        <translation>Aus Tabellenkalkulation importieren (CSV)</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>UTF-8 with byte-order mark</source>
        <translation>UTF-8 mit BOM</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>Erste Zeile enthält Übersc&amp;hriften</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Kodierung:</translation>
    </message>
    <message>
        <source>Columns of the file and the field each goes into:</source>
        <translation>Spalten der Datei und das Feld, in das jede kommt:</translation>
    </message>
    <message>
        <source>The first trips as they will be stored:</source>
        <translation>Die ersten Angeltage, wie sie gespeichert werden:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the column&apos;s number and name (&quot;Column 3&quot;), %2 its heading in the file.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>(leave out)</source>
        <translation>(auslassen)</translation>
    </message>
    <message>
        <source>Split into its two boxes from “%1”.</source>
        <extracomment>%1 is the cell&apos;s text as the file gives it.</extracomment>
        <translation>Auf seine zwei Felder aufgeteilt aus „%1“.</translation>
    </message>
    <message>
        <source>Read as a time from “%1”.</source>
        <extracomment>%1 is the cell&apos;s text as the file gives it.</extracomment>
        <translation>Als Uhrzeit gelesen aus „%1“.</translation>
    </message>
    <message>
        <source>Kept as written: the value is in imperial units, the metric units are in force, and weights and depths are never converted.</source>
        <translation>Wie geschrieben übernommen: Der Wert ist in imperialen Einheiten, es gelten die metrischen, und Gewichte und Tiefen werden nie umgerechnet.</translation>
    </message>
    <message>
        <source>Kept as written: the value is in metric units, the imperial units are in force, and weights and depths are never converted.</source>
        <translation>Wie geschrieben übernommen: Der Wert ist in metrischen Einheiten, es gelten die imperialen, und Gewichte und Tiefen werden nie umgerechnet.</translation>
    </message>
    <message>
        <source>No trips will be added.</source>
        <translation>Es werden keine Angeltage hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) will be added.</source>
        <translation>
            <numerusform>%n Angeltag wird hinzugefügt.</numerusform>
            <numerusform>%n Angeltage werden hinzugefügt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %n more fit in the table (250 records at most): nothing can be added.</source>
        <translation>
            <numerusform>Nur noch %n passt in die Tabelle (höchstens 250 Angeltage): Es kann nichts hinzugefügt werden.</numerusform>
            <numerusform>Nur noch %n passen in die Tabelle (höchstens 250 Angeltage): Es kann nichts hinzugefügt werden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character(s) the database file cannot hold will be stored as &quot;?&quot;.</source>
        <translation>
            <numerusform>%n Zeichen, das die Datenbankdatei nicht aufnehmen kann, wird als „?“ gespeichert.</numerusform>
            <numerusform>%n Zeichen, die die Datenbankdatei nicht aufnehmen kann, werden als „?“ gespeichert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) have more or fewer cells than the first row: missing cells stay empty.</source>
        <translation>
            <numerusform>%n Zeile hat mehr oder weniger Zellen als die erste Zeile: Fehlende Zellen bleiben leer.</numerusform>
            <numerusform>%n Zeilen haben mehr oder weniger Zellen als die erste Zeile: Fehlende Zellen bleiben leer.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weight(s) or depth(s) are in the other unit system and will be kept as written.</source>
        <translation>
            <numerusform>%n Gewicht oder Tiefe im anderen Einheitensystem wird wie geschrieben übernommen.</numerusform>
            <numerusform>%n Gewichte oder Tiefen im anderen Einheitensystem werden wie geschrieben übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>A quote is never closed: its cell runs to the end of the file.</source>
        <translation>Ein Anführungszeichen wird nie geschlossen: Seine Zelle reicht bis zum Ende der Datei.</translation>
    </message>
    <message>
        <source>Columns after the %1th are left out.</source>
        <translation>Spalten nach der %1. werden ausgelassen.</translation>
    </message>
</context>
<context>
    <name>rodwick::EditCommands</name>
    <message>
        <source>Really delete the current record?</source>
        <translation>Den angezeigten Angeltag wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Do you want to edit this new occurance now?</source>
        <translation>Möchten Sie die neue Kopie jetzt bearbeiten?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>rodwick::ExportDialog</name>
    <message>
        <source>Rodwick Db PC (*.RWK)</source>
        <translation>Rodwick Db PC (*.RWK)</translation>
    </message>
    <message>
        <source>Text File (*.TXT)</source>
        <translation>Textdatei (*.TXT)</translation>
    </message>
    <message>
        <source>Rodwick Db ST (*.PRO)</source>
        <translation>Rodwick Db ST (*.PRO)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Angeltage</translation>
    </message>
    <message>
        <source>All </source>
        <translation>Alle </translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktueller</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern als</translation>
    </message>
    <message>
        <source>Rodwick DB PC</source>
        <translation>Rodwick DB PC</translation>
    </message>
    <message>
        <source>ASCII Text</source>
        <translation>ASCII-Text</translation>
    </message>
    <message>
        <source>Rodwick DB Pro ST</source>
        <translation>Rodwick DB Pro ST</translation>
    </message>
    <message>
        <source>Export..</source>
        <translation>Export..</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>export</source>
        <translation>Der Export</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Es wurde keine Datei geschrieben.</translation>
    </message>
</context>
<context>
    <name>rodwick::FileWatch</name>
    <message>
        <source>Changed on Disk</source>
        <translation>Auf dem Datenträger geändert</translation>
    </message>
    <message>
        <source>Conflict Copy</source>
        <translation>Konfliktkopie</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) removed by it</source>
        <translation>
            <numerusform>%n Angeltag von ihr entfernt</numerusform>
            <numerusform>%n Angeltage von ihr entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) changed on both sides kept in both forms</source>
        <translation>
            <numerusform>%n auf beiden Seiten geänderter Angeltag in beiden Fassungen behalten</numerusform>
            <numerusform>%n auf beiden Seiten geänderte Angeltage in beiden Fassungen behalten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was changed on disk while this window had unsaved changes, and the two have been merged: %2, %3, and %4.</source>
        <translation>%1 wurde auf dem Datenträger geändert, während dieses Fenster ungespeicherte Änderungen hatte; beide wurden zusammengeführt: %2, %3 und %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) came from the file</source>
        <translation>
            <numerusform>%n Angeltag aus der Datei übernommen</numerusform>
            <numerusform>%n Angeltage aus der Datei übernommen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was changed on disk, but its trips and the unsaved trips in this window together would be more than 250. Nothing has been merged: the trips in this window are kept as they are. Save will ask before it replaces the file; Save As keeps both.</source>
        <translation>%1 wurde auf dem Datenträger geändert, aber seine Angeltage und die ungespeicherten Angeltage in diesem Fenster wären zusammen mehr als 250. Nichts wurde zusammengeführt: Die Angeltage in diesem Fenster bleiben, wie sie sind. Speichern fragt, bevor es die Datei ersetzt; Speichern unter behält beide.</translation>
    </message>
    <message>
        <source>%1 was changed on disk, but it cannot be read: %2. The trips in this window are kept as they are.</source>
        <translation>%1 wurde auf dem Datenträger geändert, kann aber nicht gelesen werden: %2. Die Angeltage in diesem Fenster bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>%1 was changed on disk and has been read again.</source>
        <translation>%1 wurde auf dem Datenträger geändert und neu eingelesen.</translation>
    </message>
    <message>
        <source>Nothing has been written to the file yet.</source>
        <translation>In die Datei wurde noch nichts geschrieben.</translation>
    </message>
    <message>
        <source>Replace the file with the trips in this window? The file it replaces is kept as a backup.</source>
        <translation>Die Datei durch die Angeltage in diesem Fenster ersetzen? Die ersetzte Datei wird als Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>%1 on disk cannot be read: %2.</source>
        <translation>%1 auf dem Datenträger kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 was changed on disk, and its trips and the trips in this window together would be more than 250.</source>
        <translation>%1 wurde auf dem Datenträger geändert, und seine Angeltage und die Angeltage in diesem Fenster wären zusammen mehr als 250.</translation>
    </message>
    <message>
        <source>The merged trips are saved now.</source>
        <translation>Die zusammengeführten Angeltage werden jetzt gespeichert.</translation>
    </message>
    <message>
        <source>The file-sync program kept a second version of %1: %2. Merge its trips into this log book?</source>
        <translation>Das Synchronisationsprogramm hat eine zweite Fassung von %1 aufbewahrt: %2. Ihre Angeltage in dieses Fangbuch übernehmen?</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. It stays where it is.</source>
        <translation>%1 kann nicht gelesen werden: %2. Die Datei bleibt, wo sie ist.</translation>
    </message>
    <message>
        <source>%1 and %2 together would hold more than 250 trips. Nothing has been merged, and the copy stays where it is.</source>
        <translation>%1 und %2 hätten zusammen mehr als 250 Angeltage. Nichts wurde zusammengeführt, und die Kopie bleibt, wo sie ist.</translation>
    </message>
    <message>
        <source>The trips of %1 are merged into %2: %3</source>
        <translation>Die Angeltage von %1 sind in %2 übernommen: %3</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) came only from the copy</source>
        <translation>
            <numerusform>%n Angeltag nur aus der Kopie</numerusform>
            <numerusform>%n Angeltage nur aus der Kopie</numerusform>
        </translation>
    </message>
    <message>
        <source>The copy is kept among the backups (File, Backups...).</source>
        <translation>Die Kopie wird bei den Sicherungen aufbewahrt (Datei, Sicherungen...).</translation>
    </message>
    <message>
        <source>The copy could not be moved to the backups (%1) and stays beside the log book.</source>
        <translation>Die Kopie konnte nicht zu den Sicherungen verschoben werden (%1) und bleibt neben dem Fangbuch.</translation>
    </message>
    <message>
        <source>Save keeps the merged trips.</source>
        <translation>Speichern sichert die zusammengeführten Angeltage.</translation>
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
    <name>rodwick::MainWindow</name>
    <message>
        <source>No records available</source>
        <translation>Keine Angeltage vorhanden</translation>
    </message>
    <message>
        <source>Record %1 of %2</source>
        <translation>Angeltag %1 von %2</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Angeltag</translation>
    </message>
    <message>
        <source>Rodwick DB (*.RWK)|*.RWK|All files (*.*)|*.*</source>
        <translation>Rodwick DB (*.RWK)|*.RWK|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Really leave The Rodwick Database by Harrowby Software</source>
        <translation>The Rodwick Database von Harrowby Software wirklich beenden?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Rodwick DB: %1</source>
        <translation>Rodwick DB: %1</translation>
    </message>
    <message>
        <source>Loading. Please wait...</source>
        <translation>Wird geladen. Bitte warten...</translation>
    </message>
    <message>
        <source>save the database</source>
        <translation>Das Speichern des Fangbuchs</translation>
    </message>
    <message>
        <source>The file on disk was not changed.</source>
        <translation>Die Datei auf dem Datenträger blieb unverändert.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Saving. Please wait...</source>
        <translation>Wird gespeichert. Bitte warten...</translation>
    </message>
    <message>
        <source>Really clear all records from memory??</source>
        <translation>Wirklich alle Angeltage aus dem Speicher löschen?</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>This file already exists. Overwrite the file</source>
        <translation>Diese Datei gibt es schon. Die Datei überschreiben?</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Merge with..</source>
        <translation>Zusammenführen mit..</translation>
    </message>
    <message>
        <source>No records loaded. Please open a file or add a record.</source>
        <translation>Keine Angeltage geladen. Bitte öffnen Sie eine Datei oder fügen Sie einen Angeltag hinzu.</translation>
    </message>
    <message>
        <source>Quick Edit</source>
        <translation>Schnellbearbeitung</translation>
    </message>
    <message>
        <source>Changes are not being kept in a recovery copy: %1.</source>
        <translation>Änderungen werden nicht in einer Wiederherstellungskopie gesichert: %1.</translation>
    </message>
    <message>
        <source>The photos could not be kept: %1.</source>
        <translation>Die Fotos konnten nicht gesichert werden: %1.</translation>
    </message>
    <message>
        <source>%1 has unsaved changes from %2. Recover them?</source>
        <translation>%1 hat ungespeicherte Änderungen vom %2. Wiederherstellen?</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>The database was saved, but the file it replaced could not be kept as a backup in %1: %2.</source>
        <translation>Das Fangbuch wurde gespeichert, aber die ersetzte Datei konnte nicht als Sicherung in %1 aufbewahrt werden: %2.</translation>
    </message>
</context>
<context>
    <name>rodwick::PhotoWatch</name>
    <message>
        <source>The photos changed on disk could not be taken in: %1.</source>
        <translation>Die auf dem Datenträger geänderten Fotos konnten nicht übernommen werden: %1.</translation>
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
    <name>rodwick::PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktueller</translation>
    </message>
    <message>
        <source>Note Sheet</source>
        <translation>Notizblatt</translation>
    </message>
    <message>
        <source>Records from</source>
        <translation>Angeltage von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Include Time</source>
        <translation>Mit Uhrzeit</translation>
    </message>
    <message>
        <source>Include Date</source>
        <translation>Mit Datum</translation>
    </message>
    <message>
        <source>Include Filename</source>
        <translation>Mit Dateinamen</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Kopien:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Printing. Please Wait...</source>
        <translation>Drucken. Bitte warten...</translation>
    </message>
</context>
<context>
    <name>rodwick::QuickEditDialog</name>
    <message>
        <source>Quickedit</source>
        <translation>Schnellbearbeitung</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>rodwick::RecordEditor</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Editing Record %1</source>
        <translation>Angeltag %1 bearbeiten</translation>
    </message>
    <message>
        <source>Adding A Record</source>
        <translation>Neuer Angeltag</translation>
    </message>
    <message>
        <source>Sorry, but only 250 records are allowed in one file. Please open another file!</source>
        <translation>Leider sind in einer Datei nur 250 Angeltage erlaubt. Bitte öffnen Sie eine andere Datei!</translation>
    </message>
    <message>
        <source>Too Many Records!!</source>
        <translation>Zu viele Angeltage!!</translation>
    </message>
    <message>
        <source>Really change the current record?</source>
        <translation>Den angezeigten Angeltag wirklich ändern?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>rodwick::SpeciesPicker</name>
    <message>
        <source>Fish Selection</source>
        <translation>Fischauswahl</translation>
    </message>
    <message>
        <source>Species Caught:</source>
        <translation>Gefangene Fischarten:</translation>
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
    <name>rodwick::StartUp</name>
    <message>
        <source>Could not give you a copy of the example database: %1</source>
        <translation>Eine Kopie des Beispiel-Fangbuchs konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Example database</source>
        <translation>Beispiel-Fangbuch</translation>
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
        <translation>%1 € für Tageskarten</translation>
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
