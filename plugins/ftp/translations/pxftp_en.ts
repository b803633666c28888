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
        <source>Double-click to show service&apos;s status.
</source>
        <translation>Double-click to show service&apos;s status.
</translation>
    </message>
    <message>
        <source>Double-click to open the file explorer.
</source>
        <translation>Double-click to open the file explorer.
</translation>
    </message>
    <message>
        <source>Double-click to view the shared folder.
</source>
        <translation>Double-click to view the shared folder.
</translation>
    </message>
    <message>
        <source>Right-click to get more options.</source>
        <translation>Right-click to get more options.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Disconnect</source>
        <translation>&amp;Disconnect</translation>
    </message>
    <message>
        <source>&amp;Open File Explorer</source>
        <translation>&amp;Open File Explorer</translation>
    </message>
    <message>
        <source>&amp;Disconnect %1</source>
        <translation>&amp;Disconnect %1</translation>
    </message>
</context>
<context>
    <name>BtFtpClient</name>
    <message>
        <source>new folder</source>
        <translation>new folder</translation>
    </message>
    <message>
        <source>new file</source>
        <translation>new file</translation>
    </message>
    <message>
        <source>Create folder failed</source>
        <translation>Create folder failed</translation>
    </message>
    <message>
        <source>can&apos;t create the folder:%1,without permission to create it.</source>
        <translation>can&apos;t create the folder:%1,without permission to create it.</translation>
    </message>
    <message>
        <source>Create file failed</source>
        <translation>Create file failed</translation>
    </message>
    <message>
        <source>can&apos;t create the file:%1,without permission to create it.</source>
        <translation>can&apos;t create the file:%1,without permission to create it.</translation>
    </message>
    <message>
        <source>Rename Fail</source>
        <translation>Rename Fail</translation>
    </message>
    <message>
        <source>Can&apos;t leave the file name blank:%1!
</source>
        <translation>Can&apos;t leave the file name blank:%1!
</translation>
    </message>
    <message>
        <source>Can&apos;t rename the file:%1!
File with the name &apos;%2&apos; already exists.</source>
        <translation>Can&apos;t rename the file:%1!
File with the name &apos;%2&apos; already exists.</translation>
    </message>
    <message>
        <source>Can&apos;t rename the file:%1!</source>
        <translation>Can&apos;t rename the file:%1!</translation>
    </message>
    <message>
        <source>can&apos;t delete the directory:%1/%2,without permission to delete it.</source>
        <translation>can&apos;t delete the directory:%1/%2,without permission to delete it.</translation>
    </message>
    <message>
        <source>can&apos;t delete the file:%1/%2,without permission to delete it.</source>
        <translation>can&apos;t delete the file:%1/%2,without permission to delete it.</translation>
    </message>
    <message>
        <source>delete failed</source>
        <translation>delete failed</translation>
    </message>
    <message>
        <source>Are you sure delete the %1 items?</source>
        <translation>Are you sure delete the %1 items?</translation>
    </message>
    <message>
        <source>Are you sure delete the folder:%1?</source>
        <translation>Are you sure delete the folder:%1?</translation>
    </message>
    <message>
        <source>Are you sure delete the file:%1?</source>
        <translation>Are you sure delete the file:%1?</translation>
    </message>
    <message>
        <source>Confirm File Delete</source>
        <translation>Confirm File Delete</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>Connecting...</translation>
    </message>
    <message>
        <source>new folder%1</source>
        <translation>new folder%1</translation>
    </message>
    <message>
        <source>Create Folder Failed</source>
        <translation>Create Folder Failed</translation>
    </message>
    <message>
        <source>Can&apos;t create the folder!
File or folder with the name &apos;%1&apos; already exists.</source>
        <translation>Can&apos;t create the folder!
File or folder with the name &apos;%1&apos; already exists.</translation>
    </message>
    <message>
        <source>Can&apos;t create the folder:%1!
Without permission.</source>
        <translation>Can&apos;t create the folder:%1!
Without permission.</translation>
    </message>
    <message>
        <source>Another operation is in progress.</source>
        <translation>Another operation is in progress.</translation>
    </message>
    <message>
        <source>Uploading ...</source>
        <translation>Uploading ...</translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>Downloading ...</translation>
    </message>
    <message>
        <source>This folder already contains a folder named %1
 Would you like to replace it ?</source>
        <translation>This folder already contains a folder named %1
 Would you like to replace it ?</translation>
    </message>
    <message>
        <source>This folder already contains a file named %1
 Would you like to replace it ?</source>
        <translation>This folder already contains a file named %1
 Would you like to replace it ?</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Confirm File Replace</translation>
    </message>
    <message>
        <source>Connected.</source>
        <translation>Connected.</translation>
    </message>
    <message>
        <source>Cannot connect to the FTP service.</source>
        <translation>Cannot connect to the FTP service.</translation>
    </message>
    <message>
        <source>Delete was not successful.</source>
        <translation>Delete was not successful.</translation>
    </message>
    <message>
        <source>Delete succeeded.</source>
        <translation>Delete succeeded.</translation>
    </message>
    <message>
        <source>Delete failed</source>
        <translation>Delete failed</translation>
    </message>
    <message>
        <source>	Delete failed!
You may have not enough permissions to delete.</source>
        <translation>	Delete failed!
You may have not enough permissions to delete.</translation>
    </message>
    <message>
        <source>Download was not successful.</source>
        <translation>Download was not successful.</translation>
    </message>
    <message>
        <source>Download succeeded.</source>
        <translation>Download succeeded.</translation>
    </message>
    <message>
        <source>Upload was not successful.</source>
        <translation>Upload was not successful.</translation>
    </message>
    <message>
        <source>Upload succeeded.</source>
        <translation>Upload succeeded.</translation>
    </message>
    <message>
        <source>Upload failed</source>
        <translation>Upload failed</translation>
    </message>
    <message>
        <source>	Upload failed!
Remote device may have set its FTP service Read Only.</source>
        <translation>	Upload failed!
Remote device may have set its FTP service Read Only.</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
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
        <translation>%1 of %2 downloaded</translation>
    </message>
    <message>
        <source>%1 of %2 uploaded</source>
        <translation>%1 of %2 uploaded</translation>
    </message>
    <message>
        <source>%1 of %2 deleted</source>
        <translation>%1 of %2 deleted</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 failed</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 skipped</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>the device</source>
        <translation>the device</translation>
    </message>
    <message>
        <source>The Bluetooth service is not available.</source>
        <translation>The Bluetooth service is not available.</translation>
    </message>
    <message>
        <source>The connection to %1 was lost.</source>
        <translation>The connection to %1 was lost.</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <translation>Download cancelled.</translation>
    </message>
    <message>
        <source>Upload cancelled.</source>
        <translation>Upload cancelled.</translation>
    </message>
    <message>
        <source>, cancelled</source>
        <translation>, cancelled</translation>
    </message>
</context>
<context>
    <name>BtFtpClientClass</name>
    <message>
        <source>Local:</source>
        <translation>Local:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>Remote:</source>
        <translation>Remote:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Go To</source>
        <translation>&amp;Go To</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Upload the selected files.</source>
        <translation>Upload the selected files.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Download the selected files.</source>
        <translation>Download the selected files.</translation>
    </message>
    <message>
        <source>&amp;New File</source>
        <translation>&amp;New File</translation>
    </message>
    <message>
        <source>Create new file.</source>
        <translation>Create new file.</translation>
    </message>
    <message>
        <source>New &amp;Folder</source>
        <translation>New &amp;Folder</translation>
    </message>
    <message>
        <source>Create new folder.</source>
        <translation>Create new folder.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Delete the selected file.</source>
        <translation>Delete the selected file.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Rename a file or folder.</source>
        <translation>Rename a file or folder.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>List</source>
        <translation>List</translation>
    </message>
    <message>
        <source>View in list.</source>
        <translation>View in list.</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>View in details.</source>
        <translation>View in details.</translation>
    </message>
    <message>
        <source>&amp;Up One Folder</source>
        <translation>&amp;Up One Folder</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Home</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>Refresh contents on the remote device.</source>
        <translation>Refresh contents on the remote device.</translation>
    </message>
    <message>
        <source>Hdd Device</source>
        <translation>Hdd Device</translation>
    </message>
    <message>
        <source>List files in hdd device.</source>
        <translation>List files in hdd device.</translation>
    </message>
    <message>
        <source>Usb Device</source>
        <translation>Usb Device</translation>
    </message>
    <message>
        <source>List files in usb device.</source>
        <translation>List files in usb device.</translation>
    </message>
    <message>
        <source>&amp;Up Folder</source>
        <translation>&amp;Up Folder</translation>
    </message>
    <message>
        <source>Enter upper folder.</source>
        <translation>Enter upper folder.</translation>
    </message>
    <message>
        <source>&amp;Reconnect</source>
        <translation>&amp;Reconnect</translation>
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
