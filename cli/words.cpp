#include "cli/words.h"

namespace merovane {
namespace {

// Within double quotes a backslash keeps only these from their meaning.
bool escapedindoublequotes(char c) {
  return c == '"' || c == '\\' || c == '$' || c == '`';
}

}  // namespace

std::variant<std::vector<std::string>, UsageError> splitwords(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  bool inword = false;  // a word is begun, if only by a pair of quotes
  char quote = 0;       // the quote open at this point, or 0
  for (size_t at = 0; at < line.size(); ++at) {
    const char c = line[at];
    const bool escapes = c == '\\' && at + 1 < line.size();
    if (quote == '\'') {
      if (c == '\'')
        quote = 0;
      else
        word += c;
    } else if (quote == '"') {
      if (c == '"')
        quote = 0;
      else
        word += escapes && escapedindoublequotes(line[at + 1]) ? line[++at] : c;
    } else if (c == ' ' || c == '\t') {
      if (inword) words.push_back(std::move(word));
      word.clear();
      inword = false;
    } else {
      inword = true;
      // Right after a digit, ' and " are the marks of feet and inches (5'3"), not quotes.
      const bool mark = !word.empty() && word.back() >= '0' && word.back() <= '9';
      if ((c == '\'' || c == '"') && !mark)
        quote = c;
      else
        word += escapes ? line[++at] : c;
    }
  }
  if (quote != 0) return UsageError{std::string("the quote ") + quote + " is not closed"};
  if (inword) words.push_back(std::move(word));
  return words;
}

}  // namespace merovane
