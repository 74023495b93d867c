/* Compiled with a generated C array file included in front of it: checks
 * that the array holds exactly the bytes of the binary image file. */
#include <stdio.h>
#include <string.h>

int main(int argc, char **argv) {
  unsigned char image[4096];
  size_t count;
  FILE *binary;

  if (argc != 2) return 2;
  binary = fopen(argv[1], "rb");
  if (binary == NULL) {
    fprintf(stderr, "cannot open %s\n", argv[1]);
    return 2;
  }
  count = fread(image, 1, sizeof image, binary);
  fclose(binary);
  if (count != sizeof(WFPACK_ARRAY)) {
    fprintf(stderr, "array has %u bytes, binary file %u\n",
            (unsigned)sizeof(WFPACK_ARRAY), (unsigned)count);
    return 1;
  }
  if (memcmp(image, WFPACK_ARRAY, count) != 0) {
    fprintf(stderr, "array and binary file differ\n");
    return 1;
  }
  return 0;
}
