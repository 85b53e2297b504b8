#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// The one way to a file the user keeps: reading it, replacing it, removing it, and making the
// program's folders. Every path may be a symbolic link or a chain of them; a link is followed
// only when neither it nor the folder it lies in could have been laid by another user (the
// link and its folder belong to the user or to root), so that no one else can point the
// program at a file of the user's and have it read, moved aside or written over. Each
// function that can fail says why in a sentence the caller can show.

namespace corvella {

// The system calls a file the user keeps is replaced through. Tests put failing or counting
// ones in their place to see that no failure of any step leaves a damaged file behind.
struct FileWriteCalls
{
    ssize_t (*write)(int fd, const void* data, size_t size) = nullptr;
    int (*fsync)(int fd) = nullptr;
    int (*close)(int fd) = nullptr;
    int (*rename)(const char* from, const char* to) = nullptr;
    // Syncs the folder at path, so that a rename in it survives a power cut.
    int (*syncFolder)(const char* path) = &syncFolderOnDisk;

    static FileWriteCalls system();
    static int syncFolderOnDisk(const char* path);
};

// The system call a user's file is opened through for reading. Tests put one in its place that
// meets a writer's rename.
struct FileReadCalls
{
    int (*open)(const char* path, int flags) = nullptr;

    static FileReadCalls system();
};

// What readUserFile found.
struct UserFileRead
{
    enum class Status {
        Read,       // bytes hold the whole file
        Absent,     // nothing at the path, nor at the end of its chain of links
        TooLarge,   // a regular file larger than the limit; bytes hold its first limit bytes
        NotRegular, // a folder, FIFO, device or socket: never read, never waited on
        Refused,    // a loop of links, or a link another user could have laid: left alone
        Failed,     // cannot be looked at, opened or read
    };
    Status status = Status::Absent;
    QByteArray bytes;
    // The file at the end of the chain of links (the path itself when it is no link); empty
    // when the chain could not be followed.
    QString path;
    // For every status but Read and Absent: one sentence naming the file and what is wrong.
    QString why;
    // The system's error number behind Refused and Failed (ELOOP for a loop, EPERM for a link
    // that is not followed), else 0.
    int error = 0;
};

// Reads the regular file at path, at most mostBytes of it. It is opened without waiting, so a
// FIFO or a device never holds the caller up, and without following a link laid in its place
// meanwhile. A file that vanishes between being found and being opened (a writer renaming a
// new copy over it) is looked for once more before that counts.
UserFileRead readUserFile(const QString& path, qint64 mostBytes,
                          const FileReadCalls& calls = FileReadCalls::system());

// Replaces the regular file at path (created when absent) by content. A chain of symbolic
// links is followed to its end, and the file there is the one replaced: every link stays a
// link. The content is written to a new file in the target's folder that has no name until it
// is complete (or, where the file system cannot do that, a name the next write here removes),
// every write checked, synced to the disk, closed, and only then renamed over the old file,
// whose permissions it keeps, and its owner and group where this process may give them;
// then the folder is synced. A missing folder is made as makeUserFolder makes it.
//
// False, with why set, when any step up to the rename failed; the old file is then as it was,
// byte for byte, and nothing is left beside it. A path that is not a regular file (a folder, a
// FIFO, a device), one whose state cannot be learnt, or one reached through a link that is not
// followed, is never opened and never replaced.
bool replaceFileContents(const QString& path, const QByteArray& content,
                         const FileWriteCalls& calls = FileWriteCalls::system(),
                         QString* why = nullptr);

// Removes the file at path (a link itself, not what it points at). True when nothing is left.
bool removeUserFile(const QString& path, QString* why = nullptr);

// Makes the folder at path and every missing folder above it, readable by the user alone
// (0700). True when a folder is there afterwards, made now or before.
bool makeUserFolder(const QString& path, QString* why = nullptr);

// The bytes with a leading UTF-8 byte-order mark passed over: some editors add one to every
// text file they save.
QByteArray withoutByteOrderMark(const QByteArray& bytes);

} // namespace corvella
