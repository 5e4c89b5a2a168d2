#pragma once
// Turns a *.form source (UTF-8 text) into the form resource the program carries: every
// @include "path" outside a string becomes braces holding that file's bytes in hexadecimal,
// on the same line, and the text is converted to GBK. Line numbers stay those of the
// source, so the form reader's errors point into it.
#include <functional>
#include <string>

namespace tmv::formpack {

// Gives the bytes of the file an @include names, as written between the quotes.
using TIncludeReader = std::function<std::string(const std::string& path)>;

// Raises Exception "Line N: ..." for an @include without a quoted path.
std::string ExpandIncludes(const std::string& source, const TIncludeReader& readInclude);
// Raises Exception "Line N: ..." for text that is not UTF-8 or has no GBK form.
std::string Utf8ToGbk(const std::string& text);

}  // namespace tmv::formpack
