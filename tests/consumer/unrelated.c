/* Stands for the rest of the firmware, which does not use the image. */
int main(void) { return 0; }
