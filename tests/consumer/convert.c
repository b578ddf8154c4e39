/* A C program that converts with libmerovane: 5 ft in metres, by number.
 *
 *   cc -std=c99 convert.c $(pkg-config --cflags --libs merovane) && ./a.out    prints 1.524
 */
#include <merovane/merovane-c.h>
#include <stdio.h>

int main(void) {
  merovane_pair* pair = NULL;
  merovane_error* error = NULL;
  double metres = 0;
  merovane_status status = merovane_pair_find(NULL, "ft", "m", &pair, &error);
  if (status != MEROVANE_OK) {
    fprintf(stderr, "%s\n", merovane_error_message(error));
    merovane_error_free(error);
    return 1;
  }
  status = merovane_pair_convert_number(pair, 5, NULL, &metres);
  merovane_pair_free(pair);
  if (status != MEROVANE_OK) {
    fprintf(stderr, "%s\n", merovane_status_text(status));
    return 1;
  }
  printf("%g\n", metres); /* 1.524 */
  return 0;
}
