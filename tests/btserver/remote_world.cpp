#include "remote_world.h"

namespace bttest {

Answer onDevice(const char* method, uint32_t device, const char* area) {
    return callArea(area, method, g_variant_new("(u)", device));
}

std::future<Answer> callLater(const std::string& area, const std::string& method, GVariant* args) {
    GVariant* held = g_variant_ref_sink(args);
    return std::async(std::launch::async, [area, method, held] {
        Answer answer = callArea(area, method, held);
        g_variant_unref(held);
        return answer;
    });
}

std::vector<std::vector<uint32_t>> words(std::vector<GVariant*> signals) {
    std::vector<std::vector<uint32_t>> all;
    for (GVariant* args : signals) {
        std::vector<uint32_t> values;
        for (size_t i = 0; i < g_variant_n_children(args); ++i) {
            GVariant* item = g_variant_get_child_value(args, i);
            if (g_variant_is_of_type(item, G_VARIANT_TYPE_UINT32))
                values.push_back(g_variant_get_uint32(item));
            else if (g_variant_is_of_type(item, G_VARIANT_TYPE_BYTE))
                values.push_back(g_variant_get_byte(item));
            else
                values.push_back(static_cast<uint32_t>(g_variant_n_children(item)));
            g_variant_unref(item);
        }
        all.push_back(values);
        g_variant_unref(args);
    }
    return all;
}

}  // namespace bttest
