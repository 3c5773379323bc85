// Runs our own package lint (what Office rejects although the schemas let
// it through) over written files: one line per finding, exit status 1 when
// any file has findings or cannot be read.

#include <exception>
#include <iostream>
#include <vector>

#include "office/lint/package_lint.h"
#include "office/package/zip_archive_reader.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: tabulo-lint-package FILE...\n";
    return 2;
  }
  int status = 0;
  for (int index = 1; index < argc; ++index) {
    try {
      const std::vector<tabulo::office::LintFinding> findings =
          tabulo::office::LintPackage(tabulo::office::ReadZipFile(argv[index]));
      for (const tabulo::office::LintFinding& finding : findings) {
        std::cout << argv[index] << ":" << finding.part << ": " << finding.message << "\n";
      }
      if (!findings.empty()) status = 1;
    } catch (const std::exception& error) {
      std::cout << argv[index] << ": " << error.what() << "\n";
      status = 1;
    }
  }
  return status;
}
