#include "control/profile_events.h"

#include <cstring>

#include "core/core.h"
#include "profiles/hands_free.h"
#include "service.h"

namespace btserver {

namespace {

// (connection, event, params) as the hands-free indication of that name.
std::string handsFreeMessage(Service& service, const char* signal, GVariant* args) {
    guint32 connection = 0;
    guint16 event = 0;
    GVariant* params = nullptr;
    g_variant_get(args, "(uq@ay)", &connection, &event, &params);
    gsize length = g_variant_n_children(params);
    World& world = service.world();
    std::string error;
    if (world.profiles.handsFree.servers.empty())
        error = "no hands-free service is registered";
    else if (!handsFreeConnection(world, connection))
        error = "no hands-free connection " + std::to_string(connection);
    else
        service.signals().emit(kHandsFreeInterface, signal,
                               g_variant_new("(uu@ayu)", connection, guint32{event}, params,
                                             static_cast<guint32>(length)));
    g_variant_unref(params);
    return error;
}

}  // namespace

bool isProfileEvent(const char* method) {
    for (const char* event :
         {"PanEvent", "HandsFreeMessage", "GatewayMessage", "AvEvent", "AvControl"})
        if (strcmp(method, event) == 0)
            return true;
    return false;
}

std::string runProfileEvent(Service& service, const char* method, GVariant* args) {
    Profiles& profiles = service.world().profiles;
    if (strcmp(method, "HandsFreeMessage") == 0)
        return handsFreeMessage(service, "hfap_ret_msg", args);
    if (strcmp(method, "GatewayMessage") == 0)
        return handsFreeMessage(service, "agap_ret_msg", args);
    if (strcmp(method, "PanEvent") == 0) {
        if (!profiles.pan.events)
            return "no client asked for PAN events";
        guint32 event = 0;
        GVariant* data = nullptr;
        g_variant_get(args, "(u@ay)", &event, &data);
        auto length = static_cast<guint32>(g_variant_n_children(data));
        service.signals().emit(kPanInterface, "signal_pan_event",
                               g_variant_new("(uu@ay)", event, length, data));
        g_variant_unref(data);
        return {};
    }
    if (!profiles.audioServer)
        return "the audio/video service is not registered";
    if (strcmp(method, "AvEvent") == 0)
        service.signals().emit(kAudioVideoInterface, "av_evt_ind", g_variant_ref(args));
    else
        service.signals().emit(kAudioVideoInterface, "av_ctl_op", g_variant_ref(args));
    return {};
}

}  // namespace btserver
