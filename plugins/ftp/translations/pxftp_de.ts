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
        <source>Double-click to show service&apos;s status.
</source>
        <translation>Doppelklicken, um den Status des Dienstes anzuzeigen.
</translation>
    </message>
    <message>
        <source>Double-click to open the file explorer.
</source>
        <translation>Doppelklicken, um den Datei-Explorer zu öffnen.
</translation>
    </message>
    <message>
        <source>Double-click to view the shared folder.
</source>
        <translation>Doppelklicken, um den freigegebenen Ordner anzuzeigen.
</translation>
    </message>
    <message>
        <source>Right-click to get more options.</source>
        <translation>Rechtsklicken für weitere Optionen.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Trennen</translation>
    </message>
    <message>
        <source>&amp;Open File Explorer</source>
        <translation>&amp;Datei-Explorer öffnen</translation>
    </message>
    <message>
        <source>&amp;Disconnect %1</source>
        <translation>Verbindung mit %1 &amp;trennen</translation>
    </message>
</context>
<context>
    <name>BtFtpClient</name>
    <message>
        <source>new folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>new file</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>Create folder failed</source>
        <translation>Ordner konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>can&apos;t create the folder:%1,without permission to create it.</source>
        <translation>Der Ordner %1 kann nicht erstellt werden, da Ihnen die Berechtigung dazu fehlt.</translation>
    </message>
    <message>
        <source>Create file failed</source>
        <translation>Datei konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>can&apos;t create the file:%1,without permission to create it.</source>
        <translation>Die Datei %1 kann nicht erstellt werden, da Ihnen die Berechtigung dazu fehlt.</translation>
    </message>
    <message>
        <source>Rename Fail</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Can&apos;t leave the file name blank:%1!
</source>
        <translation>%1 kann nicht umbenannt werden: Der Dateiname darf nicht leer sein.
</translation>
    </message>
    <message>
        <source>Can&apos;t rename the file:%1!
File with the name &apos;%2&apos; already exists.</source>
        <translation>Die Datei %1 kann nicht umbenannt werden.
Es gibt bereits eine Datei mit dem Namen „%2“.</translation>
    </message>
    <message>
        <source>Can&apos;t rename the file:%1!</source>
        <translation>Die Datei %1 kann nicht umbenannt werden.</translation>
    </message>
    <message>
        <source>can&apos;t delete the directory:%1/%2,without permission to delete it.</source>
        <translation>Der Ordner %1/%2 kann nicht gelöscht werden, da Ihnen die Berechtigung dazu fehlt.</translation>
    </message>
    <message>
        <source>can&apos;t delete the file:%1/%2,without permission to delete it.</source>
        <translation>Die Datei %1/%2 kann nicht gelöscht werden, da Ihnen die Berechtigung dazu fehlt.</translation>
    </message>
    <message>
        <source>delete failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Are you sure delete the %1 items?</source>
        <translation>Möchten Sie diese %1 Elemente wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure delete the folder:%1?</source>
        <translation>Möchten Sie den Ordner %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Are you sure delete the file:%1?</source>
        <translation>Möchten Sie die Datei %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Confirm File Delete</source>
        <translation>Löschen von Dateien bestätigen</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <source>new folder%1</source>
        <translation>Neuer Ordner%1</translation>
    </message>
    <message>
        <source>Create Folder Failed</source>
        <translation>Ordner konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Can&apos;t create the folder!
File or folder with the name &apos;%1&apos; already exists.</source>
        <translation>Der Ordner kann nicht erstellt werden.
Es gibt bereits eine Datei oder einen Ordner mit dem Namen „%1“.</translation>
    </message>
    <message>
        <source>Can&apos;t create the folder:%1!
Without permission.</source>
        <translation>Der Ordner %1 kann nicht erstellt werden.
Sie haben nicht die erforderliche Berechtigung.</translation>
    </message>
    <message>
        <source>Another operation is in progress.</source>
        <translation>Es wird bereits ein anderer Vorgang ausgeführt.</translation>
    </message>
    <message>
        <source>Uploading ...</source>
        <translation>Wird hochgeladen ...</translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>Wird heruntergeladen ...</translation>
    </message>
    <message>
        <source>This folder already contains a folder named %1
 Would you like to replace it ?</source>
        <translation>Dieser Ordner enthält bereits einen Ordner namens %1.
Möchten Sie ihn ersetzen?</translation>
    </message>
    <message>
        <source>This folder already contains a file named %1
 Would you like to replace it ?</source>
        <translation>Dieser Ordner enthält bereits eine Datei namens %1.
Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Ersetzen von Dateien bestätigen</translation>
    </message>
    <message>
        <source>Connected.</source>
        <translation>Verbunden.</translation>
    </message>
    <message>
        <source>Cannot connect to the FTP service.</source>
        <translation>Keine Verbindung zum FTP-Dienst möglich.</translation>
    </message>
    <message>
        <source>Delete was not successful.</source>
        <translation>Löschen nicht erfolgreich.</translation>
    </message>
    <message>
        <source>Delete succeeded.</source>
        <translation>Löschen erfolgreich.</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>	Delete failed!
You may have not enough permissions to delete.</source>
        <translation>	Löschen fehlgeschlagen!
Möglicherweise fehlt Ihnen die Berechtigung zum Löschen.</translation>
    </message>
    <message>
        <source>Download was not successful.</source>
        <translation>Herunterladen nicht erfolgreich.</translation>
    </message>
    <message>
        <source>Download succeeded.</source>
        <translation>Herunterladen erfolgreich.</translation>
    </message>
    <message>
        <source>Upload was not successful.</source>
        <translation>Hochladen nicht erfolgreich.</translation>
    </message>
    <message>
        <source>Upload succeeded.</source>
        <translation>Hochladen erfolgreich.</translation>
    </message>
    <message>
        <source>Upload failed</source>
        <translation>Hochladen fehlgeschlagen</translation>
    </message>
    <message>
        <source>	Upload failed!
Remote device may have set its FTP service Read Only.</source>
        <translation>	Hochladen fehlgeschlagen!
Möglicherweise ist der FTP-Dienst des entfernten Geräts schreibgeschützt.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
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
        <source>%1 B</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 of %2 downloaded</source>
        <translation>%1 von %2 heruntergeladen</translation>
    </message>
    <message>
        <source>%1 of %2 uploaded</source>
        <translation>%1 von %2 hochgeladen</translation>
    </message>
    <message>
        <source>%1 of %2 deleted</source>
        <translation>%1 von %2 gelöscht</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 übersprungen</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>the device</source>
        <translation>dem Gerät</translation>
    </message>
    <message>
        <source>The Bluetooth service is not available.</source>
        <translation>Der Bluetooth-Dienst ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <translation>Die Verbindung zu %1 wurde unterbrochen.</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <translation>Herunterladen abgebrochen.</translation>
    </message>
    <message>
        <source>Upload cancelled.</source>
        <translation>Hochladen abgebrochen.</translation>
    </message>
    <message>
        <source>, cancelled</source>
        <translation>, abgebrochen</translation>
    </message>
</context>
<context>
    <name>BtFtpClientClass</name>
    <message>
        <source>Local:</source>
        <translation>Lokal:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Remote:</source>
        <translation>Entfernt:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Go To</source>
        <translation>&amp;Wechseln zu</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>Upload the selected files.</source>
        <translation>Die ausgewählten Dateien hochladen.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Download the selected files.</source>
        <translation>Die ausgewählten Dateien herunterladen.</translation>
    </message>
    <message>
        <source>&amp;New File</source>
        <translation>&amp;Neue Datei</translation>
    </message>
    <message>
        <source>Create new file.</source>
        <translation>Eine neue Datei erstellen.</translation>
    </message>
    <message>
        <source>New &amp;Folder</source>
        <translation>Neuer &amp;Ordner</translation>
    </message>
    <message>
        <source>Create new folder.</source>
        <translation>Einen neuen Ordner erstellen.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete the selected file.</source>
        <translation>Die ausgewählte Datei löschen.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Rename a file or folder.</source>
        <translation>Eine Datei oder einen Ordner umbenennen.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>View in list.</source>
        <translation>Als Liste anzeigen.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>View in details.</source>
        <translation>Mit Details anzeigen.</translation>
    </message>
    <message>
        <source>&amp;Up One Folder</source>
        <translation>Eine &amp;Ebene höher</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Stammordner</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Refresh contents on the remote device.</source>
        <translation>Den Inhalt auf dem entfernten Gerät aktualisieren.</translation>
    </message>
    <message>
        <source>Hdd Device</source>
        <translation>Festplatte</translation>
    </message>
    <message>
        <source>List files in hdd device.</source>
        <translation>Dateien auf der Festplatte anzeigen.</translation>
    </message>
    <message>
        <source>Usb Device</source>
        <translation>USB-Gerät</translation>
    </message>
    <message>
        <source>List files in usb device.</source>
        <translation>Dateien auf dem USB-Gerät anzeigen.</translation>
    </message>
    <message>
        <source>&amp;Up Folder</source>
        <translation>Eine &amp;Ebene höher</translation>
    </message>
    <message>
        <source>Enter upper folder.</source>
        <translation>In den übergeordneten Ordner wechseln.</translation>
    </message>
    <message>
        <source>&amp;Reconnect</source>
        <translation>Erneut &amp;verbinden</translation>
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
