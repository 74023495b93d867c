/* Loads the example's image (banks 0 and 2) and writes each result where
 * the simulator stops; names two registers itself, as firmware does. */
#include "gpif_dat.h"

volatile __xdata __at(0xE601) unsigned char IFCONFIG;
volatile __xdata __at(0xE6F5) unsigned char GPIFABORT;
static volatile __xdata __at(0xE000) unsigned char stop;

void main(void)
{
	stop = 0xA5; /* nothing loaded yet */
	stop = gpif_dat_load(0);
	stop = gpif_dat_load(2);
	stop = gpif_dat_load(1); /* banks the image does not hold */
	stop = gpif_dat_load(8);
	stop = gpif_dat_load_flowstate(2, 2);
	stop = gpif_dat_load_flowstate(1, 0);
	stop = gpif_dat_load_flowstate(2, 4);
	for (;;) {
	}
}
