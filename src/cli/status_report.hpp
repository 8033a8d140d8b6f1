#pragma once

#include <ostream>

#include "core/file_io.hpp"

namespace tess::cli {

// Prints a failed status's message as one line on err; true when the status is a success.
inline bool report(const Status& status, std::ostream& err) {
  if (!status.ok()) err << status.message << "\n";
  return status.ok();
}

}  // namespace tess::cli
