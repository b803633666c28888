// When the service ends, and with which exit code: SIGTERM, SIGINT, the end of the watched
// descriptor or a request end it cleanly (0); losing the bus ends it with 1.
#pragma once

#include <gio/gio.h>

#include <string>
#include <vector>

namespace btserver {

class Lifetime {
public:
    explicit Lifetime(GMainLoop* loop);
    ~Lifetime();
    Lifetime(const Lifetime&) = delete;
    Lifetime& operator=(const Lifetime&) = delete;

    // Ends the service when fd reports end of file or hang-up (the other end is held by the
    // process that started it), and when the parent process dies.
    bool watchFd(int fd, std::string& error);
    void watchConnection(GDBusConnection* connection);
    // The first call decides the exit code.
    void end(int code);
    int exitCode() const { return code_; }

private:
    static gboolean onSignal(gpointer self);
    static gboolean onFd(gint fd, GIOCondition condition, gpointer self);
    static void onClosed(GDBusConnection*, gboolean, GError* error, gpointer self);

    GMainLoop* loop_;
    std::vector<guint> sources_;
    GDBusConnection* connection_ = nullptr;
    gulong closedHandler_ = 0;
    bool ended_ = false;
    int code_ = 0;
};

}  // namespace btserver
