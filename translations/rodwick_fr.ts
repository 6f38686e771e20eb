<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Almanac</name>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Premier croissant</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Gibbeuse croissante</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Dernier croissant</translation>
    </message>
    <message>
        <source>Dawn</source>
        <translation>Aube</translation>
    </message>
    <message>
        <source>Morning</source>
        <translation>Matin</translation>
    </message>
    <message>
        <source>Afternoon</source>
        <translation>Après-midi</translation>
    </message>
    <message>
        <source>Evening</source>
        <translation>Soir</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
</context>
<context>
    <name>BackupsDialog</name>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>%1 (conflict copy)</source>
        <translation>%1 (copie de conflit)</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Copy To Clipboard   </source>
        <translation>&amp;Copier dans le presse-papiers   </translation>
    </message>
    <message>
        <source>&amp;Edit Record...</source>
        <translation>&amp;Modifier la sortie...</translation>
    </message>
    <message>
        <source>&amp;Delete Record...  </source>
        <translation>&amp;Supprimer la sortie...  </translation>
    </message>
    <message>
        <source>&amp;Add Record...</source>
        <translation>&amp;Ajouter une sortie...</translation>
    </message>
    <message>
        <source>D&amp;uplicate Record</source>
        <translation>D&amp;upliquer la sortie</translation>
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
        <translation>Carte jour. €</translation>
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
        <translation>Plus gros :</translation>
    </message>
    <message>
        <source>Please select new best fish:</source>
        <translation>Veuillez choisir le nouveau plus gros poisson :</translation>
    </message>
    <message>
        <source>Best Fish Weight:</source>
        <translation>Poids du plus gros poisson :</translation>
    </message>
    <message>
        <source>Please type in new weight in </source>
        <translation>Veuillez saisir le nouveau poids en </translation>
    </message>
    <message>
        <source>Restrictions:</source>
        <translation>Règlement :</translation>
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
    <name>Figures</name>
    <message>
        <source>without a readable date</source>
        <translation>sans date lisible</translation>
    </message>
    <message>
        <source>without a readable start time</source>
        <translation>sans heure de début lisible</translation>
    </message>
    <message>
        <source>without a readable finish time</source>
        <translation>sans heure de fin lisible</translation>
    </message>
    <message>
        <source>without a readable total weight</source>
        <translation>sans poids total lisible</translation>
    </message>
    <message>
        <source>without a readable ticket price</source>
        <translation>sans prix de carte lisible</translation>
    </message>
    <message>
        <source>without a venue</source>
        <translation>sans lieu</translation>
    </message>
    <message>
        <source>without a readable total weight, left out of the catch</source>
        <translation>sans poids total lisible, hors du total des prises</translation>
    </message>
    <message>
        <source>without a best fish named</source>
        <translation>sans plus beau poisson indiqué</translation>
    </message>
    <message>
        <source>without a readable best fish weight</source>
        <translation>sans poids lisible du plus beau poisson</translation>
    </message>
    <message>
        <source>without a method</source>
        <translation>sans technique</translation>
    </message>
    <message>
        <source>without a bait</source>
        <translation>sans appât</translation>
    </message>
    <message>
        <source>without a weather</source>
        <translation>sans météo</translation>
    </message>
    <message>
        <source>without a water condition</source>
        <translation>sans état de l&apos;eau</translation>
    </message>
    <message>
        <source>without a type of water</source>
        <translation>sans type d&apos;eau</translation>
    </message>
    <message>
        <source>without a value</source>
        <translation>sans valeur</translation>
    </message>
    <message>
        <source>whose value no other trip shares</source>
        <translation>dont la valeur n&apos;est partagée par aucune autre sortie</translation>
    </message>
    <message>
        <source>The moon&apos;s phase at midday (UT) on the trip&apos;s date, each phase an eighth of its cycle.</source>
        <translation>La phase de la lune à midi (UT) à la date de la sortie, chaque phase valant un huitième de son cycle.</translation>
    </message>
    <message>
        <source>without readable start and finish times</source>
        <translation>sans heures de début et de fin lisibles</translation>
    </message>
    <message>
        <source>whose start and finish are the same time</source>
        <translation>dont le début et la fin sont à la même heure</translation>
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
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Enre&amp;gistrer</translation>
    </message>
    <message>
        <source>Save As..   </source>
        <translation>Enregistrer sous..   </translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <source>Backups...</source>
        <translation>Sauvegardes...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
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
    <name>MenuBar</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Sortie</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
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
    <message>
        <source>Statistics...</source>
        <translation>Statistiques...</translation>
    </message>
</context>
<context>
    <name>OtherTripWindow</name>
    <message>
        <source>%1 - Trip %2</source>
        <translation>%1 - Sortie %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
    <message>
        <source>Photos...</source>
        <translation>Photos...</translation>
    </message>
    <message>
        <source>New Trip from Photos...</source>
        <translation>Nouvelle sortie à partir de photos...</translation>
    </message>
    <message>
        <source>Firs&amp;t</source>
        <translation>&amp;Première</translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <translation>&amp;Dernière</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivante</translation>
    </message>
    <message>
        <source>Pre&amp;vious </source>
        <translation>Pré&amp;cédente </translation>
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
    <name>Toolbar</name>
    <message>
        <source>New Database</source>
        <translation>Nouveau carnet</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Ouvrir un carnet</translation>
    </message>
    <message>
        <source>Save Database</source>
        <translation>Enregistrer le carnet</translation>
    </message>
    <message>
        <source>Duplicate Record</source>
        <translation>Dupliquer la sortie</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>Supprimer la sortie</translation>
    </message>
    <message>
        <source>Search Database</source>
        <translation>Rechercher dans le carnet</translation>
    </message>
    <message>
        <source>Add Record</source>
        <translation>Ajouter une sortie</translation>
    </message>
    <message>
        <source>Edit Record</source>
        <translation>Modifier la sortie</translation>
    </message>
    <message>
        <source>Copy Data</source>
        <translation>Copier les données</translation>
    </message>
</context>
<context>
    <name>TripColumns</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Log Book</source>
        <translation>Carnet</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Venue</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Type of Water</source>
        <translation>Type d&apos;eau</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Best Fish</source>
        <translation>Plus beau poisson</translation>
    </message>
    <message>
        <source>Best Fish Weight (%1)</source>
        <translation>Poids du plus beau poisson (%1)</translation>
    </message>
    <message>
        <source>Total Weight (%1)</source>
        <translation>Poids total (%1)</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>Bait</source>
        <translation>Appât</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Hours Fished</source>
        <translation>Heures de pêche</translation>
    </message>
    <message>
        <source>Day Ticket</source>
        <translation>Carte journalière</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
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
    <message>
        <source>at %1</source>
        <translation>à %1</translation>
    </message>
    <message>
        <source>for %1</source>
        <translation>pour %1</translation>
    </message>
    <message>
        <source>by the method %1</source>
        <translation>avec la technique %1</translation>
    </message>
    <message>
        <source>on the bait %1</source>
        <translation>à l&apos;appât %1</translation>
    </message>
    <message>
        <source>All trips</source>
        <translation>Toutes les sorties</translation>
    </message>
    <message>
        <source>containing &quot;%1&quot;</source>
        <translation>contenant « %1 »</translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>en %1</translation>
    </message>
    <message>
        <source>in %1 of every year</source>
        <translation>en %1 de chaque année</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>à partir du %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>jusqu&apos;au %1</translation>
    </message>
    <message>
        <source>with a catch</source>
        <translation>avec prise</translation>
    </message>
    <message>
        <source>without a catch</source>
        <translation>sans prise</translation>
    </message>
    <message>
        <source>Trips %1</source>
        <translation>Sorties %1</translation>
    </message>
</context>
<context>
    <name>UndoCommand</name>
    <message>
        <source>&amp;Undo</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>UndoCommandStep</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>A&amp;nnuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message>
        <source>Add</source>
        <translation>Ajout</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>Quick Edit</source>
        <translation>Modification rapide</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppression</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplication</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusion</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacement</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Récupération</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Rechargement</translation>
    </message>
    <message>
        <source>Merge from Disk</source>
        <translation>Fusion avec le fichier</translation>
    </message>
    <message>
        <source>Merge of Conflicted Copy</source>
        <translation>Fusion de la copie de conflit</translation>
    </message>
    <message>
        <source>Remove Photo</source>
        <translation>Retrait de la photo</translation>
    </message>
    <message numerus="yes">
        <source>Import of %n Trip(s)</source>
        <translation>
            <numerusform>Importation de %n sortie</numerusform>
            <numerusform>Importation de %n sorties</numerusform>
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
    <name>rodwick::CommandLine</name>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licence GPLv3+ : GNU GPL version 3 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;.
Ceci est un logiciel libre : vous êtes libre de le modifier et de le redistribuer.
Il n&apos;y a AUCUNE GARANTIE, dans les limites permises par la loi.
</translation>
    </message>
    <message>
        <source>The Rodwick Database: a log book for anglers.</source>
        <translation>The Rodwick Database : un carnet de pêche pour les pêcheurs.</translation>
    </message>
    <message>
        <source>The database (.RWK) to open instead of the start-up database.</source>
        <translation>Le carnet (.RWK) à ouvrir au lieu du carnet de démarrage.</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[FICHIER]</translation>
    </message>
    <message>
        <source>Only one database can be opened at a time.</source>
        <translation>Un seul carnet peut être ouvert à la fois.</translation>
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
    <name>rodwick::EditCommands</name>
    <message>
        <source>Really delete the current record?</source>
        <translation>Supprimer vraiment la sortie affichée ?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Do you want to edit this new occurance now?</source>
        <translation>Voulez-vous modifier cette nouvelle copie maintenant ?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
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
    <name>rodwick::FileWatch</name>
    <message>
        <source>Changed on Disk</source>
        <translation>Modifié sur le disque</translation>
    </message>
    <message>
        <source>Conflict Copy</source>
        <translation>Copie de conflit</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) removed by it</source>
        <translation>
            <numerusform>%n sortie retirée par lui</numerusform>
            <numerusform>%n sorties retirées par lui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) changed on both sides kept in both forms</source>
        <translation>
            <numerusform>%n sortie modifiée des deux côtés gardée sous ses deux formes</numerusform>
            <numerusform>%n sorties modifiées des deux côtés gardées sous leurs deux formes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was changed on disk while this window had unsaved changes, and the two have been merged: %2, %3, and %4.</source>
        <translation>%1 a été modifié sur le disque alors que cette fenêtre avait des modifications non enregistrées, et les deux ont été fusionnés : %2, %3 et %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) came from the file</source>
        <translation>
            <numerusform>%n sortie venue du fichier</numerusform>
            <numerusform>%n sorties venues du fichier</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was changed on disk, but its trips and the unsaved trips in this window together would be more than 250. Nothing has been merged: the trips in this window are kept as they are. Save will ask before it replaces the file; Save As keeps both.</source>
        <translation>%1 a été modifié sur le disque, mais ses sorties et les sorties non enregistrées de cette fenêtre dépasseraient ensemble 250. Rien n&apos;a été fusionné : les sorties de cette fenêtre restent telles quelles. Enregistrer demandera avant de remplacer le fichier ; Enregistrer sous garde les deux.</translation>
    </message>
    <message>
        <source>%1 was changed on disk, but it cannot be read: %2. The trips in this window are kept as they are.</source>
        <translation>%1 a été modifié sur le disque, mais il est illisible : %2. Les sorties de cette fenêtre restent telles quelles.</translation>
    </message>
    <message>
        <source>%1 was changed on disk and has been read again.</source>
        <translation>%1 a été modifié sur le disque et a été relu.</translation>
    </message>
    <message>
        <source>Nothing has been written to the file yet.</source>
        <translation>Rien n&apos;a encore été écrit dans le fichier.</translation>
    </message>
    <message>
        <source>Replace the file with the trips in this window? The file it replaces is kept as a backup.</source>
        <translation>Remplacer le fichier par les sorties de cette fenêtre ? Le fichier remplacé est gardé en sauvegarde.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>%1 on disk cannot be read: %2.</source>
        <translation>%1 est illisible sur le disque : %2.</translation>
    </message>
    <message>
        <source>%1 was changed on disk, and its trips and the trips in this window together would be more than 250.</source>
        <translation>%1 a été modifié sur le disque, et ses sorties et celles de cette fenêtre dépasseraient ensemble 250.</translation>
    </message>
    <message>
        <source>The merged trips are saved now.</source>
        <translation>Les sorties fusionnées sont enregistrées maintenant.</translation>
    </message>
    <message>
        <source>The file-sync program kept a second version of %1: %2. Merge its trips into this log book?</source>
        <translation>Le programme de synchronisation a gardé une seconde version de %1 : %2. Fusionner ses sorties dans ce carnet ?</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. It stays where it is.</source>
        <translation>%1 est illisible : %2. Le fichier reste où il est.</translation>
    </message>
    <message>
        <source>%1 and %2 together would hold more than 250 trips. Nothing has been merged, and the copy stays where it is.</source>
        <translation>%1 et %2 contiendraient ensemble plus de 250 sorties. Rien n&apos;a été fusionné, et la copie reste où elle est.</translation>
    </message>
    <message>
        <source>The trips of %1 are merged into %2: %3</source>
        <translation>Les sorties de %1 sont fusionnées dans %2 : %3</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) came only from the copy</source>
        <translation>
            <numerusform>%n sortie venue de la seule copie</numerusform>
            <numerusform>%n sorties venues de la seule copie</numerusform>
        </translation>
    </message>
    <message>
        <source>The copy is kept among the backups (File, Backups...).</source>
        <translation>La copie est gardée parmi les sauvegardes (Fichier, Sauvegardes...).</translation>
    </message>
    <message>
        <source>The copy could not be moved to the backups (%1) and stays beside the log book.</source>
        <translation>La copie n&apos;a pas pu être déplacée dans les sauvegardes (%1) et reste à côté du carnet.</translation>
    </message>
    <message>
        <source>Save keeps the merged trips.</source>
        <translation>Enregistrer conserve les sorties fusionnées.</translation>
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
    <name>rodwick::MainWindow</name>
    <message>
        <source>No records available</source>
        <translation>Aucune sortie disponible</translation>
    </message>
    <message>
        <source>Record %1 of %2</source>
        <translation>Sortie %1 sur %2</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Rodwick DB (*.RWK)|*.RWK|All files (*.*)|*.*</source>
        <translation>Rodwick DB (*.RWK)|*.RWK|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Really leave The Rodwick Database by Harrowby Software</source>
        <translation>Quitter vraiment The Rodwick Database de Harrowby Software ?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Rodwick DB: %1</source>
        <translation>Rodwick DB : %1</translation>
    </message>
    <message>
        <source>Loading. Please wait...</source>
        <translation>Chargement. Veuillez patienter...</translation>
    </message>
    <message>
        <source>save the database</source>
        <translation>L&apos;enregistrement du carnet</translation>
    </message>
    <message>
        <source>The file on disk was not changed.</source>
        <translation>Le fichier sur le disque n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Saving. Please wait...</source>
        <translation>Enregistrement. Veuillez patienter...</translation>
    </message>
    <message>
        <source>Really clear all records from memory??</source>
        <translation>Effacer vraiment toutes les sorties de la mémoire ?</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>This file already exists. Overwrite the file</source>
        <translation>Ce fichier existe déjà. Écraser le fichier ?</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Merge with..</source>
        <translation>Fusionner avec..</translation>
    </message>
    <message>
        <source>No records loaded. Please open a file or add a record.</source>
        <translation>Aucune sortie chargée. Ouvrez un fichier ou ajoutez une sortie.</translation>
    </message>
    <message>
        <source>Quick Edit</source>
        <translation>Modification rapide</translation>
    </message>
    <message>
        <source>Changes are not being kept in a recovery copy: %1.</source>
        <translation>Les modifications ne sont pas gardées dans une copie de récupération : %1.</translation>
    </message>
    <message>
        <source>The photos could not be kept: %1.</source>
        <translation>Les photos n&apos;ont pas pu être gardées : %1.</translation>
    </message>
    <message>
        <source>%1 has unsaved changes from %2. Recover them?</source>
        <translation>%1 a des modifications non enregistrées du %2. Les récupérer ?</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>The database was saved, but the file it replaced could not be kept as a backup in %1: %2.</source>
        <translation>Le carnet a été enregistré, mais le fichier remplacé n&apos;a pas pu être gardé en sauvegarde dans %1 : %2.</translation>
    </message>
</context>
<context>
    <name>rodwick::PhotoWatch</name>
    <message>
        <source>The photos changed on disk could not be taken in: %1.</source>
        <translation>Les photos modifiées sur le disque n&apos;ont pas pu être reprises : %1.</translation>
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
    <name>rodwick::QuickEditDialog</name>
    <message>
        <source>Quickedit</source>
        <translation>Modification rapide</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Ce jour</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>rodwick::RecordEditor</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Ce jour</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Editing Record %1</source>
        <translation>Modification de la sortie %1</translation>
    </message>
    <message>
        <source>Adding A Record</source>
        <translation>Nouvelle sortie</translation>
    </message>
    <message>
        <source>Sorry, but only 250 records are allowed in one file. Please open another file!</source>
        <translation>Désolé, un fichier ne peut contenir que 250 sorties. Veuillez ouvrir un autre fichier !</translation>
    </message>
    <message>
        <source>Too Many Records!!</source>
        <translation>Trop de sorties !!</translation>
    </message>
    <message>
        <source>Really change the current record?</source>
        <translation>Modifier vraiment la sortie affichée ?</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>rodwick::SpeciesPicker</name>
    <message>
        <source>Fish Selection</source>
        <translation>Choix des poissons</translation>
    </message>
    <message>
        <source>Species Caught:</source>
        <translation>Espèces prises :</translation>
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
    <name>rodwick::StartUp</name>
    <message>
        <source>Could not give you a copy of the example database: %1</source>
        <translation>Impossible de vous fournir une copie du carnet d&apos;exemple : %1</translation>
    </message>
    <message>
        <source>Example database</source>
        <translation>Carnet d&apos;exemple</translation>
    </message>
</context>
<context>
    <name>rodwick::filtering::FilterBar</name>
    <message>
        <source>Any</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Word in any field</source>
        <translation>Mot dans n&apos;importe quel champ</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>Any date</source>
        <translation>Toutes les dates</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>L&apos;année dernière</translation>
    </message>
    <message>
        <source>The last 12 months</source>
        <translation>Les 12 derniers mois</translation>
    </message>
    <message>
        <source>Every %1</source>
        <translation>Chaque année en %1</translation>
    </message>
    <message>
        <source>From a date to a date</source>
        <translation>D&apos;une date à une autre</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Venue</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Espèce</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>Bait</source>
        <translation>Appât</translation>
    </message>
    <message>
        <source>Catches</source>
        <translation>Prises</translation>
    </message>
    <message>
        <source>All trips</source>
        <translation>Toutes les sorties</translation>
    </message>
    <message>
        <source>Trips with a catch</source>
        <translation>Sorties avec prise</translation>
    </message>
    <message>
        <source>Blank trips</source>
        <translation>Bredouilles</translation>
    </message>
    <message>
        <source>Log books</source>
        <translation>Carnets</translation>
    </message>
    <message>
        <source>This log book</source>
        <translation>Ce carnet</translation>
    </message>
    <message>
        <source>All log books in this folder</source>
        <translation>Tous les carnets de ce dossier</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Wo&amp;rd:</source>
        <translation>&amp;Mot :</translation>
    </message>
    <message>
        <source>&amp;Dates:</source>
        <translation>&amp;Dates :</translation>
    </message>
    <message>
        <source>&amp;Log books:</source>
        <translation>&amp;Carnets :</translation>
    </message>
    <message>
        <source>Ven&amp;ue:</source>
        <translation>&amp;Lieu :</translation>
    </message>
    <message>
        <source>S&amp;pecies:</source>
        <translation>&amp;Espèce :</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Technique :</translation>
    </message>
    <message>
        <source>Ba&amp;it:</source>
        <translation>Appâ&amp;t :</translation>
    </message>
    <message>
        <source>Catc&amp;hes:</source>
        <translation>&amp;Prises :</translation>
    </message>
</context>
<context>
    <name>rodwick::photos::NoTripBar</name>
    <message>
        <source>Photos whose trip was changed outside this program: link each to its trip again. Nothing is deleted.</source>
        <translation>Photos dont la sortie a été modifiée en dehors de ce programme : reliez chacune à sa sortie. Rien n&apos;est supprimé.</translation>
    </message>
    <message>
        <source>&amp;Trip:</source>
        <translation>&amp;Sortie :</translation>
    </message>
    <message>
        <source>Trip to link the photo to</source>
        <translation>Sortie à laquelle lier la photo</translation>
    </message>
    <message>
        <source>&amp;Link to Trip</source>
        <translation>&amp;Lier à la sortie</translation>
    </message>
    <message>
        <source>Photos of &amp;no trip (%1)</source>
        <translation>Photos &amp;hors sortie (%1)</translation>
    </message>
    <message>
        <source>Photos of no trip (%1)</source>
        <translation>Photos hors sortie (%1)</translation>
    </message>
    <message>
        <source>Trip %1: %2</source>
        <translation>Sortie %1 : %2</translation>
    </message>
</context>
<context>
    <name>rodwick::photos::PhotoView</name>
    <message>
        <source>%1 (%2 of %3)</source>
        <translation>%1 (%2 sur %3)</translation>
    </message>
</context>
<context>
    <name>rodwick::photos::PhotosWindow</name>
    <message>
        <source>New Trip from Photos</source>
        <translation>Nouvelle sortie à partir de photos</translation>
    </message>
    <message>
        <source>The photos could not be added: %1.</source>
        <translation>Les photos n&apos;ont pas pu être ajoutées : %1.</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Time not recorded</source>
        <translation>Heure non enregistrée</translation>
    </message>
    <message>
        <source>Photos of the trip</source>
        <translation>Photos de la sortie</translation>
    </message>
    <message>
        <source>The photo could not change the caption: %1.</source>
        <translation>La légende de la photo n&apos;a pas pu être modifiée : %1.</translation>
    </message>
    <message>
        <source>&amp;Add Photos...</source>
        <translation>&amp;Ajouter des photos...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Set as &amp;Cover</source>
        <translation>Définir comme &amp;couverture</translation>
    </message>
    <message>
        <source>The photo could not be linked to its trip: %1.</source>
        <translation>La photo n&apos;a pas pu être liée à sa sortie : %1.</translation>
    </message>
    <message>
        <source>Photos of no trip: their trip was changed outside this program. Choose the trip each is of.</source>
        <translation>Photos hors sortie : leur sortie a été modifiée en dehors de ce programme. Choisissez la sortie de chacune.</translation>
    </message>
    <message>
        <source>Trip %1 of %2: %3, %4</source>
        <translation>Sortie %1 sur %2 : %3, %4</translation>
    </message>
    <message>
        <source>No trip is shown.</source>
        <translation>Aucune sortie n&apos;est affichée.</translation>
    </message>
    <message>
        <source>, cover</source>
        <translation>, couverture</translation>
    </message>
    <message>
        <source>Taken at %1, %2 &lt;a href=&quot;%3&quot;&gt;Show on a map&lt;/a&gt;</source>
        <translation>Prise à %1, %2 &lt;a href=&quot;%3&quot;&gt;Afficher sur une carte&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Add Photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <source>The photo could not be added: %1.</source>
        <translation>La photo n&apos;a pas pu être ajoutée : %1.</translation>
    </message>
    <message>
        <source>The photo could not be removed: %1.</source>
        <translation>La photo n&apos;a pas pu être retirée : %1.</translation>
    </message>
    <message>
        <source>The photo could not be made the cover: %1.</source>
        <translation>La photo n&apos;a pas pu devenir la couverture : %1.</translation>
    </message>
</context>
<context>
    <name>rodwick::stats::StatisticsWindow</name>
    <message>
        <source>The cover photo cannot be shown: %1</source>
        <translation>La photo de couverture ne peut pas être affichée : %1</translation>
    </message>
    <message>
        <source>Average catch</source>
        <translation>Prise moyenne</translation>
    </message>
    <message>
        <source>Total catch</source>
        <translation>Prises totales</translation>
    </message>
    <message>
        <source>Trips</source>
        <translation>Sorties</translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) %1</source>
        <translation>
            <numerusform>%n sortie %1</numerusform>
            <numerusform>%n sorties %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Every trip counted.</source>
        <translation>Toutes les sorties ont été comptées.</translation>
    </message>
    <message>
        <source>%1; a trip counts in each part it spans.</source>
        <translation>%1 ; une sortie compte dans chaque moment de la journée qu&apos;elle couvre.</translation>
    </message>
    <message>
        <source>Charts are not available: %1</source>
        <translation>Les graphiques ne sont pas disponibles : %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Summary</source>
        <translation>Ré&amp;sumé</translation>
    </message>
    <message>
        <source>By &amp;venue</source>
        <translation>Par lie&amp;u</translation>
    </message>
    <message>
        <source>Personal &amp;bests</source>
        <translation>&amp;Records personnels</translation>
    </message>
    <message>
        <source>Double-click a fish to show its trip</source>
        <translation>Double-cliquez sur un poisson pour afficher sa sortie</translation>
    </message>
    <message>
        <source>&amp;Method</source>
        <translation>Tec&amp;hnique</translation>
    </message>
    <message>
        <source>B&amp;ait</source>
        <translation>&amp;Appât</translation>
    </message>
    <message>
        <source>W&amp;eather</source>
        <translation>Mété&amp;o</translation>
    </message>
    <message>
        <source>Water co&amp;ndition</source>
        <translation>État de l&apos;eau</translation>
    </message>
    <message>
        <source>T&amp;ype of water</source>
        <translation>T&amp;ype d&apos;eau</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>&amp;Time of Day</source>
        <translation>Moment de la &amp;journée</translation>
    </message>
    <message>
        <source>&amp;What works</source>
        <translation>Ce &amp;qui marche</translation>
    </message>
    <message>
        <source>&amp;Over time</source>
        <translation>Au &amp;fil du temps</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>Copy the table shown, to paste into a spreadsheet</source>
        <translation>Copier le tableau affiché pour le coller dans un tableur</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Trips with a date</source>
        <translation>Sorties datées</translation>
    </message>
    <message>
        <source>First trip</source>
        <translation>Première sortie</translation>
    </message>
    <message>
        <source>Last trip</source>
        <translation>Dernière sortie</translation>
    </message>
    <message>
        <source>Trips with start and finish times</source>
        <translation>Sorties avec heures de début et de fin</translation>
    </message>
    <message>
        <source>Hours fished</source>
        <translation>Heures de pêche</translation>
    </message>
    <message>
        <source>Trips with a total weight</source>
        <translation>Sorties avec poids total</translation>
    </message>
    <message>
        <source>Total weight caught</source>
        <translation>Poids total pris</translation>
    </message>
    <message>
        <source>Average catch per trip</source>
        <translation>Prise moyenne par sortie</translation>
    </message>
    <message>
        <source>Average catch per hour</source>
        <translation>Prise moyenne par heure</translation>
    </message>
    <message>
        <source>Blank trips</source>
        <translation>Bredouilles</translation>
    </message>
    <message>
        <source>Blank trips, share</source>
        <translation>Bredouilles, part</translation>
    </message>
    <message>
        <source>Trips with a ticket price</source>
        <translation>Sorties avec prix de carte</translation>
    </message>
    <message>
        <source>Spent on day tickets</source>
        <translation>Dépensé en cartes journalières</translation>
    </message>
    <message>
        <source>Average ticket per trip</source>
        <translation>Prix moyen de la carte par sortie</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Indicateur</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Venue</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Best fish</source>
        <translation>Plus beau poisson</translation>
    </message>
    <message>
        <source>Best weight</source>
        <translation>Meilleur poids</translation>
    </message>
    <message>
        <source>Average ticket</source>
        <translation>Prix moyen de la carte</translation>
    </message>
    <message>
        <source>Last visit</source>
        <translation>Dernière visite</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Espèce</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Poids</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>%1 per trip</source>
        <translation>%1 par sortie</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Total catch (%1)</source>
        <translation>Prises totales (%1)</translation>
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
        <translation>%1 € en cartes journalières</translation>
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
