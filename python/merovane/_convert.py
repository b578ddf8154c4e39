"""Conversions: pairs of units, requests as people write them, and the shortcuts on both."""

from __future__ import annotations

import ctypes
import numbers

from . import _capi
from ._capi import Status
from ._catalogue import Category, Unit
from ._handles import Owned, Result, decode, encode, found, options, out, take_result


def _number(value: object) -> float:
    if isinstance(value, numbers.Real):
        return float(value)
    raise TypeError(f"the value must be a number or a str, not {type(value).__name__}")


def _optional(text: str | None, what: str) -> bytes | None:
    return None if text is None else encode(text, what)


class Pair(Owned):
    """Two units of one category, found by the names people type (listed names, other names,
    symbols, multiples, written forms, slips of case).

    ``Pair("mi", "km")`` takes the one category that holds both; ``category`` names it. A name
    that picks no one unit raises a NameLookupError with its ``candidates``.
    """

    __slots__ = ()
    _free = _capi.merovane_pair_free

    def __init__(self, from_: str, to: str, *, category: str | None = None) -> None:
        self._handle = found(
            _capi.PairP,
            _capi.merovane_pair_find,
            _optional(category, "the category"),
            encode(from_, "the unit to convert from"),
            encode(to, "the unit to convert to"),
        )

    @property
    def category(self) -> Category:
        return Category._adopt(out(_capi.CategoryP, _capi.merovane_pair_category, self._handle))

    @property
    def from_unit(self) -> Unit:
        return Unit._adopt(out(_capi.UnitP, _capi.merovane_pair_from, self._handle))

    @property
    def to_unit(self) -> Unit:
        return Unit._adopt(out(_capi.UnitP, _capi.merovane_pair_to, self._handle))

    @property
    def from_name(self) -> str:
        """The unit as it shows: its listed name, or a multiple's name as typed."""
        return decode(_capi.merovane_pair_from_name(self._handle))

    @property
    def to_name(self) -> str:
        return decode(_capi.merovane_pair_to_name(self._handle))

    @property
    def in_tables(self) -> bool:
        """Whether the window's tables hold both units (``tables=True`` converts only such
        pairs; the others raise NotInTables)."""
        return bool(_capi.merovane_pair_in_tables(self._handle))

    def convert(self, value: float, *, tables: bool = False, digits: int | None = None) -> Result:
        """Converts a number: by the units' exact definitions, or with ``tables`` by the
        window's figures; ``digits`` (1 to 17, 15 unless given) for the result's text."""
        result = _capi.ResultP()
        with options(tables, digits) as chosen:
            status = _capi.merovane_pair_convert(
                self._handle, _number(value), chosen, ctypes.byref(result)
            )
        return take_result(status, result)

    def convert_text(
        self, value: str, *, tables: bool = False, digits: int | None = None
    ) -> Result:
        """Converts a text as the window reads it ("2.5", "1E+3")."""
        result = _capi.ResultP()
        with options(tables, digits) as chosen:
            status = _capi.merovane_pair_convert_text(
                self._handle, encode(value, "the value"), chosen, ctypes.byref(result)
            )
        return take_result(status, result)

    def convert_number(self, value: float, *, tables: bool = False) -> float:
        """Converts a number to a number, with no text worked out."""
        number = _number(value)
        converted = ctypes.c_double()
        with options(tables) as chosen:
            status = _capi.merovane_pair_convert_number(
                self._handle, number, chosen, ctypes.byref(converted)
            )
        if status != Status.OK:
            # The failure again as a result, for its message that names the value.
            return self.convert(number, tables=tables).value
        return converted.value

    def __repr__(self) -> str:
        return f"<merovane.Pair {self.from_name!r} to {self.to_name!r}>"


class Query(Owned):
    """A request as people write it: a quantity ("5 ft 3 in", "5'3\\"", "1 1/2 cup"), an
    optional "to", and one destination unit or several ("ft in").

    ``Query("5 ft 3 in", "cm")`` reads the words (each may hold several, as a command's
    arguments do), within ``category`` where one is named; ``Query.read("5 ft 3 in to cm")``
    reads one text, names with blanks quoted as in the shell. A request that cannot be read
    raises UnreadableRequest, a name that picks no one unit another NameLookupError.
    """

    __slots__ = ()
    _free = _capi.merovane_query_free

    def __init__(self, *words: str, category: str | None = None) -> None:
        encoded = [encode(word, "a word of the request") for word in words]
        array = (ctypes.c_char_p * len(encoded))(*encoded)
        self._handle = found(
            _capi.QueryP,
            _capi.merovane_query_read_words,
            array,
            len(encoded),
            _optional(category, "the category"),
        )

    @classmethod
    def read(cls, text: str) -> Query:
        request = encode(text, "the request")
        return cls._adopt(found(_capi.QueryP, _capi.merovane_query_read, request))

    @property
    def quantity(self) -> str:
        """The quantity as read: "5 ft 3 in"."""
        return decode(_capi.merovane_query_quantity(self._handle))

    @property
    def pair(self) -> Pair:
        """The first unit of the quantity and the last of the destination."""
        return Pair._adopt(out(_capi.PairP, _capi.merovane_query_pair, self._handle))

    def convert(self, *, tables: bool = False, digits: int | None = None) -> Result:
        """Converts the request. A quantity of one plain term converts as its pair does, in
        either mode; any other is worked out as one exact fraction by the units' definitions
        and rounded once, which the tables refuse."""
        result = _capi.ResultP()
        with options(tables, digits) as chosen:
            status = _capi.merovane_query_convert(self._handle, chosen, ctypes.byref(result))
        return take_result(status, result)

    def __repr__(self) -> str:
        return f"<merovane.Query {self.quantity!r}>"


def result(
    value: float | str,
    unit: str,
    to: str | None = None,
    /,
    *,
    category: str | None = None,
    tables: bool = False,
    digits: int | None = None,
) -> Result:
    """Converts, and gives the whole Result: its ``text`` with the digits asked for (1 to 17,
    15 unless given) beside its ``value``. The arguments are those of ``convert``.

    >>> merovane.result(1, "mi", "km", digits=3).text
    '1.61'
    """
    if to is None:
        if not isinstance(value, str):
            raise TypeError("a number needs the unit to convert from and the unit to convert to")
        return Query(value, unit, category=category).convert(tables=tables, digits=digits)
    pair = Pair(unit, to, category=category)
    if isinstance(value, str):
        return pair.convert_text(value, tables=tables, digits=digits)
    return pair.convert(value, tables=tables, digits=digits)


def convert(
    value: float | str,
    unit: str,
    to: str | None = None,
    /,
    *,
    category: str | None = None,
    tables: bool = False,
) -> float:
    """Converts a value, by the units' exact definitions, or with ``tables`` by the window's
    figures (of its units and their multiples alone, NotInTables otherwise).

    Two forms:

    - ``convert(value, from_, to)``: a number, or a text as the window reads it ("2.5"), from
      one unit to another: ``convert(1, "mi", "km")`` is 1.609344.
    - ``convert(request, to)``: a quantity as people write it to a destination:
      ``convert("5 ft 3 in", "cm")`` is 160.02; with several destination units ("ft in") the
      whole quantity in the last of them.

    Names are those people type; ``category`` ("Length") limits them to one category. A name
    that picks no one unit raises a NameLookupError (UnknownUnit, Ambiguous, ...) with its
    ``candidates``, a failed conversion a ConversionError (NotANumber, Overflow,
    BelowAbsoluteZero, ...). ``result`` takes the same arguments and gives the text too.
    """
    if to is None or isinstance(value, str):
        return result(value, unit, to, category=category, tables=tables).value
    return Pair(unit, to, category=category).convert_number(value, tables=tables)

