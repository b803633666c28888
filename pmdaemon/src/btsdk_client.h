// The daemon's client of the Bluetooth service on the system bus: the power object and
// the local-device area, reached through two proxies made on first need.
#pragma once

#include <cstdint>

// Makes both proxies; false (with a message) when the bus or a proxy cannot be had.
bool init_btsdk_client();

void stop_bluetooth();   // "suspend"
void start_bluetooth();  // "resume", sent once more when the first answer is not 0
void hardware_unplug();  // "bt_dev_unplug"
void SendVendorCmd(const uint8_t* command_template);
void hci_sw_rf_kill_on();
void hci_sw_rf_kill_off();
