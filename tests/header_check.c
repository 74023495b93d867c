/* Firmware that includes the header of data/banks_2_5.c beside its C array
 * file: a wrong macro makes an array of negative size, a wrong offset on
 * the host misses the marks. */
#include "gpif_dat.h"
/* A second time changes nothing. */
#include "gpif_dat.h"
/* The array itself, which must agree with the header's declaration. */
#include "gpif_dat.c"

#define EXPECT(name, condition) typedef char name[(condition) ? 1 : -1]
EXPECT(size, GPIF_DAT_SIZE == 8 + 2 * 164 && sizeof gpif_dat == GPIF_DAT_SIZE);
EXPECT(head, GPIF_DAT_IFCONFIG == 0 && GPIF_DAT_INITDATA == 1);
EXPECT(tables, GPIF_DAT_WAVEDATA_SIZE == 128 && GPIF_DAT_FLOWSTATES_SIZE == 36);
EXPECT(banks, GPIF_DAT_BANKS == 0x24);
EXPECT(b2, GPIF_DAT_BANK2_WAVEDATA == 8 && GPIF_DAT_BANK2_FLOWSTATES == 136);
EXPECT(b5, GPIF_DAT_BANK5_WAVEDATA == 172 && GPIF_DAT_BANK5_FLOWSTATES == 300);
#if defined GPIF_DAT_BANK0_WAVEDATA || defined GPIF_DAT_BANK1_WAVEDATA || \
    defined GPIF_DAT_BANK3_WAVEDATA || defined GPIF_DAT_BANK4_WAVEDATA || \
    defined GPIF_DAT_BANK6_WAVEDATA || defined GPIF_DAT_BANK7_WAVEDATA
#error a bank that is not in the image has offsets
#endif

int main(void) {
  return gpif_dat[GPIF_DAT_BANK2_WAVEDATA] != 0x21 ||
         gpif_dat[GPIF_DAT_BANK5_FLOWSTATES] != 0x52;
}
