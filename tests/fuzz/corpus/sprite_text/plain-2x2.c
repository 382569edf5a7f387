uint16 rocket[] = {1,      1,  // width, height
                   0x7FFF, 0x001F, 0x7FFF, 0x03E0};
