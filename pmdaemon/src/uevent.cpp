#include "uevent.h"

#include <linux/netlink.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "pm_log.h"

const char* search_key(const char* key, const char* text, size_t length) {
    size_t key_length = std::strlen(key);
    size_t at = 0;
    while (at < length) {
        const char* item = text + at;
        const void* end = std::memchr(item, '\0', length - at);
        if (!end)
            return nullptr;
        size_t item_length = static_cast<size_t>(static_cast<const char*>(end) - item);
        if (item_length == 0)
            return nullptr;
        if (item_length > key_length && std::memcmp(item, key, key_length) == 0 &&
            item[key_length] == '=')
            return item + key_length + 1;
        at += item_length + 1;
    }
    return nullptr;
}

int init_uevent_netlink_sock() {
    int fd = socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC, NETLINK_KOBJECT_UEVENT);
    if (fd < 0) {
        pm_error("error getting socket: %s\n", std::strerror(errno));
        return -1;
    }
    sockaddr_nl address{};
    address.nl_family = AF_NETLINK;
    address.nl_pid = static_cast<__u32>(getpid());
    address.nl_groups = 1;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) < 0) {
        pm_error("bind failed: %s\n", std::strerror(errno));
        close(fd);
        return -1;
    }
    return fd;
}

namespace {

int s_given_source = -1;

}  // namespace

void set_uevent_source(int fd) {
    s_given_source = fd;
}

int open_uevent_source() {
    return s_given_source >= 0 ? s_given_source : init_uevent_netlink_sock();
}
