#include "edi/ui/NorVaEdi.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/DM.h"
#include "core/WaitMsg.h"
#include "edi/Exchange.h"

namespace selvane {
namespace {

QString Text(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

const char* const kColumnTitles[] = {"기  관  구  분", "정 보 명", "건 수", "비    고"};

// Every cell inset by one pixel with its background filled, the text two more pixels in, on one
// line and centred vertically.
class TGridDrawCell : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool title = index.row() == 0;
    const bool selected = !title && (option.state & QStyle::State_Selected);
    const QPalette& palette = option.palette;
    QRect cell = option.rect.adjusted(1, 1, -1, -1);
    painter->save();
    painter->fillRect(cell, title      ? palette.button()
                            : selected ? palette.highlight()
                                       : palette.base());
    painter->setPen(title      ? palette.buttonText().color()
                    : selected ? palette.highlightedText().color()
                               : palette.text().color());
    QRect textRect = cell.adjusted(2, 0, -2, 0);
    const QString text = index.data().toString();
    painter->drawText(
        textRect,
        int(TFrmNorvaEdi::CellAlignment(index.row(), index.column())) | Qt::TextSingleLine, text);
    painter->restore();
  }
};

}  // namespace

Qt::Alignment TFrmNorvaEdi::CellAlignment(int row, int column) {
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (row == 0) {
    if (column <= 2) horizontal = Qt::AlignHCenter;
  } else if (column <= 1) {
    horizontal = Qt::AlignHCenter;
  } else if (column == 2) {
    horizontal = Qt::AlignRight;
  }
  return horizontal | Qt::AlignVCenter;
}

TFrmNorvaEdi::TFrmNorvaEdi(TDModule& dm, QWidget* parent) : QDialog(parent), dm_(dm) {
  setObjectName("FrmNorvaEdi");
  setModal(true);
  resize(560, 340);

  TitleLabel = new QLabel(this);
  TitleLabel->setObjectName("TitleLabel");
  QFont heading = TitleLabel->font();
  heading.setBold(true);
  TitleLabel->setFont(heading);

  Grid = new QTableWidget(2, 4, this);
  Grid->setObjectName("Grid");
  Grid->horizontalHeader()->hide();
  Grid->verticalHeader()->hide();
  Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  Grid->setSelectionMode(QAbstractItemView::SingleSelection);
  Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Grid->setShowGrid(true);
  Grid->setItemDelegate(new TGridDrawCell(Grid));
  const int widths[] = {150, 110, 60, 190};
  for (int column = 0; column < 4; ++column) Grid->setColumnWidth(column, widths[column]);
  Grid->horizontalHeader()->setStretchLastSection(true);
  Grid->verticalHeader()->setDefaultSectionSize(22);

  StatusLabel = new QLabel(Text("처리준비중..."), this);
  StatusLabel->setObjectName("StatusLabel");
  StatusLabel->setFrameShape(QFrame::Panel);
  StatusLabel->setFrameShadow(QFrame::Sunken);
  StatusLabel->setMinimumHeight(24);
  StatusLabel->setIndent(4);
  StatusLabel->setWordWrap(true);  // a failure's reason can be longer than the line

  btnSend = new QPushButton(Text(" 송 신"), this);
  btnSend->setObjectName("btnSend");
  btnStop = new QPushButton(Text(" 취 소"), this);
  btnStop->setObjectName("btnStop");
  btnExit = new QPushButton(Text(" 닫 기"), this);
  btnExit->setObjectName("btnExit");
  for (QPushButton* button : {btnSend, btnStop, btnExit}) {
    button->setAutoDefault(false);
    button->setMinimumWidth(90);
  }
  connect(btnSend, &QPushButton::clicked, this, &TFrmNorvaEdi::btnSendClick);
  connect(btnStop, &QPushButton::clicked, this, &TFrmNorvaEdi::btnStopClick);
  connect(btnExit, &QPushButton::clicked, this, &TFrmNorvaEdi::btnExitClick);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnSend);
  buttons->addWidget(btnStop);
  buttons->addWidget(btnExit);  // in btnStop's place: only one of the two is shown
  btnExit->hide();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TitleLabel);
  layout->addWidget(Grid, 1);
  layout->addWidget(StatusLabel);
  layout->addLayout(buttons);

  ClearList();
}

TFrmNorvaEdi::~TFrmNorvaEdi() = default;

void TFrmNorvaEdi::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The work starts once the window is on screen, and only once: message boxes it shows give the
  // window back its activation.
  if (!started_) {
    started_ = true;
    QTimer::singleShot(0, this, &TFrmNorvaEdi::FormActivate);
  }
}

void TFrmNorvaEdi::ShowStatus(const std::string& text, bool isError) {
  statusIsError_ = isError;
  QPalette palette = StatusLabel->palette();
  palette.setColor(QPalette::WindowText,
                   isError ? QColor(Qt::red) : QApplication::palette().color(QPalette::WindowText));
  StatusLabel->setPalette(palette);
  StatusLabel->setText(Text(text));
  StatusLabel->repaint();
}

void TFrmNorvaEdi::SetCell(int row, int column, const std::string& text) {
  auto* item = new QTableWidgetItem(Text(text));
  item->setTextAlignment(CellAlignment(row, column));
  if (row == 0) item->setFlags(Qt::ItemIsEnabled);
  Grid->setItem(row, column, item);
}

void TFrmNorvaEdi::AddListLine(const TRecvInfo& line) {
  int last = Grid->rowCount() - 1;
  QTableWidgetItem* fileName = Grid->item(last, 1);
  if (fileName != nullptr && !fileName->text().isEmpty()) {
    Grid->insertRow(++last);
  }
  SetCell(last, 0, line.KigwanName);
  SetCell(last, 1, line.FileName);
  SetCell(last, 2, line.Count < 0 ? std::string() : std::to_string(line.Count));
  SetCell(last, 3, RecvRemark(line));
  Grid->repaint();
}

void TFrmNorvaEdi::ShowWarnings(const std::string& heading, const std::vector<std::string>& lines) {
  constexpr std::size_t kShown = 20;
  std::string text = heading;
  for (std::size_t i = 0; i < lines.size() && i < kShown; ++i) text += "\r" + lines[i];
  if (lines.size() > kShown) text += "\r... 외 " + std::to_string(lines.size() - kShown) + "건";
  WarningBox(text);
}

void TFrmNorvaEdi::ClearList() {
  Grid->clearContents();
  Grid->setRowCount(2);
  for (int column = 0; column < 4; ++column) SetCell(0, column, kColumnTitles[column]);
}

void TFrmNorvaEdi::FormActivate() {
  activated_ = true;
  for (int column = 0; column < 4; ++column) SetCell(0, column, kColumnTitles[column]);
  setWindowTitle(Text(ExchangeCaption(Mode)));
  exchange_ = std::make_unique<TExchange>(dm_, *this, Mode);

  if (Mode == emSend || Mode == emSendReceive) {
    TitleLabel->setText(Text("송신 자료 내역 : "));
    btnSend->setText(Text(Mode == emSendReceive ? " 송수신" : " 송 신"));
    btnExit->hide();
    btnStop->show();
    btnSend->setEnabled(false);
    btnStop->setEnabled(false);
    if (exchange_->Build()) {
      btnSend->setEnabled(true);
      btnStop->setEnabled(true);
      btnSend->setFocus();
      return;
    }
    btnStop->setEnabled(true);
    btnStop->setFocus();
    if (!exchange_->AskReceiveOnly()) return;
    Mode = exchange_->Mode;
  }
  Receive();
}

void TFrmNorvaEdi::Receive() {
  TitleLabel->setText(Text("수신 자료 내역 : "));
  RunExchange();
}

void TFrmNorvaEdi::RunExchange() {
  btnSend->hide();
  btnStop->hide();
  btnExit->show();
  btnExit->setEnabled(false);
  if (exchange_->Run()) {
    if (Mode == emSendReceive) TitleLabel->setText(Text("수신 자료 내역 : "));
    exchange_->ApplyResults();
  }
  btnExit->setEnabled(true);
  btnExit->setFocus();
}

void TFrmNorvaEdi::btnSendClick() {
  RunExchange();
}

void TFrmNorvaEdi::btnStopClick() {
  reject();
}

void TFrmNorvaEdi::btnExitClick() {
  accept();
}

void ShowNorvaEdi(int mode, QWidget* parent) {
  TFrmNorvaEdi window(*DModule, parent);
  window.Mode = mode;
  window.exec();
}

}  // namespace selvane
