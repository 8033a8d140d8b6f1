#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tess::cli {

// tessarine-cli pack IN.tsc [--info] [--resave OUT.tsc] [--export-textures DIR]
// Loads the pack. --info prints JSON (font, sceneCount, objectCounts, trackerRows: rows that are
// not empty, sound, texturesInUse: slots that have commands); --resave writes the pack as saved;
// --export-textures regenerates every texture in use and writes DIR/texture_NNN.png of each
// (the last command's result, as the texture view shows it).
int runPackCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tess::cli
