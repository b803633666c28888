<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BtSpp</name>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Verbinden</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>Double-click to show service&apos;s property.
</source>
        <translation>Doppelklicken, um die Eigenschaften des Dienstes anzuzeigen.
</translation>
    </message>
    <message>
        <source>Double-click to show service&apos;s status.
</source>
        <translation>Doppelklicken, um den Status des Dienstes anzuzeigen.
</translation>
    </message>
    <message>
        <source>Double-click to establish the connection.
</source>
        <translation>Doppelklicken, um die Verbindung herzustellen.
</translation>
    </message>
    <message>
        <source>Right-click to get more options.</source>
        <translation>Rechtsklicken für weitere Optionen.</translation>
    </message>
    <message>
        <source>&amp;Disable </source>
        <translation>&amp;Deaktivieren </translation>
    </message>
    <message>
        <source>&amp;Enable </source>
        <translation>&amp;Aktivieren </translation>
    </message>
</context>
<context>
    <name>SppPropertyDlg</name>
    <message>
        <source>Serial Port:</source>
        <translation>Serielle Schnittstelle:</translation>
    </message>
</context>
<context>
    <name>SpppropertyClass</name>
    <message>
        <source>%1 Properties %2</source>
        <translation>%1 Eigenschaften %2</translation>
    </message>
</context>
</TS>
