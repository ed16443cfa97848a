#include "core/ui/NhStatus.h"

#include <QMetaObject>
#include <QVBoxLayout>
#include <QWebEngineHttpRequest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "core/DM.h"
#include "core/Query.h"
#include "core/WaitMsg.h"
#include "core/WebServers.h"
#include "edi/EdiLibrary.h"

namespace selvane {

TFrmNhStatus::TFrmNhStatus(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("FrmNhStatus");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf8("농협 이체상황 조회"));
  resize(800, 600);
  Browser = new QWebEngineView(this);
  Browser->setObjectName("WebStatus");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Browser);
  // A page that closes itself (window.close()) closes the window.
  connect(Browser->page(), &QWebEnginePage::windowCloseRequested, this, &QWidget::close);
  FormCreate();
}

void TFrmNhStatus::FormCreate() {
  const std::string userId = ReadEdiLoginId();
  if (userId.empty()) {
    InfoBox("통신환경 설정에 상용자 ID가 등록되지 않았습니다.");
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    return;
  }
  const std::string url = TransferStatusUrl();
  if (url.empty()) return;  // the status page is turned off in the settings
  QWebEngineHttpRequest request(QUrl(QString::fromStdString(url)), QWebEngineHttpRequest::Post);
  request.setHeader("Content-Type", "application/x-www-form-urlencoded");
  const std::string body = TransferStatusBody(userId);
  request.setPostData(QByteArray(body.data(), qsizetype(body.size())));
  Browser->load(request);
}

TFrmNhStatus* ShowNhStatus() {
  TQuery query(DModule->Database);
  query.SetSql("SELECT BankId FROM KiGwan WHERE BankId IN ('12', '11')");
  query.Open({});
  if (query.Eof()) {
    InfoBox("농협과 거래하는 업체만 사용 가능합니다");
    return nullptr;
  }
  auto* window = new TFrmNhStatus;
  window->show();
  return window;
}

}  // namespace selvane
