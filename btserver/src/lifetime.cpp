#include "lifetime.h"

#include <fcntl.h>
#include <glib-unix.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace btserver {

Lifetime::Lifetime(GMainLoop* loop) : loop_(loop) {
    sources_.push_back(g_unix_signal_add(SIGTERM, onSignal, this));
    sources_.push_back(g_unix_signal_add(SIGINT, onSignal, this));
}

Lifetime::~Lifetime() {
    for (guint source : sources_) g_source_remove(source);
    if (closedHandler_)
        g_signal_handler_disconnect(connection_, closedHandler_);
}

bool Lifetime::watchFd(int fd, std::string& error) {
    if (fd < 0 || fcntl(fd, F_GETFD) == -1) {
        error = "--watch-fd " + std::to_string(fd) + " is not an open file descriptor";
        return false;
    }
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    sources_.push_back(
        g_unix_fd_add(fd, static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR), onFd, this));
    return true;
}

void Lifetime::watchConnection(GDBusConnection* connection) {
    connection_ = connection;
    closedHandler_ = g_signal_connect(connection, "closed", G_CALLBACK(onClosed), this);
}

void Lifetime::end(int code) {
    if (ended_)
        return;
    ended_ = true;
    code_ = code;
    g_main_loop_quit(loop_);
}

gboolean Lifetime::onSignal(gpointer self) {
    static_cast<Lifetime*>(self)->end(0);
    return G_SOURCE_CONTINUE;
}

gboolean Lifetime::onFd(gint fd, GIOCondition condition, gpointer self) {
    char buffer[256];
    ssize_t got = (condition & G_IO_IN) ? read(fd, buffer, sizeof buffer) : 0;
    if (got > 0 || (got < 0 && (errno == EINTR || errno == EAGAIN)))
        return G_SOURCE_CONTINUE;
    static_cast<Lifetime*>(self)->end(0);
    return G_SOURCE_CONTINUE;
}

void Lifetime::onClosed(GDBusConnection*, gboolean, GError* error, gpointer self) {
    g_printerr("bt_server: the bus connection closed%s%s\n", error ? ": " : "",
               error ? error->message : "");
    static_cast<Lifetime*>(self)->end(1);
}

}  // namespace btserver
