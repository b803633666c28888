#include "core/reply_override.h"

#include <cstring>
#include <vector>

#include "core/call_args.h"
#include "core/contract.h"

namespace btserver {

namespace {

// Larger arrays would make replies that the bus refuses.
constexpr int32_t kMaxArrayLength = 16 * 1024 * 1024;

// The output that a result code replaces: the one named "result", else the last; -1 if none.
int resultIndex(const GDBusMethodInfo* method) {
    int count = 0;
    for (GDBusArgInfo** arg = method->out_args; arg && *arg; ++arg, ++count)
        if (g_strcmp0((*arg)->name, "result") == 0)
            return count;
    return count - 1;
}

bool typed(GVariant* value, const char* type, const char* key, std::string& error) {
    if (g_variant_is_of_type(value, G_VARIANT_TYPE(type)))
        return true;
    error = std::string("\"") + key + "\" must be of type " + type;
    return false;
}

bool readResult(GVariant* value, const GDBusMethodInfo* method, ReplyOverride& out,
                std::string& error) {
    if (!typed(value, "u", "result", error))
        return false;
    int index = resultIndex(method);
    const char* type = index < 0 ? "" : method->out_args[index]->signature;
    if (strlen(type) != 1 || !strchr("uiyb", type[0])) {
        error = std::string(method->name) + " has no numeric result output";
        return false;
    }
    out.result = g_variant_get_uint32(value);
    return true;
}

bool readReply(GVariant* value, const GDBusMethodInfo* method, ReplyOverride& out,
               std::string& error) {
    if (!typed(value, "s", "reply", error))
        return false;
    std::string type = tupleType(method->out_args);
    GError* failure = nullptr;
    GVariant* reply =
        g_variant_parse(G_VARIANT_TYPE(type.c_str()), g_variant_get_string(value, nullptr), nullptr,
                        nullptr, &failure);
    if (!reply) {
        error = "reply does not fit " + type + ": " + failure->message;
        g_error_free(failure);
        return false;
    }
    out.reply = takeVariant(reply);
    return true;
}

bool readEntry(const char* key, GVariant* value, const GDBusMethodInfo* method, ReplyOverride& out,
               std::string& error) {
    if (strcmp(key, "result") == 0)
        return readResult(value, method, out, error);
    if (strcmp(key, "reply") == 0)
        return readReply(value, method, out, error);
    if (strcmp(key, "error") == 0) {
        if (!typed(value, "s", key, error))
            return false;
        out.error = g_variant_get_string(value, nullptr);
        if (g_dbus_is_error_name(out.error.c_str()))
            return true;
        error = "not a D-Bus error name: " + out.error;
        return false;
    }
    if (strcmp(key, "message") == 0) {
        if (!typed(value, "s", key, error))
            return false;
        out.message = g_variant_get_string(value, nullptr);
        return true;
    }
    if (strcmp(key, "delay_ms") == 0) {
        if (!typed(value, "u", key, error))
            return false;
        out.delayMs = g_variant_get_uint32(value);
        return true;
    }
    if (strcmp(key, "array_length") == 0) {
        if (!typed(value, "i", key, error))
            return false;
        int32_t length = g_variant_get_int32(value);
        if (length >= 0 && length <= kMaxArrayLength) {
            out.arrayLength = length;
            return true;
        }
        error = "array_length must be 0 to " + std::to_string(kMaxArrayLength);
        return false;
    }
    if (strcmp(key, "no_reply") == 0) {
        if (!typed(value, "b", key, error))
            return false;
        out.noReply = g_variant_get_boolean(value);
        return true;
    }
    if (strcmp(key, "times") == 0) {
        if (!typed(value, "u", key, error))
            return false;
        out.times = g_variant_get_uint32(value);
        return true;
    }
    error = std::string("unknown override key \"") + key + "\"";
    return false;
}

// The result code as the output's type: a signed result takes the same 32 bits, a byte
// the low 8 bits, a boolean whether it is non-zero.
GVariant* resultOfType(char type, uint32_t result) {
    switch (type) {
        case 'i':
            return g_variant_new_int32(static_cast<int32_t>(result));
        case 'y':
            return g_variant_new_byte(static_cast<uint8_t>(result));
        case 'b':
            return g_variant_new_boolean(result != 0);
        default:
            return g_variant_new_uint32(result);
    }
}

GVariant* resized(GVariant* bytes, size_t length) {
    Bytes copy = bytesOf(bytes);
    copy.resize(length, 0);
    return byteArray(copy);
}

}  // namespace

bool parseOverride(GVariant* dict, const GDBusMethodInfo* method, ReplyOverride& out,
                   std::string& error) {
    GVariantIter iter;
    g_variant_iter_init(&iter, dict);
    const char* key = nullptr;
    GVariant* value = nullptr;
    while (g_variant_iter_next(&iter, "{&sv}", &key, &value)) {
        bool ok = readEntry(key, value, method, out, error);
        g_variant_unref(value);
        if (!ok)
            return false;
    }
    if (!out.message.empty() && out.error.empty()) {
        error = "\"message\" needs \"error\"";
        return false;
    }
    return true;
}

GVariant* applyOverride(const ReplyOverride& override, const GDBusMethodInfo* method,
                        GVariant* outputs) {
    VariantPtr original = takeVariant(outputs);
    int index = override.result ? resultIndex(method) : -1;
    std::vector<GVariant*> items;
    for (size_t i = 0; i < g_variant_n_children(original.get()); ++i) {
        GVariant* item = g_variant_get_child_value(original.get(), i);
        GVariant* replaced = nullptr;
        if (static_cast<int>(i) == index) {
            replaced = resultOfType(g_variant_get_type_string(item)[0], *override.result);
        } else if (override.arrayLength && g_variant_is_of_type(item, G_VARIANT_TYPE_BYTESTRING)) {
            replaced = resized(item, static_cast<size_t>(*override.arrayLength));
        }
        if (replaced) {
            g_variant_unref(item);
            item = g_variant_ref_sink(replaced);
        }
        items.push_back(item);
    }
    GVariant* result = g_variant_ref_sink(g_variant_new_tuple(items.data(), items.size()));
    for (GVariant* item : items) g_variant_unref(item);
    return result;
}

void ReplyOverrides::set(const std::string& interface, const std::string& method,
                         ReplyOverride override) {
    overrides_[{interface, method}] = std::move(override);
}

std::optional<ReplyOverride> ReplyOverrides::take(const std::string& interface,
                                                  const std::string& method) {
    auto it = overrides_.find({interface, method});
    if (it == overrides_.end())
        return std::nullopt;
    ReplyOverride found = it->second;
    if (it->second.times > 0 && --it->second.times == 0)
        overrides_.erase(it);
    return found;
}

}  // namespace btserver
