// The part of the libretro core interface the runner uses: the entry points a
// core exports, the callbacks it calls, and the few environment requests it
// makes of a front end.
#ifndef PANE_EMULATOR_LIBRETRO_API_H
#define PANE_EMULATOR_LIBRETRO_API_H

#include <cstddef>
#include <cstdint>

namespace retro {

constexpr unsigned kApiVersion = 1;

// Environment requests (the command numbers of the interface). Requests
// marked experimental carry this bit; the runner answers none of them.
constexpr unsigned kExperimental = 0x10000;
constexpr unsigned kGetCanDupe = 3;
constexpr unsigned kSetPerformanceLevel = 8;
constexpr unsigned kGetSystemDirectory = 9;
constexpr unsigned kSetPixelFormat = 10;
constexpr unsigned kSetInputDescriptors = 11;
constexpr unsigned kGetVariable = 15;
constexpr unsigned kSetVariables = 16;
constexpr unsigned kGetVariableUpdate = 17;
constexpr unsigned kGetLogInterface = 27;
constexpr unsigned kGetSaveDirectory = 31;

enum PixelFormat : int { kPixel0RGB1555 = 0, kPixelXRGB8888 = 1, kPixelRGB565 = 2 };

enum LogLevel : int { kLogDebug = 0, kLogInfo, kLogWarn, kLogError };

using LogPrintf = void (*)(LogLevel level, const char* format, ...);
struct LogCallback {
  LogPrintf log;
};

struct Variable {
  const char* key;
  const char* value;
};

struct GameInfo {
  const char* path;
  const void* data;
  size_t size;
  const char* meta;
};

struct SystemInfo {
  const char* libraryName;
  const char* libraryVersion;
  const char* validExtensions;
  bool needFullPath;
  bool blockExtract;
};

struct GameGeometry {
  unsigned baseWidth;
  unsigned baseHeight;
  unsigned maxWidth;
  unsigned maxHeight;
  float aspectRatio;
};

struct SystemTiming {
  double fps;
  double sampleRate;
};

struct SystemAvInfo {
  GameGeometry geometry;
  SystemTiming timing;
};

using EnvironmentFn = bool (*)(unsigned command, void* data);
using VideoRefreshFn = void (*)(const void* data, unsigned width, unsigned height, size_t pitch);
using AudioSampleFn = void (*)(int16_t left, int16_t right);
using AudioSampleBatchFn = size_t (*)(const int16_t* data, size_t frames);
using InputPollFn = void (*)();
using InputStateFn = int16_t (*)(unsigned port, unsigned device, unsigned index, unsigned id);

}  // namespace retro

#endif
