"""Merovane's unit conversions by the names people type, on libmerovane's C interface.

>>> import merovane
>>> merovane.convert(1, "mi", "km")
1.609344
>>> merovane.convert("5 ft 3 in", "cm")
160.02
>>> merovane.result(12, "in", "ft", tables=True).text   # the window's tables
'0.99999996'

By default a result is the true value by the units' exact definitions; ``tables=True`` gives
the window's figures instead. Names that pick no one unit raise a NameLookupError with the
names meant (``candidates``), failed conversions a ConversionError; both are merovane.Error.
Every object is an immutable value and calls may run from many threads at once.

The library is loaded by its SONAME, libmerovane.so.1; the environment variable
MEROVANE_LIBRARY (a path) loads another one, such as a build tree's.
"""

from ._capi import Status, merovane_version
from ._catalogue import Category, Chart, Match, Unit, categories, category, search
from ._convert import Pair, Query, convert, result
from ._errors import (
    Ambiguous,
    BadDigits,
    BelowAbsoluteZero,
    ConversionError,
    Error,
    InvalidArgument,
    NameLookupError,
    NoCommonCategory,
    NoSuchUnit,
    NotANumber,
    NothingToConvert,
    NotInTables,
    OutOfMemory,
    Overflow,
    ReadFailed,
    SeveralCategories,
    TooExact,
    UnknownCategory,
    UnknownUnit,
    UnreadableRequest,
)
from ._handles import Result

__version__: str = merovane_version().decode("ascii")

__all__ = [
    "Ambiguous",
    "BadDigits",
    "BelowAbsoluteZero",
    "Category",
    "Chart",
    "ConversionError",
    "Error",
    "InvalidArgument",
    "Match",
    "NameLookupError",
    "NoCommonCategory",
    "NoSuchUnit",
    "NotANumber",
    "NotInTables",
    "NothingToConvert",
    "OutOfMemory",
    "Overflow",
    "Pair",
    "Query",
    "ReadFailed",
    "Result",
    "SeveralCategories",
    "Status",
    "TooExact",
    "Unit",
    "UnknownCategory",
    "UnknownUnit",
    "UnreadableRequest",
    "categories",
    "category",
    "convert",
    "result",
    "search",
    "__version__",
]
