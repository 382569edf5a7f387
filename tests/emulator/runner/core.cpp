// Opens a libretro core with dlopen, binds its entry points and serves its
// callbacks; one core at a time, since the callbacks carry no context.
#include "core.h"

#include <dlfcn.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "libretro_api.h"

namespace emulator {

namespace {

Core* activeCore = nullptr;

bool onEnvironment(unsigned command, void* data) {
  return activeCore != nullptr && activeCore->environment(command, data);
}

void onVideoRefresh(const void* data, unsigned width, unsigned height, size_t pitch) {
  if (activeCore != nullptr) activeCore->videoRefresh(data, width, height, pitch);
}

void onAudioSample(int16_t, int16_t) {}
size_t onAudioSampleBatch(const int16_t*, size_t frames) { return frames; }
void onInputPoll() {}
int16_t onInputState(unsigned, unsigned, unsigned, unsigned) { return 0; }

void onLog(retro::LogLevel level, const char* format, ...) {
  char message[1024];
  va_list args;
  va_start(args, format);
  std::vsnprintf(message, sizeof message, format, args);
  va_end(args);
  if (activeCore != nullptr) activeCore->log(level, message);
}

// "Description; first|second|third" declares an option whose default is "first".
std::string firstValue(const char* declaration) {
  const char* values = std::strchr(declaration, ';');
  if (values == nullptr) return {};
  values += 1;
  while (*values == ' ') ++values;
  const char* bar = std::strchr(values, '|');
  return bar == nullptr ? std::string(values) : std::string(values, bar);
}

}  // namespace

struct Core::Api {
  unsigned (*apiVersion)();
  void (*setEnvironment)(retro::EnvironmentFn);
  void (*setVideoRefresh)(retro::VideoRefreshFn);
  void (*setAudioSample)(retro::AudioSampleFn);
  void (*setAudioSampleBatch)(retro::AudioSampleBatchFn);
  void (*setInputPoll)(retro::InputPollFn);
  void (*setInputState)(retro::InputStateFn);
  void (*init)();
  void (*deinit)();
  void (*getSystemInfo)(retro::SystemInfo*);
  bool (*loadGame)(const retro::GameInfo*);
  void (*unloadGame)();
  void (*run)();
  size_t (*serializeSize)();
  bool (*serialize)(void*, size_t);
};

Core::Core(const CoreSettings& settings) : settings_(settings), api_(new Api()) {}

std::unique_ptr<Core> Core::open(const CoreSettings& settings, std::string& error) {
  if (activeCore != nullptr) {
    error = "only one core can be open at a time";
    return nullptr;
  }
  std::unique_ptr<Core> core(new Core(settings));
  // The core's own dependencies are found by their soname once loaded here.
  for (const std::string& path : settings.preload) {
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
    if (library == nullptr) {
      error = std::string("cannot open ") + path + ": " + dlerror();
      return nullptr;
    }
    core->libraries_.push_back(library);
  }
  core->core_ = dlopen(settings.corePath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (core->core_ == nullptr) {
    error = std::string("cannot open the core: ") + dlerror();
    return nullptr;
  }
  if (!core->bind(error)) return nullptr;
  if (core->api_->apiVersion() != retro::kApiVersion) {
    error = "the core speaks another version of the libretro interface";
    return nullptr;
  }
  activeCore = core.get();
  const Api& api = *core->api_;
  api.setEnvironment(onEnvironment);
  api.setVideoRefresh(onVideoRefresh);
  api.setAudioSample(onAudioSample);
  api.setAudioSampleBatch(onAudioSampleBatch);
  api.setInputPoll(onInputPoll);
  api.setInputState(onInputState);
  api.init();
  core->initialised_ = true;
  return core;
}

bool Core::bind(std::string& error) {
  struct Entry {
    const char* name;
    void** slot;
  };
  Api& api = *api_;
  const Entry entries[] = {
      {"retro_api_version", reinterpret_cast<void**>(&api.apiVersion)},
      {"retro_set_environment", reinterpret_cast<void**>(&api.setEnvironment)},
      {"retro_set_video_refresh", reinterpret_cast<void**>(&api.setVideoRefresh)},
      {"retro_set_audio_sample", reinterpret_cast<void**>(&api.setAudioSample)},
      {"retro_set_audio_sample_batch", reinterpret_cast<void**>(&api.setAudioSampleBatch)},
      {"retro_set_input_poll", reinterpret_cast<void**>(&api.setInputPoll)},
      {"retro_set_input_state", reinterpret_cast<void**>(&api.setInputState)},
      {"retro_init", reinterpret_cast<void**>(&api.init)},
      {"retro_deinit", reinterpret_cast<void**>(&api.deinit)},
      {"retro_get_system_info", reinterpret_cast<void**>(&api.getSystemInfo)},
      {"retro_load_game", reinterpret_cast<void**>(&api.loadGame)},
      {"retro_unload_game", reinterpret_cast<void**>(&api.unloadGame)},
      {"retro_run", reinterpret_cast<void**>(&api.run)},
      {"retro_serialize_size", reinterpret_cast<void**>(&api.serializeSize)},
      {"retro_serialize", reinterpret_cast<void**>(&api.serialize)},
  };
  for (const Entry& entry : entries) {
    *entry.slot = dlsym(core_, entry.name);
    if (*entry.slot == nullptr) {
      error = std::string("the core lacks ") + entry.name;
      return false;
    }
  }
  return true;
}

Core::~Core() {
  if (gameLoaded_) api_->unloadGame();
  if (initialised_) api_->deinit();
  if (activeCore == this) activeCore = nullptr;
  if (core_ != nullptr) dlclose(core_);
  for (auto it = libraries_.rbegin(); it != libraries_.rend(); ++it) dlclose(*it);
}

bool Core::loadGame(const std::vector<uint8_t>& rom, const std::string& path, std::string& error) {
  retro::SystemInfo info{};
  api_->getSystemInfo(&info);
  retro::GameInfo game{path.c_str(), rom.data(), rom.size(), nullptr};
  if (!api_->loadGame(&game)) {
    error = std::string("the core (") + (info.libraryName ? info.libraryName : "?") +
            ") refused the ROM " + path;
    return false;
  }
  gameLoaded_ = true;
  // An option the core never declared would be silently ignored.
  for (const auto& option : settings_.options) {
    if (defaults_.count(option.first) == 0) {
      error = "the core has no option " + option.first;
      return false;
    }
  }
  return true;
}

void Core::runFrame() { api_->run(); }

bool Core::saveState(std::vector<uint8_t>& state) {
  state.resize(api_->serializeSize());
  return !state.empty() && api_->serialize(state.data(), state.size());
}

bool Core::environment(unsigned command, void* data) {
  switch (command & ~retro::kExperimental) {
    case retro::kGetCanDupe:
      *static_cast<bool*>(data) = true;
      return true;
    case retro::kSetPerformanceLevel:
    case retro::kSetInputDescriptors:
      return true;
    case retro::kGetSystemDirectory:
    case retro::kGetSaveDirectory:
      *static_cast<const char**>(data) = settings_.workDir.c_str();
      return true;
    case retro::kSetPixelFormat: {
      const int format = *static_cast<const int*>(data);
      if (format != retro::kPixelRGB565 && format != retro::kPixel0RGB1555) return false;
      pixelFormat_ = format;
      return true;
    }
    case retro::kSetVariables:
      for (auto* v = static_cast<const retro::Variable*>(data); v->key != nullptr; ++v) {
        defaults_[v->key] = firstValue(v->value);
        if (settings_.verbose) std::fprintf(stderr, "core option %s: %s\n", v->key, v->value);
      }
      return true;
    case retro::kGetVariable: {
      auto* variable = static_cast<retro::Variable*>(data);
      auto chosen = settings_.options.find(variable->key);
      auto fallback = defaults_.find(variable->key);
      if (chosen != settings_.options.end()) {
        optionValue_ = chosen->second;
      } else if (fallback != defaults_.end()) {
        optionValue_ = fallback->second;
      } else {
        variable->value = nullptr;
        return false;
      }
      variable->value = optionValue_.c_str();
      return true;
    }
    case retro::kGetVariableUpdate:
      *static_cast<bool*>(data) = false;
      return true;
    case retro::kGetLogInterface:
      static_cast<retro::LogCallback*>(data)->log = onLog;
      return true;
    default:
      if (settings_.verbose) std::fprintf(stderr, "core: request %u not served\n", command);
      return false;
  }
}

void Core::videoRefresh(const void* data, unsigned width, unsigned height, size_t pitch) {
  if (data == nullptr) return;  // the frame did not change
  frame_.width = width;
  frame_.height = height;
  frame_.pixels.resize((size_t)width * height);
  const auto* bytes = static_cast<const uint8_t*>(data);
  for (unsigned y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint16_t*>(bytes + y * pitch);
    uint16_t* out = &frame_.pixels[(size_t)y * width];
    for (unsigned x = 0; x < width; ++x) {
      out[x] =
          pixelFormat_ == retro::kPixelRGB565 ? rgb15FromRgb565(row[x]) : rgb15From0Rgb1555(row[x]);
    }
  }
}

void Core::log(int level, const char* message) {
  if (!settings_.verbose && level < retro::kLogWarn) return;
  std::fprintf(stderr, "core: %s%s", message,
               message[0] != '\0' && message[std::strlen(message) - 1] == '\n' ? "" : "\n");
}

}  // namespace emulator
