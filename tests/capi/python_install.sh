#!/usr/bin/env bash
# python_install.sh PYTHON PACKAGE_DIR LIBRARY - installs the Python package as
# the README says (a virtual environment with the system site packages, pip
# without build isolation and without an index), with the library of this
# build bundled, and uses the installed package from outside the source tree.
set -euo pipefail
python=$1 package=$2
export ZRVREPORT_LIBRARY=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$python" -m venv --system-site-packages "$work/venv"
(cd "$package" && "$work/venv/bin/python" -m pip install --quiet --no-build-isolation --no-index .)
unset ZRVREPORT_LIBRARY
cd "$work"
"$work/venv/bin/python" - "$package/../examples/templates/SolidICM.csv" <<'PY'
import os, sys, zrvreport
assert os.path.dirname(zrvreport.__file__).startswith(os.getcwd()), zrvreport.__file__
result = zrvreport.check(sys.argv[1])
assert result.loaded and not result.problems, result.findings
print("installed package checks", os.path.basename(sys.argv[1]))
PY
