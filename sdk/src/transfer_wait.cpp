#include "transfer_wait.h"

#include <dbus/dbus-glib-lowlevel.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include "corvclient/btsdk_ftp.h"
#include "frame_state.h"

namespace corv {
namespace {

constexpr gint64 kIdleLimitUs = 120 * G_USEC_PER_SEC;
constexpr gint64 kSliceUs = G_USEC_PER_SEC / 4;

// The idle limit, or the test seam's value when set.
gint64 idleLimitUs() {
    const char* text = std::getenv("CORVCLIENT_CALL_TIMEOUT_MS");
    int ms = text ? std::atoi(text) : 0;
    return ms > 0 ? gint64{ms} * 1000 : kIdleLimitUs;
}

std::string trimmed(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string baseName(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// One waiting transfer. The caller and the completion handler's closure each hold a
// reference, so a completion that is still being handled when the caller returns finds
// the record alive.
class Wait {
public:
    Wait(const char* first, const char* second) : paths_{trimmed(first), trimmed(second)} {
        g_mutex_init(&mutex_);
        g_cond_init(&cond_);
    }
    Wait(const Wait&) = delete;
    Wait& operator=(const Wait&) = delete;

    Wait* ref() {
        ++refs_;
        return this;
    }
    static void unref(gpointer self, GClosure* = nullptr) {
        auto* wait = static_cast<Wait*>(self);
        if (--wait->refs_ == 0) delete wait;
    }

    static void onComplete(DBusGProxy*, guint result, gpointer self) {
        static_cast<Wait*>(self)->finish(result);
    }

    void finish(guint result) {
        g_mutex_lock(&mutex_);
        if (!done_) {
            result_ = result;
            done_ = true;
        }
        g_cond_broadcast(&cond_);
        g_mutex_unlock(&mutex_);
    }

    void wake() {
        g_mutex_lock(&mutex_);
        g_cond_broadcast(&cond_);
        g_mutex_unlock(&mutex_);
    }

    bool names(const std::string& reported) const {
        std::string head = reported.substr(0, reported.find('/'));
        for (const std::string& path : paths_) {
            if (path.empty()) continue;
            std::string base = baseName(path);
            if (reported == path || reported.rfind(path + "/", 0) == 0) return true;
            if (!base.empty() && (baseName(reported) == base || head == base)) return true;
        }
        return false;
    }

    void noteProgress() { ++progress_; }

    // The completion's result, or 770 when the service left the bus or the transfer
    // reported neither progress nor completion within the idle limit.
    BTRESULT await(ProxyId proxy) {
        const gint64 limit = idleLimitUs();
        unsigned progress = progress_.load();
        gint64 idleSince = g_get_monotonic_time();
        g_mutex_lock(&mutex_);
        while (!done_) {
            g_cond_wait_until(&cond_, &mutex_, g_get_monotonic_time() + kSliceUs);
            if (done_) break;
            g_mutex_unlock(&mutex_);
            bool gone = !serviceOnBus(proxy);
            g_mutex_lock(&mutex_);
            if (done_) break;
            if (gone) {
                g_printerr("the Bluetooth service left the bus during a transfer\n");
                break;
            }
            if (progress_.load() != progress) {
                progress = progress_.load();
                idleSince = g_get_monotonic_time();
            } else if (g_get_monotonic_time() - idleSince > limit) {
                g_printerr("a transfer reported neither progress nor completion in time\n");
                break;
            }
        }
        BTRESULT result = done_ ? result_ : BTSDK_ER_FAIL;
        g_mutex_unlock(&mutex_);
        return result;
    }

private:
    ~Wait() {
        g_mutex_clear(&mutex_);
        g_cond_clear(&cond_);
    }

    static bool serviceOnBus(ProxyId proxy) {
        DBusGConnection* connection = proxyConnection(proxy);
        if (!connection) return false;
        DBusConnection* raw = dbus_g_connection_get_connection(connection);
        if (!dbus_connection_get_is_connected(raw)) return false;
        DBusError error;
        dbus_error_init(&error);
        bool owned = dbus_bus_name_has_owner(raw, "com.zel.corvane", &error);
        bool failed = dbus_error_is_set(&error);
        dbus_error_free(&error);
        return owned || failed;  // a bus that cannot answer is not proof of absence
    }

    std::atomic<int> refs_{1};
    std::atomic<unsigned> progress_{0};
    const std::string paths_[2];
    GMutex mutex_;
    GCond cond_;
    bool done_ = false;
    guint result_ = 0;
};

// The transfers waiting in this process, each with a reference held here.
std::mutex s_waitingLock;
std::vector<Wait*> s_waiting;

void enlist(Wait* wait) {
    std::lock_guard<std::mutex> lock(s_waitingLock);
    s_waiting.push_back(wait->ref());
}

void delist(Wait* wait) {
    {
        std::lock_guard<std::mutex> lock(s_waitingLock);
        s_waiting.erase(std::find(s_waiting.begin(), s_waiting.end(), wait));
    }
    Wait::unref(wait);
}

}  // namespace

void noteTransferProgress(const char* filename) {
    if (!filename) return;
    std::string reported = filename;
    std::lock_guard<std::mutex> lock(s_waitingLock);
    for (Wait* wait : s_waiting) {
        if (wait->names(reported)) wait->noteProgress();
    }
}

BTRESULT runBlockingTransfer(const TransferArea& area, const char* first, const char* second,
                             const std::function<bool(guint& immediate)>& call) {
    DBusGProxy* proxy = proxySlot(area.proxy);
    if (!proxy) return BTSDK_ER_FAIL;
    g_object_ref(proxy);  // stays valid even if the library forgets it meanwhile
    Wait* wait = new Wait(first, second);
    enlist(wait);

    g_mutex_lock(g_btsdk_call_mutex);
    area.subscribe(proxy);
    dbus_g_proxy_connect_signal(proxy, area.complete.name, G_CALLBACK(Wait::onComplete),
                                wait->ref(), Wait::unref);
    g_mutex_unlock(g_btsdk_call_mutex);

    guint immediate = 0;
    BTRESULT result = BTSDK_ER_FAIL;
    if (call(immediate)) {
        result = wait->await(area.proxy);
        if (result == BTSDK_OK && immediate != BTSDK_OK) result = immediate;
    }

    g_mutex_lock(g_btsdk_call_mutex);
    dbus_g_proxy_disconnect_signal(proxy, area.complete.name, G_CALLBACK(Wait::onComplete), wait);
    g_mutex_unlock(g_btsdk_call_mutex);
    delist(wait);
    Wait::unref(wait);
    g_object_unref(proxy);
    return result;
}

}  // namespace corv

// Wakes a waiting transfer from outside; it goes on waiting unless it has completed.
extern "C" int FTPGetFileCbkThd(void* wait) {
    if (wait) static_cast<corv::Wait*>(wait)->wake();
    return 0;
}
