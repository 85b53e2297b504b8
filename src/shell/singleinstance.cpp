#include "shell/singleinstance.h"

#include "platform/userfolders.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QSocketNotifier>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

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
    NotListening, // bound a moment ago, gone a moment ago, or its queue is full
};

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
    }
    ::close(fd);
    return holder;
}

} // namespace

SingleInstance::SingleInstance(const QString& name)
{
    const QByteArray home =
        QCryptographicHash::hash(QFile::encodeName(userHomeFolder()), QCryptographicHash::Sha256)
            .toHex()
            .left(32);
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
