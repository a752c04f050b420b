#!/usr/bin/env python3
"""Reads a configuration file with Python's configparser, every section and value.

The comparison for `vorlan-conf check`'s memory: run both under /usr/bin/time -v and compare
their "Maximum resident set size" (see BENCHMARKS.md).

    /usr/bin/time -v python3 bench/configparser_peak.py FILE
"""
import configparser
import sys


def main(path):
    # Keys as they stand (configparser would lower-case them), no interpolation of "%", and later
    # sections or keys of the same name replacing earlier ones, as the editor reads them.
    parser = configparser.ConfigParser(interpolation=None, strict=False)
    parser.optionxform = str
    with open(path, encoding="utf-8", errors="replace") as file:
        parser.read_file(file)
    values = sum(len(parser[section]) for section in parser.sections())
    print(f"{len(parser.sections())} sections, {values} values")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: configparser_peak.py FILE")
    main(sys.argv[1])
