"""The exceptions: one class for each merovane_status but OK, under three bases."""

from __future__ import annotations

from collections.abc import Iterable

from ._capi import Status


class Error(Exception):
    """Why the library gave no answer.

    str(error) is one line, the library's message. ``status`` is the C status, ``details`` the
    message with the valid names a line each where they help, ``candidates`` the names offered
    (the nearest names, the units an ambiguous name may mean, the categories that hold both
    units), and ``description`` the short description the window shows for a failed
    conversion ("Type mismatch"), or "".
    """

    status: Status = Status.INVALID_ARGUMENT

    def __init__(
        self,
        message: str,
        *,
        details: str = "",
        candidates: Iterable[str] = (),
        description: str = "",
    ) -> None:
        super().__init__(message)
        self.message = message
        self.details = details or message
        self.candidates: list[str] = list(candidates)
        self.description = description


class NameLookupError(Error, LookupError):
    """A name, or a request, that gave no answer."""


class UnknownCategory(NameLookupError):
    status = Status.UNKNOWN_CATEGORY


class UnknownUnit(NameLookupError):
    """No unit goes by the name; ``candidates`` are the nearest names, maybe none."""

    status = Status.UNKNOWN_UNIT


class Ambiguous(NameLookupError):
    """The name stands for several units; ``candidates`` names each."""

    status = Status.AMBIGUOUS


class NoCommonCategory(NameLookupError):
    status = Status.NO_COMMON_CATEGORY


class SeveralCategories(NameLookupError):
    """Both units are in each category of ``candidates``: name one."""

    status = Status.SEVERAL_CATEGORIES


class UnreadableRequest(NameLookupError):
    status = Status.UNREADABLE_REQUEST


class NotInTables(NameLookupError):
    """By the tables, a unit the window's tables do not hold."""

    status = Status.NOT_IN_TABLES


class ConversionError(Error, ValueError):
    """A conversion that gave no result."""


class NothingToConvert(ConversionError):
    """The category converts nothing for this text (an empty one)."""

    status = Status.NOTHING


class NotANumber(ConversionError):
    status = Status.NOT_A_NUMBER


class Overflow(ConversionError, OverflowError):
    status = Status.OVERFLOW


class BelowAbsoluteZero(ConversionError):
    status = Status.BELOW_ABSOLUTE_ZERO


class BadDigits(ConversionError):
    status = Status.BAD_DIGITS


class NoSuchUnit(ConversionError):
    status = Status.NO_SUCH_UNIT


class TooExact(ConversionError):
    """A request whose exact fractions grow too large."""

    status = Status.TOO_EXACT


class InvalidArgument(Error, ValueError):
    status = Status.INVALID_ARGUMENT


class OutOfMemory(Error, MemoryError):
    status = Status.OUT_OF_MEMORY


class ReadFailed(Error, OSError):
    status = Status.READ_FAILED


BY_STATUS: dict[int, type[Error]] = {
    cls.status: cls
    for cls in (
        UnknownCategory,
        UnknownUnit,
        Ambiguous,
        NoCommonCategory,
        SeveralCategories,
        UnreadableRequest,
        NotInTables,
        NothingToConvert,
        NotANumber,
        Overflow,
        BelowAbsoluteZero,
        BadDigits,
        NoSuchUnit,
        TooExact,
        InvalidArgument,
        OutOfMemory,
        ReadFailed,
    )
}
