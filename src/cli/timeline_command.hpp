#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tess::cli {

// tessarine-cli timeline IN.tsc --at MS [--step MS]
// Loads the pack (without regenerating textures) and starts playback as "play with music" does,
// at time 0 from row 0 and without music; then evaluates one frame at 0, step, 2 step, ... up to
// MS (step 16 by default) and prints JSON: row, currentScene, currentCamera, speed and liveCamera
// (targetX, targetY, targetZ, eyeX, eyeY, eyeZ, roll, zoom).
int runTimelineCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tess::cli
