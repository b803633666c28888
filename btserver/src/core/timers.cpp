#include "core/timers.h"

#include <vector>

namespace btserver {

struct Timers::Entry {
    Timers* owner;
    guint source;
    std::function<void()> action;
};

Timers::~Timers() {
    cancelAll();
}

void Timers::after(guint ms, std::function<void()> action) {
    auto* entry = new Entry{this, 0, std::move(action)};
    entry->source = g_timeout_add_full(G_PRIORITY_DEFAULT, ms, fire, entry, forget);
    sources_.insert(entry->source);
}

void Timers::cancelAll() {
    std::vector<guint> pending(sources_.begin(), sources_.end());
    for (guint source : pending) g_source_remove(source);
}

gboolean Timers::fire(gpointer entry) {
    static_cast<Entry*>(entry)->action();
    return G_SOURCE_REMOVE;
}

void Timers::forget(gpointer data) {
    auto* entry = static_cast<Entry*>(data);
    entry->owner->sources_.erase(entry->source);
    delete entry;
}

}  // namespace btserver
