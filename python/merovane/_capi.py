"""The C interface of libmerovane (merovane/merovane-c.h) declared for ctypes.

Every function of the header is declared with its argument and result types, so that ctypes
checks what is passed and never guesses an int where a pointer is returned. The handles are
distinct opaque types: passing a unit where a pair is expected is a TypeError, not a crash.
"""

from __future__ import annotations

import ctypes
import enum
import os
from ctypes import POINTER, c_char_p, c_double, c_int, c_size_t, c_uint64, c_void_p
from typing import Any

# The library by its SONAME, as the dynamic linker finds it; MEROVANE_LIBRARY (a path) loads
# another one, such as a build tree's.
SONAME = "libmerovane.so.1"
LIBRARY_VARIABLE = "MEROVANE_LIBRARY"


def _load() -> ctypes.CDLL:
    path = os.environ.get(LIBRARY_VARIABLE) or SONAME
    try:
        return ctypes.CDLL(path)
    except OSError as error:
        raise ImportError(
            f"merovane: cannot load {path} ({error}); install libmerovane1, or set "
            f"{LIBRARY_VARIABLE} to the library's path"
        ) from error


lib = _load()


class Status(enum.IntEnum):
    """What a call of the library gave: OK, or why not (merovane_status without MEROVANE_)."""

    OK = 0
    UNKNOWN_CATEGORY = 1
    UNKNOWN_UNIT = 2
    AMBIGUOUS = 3
    NO_COMMON_CATEGORY = 4
    SEVERAL_CATEGORIES = 5
    UNREADABLE_REQUEST = 6
    NOT_IN_TABLES = 7
    NOTHING = 8
    NOT_A_NUMBER = 9
    OVERFLOW = 10
    BELOW_ABSOLUTE_ZERO = 11
    BAD_DIGITS = 12
    NO_SUCH_UNIT = 13
    TOO_EXACT = 14
    INVALID_ARGUMENT = 15
    OUT_OF_MEMORY = 16
    READ_FAILED = 17


PRECISE = 0
TABLES = 1
FEWEST_DIGITS = 1
MOST_DIGITS = 17
WINDOW_DIGITS = 15


class _Opaque(ctypes.Structure):
    """A handle's type: only ever pointed to, never laid out."""


class Options(_Opaque):
    pass


class Error(_Opaque):
    pass


class Result(_Opaque):
    pass


class Category(_Opaque):
    pass


class Unit(_Opaque):
    pass


class Pair(_Opaque):
    pass


class Query(_Opaque):
    pass


class Chart(_Opaque):
    pass


class Matches(_Opaque):
    pass


OptionsP = POINTER(Options)
ErrorP = POINTER(Error)
ResultP = POINTER(Result)
CategoryP = POINTER(Category)
UnitP = POINTER(Unit)
PairP = POINTER(Pair)
QueryP = POINTER(Query)
ChartP = POINTER(Chart)
MatchesP = POINTER(Matches)

status_t = c_int
mode_t = c_int
# merovane_line_failure: (context, line, message).
LineFailure = ctypes.CFUNCTYPE(None, c_void_p, c_uint64, c_char_p)


def _declare(name: str, restype: object, *argtypes: object) -> Any:
    function = getattr(lib, name)
    function.restype = restype
    function.argtypes = argtypes
    return function


merovane_version = _declare("merovane_version", c_char_p)
merovane_status_text = _declare("merovane_status_text", c_char_p, status_t)

merovane_options_new = _declare("merovane_options_new", status_t, POINTER(OptionsP))
merovane_options_free = _declare("merovane_options_free", None, OptionsP)
merovane_options_set_mode = _declare("merovane_options_set_mode", status_t, OptionsP, mode_t)
merovane_options_set_digits = _declare("merovane_options_set_digits", status_t, OptionsP, c_int)
merovane_options_mode = _declare("merovane_options_mode", mode_t, OptionsP)
merovane_options_digits = _declare("merovane_options_digits", c_int, OptionsP)

merovane_error_free = _declare("merovane_error_free", None, ErrorP)
merovane_error_status = _declare("merovane_error_status", status_t, ErrorP)
merovane_error_message = _declare("merovane_error_message", c_char_p, ErrorP)
merovane_error_details = _declare("merovane_error_details", c_char_p, ErrorP)
merovane_error_candidate_count = _declare("merovane_error_candidate_count", c_size_t, ErrorP)
merovane_error_candidate = _declare("merovane_error_candidate", c_char_p, ErrorP, c_size_t)

merovane_result_free = _declare("merovane_result_free", None, ResultP)
merovane_result_status = _declare("merovane_result_status", status_t, ResultP)
merovane_result_text = _declare("merovane_result_text", c_char_p, ResultP)
merovane_result_value = _declare("merovane_result_value", c_double, ResultP)
merovane_result_message = _declare("merovane_result_message", c_char_p, ResultP)
merovane_result_error = _declare("merovane_result_error", c_char_p, ResultP)

merovane_category_count = _declare("merovane_category_count", c_size_t)
merovane_category_at = _declare("merovane_category_at", status_t, c_size_t, POINTER(CategoryP))
merovane_category_find = _declare(
    "merovane_category_find", status_t, c_char_p, POINTER(CategoryP), POINTER(ErrorP)
)
merovane_category_free = _declare("merovane_category_free", None, CategoryP)
merovane_category_caption = _declare("merovane_category_caption", c_char_p, CategoryP)
merovane_category_reference = _declare("merovane_category_reference", c_char_p, CategoryP)
merovane_category_in_tables = _declare("merovane_category_in_tables", c_int, CategoryP)
merovane_category_unit_count = _declare("merovane_category_unit_count", c_size_t, CategoryP)
merovane_category_unit = _declare(
    "merovane_category_unit", status_t, CategoryP, c_size_t, POINTER(UnitP)
)
merovane_category_chart = _declare(
    "merovane_category_chart", status_t, CategoryP, c_char_p, OptionsP, POINTER(ChartP)
)

merovane_unit_free = _declare("merovane_unit_free", None, UnitP)
merovane_unit_name = _declare("merovane_unit_name", c_char_p, UnitP)
merovane_unit_listed = _declare("merovane_unit_listed", c_char_p, UnitP)
merovane_unit_symbol_count = _declare("merovane_unit_symbol_count", c_size_t, UnitP)
merovane_unit_symbol = _declare("merovane_unit_symbol", c_char_p, UnitP, c_size_t)
merovane_unit_othername_count = _declare("merovane_unit_othername_count", c_size_t, UnitP)
merovane_unit_othername = _declare("merovane_unit_othername", c_char_p, UnitP, c_size_t)
merovane_unit_category = _declare("merovane_unit_category", status_t, UnitP, POINTER(CategoryP))
merovane_unit_definition = _declare("merovane_unit_definition", c_char_p, UnitP)
merovane_unit_exact = _declare("merovane_unit_exact", c_char_p, UnitP)
merovane_unit_value = _declare("merovane_unit_value", c_double, UnitP)
merovane_unit_in_tables = _declare("merovane_unit_in_tables", c_int, UnitP)
merovane_unit_multiple_count = _declare("merovane_unit_multiple_count", c_size_t, UnitP)
merovane_unit_multiple = _declare(
    "merovane_unit_multiple", status_t, UnitP, c_size_t, POINTER(UnitP)
)
merovane_unit_factor = _declare("merovane_unit_factor", c_char_p, UnitP)

merovane_pair_find = _declare(
    "merovane_pair_find", status_t, c_char_p, c_char_p, c_char_p, POINTER(PairP), POINTER(ErrorP)
)
merovane_pair_free = _declare("merovane_pair_free", None, PairP)
merovane_pair_category = _declare("merovane_pair_category", status_t, PairP, POINTER(CategoryP))
merovane_pair_from = _declare("merovane_pair_from", status_t, PairP, POINTER(UnitP))
merovane_pair_to = _declare("merovane_pair_to", status_t, PairP, POINTER(UnitP))
merovane_pair_from_name = _declare("merovane_pair_from_name", c_char_p, PairP)
merovane_pair_to_name = _declare("merovane_pair_to_name", c_char_p, PairP)
merovane_pair_in_tables = _declare("merovane_pair_in_tables", c_int, PairP)
merovane_pair_convert = _declare(
    "merovane_pair_convert", status_t, PairP, c_double, OptionsP, POINTER(ResultP)
)
merovane_pair_convert_text = _declare(
    "merovane_pair_convert_text", status_t, PairP, c_char_p, OptionsP, POINTER(ResultP)
)
merovane_pair_convert_number = _declare(
    "merovane_pair_convert_number", status_t, PairP, c_double, OptionsP, POINTER(c_double)
)
# FILE* streams: declared for completeness; Python's files are not C streams.
merovane_pair_convert_stream = _declare(
    "merovane_pair_convert_stream",
    status_t,
    PairP,
    c_void_p,
    c_void_p,
    OptionsP,
    LineFailure,
    c_void_p,
    POINTER(c_uint64),
    POINTER(c_uint64),
)

merovane_query_read = _declare(
    "merovane_query_read", status_t, c_char_p, POINTER(QueryP), POINTER(ErrorP)
)
merovane_query_read_words = _declare(
    "merovane_query_read_words",
    status_t,
    POINTER(c_char_p),
    c_size_t,
    c_char_p,
    POINTER(QueryP),
    POINTER(ErrorP),
)
merovane_query_free = _declare("merovane_query_free", None, QueryP)
merovane_query_pair = _declare("merovane_query_pair", status_t, QueryP, POINTER(PairP))
merovane_query_quantity = _declare("merovane_query_quantity", c_char_p, QueryP)
merovane_query_convert = _declare(
    "merovane_query_convert", status_t, QueryP, OptionsP, POINTER(ResultP)
)

merovane_chart_free = _declare("merovane_chart_free", None, ChartP)
merovane_chart_unit_count = _declare("merovane_chart_unit_count", c_size_t, ChartP)
merovane_chart_unit = _declare("merovane_chart_unit", c_char_p, ChartP, c_size_t)
# The cell is the chart's: never freed on its own.
merovane_chart_cell = _declare("merovane_chart_cell", ResultP, ChartP, c_size_t, c_size_t)

merovane_search = _declare("merovane_search", status_t, c_char_p, mode_t, POINTER(MatchesP))
merovane_matches_free = _declare("merovane_matches_free", None, MatchesP)
merovane_matches_count = _declare("merovane_matches_count", c_size_t, MatchesP)
merovane_matches_name = _declare("merovane_matches_name", c_char_p, MatchesP, c_size_t)
merovane_matches_category = _declare("merovane_matches_category", c_char_p, MatchesP, c_size_t)
merovane_matches_unit = _declare(
    "merovane_matches_unit", status_t, MatchesP, c_size_t, POINTER(UnitP)
)
