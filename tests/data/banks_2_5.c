/* Banks 2 and 5, marked at the start of bank 2 and of bank 5's FlowStates. */
const char xdata WaveData2[128] =
0x21
};
const char xdata WaveData5[128] =
};
const char xdata FlowStates5[36] =
0x52
};
