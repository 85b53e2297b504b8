// Fuzzes the progress file's reader: the file may hold anything (a hand edit, a copy cut short,
// another program's file, a file of the older format 1). Whatever it holds, the reader returns;
// what it reads as progress keeps every card, test and date through a write, and from then on
// survives writes and reads unchanged (the first write may round a format-2 number to four
// decimals, or turn a format-1 box into its stability).

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
        // Nothing, or nothing but a byte-order mark.
        check((input.isEmpty() || input == QByteArray("\xEF\xBB\xBF")) && read.message.isEmpty(),
              "NoFile for a text", input);
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
        bool sameCards = again.progress.cards.size() == read.progress.cards.size();
        for (auto it = read.progress.cards.cbegin(); it != read.progress.cards.cend(); ++it)
            sameCards = sameCards && again.progress.cards.contains(it.key());
        check(sameCards && again.progress.tests == read.progress.tests &&
                  again.progress.lastTest == read.progress.lastTest &&
                  again.progress.days == read.progress.days,
              "a card, test or date lost on its way round", input);
        check(writeProgress(again.progress) == written, "a second write differs", input);
        check(parseProgress(writeProgress(again.progress)).progress == again.progress,
              "the written progress changed on its way round", input);
    }
    return 0;
}
