#include "app/IconNaming.h"

#include "framework/core/TextUtils.h"

namespace tmv {

bool HoldsIconResources(const std::string& fileName) {
  const std::string ext = UpperCase(ExtractFileExt(fileName));
  return ext == ".EXE" || ext == ".OCX" || ext == ".DLL";
}

std::string IconCaption(int number, const std::string& fileName) {
  return IntToStr(number) + ":" + fileName;
}

std::string MakeExportName(const std::string& caption, int number) {
  const std::string ext = ExtractFileExt(caption);
  const std::string stem = caption.substr(0, caption.size() - ext.size());
  return IntToStr(number) + "_" + ExtractFileName(stem);
}

std::string ExportSummary(const TExportSummaryTexts& texts, int count, const std::string& folder,
                          const std::string& pattern) {
  return IntToStr(count) + texts.FilesSaved + "\r" + texts.SavePath + folder + "\\" + "\r" +
         texts.NameFormat + pattern;
}

}  // namespace tmv
