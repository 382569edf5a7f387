/* sprite */ uint16 s[] = {
    2,     0,  // w, h
    32767, 0x0000, /* one */ 0x7C00,
};
