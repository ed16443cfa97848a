// The layout window: named record layouts of recipient files (rows of TBCath), their positions
// typed into a grid or marked in a sample of the file, and the conversion of a whole file into
// recipients of the current order.
#pragma once

#include <string>
#include <vector>

#include "core/DM.h"
#include "transfer/OrderEditing.h"
#include "transfer/ui/TableWindow.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTableWidget;
class QToolButton;

namespace selvane {

class TTableGridView;

class TfmCatchCMS : public TTableWindow {
  Q_OBJECT

 public:
  explicit TfmCatchCMS(TDModule& dm, QWidget* parent = nullptr);

  QToolButton* BtnInsert;
  QToolButton* BtnEdit;
  QToolButton* BtnDelete;
  QToolButton* BtnSave;
  QToolButton* BtnCancel;
  QToolButton* BtnOpenDlg;
  QToolButton* BtnConvert;
  QToolButton* BtnExit;
  TTableGridView* DBGrid;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QTableWidget* Grid;
  QLabel* Ruler;
  QPlainTextEdit* Memo;
  QLabel* lbl_JaGubun;
  QComboBox* cb_JaGubun;
  QMenu* PopupMenu;

  const std::string& FileName() const { return fileName_; }

  void BtnInsertClick(QToolButton* sender) override;
  void BtnSaveClick();
  void BtnCancelClick() override;
  void BtnDeleteClick() override;
  void BtnOpenDlgClick();
  void BtnConvertClick();
  void BtnExitClick();
  // Ctrl held while the mouse button is released over the sample: the selection becomes the
  // current grid row's start and size.
  void MemoMouseUp(bool ctrlHeld);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QToolButton* AddButton(const QString& text, const char* name, const QKeySequence& key);
  void FormCreate();
  void FormActivate() override;
  void SetMode(TEditMode mode) override;
  // The current layout's name, record length and positions.
  void LoadFields() override;
  void FillGrid();
  void RefreshContent();
  void DataChange();
  void LoadSample();
  QString Cell(int row, int col) const;
  void SetCell(int row, int col, const QString& text);

  std::string fileName_;
  std::vector<std::string> sample_;  // CP949 lines
  bool filling_ = false;
};

}  // namespace selvane
