/* libmerovane for C (C99) and for any language that calls C: Merovane's conversions by the
 * names people type.
 *
 *   merovane_pair *pair;
 *   merovane_error *error;
 *   double metres;
 *   if (merovane_pair_find(NULL, "ft", "m", &pair, &error) != MEROVANE_OK) {
 *     fprintf(stderr, "%s\n", merovane_error_message(error));
 *     merovane_error_free(error);
 *   } else {
 *     merovane_pair_convert_number(pair, 5, NULL, &metres, NULL);   (metres == 1.524)
 *     merovane_pair_free(pair);
 *   }
 *
 * Every function that can fail returns a merovane_status, MEROVANE_OK on success, and writes
 * what it gives through its last pointers (each may be NULL where the caller does not want it).
 * Where a name does not resolve, *error (if asked for) receives a handle that says why.
 *
 * Handles are opaque; each one a function gives is the caller's to free with its _free function
 * (NULL is accepted and ignored), except those a function says another handle owns. Strings are
 * UTF-8, owned by the handle they came from, valid until it is freed. No exception crosses into C.
 *
 * Threads: every handle but merovane_options is immutable, and any calls may run at once from
 * many threads, on shared handles too; a merovane_options is read, never kept, by the calls.
 */
#ifndef MEROVANE_MEROVANE_C_H
#define MEROVANE_MEROVANE_C_H

#include <stddef.h>
#include <stdint.h>
#include <stdio.h>

#include "merovane/version.h"

#if defined(MEROVANE_BUILDING_LIBRARY)
#define MEROVANE_C_EXPORT __attribute__((visibility("default")))
#else
#define MEROVANE_C_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef enum merovane_status {
  MEROVANE_OK = 0,
  /* A name gave no answer (a merovane_error tells which and why). */
  MEROVANE_UNKNOWN_CATEGORY = 1,
  MEROVANE_UNKNOWN_UNIT = 2,       /* its candidates: the nearest names, maybe none */
  MEROVANE_AMBIGUOUS = 3,          /* its candidates: a name for each unit it may mean */
  MEROVANE_NO_COMMON_CATEGORY = 4, /* the two units are of different categories */
  MEROVANE_SEVERAL_CATEGORIES = 5, /* both units are in each of its candidates: name one */
  MEROVANE_UNREADABLE_REQUEST = 6, /* a request with a word that has no place in it */
  MEROVANE_NOT_IN_TABLES = 7,      /* by the tables, a unit the window's tables do not hold */
  /* A conversion gave no result (its merovane_result's message says why). */
  MEROVANE_NOTHING = 8,              /* the category converts nothing for this text (empty) */
  MEROVANE_NOT_A_NUMBER = 9,         /* the text is no number ("Type mismatch") */
  MEROVANE_OVERFLOW = 10,            /* a value or result beyond the double range */
  MEROVANE_BELOW_ABSOLUTE_ZERO = 11, /* a temperature below absolute zero, by the definitions */
  MEROVANE_BAD_DIGITS = 12,          /* digits outside MEROVANE_FEWEST_DIGITS..MOST_DIGITS */
  MEROVANE_NO_SUCH_UNIT = 13,        /* a position outside the category's units */
  MEROVANE_TOO_EXACT = 14,           /* a request whose exact fractions grow too large */
  /* The call itself. */
  MEROVANE_INVALID_ARGUMENT = 15, /* a NULL where a handle or text is needed, a bad mode */
  MEROVANE_OUT_OF_MEMORY = 16,
  MEROVANE_READ_FAILED = 17 /* a stream's input or output failed */
} merovane_status;

/* How a conversion is worked out: by the units' exact definitions (the default) or by the
 * window's tables, its figures for results that must match the window. */
typedef enum merovane_mode { MEROVANE_PRECISE = 0, MEROVANE_TABLES = 1 } merovane_mode;

enum {
  MEROVANE_FEWEST_DIGITS = 1,
  MEROVANE_MOST_DIGITS = 17,
  MEROVANE_WINDOW_DIGITS = 15 /* the default: as the window shows results */
};

typedef struct merovane_options merovane_options;
typedef struct merovane_error merovane_error;
typedef struct merovane_result merovane_result;
typedef struct merovane_category merovane_category;
typedef struct merovane_unit merovane_unit;
typedef struct merovane_pair merovane_pair;
typedef struct merovane_query merovane_query;
typedef struct merovane_chart merovane_chart;
typedef struct merovane_matches merovane_matches;

/* The library's version, "0.4.0"; MEROVANE_VERSION_STRING is the header's. */
MEROVANE_C_EXPORT const char* merovane_version(void);
/* A status's name in words ("unknown unit"); never NULL. */
MEROVANE_C_EXPORT const char* merovane_status_text(merovane_status status);

/* Options: NULL wherever options are taken means the defaults (by the definitions, 15 digits). */
MEROVANE_C_EXPORT merovane_status merovane_options_new(merovane_options** out);
MEROVANE_C_EXPORT void merovane_options_free(merovane_options* options);
MEROVANE_C_EXPORT merovane_status merovane_options_set_mode(merovane_options* options,
                                                            merovane_mode mode);
/* Any int is taken; digits outside the range make every conversion fail (MEROVANE_BAD_DIGITS). */
MEROVANE_C_EXPORT merovane_status merovane_options_set_digits(merovane_options* options,
                                                              int digits);
MEROVANE_C_EXPORT merovane_mode merovane_options_mode(const merovane_options* options);
MEROVANE_C_EXPORT int merovane_options_digits(const merovane_options* options);

/* Why a name, or a request, gave no answer. */
MEROVANE_C_EXPORT void merovane_error_free(merovane_error* error);
MEROVANE_C_EXPORT merovane_status merovane_error_status(const merovane_error* error);
/* One line: `unknown unit "celcius"; did you mean Celsius?` */
MEROVANE_C_EXPORT const char* merovane_error_message(const merovane_error* error);
/* The message with the valid names, a line each, where none is near (no line end at the end). */
MEROVANE_C_EXPORT const char* merovane_error_details(const merovane_error* error);
/* The names offered: the nearest names, the units an ambiguous name may mean, or the categories
 * that hold both units. Index past the count: NULL. */
MEROVANE_C_EXPORT size_t merovane_error_candidate_count(const merovane_error* error);
MEROVANE_C_EXPORT const char* merovane_error_candidate(const merovane_error* error, size_t index);

/* What a conversion gave: a result converted, or why not. */
MEROVANE_C_EXPORT void merovane_result_free(merovane_result* result);
/* MEROVANE_OK where converted, else why not. */
MEROVANE_C_EXPORT merovane_status merovane_result_status(const merovane_result* result);
/* The result's text ("1609.344"); "" unless converted. */
MEROVANE_C_EXPORT const char* merovane_result_text(const merovane_result* result);
/* The result as a double (the exact result rounded once); NaN unless converted. With several
 * destination units, the whole quantity in the last of them. */
MEROVANE_C_EXPORT double merovane_result_value(const merovane_result* result);
/* Why there is no result, in one line naming the value; "" where converted. */
MEROVANE_C_EXPORT const char* merovane_result_message(const merovane_result* result);
/* The short description the window shows ("Type mismatch"); "" unless it failed. */
MEROVANE_C_EXPORT const char* merovane_result_error(const merovane_result* result);

/* The categories: the window's twelve, then those only the definitions convert. */
MEROVANE_C_EXPORT size_t merovane_category_count(void);
MEROVANE_C_EXPORT merovane_status merovane_category_at(size_t index, merovane_category** out);
/* By its caption, ignoring case ("length"). */
MEROVANE_C_EXPORT merovane_status merovane_category_find(const char* caption,
                                                         merovane_category** out,
                                                         merovane_error** error);
MEROVANE_C_EXPORT void merovane_category_free(merovane_category* category);
MEROVANE_C_EXPORT const char* merovane_category_caption(const merovane_category* category);
/* The unit every unit's exact size is counted in ("m"). */
MEROVANE_C_EXPORT const char* merovane_category_reference(const merovane_category* category);
/* Whether the window shows it, with its tables: 1 or 0. */
MEROVANE_C_EXPORT int merovane_category_in_tables(const merovane_category* category);
/* Every unit: the window's listed units first, in its order, then the others. */
MEROVANE_C_EXPORT size_t merovane_category_unit_count(const merovane_category* category);
MEROVANE_C_EXPORT merovane_status merovane_category_unit(const merovane_category* category,
                                                         size_t index, merovane_unit** out);
/* Every pair of the window's listed units (of every unit, in a category the window does not
 * show) for one value. */
MEROVANE_C_EXPORT merovane_status merovane_category_chart(const merovane_category* category,
                                                          const char* value,
                                                          const merovane_options* options,
                                                          merovane_chart** out);

/* A unit of a category. */
MEROVANE_C_EXPORT void merovane_unit_free(merovane_unit* unit);
/* As it shows: its listed name, or its first symbol or name. */
MEROVANE_C_EXPORT const char* merovane_unit_name(const merovane_unit* unit);
/* The window's listed name ("Feet"); "" for a unit the window does not list. */
MEROVANE_C_EXPORT const char* merovane_unit_listed(const merovane_unit* unit);
/* Symbols, matched as written ("ft", "'"); other names, matched ignoring case ("foot"). */
MEROVANE_C_EXPORT size_t merovane_unit_symbol_count(const merovane_unit* unit);
MEROVANE_C_EXPORT const char* merovane_unit_symbol(const merovane_unit* unit, size_t index);
MEROVANE_C_EXPORT size_t merovane_unit_othername_count(const merovane_unit* unit);
MEROVANE_C_EXPORT const char* merovane_unit_othername(const merovane_unit* unit, size_t index);
MEROVANE_C_EXPORT merovane_status merovane_unit_category(const merovane_unit* unit,
                                                         merovane_category** out);
/* Its definition as written ("12 in"). */
MEROVANE_C_EXPORT const char* merovane_unit_definition(const merovane_unit* unit);
/* Its size in the category's reference unit as an exact fraction ("381/1250"); "" where it is no
 * multiple of the reference (a temperature scale with an offset, a reciprocal reading). */
MEROVANE_C_EXPORT const char* merovane_unit_exact(const merovane_unit* unit);
/* That size as a double; NaN where there is no such fraction. */
MEROVANE_C_EXPORT double merovane_unit_value(const merovane_unit* unit);
/* Whether the window's tables hold it (a listed unit or a multiple of one): 1 or 0. */
MEROVANE_C_EXPORT int merovane_unit_in_tables(const merovane_unit* unit);
/* A listed unit's multiples the window's tables convert through it (kWh of Watt-hours). */
MEROVANE_C_EXPORT size_t merovane_unit_multiple_count(const merovane_unit* unit);
MEROVANE_C_EXPORT merovane_status merovane_unit_multiple(const merovane_unit* unit, size_t index,
                                                         merovane_unit** out);
/* How many of its listed unit a multiple is, exactly ("1000", "1/760"); "1" for a listed unit,
 * "" for a unit the tables do not hold. */
MEROVANE_C_EXPORT const char* merovane_unit_factor(const merovane_unit* unit);

/* Two units of one category, by the names people type; `category` may be NULL (the one
 * category that holds both). */
MEROVANE_C_EXPORT merovane_status merovane_pair_find(const char* category, const char* from,
                                                     const char* to, merovane_pair** out,
                                                     merovane_error** error);
MEROVANE_C_EXPORT void merovane_pair_free(merovane_pair* pair);
MEROVANE_C_EXPORT merovane_status merovane_pair_category(const merovane_pair* pair,
                                                         merovane_category** out);
MEROVANE_C_EXPORT merovane_status merovane_pair_from(const merovane_pair* pair,
                                                     merovane_unit** out);
MEROVANE_C_EXPORT merovane_status merovane_pair_to(const merovane_pair* pair, merovane_unit** out);
/* The units as they show: listed names, or a multiple's name as typed. */
MEROVANE_C_EXPORT const char* merovane_pair_from_name(const merovane_pair* pair);
MEROVANE_C_EXPORT const char* merovane_pair_to_name(const merovane_pair* pair);
/* Whether the window's tables hold both units (MEROVANE_TABLES converts only such pairs). */
MEROVANE_C_EXPORT int merovane_pair_in_tables(const merovane_pair* pair);
/* A number, and a text as the window reads it ("2.5", "1E+3"). Returns the result's status;
 * *out receives the result either way. */
MEROVANE_C_EXPORT merovane_status merovane_pair_convert(const merovane_pair* pair, double value,
                                                        const merovane_options* options,
                                                        merovane_result** out);
MEROVANE_C_EXPORT merovane_status merovane_pair_convert_text(const merovane_pair* pair,
                                                             const char* value,
                                                             const merovane_options* options,
                                                             merovane_result** out);
/* A number to a number, with no handle to free: *value receives the result (NaN unless OK). */
MEROVANE_C_EXPORT merovane_status merovane_pair_convert_number(const merovane_pair* pair,
                                                               double value,
                                                               const merovane_options* options,
                                                               double* result);
/* Each line of `in` to a line of `out`: the result, or an empty line where it did not convert.
 * `failure` (may be NULL) is told of each line that did not convert: its number from 1 and why.
 * *lines and *failed receive how many lines were read and how many (not blank) failed. Returns
 * MEROVANE_OK, or MEROVANE_READ_FAILED where `in` or `out` failed. */
typedef void (*merovane_line_failure)(void* context, uint64_t line, const char* message);
MEROVANE_C_EXPORT merovane_status merovane_pair_convert_stream(
    const merovane_pair* pair, FILE* in, FILE* out, const merovane_options* options,
    merovane_line_failure failure, void* context, uint64_t* lines, uint64_t* failed);

/* A request as people write it: "5 ft 3 in to cm", "5'3\" cm", "1 1/2 cup ml". */
MEROVANE_C_EXPORT merovane_status merovane_query_read(const char* text, merovane_query** out,
                                                      merovane_error** error);
/* The same in words, each of which may hold several (a command's arguments), within `category`
 * unless it is NULL. */
MEROVANE_C_EXPORT merovane_status merovane_query_read_words(const char* const* words, size_t count,
                                                            const char* category,
                                                            merovane_query** out,
                                                            merovane_error** error);
MEROVANE_C_EXPORT void merovane_query_free(merovane_query* query);
/* The first unit of the quantity and the last of the destination. */
MEROVANE_C_EXPORT merovane_status merovane_query_pair(const merovane_query* query,
                                                      merovane_pair** out);
/* The quantity as read: "5 ft 3 in". */
MEROVANE_C_EXPORT const char* merovane_query_quantity(const merovane_query* query);
MEROVANE_C_EXPORT merovane_status merovane_query_convert(const merovane_query* query,
                                                         const merovane_options* options,
                                                         merovane_result** out);

/* A chart's units (its rows' and columns'), and the cell from unit `from` to unit `to`, which
 * the chart owns; outside the units, NULL. */
MEROVANE_C_EXPORT void merovane_chart_free(merovane_chart* chart);
MEROVANE_C_EXPORT size_t merovane_chart_unit_count(const merovane_chart* chart);
MEROVANE_C_EXPORT const char* merovane_chart_unit(const merovane_chart* chart, size_t index);
MEROVANE_C_EXPORT const merovane_result* merovane_chart_cell(const merovane_chart* chart,
                                                             size_t from, size_t to);

/* Every unit whose name, other names or symbols contain `word`, ignoring case; with
 * MEROVANE_TABLES only those the window's tables hold. Each match's name (the one that matched)
 * and its category's caption. */
MEROVANE_C_EXPORT merovane_status merovane_search(const char* word, merovane_mode mode,
                                                  merovane_matches** out);
MEROVANE_C_EXPORT void merovane_matches_free(merovane_matches* matches);
MEROVANE_C_EXPORT size_t merovane_matches_count(const merovane_matches* matches);
MEROVANE_C_EXPORT const char* merovane_matches_name(const merovane_matches* matches, size_t index);
MEROVANE_C_EXPORT const char* merovane_matches_category(const merovane_matches* matches,
                                                        size_t index);
MEROVANE_C_EXPORT merovane_status merovane_matches_unit(const merovane_matches* matches,
                                                        size_t index, merovane_unit** out);

#ifdef __cplusplus
}
#endif

#endif /* MEROVANE_MEROVANE_C_H */
