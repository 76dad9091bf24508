/* capi_test.c - the C interface used from C: each task a host or a script
 * does, and bad input (null handles and arguments, ill-formed UTF-8, short
 * buffers, indexes out of range), which must give a clear status and change
 * nothing. Compiled as C99 by a compiler other than the library's.
 * Reads tests/data through ZRV_TEST_DATA; writes only below its own
 * temporary folder in the working directory, removed at the end. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifdef _WIN32
#include <direct.h>
#define make_folder(path) _mkdir(path)
#define remove_folder(path) _rmdir(path)
#else
#include <sys/stat.h>
#include <unistd.h>
#define make_folder(path) mkdir(path, 0700)
#define remove_folder(path) rmdir(path)
#endif

#include "zrvreport/zrvreport_c.h"

static int passed = 0;
static int failed = 0;

/* Counts a check; a failed one is told with its place and text. */
static void count_check(int holds, const char* file, int line, const char* text) {
  passed += holds;
  failed += !holds;
  if (!holds)
    fprintf(stderr, "%s:%d: failed: %s\n", file, line, text);
}
#define CHECK(condition) count_check((condition) ? 1 : 0, __FILE__, __LINE__, #condition)
#define CHECK_STATUS(expected, call) CHECK((call) == (expected))

static char data_folder[1024];
static const char* temp_folder = "capi_test_tmp";

static void path_in(char* out, size_t size, const char* folder, const char* name) {
  snprintf(out, size, "%s/%s", folder, name);
}

static int write_file(const char* path, const char* text) {
  FILE* file = fopen(path, "wb");
  return file && fputs(text, file) >= 0 && fclose(file) == 0;
}

static int file_exists(const char* path) {
  FILE* file = fopen(path, "rb");
  return file && fclose(file) == 0;
}

/* A facade of a solid injection project with the sample template loaded. */
static zrv_setting* load_sample(void) {
  zrv_setting* setting = NULL;
  char path[1200];
  int load_status = -1;
  path_in(path, sizeof path, data_folder, "example_solid_injection.csv");
  if (zrv_setting_create(&setting) != ZRV_OK)
    return NULL;
  if (zrv_setting_load(setting, path, &load_status) != ZRV_OK) {
    fprintf(stderr, "cannot load %s (load status %d)\n", path, load_status);
    zrv_setting_destroy(setting);
    return NULL;
  }
  return setting;
}

/* The value of an item field; -999 when the call fails. */
static int item_value(const zrv_setting* setting, int index, int field) {
  int value = -999;
  return zrv_item_get(setting, index, field, &value) == ZRV_OK ? value : -999;
}

/* 1 when the item's setting name of the library is `expected`. */
static int item_setting_is(const zrv_setting* setting, int index, int library,
                           const char* expected) {
  char text[256];
  return zrv_item_setting_name(setting, index, library, text, sizeof text, NULL) == ZRV_OK &&
         strcmp(text, expected) == 0;
}

/* The number of names of a library; -1 when the call fails. */
static int library_count(const zrv_setting* setting, int library) {
  int count = -1;
  return zrv_library_count(setting, library, &count) == ZRV_OK ? count : -1;
}

/* Whether a setting is used; -1 when the call fails. */
static int record_used(const zrv_setting* setting, int library, const char* name) {
  int used = -1;
  return zrv_record_used(setting, library, name, &used) == ZRV_OK ? used : -1;
}

static void test_status_names(void) {
  const char* name = NULL;
  const char* description = NULL;
  int code;
  for (code = 0; code < ZRV_STATUS_COUNT; ++code) {
    name = NULL;
    CHECK_STATUS(ZRV_OK, zrv_status_name(code, &name, &description));
    CHECK(name != NULL && strncmp(name, "ZRV_", 4) == 0 && description && *description);
  }
  zrv_status_name(ZRV_E_INVALID_UTF8, &name, NULL);
  CHECK(strcmp(name, "ZRV_E_INVALID_UTF8") == 0);
  name = "unchanged";
  CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_status_name(ZRV_STATUS_COUNT, &name, NULL));
  CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_status_name(-1, &name, NULL));
  CHECK(strcmp(name, "unchanged") == 0);
}

static void test_project_type_and_flags(void) {
  zrv_setting* setting = NULL;
  int kind = -1, app_type = -1;
  unsigned flags = 99;
  char name[64];
  size_t needed = 0;
  CHECK_STATUS(ZRV_OK, zrv_setting_create(&setting));
  CHECK_STATUS(ZRV_OK, zrv_setting_set_project_type(setting, 0, 4));
  CHECK_STATUS(ZRV_OK, zrv_setting_set_flags(setting, ZRV_FLAG_THERMOSET));
  CHECK_STATUS(ZRV_OK, zrv_setting_project_type_name(setting, name, sizeof name, &needed));
  CHECK(strcmp(name, "SolidICM") == 0 && needed == strlen(name) + 1);
  /* Out-of-set values change nothing. */
  CHECK_STATUS(ZRV_OK, zrv_setting_set_project_type(setting, 2, 0));
  CHECK_STATUS(ZRV_OK, zrv_setting_set_project_type(setting, 0, 4));
  CHECK_STATUS(ZRV_E_INVALID_ARGUMENT, zrv_setting_set_project_type(setting, 3, 0));
  CHECK_STATUS(ZRV_E_INVALID_ARGUMENT, zrv_setting_set_project_type(setting, 1, 15));
  CHECK_STATUS(ZRV_E_INVALID_ARGUMENT, zrv_setting_set_flags(setting, 16u));
  CHECK_STATUS(ZRV_OK, zrv_setting_get_project_type(setting, &kind, &app_type));
  CHECK_STATUS(ZRV_OK, zrv_setting_get_flags(setting, &flags));
  CHECK(kind == 0 && app_type == 4 && flags == ZRV_FLAG_THERMOSET);
  /* A short buffer is left untouched and told the size it needs. */
  strcpy(name, "xyz");
  CHECK_STATUS(ZRV_E_BUFFER_TOO_SMALL, zrv_setting_project_type_name(setting, name, 3, &needed));
  CHECK(strcmp(name, "xyz") == 0 && needed == 9);
  CHECK_STATUS(ZRV_OK, zrv_setting_project_type_name(setting, NULL, 0, &needed));
  CHECK_STATUS(ZRV_E_NULL_ARGUMENT, zrv_setting_project_type_name(setting, NULL, 8, &needed));
  CHECK_STATUS(ZRV_OK, zrv_setting_destroy(setting));
}

static void test_load_and_items(void) {
  zrv_setting* setting = load_sample();
  int count = 0, value = -1, status = -1;
  char text[256];
  size_t needed = 0;
  CHECK(setting != NULL);
  if (!setting)
    return;
  CHECK_STATUS(ZRV_OK, zrv_setting_last_load(setting, &status, text, sizeof text, NULL));
  CHECK(status == ZRV_LOAD_LOADED || status == ZRV_LOAD_LOADED_WITH_FINDINGS);
  CHECK_STATUS(ZRV_OK, zrv_item_count(setting, &count));
  CHECK(count == 3);
  CHECK_STATUS(ZRV_OK, zrv_item_name(setting, 2, text, sizeof text, &needed));
  CHECK(strcmp(text, "Pressure") == 0);
  CHECK(item_value(setting, 2, ZRV_ITEM_MODULE) == 1 &&
        item_value(setting, 1, ZRV_ITEM_OUTPUT) == 2);
  /* Out-of-set outputs are stored as 0, as in the C++ interface. */
  CHECK_STATUS(ZRV_OK, zrv_item_set(setting, 1, ZRV_ITEM_OUTPUT, 7));
  CHECK_STATUS(ZRV_OK, zrv_item_set(setting, 2, ZRV_ITEM_FACE_NUMBER, 42));
  CHECK(item_value(setting, 1, ZRV_ITEM_OUTPUT) == 0 &&
        item_value(setting, 2, ZRV_ITEM_FACE_NUMBER) == 42);
  CHECK_STATUS(ZRV_E_NOT_SUPPORTED, zrv_item_set(setting, 2, ZRV_ITEM_ID, 5));
  CHECK_STATUS(ZRV_E_INVALID_ARGUMENT, zrv_item_get(setting, 0, ZRV_ITEM_FIELD_COUNT, &value));
  value = -7;
  CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_item_get(setting, 3, ZRV_ITEM_OUTPUT, &value));
  CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_item_get(setting, -1, ZRV_ITEM_OUTPUT, &value));
  CHECK(value == -7);
  /* Setting names of items; refused names change nothing. */
  CHECK(item_setting_is(setting, 2, ZRV_LIBRARY_CLIPPING, "Half_X"));
  CHECK_STATUS(ZRV_OK, zrv_item_set_setting_name(setting, 1, ZRV_LIBRARY_CLIPPING, "Half_X"));
  CHECK(item_setting_is(setting, 1, ZRV_LIBRARY_CLIPPING, "Half_X"));
  CHECK_STATUS(ZRV_E_NOT_SUPPORTED,
               zrv_item_setting_name(setting, 1, ZRV_LIBRARY_MELT, text, sizeof text, NULL));
  CHECK_STATUS(ZRV_E_INVALID_UTF8,
               zrv_item_set_setting_name(setting, 0, ZRV_LIBRARY_VIEW, "Bad\xC3("));
  CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_item_set_setting_name(setting, 9, ZRV_LIBRARY_VIEW, "X"));
  CHECK(item_setting_is(setting, 0, ZRV_LIBRARY_VIEW, "Iso_Front"));
  zrv_setting_destroy(setting);
}

static void test_libraries(void) {
  zrv_setting* setting = load_sample();
  const char* name = NULL;
  int count = 0, fields = 0, variable = -1, used = -1, library;
  double values[100];
  size_t got = 0;
  char text[256];
  static const double view[4] = {10.0, 20.0, 30.0, 2.5};
  static const double melt[3] = {10.0, 55.5, 90.0};
  if (!setting)
    return;
  /* Every library describes itself and lists names. */
  for (library = 0; library < ZRV_LIBRARY_COUNT; ++library) {
    CHECK_STATUS(ZRV_OK, zrv_library_info(library, &name, &fields, &variable));
    CHECK(name != NULL && fields > 0);
    CHECK_STATUS(ZRV_OK, zrv_library_field_name(library, fields - 1, &name));
    CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_library_field_name(library, fields, &name));
    CHECK(library_count(setting, library) >= 1);
  }
  CHECK_STATUS(ZRV_E_INVALID_ARGUMENT, zrv_library_info(ZRV_LIBRARY_COUNT, &name, NULL, NULL));
  zrv_library_info(ZRV_LIBRARY_MELT, NULL, &fields, &variable);
  CHECK(fields == 100 && variable == 1);
  /* Read a view record. */
  CHECK_STATUS(ZRV_OK, zrv_record_get(setting, ZRV_LIBRARY_VIEW, "Iso_Front", values, 4, &got));
  CHECK(got == 4 && values[0] == 45.0 && values[1] == 30.0 && values[3] == 1.2);
  CHECK_STATUS(ZRV_E_BUFFER_TOO_SMALL,
               zrv_record_get(setting, ZRV_LIBRARY_VIEW, "Iso_Front", values, 2, &got));
  CHECK(got == 4);
  CHECK_STATUS(ZRV_E_NOT_FOUND, zrv_record_get(setting, ZRV_LIBRARY_VIEW, "Nope", values, 4, &got));
  /* Add, change and delete. */
  count = library_count(setting, ZRV_LIBRARY_VIEW);
  CHECK_STATUS(ZRV_OK, zrv_record_put(setting, ZRV_LIBRARY_VIEW, "Side", view, 4));
  CHECK(library_count(setting, ZRV_LIBRARY_VIEW) == count + 1);
  CHECK_STATUS(ZRV_OK, zrv_library_name(setting, ZRV_LIBRARY_VIEW, count, text, sizeof text, NULL));
  CHECK(strcmp(text, "Side") == 0);
  CHECK_STATUS(ZRV_OK, zrv_library_name(setting, ZRV_LIBRARY_VIEW, 0, text, sizeof text, NULL));
  CHECK_STATUS(ZRV_OK, zrv_record_get(setting, ZRV_LIBRARY_VIEW, "Side", values, 4, &got));
  CHECK(values[2] == 30.0 && values[3] == 2.5);
  CHECK_STATUS(ZRV_OK, zrv_record_put(setting, ZRV_LIBRARY_MELT, "Thirds", melt, 3));
  CHECK_STATUS(ZRV_OK, zrv_record_get(setting, ZRV_LIBRARY_MELT, "Thirds", values, 100, &got));
  CHECK(got == 3 && values[1] == 55.5);
  CHECK_STATUS(ZRV_OK, zrv_record_delete(setting, ZRV_LIBRARY_VIEW, "Side"));
  CHECK_STATUS(ZRV_E_NOT_FOUND, zrv_record_delete(setting, ZRV_LIBRARY_VIEW, "Side"));
  CHECK(library_count(setting, ZRV_LIBRARY_VIEW) == count);
  /* Bad records change nothing. */
  values[0] = NAN;
  CHECK_STATUS(ZRV_E_INVALID_ARGUMENT, zrv_record_put(setting, ZRV_LIBRARY_VIEW, "Bad", values, 4));
  values[0] = 1e12;
  CHECK_STATUS(ZRV_E_INVALID_ARGUMENT,
               zrv_record_put(setting, ZRV_LIBRARY_CAPTURE, "Bad", values, 4));
  CHECK_STATUS(ZRV_E_INVALID_ARGUMENT, zrv_record_put(setting, ZRV_LIBRARY_VIEW, "Bad", view, 3));
  CHECK_STATUS(ZRV_E_INVALID_UTF8,
               zrv_record_put(setting, ZRV_LIBRARY_VIEW, "\xED\xA0\x80", view, 4));
  CHECK_STATUS(ZRV_E_INVALID_UTF8, zrv_record_put(setting, ZRV_LIBRARY_VIEW, "\xC0\xAF", view, 4));
  CHECK_STATUS(ZRV_E_INVALID_UTF8,
               zrv_record_put(setting, ZRV_LIBRARY_VIEW, "\xED\xBF\xBF", view, 4)); /* U+DFFF */
  CHECK_STATUS(ZRV_E_INVALID_UTF8,
               zrv_record_put(setting, ZRV_LIBRARY_VIEW, "\xF4\x90\x80\x80", view, 4));
  CHECK_STATUS(ZRV_OK, zrv_record_put(setting, ZRV_LIBRARY_VIEW, "\xF4\x8F\xBF\xBF", view, 4));
  {
    char long_name[300];
    memset(long_name, 'n', 256);
    long_name[255] = '\0'; /* 255 characters are a name, 256 are not */
    CHECK_STATUS(ZRV_OK, zrv_record_put(setting, ZRV_LIBRARY_VIEW, long_name, view, 4));
    long_name[255] = 'n';
    long_name[256] = '\0';
    CHECK_STATUS(ZRV_E_INVALID_ARGUMENT,
                 zrv_record_put(setting, ZRV_LIBRARY_VIEW, long_name, view, 4));
  }
  CHECK_STATUS(ZRV_E_NULL_ARGUMENT, zrv_record_put(setting, ZRV_LIBRARY_VIEW, NULL, view, 4));
  CHECK_STATUS(ZRV_E_NOT_FOUND, zrv_record_get(setting, ZRV_LIBRARY_VIEW, "Bad", values, 4, &got));
  CHECK_STATUS(ZRV_E_OUT_OF_RANGE,
               zrv_library_name(setting, ZRV_LIBRARY_VIEW, library_count(setting, ZRV_LIBRARY_VIEW),
                                text, sizeof text, NULL));
  /* Usage checks and default switches. */
  CHECK(record_used(setting, ZRV_LIBRARY_CLIPPING, "Half_X") == 1);
  CHECK(record_used(setting, ZRV_LIBRARY_SLICING, "Nothing") == 0);
  CHECK_STATUS(ZRV_E_NOT_SUPPORTED,
               zrv_record_used(setting, ZRV_LIBRARY_IMAGE, "Large_Png", &used));
  CHECK_STATUS(ZRV_OK, zrv_record_change_to_default(setting, ZRV_LIBRARY_CLIPPING, "Half_X", NULL));
  CHECK(record_used(setting, ZRV_LIBRARY_CLIPPING, "Half_X") == 0);
  CHECK_STATUS(ZRV_E_NULL_ARGUMENT,
               zrv_record_change_to_default(setting, ZRV_LIBRARY_VIEW, "Iso_Front", NULL));
  zrv_setting_destroy(setting);
}

static void test_save(void) {
  zrv_setting* setting = load_sample();
  zrv_setting* again = NULL;
  char path[256], bad_path[256], text[512];
  int status = -1;
  double values[4];
  size_t got = 0;
  static const double view[4] = {1.0, 2.0, 3.0, 4.0};
  if (!setting)
    return;
  path_in(path, sizeof path, temp_folder, "saved.csv");
  path_in(bad_path, sizeof bad_path, temp_folder, "missing/saved.csv");
  zrv_item_set(setting, 2, ZRV_ITEM_OUTPUT, 2);
  zrv_record_put(setting, ZRV_LIBRARY_VIEW, "Saved_View", view, 4);
  CHECK_STATUS(ZRV_OK, zrv_setting_save(setting, path, &status));
  CHECK(status == ZRV_SAVE_SAVED);
  CHECK_STATUS(ZRV_E_SAVE_FAILED, zrv_setting_save(setting, bad_path, &status));
  CHECK(status == ZRV_SAVE_CREATE_FAILED);
  status = -1;
  CHECK_STATUS(ZRV_OK, zrv_setting_last_save(setting, &status, text, sizeof text, NULL));
  CHECK(status == ZRV_SAVE_CREATE_FAILED && strstr(text, "missing") != NULL);
  zrv_setting_create(&again);
  CHECK_STATUS(ZRV_OK, zrv_setting_load(again, path, &status));
  CHECK(item_value(again, 2, ZRV_ITEM_OUTPUT) == 2);
  CHECK_STATUS(ZRV_OK, zrv_record_get(again, ZRV_LIBRARY_VIEW, "Saved_View", values, 4, &got));
  CHECK(values[3] == 4.0);
  /* A failed load tells why. */
  CHECK_STATUS(ZRV_E_LOAD_FAILED, zrv_setting_load(again, bad_path, &status));
  CHECK(status == ZRV_LOAD_FILE_MISSING);
  zrv_setting_set_project_type(again, 1, 5);
  CHECK_STATUS(ZRV_E_NO_LOADER, zrv_setting_load(again, path, &status));
  CHECK(status == ZRV_LOAD_NO_LOADER);
  CHECK_STATUS(ZRV_OK, zrv_load_status_text(ZRV_LOAD_FILE_MISSING, text, sizeof text, NULL));
  CHECK(strcmp(text, "file missing") == 0);
  CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_save_status_text(9, text, sizeof text, NULL));
  remove(path);
  zrv_setting_destroy(again);
  zrv_setting_destroy(setting);
}

static void test_check(void) {
  zrv_check* check = NULL;
  zrv_finding finding;
  char path[256];
  int count = 0, errors = 0, warnings = 0, status = -1, i, unknown_key_line = 0, severity = -1;
  const char* code = NULL;
  path_in(path, sizeof path, temp_folder, "broken.csv");
  CHECK(write_file(path, "[FileHeader]\nFileVersion,1001\nProjectType,0\nAppType,0\n"
                         "[FlowResult]\nItem,Output\nNoSuchKey,1,0,0,0,0,10,-,-,-,-,-,0,0,1\n"));
  CHECK_STATUS(ZRV_OK, zrv_check_template(path, -1, 0, 0, &check));
  if (check) {
    CHECK_STATUS(ZRV_OK, zrv_check_status(check, &status, NULL, 0, NULL));
    CHECK(status == ZRV_LOAD_LOADED_WITH_FINDINGS);
    CHECK_STATUS(ZRV_OK, zrv_check_count(check, &count, &errors, &warnings));
    CHECK(errors == 1 && warnings == 2); /* the short label line, no "[EOF]" */
    CHECK(count == 5);                   /* and the notes of the two sections read */
    for (i = 0; i < count; ++i) {
      CHECK_STATUS(ZRV_OK, zrv_check_finding(check, i, &finding));
      if (strcmp(finding.code, "unknown-key") == 0) {
        unknown_key_line = finding.line;
        CHECK(finding.severity == ZRV_SEVERITY_ERROR && strcmp(finding.text, "NoSuchKey") == 0);
        CHECK(strcmp(finding.section, "[FlowResult]") == 0 && strstr(finding.message, "NoSuchKey"));
      }
    }
    CHECK(unknown_key_line == 7);
    CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_check_finding(check, count, &finding));
    zrv_check_destroy(check);
  }
  check = NULL;
  path_in(path, sizeof path, temp_folder, "absent.csv");
  CHECK_STATUS(ZRV_OK, zrv_check_template(path, 0, 0, 0, &check));
  if (check) {
    zrv_check_status(check, &status, NULL, 0, NULL);
    CHECK(status == ZRV_LOAD_FILE_MISSING);
    zrv_check_destroy(check);
  }
  check = NULL;
  CHECK_STATUS(ZRV_E_INVALID_ARGUMENT, zrv_check_template(path, 7, 0, 0, &check));
  CHECK(check == NULL);
  CHECK_STATUS(ZRV_OK, zrv_finding_kind(0, &code, &severity));
  CHECK(code != NULL && severity == ZRV_SEVERITY_ERROR);
  CHECK_STATUS(ZRV_OK, zrv_finding_kind(12, &code, &severity)); /* the last kind */
  CHECK(code != NULL && strcmp(code, "not-a-number") == 0 && severity == ZRV_SEVERITY_ERROR);
  CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_finding_kind(13, &code, &severity));
  CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_finding_kind(-1, &code, &severity));
  path_in(path, sizeof path, temp_folder, "broken.csv");
  remove(path);
}

static void test_catalogue(void) {
  zrv_catalogue* catalogue = NULL;
  int loader = -1, sections = 0, module = -1, keys = 0, id = 0, i, found = 0, k;
  const char* name = NULL;
  const char* tag = NULL;
  CHECK_STATUS(ZRV_OK, zrv_loader_of_project(0, 0, 0, &loader));
  CHECK_STATUS(ZRV_OK, zrv_loader_name(loader, &name));
  CHECK(strcmp(name, "LoadSolidInjection") == 0);
  CHECK_STATUS(ZRV_E_NO_LOADER, zrv_loader_of_project(1, 5, 0, &loader));
  CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_loader_name(17, &name));
  CHECK_STATUS(ZRV_OK, zrv_loader_count(&k));
  CHECK(k == 17);
  CHECK_STATUS(ZRV_E_NULL_ARGUMENT, zrv_loader_count(NULL));
  CHECK_STATUS(ZRV_OK, zrv_catalogue_open(loader, 0, &catalogue));
  if (!catalogue)
    return;
  CHECK_STATUS(ZRV_OK, zrv_catalogue_section_count(catalogue, &sections));
  CHECK(sections > 3);
  for (i = 0; i < sections; ++i) {
    CHECK_STATUS(ZRV_OK, zrv_catalogue_section(catalogue, i, &tag, &module, &keys));
    if (strcmp(tag, "[FlowResult]") == 0) {
      CHECK(module == 1 && keys > 10);
      for (k = 0; k < keys; ++k) {
        zrv_catalogue_key(catalogue, i, k, &name, &id);
        if (strcmp(name, "MeltFrontTime") == 0)
          found = id > 0;
      }
      CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_catalogue_key(catalogue, i, keys, &name, &id));
    }
  }
  CHECK(found);
  CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_catalogue_section(catalogue, sections, &tag, NULL, NULL));
  CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_catalogue_open(ZRV_STATUS_COUNT + 2, 0, &catalogue));
  zrv_catalogue_destroy(catalogue);
}

static void test_folders(void) {
  char source[256], source_settings[256], target[256], target_settings[256], file[300],
      message[1024];
  zrv_folder_check* result = NULL;
  const zrv_check* check = NULL;
  const char* name = NULL;
  int count = 0, status = -1;
  size_t needed = 0;
  path_in(source, sizeof source, temp_folder, "source");
  path_in(source_settings, sizeof source_settings, source, "ReportSetting");
  path_in(target, sizeof target, temp_folder, "target");
  path_in(target_settings, sizeof target_settings, target, "ReportSetting");
  make_folder(source);
  make_folder(source_settings);
  make_folder(target);
  path_in(file, sizeof file, source_settings, "Mine.csv");
  CHECK(write_file(file, "[FileHeader]\nFileVersion,1001\nProjectType,0\nAppType,0\n[EOF]\n"));
  CHECK_STATUS(ZRV_OK, zrv_install_templates(source, target));
  path_in(file, sizeof file, target_settings, "Mine.csv");
  CHECK(file_exists(file));
  CHECK_STATUS(ZRV_OK, zrv_check_folder(target_settings, &result));
  if (result) {
    CHECK_STATUS(ZRV_OK, zrv_folder_check_count(result, &count));
    CHECK(count == 1);
    CHECK_STATUS(ZRV_OK, zrv_folder_check_entry(result, 0, &name, &check));
    CHECK(strcmp(name, "Mine.csv") == 0);
    zrv_check_status(check, &status, NULL, 0, NULL);
    CHECK(status == ZRV_LOAD_LOADED);
    CHECK_STATUS(ZRV_E_OUT_OF_RANGE, zrv_folder_check_entry(result, 1, &name, &check));
    CHECK_STATUS(ZRV_OK, zrv_folder_check_destroy(result));
  }
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_folder_check_destroy(NULL));
  CHECK_STATUS(ZRV_E_FAILED, zrv_check_folder(file, &result));
  CHECK_STATUS(ZRV_E_NULL_ARGUMENT, zrv_install_templates(NULL, target));
  CHECK_STATUS(ZRV_OK, zrv_install_message(NULL, 0, &needed));
  CHECK(needed == 1); /* nothing failed: the empty text */
  CHECK_STATUS(ZRV_E_FAILED, zrv_install_templates(source, file));
  CHECK_STATUS(ZRV_OK, zrv_install_message(message, sizeof message, NULL));
  CHECK(strstr(message, "[ReportSetting] create folder fail ") == message);
  remove(file);
  path_in(file, sizeof file, source_settings, "Mine.csv");
  remove(file);
  remove_folder(target_settings);
  remove_folder(target);
  remove_folder(source_settings);
  remove_folder(source);
}

static void test_null_handles(void) {
  zrv_setting* setting = NULL;
  int value = 0;
  unsigned flags = 0;
  size_t got = 0;
  double values[4] = {0};
  zrv_finding finding;
  CHECK_STATUS(ZRV_E_NULL_ARGUMENT, zrv_setting_create(NULL));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_setting_destroy(NULL));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_setting_set_project_type(NULL, 0, 0));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_setting_get_flags(NULL, &flags));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_setting_load(NULL, "x.csv", &value));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_setting_save(NULL, NULL, &value));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_item_count(NULL, &value));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_item_set(NULL, 0, ZRV_ITEM_OUTPUT, 1));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_library_count(NULL, 0, &value));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_record_get(NULL, 0, "a", values, 4, &got));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_record_put(NULL, 0, "a", values, 8));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_record_used(NULL, 0, "a", &value));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_check_count(NULL, &value, NULL, NULL));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_check_finding(NULL, 0, &finding));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_check_destroy(NULL));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_catalogue_section_count(NULL, &value));
  CHECK_STATUS(ZRV_E_NULL_HANDLE, zrv_folder_check_count(NULL, &value));
  zrv_setting_create(&setting);
  CHECK_STATUS(ZRV_E_NULL_ARGUMENT, zrv_setting_load(setting, NULL, &value));
  CHECK_STATUS(ZRV_E_INVALID_UTF8, zrv_setting_load(setting, "\xFF.csv", &value));
  CHECK_STATUS(ZRV_E_NULL_ARGUMENT, zrv_item_count(setting, NULL));
  CHECK_STATUS(ZRV_E_NULL_ARGUMENT, zrv_check_template(NULL, 0, 0, 0, NULL));
  zrv_setting_destroy(setting);
}

int main(void) {
  const char* data = getenv("ZRV_TEST_DATA");
  if (!data) {
    fprintf(stderr, "ZRV_TEST_DATA is not set\n");
    return 2;
  }
  snprintf(data_folder, sizeof data_folder, "%s", data);
  make_folder(temp_folder);
  test_status_names();
  test_project_type_and_flags();
  test_load_and_items();
  test_libraries();
  test_save();
  test_check();
  test_catalogue();
  test_folders();
  test_null_handles();
  remove_folder(temp_folder);
  printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
