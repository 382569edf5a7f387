// PNG files for the host platform: the one translation unit that compiles the
// header-only PNG writer and reader, and hostSaveScreens.
#include <nds/host.h>

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "hostRenderScreens pixels are written to PNG as R, G, B, A bytes: little-endian hosts only"
#endif

// No thread-local error string: bare-metal targets have no thread support.
#define STBI_NO_THREAD_LOCALS
#define STBI_ONLY_PNG
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

extern "C" int hostSaveScreens(const char* pngPath) {
  static uint32_t rgba[HOST_SCREEN_WIDTH * HOST_SCREENS_HEIGHT];
  if (pngPath == nullptr) return -1;
  hostRenderScreens(rgba);
  const int written = stbi_write_png(pngPath, HOST_SCREEN_WIDTH, HOST_SCREENS_HEIGHT, 4, rgba,
                                     HOST_SCREEN_WIDTH * 4);
  return written ? 0 : -1;
}
