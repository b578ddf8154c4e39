"""What every wrapper shares: owned handles, texts in and out, options, errors and results."""

from __future__ import annotations

import ctypes
from collections.abc import Callable, Iterator
from contextlib import contextmanager
from dataclasses import dataclass
from typing import Any, ClassVar, TypeVar

from . import _capi
from ._capi import Status
from ._errors import BY_STATUS, Error

_C_INT_MIN = -(2**31)
_C_INT_MAX = 2**31 - 1

OwnedT = TypeVar("OwnedT", bound="Owned")


class Owned:
    """A Python object that owns one handle of the library and frees it when it goes.

    The handle's strings are copied into Python str on each access, so nothing read from it
    outlives it.
    """

    __slots__ = ("_handle",)
    _free: ClassVar[Callable[[Any], None]]

    def __init__(self) -> None:
        raise TypeError(f"merovane.{type(self).__name__} objects come from the library's calls")

    @classmethod
    def _adopt(cls: type[OwnedT], handle: Any) -> OwnedT:
        if not handle:
            raise Error("the library gave no handle")
        self = object.__new__(cls)
        self._handle = handle
        return self

    def __del__(self) -> None:
        handle = getattr(self, "_handle", None)
        if handle:
            self._handle = None
            type(self)._free(handle)


def encode(text: str, what: str) -> bytes:
    """A str as the library takes it: UTF-8, which a NUL would cut short."""
    if not isinstance(text, str):
        raise TypeError(f"{what} must be a str, not {type(text).__name__}")
    if "\0" in text:
        raise ValueError(f"{what} holds a NUL character")
    return text.encode("utf-8")


def decode(text: bytes | None) -> str:
    """A string the library gave (NULL reads as "")."""
    return text.decode("utf-8", errors="replace") if text else ""


def strings(
    handle: Any, count: Callable[[Any], int], item: Callable[[Any, int], bytes | None]
) -> list[str]:
    """The strings a count and an item function give, copied."""
    return [decode(item(handle, index)) for index in range(count(handle))]


def raise_error(handle: Any) -> None:
    """Raises the exception a merovane_error stands for, and frees the handle."""
    try:
        status = Status(_capi.merovane_error_status(handle))
        message = decode(_capi.merovane_error_message(handle))
        details = decode(_capi.merovane_error_details(handle))
        candidates = strings(
            handle, _capi.merovane_error_candidate_count, _capi.merovane_error_candidate
        )
    finally:
        _capi.merovane_error_free(handle)
    raise BY_STATUS.get(status, Error)(message, details=details, candidates=candidates)


def check(status: int, error: Any = None) -> None:
    """Raises for a status that is not OK, by its merovane_error where the call gave one."""
    if status == Status.OK:
        return
    if error:
        raise_error(error)
    raise BY_STATUS.get(status, Error)(decode(_capi.merovane_status_text(status)))


def out(pointer_type: Any, call: Callable[..., int], *args: Any) -> Any:
    """Calls a function whose last argument receives a handle, and returns the handle."""
    handle = pointer_type()
    check(call(*args, ctypes.byref(handle)))
    return handle


def found(pointer_type: Any, call: Callable[..., int], *args: Any) -> Any:
    """The same for a lookup by name, which gives a merovane_error where it finds nothing."""
    handle = pointer_type()
    error = _capi.ErrorP()
    check(call(*args, ctypes.byref(handle), ctypes.byref(error)), error)
    return handle


def digits_argument(digits: int | None) -> int:
    if digits is None:
        return _capi.WINDOW_DIGITS
    if isinstance(digits, bool) or not isinstance(digits, int):
        raise TypeError(f"digits must be an int, not {type(digits).__name__}")
    # Any count outside the range fails the conversion (BadDigits), and so must one beyond a C int.
    return min(max(digits, _C_INT_MIN), _C_INT_MAX)


@contextmanager
def options(tables: bool = False, digits: int | None = None) -> Iterator[Any]:
    """A merovane_options for one call; NULL, the defaults, where nothing is asked."""
    count = digits_argument(digits)
    if not tables and count == _capi.WINDOW_DIGITS:
        yield None
        return
    handle = out(_capi.OptionsP, _capi.merovane_options_new)
    try:
        check(_capi.merovane_options_set_mode(handle, _capi.TABLES if tables else _capi.PRECISE))
        check(_capi.merovane_options_set_digits(handle, count))
        yield handle
    finally:
        _capi.merovane_options_free(handle)


@dataclass(frozen=True)
class Result:
    """What a conversion gave, copied out of the library.

    ``text`` is the result as the window shows it, with the digits asked for ("1609.344");
    ``value`` the exact result rounded once to a float (with several destination units, the
    whole quantity in the last of them). A failed result (only a chart's cells are kept failed:
    every other call raises instead) has ``ok`` false, ``text`` "", ``value`` NaN, ``message``
    saying why in one line and ``error`` the window's short description ("Type mismatch").
    """

    status: Status
    text: str
    value: float
    message: str
    error: str

    @property
    def ok(self) -> bool:
        return self.status == Status.OK

    def check(self) -> Result:
        """The result itself where it converted; otherwise raises its ConversionError."""
        if not self.ok:
            raise BY_STATUS[self.status](self.message, description=self.error)
        return self

    def __float__(self) -> float:
        return self.value

    def __str__(self) -> str:
        return self.text


def copy_result(handle: Any) -> Result:
    """A merovane_result's fields, copied (the handle stays the caller's)."""
    return Result(
        status=Status(_capi.merovane_result_status(handle)),
        text=decode(_capi.merovane_result_text(handle)),
        value=_capi.merovane_result_value(handle),
        message=decode(_capi.merovane_result_message(handle)),
        error=decode(_capi.merovane_result_error(handle)),
    )


def take_result(status: int, handle: Any) -> Result:
    """The result of a conversion, which raises where it failed; the handle is freed."""
    if not handle:
        check(status)
        raise Error("the library gave no result")
    try:
        result = copy_result(handle)
    finally:
        _capi.merovane_result_free(handle)
    return result.check()
