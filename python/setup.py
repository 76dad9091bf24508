"""Installs the zrvreport package with the C interface header and the shared
library bundled into it, so that the installed package needs nothing else.

The library comes from ZRVREPORT_LIBRARY (the path of a built
libzrvreport.so) when it is set; otherwise it is built here with CMake from
the repository this package lives in (build/python, the library alone).
"""

import glob
import os
import shutil
import subprocess

from setuptools import setup
from setuptools.command.build_py import build_py

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def built_library():
    explicit = os.environ.get("ZRVREPORT_LIBRARY")
    if explicit:
        return explicit
    build = os.path.join(ROOT, "build", "python")
    subprocess.check_call(["cmake", "-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=Release",
                           "-DZRV_BUILD_TESTS=OFF", "-DZRV_BUILD_EXAMPLES=OFF",
                           "-DZRV_BUILD_TOOLS=OFF"])
    subprocess.check_call(["cmake", "--build", build, "--target", "zrvreport", "-j", "2"])
    found = sorted(glob.glob(os.path.join(build, "libzrvreport.so.*.*.*")))
    if not found:
        raise RuntimeError("the CMake build gave no libzrvreport.so")
    return found[-1]


class BuildWithLibrary(build_py):
    def run(self):
        super().run()
        package = os.path.join(self.build_lib, "zrvreport")
        shutil.copyfile(os.path.join(ROOT, "include", "zrvreport", "zrvreport_c.h"),
                        os.path.join(package, "zrvreport_c.h"))
        shutil.copyfile(os.path.realpath(built_library()), os.path.join(package, "libzrvreport.so.1"))


setup(cmdclass={"build_py": BuildWithLibrary})
