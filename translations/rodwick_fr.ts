<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>HelpMenu</name>
    <message>
        <source>Switch Application &amp;Language...</source>
        <translation>Changer la &amp;langue de l&apos;application...</translation>
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
</TS>
