#include "api/quote.h"

namespace merovane {
namespace {

void escape(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 15];
}

// The length of the well-formed UTF-8 sequence at the start of `text` that is a printable
// character (not a C1 control), or 0.
size_t printablesequence(std::string_view text) {
  const auto byte = [&](size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned char lead = byte(0);
  const size_t length = lead >= 0xf0 && lead <= 0xf4   ? 4
                        : lead >= 0xe0                 ? 3
                        : lead >= 0xc2 && lead <= 0xdf ? 2
                                                       : 0;
  if (length == 0 || text.size() < length) return 0;
  for (size_t at = 1; at < length; ++at)
    if ((byte(at) & 0xc0) != 0x80) return 0;
  if (length == 2 && lead == 0xc2 && byte(1) < 0xa0) return 0;  // U+0080..U+009F
  if (length == 3 && ((lead == 0xe0 && byte(1) < 0xa0) || (lead == 0xed && byte(1) >= 0xa0)))
    return 0;  // overlong, or a surrogate
  if (length == 4 && ((lead == 0xf0 && byte(1) < 0x90) || (lead == 0xf4 && byte(1) >= 0x90)))
    return 0;  // overlong, or beyond U+10FFFF
  return length;
}

// The code point of a well-formed two- or three-byte sequence.
char32_t codepoint(std::string_view sequence) {
  if (sequence.size() == 2)
    return (static_cast<char32_t>(sequence[0] & 0x1f) << 6) |
           static_cast<char32_t>(sequence[1] & 0x3f);
  return (static_cast<char32_t>(sequence[0] & 0x0f) << 12) |
         (static_cast<char32_t>(sequence[1] & 0x3f) << 6) |
         static_cast<char32_t>(sequence[2] & 0x3f);
}

// Marks, embeddings, overrides and isolates that reorder the text around them, and the line and
// paragraph separators.
bool reorders(char32_t c) {
  return c == 0x061c || c == 0x200e || c == 0x200f || (c >= 0x2028 && c <= 0x202e) ||
         (c >= 0x2066 && c <= 0x2069);
}

void escapecodepoint(std::string& out, char32_t c) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 15];
}

}  // namespace

std::string quoted(std::string_view text) {
  std::string out = "\"";
  size_t characters = 0;
  for (size_t at = 0; at < text.size(); ++characters) {
    if (characters == kQuotedCharacters) {
      out += "\u2026";  // …
      break;
    }
    const char c = text[at];
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) {
      const size_t length = printablesequence(text.substr(at));
      if (length == 0) {
        escape(out, byte);
        ++at;
      } else {
        const std::string_view sequence = text.substr(at, length);
        if (length <= 3 && reorders(codepoint(sequence)))
          escapecodepoint(out, codepoint(sequence));
        else
          out += sequence;
        at += length;
      }
      continue;
    }
    ++at;
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20 || byte == 0x7f) {
      escape(out, byte);
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

}  // namespace merovane
