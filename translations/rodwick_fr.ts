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
