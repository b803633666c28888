// Descriptors of the service methods and signals the library uses.
#pragma once

#include "proxy_table.h"

namespace corv {

struct Method {
    ProxyId proxy;
    const char* name;
    const char* in;
    const char* out;
};

struct Signal {
    ProxyId proxy;
    const char* name;
    const char* signature;
};

namespace method {
#define CORV_METHOD(id, proxy, name, in, out) inline constexpr Method id{ProxyId::proxy, name, in, out};
#include "methods.def"
#undef CORV_METHOD
}  // namespace method

namespace signal {
#define CORV_SIGNAL(id, proxy, name, sig) inline constexpr Signal id{ProxyId::proxy, name, sig};
#include "signals.def"
#undef CORV_SIGNAL
}  // namespace signal

inline constexpr Method kAllMethods[] = {
#define CORV_METHOD(id, proxy, name, in, out) method::id,
#include "methods.def"
#undef CORV_METHOD
};

inline constexpr Signal kAllSignals[] = {
#define CORV_SIGNAL(id, proxy, name, sig) signal::id,
#include "signals.def"
#undef CORV_SIGNAL
};

}  // namespace corv
