// Resolving a plug-in's entry point by name, and the service classes that requests name.
#pragma once

#include <QLibrary>

#include "cvcommon/profile_plug_mng.h"
#include "cvcommon/profile_plugin.h"

namespace cvcommon {

// The entry point, or null when the plug-in (or its library) has none.
template <typename F>
F entry(const _ProfilePlugInfo* plugin, const char* name) {
    if (!plugin || !plugin->library) return nullptr;
    return reinterpret_cast<F>(plugin->library->resolve(name));
}

// The shortcut's service class; false when its properties cannot be read.
bool shortcutClass(unsigned int shortcut, unsigned short* svcClass);
// The server's service class, 0 when its attributes cannot be read (then false).
bool serverClass(unsigned int server, unsigned short* svcClass);

}  // namespace cvcommon
