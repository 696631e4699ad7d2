// The sample string tables: numbered sentences of our own, assembled from small word lists.
#include "sample/SampleInstall.h"

#include <array>

namespace sample {
namespace {

// Windows-1252 bytes: 0xE9 é, 0xFC ü, 0xE7 ç, 0xF1 ñ, 0x80 the euro sign, 0x96 an en dash.
const std::array<const char*, 12> Subjects = {
    "The night watch", "A supply crate", "The radar officer", "Our caf\xE9" " cook", "The hangar crew",
    "A field medic", "The Z\xFCrich office", "The quartermaster", "A lone scout", "The fa\xE7" "ade guard",
    "The signal desk", "Se\xF1or Ortega",
};
const std::array<const char*, 10> Verbs = {
    "reports", "checks", "repairs", "counts", "records", "guards", "moves", "marks", "studies", "logs",
};
const std::array<const char*, 9> Objects = {
    "the fuel lines", "a bent antenna", "three spare boots", "the north gate", "an odd light",
    "the night shift", "a \x80" "40 invoice", "the cargo list", "the map room \x96 again",
};

QByteArray Sentence(const char* frame, int number)
{
    const auto pick = [number](const auto& words, int step) {
        return words[std::size_t(number * step) % words.size()];
    };
    return QByteArray(frame) + QByteArray::number(number) + ": " + pick(Subjects, 5) + ' ' + pick(Verbs, 3) + ' '
           + pick(Objects, 7) + '.';
}

// Entries 1 to count, each ended by a zero byte; entry emptyEntry is empty, so two zero
// bytes follow each other there.
QByteArray Table(const char* frame, int count, int emptyEntry)
{
    QByteArray table;
    for (int number = 1; number <= count; ++number) {
        if (number != emptyEntry)
            table += Sentence(frame, number);
        table += '\0';
    }
    return table;
}

} // namespace

QByteArray EnglishFile()
{
    return Table("Note ", 320, 9);
}

QByteArray English2File()
{
    // Bytes after the last terminator belong to no entry; the editor must keep them.
    return Table("Log ", 240, 17) + QByteArray("\x1A\xC4\x45", 3);
}

} // namespace sample
