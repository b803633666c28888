<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BtFtp</name>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>&amp;Open shared folder</source>
        <translation>Freigegebenen Ordner ö&amp;ffnen</translation>
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
        <source>Double-click to show service&apos;s status.&#x0a;</source>
        <translation>Doppelklicken, um den Status des Dienstes anzuzeigen.&#x0a;</translation>
    </message>
    <message>
        <source>Double-click to open the file explorer.&#x0a;</source>
        <translation>Doppelklicken, um den Datei-Explorer zu öffnen.&#x0a;</translation>
    </message>
    <message>
        <source>Double-click to view the shared folder.&#x0a;</source>
        <translation>Doppelklicken, um den freigegebenen Ordner anzuzeigen.&#x0a;</translation>
    </message>
    <message>
        <source>Right-click to get more options.</source>
        <translation>Rechtsklicken für weitere Optionen.</translation>
    </message>
</context>
<context>
    <name>FtpPropertyDlg</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;Share this folder</source>
        <translation>Diesen Ordner &amp;freigeben</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>A&amp;llow other Bluetooth users to change my files</source>
        <translation>And&amp;eren Bluetooth-Benutzern erlauben, meine Dateien zu ändern</translation>
    </message>
</context>
<context>
    <name>FtppropertyClass</name>
    <message>
        <source>Please select the folder to be shared:</source>
        <translation>Bitte wählen Sie den freizugebenden Ordner:</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <translation>Eigenschaften von %1</translation>
    </message>
</context>
</TS>
