<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BtFtp</name>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Properties</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>&amp;Open shared folder</source>
        <translation>&amp;Open shared folder</translation>
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
        <source>Double-click to show service&apos;s status.&#x0a;</source>
        <translation>Double-click to show service&apos;s status.&#x0a;</translation>
    </message>
    <message>
        <source>Double-click to open the file explorer.&#x0a;</source>
        <translation>Double-click to open the file explorer.&#x0a;</translation>
    </message>
    <message>
        <source>Double-click to view the shared folder.&#x0a;</source>
        <translation>Double-click to view the shared folder.&#x0a;</translation>
    </message>
    <message>
        <source>Right-click to get more options.</source>
        <translation>Right-click to get more options.</translation>
    </message>
</context>
<context>
    <name>FtpPropertyDlg</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Share this folder</source>
        <translation>&amp;Share this folder</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>A&amp;llow other Bluetooth users to change my files</source>
        <translation>A&amp;llow other Bluetooth users to change my files</translation>
    </message>
</context>
<context>
    <name>FtppropertyClass</name>
    <message>
        <source>Please select the folder to be shared:</source>
        <translation>Please select the folder to be shared:</translation>
    </message>
    <message>
        <source>%1 Properties</source>
        <translation>%1 Properties</translation>
    </message>
</context>
</TS>
