#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tabulo::xml {

// Parser options used for every document: internal entities are expanded
// (within libxml2's amplification limits), while external entities, external
// DTDs and network access are refused.
int SafeParseOptions();

// Installs, once per process, an entity loader that refuses every external
// resource, so that no document can make the parser read a file or a URL.
void RefuseExternalResources();

// Deepest element nesting any reader accepts, as libxml2 allows for trees.
inline constexpr int kMaxDepth = 256;

// The first error a parser meets, which names the real fault; later errors
// (such as a premature end of data) are consequences of it.
struct FirstError {
  std::string message;
  int line = 0;
};

// Makes the parser context record its first error into `sink`.
void CaptureFirstError(void* parser_context, FirstError* sink);

// Feeds the whole document to a push parser context in slices: a large
// document needs no second copy, and a parser reading from one memory block
// stops at its 10 MB lookup limit. Stops after the slice where the parser
// fails or `stop` says so.
void FeedInSlices(void* parser_context, std::string_view document, const std::function<bool()>& stop = {});

// The recorded reason, or a generic one when the parser gave none.
std::string ReasonOf(const FirstError& error);

}  // namespace tabulo::xml
