"""The Python module merovane: the shared cases of tests/api/cases.tsv, then what only Python has.

Run from a build (CTest's merovane_python: MEROVANE_LIBRARY and PYTHONPATH name the build's
library and the sources' module) or against the installed python3-merovane, with neither set.
"""

import csv
import math
import re
from pathlib import Path

import pytest

import merovane

HERE = Path(__file__).resolve().parent
CASES = HERE.parent / "api" / "cases.tsv"


def read_cases():
    with CASES.open(encoding="utf-8", newline="") as rows:
        lines = (line for line in rows if line.strip() and not line.startswith("#"))
        return [
            pytest.param(*row, id=" ".join(row[:5]))
            for row in csv.reader(lines, delimiter="\t", quoting=csv.QUOTE_NONE)
        ]


def as_number(text):
    try:
        return float(text)
    except ValueError:
        return None


@pytest.mark.parametrize("kind, value, from_, to, mode, expected", read_cases())
def test_case(kind, value, from_, to, mode, expected):
    tables = mode == "tables"
    assert kind in ("pair", "request") and mode in ("precise", "tables")
    units = (from_, to) if kind == "pair" else (to,)
    # The text through result(); the float through convert(), by the pair from a number where
    # the value is one.
    calls = [lambda: merovane.result(value, *units, tables=tables).text]
    if kind == "pair" and as_number(value) is not None:
        calls.append(lambda: merovane.convert(as_number(value), *units, tables=tables))
    else:
        calls.append(lambda: merovane.convert(value, *units, tables=tables))
    for call in calls:
        if expected.startswith("!"):
            with pytest.raises(merovane.Error) as raised:
                call()
            assert raised.value.status.name == expected[1:]
            assert isinstance(raised.value, merovane.Error) and str(raised.value)
        else:
            got = call()
            if isinstance(got, str):
                assert got == expected
            elif as_number(expected) is not None:
                # The exact result rounded once, against its text's 15 digits.
                assert math.isclose(got, as_number(expected), rel_tol=1e-14)


def test_unknown_unit_offers_the_nearest_names():
    with pytest.raises(merovane.UnknownUnit) as raised:
        merovane.convert(1, "celcius", "K")
    assert "Celsius" in raised.value.candidates
    assert isinstance(raised.value, LookupError) and raised.value.details


@pytest.mark.parametrize(
    "call, error",
    [
        (lambda: merovane.convert(1, "ton", "kg"), merovane.Ambiguous),
        (lambda: merovane.convert(1, "m", "kg"), merovane.NoCommonCategory),
        (lambda: merovane.convert(1, "mi", "km", category="Mass"), merovane.UnknownCategory),
        (lambda: merovane.category("Lenght"), merovane.UnknownCategory),
        (lambda: merovane.convert("5 ft 3 in", "cm", "m"), merovane.NotANumber),
        (lambda: merovane.convert("", "mi", "km"), merovane.ConversionError),
        (lambda: merovane.result(1, "mi", "km", digits=0), merovane.BadDigits),
        (lambda: merovane.result(1, "mi", "km", digits=18), merovane.BadDigits),
        (lambda: merovane.result(1, "mi", "km", digits=2**40), merovane.BadDigits),
        (lambda: merovane.convert(1, "mi"), TypeError),
        (lambda: merovane.convert([1], "mi", "km"), TypeError),
        (lambda: merovane.result(1, "mi", "km", digits=2.5), TypeError),
        (lambda: merovane.convert(1, "m\0i", "km"), ValueError),
        (lambda: merovane.Unit(), TypeError),
    ],
)
def test_wrong_calls(call, error):
    with pytest.raises(error):
        call()


def test_ambiguous_names_each_unit_meant():
    with pytest.raises(merovane.Ambiguous) as raised:
        merovane.Pair("ton", "kg")
    assert len(raised.value.candidates) >= 2


def test_digits_round_the_text_not_the_value():
    got = merovane.result(1, "mi", "km", digits=3)
    assert (got.text, got.value, float(got), str(got)) == ("1.61", 1.609344, 1.609344, "1.61")


def test_a_foot():
    pair = merovane.Pair("ft", "m")
    foot = pair.from_unit
    assert (foot.name, foot.listed, foot.definition) == ("Feet", "Feet", "12 in")
    assert "ft" in foot.symbols and "Foot" in foot.other_names
    assert (foot.exact, foot.value, foot.factor, foot.in_tables) == ("381/1250", 0.3048, "1", True)
    assert foot.category == pair.category == merovane.category("length")
    assert pair.to_unit.name == pair.to_name == "Meters" and pair.from_name == "Feet"
    assert pair.in_tables and pair.convert(5).text == "1.524"
    assert pair.convert_text("1E+3").text == "304.8"


def test_units_beyond_the_tables():
    furlong = merovane.Pair("furlong", "m")
    assert not furlong.in_tables and not furlong.from_unit.in_tables
    assert furlong.from_unit.listed is None and furlong.from_unit.factor is None
    with pytest.raises(merovane.NotInTables):
        furlong.convert(1, tables=True)
    celsius = merovane.Pair("C", "K").from_unit
    assert celsius.exact is None and celsius.value is None


def test_multiples_convert_through_their_listed_unit():
    watt_hours = merovane.Pair("Wh", "J").from_unit
    factors = {unit.name: unit.factor for unit in watt_hours.multiples}
    assert (factors.get("kWh"), factors.get("MWh"), watt_hours.factor) == ("1000", "1000000", "1")


def test_categories():
    every = merovane.categories()
    assert len(every) == 18
    assert [category.in_tables for category in every] == [True] * 12 + [False] * 6
    assert len({category.caption for category in every}) == 18
    length = merovane.category("LENGTH")
    assert (length.caption, length.reference) == ("Length", "m")
    units = length.units
    assert units[0].listed and all(unit.category == length for unit in units)
    # The window's listed units first, then the others.
    listed = [unit.listed is not None for unit in units]
    assert listed == sorted(listed, reverse=True)


def test_chart():
    chart = merovane.category("Length").chart("1")
    assert chart["Miles", "Meters"].text == "1609.344"
    assert chart[0, 0].ok and len(chart.cells) == len(chart.units)
    assert not merovane.category("Length").chart("abc")["Miles", "Meters"].ok


def test_search():
    found = merovane.search("nautical")
    assert ("nmi", "Length") in [(match.name, match.category) for match in found]
    assert all(match.unit.category.caption == match.category for match in found)
    assert merovane.search("furlong") and not merovane.search("furlong", tables=True)


def test_query():
    query = merovane.Query.read("5 ft 3 in to cm")
    assert query.quantity == "5 ft 3 in" and query.pair.to_name == "Centimeters"
    assert query.convert().text == "160.02"
    assert merovane.Query("5ft", "to", "cm").convert().text == "152.4"
    with pytest.raises(merovane.UnreadableRequest):
        merovane.Query.read("5 ft 3 in")


def test_version_is_the_changelogs():
    changelog = HERE.parents[1] / "debian" / "changelog"
    top = re.match(r"merovane \(([^)]+)\)", changelog.read_text(encoding="utf-8"))
    assert top and merovane.__version__ == top.group(1)
