<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/class_names.cpp" line="16" />
        <source>Unrecognized</source>
        <translation>Unrecognized</translation>
    </message>
    <message>
        <location filename="../src/class_names.cpp" line="25" />
        <source>Unknown device</source>
        <translation>Unknown device</translation>
    </message>
    <message>
        <location filename="../src/device_names.cpp" line="25" />
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <location filename="../src/server_texts.cpp" line="26" />
        <location filename="../src/server_texts.cpp" line="37" />
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <location filename="../src/server_texts.cpp" line="27" />
        <location filename="../src/server_texts.cpp" line="38" />
        <source>Idle</source>
        <translation>Idle</translation>
    </message>
    <message>
        <location filename="../src/server_texts.cpp" line="28" />
        <location filename="../src/server_texts.cpp" line="36" />
        <source>Disabled</source>
        <translation>Disabled</translation>
    </message>
</context>
<context>
    <name>cvcommon</name>
    <message>
        <location filename="../src/name_tables.cpp" line="9" />
        <location filename="../src/name_tables.cpp" line="58" />
        <location filename="../src/name_tables.cpp" line="59" />
        <source>Unknown device</source>
        <translation>Unknown device</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="10" />
        <location filename="../src/name_tables.cpp" line="11" />
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="12" />
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="13" />
        <source>Laptop</source>
        <translation>Laptop</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="14" />
        <source>Hand-held Computer</source>
        <translation>Hand-held Computer</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="15" />
        <source>Palm-sized Computer</source>
        <translation>Palm-sized Computer</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="16" />
        <source>Wearable Computer</source>
        <translation>Wearable Computer</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="17" />
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="18" />
        <source>Cellular Phone</source>
        <translation>Cellular Phone</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="19" />
        <source>Wireless Phone</source>
        <translation>Wireless Phone</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="20" />
        <source>Smart Phone</source>
        <translation>Smart Phone</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="21" />
        <source>Modem</source>
        <translation>Modem</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="22" />
        <source>Common ISDN Access</source>
        <translation>Common ISDN Access</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="23" />
        <source>SIM card reader</source>
        <translation>SIM card reader</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="24" />
        <location filename="../src/name_tables.cpp" line="25" />
        <location filename="../src/name_tables.cpp" line="26" />
        <location filename="../src/name_tables.cpp" line="27" />
        <location filename="../src/name_tables.cpp" line="28" />
        <location filename="../src/name_tables.cpp" line="29" />
        <location filename="../src/name_tables.cpp" line="30" />
        <location filename="../src/name_tables.cpp" line="31" />
        <source>LAN Access Point</source>
        <translation>LAN Access Point</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="32" />
        <source>Audio Device</source>
        <translation>Audio Device</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="33" />
        <source>Headset</source>
        <translation>Headset</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="34" />
        <location filename="../src/name_tables.cpp" line="35" />
        <source>Hands-free</source>
        <translation>Hands-free</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="36" />
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="37" />
        <source>Loudspeaker</source>
        <translation>Loudspeaker</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="38" />
        <source>Headphones</source>
        <translation>Headphones</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="39" />
        <source>Portable Audio</source>
        <translation>Portable Audio</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="40" />
        <source>Car Audio</source>
        <translation>Car Audio</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="41" />
        <source>Set-top box</source>
        <translation>Set-top box</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="42" />
        <source>HiFi Audio Device</source>
        <translation>HiFi Audio Device</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="43" />
        <source>VCR</source>
        <translation>VCR</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="44" />
        <source>Video Camera</source>
        <translation>Video Camera</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="45" />
        <source>Camcorder</source>
        <translation>Camcorder</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="46" />
        <source>Video Monitor</source>
        <translation>Video Monitor</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="47" />
        <source>Video Display and Loudspeaker</source>
        <translation>Video Display and Loudspeaker</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="48" />
        <source>Video Conferencing</source>
        <translation>Video Conferencing</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="49" />
        <source>Gaming</source>
        <translation>Gaming</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="50" />
        <location filename="../src/name_tables.cpp" line="51" />
        <source>Keyboard</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="52" />
        <source>Pointing device</source>
        <translation>Pointing device</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="53" />
        <source>Combo Keyboard/Pointing</source>
        <translation>Combo Keyboard/Pointing</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="54" />
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="55" />
        <source>Gamepad</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="56" />
        <source>Remote Control</source>
        <translation>Remote Control</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="57" />
        <source>Sensing device</source>
        <translation>Sensing device</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="60" />
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="61" />
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="62" />
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="63" />
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="67" />
        <source>Bluetooth Serial Port</source>
        <translation>Bluetooth Serial Port</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="68" />
        <source>Allow other Bluetooth devices to establish a Bluetooth Serial Port connection with this computer.</source>
        <translation>Allow other Bluetooth devices to establish a Bluetooth Serial Port connection with this computer.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="69" />
        <source>Establish a Bluetooth Serial Port connection.</source>
        <translation>Establish a Bluetooth Serial Port connection.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="70" />
        <source>Bluetooth LAN Access</source>
        <translation>Bluetooth LAN Access</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="73" />
        <source>Bluetooth Dial-Up Networking</source>
        <translation>Bluetooth Dial-Up Networking</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="75" />
        <source>Dial-up to the Internet.</source>
        <translation>Dial-up to the Internet.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="76" />
        <source>Bluetooth Information Synchronization</source>
        <translation>Bluetooth Information Synchronization</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="78" />
        <source>Unrecognized service.</source>
        <translation>Unrecognized service.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="79" />
        <source>Bluetooth Object Push</source>
        <translation>Bluetooth Object Push</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="80" />
        <source>Allow other Bluetooth devices to exchange cards or send objects to this computer.</source>
        <translation>Allow other Bluetooth devices to exchange cards or send objects to this computer.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="81" />
        <source>Exchange cards or objects.</source>
        <translation>Exchange cards or objects.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="82" />
        <source>Bluetooth File Transfer</source>
        <translation>Bluetooth File Transfer</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="83" />
        <source>Allow other Bluetooth devices to browse and access files or folders on this computer.</source>
        <translation>Allow other Bluetooth devices to browse and access files or folders on this computer.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="84" />
        <source>Browse and access files and folders shared.</source>
        <translation>Browse and access files and folders shared.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="85" />
        <source>Bluetooth Sync Command</source>
        <translation>Bluetooth Sync Command</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="88" />
        <location filename="../src/name_tables.cpp" line="154" />
        <source>Bluetooth Headset and Microphone</source>
        <translation>Bluetooth Headset and Microphone</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="90" />
        <location filename="../src/name_tables.cpp" line="156" />
        <source>Connect to the Bluetooth mono headset.</source>
        <translation>Connect to the Bluetooth mono headset.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="91" />
        <source>Bluetooth Cordless Telephony</source>
        <translation>Bluetooth Cordless Telephony</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="92" />
        <source>Allow other Bluetooth cordless telephony devices to connect to this computer.</source>
        <translation>Allow other Bluetooth cordless telephony devices to connect to this computer.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="94" />
        <location filename="../src/name_tables.cpp" line="97" />
        <source>Bluetooth Advanced Audio</source>
        <translation>Bluetooth Advanced Audio</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="95" />
        <source>Allow other Bluetooth stereo headsets to connect to this computer and enjoy music played on this computer.</source>
        <translation>Allow other Bluetooth stereo headsets to connect to this computer and enjoy music played on this computer.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="98" />
        <source>Allow other Bluetooth devices to establish a Bluetooth Advanced Audio connection with this computer.</source>
        <translation>Allow other Bluetooth devices to establish a Bluetooth Advanced Audio connection with this computer.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="99" />
        <source>Connect to the Bluetooth stereo headset.</source>
        <translation>Connect to the Bluetooth stereo headset.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="100" />
        <source>Bluetooth Audio/Video Remote Control Target</source>
        <translation>Bluetooth Audio/Video Remote Control Target</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="103" />
        <location filename="../src/name_tables.cpp" line="109" />
        <location filename="../src/name_tables.cpp" line="121" />
        <location filename="../src/name_tables.cpp" line="124" />
        <location filename="../src/name_tables.cpp" line="139" />
        <location filename="../src/name_tables.cpp" line="142" />
        <location filename="../src/name_tables.cpp" line="169" />
        <source>Unrecognized service</source>
        <translation>Unrecognized service</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="106" />
        <source>Bluetooth Audio/Video Remote Control</source>
        <translation>Bluetooth Audio/Video Remote Control</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="112" />
        <source>Bluetooth Intercom</source>
        <translation>Bluetooth Intercom</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="115" />
        <source>Bluetooth FAX</source>
        <translation>Bluetooth FAX</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="116" />
        <source>Send faxes between Bluetooth devices.</source>
        <translation>Send faxes between Bluetooth devices.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="117" />
        <source>Send faxes.</source>
        <translation>Send faxes.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="118" />
        <location filename="../src/name_tables.cpp" line="157" />
        <source>Bluetooth Headset Voice Gateway</source>
        <translation>Bluetooth Headset Voice Gateway</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="119" />
        <location filename="../src/name_tables.cpp" line="158" />
        <source>Allow other Bluetooth mono headsets to connect to this computer.</source>
        <translation>Allow other Bluetooth mono headsets to connect to this computer.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="127" />
        <location filename="../src/name_tables.cpp" line="130" />
        <location filename="../src/name_tables.cpp" line="133" />
        <source>Bluetooth Personal Area Network</source>
        <translation>Bluetooth Personal Area Network</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="128" />
        <source>Allow other Bluetooth devices to add this computer into a Bluetooth TCP/IP network.</source>
        <translation>Allow other Bluetooth devices to add this computer into a Bluetooth TCP/IP network.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="129" />
        <source>Add this Bluetooth device into the Bluetooth TCP/IP network.</source>
        <translation>Add this Bluetooth device into the Bluetooth TCP/IP network.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="131" />
        <source>Allow other Bluetooth devices to join in your local Bluetooth TCP/IP network and access external network via this computer.</source>
        <translation>Allow other Bluetooth devices to join in your local Bluetooth TCP/IP network and access external network via this computer.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="132" />
        <source>Join in the Bluetooth TCP/IP network and access external network.</source>
        <translation>Join in the Bluetooth TCP/IP network and access external network.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="134" />
        <source>Allow other Bluetooth devices to join in the Bluetooth TCP/IP network established by this computer.</source>
        <translation>Allow other Bluetooth devices to join in the Bluetooth TCP/IP network established by this computer.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="135" />
        <source>Join in the Bluetooth TCP/IP network.</source>
        <translation>Join in the Bluetooth TCP/IP network.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="136" />
        <source>Bluetooth Quick Print Service</source>
        <translation>Bluetooth Quick Print Service</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="137" />
        <source>Allow another Bluetooth devices to print the file on this computer.</source>
        <translation>Allow another Bluetooth devices to print the file on this computer.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="138" />
        <location filename="../src/name_tables.cpp" line="168" />
        <source>Connect to this Bluetooth printer to print documents.</source>
        <translation>Connect to this Bluetooth printer to print documents.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="145" />
        <source>Bluetooth Basic Imaging Service</source>
        <translation>Bluetooth Basic Imaging Service</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="146" />
        <source>Allow other Bluetooth devices to send images to this computer.</source>
        <translation>Allow other Bluetooth devices to send images to this computer.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="147" />
        <source>Connect to this Bluetooth device to take a picture or transfer pictures wirelessly.</source>
        <translation>Connect to this Bluetooth device to take a picture or transfer pictures wirelessly.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="148" />
        <source>Bluetooth Imaging Automatic Archive</source>
        <translation>Bluetooth Imaging Automatic Archive</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="151" />
        <source>Bluetooth Imaging Referenced Objects</source>
        <translation>Bluetooth Imaging Referenced Objects</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="160" />
        <source>Bluetooth Human Interface Device</source>
        <translation>Bluetooth Human Interface Device</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="162" />
        <source>Connect this Bluetooth keyboard, mouse or other HID device with this computer.</source>
        <translation>Connect this Bluetooth keyboard, mouse or other HID device with this computer.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="163" />
        <location filename="../src/name_tables.cpp" line="166" />
        <source>Bluetooth Print</source>
        <translation>Bluetooth Print</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="172" />
        <source>Bluetooth SIM Access</source>
        <translation>Bluetooth SIM Access</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="174" />
        <source>Access SIM Card.</source>
        <translation>Access SIM Card.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="175" />
        <source>Bluetooth PNP Device Information</source>
        <translation>Bluetooth PNP Device Information</translation>
    </message>
</context>
</TS>