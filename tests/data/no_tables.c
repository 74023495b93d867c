/* A source without any GPIF table: converts to an image with no bank. */
int main(void) { return 0; }
