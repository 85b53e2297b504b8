// Fuzzes the progress file's reader: the file may hold anything (a hand edit, a copy cut short,
// another program's file). Whatever it holds, the reader returns, and what it reads as progress
// survives a write and a second read unchanged.

#include "practice/progress.h"

#include <QByteArray>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace corvella::practice;
using Status = ProgressRead::Status;

void check(bool holds, const char* what, const QByteArray& input)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz_progress: %s; input as hex: %s\n", what,
                 input.toHex(' ').constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ProgressRead read = parseProgress(input);
    switch (read.status) {
    case Status::NoFile:
        check(input.isEmpty() && read.message.isEmpty(), "NoFile for a text", input);
        break;
    case Status::Read:
        check(read.message.isEmpty() && !read.cutShort, "a message for a file read", input);
        break;
    case Status::SetAside:
    case Status::NewerFormat:
        check(!read.message.isEmpty(), "no word for the learner", input);
        check(read.cutShort || read.progress == Progress{}, "progress from a garbled file", input);
        break;
    case Status::Unusable:
        check(false, "Unusable from text alone", input);
        break;
    }
    check(read.setAsidePath.isEmpty(), "a set-aside path from text alone", input);
    if (read.status == Status::Read || read.cutShort) {
        // What was read is written and read back as it was, and written the same again.
        const QByteArray written = writeProgress(read.progress);
        const ProgressRead again = parseProgress(written);
        check(again.status == Status::Read, "the written text is not read", input);
        check(again.progress == read.progress, "the progress changed on its way round", input);
        check(writeProgress(again.progress) == written, "a second write differs", input);
    }
    return 0;
}
