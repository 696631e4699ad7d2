// Fuzz target: any typed answer is read as a number without a crash, a read past the
// text, or a value the prompts could mistake for one within their limits.
#include "core/CodePage.h"
#include "core/NumberReader.h"
#include "core/TextRoutines.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QString text(static_cast<qsizetype>(size), Qt::Uninitialized);
    for (std::size_t i = 0; i < size; ++i)
        text[static_cast<qsizetype>(i)] = codepage::ToChar(data[i]);

    const numbers::NumberReading reading = numbers::ReadLeadingNumber(text);
    if (std::isnan(reading.value))
        std::abort();
    if (!reading.hasNumber && (reading.value != 0 || reading.wholeText))
        std::abort();
    const double rounded = numbers::RoundHalfEven(reading.value);
    if (std::isnan(rounded) || (std::isfinite(rounded) && rounded != std::floor(rounded)))
        std::abort();
    if (std::fabs(rounded - reading.value) > 0.5)
        std::abort();

    // The views feed the same texts through these.
    (void)modEdit::GroupThousands(text);
    (void)modEdit::CharCode(text);
    return 0;
}
