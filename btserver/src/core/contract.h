// The service contract: every interface of the introspection files built into the
// program, with the object path it is served at.
#pragma once

#include <gio/gio.h>

#include <string>
#include <vector>

namespace btserver {

struct Area {
    std::string path;
    GDBusInterfaceInfo* info;  // owned by the contract
};

class Contract {
public:
    Contract();  // a broken built-in file is a build fault: it aborts with the parser's message
    ~Contract();
    Contract(const Contract&) = delete;
    Contract& operator=(const Contract&) = delete;

    const std::vector<Area>& areas() const { return areas_; }

    // The area of an interface given by its full name, or by a name without a dot that
    // is the last component of the full name ("btsdklocal", "btsdkcbk", "Device").
    const Area* find(const std::string& interface) const;
    const GDBusMethodInfo* method(const std::string& interface, const std::string& method) const;

private:
    std::vector<GDBusNodeInfo*> nodes_;
    std::vector<Area> areas_;
};

// The type of an argument list as a tuple, such as "(su)".
std::string tupleType(GDBusArgInfo** args);

}  // namespace btserver
