// Fuzzes the decoding of stored setting texts, which may hold anything a user or another
// program left in the settings file, and the encoding that goes with it.

#include "fuzztext.h"

#include "platform/settingsstore.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void broken(const char* what, const QString& input)
{
    std::fprintf(stderr, "fuzz_settingtext: %s for input of %lld characters: %s\n", what,
                 static_cast<long long>(input.size()), corvella::fuzz::hexUnits(input).constData());
    std::abort();
}

// The characters of text whose codes lie in [low, high], in order.
QString keepCodes(const QString& text, int low, int high)
{
    QString kept;
    for (const QChar ch : text) {
        if (ch.unicode() >= low && ch.unicode() <= high)
            kept.append(ch);
    }
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace corvella;
    QString input;
    uint8_t selector = 0;
    if (!corvella::fuzz::textFromInput(data, size, input, selector))
        return 0;

    const QString decoded = decodeSettingText(input);
    // Only the codes 85..255 decode, each to a code 85 lower; every other character goes.
    const QString decodable = keepCodes(input, 85, 255);
    if (decoded.size() != decodable.size())
        broken("decoded length is not the number of codes 85..255", input);
    for (qsizetype i = 0; i < decoded.size(); ++i) {
        if (decoded.at(i).unicode() + 85 != decodable.at(i).unicode())
            broken("decoded character is not its code less 85", input);
    }
    // What was decoded encodes back to exactly the characters it came from.
    if (encodeSettingText(decoded) != decodable)
        broken("encoding the decoded text does not give back the stored text", input);

    // The other way round: codes 0..170 survive encoding and decoding, nothing else does.
    const QString encoded = encodeSettingText(input);
    for (const QChar ch : encoded) {
        if (ch.unicode() < 85 || ch.unicode() > 255)
            broken("encoded character outside 85..255", input);
    }
    if (decodeSettingText(encoded) != keepCodes(input, 0, 170))
        broken("decoding the encoded text does not give back codes 0..170", input);
    return 0;
}
