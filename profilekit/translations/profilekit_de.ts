<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ComProgressDlg</name>
    <message>
        <location filename="../forms/com_progress_dlg.ui" line="20"/>
        <source>Transferring ...</source>
        <translation>Übertragung ...</translation>
    </message>
    <message>
        <location filename="../forms/com_progress_dlg.ui" line="29"/>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <location filename="../forms/com_progress_dlg.ui" line="35"/>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <location filename="../forms/com_progress_dlg.ui" line="49"/>
        <source>To</source>
        <translation>Nach</translation>
    </message>
    <message>
        <location filename="../forms/com_progress_dlg.ui" line="73"/>
        <location filename="../src/com_progress_dlg.cpp" line="21"/>
        <source>Rate:</source>
        <translation>Rate:</translation>
    </message>
    <message>
        <location filename="../forms/com_progress_dlg.ui" line="80"/>
        <location filename="../src/com_progress_dlg.cpp" line="22"/>
        <source>Estimated time left:</source>
        <translation>Geschätzte Restzeit:</translation>
    </message>
    <message>
        <location filename="../forms/com_progress_dlg.ui" line="115"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="24"/>
        <location filename="../src/com_progress_dlg.cpp" line="64"/>
        <source>Copying %1</source>
        <translation>Kopiere %1</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="31"/>
        <source>Item %1 of %2</source>
        <translation>Element %1 von %2</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="86"/>
        <source>Rate: %1/%2 (%3 /Sec)</source>
        <translation>Rate: %1/%2 (%3 /s)</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="89"/>
        <source>Estimated time left: %1</source>
        <translation>Geschätzte Restzeit: %1</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="99"/>
        <source>%1hour</source>
        <translation>%1Stunde</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="99"/>
        <source>%1hours</source>
        <translation>%1Stunden</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="104"/>
        <source>%1minute</source>
        <translation>%1Minute</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="104"/>
        <source>%1minutes</source>
        <translation>%1Minuten</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="107"/>
        <source>%1second</source>
        <translation>%1Sekunde</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="107"/>
        <source>%1seconds</source>
        <translation>%1Sekunden</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="112"/>
        <source>%1Bytes</source>
        <translation>%1Bytes</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="112"/>
        <source>%1KB</source>
        <translation>%1KB</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="112"/>
        <source>%1MB</source>
        <translation>%1MB</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="112"/>
        <source>%1GB</source>
        <translation>%1GB</translation>
    </message>
</context>
<context>
    <name>ConnectProgress</name>
    <message>
        <location filename="../src/connect_progress.cpp" line="29"/>
        <source>Connecting to %1...</source>
        <translation>Verbindung mit %1 wird hergestellt...</translation>
    </message>
    <message>
        <location filename="../src/connect_progress.cpp" line="35"/>
        <source>A connecting operation is in progress, please try again later.</source>
        <translation>Es wird bereits eine Verbindung hergestellt. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <location filename="../src/connect_progress.cpp" line="43"/>
        <source>A connection to this device already exists.</source>
        <translation>Eine Verbindung zu diesem Gerät besteht bereits.</translation>
    </message>
    <message>
        <location filename="../src/connect_progress.cpp" line="45"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/connect_progress.cpp" line="63"/>
        <source>Cannot connect to the remote device.</source>
        <translation>Keine Verbindung zum entfernten Gerät möglich.</translation>
    </message>
</context>
<context>
    <name>FileOpenDlg</name>
    <message>
        <location filename="../src/file_open_dlg.cpp" line="104"/>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location filename="../src/file_open_dlg.cpp" line="113"/>
        <source>Name:	%1
Size:	%2
Type:	%3
Modified:	%4</source>
        <translation>Name:	%1
Größe:	%2
Typ:	%3
Geändert:	%4</translation>
    </message>
    <message>
        <location filename="../src/file_open_dlg.cpp" line="121"/>
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <location filename="../src/file_open_dlg.cpp" line="121"/>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <location filename="../src/file_open_dlg.cpp" line="121"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location filename="../src/file_open_dlg.cpp" line="121"/>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
</context>
<context>
    <name>OpenFileDlg</name>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="14"/>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="32"/>
        <source>Up one folder</source>
        <translation>Eine Ebene höher</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="45"/>
        <source>HDD DEVICE</source>
        <translation>FESTPLATTE</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="55"/>
        <source>USB DEVICE</source>
        <translation>USB-GERÄT</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="84"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="89"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="94"/>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="99"/>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="124"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="134"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ProfileStatusClass</name>
    <message>
        <location filename="../src/profile_status_class.cpp" line="123"/>
        <source>%1 Status</source>
        <translation>%1-Status</translation>
    </message>
    <message>
        <location filename="../src/profile_status_class.cpp" line="244"/>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <location filename="../src/profile_status_class.cpp" line="245"/>
        <source>Slave</source>
        <translation>Slave</translation>
    </message>
    <message>
        <location filename="../src/profile_status_class.cpp" line="295"/>
        <source>U&amp;nplug</source>
        <translation>&amp;Abkoppeln</translation>
    </message>
    <message>
        <location filename="../src/profile_status_class.cpp" line="295"/>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <location filename="../src/profile_status_class.cpp" line="308"/>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <location filename="../src/profile_status_class.cpp" line="313"/>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <location filename="../src/profile_status_class.cpp" line="314"/>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
</context>
<context>
    <name>ProfileStatusDlg</name>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="14"/>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="24"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="30"/>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="36"/>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="60"/>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="74"/>
        <source>Connect with:</source>
        <translation>Verbunden mit:</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="88"/>
        <source>Role:</source>
        <translation>Rolle:</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="102"/>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="108"/>
        <source>Bytes:</source>
        <translation>Bytes:</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="115"/>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="122"/>
        <source>Received</source>
        <translation>Empfangen</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="146"/>
        <source>Radio Signal Strength</source>
        <translation>Funksignalstärke</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="165"/>
        <source>Weak</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="172"/>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="182"/>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="201"/>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="218"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>RmtProfilePropertyClass</name>
    <message>
        <location filename="../src/rmt_profile_property_class.cpp" line="69"/>
        <source>%1 Properties</source>
        <translation>Eigenschaften von %1</translation>
    </message>
</context>
<context>
    <name>RmtProfilePropertyDlg</name>
    <message>
        <location filename="../forms/rmt_profile_property_dlg.ui" line="14"/>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <location filename="../forms/rmt_profile_property_dlg.ui" line="24"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../forms/rmt_profile_property_dlg.ui" line="57"/>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <location filename="../forms/rmt_profile_property_dlg.ui" line="71"/>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
</context>
<context>
    <name>ServerGeneralPage</name>
    <message>
        <location filename="../forms/server_general_page.ui" line="14"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../forms/server_general_page.ui" line="43"/>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <location filename="../forms/server_general_page.ui" line="53"/>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <location filename="../forms/server_general_page.ui" line="92"/>
        <source>If a Secure Connection is selected, a passkey is required when the remote devices connect to this service.</source>
        <translation>Bei einer sicheren Verbindung müssen entfernte Geräte einen Hauptschlüssel angeben, wenn sie sich mit diesem Dienst verbinden.</translation>
    </message>
    <message>
        <location filename="../forms/server_general_page.ui" line="99"/>
        <source>S&amp;ecure Connection</source>
        <translation>S&amp;ichere Verbindung</translation>
    </message>
</context>
<context>
    <name>SettingsChangeConfirm</name>
    <message>
        <location filename="../src/settings_confirm.cpp" line="12"/>
        <source>Confirm Settings Warning</source>
        <translation>Einstellungen bestätigen</translation>
    </message>
    <message>
        <location filename="../src/settings_confirm.cpp" line="13"/>
        <source>WARNING: A remote device has connected to this service. If you continue to change the settings, the connection will be disconnected. 

Are you sure you want to change the settings?</source>
        <translation>WARNUNG: Ein entferntes Gerät ist mit diesem Dienst verbunden. Wenn Sie die Einstellungen ändern, wird die Verbindung getrennt. 

Möchten Sie die Einstellungen wirklich ändern?</translation>
    </message>
</context>
</TS>
