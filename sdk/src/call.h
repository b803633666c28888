// The two call patterns every operation is built from: the synchronous call under the
// call mutex, and the waited asynchronous call that releases the mutex while it waits.
//
//   guint mode = 0, result = BTSDK_ER_FAIL;
//   if (callSync<method::GetDiscoveryMode>("Btsdk_GetDiscoveryMode Error: %s\n", ins(),
//                                          outs(&mode, &result))) ...
//
// Each call's argument types are checked against the method's row in methods.def at
// compile time. A call returns true when the service answered without a D-Bus error;
// on failure it has printed the operation's text (with "%s" filled by the error's
// message) and the caller keeps its preset.
#pragma once

#include <tuple>
#include <type_traits>

#include "frame_state.h"
#include "methods.h"
#include "corvclient/btsdk_types.h"
#include "wire_types.h"

namespace corv {

template <typename... T>
struct Ins {
    std::tuple<T...> values;
};
template <typename... T>
Ins<std::decay_t<T>...> ins(T&&... values) {
    return {std::tuple<std::decay_t<T>...>(std::forward<T>(values)...)};
}

template <typename... T>
struct Outs {
    std::tuple<T...> pointers;
};
template <typename... T>
Outs<T...> outs(T... pointers) {
    return {std::tuple<T...>(pointers...)};
}

// Prints a failure text; a "%s" in it is replaced by the error's message.
void printCallFailure(const char* text, const GError* error);

// Prints the failure text for a call refused because a string argument is invalid.
void refuseInvalidString(const char* failText);

namespace detail {

template <typename... T>
auto flattenIns(const std::tuple<T...>& values) {
    return std::apply(
        [](const auto&... v) {
            return std::tuple_cat(std::make_tuple(InTraits<std::decay_t<decltype(v)>>::type(),
                                                  InTraits<std::decay_t<decltype(v)>>::pass(v))...);
        },
        values);
}

template <typename... T>
auto flattenOuts(const std::tuple<T...>& pointers) {
    return std::apply(
        [](auto... p) {
            return std::tuple_cat(std::make_tuple(OutTraits<decltype(p)>::type(),
                                                  OutTraits<decltype(p)>::pass(p))...);
        },
        pointers);
}

inline bool validInput(const char* text) { return text && g_utf8_validate(text, -1, nullptr); }
template <typename T>
bool validInput(const T&) {
    return true;
}

// dbus-glib aborts the process on a null or non-UTF-8 string argument, so such a call is
// refused before it is built.
template <typename... T>
bool validInputs(const std::tuple<T...>& values, const char* failText) {
    bool valid = std::apply([](const auto&... v) { return (validInput(v) && ...); }, values);
    if (!valid) refuseInvalidString(failText);
    return valid;
}

inline std::tuple<GType> end() { return std::tuple<GType>(G_TYPE_INVALID); }

// The pending-call record of a waited call: shared by the caller and the reply handler.
template <typename... O>
struct Pending {
    Pending(const char* failText, const std::tuple<O...>& outs) : replyFailText(failText), outputs(outs) {
        g_mutex_init(&mutex);
        g_cond_init(&cond);
    }
    ~Pending() {
        g_mutex_clear(&mutex);
        g_cond_clear(&cond);
    }
    Pending(const Pending&) = delete;
    Pending& operator=(const Pending&) = delete;

    bool answered() {
        g_mutex_lock(&mutex);
        const bool answer = done;
        g_mutex_unlock(&mutex);
        return answer;
    }
    // Waits for the answer; the caller holds `mutex`.
    void awaitLocked() {
        while (!done) g_cond_wait(&cond, &mutex);
    }

    GMutex mutex;
    GCond cond;
    bool done = false;
    bool ok = false;
    const char* replyFailText;
    std::tuple<O...> outputs;
};

template <typename... O>
void onWaitedReply(DBusGProxy* proxy, DBusGProxyCall* call, gpointer data) {
    auto* pending = static_cast<Pending<O...>*>(data);
    GError* error = nullptr;
    auto args = std::tuple_cat(flattenOuts(pending->outputs), end());
    gboolean ok = std::apply(
        [&](auto... a) { return dbus_g_proxy_end_call(proxy, call, &error, a...); }, args);
    if (!ok) {
        printCallFailure(pending->replyFailText, error);
        g_clear_error(&error);
    }
    g_mutex_lock(&pending->mutex);
    pending->ok = ok;
    pending->done = true;
    g_cond_signal(&pending->cond);
    g_mutex_unlock(&pending->mutex);
}

// Begins the method's call, whose answer goes to the pending record; null when it cannot
// be begun. The caller holds the call mutex.
template <const Method& M, typename... I, typename... O>
DBusGProxyCall* beginCall(DBusGProxy* proxy, Pending<O...>& pending, const std::tuple<I...>& inputs) {
    auto args = std::tuple_cat(flattenIns(inputs), end());
    return std::apply(
        [&](auto... a) {
            return dbus_g_proxy_begin_call(proxy, M.name, onWaitedReply<O...>, &pending, nullptr, a...);
        },
        args);
}

}  // namespace detail

// The synchronous call pattern.
template <const Method& M, typename... I, typename... O>
bool callSync(const char* failText, const Ins<I...>& in, const Outs<O...>& out) {
    static_assert(signatureIs<InTraits<I>...>(M.in), "inputs differ from the method's row");
    static_assert(signatureIs<OutTraits<O>...>(M.out), "outputs differ from the method's row");
    if (!libraryStarted()) return false;
    DBusGProxy* proxy = proxyFor(M.proxy);
    if (!proxy || !detail::validInputs(in.values, failText)) return false;

    auto args = std::tuple_cat(detail::flattenIns(in.values), detail::end(),
                               detail::flattenOuts(out.pointers), detail::end());
    GError* error = nullptr;
    g_mutex_lock(g_btsdk_call_mutex);
    gboolean ok = std::apply(
        [&](auto... a) { return dbus_g_proxy_call(proxy, M.name, &error, a...); }, args);
    g_mutex_unlock(g_btsdk_call_mutex);
    if (!ok) {
        printCallFailure(failText, error);
        g_clear_error(&error);
    }
    return ok;
}

// The waited asynchronous call pattern: begins the call under the call mutex, releases
// it and waits for the reply handler, which runs on the thread that dispatches the
// proxy's connection. beginFailText is printed when the call cannot be begun,
// replyFailText by the reply handler on a D-Bus error.
template <const Method& M, typename... I, typename... O>
bool callWaited(const char* beginFailText, const char* replyFailText, const Ins<I...>& in,
                const Outs<O...>& out) {
    static_assert(signatureIs<InTraits<I>...>(M.in), "inputs differ from the method's row");
    static_assert(signatureIs<OutTraits<O>...>(M.out), "outputs differ from the method's row");
    if (!libraryStarted()) return false;
    DBusGProxy* proxy = proxyFor(M.proxy);
    if (!proxy || !detail::validInputs(in.values, beginFailText)) return false;

    detail::Pending<O...> pending(replyFailText, out.pointers);
    g_mutex_lock(g_btsdk_call_mutex);
    g_mutex_lock(&pending.mutex);
    DBusGProxyCall* call = detail::beginCall<M>(proxy, pending, in.values);
    g_mutex_unlock(g_btsdk_call_mutex);

    if (!call)
        g_printerr("%s", beginFailText);
    else
        pending.awaitLocked();
    g_mutex_unlock(&pending.mutex);
    return call && pending.ok;
}

// The draining call pattern, for a method whose signals come before its answer in great
// number (a folder listing sends one signal per entry). A plain blocking call would leave
// them unread until the answer came (libdbus looks through everything queued after each
// read, so the cost grows faster than their number), and hand them over after the call.
// Here every signal is handled as it comes, in order, and all have been handled when the
// call returns:
// - with the drive-signal thread, the caller dispatches the connection itself under the
//   call mutex, which keeps that thread out meanwhile, as it holds the mutex to dispatch;
// - on the thread of the application's loop, the caller dispatches it without the mutex,
//   as that loop does (so a handler may call the library);
// - on another thread of an application loop, the caller waits for the answer, which the
//   loop dispatches after the signals.
template <const Method& M, typename... I, typename... O>
bool callDraining(const char* failText, const Ins<I...>& in, const Outs<O...>& out) {
    static_assert(signatureIs<InTraits<I>...>(M.in), "inputs differ from the method's row");
    static_assert(signatureIs<OutTraits<O>...>(M.out), "outputs differ from the method's row");
    if (!libraryStarted()) return false;
    DBusGProxy* proxy = proxyFor(M.proxy);
    DBusGConnection* connection = proxyConnection(M.proxy);
    if (!proxy || !connection || !detail::validInputs(in.values, failText)) return false;
    DBusConnection* raw = dbus_g_connection_get_connection(connection);
    const bool driveThread = libraryContext() != nullptr;
    const bool onAppLoop = !driveThread && g_main_context_is_owner(g_main_context_default());

    detail::Pending<O...> pending(failText, out.pointers);
    g_mutex_lock(g_btsdk_call_mutex);
    DBusGProxyCall* call = detail::beginCall<M>(proxy, pending, in.values);
    if (!driveThread) g_mutex_unlock(g_btsdk_call_mutex);
    if (!call) {
        g_printerr("%s", failText);
    } else if (driveThread || onAppLoop) {
        // A lost connection ends the call with an error answer, which the loop dispatches.
        constexpr int kReadMs = 100;
        while (!pending.answered() && dbus_connection_read_write_dispatch(raw, kReadMs)) {
        }
        if (!pending.answered()) dbus_g_proxy_cancel_call(proxy, call);
    } else {
        g_mutex_lock(&pending.mutex);
        pending.awaitLocked();
        g_mutex_unlock(&pending.mutex);
    }
    if (driveThread) g_mutex_unlock(g_btsdk_call_mutex);
    return call && pending.answered() && pending.ok;
}

// The commonest operation: inputs in, the service's result code out (preset 770).
template <const Method& M, typename... I>
BTRESULT callForResult(const char* failText, I... inputs) {
    guint result = BTSDK_ER_FAIL;
    callSync<M>(failText, ins(inputs...), outs(&result));
    return result;
}

// An operation with a (value, result) reply: the value, narrowed to the caller's type
// (its low bits), is stored only when the service's result is 0.
template <const Method& M, typename T, typename... I>
BTRESULT callForValue(const char* failText, T* out, I... inputs) {
    guint value = 0, result = BTSDK_ER_FAIL;
    if (callSync<M>(failText, ins(inputs...), outs(&value, &result)) && result == BTSDK_OK) {
        *out = static_cast<T>(value);
    }
    return result;
}

}  // namespace corv
