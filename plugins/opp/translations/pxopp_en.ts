<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BtOpp</name>
    <message>
        <source>&amp;Send File</source>
        <translation>&amp;Send File</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Properties</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>&amp;Open inbox folder</source>
        <translation>&amp;Open inbox folder</translation>
    </message>
    <message>
        <source>&amp;Disable</source>
        <translation>&amp;Disable</translation>
    </message>
    <message>
        <source>&amp;Enable</source>
        <translation>&amp;Enable</translation>
    </message>
    <message>
        <source>Double-click to show service&apos;s status.
</source>
        <translation>Double-click to show service&apos;s status.
</translation>
    </message>
    <message>
        <source>Double-click to send a file to the remote device.
</source>
        <translation>Double-click to send a file to the remote device.
</translation>
    </message>
    <message>
        <source>Double-click to view the inbox.
</source>
        <translation>Double-click to view the inbox.
</translation>
    </message>
    <message>
        <source>Right-click to get more options.</source>
        <translation>Right-click to get more options.</translation>
    </message>
    <message>
        <source>A sending operation is in progress, please try again later.</source>
        <translation>A sending operation is in progress, please try again later.</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Connecting to %1...</translation>
    </message>
    <message>
        <source>Copying...</source>
        <translation>Copying...</translation>
    </message>
    <message>
        <source>Failed to send the file to the remote device.</source>
        <translation>Failed to send the file to the remote device.</translation>
    </message>
    <message>
        <source>Cannot connect to the remote device.</source>
        <translation>Cannot connect to the remote device.</translation>
    </message>
</context>
<context>
    <name>OppPropertyDlg</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Root folder for incoming files</source>
        <translation>Root folder for incoming files</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>My Business Card</source>
        <translation>My Business Card</translation>
    </message>
    <message>
        <source>&amp;Send my business card on request</source>
        <translation>&amp;Send my business card on request</translation>
    </message>
</context>
<context>
    <name>OpppropertyClass</name>
    <message>
        <source>Please select the root folder for incoming files:</source>
        <translation>Please select the root folder for incoming files:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Business card (*.vcf)</source>
        <translation>Business card (*.vcf)</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <translation>%1 Properties</translation>
    </message>
</context>
</TS>
