"""Qualitative multi-attribute decision models: read, build, evaluate and analyse them with the
same code as the Ubic desktop program and ubic-cli."""

import os
from pathlib import Path
from typing import Any, Iterator, Literal, Mapping, Optional, Sequence, Union, overload

import numpy as np
import numpy.typing as npt

Format = Literal["ubm", "own", "jkiv", "xml", "kvx"]
Order = Literal["ascending", "descending", "none"]
ValueClass = Literal["bad", "neutral", "good"]
# A value given by its name or its index in the scale.
Value = Union[str, int]
# A rule: the inputs' value indices, the low and high end of its result, entered or computed.
Rule = tuple[tuple[int, ...], int, int, bool]


class ModelError(ValueError):
    """A model or a file that the program cannot use; the message is the program's own."""

    file: Optional[str]
    line: Optional[int]


class UnknownNameError(ModelError, KeyError):
    """A name of an attribute, an option or a value that the model does not have."""

    name: str
    closest: Optional[str]


class DistributionWarning(UserWarning):
    """An analysis of an option that holds weights, which it reads as sets."""


__version__: str
__all__: list[str]
# The folder of the examples that come with the program.
examples: Path


class ScaleValue:
    """A value of a scale."""

    @property
    def name(self) -> str: ...
    @property
    def description(self) -> str: ...
    @property
    def value_class(self) -> ValueClass: ...


class Scale:
    """An attribute's scale as it was when asked for."""

    @property
    def values(self) -> list[ScaleValue]: ...
    @property
    def names(self) -> list[str]: ...
    @property
    def order(self) -> Order: ...
    def __len__(self) -> int: ...
    @overload
    def __getitem__(self, index: int) -> ScaleValue: ...
    @overload
    def __getitem__(self, index: slice) -> list[ScaleValue]: ...
    def __iter__(self) -> Iterator[ScaleValue]: ...
    def __contains__(self, value: Union[str, ScaleValue]) -> bool: ...
    def _repr_html_(self) -> str: ...


class Function:
    """An aggregate attribute's decision rules as they were when asked for."""

    @property
    def rules(self) -> list[Rule]: ...
    @property
    def entered_count(self) -> int: ...
    @property
    def determined(self) -> float: ...
    @property
    def weights(self) -> list[float]: ...
    @property
    def use_weights(self) -> bool: ...
    def _repr_html_(self) -> str: ...


class Attribute:
    """An attribute of a model's tree; valid until it is removed or an edit is undone."""

    name: str
    description: str

    @property
    def parent(self) -> Optional[Attribute]: ...
    @property
    def inputs(self) -> list[Attribute]: ...
    @property
    def is_basic(self) -> bool: ...
    @property
    def scale(self) -> Optional[Scale]: ...
    @property
    def function(self) -> Optional[Function]: ...
    def set_scale(self, values: Sequence[Union[str, tuple[str, str]]],
                  order: Order = "ascending") -> None: ...
    def delete_scale(self) -> None: ...
    def enter_rule(self, inputs: Sequence[Value],
                   value: Union[Value, tuple[Value, Value]]) -> None: ...
    def delete_rule(self, inputs: Sequence[Value]) -> None: ...
    def set_weights(self, weights: Sequence[float], use_weights: bool = True) -> None: ...
    def delete_function(self) -> None: ...
    def __eq__(self, other: object) -> bool: ...
    def __hash__(self) -> int: ...


class Finding:
    """What may keep a model from its answers: a row of ubic-cli check."""

    @property
    def kind(self) -> Literal["conflict", "no scale", "value names", "no function", "values missing"]: ...
    @property
    def attribute(self) -> Attribute: ...
    @property
    def details(self) -> str:
        """As ubic-cli check prints it: the conflict in words, or the options whose value is
        missing."""
    @property
    def worse(self) -> Optional[int]:
        """A conflict's rule of the worse inputs: an index into Function.rules."""
    @property
    def better(self) -> Optional[int]:
        """A conflict's rule of the better inputs, whose value is yet lower."""
    @property
    def inputs(self) -> list[Attribute]:
        """The inputs in which a conflict's better rule is better."""
    @property
    def options(self) -> list[str]:
        """The options without a value on the attribute."""


RuleOrigin = Literal["entered", "monotonicity", "weights", "undefined"]


class DecidingRule:
    """A rule that decided an aggregate's value."""

    @property
    def rule(self) -> int:
        """The rule's index into Function.rules."""
    @property
    def origin(self) -> RuleOrigin: ...
    @property
    def sources(self) -> list[int]:
        """The entered rules that bound a completed rule, as indices."""
    @property
    def text(self) -> str:
        """Such as "high; 1 year -> good"."""
    @property
    def origin_text(self) -> str:
        """Such as "rule 8, completed by monotonicity from rules 5 and 9"."""


class InputStep:
    """An input whose one step down or up changes the aggregate's value."""

    @property
    def input(self) -> Attribute: ...
    @property
    def from_value(self) -> str: ...
    @property
    def to_value(self) -> str: ...
    @property
    def result(self) -> str:
        """The aggregate's value after the step."""
    @property
    def details(self) -> str:
        """The step as ubic-cli explain prints it."""


class AggregateExplanation:
    """Why an aggregate attribute has its value."""

    @property
    def attribute(self) -> Attribute: ...
    @property
    def value(self) -> str: ...
    @property
    def input_values(self) -> list[str]:
        """In the order of attribute.inputs."""
    @property
    def rules(self) -> list[DecidingRule]: ...
    @property
    def steps(self) -> list[InputStep]: ...
    @property
    def details(self) -> str:
        """The inputs' values and the deciding rules as ubic-cli explain prints them."""


class Explanation:
    """Why an option has its values."""

    @property
    def option(self) -> str: ...
    @property
    def aggregates(self) -> list[AggregateExplanation]: ...
    @property
    def strong(self) -> list[Attribute]: ...
    @property
    def weak(self) -> list[Attribute]: ...
    @property
    def rows(self) -> list[dict[str, str]]:
        """The rows of ubic-cli explain: "Kind", "Attribute", "Value" and "Details"."""
    def _repr_html_(self) -> str: ...


class Change:
    """A basic attribute set to a single value."""

    @property
    def attribute(self) -> Attribute: ...
    @property
    def from_value(self) -> str: ...
    @property
    def to_value(self) -> str: ...
    @property
    def steps(self) -> int: ...


class Solution:
    """A set of changes that makes the option reach the target."""

    @property
    def changes(self) -> list[Change]: ...
    @property
    def steps(self) -> int: ...
    @property
    def text(self) -> str:
        """Such as "Price: high → medium; Safety: adequate → good"."""


class TargetAnswer:
    """What it would take to reach a target."""

    @property
    def outcome(self) -> Literal["reached", "reachable", "unreachable"]: ...
    @property
    def target(self) -> str:
        """Such as "CAR at least good"."""
    @property
    def change_count(self) -> int: ...
    @property
    def solutions(self) -> list[Solution]: ...
    @property
    def more(self) -> int:
        """How many solutions the limit left out."""
    def _repr_html_(self) -> str: ...


# An option by its name or its index, negative from the end.
OptionKey = Union[str, int]
FilePath = Union[str, os.PathLike[str]]
# An option's value: a value text, or weights by value name.
OptionValue = Union[str, Mapping[str, float]]
Options = Mapping[str, Optional[OptionValue]]
Method = Literal["sets", "prob", "fuzzy"]
# A result of "prob" or "fuzzy": the values of positive weight to their weights.
Distribution = dict[str, float]


class Model:
    """A decision model with its undo history; it pickles and copies with its options."""

    name: str
    description: str

    def __init__(self) -> None: ...
    def _repr_html_(self) -> str: ...
    @property
    def root(self) -> Optional[Attribute]: ...
    @property
    def attributes(self) -> list[Attribute]: ...
    @property
    def basic_attributes(self) -> list[Attribute]: ...
    @property
    def aggregate_attributes(self) -> list[Attribute]: ...
    def find(self, name: str) -> Optional[Attribute]: ...
    @property
    def remarks(self) -> list[str]: ...
    @property
    def modified(self) -> bool: ...
    def save(self, path: FilePath, format: Optional[Format] = None) -> list[str]: ...
    def undo(self) -> None: ...
    def redo(self) -> None: ...
    def add_attribute(self, parent: Optional[Attribute] = None,
                      name: Optional[str] = None) -> Attribute: ...
    def remove_attribute(self, attribute: Attribute) -> None: ...
    @property
    def options(self) -> list[str]: ...
    def option_values(self, option: OptionKey) -> dict[str, OptionValue]: ...
    def add_option(self, name: str,
                   values: Optional[Mapping[Union[str, Attribute], OptionValue]] = None
                   ) -> int: ...
    def remove_option(self, option: OptionKey) -> None: ...
    def rename_option(self, option: OptionKey, name: str) -> None: ...
    def import_options(self, path: FilePath, replace: bool = True) -> None: ...
    def export_options(self, path: FilePath) -> None: ...
    def set_option_value(self, option: OptionKey, attribute: Union[str, Attribute],
                         value: Optional[OptionValue]) -> None: ...
    @overload
    def evaluate(self, options: None = None,
                 method: Literal["sets"] = "sets") -> list[dict[str, str]]: ...
    @overload
    def evaluate(self, options: Options, method: Literal["sets"] = "sets") -> dict[str, str]: ...
    @overload
    def evaluate(self, options: Sequence[Options],
                 method: Literal["sets"] = "sets") -> list[dict[str, str]]: ...
    @overload
    def evaluate(self, options: None,
                 method: Literal["prob", "fuzzy"]) -> list[dict[str, Distribution]]: ...
    @overload
    def evaluate(self, options: Options,
                 method: Literal["prob", "fuzzy"]) -> dict[str, Distribution]: ...
    @overload
    def evaluate(self, options: Sequence[Options],
                 method: Literal["prob", "fuzzy"]) -> list[dict[str, Distribution]]: ...
    @overload
    def evaluate(self, options: Any, method: Method = "sets") -> Any: ...
    def evaluate_codes(
        self, codes: npt.NDArray[np.integer[Any]]
    ) -> tuple[npt.NDArray[np.int32], npt.NDArray[np.int32]]: ...
    def evaluate_distributions(
        self, weights: npt.NDArray[np.floating[Any]],
        method: Literal["prob", "fuzzy"] = "prob") -> npt.NDArray[np.float64]: ...
    def to_frame(self, method: Method = "sets") -> Any:
        """The own options evaluated: a DataFrame indexed by the options' names."""
    def sensitivity(self, option: OptionKey) -> list[dict[str, str]]: ...
    def conflicts(self) -> list[Finding]: ...
    def explain(self, option: OptionKey) -> Explanation: ...
    def target(self, option: OptionKey, at_least: Optional[Value] = None,
               at_most: Optional[Value] = None,
               attribute: Union[str, Attribute, None] = None,
               limit: int = 20) -> TargetAnswer: ...


def load(path: FilePath, format: Optional[Format] = None) -> Model: ...
