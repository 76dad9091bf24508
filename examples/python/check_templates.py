#!/usr/bin/env python3
"""Checks every report template (*.csv) under a folder, as a CI step would.

    check_templates.py FOLDER [--warnings-fail]

Prints one line per problem, FILE:LINE: severity: message [code], and a
summary. Exit status 0 when every template loads without errors (and, with
--warnings-fail, without warnings), 1 otherwise, 2 for a wrong argument.
"""

import argparse
import os
import sys

import zrvreport


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder")
    parser.add_argument("--warnings-fail", action="store_true",
                        help="count warnings as failures too")
    args = parser.parse_args(argv)
    if not os.path.isdir(args.folder):
        print("%s: not a folder" % args.folder, file=sys.stderr)
        return 2
    checked = failed = 0
    for root, folders, files in os.walk(args.folder):
        folders.sort()
        for name in sorted(files):
            if not name.lower().endswith(".csv"):
                continue
            path = os.path.join(root, name)
            result = zrvreport.check(path)
            checked += 1
            bad = not result.loaded or result.errors or (args.warnings_fail and result.warnings)
            if not result.loaded:
                print("%s: error: %s [%s]" % (path, result.message or result.status, result.status))
            for finding in result.problems:
                print("%s:%d: %s: %s [%s]" % (path, finding.line, finding.severity,
                                               finding.message, finding.code))
            failed += 1 if bad else 0
    print("%d templates checked, %d with problems" % (checked, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
