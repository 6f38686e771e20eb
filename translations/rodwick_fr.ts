<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Copy To Clipboard   </source>
        <translation>&amp;Copier dans le presse-papiers   </translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>Venue:</source>
        <translation>Lieu :</translation>
    </message>
    <message>
        <source>Please select new venue!</source>
        <translation>Veuillez choisir le nouveau lieu !</translation>
    </message>
    <message>
        <source>Type of water:</source>
        <translation>Type d&apos;eau :</translation>
    </message>
    <message>
        <source>Type Of Water:</source>
        <translation>Type d&apos;eau :</translation>
    </message>
    <message>
        <source>Please select type of water.</source>
        <translation>Veuillez choisir le type d&apos;eau.</translation>
    </message>
    <message>
        <source>Day Ticket £</source>
        <translation>Carte journalière €</translation>
    </message>
    <message>
        <source>Day Ticket:</source>
        <translation>Carte journalière :</translation>
    </message>
    <message>
        <source>Please type in new ticket price.</source>
        <translation>Veuillez saisir le nouveau prix de la carte journalière.</translation>
    </message>
    <message>
        <source>Club:</source>
        <translation>Club :</translation>
    </message>
    <message>
        <source>Please select new club</source>
        <translation>Veuillez choisir le nouveau club</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Poids :</translation>
    </message>
    <message>
        <source>Total Weight:</source>
        <translation>Poids total :</translation>
    </message>
    <message>
        <source>Please type in new Total Weight in </source>
        <translation>Veuillez saisir le nouveau poids total en </translation>
    </message>
    <message>
        <source>Water Conditions:</source>
        <translation>État de l&apos;eau :</translation>
    </message>
    <message>
        <source>Water Condition:</source>
        <translation>État de l&apos;eau :</translation>
    </message>
    <message>
        <source>Please select new water conditions!</source>
        <translation>Veuillez choisir le nouvel état de l&apos;eau !</translation>
    </message>
    <message>
        <source>Weather:</source>
        <translation>Météo :</translation>
    </message>
    <message>
        <source>Please select new weather!</source>
        <translation>Veuillez choisir la nouvelle météo !</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Température :</translation>
    </message>
    <message>
        <source>Please select new temperature.</source>
        <translation>Veuillez choisir la nouvelle température.</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Technique :</translation>
    </message>
    <message>
        <source>Please type in new Method of Fishing:</source>
        <translation>Veuillez saisir la nouvelle technique de pêche :</translation>
    </message>
    <message>
        <source>Depth:</source>
        <translation>Profondeur :</translation>
    </message>
    <message>
        <source>Please type in new depth in </source>
        <translation>Veuillez saisir la nouvelle profondeur en </translation>
    </message>
    <message>
        <source>Best Bait,etc:</source>
        <translation>Meilleur appât :</translation>
    </message>
    <message>
        <source>Please select new best Bait:</source>
        <translation>Veuillez choisir le nouveau meilleur appât :</translation>
    </message>
    <message>
        <source>Species:</source>
        <translation>Espèces :</translation>
    </message>
    <message>
        <source>Species Caught:</source>
        <translation>Espèces prises :</translation>
    </message>
    <message>
        <source>Best Fish:</source>
        <translation>Plus beau poisson :</translation>
    </message>
    <message>
        <source>Please select new best fish:</source>
        <translation>Veuillez choisir le nouveau plus beau poisson :</translation>
    </message>
    <message>
        <source>Best Fish Weight:</source>
        <translation>Poids du plus beau poisson :</translation>
    </message>
    <message>
        <source>Please type in new weight in </source>
        <translation>Veuillez saisir le nouveau poids en </translation>
    </message>
    <message>
        <source>Restrictions:</source>
        <translation>Réglementation :</translation>
    </message>
    <message>
        <source>Please enter new restrictions:</source>
        <translation>Veuillez saisir la nouvelle réglementation :</translation>
    </message>
    <message>
        <source>Remarks:</source>
        <translation>Remarques :</translation>
    </message>
    <message>
        <source>Please enter new remarks:</source>
        <translation>Veuillez saisir les nouvelles remarques :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Please type in new date.</source>
        <translation>Veuillez saisir la nouvelle date.</translation>
    </message>
    <message>
        <source>Start Time:</source>
        <translation>Début :</translation>
    </message>
    <message>
        <source>Please type in new Start Time:</source>
        <translation>Veuillez saisir la nouvelle heure de début :</translation>
    </message>
    <message>
        <source>Finish:</source>
        <translation>Fin :</translation>
    </message>
    <message>
        <source>Finish Time:</source>
        <translation>Heure de fin :</translation>
    </message>
    <message>
        <source>Please type in new Finish Time:</source>
        <translation>Veuillez saisir la nouvelle heure de fin :</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Export to Spreadsheet (CSV)...</source>
        <translation>Exporter vers un tableur (CSV)...</translation>
    </message>
    <message>
        <source>Import from Spreadsheet (CSV)...</source>
        <translation>Importer depuis un tableur (CSV)...</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Due to Windows problems, you must load this file manually. Please load up ANGLEBOX.DOC - Press OK to run your Word Processor. Alternatively select Anglebox Manual from the Harrowby Software program group</source>
        <translation>Le manuel doit être ouvert à la main. Veuillez ouvrir ANGLEBOX.DOC – OK lance votre traitement de texte. Le manuel Anglebox se trouve aussi dans le groupe de programmes Harrowby Software.</translation>
    </message>
    <message>
        <source>Sorry - Cannot find ANGLEBOX.doc!</source>
        <translation>Désolé – ANGLEBOX.doc est introuvable !</translation>
    </message>
    <message>
        <source>Oops. Somethings gone wrong. Please check that you have WRITE.EXE and ANGLEBOX.WRI</source>
        <translation>Un problème est survenu. Vérifiez qu&apos;un traitement de texte et ANGLEBOX.WRI sont bien installés.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>Switch Application &amp;Language...</source>
        <translation>Changer la &amp;langue de l&apos;application...</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>Preferences...   </source>
        <translation>Préférences...   </translation>
    </message>
    <message>
        <source>Font...</source>
        <translation>Police...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
</context>
<context>
    <name>PleaseWait</name>
    <message>
        <source>Please Wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Your printer is off line or is not responding. Please fix this problem and click on Retry to try again.</source>
        <translation>Votre imprimante est hors ligne ou ne répond pas. Veuillez corriger ce problème et cliquer sur Réessayer pour recommencer.</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Imprimante</translation>
    </message>
</context>
<context>
    <name>PrintedTable</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>RecordMenu</name>
    <message>
        <source>&amp;Goto...</source>
        <translation>&amp;Aller à...</translation>
    </message>
    <message>
        <source>Trip List...</source>
        <translation>Liste des sorties...</translation>
    </message>
</context>
<context>
    <name>Search</name>
    <message>
        <source>Continue Search?</source>
        <translation>Continuer la recherche ?</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Search Complete</source>
        <translation>Recherche terminée</translation>
    </message>
</context>
<context>
    <name>SpreadsheetFiles</name>
    <message>
        <source>Import from Spreadsheet</source>
        <translation>Importer depuis un tableur</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <extracomment>%1 is why the import failed, a sentence of its own.</extracomment>
        <translation>%1 Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>This file already exists. Overwrite the file</source>
        <translation>Ce fichier existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>Export to Spreadsheet</source>
        <translation>Exporter vers un tableur</translation>
    </message>
    <message>
        <source>export</source>
        <translation>L&apos;export</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Import from Spreadsheet (CSV)</source>
        <translation>Importer depuis un tableur (CSV)</translation>
    </message>
    <message>
        <source>Could not read %1: %2.</source>
        <extracomment>%1 is the file, %2 the system&apos;s reason.</extracomment>
        <translation>Impossible de lire %1 : %2.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 est vide.</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 n&apos;est pas un fichier texte.</translation>
    </message>
    <message>
        <source>Only %1 of the %2 trips in this file would fit: a database holds at most %3 records. Nothing was imported.</source>
        <translation>Seules %1 des %2 sorties de ce fichier tiendraient : un carnet de pêche contient au plus %3 sorties. Rien n&apos;a été importé.</translation>
    </message>
</context>
<context>
    <name>TripCounts</name>
    <message numerus="yes">
        <source>Showing %1 of %n trip(s)</source>
        <translation>
            <numerusform>%1 sur %n sortie</numerusform>
            <numerusform>%1 sur %n sorties</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflict copy(ies) not counted</source>
        <translation>
            <numerusform>%n copie de conflit non comptée</numerusform>
            <numerusform>%n copies de conflit non comptées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out because its/their date did not read</source>
        <translation>
            <numerusform>%n omise car sa date est illisible</numerusform>
            <numerusform>%n omises car leur date est illisible</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>Could not %1 to %2: %3. %4</source>
        <extracomment>%1 is what failed, as its caller words it (&quot;save the preferences&quot;), %2 the file, %3 the system&apos;s reason, %4 where that leaves the user.</extracomment>
        <translation>%1 dans %2 impossible : %3. %4</translation>
    </message>
</context>
<context>
    <name>rodwick::AboutDialog</name>
    <message>
        <source>Welcome to The Rodwick Database, by Harrowby Software.
Keep a log of every fishing trip you make: where you fished, the water and the weather, the method and bait that worked, and what you caught, down to the weight of your best fish. The more trips you record, the more the log tells you: search it for a species, for example, and it shows you every place where that fish has been caught. Everything the program can do is explained in the manual, the file ANGLEBOX.doc beside the program.</source>
        <translation>Bienvenue dans The Rodwick Database, de Harrowby Software.
Tenez le carnet de chacune de vos sorties de pêche : où vous avez pêché, l&apos;eau et la météo, la technique et l&apos;appât qui ont marché, et ce que vous avez pris, jusqu&apos;au poids de votre plus beau poisson. Plus vous notez de sorties, plus le carnet vous en apprend : cherchez une espèce, par exemple, et il vous montre chaque coin où ce poisson a été pris. Tout ce que fait le programme est expliqué dans le manuel, le fichier ANGLEBOX.doc à côté du programme.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>rodwick::CopyDialog</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy what?</source>
        <translation>Copier quoi ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>rodwick::CsvImportWindow</name>
    <message>
        <source>Import from Spreadsheet (CSV)</source>
        <translation>Importer depuis un tableur (CSV)</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Point-virgule</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>UTF-8 with byte-order mark</source>
        <translation>UTF-8 avec BOM</translation>
    </message>
    <message>
        <source>First row is a &amp;header</source>
        <translation>La première ligne contient les &amp;titres</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Séparateur :</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>Enco&amp;dage :</translation>
    </message>
    <message>
        <source>Columns of the file and the field each goes into:</source>
        <translation>Colonnes du fichier et champ où va chacune :</translation>
    </message>
    <message>
        <source>The first trips as they will be stored:</source>
        <translation>Les premières sorties telles qu&apos;elles seront enregistrées :</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the column&apos;s number and name (&quot;Column 3&quot;), %2 its heading in the file.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>(leave out)</source>
        <translation>(ignorer)</translation>
    </message>
    <message>
        <source>Split into its two boxes from “%1”.</source>
        <extracomment>%1 is the cell&apos;s text as the file gives it.</extracomment>
        <translation>Réparti dans ses deux cases à partir de « %1 ».</translation>
    </message>
    <message>
        <source>Read as a time from “%1”.</source>
        <extracomment>%1 is the cell&apos;s text as the file gives it.</extracomment>
        <translation>Lu comme une heure à partir de « %1 ».</translation>
    </message>
    <message>
        <source>Kept as written: the value is in imperial units, the metric units are in force, and weights and depths are never converted.</source>
        <translation>Gardé tel quel : la valeur est en unités impériales, les unités métriques sont en vigueur, et les poids et profondeurs ne sont jamais convertis.</translation>
    </message>
    <message>
        <source>Kept as written: the value is in metric units, the imperial units are in force, and weights and depths are never converted.</source>
        <translation>Gardé tel quel : la valeur est en unités métriques, les unités impériales sont en vigueur, et les poids et profondeurs ne sont jamais convertis.</translation>
    </message>
    <message>
        <source>No trips will be added.</source>
        <translation>Aucune sortie ne sera ajoutée.</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) will be added.</source>
        <translation>
            <numerusform>%n sortie sera ajoutée.</numerusform>
            <numerusform>%n sorties seront ajoutées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %n more fit in the table (250 records at most): nothing can be added.</source>
        <translation>
            <numerusform>La table n&apos;a plus de place que pour %n (250 sorties au plus) : rien ne peut être ajouté.</numerusform>
            <numerusform>La table n&apos;a plus de place que pour %n (250 sorties au plus) : rien ne peut être ajouté.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character(s) the database file cannot hold will be stored as &quot;?&quot;.</source>
        <translation>
            <numerusform>%n caractère que le fichier de la base ne peut contenir sera enregistré comme « ? ».</numerusform>
            <numerusform>%n caractères que le fichier de la base ne peut contenir seront enregistrés comme « ? ».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) have more or fewer cells than the first row: missing cells stay empty.</source>
        <translation>
            <numerusform>%n ligne a plus ou moins de cellules que la première : les cellules manquantes restent vides.</numerusform>
            <numerusform>%n lignes ont plus ou moins de cellules que la première : les cellules manquantes restent vides.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weight(s) or depth(s) are in the other unit system and will be kept as written.</source>
        <translation>
            <numerusform>%n poids ou profondeur dans l&apos;autre système d&apos;unités sera gardé tel quel.</numerusform>
            <numerusform>%n poids ou profondeurs dans l&apos;autre système d&apos;unités seront gardés tels quels.</numerusform>
        </translation>
    </message>
    <message>
        <source>A quote is never closed: its cell runs to the end of the file.</source>
        <translation>Un guillemet n&apos;est jamais fermé : sa cellule va jusqu&apos;à la fin du fichier.</translation>
    </message>
    <message>
        <source>Columns after the %1th are left out.</source>
        <translation>Les colonnes après la %1e sont ignorées.</translation>
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
        <translation>Fichier texte (*.TXT)</translation>
    </message>
    <message>
        <source>Rodwick Db ST (*.PRO)</source>
        <translation>Rodwick Db ST (*.PRO)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>All </source>
        <translation>Toutes </translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Rodwick DB PC</source>
        <translation>Rodwick DB PC</translation>
    </message>
    <message>
        <source>ASCII Text</source>
        <translation>Texte ASCII</translation>
    </message>
    <message>
        <source>Rodwick DB Pro ST</source>
        <translation>Rodwick DB Pro ST</translation>
    </message>
    <message>
        <source>Export..</source>
        <translation>Exporter..</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>export</source>
        <translation>L&apos;export</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Aucun fichier n&apos;a été écrit.</translation>
    </message>
</context>
<context>
    <name>rodwick::FindDialog</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Please type in the word for me to search for. I will search all fields in all records for the word you specify. Upper and lower case are no problem for me!</source>
        <translation>Tapez le mot à rechercher. Je le cherche dans tous les champs de toutes les sorties. Majuscules et minuscules, peu importe !</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Mot :</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>rodwick::GotoDialog</name>
    <message>
        <source>Goto</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>Records:</source>
        <translation>Sorties :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1. %2 on %3 at %4</source>
        <extracomment>A line of the goto list: the record&apos;s number, venue, date and start time.</extracomment>
        <translation>%1. %2 le %3 à %4</translation>
    </message>
</context>
<context>
    <name>rodwick::LanguageDialog</name>
    <message>
        <source>Switch Application Language</source>
        <translation>Changer la langue de l&apos;application</translation>
    </message>
    <message>
        <source>Language of the windows:</source>
        <translation>Langue des fenêtres :</translation>
    </message>
    <message>
        <source>&amp;System language (%1)</source>
        <translation>Langue du &amp;système (%1)</translation>
    </message>
    <message>
        <source>The language changes the next time the program starts.</source>
        <translation>La langue change au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Could not keep the language in %1: %2. The language stays as it was.</source>
        <translation>Impossible d&apos;enregistrer la langue dans %1 : %2. La langue reste inchangée.</translation>
    </message>
</context>
<context>
    <name>rodwick::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Show possible venues and clubs on edit.</source>
        <translation>Proposer lieux et clubs lors de la saisie.</translation>
    </message>
    <message>
        <source>Autoload File</source>
        <translation>Fichier chargé au démarrage</translation>
    </message>
    <message>
        <source>Select..</source>
        <translation>Choisir..</translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métriques</translation>
    </message>
    <message>
        <source>Imperial</source>
        <translation>Impériales</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>save the preferences</source>
        <translation>L&apos;enregistrement des préférences</translation>
    </message>
    <message>
        <source>They stay in force until the program ends.</source>
        <translation>Elles restent en vigueur jusqu&apos;à la fermeture du programme.</translation>
    </message>
</context>
<context>
    <name>rodwick::PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <source>Note Sheet</source>
        <translation>Fiche vierge</translation>
    </message>
    <message>
        <source>Records from</source>
        <translation>Sorties de</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Include Time</source>
        <translation>Avec l&apos;heure</translation>
    </message>
    <message>
        <source>Include Date</source>
        <translation>Avec la date</translation>
    </message>
    <message>
        <source>Include Filename</source>
        <translation>Avec le fichier</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Copies :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Printing. Please Wait...</source>
        <translation>Impression. Veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>rodwick::trips::TripListWindow</name>
    <message numerus="yes">
        <source> (%n without times)</source>
        <translation>
            <numerusform> (%n sans horaires)</numerusform>
            <numerusform> (%n sans horaires)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n without a total weight)</source>
        <translation>
            <numerusform> (%n sans poids total)</numerusform>
            <numerusform> (%n sans poids total)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n without a ticket price)</source>
        <translation>
            <numerusform> (%n sans prix de carte)</numerusform>
            <numerusform> (%n sans prix de carte)</numerusform>
        </translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Reading the log books of the folder</source>
        <translation>Lecture des carnets du dossier</translation>
    </message>
    <message>
        <source>Export Shown Trips (CSV)...</source>
        <translation>Exporter les sorties affichées (CSV)...</translation>
    </message>
    <message>
        <source>Print Shown Trips...</source>
        <translation>Imprimer les sorties affichées...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Totals: %1</source>
        <translation>Totaux : %1</translation>
    </message>
    <message>
        <source>Left out, not read as a log book:
</source>
        <translation>Omis, illisibles comme carnet :
</translation>
    </message>
    <message>
        <source>%1 fished</source>
        <translation>%1 de pêche</translation>
    </message>
    <message>
        <source>%1 caught</source>
        <translation>%1 pris</translation>
    </message>
    <message numerus="yes">
        <source>%n blank trip(s)</source>
        <translation>
            <numerusform>%n bredouille</numerusform>
            <numerusform>%n bredouilles</numerusform>
        </translation>
    </message>
    <message>
        <source>£%1 on day tickets</source>
        <translation>%1 £ en cartes journalières</translation>
    </message>
    <message>
        <source>, in every log book of %1</source>
        <translation>, dans tous les carnets de %1</translation>
    </message>
    <message>
        <source>The printer is not ready or the report could not be printed.</source>
        <translation>L&apos;imprimante n&apos;est pas prête ou le rapport n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>Print Shown Trips</source>
        <translation>Imprimer les sorties affichées</translation>
    </message>
</context>
</TS>
