/* c_host.c - a host written in C that uses the library through its C
 * interface for the whole cycle: load a template, look at it, change an item
 * and a setting, save it, and read the saved file back.
 *
 *     zrvreport_c_example TEMPLATE OUTPUT
 *
 * TEMPLATE is a solid injection template (examples/templates/SolidInjection.csv).
 */
#include <stdio.h>

#include "zrvreport/zrvreport_c.h"

/* Prints the failed call with the status name and returns 1. */
static int fail(const char* what, zrv_status status) {
  const char* name = "?";
  zrv_status_name(status, &name, NULL);
  fprintf(stderr, "%s failed: %s\n", what, name);
  return 1;
}

int main(int argc, char** argv) {
  zrv_setting* setting = NULL;
  zrv_status status;
  int load_status = 0, save_status = 0, count = 0, index, output = 0;
  char text[512];
  static const double side_view[4] = {0.0, 90.0, 0.0, 1.0};
  if (argc != 3) {
    fprintf(stderr, "usage: %s TEMPLATE OUTPUT\n", argv[0]);
    return 2;
  }
  if ((status = zrv_setting_create(&setting)) != ZRV_OK)
    return fail("create", status);
  zrv_setting_set_project_type(setting, 0, 0); /* solid injection */

  status = zrv_setting_load(setting, argv[1], &load_status);
  if (status != ZRV_OK) {
    zrv_setting_last_load(setting, NULL, text, sizeof text, NULL);
    fprintf(stderr, "load status %d: %s\n", load_status, text);
    zrv_setting_destroy(setting);
    return fail("load", status);
  }
  zrv_item_count(setting, &count);
  printf("%d items\n", count);
  for (index = 0; index < count && index < 5; ++index) {
    zrv_item_name(setting, index, text, sizeof text, NULL);
    zrv_item_get(setting, index, ZRV_ITEM_OUTPUT, &output);
    printf("  %s output %d\n", text, output);
  }

  /* A new view, given to the first item, whose output becomes a GIF. */
  if ((status = zrv_record_put(setting, ZRV_LIBRARY_VIEW, "Side_From_C", side_view, 4)) != ZRV_OK ||
      (status = zrv_item_set_setting_name(setting, 0, ZRV_LIBRARY_VIEW, "Side_From_C")) !=
          ZRV_OK ||
      (status = zrv_item_set(setting, 0, ZRV_ITEM_OUTPUT, 2)) != ZRV_OK) {
    zrv_setting_destroy(setting);
    return fail("change", status);
  }

  status = zrv_setting_save(setting, argv[2], &save_status);
  if (status != ZRV_OK) {
    zrv_setting_last_save(setting, NULL, text, sizeof text, NULL);
    fprintf(stderr, "save status %d: %s\n", save_status, text);
    zrv_setting_destroy(setting);
    return fail("save", status);
  }
  zrv_setting_destroy(setting);

  /* The saved template holds the change. */
  zrv_setting_create(&setting);
  zrv_setting_set_project_type(setting, 0, 0);
  if ((status = zrv_setting_load(setting, argv[2], &load_status)) != ZRV_OK) {
    zrv_setting_destroy(setting);
    return fail("reload", status);
  }
  zrv_item_setting_name(setting, 0, ZRV_LIBRARY_VIEW, text, sizeof text, NULL);
  zrv_item_get(setting, 0, ZRV_ITEM_OUTPUT, &output);
  printf("saved %s: first item view %s, output %d\n", argv[2], text, output);
  zrv_setting_destroy(setting);
  return 0;
}
