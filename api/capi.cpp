// libmerovane's C interface: each handle holds the C++ value it stands for, and the texts it has
// handed out, which live as long as it does. No exception leaves a function.
#include <cmath>
#include <cstdio>
#include <deque>
#include <istream>
#include <limits>
#include <new>
#include <ostream>
#include <streambuf>

#include "merovane/merovane-c.h"
#include "merovane/merovane.h"

using merovane::Category;
using merovane::Error;
using merovane::Found;
using merovane::Match;
using merovane::Mode;
using merovane::Options;
using merovane::Pair;
using merovane::Query;
using merovane::Result;
using merovane::Unit;

struct merovane_options {
  Options options;
};
struct merovane_error {
  Error error;
  std::string details;
};
struct merovane_result {
  Result result;
};
struct merovane_category {
  Category category;
  std::string caption, reference;
};
struct merovane_unit {
  Unit unit;
  std::string name, listed, definition, exact, factor;
  std::vector<std::string> symbols, names;
};
struct merovane_pair {
  Pair pair;
  std::string fromname, toname;
};
struct merovane_query {
  Query query;
};
struct merovane_chart {
  std::vector<std::string> units;
  std::deque<merovane_result> cells;  // row by row
};
struct merovane_matches {
  std::vector<Match> matches;
  std::vector<std::string> categories;
};

namespace {

// Runs `body`, which returns a status; an exception from it is the status it stands for.
template <class Body>
merovane_status guarded(Body body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return MEROVANE_OUT_OF_MEMORY;
  } catch (...) {
    return MEROVANE_INVALID_ARGUMENT;
  }
}

// A new handle in *out, where the caller asked for one.
template <class Handle, class... Held>
void give(Handle** out, Held&&... held) {
  if (out != nullptr) *out = new Handle{std::forward<Held>(held)...};
}

merovane_status statusof(Error::Kind kind) {
  switch (kind) {
    case Error::Kind::UnknownCategory:
      return MEROVANE_UNKNOWN_CATEGORY;
    case Error::Kind::UnknownUnit:
      return MEROVANE_UNKNOWN_UNIT;
    case Error::Kind::Ambiguous:
      return MEROVANE_AMBIGUOUS;
    case Error::Kind::NoCommonCategory:
      return MEROVANE_NO_COMMON_CATEGORY;
    case Error::Kind::SeveralCategories:
      return MEROVANE_SEVERAL_CATEGORIES;
    case Error::Kind::Unreadable:
      return MEROVANE_UNREADABLE_REQUEST;
    case Error::Kind::NotInTables:
      break;
  }
  return MEROVANE_NOT_IN_TABLES;
}

merovane_status statusof(const Result& result) {
  if (result.status() == Result::Status::Converted) return MEROVANE_OK;
  if (result.status() == Result::Status::Nothing) return MEROVANE_NOTHING;
  switch (result.failure()) {
    case Result::Failure::None:
    case Result::Failure::NotANumber:
      break;
    case Result::Failure::Overflow:
      return MEROVANE_OVERFLOW;
    case Result::Failure::BelowAbsoluteZero:
      return MEROVANE_BELOW_ABSOLUTE_ZERO;
    case Result::Failure::NotInTables:
      return MEROVANE_NOT_IN_TABLES;
    case Result::Failure::BadDigits:
      return MEROVANE_BAD_DIGITS;
    case Result::Failure::NoSuchUnit:
      return MEROVANE_NO_SUCH_UNIT;
    case Result::Failure::TooExact:
      return MEROVANE_TOO_EXACT;
  }
  return MEROVANE_NOT_A_NUMBER;
}

// What a search for a value or an error gave: the value's handle in *out, or the error's status
// and its handle in *error.
template <class T, class Handle, class Make>
merovane_status answer(const Found<T>& found, Handle** out, merovane_error** error, Make make) {
  if (!found) {
    give(error, found.error(), found.error().details());
    return statusof(found.error().kind());
  }
  if (out != nullptr) *out = make(*found);
  return MEROVANE_OK;
}

// The handle `make` gives of another's value, in *out; refused where either is NULL.
template <class From, class Handle, class Make>
merovane_status derive(const From* from, Handle** out, Make make) {
  return guarded([&] {
    if (from == nullptr || out == nullptr) return MEROVANE_INVALID_ARGUMENT;
    *out = make(*from);
    return MEROVANE_OK;
  });
}

// The handle of element `index` of the list `list` gives of another's value, in *out.
template <class From, class Handle, class List, class Make>
merovane_status deriveat(const From* from, size_t index, Handle** out, List list, Make make) {
  return guarded([&] {
    if (from == nullptr || out == nullptr) return MEROVANE_INVALID_ARGUMENT;
    const auto& all = list(*from);
    if (index >= all.size()) return MEROVANE_INVALID_ARGUMENT;
    *out = make(all[index]);
    return MEROVANE_OK;
  });
}

Options optionsof(const merovane_options* options) {
  return options == nullptr ? Options{} : options->options;
}

merovane_category* categoryhandle(const Category& category) {
  return new merovane_category{category, category.caption(), category.reference()};
}

merovane_unit* unithandle(const Unit& unit) {
  return new merovane_unit{unit,         unit.name(),   unit.listed(),  unit.definition(),
                           unit.exact(), unit.factor(), unit.symbols(), unit.names()};
}

merovane_pair* pairhandle(const Pair& pair) {
  return new merovane_pair{pair, pair.fromname(), pair.toname()};
}

const char* at(const std::vector<std::string>& texts, size_t index) {
  return index < texts.size() ? texts[index].c_str() : nullptr;
}

merovane_status converted(Result result, merovane_result** out) {
  const merovane_status status = statusof(result);
  give(out, std::move(result));
  return status;
}

// A C stream as a C++ stream's buffer, a block at a time.
class FileBuffer : public std::streambuf {
 public:
  explicit FileBuffer(FILE* file) : file_(file) { setp(block_, block_ + sizeof block_); }
  ~FileBuffer() override { sync(); }

 protected:
  int_type underflow() override {
    const size_t got = std::fread(block_, 1, sizeof block_, file_);
    if (got == 0) return traits_type::eof();
    setg(block_, block_, block_ + got);
    return traits_type::to_int_type(block_[0]);
  }
  int_type overflow(int_type c) override {
    if (sync() != 0) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }
  int sync() override {
    const size_t pending = static_cast<size_t>(pptr() - pbase());
    if (pending > 0 && std::fwrite(pbase(), 1, pending, file_) != pending) return -1;
    setp(block_, block_ + sizeof block_);
    return 0;
  }

 private:
  FILE* file_;
  char block_[1 << 16];
};

}  // namespace

extern "C" {

const char* merovane_version(void) {
  return merovane::version();
}

const char* merovane_status_text(merovane_status status) {
  switch (status) {
    case MEROVANE_OK:
      return "converted";
    case MEROVANE_UNKNOWN_CATEGORY:
      return "unknown category";
    case MEROVANE_UNKNOWN_UNIT:
      return "unknown unit";
    case MEROVANE_AMBIGUOUS:
      return "ambiguous name";
    case MEROVANE_NO_COMMON_CATEGORY:
      return "no category holds both units";
    case MEROVANE_SEVERAL_CATEGORIES:
      return "both units are in several categories";
    case MEROVANE_UNREADABLE_REQUEST:
      return "unreadable request";
    case MEROVANE_NOT_IN_TABLES:
      return "no figure in the window's tables";
    case MEROVANE_NOTHING:
      return "nothing to convert";
    case MEROVANE_NOT_A_NUMBER:
      return "not a number";
    case MEROVANE_OVERFLOW:
      return "overflow";
    case MEROVANE_BELOW_ABSOLUTE_ZERO:
      return "below absolute zero";
    case MEROVANE_BAD_DIGITS:
      return "digits out of range";
    case MEROVANE_NO_SUCH_UNIT:
      return "no such unit in this category";
    case MEROVANE_TOO_EXACT:
      return "fractions too large to work out exactly";
    case MEROVANE_INVALID_ARGUMENT:
      return "invalid argument";
    case MEROVANE_OUT_OF_MEMORY:
      return "out of memory";
    case MEROVANE_READ_FAILED:
      return "reading or writing a stream failed";
  }
  return "unknown status";
}

merovane_status merovane_options_new(merovane_options** out) {
  return guarded([&] {
    if (out == nullptr) return MEROVANE_INVALID_ARGUMENT;
    give(out, Options{});
    return MEROVANE_OK;
  });
}

void merovane_options_free(merovane_options* options) {
  delete options;
}

merovane_status merovane_options_set_mode(merovane_options* options, merovane_mode mode) {
  if (options == nullptr || (mode != MEROVANE_PRECISE && mode != MEROVANE_TABLES))
    return MEROVANE_INVALID_ARGUMENT;
  options->options.setmode(mode == MEROVANE_TABLES ? Mode::Tables : Mode::Precise);
  return MEROVANE_OK;
}

merovane_status merovane_options_set_digits(merovane_options* options, int digits) {
  if (options == nullptr) return MEROVANE_INVALID_ARGUMENT;
  options->options.setdigits(digits);
  return MEROVANE_OK;
}

merovane_mode merovane_options_mode(const merovane_options* options) {
  return optionsof(options).mode() == Mode::Tables ? MEROVANE_TABLES : MEROVANE_PRECISE;
}

int merovane_options_digits(const merovane_options* options) {
  return optionsof(options).digits();
}

void merovane_error_free(merovane_error* error) {
  delete error;
}

merovane_status merovane_error_status(const merovane_error* error) {
  return error == nullptr ? MEROVANE_INVALID_ARGUMENT : statusof(error->error.kind());
}

const char* merovane_error_message(const merovane_error* error) {
  return error == nullptr ? "" : error->error.message().c_str();
}

const char* merovane_error_details(const merovane_error* error) {
  return error == nullptr ? "" : error->details.c_str();
}

size_t merovane_error_candidate_count(const merovane_error* error) {
  return error == nullptr ? 0 : error->error.candidates().size();
}

const char* merovane_error_candidate(const merovane_error* error, size_t index) {
  return error == nullptr ? nullptr : at(error->error.candidates(), index);
}

void merovane_result_free(merovane_result* result) {
  delete result;
}

merovane_status merovane_result_status(const merovane_result* result) {
  return result == nullptr ? MEROVANE_INVALID_ARGUMENT : statusof(result->result);
}

const char* merovane_result_text(const merovane_result* result) {
  return result == nullptr ? "" : result->result.text().c_str();
}

double merovane_result_value(const merovane_result* result) {
  return result == nullptr ? std::numeric_limits<double>::quiet_NaN() : result->result.value();
}

const char* merovane_result_message(const merovane_result* result) {
  return result == nullptr ? "" : result->result.message().c_str();
}

const char* merovane_result_error(const merovane_result* result) {
  return result == nullptr ? "" : result->result.error().c_str();
}

size_t merovane_category_count(void) {
  return Category::all().size();
}

merovane_status merovane_category_at(size_t index, merovane_category** out) {
  return guarded([&] {
    const std::vector<Category> all = Category::all();
    if (index >= all.size() || out == nullptr) return MEROVANE_INVALID_ARGUMENT;
    *out = categoryhandle(all[index]);
    return MEROVANE_OK;
  });
}

merovane_status merovane_category_find(const char* caption, merovane_category** out,
                                       merovane_error** error) {
  return guarded([&] {
    if (caption == nullptr) return MEROVANE_INVALID_ARGUMENT;
    return answer(Category::find(caption), out, error, categoryhandle);
  });
}

void merovane_category_free(merovane_category* category) {
  delete category;
}

const char* merovane_category_caption(const merovane_category* category) {
  return category == nullptr ? "" : category->caption.c_str();
}

const char* merovane_category_reference(const merovane_category* category) {
  return category == nullptr ? "" : category->reference.c_str();
}

int merovane_category_in_tables(const merovane_category* category) {
  return category != nullptr && category->category.intables() ? 1 : 0;
}

size_t merovane_category_unit_count(const merovane_category* category) {
  return category == nullptr ? 0 : category->category.units().size();
}

merovane_status merovane_category_unit(const merovane_category* category, size_t index,
                                       merovane_unit** out) {
  return deriveat(
      category, index, out, [](const merovane_category& of) { return of.category.units(); },
      unithandle);
}

merovane_status merovane_category_chart(const merovane_category* category, const char* value,
                                        const merovane_options* options, merovane_chart** out) {
  return guarded([&] {
    if (category == nullptr || value == nullptr || out == nullptr) return MEROVANE_INVALID_ARGUMENT;
    const merovane::Chart chart = category->category.chart(value, optionsof(options));
    auto* handle = new merovane_chart{chart.units(), {}};
    for (size_t from = 0; from < chart.units().size(); ++from)
      for (size_t to = 0; to < chart.units().size(); ++to)
        handle->cells.push_back(merovane_result{chart.at(from, to)});
    *out = handle;
    return MEROVANE_OK;
  });
}

void merovane_unit_free(merovane_unit* unit) {
  delete unit;
}

const char* merovane_unit_name(const merovane_unit* unit) {
  return unit == nullptr ? "" : unit->name.c_str();
}

const char* merovane_unit_listed(const merovane_unit* unit) {
  return unit == nullptr ? "" : unit->listed.c_str();
}

size_t merovane_unit_symbol_count(const merovane_unit* unit) {
  return unit == nullptr ? 0 : unit->symbols.size();
}

const char* merovane_unit_symbol(const merovane_unit* unit, size_t index) {
  return unit == nullptr ? nullptr : at(unit->symbols, index);
}

size_t merovane_unit_othername_count(const merovane_unit* unit) {
  return unit == nullptr ? 0 : unit->names.size();
}

const char* merovane_unit_othername(const merovane_unit* unit, size_t index) {
  return unit == nullptr ? nullptr : at(unit->names, index);
}

merovane_status merovane_unit_category(const merovane_unit* unit, merovane_category** out) {
  return derive(unit, out,
                [](const merovane_unit& of) { return categoryhandle(of.unit.category()); });
}

const char* merovane_unit_definition(const merovane_unit* unit) {
  return unit == nullptr ? "" : unit->definition.c_str();
}

const char* merovane_unit_exact(const merovane_unit* unit) {
  return unit == nullptr ? "" : unit->exact.c_str();
}

double merovane_unit_value(const merovane_unit* unit) {
  return unit == nullptr ? std::numeric_limits<double>::quiet_NaN() : unit->unit.value();
}

int merovane_unit_in_tables(const merovane_unit* unit) {
  return unit != nullptr && unit->unit.intables() ? 1 : 0;
}

size_t merovane_unit_multiple_count(const merovane_unit* unit) {
  return unit == nullptr ? 0 : unit->unit.multiples().size();
}

merovane_status merovane_unit_multiple(const merovane_unit* unit, size_t index,
                                       merovane_unit** out) {
  return deriveat(
      unit, index, out, [](const merovane_unit& of) { return of.unit.multiples(); }, unithandle);
}

const char* merovane_unit_factor(const merovane_unit* unit) {
  return unit == nullptr ? "" : unit->factor.c_str();
}

merovane_status merovane_pair_find(const char* category, const char* from, const char* to,
                                   merovane_pair** out, merovane_error** error) {
  return guarded([&] {
    if (from == nullptr || to == nullptr) return MEROVANE_INVALID_ARGUMENT;
    return answer(category == nullptr ? Pair::find(from, to) : Pair::find(category, from, to), out,
                  error, pairhandle);
  });
}

void merovane_pair_free(merovane_pair* pair) {
  delete pair;
}

merovane_status merovane_pair_category(const merovane_pair* pair, merovane_category** out) {
  return derive(pair, out,
                [](const merovane_pair& of) { return categoryhandle(of.pair.category()); });
}

merovane_status merovane_pair_from(const merovane_pair* pair, merovane_unit** out) {
  return derive(pair, out, [](const merovane_pair& of) { return unithandle(of.pair.from()); });
}

merovane_status merovane_pair_to(const merovane_pair* pair, merovane_unit** out) {
  return derive(pair, out, [](const merovane_pair& of) { return unithandle(of.pair.to()); });
}

const char* merovane_pair_from_name(const merovane_pair* pair) {
  return pair == nullptr ? "" : pair->fromname.c_str();
}

const char* merovane_pair_to_name(const merovane_pair* pair) {
  return pair == nullptr ? "" : pair->toname.c_str();
}

int merovane_pair_in_tables(const merovane_pair* pair) {
  return pair != nullptr && pair->pair.intables() ? 1 : 0;
}

merovane_status merovane_pair_convert(const merovane_pair* pair, double value,
                                      const merovane_options* options, merovane_result** out) {
  return guarded([&] {
    if (pair == nullptr) return MEROVANE_INVALID_ARGUMENT;
    return converted(pair->pair.convert(value, optionsof(options)), out);
  });
}

merovane_status merovane_pair_convert_text(const merovane_pair* pair, const char* value,
                                           const merovane_options* options, merovane_result** out) {
  return guarded([&] {
    if (pair == nullptr || value == nullptr) return MEROVANE_INVALID_ARGUMENT;
    return converted(pair->pair.convert(std::string_view(value), optionsof(options)), out);
  });
}

merovane_status merovane_pair_convert_number(const merovane_pair* pair, double value,
                                             const merovane_options* options, double* result) {
  if (result != nullptr) *result = std::numeric_limits<double>::quiet_NaN();
  return guarded([&] {
    if (pair == nullptr) return MEROVANE_INVALID_ARGUMENT;
    const Result converted = pair->pair.convert(value, optionsof(options));
    if (result != nullptr) *result = converted.value();
    return statusof(converted);
  });
}

merovane_status merovane_pair_convert_stream(const merovane_pair* pair, FILE* in, FILE* out,
                                             const merovane_options* options,
                                             merovane_line_failure failure, void* context,
                                             uint64_t* lines, uint64_t* failed) {
  return guarded([&] {
    if (pair == nullptr || in == nullptr || out == nullptr) return MEROVANE_INVALID_ARGUMENT;
    FileBuffer inbuffer(in), outbuffer(out);
    std::istream input(&inbuffer);
    std::ostream output(&outbuffer);
    merovane::LineFailure told;
    if (failure != nullptr)
      told = [failure, context](std::uint64_t line, const std::string& message) {
        failure(context, line, message.c_str());
      };
    const merovane::StreamCount count = pair->pair.convert(input, output, optionsof(options), told);
    output.flush();
    if (lines != nullptr) *lines = count.lines;
    if (failed != nullptr) *failed = count.failed;
    const bool broken = !output || std::ferror(in) != 0 || std::ferror(out) != 0;
    return broken ? MEROVANE_READ_FAILED : MEROVANE_OK;
  });
}

merovane_status merovane_query_read(const char* text, merovane_query** out,
                                    merovane_error** error) {
  return guarded([&] {
    if (text == nullptr) return MEROVANE_INVALID_ARGUMENT;
    return answer(Query::read(text), out, error,
                  [](const Query& query) { return new merovane_query{query}; });
  });
}

merovane_status merovane_query_read_words(const char* const* words, size_t count,
                                          const char* category, merovane_query** out,
                                          merovane_error** error) {
  return guarded([&] {
    if (words == nullptr && count > 0) return MEROVANE_INVALID_ARGUMENT;
    std::vector<std::string> typed;
    for (size_t at = 0; at < count; ++at) {
      if (words[at] == nullptr) return MEROVANE_INVALID_ARGUMENT;
      typed.emplace_back(words[at]);
    }
    return answer(Query::read(typed, category == nullptr ? "" : category), out, error,
                  [](const Query& query) { return new merovane_query{query}; });
  });
}

void merovane_query_free(merovane_query* query) {
  delete query;
}

merovane_status merovane_query_pair(const merovane_query* query, merovane_pair** out) {
  return derive(query, out, [](const merovane_query& of) { return pairhandle(of.query.pair()); });
}

const char* merovane_query_quantity(const merovane_query* query) {
  return query == nullptr ? "" : query->query.quantity().c_str();
}

merovane_status merovane_query_convert(const merovane_query* query, const merovane_options* options,
                                       merovane_result** out) {
  return guarded([&] {
    if (query == nullptr) return MEROVANE_INVALID_ARGUMENT;
    return converted(query->query.convert(optionsof(options)), out);
  });
}

void merovane_chart_free(merovane_chart* chart) {
  delete chart;
}

size_t merovane_chart_unit_count(const merovane_chart* chart) {
  return chart == nullptr ? 0 : chart->units.size();
}

const char* merovane_chart_unit(const merovane_chart* chart, size_t index) {
  return chart == nullptr ? nullptr : at(chart->units, index);
}

const merovane_result* merovane_chart_cell(const merovane_chart* chart, size_t from, size_t to) {
  if (chart == nullptr || from >= chart->units.size() || to >= chart->units.size()) return nullptr;
  return &chart->cells[from * chart->units.size() + to];
}

merovane_status merovane_search(const char* word, merovane_mode mode, merovane_matches** out) {
  return guarded([&] {
    if (word == nullptr || out == nullptr || (mode != MEROVANE_PRECISE && mode != MEROVANE_TABLES))
      return MEROVANE_INVALID_ARGUMENT;
    auto* matches = new merovane_matches{
        merovane::search(word, mode == MEROVANE_TABLES ? Mode::Tables : Mode::Precise), {}};
    for (const Match& match : matches->matches)
      matches->categories.push_back(match.category().caption());
    *out = matches;
    return MEROVANE_OK;
  });
}

void merovane_matches_free(merovane_matches* matches) {
  delete matches;
}

size_t merovane_matches_count(const merovane_matches* matches) {
  return matches == nullptr ? 0 : matches->matches.size();
}

const char* merovane_matches_name(const merovane_matches* matches, size_t index) {
  if (matches == nullptr || index >= matches->matches.size()) return nullptr;
  return matches->matches[index].name().c_str();
}

const char* merovane_matches_category(const merovane_matches* matches, size_t index) {
  return matches == nullptr ? nullptr : at(matches->categories, index);
}

merovane_status merovane_matches_unit(const merovane_matches* matches, size_t index,
                                      merovane_unit** out) {
  return deriveat(
      matches, index, out,
      [](const merovane_matches& of) -> const std::vector<Match>& { return of.matches; },
      [](const Match& match) { return unithandle(match.unit()); });
}

}  // extern "C"
