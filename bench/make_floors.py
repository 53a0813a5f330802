#!/usr/bin/env python3
"""Writes the two C programs that bound what line-impedance can cost.

Both are generated from the reference report kept with the tests:

  literal_floor.c    writes the whole report from one string literal with one fputs;
  formatted_floor.c  makes the report's printf calls, with its format strings,
                     fed the printed values through a volatile array so that
                     the compiler cannot fold the formatting away.

Each number of the report becomes a "%7.5f" field. The sequence matrix lines
are printed as the program prints them: one call per element, then the line end.

Usage: make_floors.py REFERENCE_REPORT OUTPUT_DIRECTORY
"""
import os
import re
import sys

NUMBER = re.compile(r"-?\d+\.\d{5}")


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n") + '"'


def print_calls(lines):
    """(format, values) of each printf call that prints `lines`."""
    calls = []
    sequence_rows = False
    for line in lines:
        if sequence_rows:
            pieces = re.findall(r"-?\d+\.\d{5} -?\d+\.\d{5}   ", line)
            assert "".join(pieces) == line, line
            calls += [("%7.5f %7.5f   ", NUMBER.findall(piece)) for piece in pieces]
            calls.append(("\n", []))
            continue
        calls.append((NUMBER.sub("%7.5f", line) + "\n", NUMBER.findall(line)))
        sequence_rows = line == "Symmetrical Components"
    return calls


def main():
    reference, out_dir = sys.argv[1], sys.argv[2]
    with open(reference, newline="") as f:
        report = f.read()
    assert report.endswith("\n")
    lines = report[:-1].split("\n")

    with open(os.path.join(out_dir, "literal_floor.c"), "w") as f:
        f.write("#include <stdio.h>\n\nint main(void) {\n")
        f.write("  fputs(" + c_string(report) + ", stdout);\n  return 0;\n}\n")

    calls = print_calls(lines)
    values = [value for _, call_values in calls for value in call_values]
    with open(os.path.join(out_dir, "formatted_floor.c"), "w") as f:
        f.write("#include <stdio.h>\n\n")
        f.write("static volatile double value[%d] = {%s};\n\n" % (len(values), ", ".join(values)))
        f.write("int main(void) {\n")
        index = 0
        for fmt, call_values in calls:
            args = "".join(", value[%d]" % (index + i) for i in range(len(call_values)))
            index += len(call_values)
            f.write("  printf(%s%s);\n" % (c_string(fmt), args))
        f.write("  return 0;\n}\n")


if __name__ == "__main__":
    main()
