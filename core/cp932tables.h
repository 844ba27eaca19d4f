#pragma once
// The tables of code page 932, generated at build time from Qt's converter
// (zentak_cp932gen). 0xFFFF stands for "none" in every table.

#include <cstdint>

namespace zentak::cp932 {

inline constexpr int kTrailFirst = 0x40;
inline constexpr int kTrailCount = 0xFC - 0x40 + 1;

// The character of a single byte; none for a lead byte or a byte that is
// not a character.
extern const char16_t kSingle[256];
// 1 + the row of a lead byte in kPair; 0 for any other byte.
extern const std::uint8_t kLeadRow[256];
// The characters of the pairs, by lead byte row and trail byte - 0x40.
extern const char16_t kPair[][kTrailCount];
// The code of a character: the block of its high byte in kCode (block 0
// holds no character), then its low byte. One-byte codes are below 0x100.
extern const std::uint8_t kBlockOf[256];
extern const std::uint16_t kCode[][256];

} // namespace zentak::cp932
