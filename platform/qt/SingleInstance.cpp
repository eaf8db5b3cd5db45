#include "platform/qt/SingleInstance.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string>

namespace kiv {

bool SingleInstance::anotherRuns() {
    if (socket_ >= 0) return false;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;

    const std::string name = "kiv-" + std::to_string(getuid());
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // A leading NUL puts the name in the abstract namespace.
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        const bool taken = errno == EADDRINUSE;
        close(fd);
        return taken;
    }
    socket_ = fd;
    return false;
}

}  // namespace kiv
