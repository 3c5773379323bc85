#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

// The document a benchmark runs on, named by TABULO_BENCH_INPUT and read once.
inline const std::string& BenchInput() {
  static const std::string text = [] {
    const char* path = std::getenv("TABULO_BENCH_INPUT");
    if (path == nullptr) throw std::runtime_error("TABULO_BENCH_INPUT names no file");
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }();
  return text;
}
