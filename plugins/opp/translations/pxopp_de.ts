<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BtOpp</name>
    <message>
        <source>&amp;Send File</source>
        <translation>Datei &amp;senden</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>&amp;Open inbox folder</source>
        <translation>Posteingangsordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>&amp;Deaktivieren</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>&amp;Aktivieren</translation>
    </message>
    <message>
        <source>Double-click to show service&apos;s status.
</source>
        <translation>Doppelklicken, um den Status des Dienstes anzuzeigen.
</translation>
    </message>
    <message>
        <source>Double-click to send a file to the remote device.
</source>
        <translation>Doppelklicken, um eine Datei an das entfernte Gerät zu senden.
</translation>
    </message>
    <message>
        <source>Double-click to view the inbox.
</source>
        <translation>Doppelklicken, um den Posteingang anzuzeigen.
</translation>
    </message>
    <message>
        <source>Right-click to get more options.</source>
        <translation>Rechtsklicken für weitere Optionen.</translation>
    </message>
    <message>
        <source>A sending operation is in progress, please try again later.</source>
        <translation>Es läuft bereits ein Sendevorgang. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbindung mit %1 wird hergestellt...</translation>
    </message>
    <message>
        <source>Copying...</source>
        <translation>Wird kopiert...</translation>
    </message>
    <message>
        <source>Failed to send the file to the remote device.</source>
        <translation>Die Datei konnte nicht an das entfernte Gerät gesendet werden.</translation>
    </message>
    <message>
        <source>Cannot connect to the remote device.</source>
        <translation>Keine Verbindung zum entfernten Gerät möglich.</translation>
    </message>
</context>
<context>
    <name>OppPropertyDlg</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Root folder for incoming files</source>
        <translation>Stammordner für eingehende Dateien</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>My Business Card</source>
        <translation>Meine Visitenkarte</translation>
    </message>
    <message>
        <source>&amp;Send my business card on request</source>
        <translation>Meine Visitenkarte auf Anfrage &amp;senden</translation>
    </message>
</context>
<context>
    <name>OpppropertyClass</name>
    <message>
        <source>Please select the root folder for incoming files:</source>
        <translation>Bitte wählen Sie den Stammordner für eingehende Dateien:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Business card (*.vcf)</source>
        <translation>Visitenkarte (*.vcf)</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <translation>Eigenschaften von %1</translation>
    </message>
</context>
</TS>
