#include "tablegen/quantity.h"

#include <cctype>
#include <cstdlib>

namespace merovane::gen {
namespace {

constexpr std::string_view kOperators = "*/^()";

bool isdigit(char c) {
  return c >= '0' && c <= '9';
}

ExactDecimal power10(long exponent) {
  ExactDecimal power = 1;
  for (long at = 0; at < exponent; ++at) power = power * 10;
  for (long at = 0; at > exponent; --at) power = power / 10;
  return power;
}

// The end of the number that starts at `at`, or `at` if none does.
size_t numberend(const std::string& text, size_t at) {
  size_t end = at;
  while (end < text.size() && (isdigit(text[end]) || text[end] == '.')) ++end;
  if (end == at || (end == at + 1 && text[at] == '.')) return at;
  if (end < text.size() && (text[end] == 'E' || text[end] == 'e')) {
    size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    if (exponent < text.size() && isdigit(text[exponent])) {
      while (exponent < text.size() && isdigit(text[exponent])) ++exponent;
      end = exponent;
    }
  }
  return end;
}

class Parser {
 public:
  Parser(const std::string& text, const Lookup& lookup, const Place& at)
      : text_(text), lookup_(lookup), at_(at) {}

  Quantity all() {
    Quantity value = product();
    skipblanks();
    if (next_ < text_.size()) fail(at_, "cannot read \"" + text_.substr(next_) + "\" in " + text_);
    return value;
  }

 private:
  void skipblanks() {
    while (next_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[next_]))) ++next_;
  }
  bool take(char c) {
    skipblanks();
    if (next_ < text_.size() && text_[next_] == c) return ++next_, true;
    return false;
  }
  bool atend() {
    skipblanks();
    return next_ >= text_.size() || text_[next_] == ')';
  }

  Quantity product() {
    Quantity value = factor();
    while (!atend()) {
      if (take('/')) {
        value = value / factor();
      } else {
        take('*');
        value = value * factor();
      }
    }
    return value;
  }

  Quantity factor() {
    Quantity value = primary();
    if (!take('^')) return value;
    skipblanks();
    const bool negative = take('-');
    skipblanks();
    size_t end = next_;
    while (end < text_.size() && isdigit(text_[end])) ++end;
    if (end == next_) fail(at_, "a power is a whole number: " + text_);
    const int power = std::atoi(text_.substr(next_, end - next_).c_str());
    next_ = end;
    return value.raised(negative ? -power : power);
  }

  Quantity primary() {
    skipblanks();
    if (take('(')) {
      Quantity value = product();
      if (!take(')')) fail(at_, "a \"(\" without its \")\": " + text_);
      return value;
    }
    if (next_ >= text_.size()) fail(at_, "a definition ends where a factor should stand: " + text_);
    const size_t number = numberend(text_, next_);
    if (number > next_) {
      Quantity value;
      value.value = numbervalue(text_.substr(next_, number - next_));
      next_ = number;
      return value;
    }
    size_t end = next_;
    while (end < text_.size() && !std::isspace(static_cast<unsigned char>(text_[end])) &&
           kOperators.find(text_[end]) == std::string_view::npos)
      ++end;
    if (end == next_) fail(at_, "a factor cannot start with \"" + text_.substr(next_, 1) + "\"");
    const std::string name = text_.substr(next_, end - next_);
    next_ = end;
    return lookup_(name, at_);
  }

  const std::string& text_;
  const Lookup& lookup_;
  const Place& at_;
  size_t next_ = 0;
};

}  // namespace

Quantity Quantity::operator*(const Quantity& other) const {
  Quantity product{value * other.value, powers, irrational || other.irrational};
  if (product.powers.size() < other.powers.size()) product.powers.resize(other.powers.size());
  for (size_t at = 0; at < other.powers.size(); ++at) product.powers[at] += other.powers[at];
  return product;
}

Quantity Quantity::operator/(const Quantity& other) const {
  return *this * other.raised(-1);
}

Quantity Quantity::raised(int power) const {
  Quantity result{1, powers, irrational};
  for (int at = 0; at < power; ++at) result.value = result.value * value;
  for (int at = 0; at > power; --at) result.value = result.value / value;
  for (int& each : result.powers) each *= power;
  return result;
}

bool Quantity::samedimension(const Quantity& other) const {
  const size_t count = std::max(powers.size(), other.powers.size());
  for (size_t at = 0; at < count; ++at) {
    const int mine = at < powers.size() ? powers[at] : 0;
    const int theirs = at < other.powers.size() ? other.powers[at] : 0;
    if (mine != theirs) return false;
  }
  return true;
}

Quantity evaluate(const std::string& expression, const Lookup& lookup, const Place& at) {
  return Parser(expression, lookup, at).all();
}

bool isnumber(const std::string& text) {
  const size_t start = text.starts_with('-') ? 1 : 0;
  return text.size() > start && numberend(text, start) == text.size();
}

ExactDecimal numbervalue(const std::string& text) {
  const size_t exponent = text.find_first_of("Ee");
  if (exponent == std::string::npos) return ExactDecimal::parse(text);
  return ExactDecimal::parse(text.substr(0, exponent)) *
         power10(std::atol(text.substr(exponent + 1).c_str()));
}

std::string dimensiontext(const Quantity& quantity, const std::vector<std::string>& bases) {
  std::string text;
  for (size_t at = 0; at < quantity.powers.size() && at < bases.size(); ++at) {
    if (quantity.powers[at] == 0) continue;
    if (!text.empty()) text += ' ';
    text += bases[at];
    if (quantity.powers[at] != 1) text.append("^").append(std::to_string(quantity.powers[at]));
  }
  return text.empty() ? "a pure number" : text;
}

}  // namespace merovane::gen
