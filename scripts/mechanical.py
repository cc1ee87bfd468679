"""The mechanical faults of `scripts/mutants --since BASE`: each line a change adds under src/,
changed in one place at a time by a fixed set of operators.

  comparison turned       <  <=,  >  >=,  ==  != (each way; binary operators, spaced as
                          clang-format spaces them, so that templates and << are left alone)
  moved by one            a whole number n to n + 1 and n - 1;  ++  --
  constant changed        a whole number to 0
  boolean inverted        true  false;  a ! taken away;  && ||;  an if's or while's condition
                          (written on the line) to its negation
  call dropped            a statement that is only a call (a release, a timer stop, a reset)
  arguments swapped       two neighbouring arguments that are both plain names (a.b included),
                          both booleans, both numbers, both strings or both characters

Operators see the code only: string and character literals and // comments are masked first.
Skipped: blank lines, comments, #include and #pragma, lines of braces and brackets alone, lines
that are only string literals, assert and static_assert (checks the optimised builds leave out),
and the files under win32/ and res/: only the end-to-end tests reach them (of win32/ the trial
compiles only the checks of the system's numbers, which are static_asserts).
"""
import random
import re
import subprocess

OUTSIDE_THE_BUILDS = re.compile(r"(^|/)(win32|res)/")
MASK = "`"  # in no C++ token, so no operator matches a masked literal
SKIPPED = re.compile(r"$|/\*|\*/|\*\s|#\s*(include|pragma)|(static_)?assert\(|[{}()\[\];,]+$")
STRING_ONLY = re.compile(r'((L|u8|u|U)?"`*"\s*)+[,;)]*')

COMPARISON = re.compile(r"(?<= )(<=|>=|==|!=|<|>)(?= )")
TURNED = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
NUMBER = re.compile(r"(?<![\w.])(0[xX][0-9A-Fa-f']+|0|[1-9][\d']*)([uUlL]*)(?![\w.`])")
STEP = re.compile(r"\+\+|--")
BOOLEAN = re.compile(r"\b(true|false)\b")
NOT = re.compile(r"!(?!=)")
AND_OR = re.compile(r"(?<= )(&&|\|\|)(?= )")
CONDITION = re.compile(r"\b(if|while) \(")
CALL_STATEMENT = re.compile(r"(\s*)[A-Za-z_][\w:.\->\[\]]*\(.*\);\s*")
NAME = r"[A-Za-z_]\w*(?:(?:\.|->)\w+)*"
ARGUMENT = rf'({NAME}|\d+|"`*"|\'`*\')'
TWO_ARGUMENTS = re.compile(rf"(?:(?<=\()|(?<=, )){ARGUMENT}, {ARGUMENT}(?=[,)])")


class Mutation:
    """One line of one file, changed one way."""

    def __init__(self, file, number, original, mutated, operator):
        self.file, self.number = file, number
        self.original, self.mutated, self.operator = original, mutated, operator

    def name(self):
        return f"{self.file}:{self.number}: {self.operator}: {self.mutated.strip()}"

    def put_into(self, source):
        lines = source.split("\n")
        assert lines[self.number - 1] == self.original, f"{self.file}:{self.number} moved"
        lines[self.number - 1] = self.mutated
        return "\n".join(lines)


def added_lines(root, base):
    """(file, line number, text) of each line under src/ that the working tree adds to the
    point where it left BASE."""
    fork = git(root, "merge-base", base, "HEAD").strip()
    file, number = None, 0
    for line in git(root, "diff", "-U0", "--no-color", fork, "--", "src/").splitlines():
        if line.startswith("+++ "):
            file = line[6:] if line.startswith("+++ b/") else None
        elif line.startswith("@@ "):
            number = int(re.search(r"\+(\d+)", line).group(1))
        elif line.startswith("+") and file:
            yield file, number, line[1:]
            number += 1


def git(root, *arguments):
    return subprocess.run(["git", *arguments], cwd=root, check=True, capture_output=True,
                          text=True).stdout


def masked(line):
    """The line with the insides of its literals masked and its // comment blanked."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append(MASK * 2)
                i += 2
                continue
            if c == quote:
                quote = None
            out.append(c if quote is None else MASK)
        elif line.startswith("//", i):
            return "".join(out) + " " * (len(line) - i)
        else:
            digit_separator = c == "'" and i > 0 and line[i - 1] in "0123456789abcdefABCDEF"
            if c in "\"'" and not digit_separator:
                quote = c
            out.append(c)
        i += 1
    return "".join(out)[: len(line)]


def worth_mutating(file, line):
    code = masked(line).strip()
    return not (OUTSIDE_THE_BUILDS.search(file) or SKIPPED.match(code)
                or STRING_ONLY.fullmatch(code))


def mutations(file, number, line):
    """Every mutation of one line, each line text once."""
    code, seen = masked(line), {line}
    for operator, start, end, replacement in changes(line, code):
        mutated = line[:start] + replacement + line[end:]
        if mutated not in seen:
            seen.add(mutated)
            yield Mutation(file, number, line, mutated, operator)


def changes(line, code):
    """(operator, start, end, replacement) for each place an operator changes: found in the
    masked code, taken from the line."""
    for m in COMPARISON.finditer(code):
        yield "comparison turned", m.start(), m.end(), TURNED[m.group()]
    for m in NUMBER.finditer(code):
        digits, suffix = m.groups()
        value = int(digits.replace("'", ""), 0)
        written = hex if digits[:2].lower() == "0x" else str
        for moved in (value + 1, value - 1):
            if moved >= 0:
                yield "moved by one", m.start(), m.end(), written(moved) + suffix
        yield "constant changed", m.start(), m.end(), "0" + suffix
    for m in STEP.finditer(code):
        yield "moved by one", m.start(), m.end(), "--" if m.group() == "++" else "++"
    for m in BOOLEAN.finditer(code):
        yield "boolean inverted", m.start(), m.end(), "false" if m.group() == "true" else "true"
    for m in NOT.finditer(code):
        yield "boolean inverted", m.start(), m.end(), ""
    for m in AND_OR.finditer(code):
        yield "boolean inverted", m.start(), m.end(), "||" if m.group() == "&&" else "&&"
    for m in CONDITION.finditer(code):
        close = closing_parenthesis(code, m.end())
        if close is not None and code[m.end()] != "!":
            yield "boolean inverted", m.end(), close, f"!({line[m.end():close]})"
    call = CALL_STATEMENT.fullmatch(code)
    if call and balanced(code):
        yield "call dropped", len(call.group(1)), len(code), "{}  // " + line.strip()
    at = 0
    while m := TWO_ARGUMENTS.search(code, at):
        first, second = line[m.start(1):m.end(1)], line[m.start(2):m.end(2)]
        if first != second and kind(first) == kind(second):
            yield "arguments swapped", m.start(), m.end(), f"{second}, {first}"
        at = m.start(2)


def closing_parenthesis(code, start):
    depth = 1
    for i in range(start, len(code)):
        depth += {"(": 1, ")": -1}.get(code[i], 0)
        if depth == 0:
            return i
    return None


def balanced(code):
    return code.count("(") == code.count(")")


def kind(argument):
    if argument in ("true", "false"):
        return "bool"
    return argument[0] if argument[0] in "\"'" else "digit" if argument[0].isdigit() else "name"


def change_faults(root, base):
    """The mutations of the lines added since BASE, in file order."""
    return [mutation for file, number, line in added_lines(root, base)
            if worth_mutating(file, line) for mutation in mutations(file, number, line)]


def sample(faults, size, seed):
    """A seeded random sample of the faults when there are more than wanted, in their order."""
    if len(faults) <= size:
        return faults
    chosen = set(map(id, random.Random(seed).sample(faults, size)))
    return [fault for fault in faults if id(fault) in chosen]
