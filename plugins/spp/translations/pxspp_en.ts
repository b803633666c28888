<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BtSpp</name>
    <message>
        <source>&amp;Connect</source>
        <translation>&amp;Connect</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Disconnect</translation>
    </message>
    <message>
        <source>&amp;Status</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Properties</translation>
    </message>
    <message>
        <source>Double-click to show service&apos;s property.
</source>
        <translation>Double-click to show service&apos;s property.
</translation>
    </message>
    <message>
        <source>Double-click to show service&apos;s status.
</source>
        <translation>Double-click to show service&apos;s status.
</translation>
    </message>
    <message>
        <source>Double-click to establish the connection.
</source>
        <translation>Double-click to establish the connection.
</translation>
    </message>
    <message>
        <source>Right-click to get more options.</source>
        <translation>Right-click to get more options.</translation>
    </message>
    <message>
        <source>&amp;Disable </source>
        <translation>&amp;Disable </translation>
    </message>
    <message>
        <source>&amp;Enable </source>
        <translation>&amp;Enable </translation>
    </message>
</context>
<context>
    <name>SppPropertyDlg</name>
    <message>
        <source>Serial Port:</source>
        <translation>Serial Port:</translation>
    </message>
</context>
<context>
    <name>SpppropertyClass</name>
    <message>
        <source>%1 Properties %2</source>
        <translation>%1 Properties %2</translation>
    </message>
</context>
</TS>
