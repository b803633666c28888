// The audio/video area: one registration serves the audio source and the remote-control
// target. It adds a running local server of class 0x110A (audio source) and answers its
// handle, the same one while it lasts; its indications come from the control interface.
#include "areas/connections.h"
#include "core/core.h"
#include "profiles/profile_areas.h"
#include "service.h"
#include "world/service_classes.h"

namespace btserver {

namespace {

uint32_t registerAudio(World& world) {
    if (!world.profiles.audioServer)
        world.profiles.audioServer =
            world.addServer(kAudioSourceClass, "Audio Source", ServerStatus::Running).handle;
    return world.profiles.audioServer;
}

uint32_t unregisterAudio(Service& service) {
    uint32_t& server = service.world().profiles.audioServer;
    if (!server)
        return kResultNotRegistered;
    removeServer(service, server);
    server = 0;
    return kResultOk;
}

}  // namespace

void addAudioVideo(Service& service) {
    Dispatcher& table = service.dispatcher();
    World* world = &service.world();  // the world object stays, its value is reset
    Service* s = &service;
    table.add(kAudioVideoInterface, "register_av_service", [world](const CallPtr& call) {
        call->reply(g_variant_new("(u)", registerAudio(*world)));
    });
    table.add(kAudioVideoInterface, "unregister_av_service",
              [s](const CallPtr& call) { call->reply(g_variant_new("(u)", unregisterAudio(*s))); });
}

}  // namespace btserver
