<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>HelpMenu</name>
    <message>
        <source>Switch Application &amp;Language...</source>
        <translation>Anwendungs&amp;sprache wechseln...</translation>
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
</TS>
