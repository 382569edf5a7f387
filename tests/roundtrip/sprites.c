/* The test picture's sprite records as the tools wrote them: pixport's array
 * text with its size header, and palsqueeze's compression of that same text.
 * Both texts are initialisers, so each follows its declaration. */
#include <nds.h>

uint16 roundtrip_plain[] =
#include "picture.txt"

    uint16 roundtrip_packed[] =
#include "picture_packed.txt"

        const unsigned roundtrip_plain_words = sizeof roundtrip_plain / sizeof roundtrip_plain[0];
const unsigned roundtrip_packed_words = sizeof roundtrip_packed / sizeof roundtrip_packed[0];
