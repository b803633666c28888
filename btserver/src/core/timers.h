// Actions that run later on the main loop, all cancellable at once (a reset of the world
// cancels every pending delayed answer).
#pragma once

#include <glib.h>

#include <functional>
#include <set>

namespace btserver {

class Timers {
public:
    Timers() = default;
    ~Timers();
    Timers(const Timers&) = delete;
    Timers& operator=(const Timers&) = delete;

    void after(guint ms, std::function<void()> action);
    // Drops every pending action unrun (and whatever it holds).
    void cancelAll();

private:
    struct Entry;
    static gboolean fire(gpointer entry);
    static void forget(gpointer entry);
    std::set<guint> sources_;
};

}  // namespace btserver
