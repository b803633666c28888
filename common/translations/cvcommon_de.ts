<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/class_names.cpp" line="16" />
        <source>Unrecognized</source>
        <translation>Nicht erkannt</translation>
    </message>
    <message>
        <location filename="../src/class_names.cpp" line="25" />
        <source>Unknown device</source>
        <translation>Unbekanntes Gerät</translation>
    </message>
    <message>
        <location filename="../src/device_names.cpp" line="25" />
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <location filename="../src/server_texts.cpp" line="26" />
        <location filename="../src/server_texts.cpp" line="37" />
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <location filename="../src/server_texts.cpp" line="27" />
        <location filename="../src/server_texts.cpp" line="38" />
        <source>Idle</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <location filename="../src/server_texts.cpp" line="28" />
        <location filename="../src/server_texts.cpp" line="36" />
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
</context>
<context>
    <name>cvcommon</name>
    <message>
        <location filename="../src/name_tables.cpp" line="9" />
        <location filename="../src/name_tables.cpp" line="58" />
        <location filename="../src/name_tables.cpp" line="59" />
        <source>Unknown device</source>
        <translation>Unbekanntes Gerät</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="10" />
        <location filename="../src/name_tables.cpp" line="11" />
        <source>Desktop</source>
        <translation>Desktop-Computer</translation>
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
        <translation>Handheld-Computer</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="15" />
        <source>Palm-sized Computer</source>
        <translation>Palmtop-Computer</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="16" />
        <source>Wearable Computer</source>
        <translation>Tragbarer Computer</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="17" />
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="18" />
        <source>Cellular Phone</source>
        <translation>Mobiltelefon</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="19" />
        <source>Wireless Phone</source>
        <translation>Schnurloses Telefon</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="20" />
        <source>Smart Phone</source>
        <translation>Smartphone</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="21" />
        <source>Modem</source>
        <translation>Modem</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="22" />
        <source>Common ISDN Access</source>
        <translation>ISDN-Zugang</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="23" />
        <source>SIM card reader</source>
        <translation>SIM-Kartenleser</translation>
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
        <translation>LAN-Zugangspunkt</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="32" />
        <source>Audio Device</source>
        <translation>Audiogerät</translation>
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
        <translation>Freisprecheinrichtung</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="36" />
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="37" />
        <source>Loudspeaker</source>
        <translation>Lautsprecher</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="38" />
        <source>Headphones</source>
        <translation>Kopfhörer</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="39" />
        <source>Portable Audio</source>
        <translation>Tragbares Audiogerät</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="40" />
        <source>Car Audio</source>
        <translation>Autoradio</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="41" />
        <source>Set-top box</source>
        <translation>Set-Top-Box</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="42" />
        <source>HiFi Audio Device</source>
        <translation>HiFi-Audiogerät</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="43" />
        <source>VCR</source>
        <translation>Videorekorder</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="44" />
        <source>Video Camera</source>
        <translation>Videokamera</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="45" />
        <source>Camcorder</source>
        <translation>Camcorder</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="46" />
        <source>Video Monitor</source>
        <translation>Videomonitor</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="47" />
        <source>Video Display and Loudspeaker</source>
        <translation>Bildschirm mit Lautsprecher</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="48" />
        <source>Video Conferencing</source>
        <translation>Videokonferenz</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="49" />
        <source>Gaming</source>
        <translation>Spielgerät</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="50" />
        <location filename="../src/name_tables.cpp" line="51" />
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="52" />
        <source>Pointing device</source>
        <translation>Zeigegerät</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="53" />
        <source>Combo Keyboard/Pointing</source>
        <translation>Tastatur mit Zeigegerät</translation>
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
        <translation>Fernbedienung</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="57" />
        <source>Sensing device</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="60" />
        <source>Display</source>
        <translation>Bildschirm</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="61" />
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="62" />
        <source>Scanner</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="63" />
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="67" />
        <source>Bluetooth Serial Port</source>
        <translation>Bluetooth serieller Anschluss</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="68" />
        <source>Allow other Bluetooth devices to establish a Bluetooth Serial Port connection with this computer.</source>
        <translation>Anderen Bluetooth-Geräten erlauben, eine serielle Bluetooth-Verbindung mit diesem Computer aufzubauen.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="69" />
        <source>Establish a Bluetooth Serial Port connection.</source>
        <translation>Eine serielle Bluetooth-Verbindung aufbauen.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="70" />
        <source>Bluetooth LAN Access</source>
        <translation>Bluetooth LAN-Zugang</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="73" />
        <source>Bluetooth Dial-Up Networking</source>
        <translation>Bluetooth DFÜ-Netzwerk</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="75" />
        <source>Dial-up to the Internet.</source>
        <translation>Eine Einwahlverbindung ins Internet herstellen.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="76" />
        <source>Bluetooth Information Synchronization</source>
        <translation>Bluetooth Datenabgleich</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="78" />
        <source>Unrecognized service.</source>
        <translation>Nicht erkannter Dienst.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="79" />
        <source>Bluetooth Object Push</source>
        <translation>Bluetooth Objektübertragung</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="80" />
        <source>Allow other Bluetooth devices to exchange cards or send objects to this computer.</source>
        <translation>Anderen Bluetooth-Geräten erlauben, Visitenkarten auszutauschen oder Objekte an diesen Computer zu senden.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="81" />
        <source>Exchange cards or objects.</source>
        <translation>Visitenkarten oder Objekte austauschen.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="82" />
        <source>Bluetooth File Transfer</source>
        <translation>Bluetooth Dateiübertragung</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="83" />
        <source>Allow other Bluetooth devices to browse and access files or folders on this computer.</source>
        <translation>Anderen Bluetooth-Geräten erlauben, Dateien und Ordner auf diesem Computer zu durchsuchen und zu nutzen.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="84" />
        <source>Browse and access files and folders shared.</source>
        <translation>Freigegebene Dateien und Ordner durchsuchen und nutzen.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="85" />
        <source>Bluetooth Sync Command</source>
        <translation>Bluetooth Abgleichbefehl</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="88" />
        <location filename="../src/name_tables.cpp" line="154" />
        <source>Bluetooth Headset and Microphone</source>
        <translation>Bluetooth Headset und Mikrofon</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="90" />
        <location filename="../src/name_tables.cpp" line="156" />
        <source>Connect to the Bluetooth mono headset.</source>
        <translation>Mit dem Bluetooth-Mono-Headset verbinden.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="91" />
        <source>Bluetooth Cordless Telephony</source>
        <translation>Bluetooth Schnurlostelefonie</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="92" />
        <source>Allow other Bluetooth cordless telephony devices to connect to this computer.</source>
        <translation>Anderen Bluetooth-Schnurlostelefonen erlauben, sich mit diesem Computer zu verbinden.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="94" />
        <location filename="../src/name_tables.cpp" line="97" />
        <source>Bluetooth Advanced Audio</source>
        <translation>Bluetooth Stereo-Audio</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="95" />
        <source>Allow other Bluetooth stereo headsets to connect to this computer and enjoy music played on this computer.</source>
        <translation>Bluetooth-Stereo-Headsets erlauben, sich mit diesem Computer zu verbinden und die hier gespielte Musik wiederzugeben.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="98" />
        <source>Allow other Bluetooth devices to establish a Bluetooth Advanced Audio connection with this computer.</source>
        <translation>Anderen Bluetooth-Geräten erlauben, eine Bluetooth-Stereo-Audioverbindung mit diesem Computer aufzubauen.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="99" />
        <source>Connect to the Bluetooth stereo headset.</source>
        <translation>Mit dem Bluetooth-Stereo-Headset verbinden.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="100" />
        <source>Bluetooth Audio/Video Remote Control Target</source>
        <translation>Bluetooth Audio/Video-Fernsteuerungsziel</translation>
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
        <translation>Nicht erkannter Dienst</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="106" />
        <source>Bluetooth Audio/Video Remote Control</source>
        <translation>Bluetooth Audio/Video-Fernsteuerung</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="112" />
        <source>Bluetooth Intercom</source>
        <translation>Bluetooth Gegensprechanlage</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="115" />
        <source>Bluetooth FAX</source>
        <translation>Bluetooth Fax</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="116" />
        <source>Send faxes between Bluetooth devices.</source>
        <translation>Faxe zwischen Bluetooth-Geräten senden.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="117" />
        <source>Send faxes.</source>
        <translation>Faxe senden.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="118" />
        <location filename="../src/name_tables.cpp" line="157" />
        <source>Bluetooth Headset Voice Gateway</source>
        <translation>Bluetooth Headset-Sprachgateway</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="119" />
        <location filename="../src/name_tables.cpp" line="158" />
        <source>Allow other Bluetooth mono headsets to connect to this computer.</source>
        <translation>Bluetooth-Mono-Headsets erlauben, sich mit diesem Computer zu verbinden.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="127" />
        <location filename="../src/name_tables.cpp" line="130" />
        <location filename="../src/name_tables.cpp" line="133" />
        <source>Bluetooth Personal Area Network</source>
        <translation>Bluetooth persönliches Netzwerk</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="128" />
        <source>Allow other Bluetooth devices to add this computer into a Bluetooth TCP/IP network.</source>
        <translation>Anderen Bluetooth-Geräten erlauben, diesen Computer in ein Bluetooth-TCP/IP-Netzwerk aufzunehmen.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="129" />
        <source>Add this Bluetooth device into the Bluetooth TCP/IP network.</source>
        <translation>Dieses Bluetooth-Gerät in das Bluetooth-TCP/IP-Netzwerk aufnehmen.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="131" />
        <source>Allow other Bluetooth devices to join in your local Bluetooth TCP/IP network and access external network via this computer.</source>
        <translation>Anderen Bluetooth-Geräten erlauben, Ihrem lokalen Bluetooth-TCP/IP-Netzwerk beizutreten und über diesen Computer externe Netzwerke zu nutzen.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="132" />
        <source>Join in the Bluetooth TCP/IP network and access external network.</source>
        <translation>Dem Bluetooth-TCP/IP-Netzwerk beitreten und externe Netzwerke nutzen.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="134" />
        <source>Allow other Bluetooth devices to join in the Bluetooth TCP/IP network established by this computer.</source>
        <translation>Anderen Bluetooth-Geräten erlauben, dem von diesem Computer aufgebauten Bluetooth-TCP/IP-Netzwerk beizutreten.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="135" />
        <source>Join in the Bluetooth TCP/IP network.</source>
        <translation>Dem Bluetooth-TCP/IP-Netzwerk beitreten.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="136" />
        <source>Bluetooth Quick Print Service</source>
        <translation>Bluetooth Schnelldruckdienst</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="137" />
        <source>Allow another Bluetooth devices to print the file on this computer.</source>
        <translation>Anderen Bluetooth-Geräten erlauben, Dateien auf diesem Computer zu drucken.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="138" />
        <location filename="../src/name_tables.cpp" line="168" />
        <source>Connect to this Bluetooth printer to print documents.</source>
        <translation>Mit diesem Bluetooth-Drucker verbinden, um Dokumente zu drucken.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="145" />
        <source>Bluetooth Basic Imaging Service</source>
        <translation>Bluetooth Bildübertragung</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="146" />
        <source>Allow other Bluetooth devices to send images to this computer.</source>
        <translation>Anderen Bluetooth-Geräten erlauben, Bilder an diesen Computer zu senden.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="147" />
        <source>Connect to this Bluetooth device to take a picture or transfer pictures wirelessly.</source>
        <translation>Mit diesem Bluetooth-Gerät verbinden, um ein Foto aufzunehmen oder Bilder drahtlos zu übertragen.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="148" />
        <source>Bluetooth Imaging Automatic Archive</source>
        <translation>Bluetooth automatisches Bildarchiv</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="151" />
        <source>Bluetooth Imaging Referenced Objects</source>
        <translation>Bluetooth referenzierte Bildobjekte</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="160" />
        <source>Bluetooth Human Interface Device</source>
        <translation>Bluetooth Eingabegerät</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="162" />
        <source>Connect this Bluetooth keyboard, mouse or other HID device with this computer.</source>
        <translation>Diese Bluetooth-Tastatur, -Maus oder ein anderes Eingabegerät mit diesem Computer verbinden.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="163" />
        <location filename="../src/name_tables.cpp" line="166" />
        <source>Bluetooth Print</source>
        <translation>Bluetooth Drucken</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="172" />
        <source>Bluetooth SIM Access</source>
        <translation>Bluetooth SIM-Zugriff</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="174" />
        <source>Access SIM Card.</source>
        <translation>Auf die SIM-Karte zugreifen.</translation>
    </message>
    <message>
        <location filename="../src/name_tables.cpp" line="175" />
        <source>Bluetooth PNP Device Information</source>
        <translation>Bluetooth PnP-Geräteinformationen</translation>
    </message>
</context>
</TS>