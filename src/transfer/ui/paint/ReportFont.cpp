#include "transfer/ui/paint/ReportFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace selvane {

bool LoadReportFont(std::string& error) {
  const QString family = QString::fromLatin1(kReportFontFamily);
  if (QFontDatabase::families().contains(family)) return true;
  // Platforms without fontconfig (offscreen) may not see the system's fonts.
  for (const char* file : {"/usr/share/fonts/truetype/nanum/NanumGothic.ttf",
                           "/usr/share/fonts/truetype/nanum/NanumGothicBold.ttf"})
    QFontDatabase::addApplicationFont(QString::fromLatin1(file));
  if (QFontDatabase::families().contains(family)) return true;
  error = "보고서 글꼴 NanumGothic이 설치되어 있지 않습니다 (fonts-nanum).";
  return false;
}

QFont ReportFont(double pointSize, bool bold) {
  QFont font(QString::fromLatin1(kReportFontFamily));
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  // Outlines as designed: the widths measured are the widths printed at any resolution.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace selvane
