"""The module's public functions refuse a keyword they do not take, as Python
does, and say where it belongs when another function of the module takes it."""

from __future__ import annotations

import functools
import inspect
from typing import Any, Callable, Dict, List, TypeVar

Function = TypeVar("Function", bound=Callable[..., Any])

PREPROCESS_VALUES = ("percent", "lower", "higher", "min_particle", "min_hole")

# The public functions that take each keyword, by their names in the package.
_TAKEN_BY: Dict[str, List[str]] = {}

# Why a keyword of one function does not belong to another.
_WHY = {"jobs": "on a Dask cluster, the workers' threads measure the files"}


def public(name: str) -> Callable[[Function], Function]:
    """Makes `function` the package's `name`, refusing unknown keywords with where
    they belong."""

    def make_public(function: Function) -> Function:
        parameters = inspect.signature(function).parameters
        for parameter in parameters:
            _TAKEN_BY.setdefault(parameter, []).append(name)

        @functools.wraps(function)
        def checked(*args: Any, **keywords: Any) -> Any:
            for keyword in keywords:
                if keyword not in parameters:
                    raise TypeError(_misplaced(name, keyword, parameters))
            return function(*args, **keywords)

        checked.__module__ = name.rpartition(".")[0]
        return checked  # type: ignore[return-value]

    return make_public


def _misplaced(name: str, keyword: str, parameters: Any) -> str:
    message = f"{name}() got an unexpected keyword argument {keyword!r}"
    if keyword in PREPROCESS_VALUES and "prep" in parameters:
        return f"{message}: pre-processing values go into prep, as prep={{{keyword!r}: ...}}"
    if keyword == "prep" and "percent" in parameters:
        return (f"{message}: a batch always pre-processes, as kep-cli batch does; its values are "
                f"keywords, as {', '.join(value + '=...' for value in PREPROCESS_VALUES)}")
    owners = [owner for owner in _TAKEN_BY.get(keyword, []) if owner != name]
    if owners:
        message += f": it is a keyword of {', '.join(sorted(owners))}"
        if keyword in _WHY:
            message += f" ({_WHY[keyword]})"
    return message
