// The service's buses, the main header of bus/: connecting to a message bus and owning
// the name "com.zel.corvane" there (bus_name.h), serving objects on a connection
// (object_registry.h), and serving the file-transfer area on the session bus as well
// (session_bus.h). It builds on GLib's GDBus and on core/ (the contract and the
// dispatcher that the served objects hand their calls to).
#pragma once

#include "bus/bus_name.h"
#include "bus/object_registry.h"
#include "bus/session_bus.h"
