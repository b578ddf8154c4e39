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

// The code point of a well-formed UTF-8 sequence of two to four bytes.
char32_t codepoint(std::string_view sequence) {
  static constexpr unsigned char kLeadBits[] = {0, 0, 0x1f, 0x0f, 0x07};
  char32_t c = static_cast<unsigned char>(sequence[0]) & kLeadBits[sequence.size()];
  for (size_t at = 1; at < sequence.size(); ++at)
    c = (c << 6) | (static_cast<unsigned char>(sequence[at]) & 0x3f);
  return c;
}

// Marks, embeddings, overrides and isolates that reorder the text around them, the line and
// paragraph separators, and the format characters that show nothing (Unicode's general category
// Cf: the soft hyphen, zero-width spaces and joiners, the byte order mark, tags, ...), which
// would make a name look like another.
bool escapedcodepoint(char32_t c) {
  static constexpr char32_t kRanges[][2] = {
      {0x00ad, 0x00ad},   {0x0600, 0x0605},   {0x061c, 0x061c},   {0x06dd, 0x06dd},
      {0x070f, 0x070f},   {0x0890, 0x0891},   {0x08e2, 0x08e2},   {0x180e, 0x180e},
      {0x200b, 0x200f},   {0x2028, 0x202e},   {0x2060, 0x2064},   {0x2066, 0x206f},
      {0xfeff, 0xfeff},   {0xfff9, 0xfffb},   {0x110bd, 0x110bd}, {0x110cd, 0x110cd},
      {0x13430, 0x1343f}, {0x1bca0, 0x1bca3}, {0x1d173, 0x1d17a}, {0xe0001, 0xe0001},
      {0xe0020, 0xe007f},
  };
  for (const auto& [first, last] : kRanges)
    if (c >= first && c <= last) return true;
  return false;
}

// \uXXXX, or \UXXXXXXXX beyond the first plane.
void escapecodepoint(std::string& out, char32_t c) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += c > 0xffff ? "\\U" : "\\u";
  for (int shift = c > 0xffff ? 28 : 12; shift >= 0; shift -= 4) out += kHex[(c >> shift) & 15];
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
        if (escapedcodepoint(codepoint(sequence)))
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
