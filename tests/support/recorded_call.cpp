#include "harness.h"

namespace corvtest {

RecordedCall::RecordedCall(const RecordedCall& other)
    : interface(other.interface),
      method(other.method),
      signature(other.signature),
      args(other.args ? g_variant_ref(other.args) : nullptr) {}

RecordedCall::RecordedCall(RecordedCall&& other) noexcept
    : interface(std::move(other.interface)),
      method(std::move(other.method)),
      signature(std::move(other.signature)),
      args(other.args) {
    other.args = nullptr;
}

RecordedCall& RecordedCall::operator=(RecordedCall other) noexcept {
    std::swap(interface, other.interface);
    std::swap(method, other.method);
    std::swap(signature, other.signature);
    std::swap(args, other.args);
    return *this;
}

RecordedCall::~RecordedCall() {
    if (args)
        g_variant_unref(args);
}

GVariant* RecordedCall::arg(size_t i, const char* type) const {
    if (!args || i >= g_variant_n_children(args)) {
        ADD_FAILURE() << method << " has no argument " << i;
        return nullptr;
    }
    GVariant* value = g_variant_get_child_value(args, i);
    if (g_variant_is_of_type(value, G_VARIANT_TYPE(type)))
        return value;
    ADD_FAILURE() << method << " argument " << i << " is " << g_variant_get_type_string(value)
                  << ", not " << type;
    g_variant_unref(value);
    return nullptr;
}

uint32_t RecordedCall::u(size_t i) const {
    GVariant* value = arg(i, "u");
    uint32_t result = value ? g_variant_get_uint32(value) : 0;
    if (value)
        g_variant_unref(value);
    return result;
}

int32_t RecordedCall::i32(size_t i) const {
    GVariant* value = arg(i, "i");
    int32_t result = value ? g_variant_get_int32(value) : 0;
    if (value)
        g_variant_unref(value);
    return result;
}

std::string RecordedCall::s(size_t i) const {
    GVariant* value = arg(i, "s");
    std::string result = value ? g_variant_get_string(value, nullptr) : "";
    if (value)
        g_variant_unref(value);
    return result;
}

std::vector<uint8_t> RecordedCall::ay(size_t i) const {
    GVariant* value = arg(i, "ay");
    if (!value)
        return {};
    gsize size = 0;
    auto* data = static_cast<const uint8_t*>(g_variant_get_fixed_array(value, &size, 1));
    std::vector<uint8_t> result(data, data + size);
    g_variant_unref(value);
    return result;
}

GVariant* ReplyOverride::toVariant() const {
    GVariantBuilder builder;
    g_variant_builder_init(&builder, G_VARIANT_TYPE_VARDICT);
    if (result >= 0)
        g_variant_builder_add(&builder, "{sv}", "result",
                              g_variant_new_uint32(static_cast<uint32_t>(result)));
    if (!reply.empty())
        g_variant_builder_add(&builder, "{sv}", "reply", g_variant_new_string(reply.c_str()));
    if (!error.empty())
        g_variant_builder_add(&builder, "{sv}", "error", g_variant_new_string(error.c_str()));
    if (!message.empty())
        g_variant_builder_add(&builder, "{sv}", "message", g_variant_new_string(message.c_str()));
    if (delayMs > 0)
        g_variant_builder_add(&builder, "{sv}", "delay_ms", g_variant_new_uint32(delayMs));
    if (arrayLength >= 0)
        g_variant_builder_add(&builder, "{sv}", "array_length", g_variant_new_int32(arrayLength));
    if (noReply)
        g_variant_builder_add(&builder, "{sv}", "no_reply", g_variant_new_boolean(TRUE));
    if (times > 0)
        g_variant_builder_add(&builder, "{sv}", "times", g_variant_new_uint32(times));
    return g_variant_builder_end(&builder);
}

}  // namespace corvtest
