<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>TripCounts</name>
    <message numerus="yes">
        <source>Showing %1 of %n trip(s)</source>
        <translation>
            <numerusform>Showing %1 of %n trip</numerusform>
            <numerusform>Showing %1 of %n trips</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n conflict copy(ies) not counted</source>
        <translation>
            <numerusform>%n conflict copy not counted</numerusform>
            <numerusform>%n conflict copies not counted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out because its/their date did not read</source>
        <translation>
            <numerusform>%n left out because its date did not read</numerusform>
            <numerusform>%n left out because their date did not read</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message numerus="yes">
        <source>Import of %n Trip(s)</source>
        <translation>
            <numerusform>Import of %n Trip</numerusform>
            <numerusform>Import of %n Trips</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rodwick::CsvImportWindow</name>
    <message numerus="yes">
        <source>%n trip(s) will be added.</source>
        <translation>
            <numerusform>%n trip will be added.</numerusform>
            <numerusform>%n trips will be added.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only %n more fit in the table (250 records at most): nothing can be added.</source>
        <translation>
            <numerusform>Only %n more fit in the table (250 records at most): nothing can be added.</numerusform>
            <numerusform>Only %n more fit in the table (250 records at most): nothing can be added.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n character(s) the database file cannot hold will be stored as &quot;?&quot;.</source>
        <translation>
            <numerusform>%n character the database file cannot hold will be stored as &quot;?&quot;.</numerusform>
            <numerusform>%n characters the database file cannot hold will be stored as &quot;?&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) have more or fewer cells than the first row: missing cells stay empty.</source>
        <translation>
            <numerusform>%n row has more or fewer cells than the first row: missing cells stay empty.</numerusform>
            <numerusform>%n rows have more or fewer cells than the first row: missing cells stay empty.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n weight(s) or depth(s) are in the other unit system and will be kept as written.</source>
        <translation>
            <numerusform>%n weight or depth is in the other unit system and will be kept as written.</numerusform>
            <numerusform>%n weights or depths are in the other unit system and will be kept as written.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rodwick::FileWatch</name>
    <message numerus="yes">
        <source>%n trip(s) removed by it</source>
        <translation>
            <numerusform>%n trip was removed by it</numerusform>
            <numerusform>%n trips were removed by it</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) changed on both sides kept in both forms</source>
        <translation>
            <numerusform>%n trip changed on both sides is kept in both forms</numerusform>
            <numerusform>%n trips changed on both sides are kept in both forms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) came from the file</source>
        <translation>
            <numerusform>%n trip came from the file</numerusform>
            <numerusform>%n trips came from the file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trip(s) came only from the copy</source>
        <translation>
            <numerusform>%n trip came only from the copy</numerusform>
            <numerusform>%n trips came only from the copy</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rodwick::stats::StatisticsWindow</name>
    <message numerus="yes">
        <source>%n trip(s) %1</source>
        <translation>
            <numerusform>%n trip %1</numerusform>
            <numerusform>%n trips %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rodwick::trips::TripListWindow</name>
    <message numerus="yes">
        <source>%n blank trip(s)</source>
        <translation>
            <numerusform>%n blank trip</numerusform>
            <numerusform>%n blank trips</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n without times)</source>
        <translation>
            <numerusform> (%n without times)</numerusform>
            <numerusform> (%n without times)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n without a total weight)</source>
        <translation>
            <numerusform> (%n without a total weight)</numerusform>
            <numerusform> (%n without a total weight)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> (%n without a ticket price)</source>
        <translation>
            <numerusform> (%n without a ticket price)</numerusform>
            <numerusform> (%n without a ticket price)</numerusform>
        </translation>
    </message>
</context>
</TS>
