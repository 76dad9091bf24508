#!/usr/bin/env python3
"""Changes one named setting in every report template of a folder and saves
only the templates that changed.

    change_setting.py FOLDER LIBRARY NAME FIELD=VALUE [FIELD=VALUE ...]

For example `change_setting.py templates view Iso_Front Scale=1.5`. A
template without the setting, or where it already holds these values, is left
untouched. Each template is loaded with the project type of its [FileHeader].
Exit status 0 on success, 1 when a template could not be loaded or saved, 2
for wrong arguments.
"""

import argparse
import os
import sys

import zrvreport


def header_project_type(path):
    """The (kind, process) numbers that the file's [FileHeader] gives."""
    kind, process = 0, 0
    with open(path, encoding="utf-8", errors="replace") as template:
        for line in template:
            fields = [field.strip() for field in line.split(",")]
            if fields[0] == "ProjectType" and len(fields) > 1 and fields[1].isdigit():
                kind = int(fields[1])
            elif fields[0] == "AppType" and len(fields) > 1 and fields[1].isdigit():
                process = int(fields[1])
            elif fields[0].startswith("[") and fields[0] != "[FileHeader]":
                break
    return kind, process


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("folder")
    parser.add_argument("library", choices=zrvreport.LIBRARIES)
    parser.add_argument("name")
    parser.add_argument("values", nargs="+", metavar="FIELD=VALUE")
    args = parser.parse_args(argv)
    changes = {}
    for assignment in args.values:
        field, _, value = assignment.partition("=")
        try:
            changes[field] = float(value)
        except ValueError:
            parser.error("not a number: %s" % assignment)
    status = 0
    changed = 0
    for name in sorted(os.listdir(args.folder)):
        path = os.path.join(args.folder, name)
        if not name.lower().endswith(".csv") or not os.path.isfile(path):
            continue
        kind, process = header_project_type(path)
        try:
            with zrvreport.Template.load(path, kind=kind, process=process) as template:
                library = template.libraries[args.library]
                if args.name not in library:
                    continue
                record = library[args.name]
                unknown = set(changes) - set(record)
                if unknown:
                    print("%s: no field %s in %s records" % (path, ", ".join(sorted(unknown)),
                                                             args.library), file=sys.stderr)
                    return 2
                if all(record[field] == value for field, value in changes.items()):
                    continue
                record.update(changes)
                library[args.name] = record
                template.save()
                changed += 1
                print("%s: changed" % path)
        except zrvreport.ZrvError as error:
            print("%s: %s" % (path, error), file=sys.stderr)
            status = 1
    print("%d templates changed" % changed)
    return status


if __name__ == "__main__":
    sys.exit(main())
