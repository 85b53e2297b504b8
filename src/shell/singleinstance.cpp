#include "shell/singleinstance.h"

#include "platform/userfolders.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <linux/sock_diag.h>
#include <linux/unix_diag.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace corvella {

namespace {

// A copy that is between binding the name and listening on it, or a queue of knocks not yet
// taken off, answers a moment later: a few short rounds settle it.
constexpr int kRounds = 50;
constexpr unsigned long kRoundMs = 20;

// Enough for many copies started at once; their knocks wait here until the holder's event
// loop takes them off.
constexpr int kBacklog = 128;

struct Address
{
    sockaddr_un address{};
    socklen_t length = 0;
};

Address abstractAddress(const QByteArray& name)
{
    Address result;
    result.address.sun_family = AF_UNIX;
    // sun_path[0] stays NUL: the name lives in the abstract namespace, not on a disk.
    const size_t size = std::min(size_t(name.size()), sizeof result.address.sun_path - 1);
    std::memcpy(result.address.sun_path + 1, name.constData(), size);
    result.length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size);
    return result;
}

int newSocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

enum class Holder {
    ThisUser,
    OtherUser,
    NotListening, // bound a moment ago, or gone a moment ago
};

constexpr size_t alignedToNetlink(size_t size)
{
    return (size + NLMSG_ALIGNTO - 1) & ~size_t(NLMSG_ALIGNTO - 1);
}

// Asks the kernel's socket table, without knocking, which user's socket listens on the
// abstract name: a holder whose queue of knocks is full (stopped, say) answers no knock.
// Nothing when the table cannot be asked or no socket listens there.
std::optional<uid_t> ownerOfListener(const Address& address)
{
    const int fd = ::socket(AF_NETLINK, SOCK_DGRAM | SOCK_CLOEXEC, NETLINK_SOCK_DIAG);
    if (fd < 0)
        return std::nullopt;
    struct
    {
        nlmsghdr header;
        unix_diag_req request;
    } ask{};
    ask.header.nlmsg_len = sizeof ask;
    ask.header.nlmsg_type = SOCK_DIAG_BY_FAMILY;
    ask.header.nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    ask.request.sdiag_family = AF_UNIX;
    ask.request.udiag_states = 1U << 10; // listening sockets only (TCP_LISTEN)
    ask.request.udiag_show = UDIAG_SHOW_NAME | UDIAG_SHOW_UID;
    sockaddr_nl kernel{};
    kernel.nl_family = AF_NETLINK;
    std::optional<uid_t> owner;
    if (::sendto(fd, &ask, sizeof ask, 0, reinterpret_cast<const sockaddr*>(&kernel),
                 sizeof kernel) != ssize_t(sizeof ask)) {
        ::close(fd);
        return owner;
    }
    const size_t nameLength = address.length - offsetof(sockaddr_un, sun_path);
    alignas(nlmsghdr) char buffer[32768];
    for (bool done = false; !done;) {
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        for (size_t at = 0; at + sizeof(nlmsghdr) <= size_t(got);) {
            const auto* header = reinterpret_cast<const nlmsghdr*>(buffer + at);
            if (header->nlmsg_len < sizeof(nlmsghdr) || at + header->nlmsg_len > size_t(got) ||
                header->nlmsg_type == NLMSG_DONE || header->nlmsg_type == NLMSG_ERROR) {
                done = true;
                break;
            }
            const size_t first =
                alignedToNetlink(sizeof(nlmsghdr)) + alignedToNetlink(sizeof(unix_diag_msg));
            bool ours = false;
            std::optional<uid_t> uid;
            for (size_t field = at + first; field + sizeof(rtattr) <= at + header->nlmsg_len;) {
                const auto* attribute = reinterpret_cast<const rtattr*>(buffer + field);
                if (attribute->rta_len < sizeof(rtattr))
                    break;
                const char* data = buffer + field + RTA_LENGTH(0);
                const size_t size = attribute->rta_len - RTA_LENGTH(0);
                if (attribute->rta_type == UNIX_DIAG_NAME)
                    ours = size == nameLength &&
                           std::memcmp(data, address.address.sun_path, size) == 0;
                else if (attribute->rta_type == UNIX_DIAG_UID && size >= sizeof(uint32_t)) {
                    uint32_t value = 0;
                    std::memcpy(&value, data, sizeof value);
                    uid = uid_t(value);
                }
                field += RTA_ALIGN(attribute->rta_len);
            }
            if (ours && uid) {
                owner = uid;
                done = true;
                break;
            }
            at += alignedToNetlink(header->nlmsg_len);
        }
    }
    ::close(fd);
    return owner;
}

// Knocks at the name's holder and asks the kernel whose process it is.
Holder whoHolds(const Address& address)
{
    const int fd = newSocket();
    if (fd < 0)
        return Holder::NotListening;
    Holder holder = Holder::NotListening;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address.address), address.length) == 0) {
        ucred peer{};
        socklen_t size = sizeof peer;
        if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0)
            holder = peer.uid == ::geteuid() ? Holder::ThisUser : Holder::OtherUser;
    } else if (errno == EAGAIN) {
        // Listening, but its queue is full: the holder takes no knock off it (stopped with
        // SIGSTOP, or hung). It holds the name all the same; only whose it is decides. A name
        // whose owner cannot be learnt is taken for a copy of this user's: that keeps out at
        // most a second window, where letting it in would open one.
        const std::optional<uid_t> owner = ownerOfListener(address);
        holder = !owner || *owner == ::geteuid() ? Holder::ThisUser : Holder::OtherUser;
    }
    ::close(fd);
    return holder;
}

// The home folder by its real path, so that a home reached through a symbolic link and by
// its own path is one home, and one name.
QByteArray realHome()
{
    const QByteArray home = QFile::encodeName(userHomeFolder());
    char real[PATH_MAX];
    return !home.isEmpty() && ::realpath(home.constData(), real) ? QByteArray(real) : home;
}

} // namespace

SingleInstance::SingleInstance(const QString& name)
{
    const QByteArray home =
        QCryptographicHash::hash(realHome(), QCryptographicHash::Sha256).toHex().left(32);
    m_name =
        name.toUtf8().left(48) + '.' + QByteArray::number(qulonglong(::geteuid())) + '.' + home;
}

SingleInstance::~SingleInstance()
{
    m_knocks.reset();
    // Closing the socket frees the name at once.
    if (m_fd >= 0)
        ::close(m_fd);
}

SingleInstance::Result SingleInstance::acquire()
{
    if (m_fd >= 0)
        return Result::Acquired;
    const Address address = abstractAddress(m_name);

    for (int round = 0; round < kRounds; ++round) {
        const int fd = newSocket();
        if (fd < 0)
            return Result::Unavailable;
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&address.address), address.length) == 0) {
            if (::listen(fd, kBacklog) != 0) {
                ::close(fd);
                return Result::Unavailable;
            }
            m_fd = fd;
            if (QCoreApplication::instance() &&
                QThread::currentThread() == QCoreApplication::instance()->thread()) {
                m_knocks = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
                QObject::connect(m_knocks.get(), &QSocketNotifier::activated, [fd] {
                    int knock;
                    while ((knock = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0)
                        ::close(knock);
                });
            }
            return Result::Acquired;
        }
        const int error = errno;
        ::close(fd);
        if (error != EADDRINUSE)
            return Result::Unavailable;
        switch (whoHolds(address)) {
        case Holder::ThisUser:
            return Result::HeldByAnotherCopy;
        case Holder::OtherUser:
            // Not a copy of this user's program, whatever its name says: it keeps no one out.
            return Result::Unavailable;
        case Holder::NotListening:
            QThread::msleep(kRoundMs);
            break;
        }
    }
    // Bound all along and never listening: not a copy of the program, which listens at once.
    return Result::Unavailable;
}

} // namespace corvella
