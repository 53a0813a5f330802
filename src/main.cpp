// line-impedance: the series impedance of a double-circuit three-phase line
// with two ground wires, from Carson's formulas to circuit A's sequence
// impedance matrix. It takes no input; command-line arguments are ignored.
//
// Exit status: 0 when the whole report reached standard output; 1 when
// writing it failed (a line on standard error says why) or when the
// ground-wire block could not be inverted.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "line.h"
#include "report.h"

namespace {

// The whole report, a couple of kilobytes, is held here and written in one
// piece when the run ends, so a failed write is seen, with its cause, by the
// one flush that makes it.
char report_buffer[8192];

// The one instance of everything the run computes.
LineModel line;

}  // namespace

int main() {
#ifdef SIGPIPE
  // A reader that has gone away is a write error to report, not a reason to die.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  std::setvbuf(stdout, report_buffer, _IOFBF, sizeof report_buffer);

  set_up_line_data(line.data);
  print_notice(stdout);
  form_primitive_blocks(line, stdout);
  const bool ground_wires_eliminated = eliminate_ground_wires(line, stdout);
  transform_to_sequence_components(line, stdout);

  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    std::fprintf(stderr, "line-impedance: error writing the report: %s\n", std::strerror(errno));
    return 1;
  }
  return ground_wires_eliminated ? 0 : 1;
}
