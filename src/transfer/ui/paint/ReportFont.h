// The typeface of printed reports: NanumGothic, which has every Hangul syllable and is embedded
// in the PDF files the reports are saved as.
#pragma once

#include <QFont>
#include <string>

namespace selvane {

inline constexpr const char* kReportFontFamily = "NanumGothic";

// Makes sure the report typeface can be used, loading it from the fonts-nanum files when the
// font database of the platform does not list it. False with a message for the user when it
// cannot be found; needs the Qt application object.
bool LoadReportFont(std::string& error);

// The report typeface in the size (points), bold or not.
QFont ReportFont(double pointSize, bool bold = false);

}  // namespace selvane
