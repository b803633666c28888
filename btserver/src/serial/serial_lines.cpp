#include "serial/serial_lines.h"

#include <fcntl.h>
#include <glib-unix.h>
#include <glib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "serial/far_device.h"
#include "world/world.h"

namespace btserver {

namespace {

constexpr size_t kReadBytes = 4096;

// The device at the far end: the remote service's, or the local server's for an incoming
// connection; null when it has no terminal.
std::unique_ptr<FarDevice> farDevice(World& world, const Connection& connection) {
    const RemoteDevice* device = world.device(connection.device);
    std::string name = device ? device->name : std::string();
    if (connection.incoming) {
        const LocalServer* server = world.server(connection.service);
        SerialKind kind = server ? server->serial : SerialKind::Echo;
        return kind == SerialKind::None ? nullptr : std::make_unique<FarDevice>(kind, name);
    }
    const RemoteService* service = world.remoteService(connection.service);
    if (!service)
        return std::make_unique<FarDevice>(SerialKind::Echo, name);
    if (service->serial == SerialKind::None)
        return nullptr;
    return std::make_unique<FarDevice>(service->serial, name, service->numbers,
                                       service->busyNumbers);
}

}  // namespace

struct SerialLines::Line {
    World* world = nullptr;
    uint32_t connection = 0;
    int master = -1;
    int held = -1;  // the terminal's own end, held open so the master never sees a hang-up
    guint watch = 0;
    std::string link;
    std::unique_ptr<FarDevice> device;

    ~Line() {
        if (watch)
            g_source_remove(watch);
        if (held >= 0)
            ::close(held);
        if (master >= 0)
            ::close(master);
        if (!link.empty())
            unlink(link.c_str());
    }

    // The bytes a program wrote to the terminal go to the device; its answer comes back.
    static gboolean onReadable(gint, GIOCondition, gpointer data) {
        auto* line = static_cast<Line*>(data);
        char buffer[kReadBytes];
        ssize_t got = read(line->master, buffer, sizeof buffer);
        if (got <= 0)
            return G_SOURCE_CONTINUE;
        Connection* connection = line->world->connection(line->connection);
        std::string answer = line->device->take(std::string(buffer, static_cast<size_t>(got)));
        size_t written = 0;
        while (written < answer.size()) {
            ssize_t n = write(line->master, answer.data() + written, answer.size() - written);
            if (n <= 0)
                break;  // the terminal's input is full: the rest is lost, as on a real line
            written += static_cast<size_t>(n);
        }
        if (connection) {
            connection->moved.sent += static_cast<uint64_t>(got);
            connection->moved.received += written;
        }
        return G_SOURCE_CONTINUE;
    }
};

SerialLines::SerialLines(World& world, std::string deviceDir)
    : world_(world), dir_(std::move(deviceDir)) {}

SerialLines::~SerialLines() = default;

void SerialLines::open(Connection& connection) {
    if (connection.port == 0)
        return;
    std::unique_ptr<FarDevice> far = farDevice(world_, connection);
    if (!far)
        return;
    auto line = std::make_unique<Line>();
    line->world = &world_;
    line->connection = connection.handle;
    line->master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const char* name = nullptr;
    if (line->master < 0 || grantpt(line->master) != 0 || unlockpt(line->master) != 0 ||
        !(name = ptsname(line->master))) {
        g_printerr("bt_server: no pseudo-terminal for connection %u: %s\n", connection.handle,
                   g_strerror(errno));
        return;
    }
    std::string terminal = name;
    line->held = ::open(terminal.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios raw{};
    if (line->held >= 0 && tcgetattr(line->held, &raw) == 0) {
        cfmakeraw(&raw);  // bytes pass untouched, as over a Bluetooth link
        tcsetattr(line->held, TCSANOW, &raw);
    }
    std::string link = dir_ + "/ttyB" + std::to_string(connection.port);
    g_mkdir_with_parents(dir_.c_str(), 0755);
    unlink(link.c_str());
    if (symlink(terminal.c_str(), link.c_str()) != 0) {
        g_printerr("bt_server: cannot link %s to %s: %s\n", link.c_str(), terminal.c_str(),
                   g_strerror(errno));
        return;
    }
    line->link = link;
    line->device = std::move(far);
    line->watch = g_unix_fd_add(line->master, G_IO_IN, &Line::onReadable, line.get());
    connection.steadyPerSecond = {};  // it carries what passes through its terminal
    lines_.push_back(std::move(line));
}

void SerialLines::openAll() {
    for (Connection& connection : world_.connections) {
        bool open = std::any_of(lines_.begin(), lines_.end(), [&](const auto& line) {
            return line->connection == connection.handle;
        });
        if (!open)
            this->open(connection);
    }
}

void SerialLines::close(uint32_t connection) {
    lines_.erase(std::remove_if(lines_.begin(), lines_.end(),
                                [connection](const auto& line) {
                                    return line->connection == connection;
                                }),
                 lines_.end());
}

void SerialLines::closeAll() {
    lines_.clear();
}

}  // namespace btserver
