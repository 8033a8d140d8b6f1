// make_icon_png SIZE OUT.png: the program icon as a PNG file, for installing into the icon theme.
#include <cstdio>
#include <string>

#include "app/program_icon.hpp"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_icon_png SIZE OUT.png\n");
    return 2;
  }
  const int size = std::stoi(argv[1]);
  if (!tess::programIconImage(size).save(argv[2], "PNG")) {
    std::fprintf(stderr, "make_icon_png: cannot write '%s'\n", argv[2]);
    return 1;
  }
  return 0;
}
