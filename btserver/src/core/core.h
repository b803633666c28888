// The service core, the main header of core/: what the area handlers work with. The
// contract built from interfaces/ (contract.h) and the one dispatcher that routes each of
// its method calls to a handler (dispatcher.h), logging and tracing it (call_log.h,
// trace.h) and applying the reply override in force (reply_override.h); a method without
// a handler answers its defaults (default_reply.h). A handler gets the call (call.h) and
// reads its arguments (call_args.h); it answers with the result codes, sends the
// contract's signals (signal_emitter.h) and schedules what happens later (timers.h).
// The core builds on GLib's GDBus, and on the world model only for the trace switch.
#pragma once

#include "core/call.h"
#include "core/call_args.h"
#include "core/dispatcher.h"
#include "core/interface_names.h"
#include "core/result_codes.h"
#include "core/signal_emitter.h"
#include "core/timers.h"
