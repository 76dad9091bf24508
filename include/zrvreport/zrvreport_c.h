/* zrvreport_c.h - the C interface of the report settings library: a narrow,
 * stable interface that hosts built with any C or C++ compiler, and other
 * languages through their foreign function interfaces, can use.
 *
 * Conventions, for every function of this header:
 * - Every function returns a zrv_status: ZRV_OK (0) on success, another code
 *   otherwise (zrv_status_name names each). A function that fails changes
 *   nothing: neither the document nor its output arguments.
 * - Objects are opaque handles made by a *_create or *_open function and
 *   released by the matching *_destroy function. A null handle gives
 *   ZRV_E_NULL_HANDLE.
 * - Text is UTF-8. Text arguments are `const char*` and must not be null
 *   (ZRV_E_NULL_ARGUMENT) and must be well-formed UTF-8 (ZRV_E_INVALID_UTF8);
 *   names of settings are at most 255 characters (ZRV_E_INVALID_ARGUMENT).
 * - Text results are copied into a caller's buffer: (buffer, size, needed).
 *   `needed`, when not null, always receives the size the text takes with its
 *   terminating NUL. A buffer of fewer bytes gives ZRV_E_BUFFER_TOO_SMALL and
 *   is left untouched; a null buffer with size 0 only asks for the size and
 *   gives ZRV_OK.
 * - Texts returned as `const char*` (status names, finding texts) belong to
 *   the library: static, or alive as long as the handle they came from.
 * - No exception and no C++ type crosses this interface; an unexpected
 *   failure inside gives ZRV_E_INTERNAL, exhausted memory ZRV_E_OUT_OF_MEMORY.
 * - Indexes are 0-based; an index outside its list gives ZRV_E_OUT_OF_RANGE.
 * - Handles are used by one thread at a time.
 */
#ifndef ZRVREPORT_ZRVREPORT_C_H
#define ZRVREPORT_ZRVREPORT_C_H

#include <stddef.h>

#include "zrvreport/zrvreport_export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Status codes ------------------------------------------------------------ */

/** The result of every function. The numbers are stable. */
typedef enum zrv_status {
  ZRV_OK = 0,                 /**< success */
  ZRV_E_NULL_HANDLE = 1,      /**< the handle is null */
  ZRV_E_NULL_ARGUMENT = 2,    /**< a required pointer argument is null */
  ZRV_E_INVALID_UTF8 = 3,     /**< a text argument is not well-formed UTF-8 */
  ZRV_E_INVALID_ARGUMENT = 4, /**< a value outside its set (kind, field, flag, library) */
  ZRV_E_OUT_OF_RANGE = 5,     /**< an index outside its list */
  ZRV_E_BUFFER_TOO_SMALL = 6, /**< the caller's buffer cannot take the text */
  ZRV_E_NOT_FOUND = 7,        /**< no setting of that name in the library */
  ZRV_E_NOT_SUPPORTED = 8,    /**< the operation does not apply (e.g. to this library) */
  ZRV_E_LOAD_FAILED = 9,      /**< the template did not load; see the load status */
  ZRV_E_SAVE_FAILED = 10,     /**< the template was not saved; see the save status */
  ZRV_E_NO_LOADER = 11,       /**< the project type chooses no template loader */
  ZRV_E_FAILED = 12,          /**< the library reported failure (e.g. a folder not listed) */
  ZRV_E_OUT_OF_MEMORY = 13,   /**< memory ran out */
  ZRV_E_INTERNAL = 14,        /**< an unexpected failure inside the library */
  ZRV_STATUS_COUNT = 15
} zrv_status;

/** Sets *name to the code's name ("ZRV_E_INVALID_UTF8") and *description to a
 * short English description ("a text argument is not well-formed UTF-8");
 * either pointer may be null. ZRV_E_OUT_OF_RANGE for an unknown code. */
ZRVREPORT_EXPORT zrv_status zrv_status_name(int code, const char** name, const char** description);

/** The library version (1, 0, 0 for 1.0.0); any pointer may be null. */
ZRVREPORT_EXPORT zrv_status zrv_version(int* major, int* minor, int* patch);

/* ---- Report setting facade: project type and flags ----------------------------- */

/** A report setting facade with its settings document. */
typedef struct zrv_setting zrv_setting;

/** The project flags, one bit each. */
typedef enum zrv_flag {
  ZRV_FLAG_THERMOSET = 1,       /**< thermoset run */
  ZRV_FLAG_VALVE_PIN = 2,       /**< the project has a valve pin */
  ZRV_FLAG_UNDERFILL = 4,       /**< IC package underfill */
  ZRV_FLAG_ENCAPSULATION_CM = 8 /**< IC package encapsulation by compression moulding */
} zrv_flag;

/** Creates an empty facade: project kind 0 (solid), application type 0
 * (injection), no flags, no template. */
ZRVREPORT_EXPORT zrv_status zrv_setting_create(zrv_setting** setting);

/** Destroys a facade and its document. ZRV_E_NULL_HANDLE for null. */
ZRVREPORT_EXPORT zrv_status zrv_setting_destroy(zrv_setting* setting);

/** Sets the project kind (0 solid, 1 shell, 2 solid model) and application
 * type (0 injection to 14 CFM). ZRV_E_INVALID_ARGUMENT outside these. */
ZRVREPORT_EXPORT zrv_status zrv_setting_set_project_type(zrv_setting* setting, int kind,
                                                         int app_type);

/** The project kind and application type; either pointer may be null. */
ZRVREPORT_EXPORT zrv_status zrv_setting_get_project_type(const zrv_setting* setting, int* kind,
                                                         int* app_type);

/** Sets the flags to `flags`, an OR of zrv_flag bits. ZRV_E_INVALID_ARGUMENT
 * for another bit. */
ZRVREPORT_EXPORT zrv_status zrv_setting_set_flags(zrv_setting* setting, unsigned flags);

/** The flags as an OR of zrv_flag bits. */
ZRVREPORT_EXPORT zrv_status zrv_setting_get_flags(const zrv_setting* setting, unsigned* flags);

/** The project type's name ("SolidICM", "SolidInjection(RIM)"); the empty
 * text for a project type without one. */
ZRVREPORT_EXPORT zrv_status zrv_setting_project_type_name(const zrv_setting* setting, char* buffer,
                                                          size_t size, size_t* needed);

/* ---- Loading and saving ----------------------------------------------------------- */

/** How a load ended (the values of the C++ ZRVLoadStatus). */
typedef enum zrv_load_status {
  ZRV_LOAD_NOT_LOADED = 0,
  ZRV_LOAD_LOADED = 1,
  ZRV_LOAD_LOADED_WITH_FINDINGS = 2,
  ZRV_LOAD_NOT_A_TEMPLATE = 3,
  ZRV_LOAD_FILE_MISSING = 4,
  ZRV_LOAD_FILE_UNREADABLE = 5,
  ZRV_LOAD_NO_LOADER = 6,
  ZRV_LOAD_INVALID_ARGUMENT = 7
} zrv_load_status;

/** How a save ended (the values of the C++ ZRVSaveStatus). */
typedef enum zrv_save_status {
  ZRV_SAVE_NOT_SAVED = 0,
  ZRV_SAVE_SAVED = 1,
  ZRV_SAVE_NO_TARGET = 2,
  ZRV_SAVE_NAME_TOO_LONG = 3,
  ZRV_SAVE_LINE_TOO_LONG = 4,
  ZRV_SAVE_TARGET_NOT_WRITABLE = 5,
  ZRV_SAVE_CREATE_FAILED = 6,
  ZRV_SAVE_WRITE_FAILED = 7,
  ZRV_SAVE_REPLACE_FAILED = 8
} zrv_save_status;

/** Makes `path` the project's template and loads it with the loader of the
 * project type (the document is emptied first). *load_status (may be null)
 * receives the zrv_load_status. ZRV_OK when the file loaded (with or without
 * findings), ZRV_E_NO_LOADER when the project type loads nothing,
 * ZRV_E_LOAD_FAILED otherwise. */
ZRVREPORT_EXPORT zrv_status zrv_setting_load(zrv_setting* setting, const char* path,
                                             int* load_status);

/** Saves the document as a template, crash-safe: the file at the target is
 * either the old one or the whole new one. `path` null saves to the
 * project's template (the path of the last load), otherwise to `path`.
 * *save_status (may be null) receives the zrv_save_status. ZRV_OK when saved,
 * ZRV_E_SAVE_FAILED otherwise. */
ZRVREPORT_EXPORT zrv_status zrv_setting_save(zrv_setting* setting, const char* path,
                                             int* save_status);

/** The status of the last load (*status may be null) and its message (the
 * empty text when it succeeded). */
ZRVREPORT_EXPORT zrv_status zrv_setting_last_load(const zrv_setting* setting, int* status,
                                                  char* buffer, size_t size, size_t* needed);

/** The status of the last save (*status may be null) and its message. */
ZRVREPORT_EXPORT zrv_status zrv_setting_last_save(const zrv_setting* setting, int* status,
                                                  char* buffer, size_t size, size_t* needed);

/** A short English description of a zrv_load_status ("file missing"). */
ZRVREPORT_EXPORT zrv_status zrv_load_status_text(int status, char* buffer, size_t size,
                                                 size_t* needed);

/** A short English description of a zrv_save_status ("saved"). */
ZRVREPORT_EXPORT zrv_status zrv_save_status_text(int status, char* buffer, size_t size,
                                                 size_t* needed);

/* ---- Items --------------------------------------------------------------------------- */

/** The number fields of an item. */
typedef enum zrv_item_field {
  ZRV_ITEM_ID = 0,           /**< result item id (read only) */
  ZRV_ITEM_MODULE = 1,       /**< result module id (read only) */
  ZRV_ITEM_OUTPUT = 2,       /**< 0 off, 1 image, 2 GIF, 3 AVI (others stored as 0) */
  ZRV_ITEM_DISPLAY_MODE = 3, /**< 0 surface to 4 (others stored as 0) */
  ZRV_ITEM_PARAMETER_X = 4,
  ZRV_ITEM_PARAMETER_Y = 5,
  ZRV_ITEM_PARAMETER_Z = 6,
  ZRV_ITEM_FACE_NUMBER = 7,
  ZRV_ITEM_COUNT_OF_1_PAGE = 8, /**< items on one report page */
  ZRV_ITEM_OUTPUT_AIR_TRAP = 9,
  ZRV_ITEM_OUTPUT_WELD_LINE = 10,
  ZRV_ITEM_FIELD_COUNT = 11
} zrv_item_field;

/** The setting libraries. The first five are the item libraries whose names
 * items carry; the last three bind to the report's extended items. */
typedef enum zrv_library {
  ZRV_LIBRARY_CLIPPING = 0,
  ZRV_LIBRARY_SLICING = 1,
  ZRV_LIBRARY_VIEW = 2,
  ZRV_LIBRARY_OBJECT = 3,
  ZRV_LIBRARY_CAPTURE = 4,
  ZRV_LIBRARY_MELT = 5,
  ZRV_LIBRARY_ANIMATION = 6,
  ZRV_LIBRARY_IMAGE = 7,
  ZRV_LIBRARY_COUNT = 8
} zrv_library;

/** The number of report items of the document. */
ZRVREPORT_EXPORT zrv_status zrv_item_count(const zrv_setting* setting, int* count);

/** The template key of item `index` ("MeltFrontTime"). */
ZRVREPORT_EXPORT zrv_status zrv_item_name(const zrv_setting* setting, int index, char* buffer,
                                          size_t size, size_t* needed);

/** Reads a number field of item `index`. */
ZRVREPORT_EXPORT zrv_status zrv_item_get(const zrv_setting* setting, int index, int field,
                                         int* value);

/** Changes a number field of item `index`. ZRV_E_NOT_SUPPORTED for the read
 * only fields. */
ZRVREPORT_EXPORT zrv_status zrv_item_set(zrv_setting* setting, int index, int field, int value);

/** The name of the setting of item library `library` (clipping to capture)
 * that item `index` carries; the empty text when it carries none.
 * ZRV_E_NOT_SUPPORTED for the three extended libraries. */
ZRVREPORT_EXPORT zrv_status zrv_item_setting_name(const zrv_setting* setting, int index,
                                                  int library, char* buffer, size_t size,
                                                  size_t* needed);

/** Gives item `index` the setting `name` of item library `library`: the item
 * takes the name and a copy of the record (a name the library lacks gives
 * the record's defaults, as in the C++ interface). */
ZRVREPORT_EXPORT zrv_status zrv_item_set_setting_name(zrv_setting* setting, int index, int library,
                                                      const char* name);

/* ---- Setting libraries ----------------------------------------------------------------- */

/** The library's name ("clipping"), the number of its record fields and
 * whether the record is a list of up to that many values (1 for melt-front
 * capture, whose record is its capture percentages) or has exactly that many
 * (0). Any out pointer may be null. */
ZRVREPORT_EXPORT zrv_status zrv_library_info(int library, const char** name, int* field_count,
                                             int* variable);

/** The name of record field `field` ("AngleX"). */
ZRVREPORT_EXPORT zrv_status zrv_library_field_name(int library, int field, const char** name);

/** The number of names in the library's option list (in key order after a
 * load, then in order of last change). The option lists of the three
 * extended libraries may hold an empty name. */
ZRVREPORT_EXPORT zrv_status zrv_library_count(const zrv_setting* setting, int library, int* count);

/** Name `index` of the library's option list. */
ZRVREPORT_EXPORT zrv_status zrv_library_name(const zrv_setting* setting, int library, int index,
                                             char* buffer, size_t size, size_t* needed);

/** Reads the record `name` into values[0..*count): the record's fields as
 * zrv_library_field_name names them (integers as doubles). `capacity` is the
 * room of `values`; *count receives the number of values (also when the room
 * is too small: ZRV_E_BUFFER_TOO_SMALL). ZRV_E_NOT_FOUND when the option
 * list lacks the name. */
ZRVREPORT_EXPORT zrv_status zrv_record_get(const zrv_setting* setting, int library,
                                           const char* name, double* values, size_t capacity,
                                           size_t* count);

/** Adds the record `name`, or changes it when it exists, from values[0..count)
 * (count must be the field count; for melt-front capture 0 to 100).
 * Integer fields take the value's integer part. The name moves to the end of
 * the option list. */
ZRVREPORT_EXPORT zrv_status zrv_record_put(zrv_setting* setting, int library, const char* name,
                                           const double* values, size_t count);

/** Deletes the record `name` (items of some libraries then carry the empty
 * name, as in the C++ interface). ZRV_E_NOT_FOUND when there is none. */
ZRVREPORT_EXPORT zrv_status zrv_record_delete(zrv_setting* setting, int library, const char* name);

/** *used receives 1 when an item (or the melt-front capture) uses the setting
 * `name`, else 0. ZRV_E_NOT_SUPPORTED for animation and image. */
ZRVREPORT_EXPORT zrv_status zrv_record_used(const zrv_setting* setting, int library,
                                            const char* name, int* used);

/** Switches the users of setting `name` to the library's default (for object
 * and view, to `fallback`; ignored and may be null for the others).
 * ZRV_E_NOT_SUPPORTED for animation and image. */
ZRVREPORT_EXPORT zrv_status zrv_record_change_to_default(zrv_setting* setting, int library,
                                                         const char* name, const char* fallback);

/* ---- Checking a template ---------------------------------------------------------------- */

/** The findings of one template load. */
typedef struct zrv_check zrv_check;

/** How serious a finding is. */
typedef enum zrv_severity {
  ZRV_SEVERITY_NOTE = 0,    /**< what the load did, nothing lost */
  ZRV_SEVERITY_WARNING = 1, /**< a line ignored or changed, the author's intent likely kept */
  ZRV_SEVERITY_ERROR = 2    /**< something the author wrote is lost */
} zrv_severity;

/** One finding. The texts live as long as the check. */
typedef struct zrv_finding {
  int line;            /**< 1-based line in the file; 0 for none */
  int field;           /**< 1-based field of an item line; 0 for none */
  int kind;            /**< the kind's number (the order of `code` names) */
  int severity;        /**< a zrv_severity */
  int number;          /**< a number the finding is about, 0 otherwise */
  const char* code;    /**< stable code name ("unknown-key") */
  const char* section; /**< the section tag ("[FlowResult]"), or empty */
  const char* text;    /**< the key, name or line it is about, or empty */
  const char* message; /**< a sentence in plain English */
} zrv_finding;

/** Loads the template `path` as a facade of project kind `kind` and
 * application type `app_type` with `flags` (zrv_flag bits) would, and
 * records every finding of the load. With kind -1 the kind and application
 * type come from the file's [FileHeader] (0 where it lacks them). The check
 * is made even when the load fails: its status tells why. */
ZRVREPORT_EXPORT zrv_status zrv_check_template(const char* path, int kind, int app_type,
                                               unsigned flags, zrv_check** check);

/** Destroys a check. */
ZRVREPORT_EXPORT zrv_status zrv_check_destroy(zrv_check* check);

/** The load status of the check (a zrv_load_status) and its message. */
ZRVREPORT_EXPORT zrv_status zrv_check_status(const zrv_check* check, int* load_status, char* buffer,
                                             size_t size, size_t* needed);

/** The number of findings, and how many of them are errors and warnings; any
 * pointer may be null. */
ZRVREPORT_EXPORT zrv_status zrv_check_count(const zrv_check* check, int* count, int* errors,
                                            int* warnings);

/** Finding `index`, in file order. */
ZRVREPORT_EXPORT zrv_status zrv_check_finding(const zrv_check* check, int index,
                                              zrv_finding* finding);

/** The code name of finding kind `kind` and its severity; any pointer may be
 * null. ZRV_E_OUT_OF_RANGE past the last kind. */
ZRVREPORT_EXPORT zrv_status zrv_finding_kind(int kind, const char** code, int* severity);

/* ---- Catalogue -------------------------------------------------------------------------- */

/** The result sections a template loader accepts, with the item keys and
 * result item ids of each. */
typedef struct zrv_catalogue zrv_catalogue;

/** The number of template loaders (17: 0 shell injection ... 16 solid CFM). */
ZRVREPORT_EXPORT zrv_status zrv_loader_count(int* count);

/** The name of loader `loader` ("LoadSolidICM"). */
ZRVREPORT_EXPORT zrv_status zrv_loader_name(int loader, const char** name);

/** The loader that a facade of kind `kind`, application type `app_type` and
 * `flags` uses. ZRV_E_NO_LOADER when it loads nothing. */
ZRVREPORT_EXPORT zrv_status zrv_loader_of_project(int kind, int app_type, unsigned flags,
                                                  int* loader);

/** Opens the catalogue of loader `loader`; `thermoset` non-zero selects the
 * key lists of a thermoset run (for the loaders that take the flag). */
ZRVREPORT_EXPORT zrv_status zrv_catalogue_open(int loader, int thermoset,
                                               zrv_catalogue** catalogue);

/** Destroys a catalogue. */
ZRVREPORT_EXPORT zrv_status zrv_catalogue_destroy(zrv_catalogue* catalogue);

/** The number of result sections the loader accepts. */
ZRVREPORT_EXPORT zrv_status zrv_catalogue_section_count(const zrv_catalogue* catalogue, int* count);

/** Section `section`: its tag ("[FlowResult]", static text), its result
 * module id and number of keys; any out pointer may be null. */
ZRVREPORT_EXPORT zrv_status zrv_catalogue_section(const zrv_catalogue* catalogue, int section,
                                                  const char** tag, int* module, int* key_count);

/** Key `key` of section `section` (ordered by item id) and its item id; the
 * text lives as long as the catalogue. */
ZRVREPORT_EXPORT zrv_status zrv_catalogue_key(const zrv_catalogue* catalogue, int section, int key,
                                              const char** name, int* item_id);

/* ---- Template folders ------------------------------------------------------------------- */

/** Brings the templates of `source_root`/ReportSetting into
 * `target_root`/ReportSetting as CZRVReportSetting::CopyReportSettingTemplateFile
 * does: older templates of the target are moved aside, missing files copied.
 * ZRV_E_FAILED when a folder cannot be created or listed. */
ZRVREPORT_EXPORT zrv_status zrv_install_templates(const char* source_root, const char* target_root);

/** Why the calling thread's last zrv_install_templates that ran (not one
 * refused for its arguments) failed or left files behind: one line per folder listing, folder
 * creation, backup rename or file copy that failed, in the order they failed, each "[ReportSetting]
 * OPERATION fail PATH: REASON" (or "... fail PATH to PATH: REASON" for a rename or a copy) with the
 * system's reason, the lines separated by a line feed. Empty before the thread's first install and
 * when nothing failed. Each thread keeps its own, so a host's threads do not read each other's. */
ZRVREPORT_EXPORT zrv_status zrv_install_message(char* buffer, size_t size, size_t* needed);

/** The checks of every template (".csv" in any letter case) of one folder. */
typedef struct zrv_folder_check zrv_folder_check;

/** Checks every template of `folder` (not its subfolders), each with the
 * project type of its [FileHeader], in name order. ZRV_E_FAILED when the
 * folder cannot be listed. */
ZRVREPORT_EXPORT zrv_status zrv_check_folder(const char* folder, zrv_folder_check** result);

/** Destroys a folder check and the checks it holds. */
ZRVREPORT_EXPORT zrv_status zrv_folder_check_destroy(zrv_folder_check* result);

/** The number of templates checked. */
ZRVREPORT_EXPORT zrv_status zrv_folder_check_count(const zrv_folder_check* result, int* count);

/** Template `index`: its file name (without the folder; lives as long as the
 * folder check) and its check (owned by the folder check). */
ZRVREPORT_EXPORT zrv_status zrv_folder_check_entry(const zrv_folder_check* result, int index,
                                                   const char** file_name, const zrv_check** check);

#ifdef __cplusplus
}
#endif

#endif /* ZRVREPORT_ZRVREPORT_C_H */
