// Helpers shared by the unit tests: what a piece of code prints on a stream,
// and lines of the reference report.
#ifndef LINE_IMPEDANCE_TESTS_CAPTURE_H
#define LINE_IMPEDANCE_TESTS_CAPTURE_H

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

// Runs `print` on a temporary stream and returns everything it wrote.
template <typename Print>
std::string captured(Print print) {
  std::FILE* stream = std::tmpfile();
  if (stream == nullptr) {
    return "<no temporary file>";
  }
  print(stream);
  std::rewind(stream);
  std::string text;
  for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream)) {
    text.push_back(static_cast<char>(c));
  }
  std::fclose(stream);
  return text;
}

// Lines first..last (1-based, inclusive) of the reference report, line ends included.
inline std::string reference_lines(int first, int last) {
  std::ifstream file(REFERENCE_REPORT_PATH, std::ios::binary);
  std::string text;
  std::string line;
  for (int number = 1; number <= last && std::getline(file, line); ++number) {
    if (number >= first) {
      text += line + "\n";
    }
  }
  return text;
}

#endif
