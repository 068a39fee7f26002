// SPDX-License-Identifier: MIT
// The .puz writer on any puzzle a file can hold: a file it writes has the format's
// header, a grid of the stated size, one string for each clue it counts and checksums
// that match its content.
#include "fuzzpuzzle.h"
#include "puzwriter.h"

using namespace Velloquin;

namespace {

quint16 read16(const QByteArray &bytes, qsizetype at)
{
    return quint16(uchar(bytes.at(at)) | (uchar(bytes.at(at + 1)) << 8));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<CrosswordData> puzzle = fuzzPuzzle(data, size);
    if (!puzzle)
        return 0;
    const Result<PuzContent> made = puzBytes(*puzzle);
    if (!made) {
        FUZZ_CHECK(!made.message().text.isEmpty());
        return 0;
    }
    const QByteArray &bytes = made.value().bytes;
    constexpr qsizetype header = 0x34;
    FUZZ_CHECK(bytes.size() > header);
    FUZZ_CHECK(bytes.mid(0x02, 12) == QByteArray("ACROSS&DOWN\0", 12));
    const int width = uchar(bytes.at(0x2c));
    const int height = uchar(bytes.at(0x2d));
    const int clues = read16(bytes, 0x2e);
    FUZZ_CHECK(width > 0 && height > 0);
    const qsizetype cells = qsizetype(width) * height;
    FUZZ_CHECK(bytes.size() > header + 2 * cells);
    const QByteArray solution = bytes.mid(header, cells);
    const QByteArray state = bytes.mid(header + cells, cells);
    for (qsizetype i = 0; i < cells; ++i)
        FUZZ_CHECK((solution.at(i) == '.') == (state.at(i) == '.'));
    // Title, author, copyright, the clues and the notes, each closed by a NUL.
    const QByteArray strings = bytes.mid(header + 2 * cells);
    FUZZ_CHECK(strings.endsWith('\0') && strings.count('\0') == clues + 4);
    const quint16 cib = puzChecksum(bytes.mid(0x2c, 8));
    FUZZ_CHECK(read16(bytes, 0x0e) == cib);
    FUZZ_CHECK((uchar(bytes.at(0x10)) ^ uchar('I')) == (cib & 0xff));
    FUZZ_CHECK((uchar(bytes.at(0x11)) ^ uchar('C')) == (puzChecksum(solution) & 0xff));
    FUZZ_CHECK((uchar(bytes.at(0x12)) ^ uchar('H')) == (puzChecksum(state) & 0xff));
    return 0;
}
