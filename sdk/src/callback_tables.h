// The event tables that registered functions are kept in, shared with the areas that
// raise user-defined events themselves.
#pragma once

#include "corvclient/btsdk_callback.h"

namespace corv {

extern BtsdkEventCallback m_cbkFunc[BTSDK_GENERAL_EVENT_COUNT];
extern unsigned char m_cbkFuncreg[BTSDK_GENERAL_EVENT_COUNT];
extern BtsdkEventCallback m_usrCbkFunc[BTSDK_USRDEF_EVENT_COUNT];
extern unsigned char m_usrCbkFuncReg[BTSDK_USRDEF_EVENT_COUNT];

// Calls a registered function with its event's arguments; does nothing for an empty slot.
template <typename... Args>
void callEvent(BtsdkEventCallback function, Args... args) {
    if (function) reinterpret_cast<void (*)(Args...)>(function)(args...);
}

// Calls user-defined callback `event` as f(value, 0, 0).
inline void raiseUserEvent(int event, BTUINT32 value) {
    callEvent(m_usrCbkFunc[event], value, BTUINT32{0}, BTUINT32{0});
}

}  // namespace corv
