"""Report templates of the zrvreport library from Python.

    import zrvreport
    template = zrvreport.Template.load("SolidInjection.csv", kind="solid", process="injection")
    for item in template.items:
        print(item.key, item.output, item.view)
    template.libraries["view"]["Side"] = {"AngleX": 0, "AngleY": 90, "AngleZ": 0, "Scale": 1}
    template.save()
    for finding in zrvreport.check("SolidInjection.csv").findings:
        print(finding)

Errors raise ZrvError, which carries the library's status code, its name and
a message.
"""

import ctypes
from collections import namedtuple
from collections.abc import MutableMapping, Sequence

from . import _binding

_api = _binding.load()
_f = _api.functions
_c = _api.constants

__all__ = [
    "ZrvError",
    "Template",
    "Item",
    "Library",
    "Finding",
    "CheckResult",
    "check",
    "check_folder",
    "catalogue",
    "install_templates",
    "KINDS",
    "PROCESSES",
    "LIBRARIES",
]

#: Project kinds by name.
KINDS = {"solid": 0, "shell": 1, "solid-model": 2}
#: Processes (application types) by name, in the order of their numbers.
PROCESSES = {
    name: number
    for number, name in enumerate(
        "injection gasin rim icpackage icm faim gaim waim coim mcim cm biim pim rtm cfm".split()
    )
}
_FLAGS = {
    "thermoset": _c["ZRV_FLAG_THERMOSET"],
    "valve_pin": _c["ZRV_FLAG_VALVE_PIN"],
    "underfill": _c["ZRV_FLAG_UNDERFILL"],
    "encapsulation_cm": _c["ZRV_FLAG_ENCAPSULATION_CM"],
}


def _enum_names(enum, prefix):
    return {value: name[len(prefix):].lower() for name, value in _api.enums[enum].items()
            if not name.endswith("_COUNT")}


_LOAD_STATUS = _enum_names("zrv_load_status", "ZRV_LOAD_")
_SAVE_STATUS = _enum_names("zrv_save_status", "ZRV_SAVE_")
_SEVERITY = _enum_names("zrv_severity", "ZRV_SEVERITY_")
#: The setting libraries by name, in the order of their numbers.
LIBRARIES = [name for _, name in sorted(_enum_names("zrv_library", "ZRV_LIBRARY_").items())]


class ZrvError(Exception):
    """A call of the library failed: `status` is the code, `name` its name."""

    def __init__(self, status, message=None):
        name = ctypes.c_char_p()
        description = ctypes.c_char_p()
        if _f["zrv_status_name"](status, ctypes.byref(name), ctypes.byref(description)) == 0:
            self.name = name.value.decode()
            text = description.value.decode()
        else:
            self.name, text = "ZRV_UNKNOWN", "unknown status %d" % status
        self.status = status
        self.message = message or text
        super().__init__("%s: %s" % (self.name, self.message))


def _call(function, *args, message=None):
    status = _f[function](*args)
    if status != _c["ZRV_OK"]:
        raise ZrvError(status, message() if callable(message) else message)


def _text(function, *args):
    """Calls a function that copies text into a buffer, sizing the buffer first."""
    needed = ctypes.c_size_t()
    _call(function, *args, None, 0, ctypes.byref(needed))
    buffer = ctypes.create_string_buffer(needed.value)
    _call(function, *args, buffer, needed.value, ctypes.byref(needed))
    return buffer.value.decode("utf-8")


def _utf8(text):
    if not isinstance(text, str):
        raise TypeError("expected str, got %s" % type(text).__name__)
    return text.encode("utf-8")


def _kind_number(kind):
    if isinstance(kind, int):
        return kind
    try:
        return KINDS[kind.lower()]
    except KeyError:
        raise ValueError("unknown kind %r (one of %s)" % (kind, ", ".join(KINDS))) from None


def _process_number(process):
    if isinstance(process, int):
        return process
    try:
        return PROCESSES[process.lower()]
    except KeyError:
        raise ValueError("unknown process %r (one of %s)" % (process, ", ".join(PROCESSES))) from None


def _flag_bits(**flags):
    bits = 0
    for name, value in flags.items():
        if value:
            bits |= _FLAGS[name]
    return bits


_ITEM_FIELDS = {
    "item_id": "ZRV_ITEM_ID",
    "module": "ZRV_ITEM_MODULE",
    "output": "ZRV_ITEM_OUTPUT",
    "display_mode": "ZRV_ITEM_DISPLAY_MODE",
    "parameter_x": "ZRV_ITEM_PARAMETER_X",
    "parameter_y": "ZRV_ITEM_PARAMETER_Y",
    "parameter_z": "ZRV_ITEM_PARAMETER_Z",
    "face_number": "ZRV_ITEM_FACE_NUMBER",
    "count_of_1_page": "ZRV_ITEM_COUNT_OF_1_PAGE",
    "air_trap": "ZRV_ITEM_OUTPUT_AIR_TRAP",
    "weld_line": "ZRV_ITEM_OUTPUT_WELD_LINE",
}


def _number_property(field):
    code = _c[field]

    def get(self):
        value = ctypes.c_int()
        _call("zrv_item_get", self._template._handle, self._index, code, ctypes.byref(value))
        return value.value

    def set(self, value):
        _call("zrv_item_set", self._template._handle, self._index, code, int(value))

    return property(get, set)


def _setting_property(library):
    code = LIBRARIES.index(library)

    def get(self):
        return _text("zrv_item_setting_name", self._template._handle, self._index, code)

    def set(self, name):
        _call("zrv_item_set_setting_name", self._template._handle, self._index, code, _utf8(name))

    return property(get, set, doc="the name of the item's %s setting" % library)


class Item:
    """One report item of a template; its properties read and change the document."""

    def __init__(self, template, index):
        self._template = template
        self._index = index

    @property
    def key(self):
        """The item's template key ("MeltFrontTime")."""
        return _text("zrv_item_name", self._template._handle, self._index)

    for _name, _field in _ITEM_FIELDS.items():
        locals()[_name] = _number_property(_field)
    for _library in LIBRARIES[:5]:
        locals()[_library] = _setting_property(_library)
    del _name, _field, _library

    def __repr__(self):
        return "<Item %d %s output=%d>" % (self._index, self.key, self.output)


class _Items(Sequence):
    def __init__(self, template):
        self._template = template

    def __len__(self):
        count = ctypes.c_int()
        _call("zrv_item_count", self._template._handle, ctypes.byref(count))
        return count.value

    def __getitem__(self, index):
        if isinstance(index, slice):
            return [self[i] for i in range(*index.indices(len(self)))]
        count = len(self)
        if index < 0:
            index += count
        if not 0 <= index < count:
            raise IndexError("item index out of range")
        return Item(self._template, index)


class Library(MutableMapping):
    """One setting library as a mapping from setting name to record.

    A record is a dict of its fields ({"AngleX": 45.0, ...}); the melt-front
    capture records are lists of percentages. Assigning adds or changes a
    setting, `del` deletes it. Empty names of the option list are left out.
    """

    def __init__(self, template, name):
        self._template = template
        self.name = name
        self._code = LIBRARIES.index(name)
        count = ctypes.c_int()
        variable = ctypes.c_int()
        _call("zrv_library_info", self._code, None, ctypes.byref(count), ctypes.byref(variable))
        self._variable = bool(variable.value)
        self._capacity = count.value
        self.fields = []
        if not self._variable:
            for field in range(count.value):
                name_out = ctypes.c_char_p()
                _call("zrv_library_field_name", self._code, field, ctypes.byref(name_out))
                self.fields.append(name_out.value.decode())

    def _names(self):
        count = ctypes.c_int()
        _call("zrv_library_count", self._template._handle, self._code, ctypes.byref(count))
        names = [_text("zrv_library_name", self._template._handle, self._code, index)
                 for index in range(count.value)]
        return [name for name in names if name]

    def __iter__(self):
        return iter(self._names())

    def __len__(self):
        return len(self._names())

    def __getitem__(self, name):
        values = (ctypes.c_double * self._capacity)()
        count = ctypes.c_size_t()
        status = _f["zrv_record_get"](self._template._handle, self._code, _utf8(name), values,
                                      self._capacity, ctypes.byref(count))
        if status == _c["ZRV_E_NOT_FOUND"]:
            raise KeyError(name)
        if status != _c["ZRV_OK"]:
            raise ZrvError(status)
        numbers = list(values[: count.value])
        if self._variable:
            return numbers
        return {field: (int(value) if value.is_integer() else value)
                for field, value in zip(self.fields, numbers)}

    def __setitem__(self, name, record):
        if self._variable:
            numbers = [float(value) for value in record]
        else:
            if set(record) != set(self.fields):
                raise ValueError("a %s record has the fields %s" % (self.name, ", ".join(self.fields)))
            numbers = [float(record[field]) for field in self.fields]
        values = (ctypes.c_double * max(len(numbers), 1))(*numbers)
        _call("zrv_record_put", self._template._handle, self._code, _utf8(name), values, len(numbers))

    def __delitem__(self, name):
        status = _f["zrv_record_delete"](self._template._handle, self._code, _utf8(name))
        if status == _c["ZRV_E_NOT_FOUND"]:
            raise KeyError(name)
        if status != _c["ZRV_OK"]:
            raise ZrvError(status)

    def is_used(self, name):
        """True when an item (or the melt-front capture) uses the setting."""
        used = ctypes.c_int()
        _call("zrv_record_used", self._template._handle, self._code, _utf8(name), ctypes.byref(used))
        return bool(used.value)

    def change_to_default(self, name, fallback=None):
        """Switches the users of the setting to the default (object and view: to `fallback`)."""
        _call("zrv_record_change_to_default", self._template._handle, self._code, _utf8(name),
              None if fallback is None else _utf8(fallback))


class Template:
    """A report template loaded into a settings document."""

    def __init__(self, kind="solid", process="injection", **flags):
        handle = ctypes.c_void_p()
        _call("zrv_setting_create", ctypes.byref(handle))
        self._handle = handle
        try:
            _call("zrv_setting_set_project_type", handle, _kind_number(kind), _process_number(process))
            _call("zrv_setting_set_flags", handle, _flag_bits(**flags))
        except Exception:
            self.close()
            raise
        self.items = _Items(self)
        self.libraries = {name: Library(self, name) for name in LIBRARIES}
        self.path = None

    @classmethod
    def load(cls, path, kind="solid", process="injection", **flags):
        """Loads the template at `path` for the project type given by `kind`
        ("solid", "shell"), `process` ("injection", "icm", ... or 0 to 14) and
        the flags thermoset, valve_pin, underfill, encapsulation_cm. Raises
        ZrvError when the file does not load; `load_status` tells how it went."""
        template = cls(kind, process, **flags)
        try:
            status = ctypes.c_int()
            _call("zrv_setting_load", template._handle, _utf8(str(path)), ctypes.byref(status),
                  message=lambda: template._last("zrv_setting_last_load") or
                  _LOAD_STATUS.get(status.value, ""))
        except Exception:
            template.close()
            raise
        template.path = str(path)
        return template

    def _last(self, function):
        return _text(function, self._handle, None)

    @property
    def load_status(self):
        """How the last load ended ("loaded", "loaded_with_findings", "file_missing" ...)."""
        status = ctypes.c_int()
        _call("zrv_setting_last_load", self._handle, ctypes.byref(status), None, 0, None)
        return _LOAD_STATUS[status.value]

    @property
    def project_type_name(self):
        return _text("zrv_setting_project_type_name", self._handle)

    def save(self, path=None):
        """Saves crash-safe to `path`, or over the loaded template. Raises
        ZrvError (ZRV_E_SAVE_FAILED, with the library's message) on failure."""
        status = ctypes.c_int()
        _call("zrv_setting_save", self._handle, None if path is None else _utf8(str(path)),
              ctypes.byref(status),
              message=lambda: self._last("zrv_setting_last_save") or _SAVE_STATUS[status.value])

    def close(self):
        if self._handle:
            _f["zrv_setting_destroy"](self._handle)
            self._handle = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def __del__(self):
        self.close()


Finding = namedtuple("Finding", "line field code severity section text message number")
Finding.__str__ = lambda f: "%d: %s: %s [%s]" % (f.line, f.severity, f.message, f.code)


class CheckResult:
    """The findings of one template load: `status` ("loaded", "file_missing" ...),
    `message`, `findings`, and `errors` and `warnings` (the findings of that
    severity)."""

    def __init__(self, handle):
        status = ctypes.c_int()
        self.message = _text("zrv_check_status", handle, ctypes.byref(status))
        self.status = _LOAD_STATUS[status.value]
        count = ctypes.c_int()
        _call("zrv_check_count", handle, ctypes.byref(count), None, None)
        self.findings = []
        finding = _api.structs["zrv_finding"]()
        for index in range(count.value):
            _call("zrv_check_finding", handle, index, ctypes.byref(finding))
            self.findings.append(Finding(
                finding.line, finding.field, finding.code.decode(), _SEVERITY[finding.severity],
                finding.section.decode("utf-8"), finding.text.decode("utf-8"),
                finding.message.decode("utf-8"), finding.number))

    @property
    def loaded(self):
        return self.status in ("loaded", "loaded_with_findings")

    @property
    def errors(self):
        return [f for f in self.findings if f.severity == "error"]

    @property
    def warnings(self):
        return [f for f in self.findings if f.severity == "warning"]

    @property
    def problems(self):
        """Errors and warnings (the notes only tell what the load did)."""
        return [f for f in self.findings if f.severity != "note"]


def check(path, kind=None, process=None, **flags):
    """Loads `path` as the library does and returns a CheckResult. Without
    `kind` the project type comes from the file's [FileHeader]."""
    handle = ctypes.c_void_p()
    kind_number = -1 if kind is None else _kind_number(kind)
    process_number = 0 if process is None else _process_number(process)
    _call("zrv_check_template", _utf8(str(path)), kind_number, process_number, _flag_bits(**flags),
          ctypes.byref(handle))
    try:
        return CheckResult(handle)
    finally:
        _f["zrv_check_destroy"](handle)


def check_folder(folder):
    """Checks every template (".csv") of `folder`: a dict file name -> CheckResult."""
    handle = ctypes.c_void_p()
    _call("zrv_check_folder", _utf8(str(folder)), ctypes.byref(handle))
    try:
        count = ctypes.c_int()
        _call("zrv_folder_check_count", handle, ctypes.byref(count))
        results = {}
        for index in range(count.value):
            name = ctypes.c_char_p()
            check_handle = ctypes.c_void_p()
            _call("zrv_folder_check_entry", handle, index, ctypes.byref(name), ctypes.byref(check_handle))
            results[name.value.decode("utf-8")] = CheckResult(check_handle)
        return results
    finally:
        _f["zrv_folder_check_destroy"](handle)


def catalogue(kind="solid", process="injection", **flags):
    """The item keys each result section accepts for the project type's loader:
    a dict section tag -> list of (key, result item id), ordered by id."""
    loader = ctypes.c_int()
    _call("zrv_loader_of_project", _kind_number(kind), _process_number(process), _flag_bits(**flags),
          ctypes.byref(loader))
    handle = ctypes.c_void_p()
    _call("zrv_catalogue_open", loader.value, 1 if flags.get("thermoset") else 0, ctypes.byref(handle))
    try:
        count = ctypes.c_int()
        _call("zrv_catalogue_section_count", handle, ctypes.byref(count))
        sections = {}
        for section in range(count.value):
            tag = ctypes.c_char_p()
            keys = ctypes.c_int()
            _call("zrv_catalogue_section", handle, section, ctypes.byref(tag), None, ctypes.byref(keys))
            entries = []
            for key in range(keys.value):
                name = ctypes.c_char_p()
                item_id = ctypes.c_int()
                _call("zrv_catalogue_key", handle, section, key, ctypes.byref(name), ctypes.byref(item_id))
                entries.append((name.value.decode("utf-8"), item_id.value))
            sections[tag.value.decode()] = entries
        return sections
    finally:
        _f["zrv_catalogue_destroy"](handle)


def install_templates(source_root, target_root):
    """Brings the templates of SOURCE/ReportSetting into TARGET/ReportSetting
    (older templates of the target are moved aside, missing files copied).

    Raises ZrvError when a folder cannot be created or listed; its message
    names each failed operation with the system's reason. Returns the list of
    what failed without stopping the install (a file not copied, a template
    not moved aside), one line each; empty when everything was done."""
    _call("zrv_install_templates", _utf8(str(source_root)), _utf8(str(target_root)),
          message=lambda: _text("zrv_install_message") or None)
    message = _text("zrv_install_message")
    return message.split("\n") if message else []
