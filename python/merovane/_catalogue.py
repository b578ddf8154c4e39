"""The categories and their units, charts, and the search of units by a word."""

from __future__ import annotations

import math
from dataclasses import dataclass

from . import _capi
from ._handles import (
    Owned,
    Result,
    copy_result,
    decode,
    encode,
    found,
    options,
    out,
    strings,
)


class Category(Owned):
    """A category: the window's twelve (``in_tables``), then those only the definitions convert.

    ``Category("length")`` finds one by its caption, ignoring case (UnknownCategory otherwise).
    """

    __slots__ = ()
    _free = _capi.merovane_category_free

    def __init__(self, caption: str) -> None:
        self._handle = found(
            _capi.CategoryP, _capi.merovane_category_find, encode(caption, "the caption")
        )

    @property
    def caption(self) -> str:
        """As the window shows it: "Length"."""
        return decode(_capi.merovane_category_caption(self._handle))

    @property
    def reference(self) -> str:
        """The unit every unit's exact size is counted in ("m")."""
        return decode(_capi.merovane_category_reference(self._handle))

    @property
    def in_tables(self) -> bool:
        """Whether the window shows the category, with its tables."""
        return bool(_capi.merovane_category_in_tables(self._handle))

    @property
    def units(self) -> list[Unit]:
        """Every unit: the window's listed units first, in its order, then the others."""
        return [
            Unit._adopt(out(_capi.UnitP, _capi.merovane_category_unit, self._handle, index))
            for index in range(_capi.merovane_category_unit_count(self._handle))
        ]

    def chart(self, value: str, *, tables: bool = False, digits: int | None = None) -> Chart:
        """Every pair of the window's listed units (of every unit, in a category the window does
        not show) converted for one value, a text as the window reads it."""
        with options(tables, digits) as chosen:
            handle = out(
                _capi.ChartP,
                _capi.merovane_category_chart,
                self._handle,
                encode(value, "the value"),
                chosen,
            )
        try:
            return Chart._copy(handle)
        finally:
            _capi.merovane_chart_free(handle)

    def __eq__(self, other: object) -> bool:
        return isinstance(other, Category) and self.caption == other.caption

    def __hash__(self) -> int:
        return hash(self.caption)

    def __repr__(self) -> str:
        return f"merovane.Category({self.caption!r})"


class Unit(Owned):
    """A unit of a category, with its names and its exact size.

    Units come from a category's ``units``, a pair's ``from_unit`` and ``to_unit``, a unit's
    ``multiples`` and ``search``.
    """

    __slots__ = ()
    _free = _capi.merovane_unit_free

    @property
    def name(self) -> str:
        """As it shows: its listed name ("Feet"), or its first symbol or name."""
        return decode(_capi.merovane_unit_name(self._handle))

    @property
    def listed(self) -> str | None:
        """The window's listed name ("Feet"); None for a unit the window does not list."""
        return decode(_capi.merovane_unit_listed(self._handle)) or None

    @property
    def symbols(self) -> list[str]:
        """Its symbols, which match as written ("ft", "'")."""
        return strings(self._handle, _capi.merovane_unit_symbol_count, _capi.merovane_unit_symbol)

    @property
    def other_names(self) -> list[str]:
        """Its other names, which match ignoring case ("foot")."""
        return strings(
            self._handle, _capi.merovane_unit_othername_count, _capi.merovane_unit_othername
        )

    @property
    def category(self) -> Category:
        return Category._adopt(out(_capi.CategoryP, _capi.merovane_unit_category, self._handle))

    @property
    def definition(self) -> str:
        """Its definition as written ("12 in")."""
        return decode(_capi.merovane_unit_definition(self._handle))

    @property
    def exact(self) -> str | None:
        """Its size in the category's reference unit as an exact fraction ("381/1250"); None
        where it is no multiple of the reference (a temperature scale with an offset, a
        reciprocal reading)."""
        return decode(_capi.merovane_unit_exact(self._handle)) or None

    @property
    def value(self) -> float | None:
        """That size as a float (0.3048); None where there is no such fraction."""
        size = _capi.merovane_unit_value(self._handle)
        return None if math.isnan(size) else size

    @property
    def in_tables(self) -> bool:
        """Whether the window's tables hold it (a listed unit or a multiple of one)."""
        return bool(_capi.merovane_unit_in_tables(self._handle))

    @property
    def multiples(self) -> list[Unit]:
        """A listed unit's multiples the tables convert through it (kWh of Watt-hours)."""
        return [
            Unit._adopt(out(_capi.UnitP, _capi.merovane_unit_multiple, self._handle, index))
            for index in range(_capi.merovane_unit_multiple_count(self._handle))
        ]

    @property
    def factor(self) -> str | None:
        """How many of its listed unit a multiple is, exactly ("1000", "1/760"); "1" for a
        listed unit, None for a unit the tables do not hold."""
        return decode(_capi.merovane_unit_factor(self._handle)) or None

    def __eq__(self, other: object) -> bool:
        return isinstance(other, Unit) and self._key() == other._key()

    def __hash__(self) -> int:
        return hash(self._key())

    def _key(self) -> tuple[str, str]:
        return (self.category.caption, self.name)

    def __repr__(self) -> str:
        return f"<merovane.Unit {self.name!r} of {self.category.caption}>"


@dataclass(frozen=True)
class Chart:
    """A category's chart for one value: ``units`` label its rows and columns, and
    ``chart[from_, to]`` (names or positions) is the Result of that cell, which may have failed
    (a result grid that fails in one cell fails in all of them)."""

    units: tuple[str, ...]
    cells: tuple[tuple[Result, ...], ...]

    @classmethod
    def _copy(cls, handle: object) -> Chart:
        count = _capi.merovane_chart_unit_count(handle)
        columns = range(count)
        units = tuple(decode(_capi.merovane_chart_unit(handle, index)) for index in columns)
        cells = tuple(
            tuple(copy_result(_capi.merovane_chart_cell(handle, row, column)) for column in columns)
            for row in columns
        )
        return cls(units, cells)

    def __getitem__(self, key: tuple[str | int, str | int]) -> Result:
        row, column = (self._position(k) for k in key)
        return self.cells[row][column]

    def _position(self, unit: str | int) -> int:
        if not isinstance(unit, str):
            return unit
        try:
            return self.units.index(unit)
        except ValueError:
            raise KeyError(unit) from None


@dataclass(frozen=True)
class Match:
    """A unit found by ``search``: the name that matched, its category's caption, the unit."""

    name: str
    category: str
    unit: Unit


def categories() -> list[Category]:
    """Every category: the window's twelve, then those only the definitions convert."""
    return [
        Category._adopt(out(_capi.CategoryP, _capi.merovane_category_at, index))
        for index in range(_capi.merovane_category_count())
    ]


def category(caption: str) -> Category:
    """The category of that caption, ignoring case; UnknownCategory where none has it."""
    return Category(caption)


def search(word: str, tables: bool = False) -> list[Match]:
    """Every unit whose name, other names or symbols contain ``word``, ignoring case; with
    ``tables`` only those the window's tables hold."""
    mode = _capi.TABLES if tables else _capi.PRECISE
    handle = out(_capi.MatchesP, _capi.merovane_search, encode(word, "the word"), mode)
    try:
        return [
            Match(
                name=decode(_capi.merovane_matches_name(handle, index)),
                category=decode(_capi.merovane_matches_category(handle, index)),
                unit=Unit._adopt(out(_capi.UnitP, _capi.merovane_matches_unit, handle, index)),
            )
            for index in range(_capi.merovane_matches_count(handle))
        ]
    finally:
        _capi.merovane_matches_free(handle)
