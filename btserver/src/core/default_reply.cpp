#include "core/default_reply.h"

#include <string>
#include <vector>

#include "core/contract.h"

namespace btserver {

namespace {

GVariant* defaultBasic(const GVariantType* type) {
    switch (g_variant_type_peek_string(type)[0]) {
        case 'b':
            return g_variant_new_boolean(FALSE);
        case 'y':
            return g_variant_new_byte(0);
        case 'n':
            return g_variant_new_int16(0);
        case 'q':
            return g_variant_new_uint16(0);
        case 'i':
            return g_variant_new_int32(0);
        case 'u':
            return g_variant_new_uint32(0);
        case 'x':
            return g_variant_new_int64(0);
        case 't':
            return g_variant_new_uint64(0);
        case 'd':
            return g_variant_new_double(0.0);
        case 's':
            return g_variant_new_string("");
        case 'o':
            return g_variant_new_object_path("/");
        case 'g':
            return g_variant_new_signature("");
        default:
            break;
    }
    gchar* text = g_variant_type_dup_string(type);
    g_error("no default value for the type %s", text);
}

}  // namespace

GVariant* defaultValue(const GVariantType* type) {
    if (g_variant_type_is_array(type))
        return g_variant_new_array(g_variant_type_element(type), nullptr, 0);
    if (g_variant_type_is_maybe(type))
        return g_variant_new_maybe(g_variant_type_element(type), nullptr);
    if (g_variant_type_is_variant(type))
        return g_variant_new_variant(g_variant_new_byte(0));
    if (g_variant_type_is_tuple(type) || g_variant_type_is_dict_entry(type)) {
        std::vector<GVariant*> items;
        for (const GVariantType* item = g_variant_type_first(type); item;
             item = g_variant_type_next(item))
            items.push_back(defaultValue(item));
        if (g_variant_type_is_dict_entry(type))
            return g_variant_new_dict_entry(items[0], items[1]);
        return g_variant_new_tuple(items.data(), items.size());
    }
    return defaultBasic(type);
}

GVariant* defaultOutputs(const GDBusMethodInfo* method) {
    std::string type = tupleType(method->out_args);
    return defaultValue(G_VARIANT_TYPE(type.c_str()));
}

}  // namespace btserver
