/* The C interface as a C99 program calls it: the conversions of tests/api/cases.tsv, which the
 * C++ and Python interfaces give alike, then units, errors, a chart, a search and a stream, with
 * every handle freed and every NULL refused.
 *
 *   merovane_capi_test CASES.tsv */
#include <math.h>
#include <merovane/merovane-c.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int failures = 0;

#define CHECK(condition)                                                      \
  do {                                                                        \
    if (!(condition)) {                                                       \
      fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
      ++failures;                                                             \
    }                                                                         \
  } while (0)

static const struct {
  merovane_status status;
  const char* name;
} kStatuses[] = {
    {MEROVANE_UNKNOWN_CATEGORY, "UNKNOWN_CATEGORY"},
    {MEROVANE_UNKNOWN_UNIT, "UNKNOWN_UNIT"},
    {MEROVANE_AMBIGUOUS, "AMBIGUOUS"},
    {MEROVANE_NO_COMMON_CATEGORY, "NO_COMMON_CATEGORY"},
    {MEROVANE_SEVERAL_CATEGORIES, "SEVERAL_CATEGORIES"},
    {MEROVANE_UNREADABLE_REQUEST, "UNREADABLE_REQUEST"},
    {MEROVANE_NOT_IN_TABLES, "NOT_IN_TABLES"},
    {MEROVANE_NOTHING, "NOTHING"},
    {MEROVANE_NOT_A_NUMBER, "NOT_A_NUMBER"},
    {MEROVANE_OVERFLOW, "OVERFLOW"},
    {MEROVANE_BELOW_ABSOLUTE_ZERO, "BELOW_ABSOLUTE_ZERO"},
    {MEROVANE_BAD_DIGITS, "BAD_DIGITS"},
    {MEROVANE_NO_SUCH_UNIT, "NO_SUCH_UNIT"},
    {MEROVANE_TOO_EXACT, "TOO_EXACT"},
};

static const char* statusname(merovane_status status) {
  size_t at;
  for (at = 0; at < sizeof kStatuses / sizeof kStatuses[0]; ++at)
    if (kStatuses[at].status == status) return kStatuses[at].name;
  return "?";
}

/* One case: the text it gives, or "!" and its status's name, into `got`. */
static void run(char* const* fields, char* got, size_t size) {
  merovane_options* options = NULL;
  merovane_result* result = NULL;
  merovane_error* error = NULL;
  merovane_status status;
  CHECK(merovane_options_new(&options) == MEROVANE_OK);
  CHECK(merovane_options_set_mode(
            options, strcmp(fields[4], "tables") == 0 ? MEROVANE_TABLES : MEROVANE_PRECISE) ==
        MEROVANE_OK);
  if (strcmp(fields[0], "request") == 0) {
    const char* words[2];
    merovane_query* query = NULL;
    words[0] = fields[1];
    words[1] = fields[3];
    status = merovane_query_read_words(words, 2, NULL, &query, &error);
    if (status == MEROVANE_OK) status = merovane_query_convert(query, options, &result);
    merovane_query_free(query);
  } else {
    merovane_pair* pair = NULL;
    status = merovane_pair_find(NULL, fields[2], fields[3], &pair, &error);
    if (status == MEROVANE_OK) {
      char* end;
      const double number = strtod(fields[1], &end);
      status = merovane_pair_convert_text(pair, fields[1], options, &result);
      if (*end == '\0') { /* a number gives what its text gives, as a double */
        double value;
        CHECK(merovane_pair_convert_number(pair, number, options, &value) == status);
        CHECK(status != MEROVANE_OK || value == merovane_result_value(result));
        CHECK(status == MEROVANE_OK || isnan(value));
      }
    }
    merovane_pair_free(pair);
  }
  if (status == MEROVANE_OK)
    snprintf(got, size, "%s", merovane_result_text(result));
  else
    snprintf(got, size, "!%s", statusname(status));
  CHECK(error == NULL || merovane_error_status(error) == status);
  merovane_result_free(result);
  merovane_error_free(error);
  merovane_options_free(options);
}

static void runcases(const char* path) {
  char line[512];
  int count = 0;
  FILE* file = fopen(path, "r");
  CHECK(file != NULL);
  if (file == NULL) return;
  while (fgets(line, sizeof line, file) != NULL) {
    char* fields[6];
    char got[128];
    int field = 0;
    char* at = line;
    line[strcspn(line, "\n")] = '\0';
    if (line[0] == '#' || line[0] == '\0') continue;
    for (; field < 6 && at != NULL; ++field) {
      fields[field] = at;
      at = strchr(at, '\t');
      if (at != NULL) *at++ = '\0';
    }
    CHECK(field == 6);
    if (field < 6) continue;
    run(fields, got, sizeof got);
    if (strcmp(got, fields[5]) != 0) {
      fprintf(stderr, "%s %s %s %s: got %s, not %s\n", fields[0], fields[1], fields[2], fields[3],
              got, fields[5]);
      ++failures;
    }
    ++count;
  }
  fclose(file);
  CHECK(count > 20);
}

static void units(void) {
  merovane_pair* pair = NULL;
  merovane_unit* foot = NULL;
  merovane_category* length = NULL;
  merovane_unit* watthours = NULL;
  merovane_unit* kilo = NULL;
  merovane_pair* energy = NULL;
  CHECK(merovane_pair_find("Length", "foot", "m", &pair, NULL) == MEROVANE_OK);
  CHECK(merovane_pair_from(pair, &foot) == MEROVANE_OK);
  CHECK(strcmp(merovane_unit_listed(foot), "Feet") == 0);
  CHECK(strcmp(merovane_unit_symbol(foot, 0), "ft") == 0);
  CHECK(merovane_unit_symbol(foot, merovane_unit_symbol_count(foot)) == NULL);
  CHECK(strcmp(merovane_unit_definition(foot), "12 in") == 0);
  CHECK(strcmp(merovane_unit_exact(foot), "381/1250") == 0);
  CHECK(merovane_unit_value(foot) == 0.3048);
  CHECK(merovane_unit_category(foot, &length) == MEROVANE_OK);
  CHECK(strcmp(merovane_category_caption(length), "Length") == 0);
  CHECK(strcmp(merovane_category_reference(length), "m") == 0);
  CHECK(merovane_category_in_tables(length) == 1);
  CHECK(merovane_category_unit_count(length) > 22);

  CHECK(merovane_pair_find(NULL, "kWh", "J", &energy, NULL) == MEROVANE_OK);
  CHECK(strcmp(merovane_pair_from_name(energy), "kWh") == 0);
  merovane_pair_free(energy);
  merovane_pair_free(pair);
  CHECK(merovane_pair_find(NULL, "Wh", "J", &pair, NULL) == MEROVANE_OK);
  CHECK(merovane_pair_from(pair, &watthours) == MEROVANE_OK);
  CHECK(merovane_unit_multiple_count(watthours) > 0);
  CHECK(merovane_unit_multiple(watthours, 0, &kilo) == MEROVANE_OK);
  CHECK(strcmp(merovane_unit_factor(kilo), "1000") == 0);
  merovane_unit_free(kilo);
  merovane_unit_free(watthours);
  merovane_category_free(length);
  merovane_unit_free(foot);
  merovane_pair_free(pair);
}

static void errors(void) {
  merovane_error* error = NULL;
  merovane_pair* pair = NULL;
  CHECK(merovane_pair_find(NULL, "celcius", "F", &pair, &error) == MEROVANE_UNKNOWN_UNIT);
  CHECK(pair == NULL);
  CHECK(strcmp(merovane_error_message(error), "unknown unit \"celcius\"; did you mean Celsius?") ==
        0);
  CHECK(merovane_error_candidate_count(error) == 1);
  CHECK(strcmp(merovane_error_candidate(error, 0), "Celsius") == 0);
  merovane_error_free(error);
  CHECK(merovane_category_find("Lenght", NULL, &error) == MEROVANE_UNKNOWN_CATEGORY);
  CHECK(strncmp(merovane_error_details(error),
                "unknown category \"Lenght\"; the categories are:\nArea\n", 52) == 0);
  merovane_error_free(error);
  /* A NULL where a text or handle is needed is refused, never followed. */
  CHECK(merovane_pair_find(NULL, NULL, "m", &pair, NULL) == MEROVANE_INVALID_ARGUMENT);
  CHECK(merovane_pair_convert(NULL, 1, NULL, NULL) == MEROVANE_INVALID_ARGUMENT);
  CHECK(merovane_options_set_mode(NULL, MEROVANE_TABLES) == MEROVANE_INVALID_ARGUMENT);
  CHECK(strcmp(merovane_result_text(NULL), "") == 0);
  CHECK(strcmp(merovane_status_text(MEROVANE_UNKNOWN_UNIT), "unknown unit") == 0);
  CHECK(strcmp(merovane_version(), MEROVANE_VERSION_STRING) == 0);
}

static void chartsearchstream(void) {
  merovane_category* length = NULL;
  merovane_chart* chart = NULL;
  merovane_matches* matches = NULL;
  merovane_pair* pair = NULL;
  FILE* in = tmpfile();
  FILE* out = tmpfile();
  char text[64] = {0};
  uint64_t lines = 0, failed = 0;
  CHECK(merovane_category_find("length", &length, NULL) == MEROVANE_OK);
  CHECK(merovane_category_chart(length, "1", NULL, &chart) == MEROVANE_OK);
  CHECK(merovane_chart_unit_count(chart) == 22);
  CHECK(merovane_chart_cell(chart, 22, 0) == NULL);
  CHECK(merovane_result_status(merovane_chart_cell(chart, 0, 0)) == MEROVANE_OK);
  CHECK(merovane_search("furlong", MEROVANE_PRECISE, &matches) == MEROVANE_OK);
  CHECK(merovane_matches_count(matches) > 0);
  CHECK(strcmp(merovane_matches_category(matches, 0), "Length") == 0);
  CHECK(merovane_pair_find(NULL, "mi", "m", &pair, NULL) == MEROVANE_OK);
  fputs("1\nabc\n2\n", in);
  rewind(in);
  CHECK(merovane_pair_convert_stream(pair, in, out, NULL, NULL, NULL, &lines, &failed) ==
        MEROVANE_OK);
  CHECK(lines == 3 && failed == 1);
  rewind(out);
  CHECK(fread(text, 1, sizeof text - 1, out) > 0);
  CHECK(strcmp(text, "1609.344\n\n3218.688\n") == 0);
  fclose(in);
  fclose(out);
  merovane_pair_free(pair);
  merovane_matches_free(matches);
  merovane_chart_free(chart);
  merovane_category_free(length);
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: merovane_capi_test CASES.tsv\n");
    return 2;
  }
  runcases(argv[1]);
  units();
  errors();
  chartsearchstream();
  return failures == 0 ? 0 : 1;
}
