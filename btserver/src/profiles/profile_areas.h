// The profile areas, the main header of profiles/: serial port, dial-up, PAN,
// hands-free, audio/video and HID. Their registrations add local servers and are kept in
// the world's profile state; the indications they send come from the control interface
// (control/profile_events.h). They build on core/, world/ and the connections of areas/.
#pragma once

namespace btserver {

class Service;

void addSerialPort(Service& service);
void addDialUp(Service& service);
void addPan(Service& service);
void addHandsFree(Service& service);
void addAudioVideo(Service& service);
void addHid(Service& service);

}  // namespace btserver
