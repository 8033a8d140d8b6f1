#include "cli/commands.hpp"

#include <algorithm>
#include <ostream>

#include "cli/arguments.hpp"
#include "cli/mesh_command.hpp"
#include "cli/pack_command.hpp"
#include "cli/sample_command.hpp"
#include "cli/texture_command.hpp"
#include "cli/timeline_command.hpp"
#include "core/version.hpp"
#ifdef TESSARINE_WITH_GL
#include "cli/render_command.hpp"
#include "cli/video_command.hpp"
#endif

namespace tess::cli {
namespace {

constexpr Command kCommands[] = {
    {"texture", "IN.ttx [--font FILE.wbmp] [--stage K] [--raw OUT] [--png OUT] [--resave OUT.ttx]",
     "Loads a texture file and regenerates it.\n"
     "  --font FILE.wbmp  the bitmap font of DrwTxt (default: micra.wbmp of the data folder)\n"
     "  --stage K         the stage to write, 0..n (default n-1, the last command's result)\n"
     "  --raw OUT         the stage's S*S*4 bytes as held in memory (B, G, R, A; row 0 first)\n"
     "  --png OUT         the stage as a picture, row 0 at the bottom as the texture view shows it\n"
     "  --resave OUT.ttx  the texture text as the editor writes it\n",
     runTextureCommand},
    {"sample", "IN(.tsm|.tsp|.slog) [--sample N] [--wav OUT] [--raw OUT] [--log OUT] [--resave OUT]",
     "Loads a sample file into sample N, makes its last command current and runs its list once.\n"
     "  --sample N    the sample slot 0..254 (default 0; a .tsp fills all of them)\n"
     "  --wav OUT     the sound as a 16-bit mono 44,100 Hz WAV file\n"
     "  --raw OUT     the same sound without header (little-endian int16)\n"
     "  --log OUT     the command list as .slog text\n"
     "  --resave OUT  the input's format again\n",
     runSampleCommand},
    {"pack", "IN.tsc [--info] [--resave OUT.tsc] [--export-textures DIR]",
     "Loads a complex pack (a whole project).\n"
     "  --info                 print JSON: font, scenes, objects, timeline rows, sound, textures\n"
     "  --resave OUT.tsc       write the pack back as the editor saves it\n"
     "  --export-textures DIR  regenerate every texture and write DIR/texture_NNN.png\n",
     runPackCommand},
    {"mesh", "IN.tsc --scene S --object I [--camera C] [--time T] [--raw OUT] [--obj OUT]",
     "Builds one object's mesh as a frame of scene S builds it.\n"
     "  --scene S    the scene 0..63\n"
     "  --object I   the object of that scene\n"
     "  --camera C   the camera slot that is the view (default 0)\n"
     "  --time T     the modifier time (default 0)\n"
     "  --raw OUT    the 36-byte vertex records\n"
     "  --obj OUT    a Wavefront OBJ file\n",
     runMeshCommand},
    {"timeline", "IN.tsc --at MS [--step MS]",
     "Plays a pack's timeline from row 0 without music and prints the state at MS as JSON.\n"
     "  --at MS     the time to stop at, in milliseconds\n"
     "  --step MS   the time between frames (default 16)\n",
     runTimelineCommand},
#ifdef TESSARINE_WITH_GL
    {"render", "IN.tsc [--scene S] [--camera C] [--size WxH] [--time T] [--at MS] --png OUT",
     "Draws one frame headless (OpenGL 3.3 through EGL, no display needed) and writes it as PNG.\n"
     "  --scene S     the scene (default 0)\n"
     "  --camera C    the camera slot (default 0)\n"
     "  --size WxH    the picture size (default 640x480)\n"
     "  --time T      the modifier time (default 0)\n"
     "  --at MS       play the timeline from row 0 and draw the frame at MS\n"
     "  --png OUT     the picture to write\n",
     runRenderCommand},
    {"video",
     "IN.tsc (--out FILE.mp4|.mkv|.webm | --png-dir DIR) [--size WxH] [--fps N] [--from MS] "
     "[--to MS] [--crf Q]",
     "Plays the timeline from row 0 with its music and encodes it headless, frame by frame.\n"
     "  --out FILE     the video: H.264 in .mp4 or .mkv, VP9 and Opus in .webm (by extension)\n"
     "  --png-dir DIR  write DIR/frame_000000.png... instead of a video (no sound)\n"
     "  --size WxH     the picture size, 16..8192, even for H.264 (default 1280x720)\n"
     "  --fps N        frames a second, 1..240 (default 60)\n"
     "  --from MS      the first frame's time (default 0)\n"
     "  --to MS        the end (default: the last non-empty row's end or the music's, if longer)\n"
     "  --crf Q        the encoder's quality, 0..51 for H.264, 0..63 for VP9 (lower is better)\n",
     runVideoCommand},
#endif
};

bool asksForHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

void printUsage(std::ostream& stream) {
  stream << "usage: tessarine-cli COMMAND [ARGUMENTS]\n"
            "       tessarine-cli COMMAND --help\n"
            "       tessarine-cli --help | --version\n"
            "commands:\n";
  for (const Command& command : kCommands)
    stream << "  " << command.name << " " << command.arguments << "\n";
  stream << "exit status: 0 success, 1 bad input, 2 usage\n";
}

const Command* findCommand(std::string_view name) {
  auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                            [&](const Command& command) { return command.name == name; });
  return found == std::end(kCommands) ? nullptr : found;
}

}  // namespace

std::span<const Command> commands() { return kCommands; }

std::string usageLine(std::string_view name) {
  const Command* command = findCommand(name);
  return "usage: tessarine-cli " + std::string(name) + " " +
         std::string(command ? command->arguments : "") + "\n";
}

int runProgram(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    printUsage(err);
    return kExitUsage;
  }
  const std::string& first = args.front();
  if (asksForHelp(first)) {
    printUsage(out);
    return kExitSuccess;
  }
  if (first == "--version") {
    out << "tessarine-cli " << kVersion << "\n";
    return kExitSuccess;
  }
  const Command* command = findCommand(first);
  if (!command) {
    err << "tessarine-cli: unknown " << (first.starts_with("-") ? "option" : "command") << " '"
        << first << "'\n";
    printUsage(err);
    return kExitUsage;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (std::any_of(rest.begin(), rest.end(), asksForHelp)) {
    out << usageLine(command->name) << command->help;
    return kExitSuccess;
  }
  return command->run(rest, out, err);
}

}  // namespace tess::cli
