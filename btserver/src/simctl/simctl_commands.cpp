#include "simctl/simctl_commands.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "world/scenario_values.h"

namespace simctl {

namespace {

using btserver::parseNumber;

struct Command {
    const char* method;
    size_t minWords;  // after the command word
    size_t maxWords;
    const char* replyType;
};

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"reset", {"Reset", 0, 0, "()"}},
        {"load", {"LoadScenario", 1, 1, "()"}},
        {"emit", {"EmitSignal", 3, 3, "()"}},
        {"emit-untyped", {"EmitUntypedSignal", 3, 3, "()"}},
        {"reply", {"SetReply", 3, SIZE_MAX, "()"}},
        {"clear-replies", {"ClearReplies", 0, 0, "()"}},
        {"calls", {"GetCalls", 0, 0, "(a(sssv))"}},
        {"clear-calls", {"ClearCalls", 0, 0, "()"}},
        {"adapter", {"GetAdapter", 0, 0, "(a{sv})"}},
        {"range", {"SetInRange", 2, 2, "()"}},
        {"connected", {"SetConnected", 2, 2, "()"}},
        {"rssi", {"SetRssi", 2, 2, "()"}},
        {"ask-authorization", {"RequestAuthorization", 2, 2, "()"}},
        {"ask-connection", {"RequestConnection", 3, 3, "()"}},
        {"connect-server", {"ConnectToServer", 2, 2, "()"}},
        {"drop", {"DropConnection", 1, 1, "()"}},
        {"put-file", {"DevicePutsFile", 2, 3, "()"}},
        {"push-file", {"DevicePushesFile", 2, 2, "()"}},
        {"pan-event", {"PanEvent", 1, 2, "()"}},
        {"hf-msg", {"HandsFreeMessage", 2, 3, "()"}},
        {"ag-msg", {"GatewayMessage", 2, 3, "()"}},
        {"av-event", {"AvEvent", 1, 2, "()"}},
        {"av-op", {"AvControl", 2, 2, "()"}},
        {"hw-kill", {"SetHardwareKill", 1, 1, "()"}},
        {"hw-error", {"RaiseHardwareError", 1, 1, "()"}},
        {"quit", {"Quit", 0, 0, "()"}},
    };
    return table;
}

// The word as a number of at most `max`; false with a message naming what was expected.
bool numberWord(const std::string& word, uint64_t max, const char* expected, uint64_t& out,
                std::string& error) {
    if (parseNumber(word, max, out))
        return true;
    error = std::string("expected ") + expected + ", not " + word;
    return false;
}

// One KEY=VALUE of an override, typed as the control interface wants it.
GVariant* overrideValue(const std::string& key, const std::string& value, std::string& error) {
    uint64_t n = 0;
    gint64 signedValue = 0;
    if (key == "reply" || key == "error" || key == "message")
        return g_variant_new_string(value.c_str());
    if ((key == "result" || key == "delay_ms" || key == "times") &&
        parseNumber(value, UINT32_MAX, n))
        return g_variant_new_uint32(static_cast<guint32>(n));
    if (key == "array_length" &&
        g_ascii_string_to_signed(value.c_str(), 10, INT32_MIN, INT32_MAX, &signedValue, nullptr))
        return g_variant_new_int32(static_cast<gint32>(signedValue));
    if (key == "no_reply" && (value == "true" || value == "false"))
        return g_variant_new_boolean(value == "true");
    error = "bad override " + key + "=" + value +
            " (keys: result, reply, error, message, delay_ms, array_length, no_reply=true|false, "
            "times)";
    return nullptr;
}

GVariant* overrides(const std::vector<std::string>& words, std::string& error) {
    GVariantBuilder builder;
    g_variant_builder_init(&builder, G_VARIANT_TYPE_VARDICT);
    for (size_t i = 3; i < words.size(); ++i) {
        size_t equals = words[i].find('=');
        GVariant* value =
            equals == std::string::npos
                ? nullptr
                : overrideValue(words[i].substr(0, equals), words[i].substr(equals + 1), error);
        if (!value) {
            if (error.empty())
                error = "expected KEY=VALUE, not " + words[i];
            g_variant_builder_clear(&builder);
            return nullptr;
        }
        g_variant_builder_add(&builder, "{sv}", words[i].substr(0, equals).c_str(), value);
    }
    return g_variant_builder_end(&builder);
}

// "in"/"out" or "on"/"off" as a boolean.
GVariant* switchValue(const std::string& word, const char* on, const char* off,
                      std::string& error) {
    if (word == on || word == off)
        return g_variant_new_boolean(word == on);
    error = std::string("expected ") + on + " or " + off + ", not " + word;
    return nullptr;
}

// The device event's arguments after the device: numbers, or the switch word.
GVariant* deviceEvent(const std::vector<std::string>& words, std::string& error) {
    const char* device = words[1].c_str();
    uint64_t service = 0, role = 0;
    if (words[0] == "rssi") {
        int64_t rssi = 0;
        if (btserver::parseSigned(words[2], INT8_MIN, INT8_MAX, rssi))
            return g_variant_new("(si)", device, static_cast<gint32>(rssi));
        error = "expected an RSSI from -128 to 127, not " + words[2];
        return nullptr;
    }
    if (words[0] == "range" || words[0] == "connected") {
        bool range = words[0] == "range";
        GVariant* value = switchValue(words[2], range ? "in" : "on", range ? "out" : "off", error);
        return value ? g_variant_new("(s@b)", device, value) : nullptr;
    }
    if (!parseNumber(words[2], UINT32_MAX, service) ||
        (words.size() > 3 && !parseNumber(words[3], UINT8_MAX, role))) {
        error = "expected numbers after the device";
        return nullptr;
    }
    if (words[0] == "ask-authorization" || words[0] == "connect-server")
        return g_variant_new("(su)", device, static_cast<guint32>(service));
    return g_variant_new("(suy)", device, static_cast<guint32>(service), static_cast<guchar>(role));
}

// The profile indication's arguments: numbers, then the hex bytes (none when left out).
GVariant* profileEvent(const std::vector<std::string>& words, std::string& error) {
    bool handsFree = words[0] == "hf-msg" || words[0] == "ag-msg";
    uint64_t first = 0, second = 0;
    uint64_t maxFirst = words[0] == "av-op" ? UINT8_MAX : UINT32_MAX;
    uint64_t maxSecond = handsFree ? UINT16_MAX : UINT8_MAX;
    size_t numbers = handsFree || words[0] == "av-op" ? 2 : 1;
    btserver::Bytes data;
    if (!parseNumber(words[1], maxFirst, first) ||
        (numbers == 2 && !parseNumber(words[2], maxSecond, second))) {
        error = "expected " + std::to_string(numbers) + " number(s) after " + words[0];
        return nullptr;
    }
    if (words.size() > numbers + 1 && !btserver::parseHexBytes(words[numbers + 1], data)) {
        error = "expected hex bytes, not " + words[numbers + 1];
        return nullptr;
    }
    if (words[0] == "av-op")
        return g_variant_new("(yy)", static_cast<guchar>(first), static_cast<guchar>(second));
    GVariant* bytes = g_variant_new_fixed_array(G_VARIANT_TYPE_BYTE, data.data(), data.size(), 1);
    if (handsFree)
        return g_variant_new("(uq@ay)", static_cast<guint32>(first), static_cast<guint16>(second),
                             bytes);
    return g_variant_new("(u@ay)", static_cast<guint32>(first), bytes);
}

std::string absolute(const std::string& path) {
    gchar* full = g_canonicalize_filename(path.c_str(), nullptr);
    std::string result = full;
    g_free(full);
    return result;
}

void printCalls(GVariant* reply) {
    GVariantIter* iter = nullptr;
    const char *interface, *method, *signature;
    GVariant* args = nullptr;
    g_variant_get(reply, "(a(sssv))", &iter);
    while (g_variant_iter_next(iter, "(&s&s&sv)", &interface, &method, &signature, &args)) {
        gchar* text = *signature ? g_variant_print(args, FALSE) : g_strdup("()");
        std::printf("%s %s (%s) %s\n", interface, method, signature, text);
        g_free(text);
        g_variant_unref(args);
    }
    g_variant_iter_free(iter);
}

void printAdapter(GVariant* reply) {
    GVariant* dict = g_variant_get_child_value(reply, 0);
    GVariantIter iter;
    g_variant_iter_init(&iter, dict);
    const char* key = nullptr;
    GVariant* value = nullptr;
    while (g_variant_iter_next(&iter, "{&sv}", &key, &value)) {
        gsize size = 0;
        if (g_variant_is_of_type(value, G_VARIANT_TYPE_BYTESTRING)) {
            // The address travels least significant byte first; people read it the other way.
            auto* bytes = static_cast<const guint8*>(g_variant_get_fixed_array(value, &size, 1));
            std::printf("%s:", key);
            for (gsize i = size; i > 0; --i)
                std::printf("%s%02X", i == size ? " " : ":", bytes[i - 1]);
            std::printf("\n");
        } else if (g_variant_is_of_type(value, G_VARIANT_TYPE_UINT32)) {
            std::printf("%s: 0x%X\n", key, g_variant_get_uint32(value));
        } else {
            gchar* text = g_variant_print(value, FALSE);
            std::printf("%s: %s\n", key, text);
            g_free(text);
        }
        g_variant_unref(value);
    }
    g_variant_unref(dict);
}

}  // namespace

bool buildRequest(const std::vector<std::string>& words, Request& out, std::string& error) {
    auto found = words.empty() ? commands().end() : commands().find(words[0]);
    if (found == commands().end()) {
        error = words.empty() ? "no command given" : "unknown command " + words[0];
        return false;
    }
    const Command& command = found->second;
    size_t count = words.size() - 1;
    if (count < command.minWords || count > command.maxWords) {
        error = "wrong number of arguments for " + words[0];
        return false;
    }
    out.method = command.method;
    out.replyType = command.replyType;
    if (words[0] == "load") {
        out.args = g_variant_new("(s)", absolute(words[1]).c_str());
    } else if (words[0] == "emit") {
        out.args = g_variant_new("(sss)", words[1].c_str(), words[2].c_str(), words[3].c_str());
    } else if (words[0] == "reply") {
        GVariant* dict = overrides(words, error);
        if (!dict)
            return false;
        out.args = g_variant_new("(ss@a{sv})", words[1].c_str(), words[2].c_str(), dict);
    } else if (words[0] == "drop") {
        uint64_t connection = 0;
        if (!numberWord(words[1], UINT32_MAX, "a connection handle", connection, error))
            return false;
        out.args = g_variant_new("(u)", static_cast<guint32>(connection));
    } else if (words[0] == "hw-kill") {
        GVariant* killed = switchValue(words[1], "on", "off", error);
        if (!killed)
            return false;
        out.args = g_variant_new("(@b)", killed);
    } else if (words[0] == "hw-error") {
        uint64_t code = 0;
        if (!numberWord(words[1], UINT8_MAX, "an error code of 0 to 255", code, error))
            return false;
        out.args = g_variant_new("(y)", static_cast<guchar>(code));
    } else if (words[0] == "put-file") {
        out.args = g_variant_new("(sss)", words[1].c_str(), absolute(words[2]).c_str(),
                                 words.size() > 3 ? words[3].c_str() : "");
        out.timeoutMs = G_MAXINT;
    } else if (words[0] == "push-file") {
        out.args = g_variant_new("(ss)", words[1].c_str(), absolute(words[2]).c_str());
        out.timeoutMs = G_MAXINT;
    } else if (words[0] == "pan-event" || words[0] == "hf-msg" || words[0] == "ag-msg" ||
               words[0] == "av-event" || words[0] == "av-op") {
        out.args = profileEvent(words, error);
        if (!out.args)
            return false;
    } else if (words[0] == "range" || words[0] == "connected" || words[0] == "rssi" ||
               words[0] == "ask-authorization" || words[0] == "ask-connection" ||
               words[0] == "connect-server") {
        out.args = deviceEvent(words, error);
        if (!out.args)
            return false;
    }
    return true;
}

void printReply(const std::string& method, GVariant* reply) {
    if (method == "GetCalls") {
        printCalls(reply);
    } else if (method == "GetAdapter") {
        printAdapter(reply);
    }
}

}  // namespace simctl
