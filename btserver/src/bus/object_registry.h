// Objects served on one bus connection, each interface handing its method calls to a
// function; all are unregistered together when the registry goes.
#pragma once

#include <gio/gio.h>

#include <functional>
#include <string>
#include <vector>

#include "core/contract.h"
#include "core/dispatcher.h"

namespace btserver {

using MethodHandler = std::function<void(GDBusMethodInvocation*)>;

class ObjectRegistry {
public:
    explicit ObjectRegistry(GDBusConnection* connection);
    ~ObjectRegistry();
    ObjectRegistry(const ObjectRegistry&) = delete;
    ObjectRegistry& operator=(const ObjectRegistry&) = delete;

    // The handler receives each call with the reference to the invocation that it must answer.
    bool add(const std::string& path, GDBusInterfaceInfo* info, MethodHandler handler,
             std::string& error);
    // Serves a contract area, its calls going to the dispatcher.
    bool add(const Area& area, Dispatcher& dispatcher, std::string& error);

private:
    GDBusConnection* connection_;
    std::vector<guint> ids_;
};

}  // namespace btserver
