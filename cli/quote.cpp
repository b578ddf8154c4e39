#include "cli/quote.h"

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

}  // namespace

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (size_t at = 0; at < text.size();) {
    const char c = text[at];
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) {
      const size_t length = printablesequence(text.substr(at));
      if (length == 0) {
        escape(out, byte);
        ++at;
      } else {
        out += text.substr(at, length);
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
