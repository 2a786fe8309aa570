#pragma once

#include <QString>

#include <span>

namespace quillby {

// Decodes single-byte text in the Western European Windows code page (1252): bytes below 0x80
// and from 0xA0 up are the same code points as in Latin-1; 0x80 to 0x9F carry the euro sign,
// typographic quotes, dashes and a few letters. The five bytes the code page leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, as the
// platform's own converter does.
QString DecodeCodepage1252(std::span<const unsigned char> bytes);

} // namespace quillby
