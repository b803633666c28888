#include "core/call_log.h"

namespace btserver {

namespace {

// Keeps the answer of GetCalls well below the bus's limit on message size.
constexpr size_t kMaxBytes = 16 * 1024 * 1024;
constexpr size_t kMaxEntries = 100000;

}  // namespace

void CallLog::add(const char* interface, const char* method, const char* signature,
                  GVariant* args) {
    entries_.push_back({interface, method, signature, takeVariant(g_variant_ref(args))});
    bytes_ += g_variant_get_size(args);
    while (entries_.size() > 1 && (bytes_ > kMaxBytes || entries_.size() > kMaxEntries)) {
        bytes_ -= g_variant_get_size(entries_.front().args.get());
        entries_.pop_front();
    }
}

void CallLog::clear() {
    entries_.clear();
    bytes_ = 0;
}

GVariant* CallLog::toVariant() const {
    GVariantBuilder builder;
    g_variant_builder_init(&builder, G_VARIANT_TYPE("a(sssv)"));
    for (const Entry& entry : entries_) {
        // D-Bus has no empty structure: a call without arguments carries an empty array.
        GVariant* args = g_variant_n_children(entry.args.get()) > 0
                             ? entry.args.get()
                             : g_variant_new_array(G_VARIANT_TYPE_VARIANT, nullptr, 0);
        g_variant_builder_add(&builder, "(sssv)", entry.interface.c_str(), entry.method.c_str(),
                              entry.signature.c_str(), args);
    }
    return g_variant_builder_end(&builder);
}

}  // namespace btserver
