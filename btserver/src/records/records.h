// The records on the wire, the main header of records/: the byte images that the service
// sends and reads, little endian, in fields of fixed size (byte_image.h). The attribute
// records of local servers and remote services, the property records of remote devices,
// connections and shortcuts, the entries of a browsed folder and the records of received
// files. It builds on the world model, whose values the records carry.
#pragma once

#include "records/attribute_records.h"
#include "records/byte_image.h"
#include "records/connection_record.h"
#include "records/device_record.h"
#include "records/shortcut_record.h"
#include "records/transfer_records.h"
