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
