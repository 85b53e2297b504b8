#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace corvella {

// One running copy per user and home folder: a local socket bound to a name in Linux's abstract
// namespace, which the kernel frees when the process that bound it ends, however it ends. No
// file is involved, so no folder's permissions, no missing home and nothing left at a path by a
// crash or by another program can keep a copy out or let a second one in.
//
// Abstract names belong to no user: any user could bind ours first. A copy that finds the name
// taken therefore asks the kernel who holds it, and only a holder running as this same user
// counts as a copy of the program; a name taken by anyone else keeps nobody out. A holder
// counts whether it answers or not: one stopped with its queue of knocks full is asked about
// through the kernel's socket table instead.
class SingleInstance
{
public:
    enum class Result {
        Acquired,          // this process now holds the name
        HeldByAnotherCopy, // a live copy of this user's holds it
        Unavailable,       // another user holds the name, or no socket could be had
    };

    explicit SingleInstance(const QString& name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Result acquire();

    // The abstract name, without its leading NUL byte: the program's name, the user's id and a
    // digest of the real path of the user's home folder, so that a test or a second session
    // with a home of its own counts as another user of the program, and a home reached through
    // a symbolic link does not.
    QByteArray socketName() const { return m_name; }

private:
    QByteArray m_name;
    int m_fd = -1;
    // Takes each refused copy's knock off the queue once the event loop runs.
    std::unique_ptr<QSocketNotifier> m_knocks;
};

} // namespace corvella
