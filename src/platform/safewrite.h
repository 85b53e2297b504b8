#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

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

// Replaces the regular file at path (created when absent) by content. A chain of symbolic
// links is followed to its end, and the file there is the one replaced: every link stays a
// link. The content is written to a new file in the target's folder that has no name until it
// is complete (or, where the file system cannot do that, a name the next write here removes),
// every write checked, synced to the disk, closed, and only then renamed over the old file,
// which keeps the old file's permissions; then the folder is synced.
//
// False when any step up to the rename failed; the old file is then as it was, byte for byte,
// and nothing is left beside it. A path that is not a regular file (a folder, a FIFO, a
// device), or one whose state cannot be learnt (a loop of links, a folder that may not be
// searched), is never opened and never replaced.
bool replaceFileContents(const QString& path, const QByteArray& content,
                         const FileWriteCalls& calls = FileWriteCalls::system());

} // namespace corvella
