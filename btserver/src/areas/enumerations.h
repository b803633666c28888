// Enumerations of devices, servers, services and connections: each visits the handles
// chosen when it started once, skipping those that are gone meanwhile.
#pragma once

#include <algorithm>
#include <vector>

#include "core/result_codes.h"
#include "world/world.h"

namespace btserver {

// The handles of the items, in their order.
template <typename Item>
std::vector<uint32_t> handlesOf(const std::vector<Item>& items) {
    std::vector<uint32_t> handles;
    for (const Item& item : items) handles.push_back(item.handle);
    return handles;
}

// Starts an enumeration of the handles in the list; its handle.
inline uint32_t beginEnumeration(World& world, std::vector<Enumeration>& all,
                                 std::vector<uint32_t> handles) {
    all.push_back(Enumeration{world.newHandle(), std::move(handles), 0});
    return all.back().handle;
}

// The next handle of the enumeration that `find` finds something for, with that thing;
// null at the end or for no enumeration.
template <typename Find>
auto nextOf(Enumeration* enumeration, Find find) -> decltype(find(0u)) {
    while (enumeration && enumeration->next < enumeration->handles.size())
        if (auto* found = find(enumeration->handles[enumeration->next++]))
            return found;
    return nullptr;
}

// Ends the enumeration: result 0, or "unknown handle" when there is none.
inline uint32_t endEnumeration(std::vector<Enumeration>& all, uint32_t handle) {
    auto found = std::find_if(all.begin(), all.end(),
                              [handle](const Enumeration& e) { return e.handle == handle; });
    if (found == all.end())
        return kResultUnknownHandle;
    all.erase(found);
    return kResultOk;
}

}  // namespace btserver
