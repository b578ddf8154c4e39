#include "api/request.h"

#include <cstdlib>
#include <stdexcept>

#include "api/quote.h"

namespace merovane {
namespace {

bool isdigit(char c) {
  return c >= '0' && c <= '9';
}

// The vulgar fractions, as UTF-8, and their values.
struct Vulgar {
  std::string_view text;
  std::uint32_t numerator, denominator;
};
constexpr Vulgar kVulgar[] = {
    {"\u00bd", 1, 2},  {"\u00bc", 1, 4}, {"\u00be", 3, 4}, {"\u2150", 1, 7}, {"\u2151", 1, 9},
    {"\u2152", 1, 10}, {"\u2153", 1, 3}, {"\u2154", 2, 3}, {"\u2155", 1, 5}, {"\u2156", 2, 5},
    {"\u2157", 3, 5},  {"\u2158", 4, 5}, {"\u2159", 1, 6}, {"\u215a", 5, 6}, {"\u215b", 1, 8},
    {"\u215c", 3, 8},  {"\u215d", 5, 8}, {"\u215e", 7, 8},
};

// The marks that stand for units right after a number.
constexpr std::string_view kMarks[] = {"'", "\"", "\u2032", "\u2033"};

struct Token {
  enum class Kind : std::uint8_t { Number, Fraction, Mark, Word, To };
  Kind kind;
  std::string text;
  bool joined = false;  // it stood in one piece of text with the token before it
};

const Vulgar* vulgarat(std::string_view text) {
  for (const Vulgar& vulgar : kVulgar)
    if (text.starts_with(vulgar.text)) return &vulgar;
  return nullptr;
}

std::string_view markat(std::string_view text) {
  for (std::string_view mark : kMarks)
    if (text.starts_with(mark)) return mark;
  return {};
}

// The length of the number at the start of `text` ("-1.5E3", "3/4"), or 0.
size_t numberlength(std::string_view text) {
  size_t at = 0;
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  const size_t start = at;
  while (at < text.size() && isdigit(text[at])) ++at;
  if (at < text.size() && text[at] == '.') ++at;
  while (at < text.size() && isdigit(text[at])) ++at;
  if (at == start || (at == start + 1 && text[start] == '.')) return 0;
  if (at + 1 < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    size_t exponent = at + 1;
    if (text[exponent] == '-' || text[exponent] == '+') ++exponent;
    if (exponent < text.size() && isdigit(text[exponent])) {
      while (exponent < text.size() && isdigit(text[exponent])) ++exponent;
      at = exponent;
    }
  }
  // A whole number over another: a fraction.
  if (at + 1 < text.size() && text[at] == '/' && isdigit(text[at + 1]) &&
      text.substr(0, at).find_first_of(".eE") == std::string_view::npos) {
    at += 2;
    while (at < text.size() && isdigit(text[at])) ++at;
  }
  return at;
}

// The tokens of one blank-free piece of text: numbers, fractions and marks, and the rest of the
// piece as one word.
void tokenize(std::string_view piece, std::vector<Token>& tokens) {
  bool joined = false;
  while (!piece.empty()) {
    Token token{Token::Kind::Word, std::string(piece), joined};
    if (const size_t length = numberlength(piece); length > 0) {
      token.text = piece.substr(0, length);
      token.kind =
          token.text.find('/') != std::string::npos ? Token::Kind::Fraction : Token::Kind::Number;
      piece.remove_prefix(length);
      tokens.push_back(std::move(token));
      if (const std::string_view mark = markat(piece); !mark.empty()) {
        tokens.push_back({Token::Kind::Mark, std::string(mark), true});
        piece.remove_prefix(mark.size());
      }
    } else if (const Vulgar* vulgar = vulgarat(piece)) {
      token.kind = Token::Kind::Fraction;
      token.text = vulgar->text;
      piece.remove_prefix(vulgar->text.size());
      tokens.push_back(std::move(token));
    } else {
      if (piece == "to" || piece == "->") token.kind = Token::Kind::To;
      tokens.push_back(std::move(token));
      break;
    }
    joined = true;
  }
}

std::vector<Token> tokensof(std::span<const std::string> words, bool& newform) {
  std::vector<Token> tokens;
  for (const std::string& word : words) {
    size_t pieces = 0;
    for (size_t at = 0; at <= word.size();) {
      const size_t end = std::min(word.find_first_of(" \t", at), word.size());
      if (end > at) {
        ++pieces;
        tokenize(std::string_view(word).substr(at, end - at), tokens);
      }
      at = end + 1;
    }
    newform = newform || pieces > 1;
  }
  for (const Token& token : tokens)
    newform = newform || token.joined || token.kind == Token::Kind::To ||
              token.kind == Token::Kind::Fraction;
  return tokens;
}

Exact fractionvalue(std::string_view text) {
  if (const Vulgar* vulgar = vulgarat(text))
    return Exact{false, Whole(vulgar->numerator), Whole(vulgar->denominator)}.reduced();
  return Exact::oftext(text);
}

// A row's exact size or offset: "5/9", "0.3048", "-32".
Exact exactof(std::string_view text) {
  Exact value;
  if (text.starts_with('-')) {
    value.negative = true;
    text.remove_prefix(1);
  }
  const size_t slash = text.find('/');
  if (slash != std::string_view::npos) {
    value.numerator = Whole::ofdigits(text.substr(0, slash));
    value.denominator = Whole::ofdigits(text.substr(slash + 1));
    return value.reduced();
  }
  const size_t point = text.find('.');
  if (point == std::string_view::npos) {
    value.numerator = Whole::ofdigits(text);
    return value;
  }
  value.numerator =
      Whole::ofdigits(std::string(text.substr(0, point)) + std::string(text.substr(point + 1)));
  value.denominator = Whole::poweroften(static_cast<int>(text.size() - point - 1));
  return value.reduced();
}

bool hasoffset(const CategoryRecord& category) {
  for (const UnitRow& row : category.rows)
    if (row.offset != "0") return true;
  return false;
}

RequestError unreadable(std::string message, bool newform) {
  return RequestError{std::nullopt, std::move(message), newform};
}

RequestError nameerror(NameError error, bool newform) {
  return RequestError{std::move(error), "", newform};
}

// Whether `text` names a unit (or several) anywhere, or in `category`.
bool namesunit(const std::string& text, const CategoryRecord* category) {
  Answer answer = category != nullptr ? resolve(text, category, Reading::AsWritten)
                                      : resolve(text, nullptr, Reading::AsWritten);
  return answer.kind != Answer::Kind::Unknown;
}

// The text of the unit that starts at tokens[at]: the longest run of up to three words that
// names a unit, else the one word. Returns how many tokens it takes.
size_t unitat(const std::vector<Token>& tokens, size_t at, const CategoryRecord* category,
              std::string& text) {
  size_t most = 0;
  while (most < 3 && at + most < tokens.size() && tokens[at + most].kind == Token::Kind::Word &&
         (most == 0 || !tokens[at + most].joined))
    ++most;
  for (size_t count = most; count > 1; --count) {
    std::string joined = tokens[at].text;
    for (size_t next = 1; next < count; ++next) joined += " " + tokens[at + next].text;
    if (joined.size() <= 64 && namesunit(joined, category)) {
      text = std::move(joined);
      return count;
    }
  }
  text = tokens[at].text;
  return 1;
}

// The mark's name under one reading: feet and inches, or arcminutes and arcseconds.
std::string markname(const std::string& mark, bool angle) {
  if (mark == "'" || (mark == "\u2032" && !angle)) return "ft";
  if (mark == "\"" || (mark == "\u2033" && !angle)) return "in";
  return mark == "\u2032" ? "arcmin" : "arcsec";
}

bool ismark(const std::string& unit) {
  for (std::string_view mark : kMarks)
    if (unit == mark) return true;
  return false;
}

// The terms' and the destination's units, each resolved in one category: the category of the
// first term and the last unit of destination. `angle` reads the marks ′ and ″ as arcminutes
// and arcseconds.
std::optional<NameError> resolveunits(ReadRequest& request,
                                      std::optional<std::string_view> category, bool angle) {
  const auto nameof = [angle](const RequestTerm& term) {
    return ismark(term.unit) ? markname(term.unit, angle) : term.unit;
  };
  const std::string first = nameof(request.terms.front());
  const std::string last = nameof(request.destination.back());
  const auto main = resolvepair(category, first, last);
  if (const auto* error = std::get_if<NameError>(&main)) return *error;
  const NamedPair& pair = std::get<NamedPair>(main);
  request.category = pair.category;
  const std::string caption(pair.category->caption);
  for (std::vector<RequestTerm>* side : {&request.terms, &request.destination})
    for (RequestTerm& term : *side) {
      const auto found = resolvepair(caption, first, nameof(term));
      if (const auto* named = std::get_if<NamedPair>(&found)) {
        term.choice = named->to;
        continue;
      }
      // A unit of another category: say which, naming both.
      const auto anywhere = resolvepair(std::nullopt, first, nameof(term));
      if (const auto* error = std::get_if<NameError>(&anywhere);
          error != nullptr && error->kind == NameError::Kind::NoCommonCategory)
        return *error;
      return std::get<NameError>(found);
    }
  return std::nullopt;
}

std::string joinedterms(const std::vector<RequestTerm>& terms, size_t count) {
  std::string text;
  for (size_t at = 0; at < count && at < terms.size(); ++at) {
    if (!text.empty()) text += ' ';
    text += terms[at].number;
    if (!terms[at].number.empty() && !ismark(terms[at].unit)) text += ' ';
    text += terms[at].unit;
  }
  return text;
}

// Reads the tokens into terms and a destination, names unresolved.
std::variant<ReadRequest, RequestError> readtokens(const std::vector<Token>& tokens,
                                                   const CategoryRecord* within, bool newform) {
  ReadRequest request;
  size_t at = 0;
  const auto said = [&](size_t token) { return quoted(tokens[token].text); };
  while (at < tokens.size() &&
         (tokens[at].kind == Token::Kind::Number || tokens[at].kind == Token::Kind::Fraction)) {
    if (request.terms.size() == kMostTerms)
      return unreadable("a quantity takes at most " + std::to_string(kMostTerms) + " terms; " +
                            said(at) + " is one more",
                        true);
    RequestTerm term;
    term.number = tokens[at].text;
    std::string_view number = tokens[at].text;
    const bool signed_ = number.starts_with('-') || number.starts_with('+');
    if (signed_ && !request.terms.empty())
      return unreadable(
          "cannot place " + said(at) + ": a sign goes before the whole quantity, not a term of it",
          true);
    if (signed_) {
      request.negative = number.starts_with('-');
      number.remove_prefix(1);
      term.number.erase(0, 1);
    }
    try {
      term.value = fractionvalue(number);
      term.value.negative = false;
      const bool whole = tokens[at].kind == Token::Kind::Number &&
                         number.find_first_of(".eE") == std::string_view::npos;
      request.plain = request.plain && tokens[at].kind == Token::Kind::Number;
      ++at;
      if (whole && at < tokens.size() && tokens[at].kind == Token::Kind::Fraction) {
        // A mixed number: 1 1/2, 1½.
        term.value = term.value + fractionvalue(tokens[at].text);
        term.number += (tokens[at].joined ? "" : " ") + tokens[at].text;
        request.plain = false;
        ++at;
      }
    } catch (const std::exception&) {
      return unreadable("cannot read the number " + said(at) +
                            " exactly: at most 40 significant digits, an exponent of at most 60",
                        true);
    }
    if (at < tokens.size() && tokens[at].kind == Token::Kind::Mark) {
      term.unit = tokens[at++].text;
    } else if (at < tokens.size() && tokens[at].kind == Token::Kind::Word) {
      at += unitat(tokens, at, within, term.unit);
    } else {
      const std::string read = joinedterms(request.terms, request.terms.size());
      const std::string before = read.empty() ? "" : " after " + quoted(read);
      if (at == tokens.size())
        return unreadable("the number " + quoted(term.number) + before +
                              " has no unit after it: expected its unit",
                          newform || !request.terms.empty());
      return unreadable(
          "cannot place " + said(at) + ": expected the unit of " + quoted(term.number),
          newform || !request.terms.empty());
    }
    request.terms.push_back(std::move(term));
  }
  if (request.terms.empty()) {
    if (at == tokens.size()) return unreadable("missing the value to convert", newform);
    return unreadable("cannot place " + said(at) + ": expected a number to begin the quantity",
                      newform);
  }
  newform = newform || request.terms.size() > 1;
  if (request.terms.size() > 1) request.plain = false;
  if (at < tokens.size() && tokens[at].kind == Token::Kind::To) ++at;
  while (at < tokens.size()) {
    if (tokens[at].kind != Token::Kind::Word)
      return unreadable("cannot place " + said(at) + ": expected a unit of the destination after " +
                            (request.destination.empty() ? quoted(request.quantity())
                                                         : quoted(request.destination.back().unit)),
                        true);
    if (request.destination.size() == kMostTerms)
      return unreadable("a destination takes at most " + std::to_string(kMostTerms) + " units; " +
                            said(at) + " is one more",
                        true);
    RequestTerm unit;
    at += unitat(tokens, at, within, unit.unit);
    request.destination.push_back(std::move(unit));
  }
  if (request.destination.empty())
    return unreadable("the quantity was read as " + quoted(request.quantity()) +
                          " and no destination came after it: expected the unit to convert to",
                      newform || !request.plain);
  if (request.destination.size() > 1) request.plain = false;
  return request;
}

}  // namespace

std::string ReadRequest::quantity() const {
  std::string text = negative ? "-" : "";
  return text.append(joinedterms(terms, terms.size()));
}

std::variant<ReadRequest, RequestError> readrequest(std::span<const std::string> words,
                                                    std::optional<std::string_view> category) {
  bool newform = false;
  const std::vector<Token> tokens = tokensof(words, newform);
  const CategoryRecord* within = category ? findcategory(*category) : nullptr;
  auto read = readtokens(tokens, within, newform);
  if (auto* error = std::get_if<RequestError>(&read)) return std::move(*error);
  ReadRequest& request = std::get<ReadRequest>(read);
  newform = newform || !request.plain;

  // ′ and ″ are feet and inches, or arcminutes and arcseconds where the other units are angles.
  bool primes = false;
  for (const RequestTerm& term : request.terms)
    primes = primes || term.unit == "\u2032" || term.unit == "\u2033";
  ReadRequest asangles = request;
  std::optional<NameError> failure = resolveunits(request, category, false);
  if (primes && !resolveunits(asangles, category, true)) {
    if (!failure)
      return unreadable(
          "\u2032 and \u2033 may be feet and inches or arcminutes and arcseconds "
          "here: write ft and in, or arcmin and arcsec",
          true);
    request = std::move(asangles);
    failure.reset();
  }
  if (failure) return nameerror(std::move(*failure), newform);

  const CategoryRecord& found = *request.category;
  if (hasoffset(found) && (!request.plain || request.terms.size() > 1))
    return unreadable(std::string(found.caption) +
                          " takes one value in one unit, not a sum, a fraction or several units: " +
                          quoted(request.quantity()),
                      true);
  // Largest first, each unit of a destination smaller than the one before.
  for (size_t at = 1; at < request.destination.size(); ++at) {
    const Exact larger = exactof(request.destination[at - 1].choice.unit().size);
    const Exact smaller = exactof(request.destination[at].choice.unit().size);
    if (compare(smaller, larger) >= 0)
      return unreadable(
          "the units of a destination go largest first: " + quoted(request.destination[at].unit) +
              " is not smaller than " + quoted(request.destination[at - 1].unit),
          true);
  }
  return std::move(request);
}

Exact exactquantity(const ReadRequest& request) {
  Exact quantity;
  for (const RequestTerm& term : request.terms)
    quantity = quantity + term.value * exactof(term.choice.unit().size);
  return quantity;
}

std::string exactresult(const ReadRequest& request, int digits) {
  Exact quantity = exactquantity(request);
  const std::vector<RequestTerm>& units = request.destination;
  std::vector<Whole> wholes;
  // Whole numbers of each unit but the last, which takes the rest.
  for (size_t at = 0; at + 1 < units.size(); ++at) {
    const Exact size = exactof(units[at].choice.unit().size);
    Whole count = (quantity / size).floor();
    quantity = quantity - Exact{false, count, Whole(1)} * size;
    wholes.push_back(count);
  }
  const Exact lastsize = exactof(units.back().choice.unit().size);
  Exact last = rounded(quantity / lastsize, digits);
  // Rounded up to a whole one of the unit before: carried, and on up.
  for (size_t at = wholes.size(); at-- > 0;) {
    const bool beforelast = at + 1 == wholes.size();
    const Exact above = exactof(units[at].choice.unit().size);
    const Exact below = beforelast ? lastsize : exactof(units[at + 1].choice.unit().size);
    const Exact held = beforelast ? last * below : Exact{false, wholes[at + 1], Whole(1)} * below;
    if (compare(held, above) < 0) break;
    wholes[at] = wholes[at] + Whole(1);
    const Exact rest = (held - above) / below;
    if (beforelast)
      last = rounded(rest, digits);
    else
      wholes[at + 1] = rest.floor();
  }
  std::string text;
  bool zero = last.iszero();
  for (size_t at = 0; at < wholes.size(); ++at) {
    if (text.empty() && wholes[at].iszero()) continue;  // leading zero terms are left out
    text += wholes[at].digits() + " " + units[at].unit + " ";
    zero = zero && wholes[at].iszero();
  }
  text += roundedtext(last, digits);
  if (units.size() > 1) text += " " + units.back().unit;
  return request.negative && !zero ? "-" + text : text;
}

double exactvalue(const ReadRequest& request) {
  // 40 significant digits, then the nearest double: the exact value is that near a half-way
  // point between two doubles far more rarely than any measurement could tell.
  const Exact whole =
      exactquantity(request) / exactof(request.destination.back().choice.unit().size);
  const double value = std::strtod(roundedtext(whole, 40).c_str(), nullptr);
  return request.negative ? -value : value;
}

std::string tablesrefusal(const ReadRequest& request) {
  return "the window's tables convert one value of one unit, not " + quoted(request.quantity()) +
         (request.destination.size() > 1 ? " into several units" : "");
}

}  // namespace merovane
