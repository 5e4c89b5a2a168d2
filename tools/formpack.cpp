// formpack SOURCE.form OUTPUT [-I DIR]... [--depfile FILE]
// Writes the GBK form resource for SOURCE (see formpack/FormPack.h). An @include path is
// looked up relative to the source's folder, then in each -I folder; the depfile names
// the included files so the build repacks when one of them changes.
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"
#include "tools/formpack/FormPack.h"

namespace {

using namespace tmv;

bool FileExists(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string ReadFile(const std::string& path) {
  TFileStream file(path, fmOpenRead);
  return ReadToEnd(file);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  TFileStream file(path, fmCreate);
  file.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

// Make's depfile syntax: blanks in names are escaped.
std::string DepName(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == ' ' || c == '#') out += '\\';
    if (c == '$') out += '$';
    out += c;
  }
  return out;
}

int Run(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::vector<std::string> positional, searchDirs;
  std::string depfile;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-I" && i + 1 < args.size())
      searchDirs.push_back(args[++i]);
    else if (args[i] == "--depfile" && i + 1 < args.size())
      depfile = args[++i];
    else
      positional.push_back(args[i]);
  }
  if (positional.size() != 2) {
    std::fprintf(stderr, "usage: formpack SOURCE.form OUTPUT [-I DIR]... [--depfile FILE]\n");
    return 2;
  }
  const std::string& source = positional[0];
  const std::string& output = positional[1];
  searchDirs.insert(searchDirs.begin(), FolderOf(source));

  std::vector<std::string> included;
  auto readInclude = [&](const std::string& name) {
    std::string found = name;
    if (name.empty() || name[0] != '/') {
      found.clear();
      for (const std::string& dir : searchDirs)
        if (FileExists(dir + "/" + name)) {
          found = dir + "/" + name;
          break;
        }
      if (found.empty()) throw Exception("included file \"" + name + "\" not found");
    }
    included.push_back(found);
    return ReadFile(found);
  };
  std::string packed = formpack::Utf8ToGbk(formpack::ExpandIncludes(ReadFile(source), readInclude));
  WriteFile(output, packed);
  if (!depfile.empty()) {
    std::string deps = DepName(output) + ":";
    for (const std::string& f : included) deps += " " + DepName(f);
    WriteFile(depfile, deps + "\n");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "formpack: %s: %s\n", argc > 1 ? argv[1] : "", e.what());
    return 1;
  }
}
