// The sample string tables: numbered sentences of our own, assembled from small word lists,
// in English, German and French. Entry n of every language is built from the same words,
// so the three pairs line up as the game's own translations do.
#include "sample/SampleInstall.h"

#include <array>
#include <span>

namespace sample {
namespace {

struct Words {
    std::span<const char* const> subjects;
    std::span<const char* const> verbs;
    std::span<const char* const> objects;
};

// Windows-1252 bytes: 0xE9 é, 0xFC ü, 0xE7 ç, 0xF1 ñ, 0x80 the euro sign, 0x96 an en dash.
const std::array<const char*, 12> EnglishSubjects = {
    "The night watch", "A supply crate", "The radar officer", "Our caf\xE9" " cook", "The hangar crew",
    "A field medic", "The Z\xFCrich office", "The quartermaster", "A lone scout", "The fa\xE7" "ade guard",
    "The signal desk", "Se\xF1or Ortega",
};
const std::array<const char*, 10> EnglishVerbs = {
    "reports", "checks", "repairs", "counts", "records", "guards", "moves", "marks", "studies", "logs",
};
const std::array<const char*, 9> EnglishObjects = {
    "the fuel lines", "a bent antenna", "three spare boots", "the north gate", "a laser rifle",
    "the night shift", "a \x80" "40 invoice", "the cargo list", "the map room \x96 again",
};

// 0xE4 ä, 0xF6 ö, 0xFC ü, 0xDF ß, 0xC4 Ä, 0xDC Ü.
const std::array<const char*, 12> GermanSubjects = {
    "Die Nachtwache", "Eine Kiste", "Der Radaroffizier", "Unser K\xF6" "chin", "Die Hangarmannschaft",
    "Ein Sanit\xE4" "ter", "Das B\xFC" "ro in Z\xFC" "rich", "Der Quartiermeister", "Ein einsamer Sp\xE4" "her",
    "Die Torwache", "Der Funktisch", "Frau Wei\xDF",
};
const std::array<const char*, 10> GermanVerbs = {
    "meldet", "pr\xFC" "ft", "repariert", "z\xE4hlt", "notiert", "bewacht", "verschiebt", "markiert", "\xFC" "berpr\xFC" "ft",
    "schlie\xDFt",
};
const std::array<const char*, 9> GermanObjects = {
    "die Treibstoffleitungen", "eine krumme Antenne", "drei Ersatzstiefel", "das Nordtor", "ein Lasergewehr",
    "die \xC4" "rzteschicht", "eine Rechnung \xFC" "ber 40 \x80", "die Frachtliste", "den Kartenraum \x96 schon wieder",
};

// 0xE9 é, 0xE8 è, 0xE0 à, 0xE7 ç, 0x9C œ, 0xEE î, 0xE2 â.
const std::array<const char*, 12> FrenchSubjects = {
    "La garde de nuit", "Une caisse", "L'officier radar", "Notre cuisini\xE8re", "L'\xE9quipe du hangar",
    "Un m\xE9" "decin", "Le bureau de Besan\xE7on", "Le quartier-ma\xEEtre", "Un \xE9" "claireur seul",
    "La s\x9C" "ur Agn\xE8s", "Le poste de signaux", "M. Fran\xE7ois",
};
const std::array<const char*, 10> FrenchVerbs = {
    "signale", "v\xE9rifie", "r\xE9pare", "compte", "note", "garde", "d\xE9place", "marque", "\xE9tudie", "rel\xE8ve",
};
const std::array<const char*, 9> FrenchObjects = {
    "les conduites de carburant", "une antenne tordue", "la bo\xEEte \xE0 outils", "la porte nord", "un fusil laser",
    "le c\x9C" "ur du r\xE9" "acteur", "une facture de 40 \x80", "la liste de fret", "la salle des cartes \x96 encore",
};

const Words English = {EnglishSubjects, EnglishVerbs, EnglishObjects};
const Words German = {GermanSubjects, GermanVerbs, GermanObjects};
const Words French = {FrenchSubjects, FrenchVerbs, FrenchObjects};

QByteArray Sentence(const Words& words, const char* frame, int number)
{
    const auto pick = [number](std::span<const char* const> list, int step) {
        return list[std::size_t(number * step) % list.size()];
    };
    return QByteArray(frame) + QByteArray::number(number) + ": " + pick(words.subjects, 5) + ' '
           + pick(words.verbs, 3) + ' ' + pick(words.objects, 7) + '.';
}

// Entries 1 to count, each ended by a zero byte; entry emptyEntry is empty, so two zero
// bytes follow each other there.
QByteArray Table(const Words& words, const char* frame, int count, int emptyEntry)
{
    QByteArray table;
    for (int number = 1; number <= count; ++number) {
        if (number != emptyEntry)
            table += Sentence(words, frame, number);
        table += '\0';
    }
    return table;
}

// Bytes after the last terminator belong to no entry; the editor must keep them.
const QByteArray Trailing("\x1A\xC4\x45", 3);

} // namespace

QByteArray EnglishFile()
{
    return Table(English, "Note ", 320, 9);
}

QByteArray English2File()
{
    return Table(English, "Log ", 240, 17) + Trailing;
}

QByteArray GermanFile()
{
    return Table(German, "Notiz ", 320, 9);
}

QByteArray German2File()
{
    return Table(German, "Protokoll ", 240, 17) + Trailing;
}

QByteArray FrenchFile()
{
    return Table(French, "Note ", 320, 9);
}

QByteArray French2File()
{
    return Table(French, "Journal ", 240, 17) + Trailing;
}

} // namespace sample
