// A tiny web server on 127.0.0.1 for window tests: answers every request with one fixed reply
// and keeps each request as it arrived (request line, headers and body bytes).
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

namespace selvane::test {

struct TReceivedRequest {
  QByteArray Head;  // request line and headers, without the blank line
  QByteArray Body;
  QByteArray Header(const QByteArray& name) const {
    for (const QByteArray& line : Head.split('\n')) {
      const int colon = line.indexOf(':');
      if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
        return line.mid(colon + 1).trimmed();
    }
    return {};
  }
};

class TLocalHttpServer : public QObject {
 public:
  TLocalHttpServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Read(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }

  // "127.0.0.1:PORT"
  QString Authority() const { return QStringLiteral("127.0.0.1:%1").arg(server_.serverPort()); }
  void Reply(int status, const QByteArray& reason, const QByteArray& html) {
    status_ = status;
    reason_ = reason;
    html_ = html;
  }
  const QList<TReceivedRequest>& Requests() const { return requests_; }

 private:
  void Read(QTcpSocket* socket) {
    QByteArray& data = pending_[socket];
    data += socket->readAll();
    const int end = data.indexOf("\r\n\r\n");
    if (end < 0) return;
    TReceivedRequest request;
    request.Head = data.left(end);
    const qsizetype length = request.Header("Content-Length").toLongLong();
    if (data.size() < end + 4 + length) return;
    request.Body = data.mid(end + 4, length);
    requests_.append(request);
    pending_.remove(socket);
    socket->write("HTTP/1.1 " + QByteArray::number(status_) + " " + reason_ +
                  "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                  QByteArray::number(html_.size()) + "\r\nConnection: close\r\n\r\n" + html_);
    socket->disconnectFromHost();
  }

  QTcpServer server_;
  int status_ = 200;
  QByteArray reason_ = "OK";
  QByteArray html_;
  QList<TReceivedRequest> requests_;
  QHash<QTcpSocket*, QByteArray> pending_;
};

}  // namespace selvane::test
