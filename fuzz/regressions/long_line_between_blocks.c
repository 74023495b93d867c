const char xdata WaveData_nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn[128] =
};
static const char xdata volatile volatile volatile volatile volatile volatile volatile volatile volatile volatile volatile volatile volatile volatile WaveData[128] =
  IFCONFIG = 0xCE;
