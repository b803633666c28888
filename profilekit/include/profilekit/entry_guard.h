// guarded: the rule of every exported entry point of a plug-in, "do nothing, or return
// the empty value, while the plug-in object is missing". An entry point reads
//
//     CV_PLUGIN_EXPORT QString getProfileTipByShortcut(unsigned int shortcut, unsigned int server) {
//         return guarded(BtFtp::s_pThis, [&] { return BtFtp::s_pThis->tip(shortcut, server); }, QString());
//     }
//     CV_PLUGIN_EXPORT void StopProfileServer() {
//         guarded(BtFtp::s_pThis, [&] { BtFtp::s_pThis->stopServer(); });
//     }
#pragma once

#include <utility>

// The body's result while self is set, else empty.
template <typename Plugin, typename Body, typename Result>
Result guarded(Plugin* self, Body&& body, Result empty) {
    if (!self) return empty;
    return std::forward<Body>(body)();
}

// Runs the body only while self is set.
template <typename Plugin, typename Body>
void guarded(Plugin* self, Body&& body) {
    if (self) std::forward<Body>(body)();
}
