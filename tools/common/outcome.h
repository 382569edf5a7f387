// What a tool's run came to, and the one map from that to its exit status.
#pragma once

namespace panetools {

enum class Outcome {
  Done,      // written, or the usage or version shown
  Declined,  // a sprite of more than 256 distinct values, which no palette holds
  Failed,    // bad usage, an unreadable input, refused settings, an output that is an
             // input or another output, or an output that could not be written
};

// 0 done, 1 declined, 2 failed: the statuses every tool's usage text gives.
constexpr int exitStatus(Outcome outcome) {
  switch (outcome) {
    case Outcome::Done:
      return 0;
    case Outcome::Declined:
      return 1;
    case Outcome::Failed:
      break;
  }
  return 2;
}

}  // namespace panetools
