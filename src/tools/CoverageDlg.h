#pragma once
// The coverage window of a zone: for each entry list a picture of the year,
// days from left to right and the time of day from top to bottom.
#include <QDialog>
#include <functional>

#include "core/CommandResult.h"
#include "core/TarifFile.h"

class QLabel;
class QPushButton;
class QWidget;

namespace dudode {

class TCommandHost;
class TCoverageView;

class TCoverageDlg : public QDialog {
  Q_OBJECT
 public:
  // Told the list and grid row (from 1) of an entry the user double-clicked.
  using TSelectEntry = std::function<void(TDayClass dayClass, int row)>;

  TCoverageDlg(const TKeyAndName& zone, TSelectEntry selectEntry, QWidget* parent = nullptr);

  // Both pictures with their titles and the legend, as a PNG file; false
  // when it could not be written.
  bool SavePicture(const QString& fileName);

 private:
  void CreateControls(const TKeyAndName& zone);
  void CreateLayout();
  void ConnectSignals();
  void SaveBtnClick();
  QWidget* CreateLegend();

  TSelectEntry selectEntry_;
  QWidget* PicturePanel = nullptr;
  TCoverageView* WerktagView = nullptr;
  TCoverageView* SaSoView = nullptr;
  QLabel* StatusLabel = nullptr;
  QPushButton* SaveBtn = nullptr;
  QPushButton* CloseBtn = nullptr;
};

// "Tarifabdeckung": the window for the current zone.
TCommandResult CoverageCommand(TCommandHost& host);

}  // namespace dudode
