/* Checks one generated image: the C array file, compiled separately as a
 * source of this program, must hold exactly the bytes of the binary image
 * file given as the argument. The C array file is also included below, in a
 * block of its own, to learn the array's exact size. */
#include <stdio.h>
#include <string.h>

extern unsigned char IMAGE_ARRAY[];

int main(int argc, char **argv) {
  unsigned char binary[4096];
  const unsigned char *linked = IMAGE_ARRAY;
  size_t count;
  FILE *file;

  if (argc != 2) return 2;
  file = fopen(argv[1], "rb");
  if (file == NULL) {
    fprintf(stderr, "cannot open %s\n", argv[1]);
    return 2;
  }
  count = fread(binary, 1, sizeof binary, file);
  fclose(file);

  {
#include IMAGE_FILE
    if (sizeof IMAGE_ARRAY != count) {
      fprintf(stderr, "array has %u bytes, binary file %u\n",
              (unsigned)sizeof IMAGE_ARRAY, (unsigned)count);
      return 1;
    }
    if (memcmp(IMAGE_ARRAY, binary, count) != 0) {
      fprintf(stderr, "included array and binary file differ\n");
      return 1;
    }
  }
  if (memcmp(linked, binary, count) != 0) {
    fprintf(stderr, "linked array and binary file differ\n");
    return 1;
  }
  printf("%u bytes match\n", (unsigned)count);
  return 0;
}
