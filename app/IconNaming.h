#pragma once
// The rules by which files are read for icons and exported icons are named and reported.
#include <string>

namespace tmv {

// ".EXE", ".OCX" and ".DLL", in any letter case, are read for all the icons they carry;
// other files give the one icon the shell shows for them.
bool HoldsIconResources(const std::string& fileName);

// The caption of list item number: the number, ":" and the full file name.
std::string IconCaption(int number, const std::string& fileName);

// The exported file's name without folder and extension: the number, "_" and the source
// file's name without folder and extension ("3_viewer" for the third icon, from
// "3:C:\Apps\viewer.exe").
std::string MakeExportName(const std::string& caption, int number);

// The text shown after an export: the count, then the folder and the name pattern on lines
// of their own, each line ended by a lone carriage return.
struct TExportSummaryTexts {
  std::string FilesSaved;  // follows the count
  std::string SavePath;    // precedes the folder
  std::string NameFormat;  // precedes the pattern
};
std::string ExportSummary(const TExportSummaryTexts& texts, int count, const std::string& folder,
                          const std::string& pattern);

}  // namespace tmv
