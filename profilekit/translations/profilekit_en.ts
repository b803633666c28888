<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ComProgressDlg</name>
    <message>
        <location filename="../forms/com_progress_dlg.ui" line="20"/>
        <source>Transferring ...</source>
        <translation>Transferring ...</translation>
    </message>
    <message>
        <location filename="../forms/com_progress_dlg.ui" line="29"/>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <location filename="../forms/com_progress_dlg.ui" line="35"/>
        <source>From</source>
        <translation>From</translation>
    </message>
    <message>
        <location filename="../forms/com_progress_dlg.ui" line="49"/>
        <source>To</source>
        <translation>To</translation>
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
        <translation>Estimated time left:</translation>
    </message>
    <message>
        <location filename="../forms/com_progress_dlg.ui" line="115"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="24"/>
        <location filename="../src/com_progress_dlg.cpp" line="64"/>
        <source>Copying %1</source>
        <translation>Copying %1</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="31"/>
        <source>Item %1 of %2</source>
        <translation>Item %1 of %2</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="86"/>
        <source>Rate: %1/%2 (%3 /Sec)</source>
        <translation>Rate: %1/%2 (%3 /Sec)</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="89"/>
        <source>Estimated time left: %1</source>
        <translation>Estimated time left: %1</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="99"/>
        <source>%1hour</source>
        <translation>%1hour</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="99"/>
        <source>%1hours</source>
        <translation>%1hours</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="104"/>
        <source>%1minute</source>
        <translation>%1minute</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="104"/>
        <source>%1minutes</source>
        <translation>%1minutes</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="107"/>
        <source>%1second</source>
        <translation>%1second</translation>
    </message>
    <message>
        <location filename="../src/com_progress_dlg.cpp" line="107"/>
        <source>%1seconds</source>
        <translation>%1seconds</translation>
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
        <translation>Connecting to %1...</translation>
    </message>
    <message>
        <location filename="../src/connect_progress.cpp" line="35"/>
        <source>A connecting operation is in progress, please try again later.</source>
        <translation>A connecting operation is in progress, please try again later.</translation>
    </message>
    <message>
        <location filename="../src/connect_progress.cpp" line="43"/>
        <source>A connection to this device already exists.</source>
        <translation>A connection to this device already exists.</translation>
    </message>
    <message>
        <location filename="../src/connect_progress.cpp" line="45"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../src/connect_progress.cpp" line="63"/>
        <source>Cannot connect to the remote device.</source>
        <translation>Cannot connect to the remote device.</translation>
    </message>
</context>
<context>
    <name>FileOpenDlg</name>
    <message>
        <location filename="../src/file_open_dlg.cpp" line="104"/>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <location filename="../src/file_open_dlg.cpp" line="113"/>
        <source>Name:	%1
Size:	%2
Type:	%3
Modified:	%4</source>
        <translation>Name:	%1
Size:	%2
Type:	%3
Modified:	%4</translation>
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
        <translation>Open File</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="32"/>
        <source>Up one folder</source>
        <translation>Up one folder</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="45"/>
        <source>HDD DEVICE</source>
        <translation>HDD DEVICE</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="55"/>
        <source>USB DEVICE</source>
        <translation>USB DEVICE</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="84"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="89"/>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="94"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="99"/>
        <source>Modified</source>
        <translation>Modified</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="124"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../forms/open_file_dlg.ui" line="134"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ProfileStatusClass</name>
    <message>
        <location filename="../src/profile_status_class.cpp" line="123"/>
        <source>%1 Status</source>
        <translation>%1 Status</translation>
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
        <translation>U&amp;nplug</translation>
    </message>
    <message>
        <location filename="../src/profile_status_class.cpp" line="295"/>
        <source>&amp;Disconnect</source>
        <translation>&amp;Disconnect</translation>
    </message>
    <message>
        <location filename="../src/profile_status_class.cpp" line="308"/>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <location filename="../src/profile_status_class.cpp" line="313"/>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <location filename="../src/profile_status_class.cpp" line="314"/>
        <source>Disable</source>
        <translation>Disable</translation>
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
        <translation>General</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="30"/>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="36"/>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="60"/>
        <source>Duration:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="74"/>
        <source>Connect with:</source>
        <translation>Connect with:</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="88"/>
        <source>Role:</source>
        <translation>Role:</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="102"/>
        <source>Activity</source>
        <translation>Activity</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="108"/>
        <source>Bytes:</source>
        <translation>Bytes:</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="115"/>
        <source>Sent</source>
        <translation>Sent</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="122"/>
        <source>Received</source>
        <translation>Received</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="146"/>
        <source>Radio Signal Strength</source>
        <translation>Radio Signal Strength</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="165"/>
        <source>Weak</source>
        <translation>Weak</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="172"/>
        <source>Good</source>
        <translation>Good</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="182"/>
        <source>Strong</source>
        <translation>Strong</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="201"/>
        <source>&amp;Properties</source>
        <translation>&amp;Properties</translation>
    </message>
    <message>
        <location filename="../forms/profile_status_dlg.ui" line="218"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>RmtProfilePropertyClass</name>
    <message>
        <location filename="../src/rmt_profile_property_class.cpp" line="69"/>
        <source>%1 Properties</source>
        <translation>%1 Properties</translation>
    </message>
</context>
<context>
    <name>RmtProfilePropertyDlg</name>
    <message>
        <location filename="../forms/rmt_profile_property_dlg.ui" line="14"/>
        <source>Properties</source>
        <translation>Properties</translation>
    </message>
    <message>
        <location filename="../forms/rmt_profile_property_dlg.ui" line="24"/>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <location filename="../forms/rmt_profile_property_dlg.ui" line="57"/>
        <source>Location:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <location filename="../forms/rmt_profile_property_dlg.ui" line="71"/>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
</context>
<context>
    <name>ServerGeneralPage</name>
    <message>
        <location filename="../forms/server_general_page.ui" line="14"/>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <location filename="../forms/server_general_page.ui" line="43"/>
        <source>Location:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <location filename="../forms/server_general_page.ui" line="53"/>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <location filename="../forms/server_general_page.ui" line="92"/>
        <source>If a Secure Connection is selected, a passkey is required when the remote devices connect to this service.</source>
        <translation>If a Secure Connection is selected, a passkey is required when the remote devices connect to this service.</translation>
    </message>
    <message>
        <location filename="../forms/server_general_page.ui" line="99"/>
        <source>S&amp;ecure Connection</source>
        <translation>S&amp;ecure Connection</translation>
    </message>
</context>
<context>
    <name>SettingsChangeConfirm</name>
    <message>
        <location filename="../src/settings_confirm.cpp" line="12"/>
        <source>Confirm Settings Warning</source>
        <translation>Confirm Settings Warning</translation>
    </message>
    <message>
        <location filename="../src/settings_confirm.cpp" line="13"/>
        <source>WARNING: A remote device has connected to this service. If you continue to change the settings, the connection will be disconnected. 

Are you sure you want to change the settings?</source>
        <translation>WARNING: A remote device has connected to this service. If you continue to change the settings, the connection will be disconnected. 

Are you sure you want to change the settings?</translation>
    </message>
</context>
</TS>
