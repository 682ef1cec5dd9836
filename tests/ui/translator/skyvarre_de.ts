<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A catalogue for tst_translator alone: the one text it looks up, in German.
     The program's own catalogues are in translations/. -->
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>skyvarre::InputChecks</name>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
</context>
</TS>
