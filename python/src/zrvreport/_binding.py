"""The C interface as ctypes sees it, read from the C header itself.

The header (zrvreport_c.h) is the one place where the interface is declared:
this module parses its enumerations, structures and function prototypes when
it is imported and gives each function its argument and result types. Nothing
of the interface is typed here a second time.
"""

import ctypes
import os
import re
import sys

_HERE = os.path.dirname(os.path.abspath(__file__))

# Where the header and the library are looked for, first match wins: the
# environment (ZRVREPORT_HEADER, ZRVREPORT_LIBRARY), the files bundled into
# the package when it was installed, and the source tree (for the tests of a
# build that runs from the repository).
_SOURCE_ROOT = os.path.normpath(os.path.join(_HERE, "..", "..", ".."))


def _header_path():
    for candidate in (
        os.environ.get("ZRVREPORT_HEADER"),
        os.path.join(_HERE, "zrvreport_c.h"),
        os.path.join(_SOURCE_ROOT, "include", "zrvreport", "zrvreport_c.h"),
    ):
        if candidate and os.path.isfile(candidate):
            return candidate
    raise ImportError("zrvreport: the C interface header zrvreport_c.h was not found")


def _library_names():
    if sys.platform == "win32":
        return ["zrvreport.dll"]
    if sys.platform == "darwin":
        return ["libzrvreport.dylib"]
    return ["libzrvreport.so.1", "libzrvreport.so"]


def _library_path():
    explicit = os.environ.get("ZRVREPORT_LIBRARY")
    if explicit:
        return explicit
    for name in _library_names():
        candidate = os.path.join(_HERE, name)
        if os.path.isfile(candidate):
            return candidate
    raise ImportError(
        "zrvreport: the shared library was not found in the package; "
        "set ZRVREPORT_LIBRARY to the path of the built library"
    )


_BASE_TYPES = {
    "int": ctypes.c_int,
    "unsigned": ctypes.c_uint,
    "size_t": ctypes.c_size_t,
    "double": ctypes.c_double,
    "char": ctypes.c_char,
    "zrv_status": ctypes.c_int,
}


def _strip_comments(text):
    text = re.sub(r"/\*.*?\*/", " ", text, flags=re.S)
    return re.sub(r"//[^\n]*", " ", text)


class Interface:
    """The parsed header: constants, structures and the bound functions."""

    def __init__(self, header_text, library):
        text = _strip_comments(header_text)
        self.constants = {}
        self.enums = {}
        for name, body in re.findall(r"typedef\s+enum\s+(\w+)\s*\{(.*?)\}\s*\1\s*;", text, re.S):
            members = {}
            for member, value in re.findall(r"(\w+)\s*=\s*(-?\d+)", body):
                members[member] = int(value)
            self.enums[name] = members
            self.constants.update(members)
        self.opaque = set(re.findall(r"typedef\s+struct\s+(\w+)\s+\1\s*;", text))
        self.structs = {}
        for name, body in re.findall(r"typedef\s+struct\s+(\w+)\s*\{(.*?)\}\s*\1\s*;", text, re.S):
            fields = []
            for declaration in body.split(";"):
                declaration = declaration.strip()
                if declaration:
                    field_type, field_name = self._split_declaration(declaration)
                    fields.append((field_name, self._ctype(field_type)))
            self.structs[name] = type(name, (ctypes.Structure,), {"_fields_": fields})
        self.functions = {}
        for result, name, params in re.findall(
            r"ZRVREPORT_EXPORT\s+(\w+)\s+(\w+)\s*\((.*?)\)\s*;", text, re.S
        ):
            function = getattr(library, name)
            function.restype = self._ctype(result)
            params = params.strip()
            arguments = []
            if params and params != "void":
                for param in params.split(","):
                    param_type, _ = self._split_declaration(param.strip())
                    arguments.append(self._ctype(param_type))
            function.argtypes = arguments
            self.functions[name] = function

    @staticmethod
    def _split_declaration(declaration):
        match = re.match(r"(.*?)(\w+)\s*$", declaration, re.S)
        return match.group(1).strip(), match.group(2)

    def _ctype(self, declared):
        stars = declared.count("*")
        base = declared.replace("*", " ").replace("const", " ").split()
        base = " ".join(base)
        if base in self.opaque:
            return ctypes.c_void_p if stars == 1 else ctypes.POINTER(ctypes.c_void_p)
        if base == "char" and stars >= 1:
            return ctypes.c_char_p if stars == 1 and "const" in declared else (
                ctypes.POINTER(ctypes.c_char) if stars == 1 else ctypes.POINTER(ctypes.c_char_p)
            )
        if base in self.structs:
            ctype = self.structs[base]
        elif base in self.enums:
            ctype = ctypes.c_int
        elif base in _BASE_TYPES:
            ctype = _BASE_TYPES[base]
        else:
            raise ImportError("zrvreport: no ctypes mapping for C type %r" % declared)
        for _ in range(stars):
            ctype = ctypes.POINTER(ctype)
        return ctype


def load():
    """Loads the library and binds the functions that the header declares."""
    with open(_header_path(), encoding="utf-8") as header:
        text = header.read()
    return Interface(text, ctypes.CDLL(_library_path()))
