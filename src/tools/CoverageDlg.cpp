#include "tools/CoverageDlg.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include "core/MessageBox.h"
#include "core/RegionalSettings.h"
#include "tools/TarifCheck.h"
#include "tools/TarifCoverage.h"
#include "ui/Command.h"
#include "ui/DialogContract.h"
#include "ui/DialogParts.h"
#include "ui/RunModal.h"
#include "zones/EntryCommands.h"
#include "zones/EntryForm.h"

namespace dudode {
namespace {

constexpr const char* kNoZoneMessage =
    "Bitte legen Sie eine Tarifzone an oder wählen Sie eine Tarifzone aus!";

// Pixels per day and per 10-minute step.
constexpr int kCell = 2;
constexpr int kLeft = 40;  // hour labels
constexpr int kTop = 6;
constexpr int kBottom = 18;  // month labels
constexpr int kRight = 6;

// Blue and orange stay apart for every common colour vision; special-only
// steps are hatched on top, so they differ by pattern too.
const QColor kCoveredColour(0x00, 0x72, 0xB2);
const QColor kGapColour(0xE6, 0x9F, 0x00);
const QColor kHatchColour(0x3A, 0x2A, 0x00);

QRgb PixelColour(TSlotState state, int x, int y) {
  if (state == TSlotState::Covered) return kCoveredColour.rgb();
  if (state == TSlotState::SpecialOnly && (x + y) % 4 == 0) return kHatchColour.rgb();
  return kGapColour.rgb();
}

QImage Swatch(TSlotState state) {
  QImage image(16, 12, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, PixelColour(state, x, y));
  }
  return image;
}

}  // namespace

// The picture of one list. It scales with the window; a keyboard cursor
// walks the year by day (left, right) and by 10-minute step (up, down).
class TCoverageView : public QWidget {
 public:
  TCoverageView(const TTarifEntryList& entries, std::function<void(int entryIndex)> chosen,
                std::function<void(const QString&)> status, QWidget* parent)
      : QWidget(parent),
        entries_(entries),
        coverage_(entries_),
        chosen_(std::move(chosen)),
        status_(std::move(status)) {
    image_ = QImage(kYearDays * kCell, kDaySlots * kCell, QImage::Format_RGB32);
    for (int y = 0; y < image_.height(); ++y) {
      for (int x = 0; x < image_.width(); ++x) {
        image_.setPixel(x, y, PixelColour(coverage_.State(x / kCell, y / kCell), x, y));
      }
    }
    setMinimumSize(kLeft + kYearDays + kRight, kTop + kDaySlots + kBottom);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
  }

  QSize sizeHint() const override {
    return {kLeft + image_.width() + kRight, kTop + image_.height() * 3 / 4 + kBottom};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect chart = Chart();
    painter.drawImage(chart, image_);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int hour = 0; hour <= 24; hour += 6) {
      const int y = chart.top() + hour * 6 * chart.height() / kDaySlots;
      painter.drawLine(kLeft - 4, y, kLeft - 1, y);
      painter.drawText(QRect(0, y - 8, kLeft - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                       QString::fromStdString(TwoDigitText(hour) + Regional().TimeSeparator + "00"));
    }
    int day = 0;
    for (int month = 1; month <= 12; ++month) {
      const int x = chart.left() + day * chart.width() / kYearDays;
      painter.drawLine(x, chart.bottom() + 1, x, chart.bottom() + 5);
      painter.drawText(
          QRect(x + 2, chart.bottom() + 2, DaysInMonth(month) * chart.width() / kYearDays, kBottom - 1),
          Qt::AlignLeft,
          QString::fromStdString(Regional().ShortMonthNames[static_cast<std::size_t>(month - 1)]));
      day += DaysInMonth(month);
    }
    if (hasFocus()) {
      // The cursor: a cross through the step, in the text colour, so that it
      // shows on both colours of the chart.
      const QRect cell = Cell(day_, slot_);
      painter.drawLine(cell.center().x(), chart.top(), cell.center().x(), chart.bottom());
      painter.drawLine(chart.left(), cell.center().y(), chart.right(), cell.center().y());
      painter.drawRect(cell.adjusted(-2, -2, 2, 2));
    }
  }

  bool event(QEvent* event) override {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const QPoint pos = static_cast<QHelpEvent*>(event)->pos();
    int day = 0;
    int slot = 0;
    if (HitTest(pos, day, slot)) {
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), Description(day, slot), this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    int day = 0;
    int slot = 0;
    if (HitTest(event->position().toPoint(), day, slot)) status_(Description(day, slot));
  }

  void mouseDoubleClickEvent(QMouseEvent* event) override {
    int day = 0;
    int slot = 0;
    if (HitTest(event->position().toPoint(), day, slot)) Choose(day, slot);
  }

  void keyPressEvent(QKeyEvent* event) override {
    int day = day_;
    int slot = slot_;
    switch (event->key()) {
      case Qt::Key_Left:
        --day;
        break;
      case Qt::Key_Right:
        ++day;
        break;
      case Qt::Key_Up:
        --slot;
        break;
      case Qt::Key_Down:
        ++slot;
        break;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        Choose(day_, slot_);
        return;
      default:
        QWidget::keyPressEvent(event);
        return;
    }
    day_ = std::clamp(day, 0, kYearDays - 1);
    slot_ = std::clamp(slot, 0, kDaySlots - 1);
    status_(Description(day_, slot_));
    update();
  }

  void focusInEvent(QFocusEvent* event) override {
    status_(Description(day_, slot_));
    QWidget::focusInEvent(event);
  }
  void focusOutEvent(QFocusEvent* event) override {
    update();
    QWidget::focusOutEvent(event);
  }

 private:
  QRect Chart() const {
    return {kLeft, kTop, std::max(1, width() - kLeft - kRight), std::max(1, height() - kTop - kBottom)};
  }
  QRect Cell(int day, int slot) const {
    const QRect chart = Chart();
    const int left = chart.left() + day * chart.width() / kYearDays;
    const int top = chart.top() + slot * chart.height() / kDaySlots;
    return QRect(QPoint(left, top), QPoint(chart.left() + (day + 1) * chart.width() / kYearDays - 1,
                                           chart.top() + (slot + 1) * chart.height() / kDaySlots - 1));
  }
  QString Description(int day, int slot) const {
    return QString::fromStdString(SlotDescription(entries_, coverage_, day, slot));
  }
  void Choose(int day, int slot) {
    const int index = coverage_.ShownEntry(day, slot);
    if (index >= 0) chosen_(index);
  }
  bool HitTest(QPoint pos, int& day, int& slot) const {
    const QRect chart = Chart();
    if (!chart.contains(pos)) return false;
    day = std::clamp((pos.x() - chart.left()) * kYearDays / chart.width(), 0, kYearDays - 1);
    slot = std::clamp((pos.y() - chart.top()) * kDaySlots / chart.height(), 0, kDaySlots - 1);
    return true;
  }

  TTarifEntryList entries_;
  TListCoverage coverage_;
  std::function<void(int)> chosen_;
  std::function<void(const QString&)> status_;
  QImage image_;
  int day_ = 0;
  int slot_ = 0;
};

TCoverageDlg::TCoverageDlg(const TKeyAndName& zone, TSelectEntry selectEntry, QWidget* parent)
    : QDialog(parent), selectEntry_(std::move(selectEntry)) {
  LeaveEscapeToDialog(this);
  setObjectName("CoverageDlg");
  setWindowTitle(QString::fromStdString("Tarifabdeckung der Tarifzone " + zone.MenuCaption()));
  CreateControls(zone);
  CreateLayout();
  ConnectSignals();
}

void TCoverageDlg::CreateControls(const TKeyAndName& zone) {
  PicturePanel = new QWidget(this);
  PicturePanel->setObjectName("PicturePanel");
  PicturePanel->setAutoFillBackground(true);
  auto makeView = [&](TDayClass dayClass, const char* name) {
    const TTarifEntryList& entries = zone.Entries(dayClass);
    auto* view = new TCoverageView(
        entries,
        [this, dayClass, entries](int index) {
          selectEntry_(dayClass, RowOfEntryIndex(entries, index));
          accept();
        },
        [this](const QString& text) { StatusLabel->setText(text); }, PicturePanel);
    view->setObjectName(name);
    return view;
  };
  WerktagView = makeView(TDayClass::Werktag, "WerktagView");
  SaSoView = makeView(TDayClass::SaSo, "SaSoView");
  StatusLabel = new QLabel(this);
  StatusLabel->setObjectName("StatusLabel");
  StatusLabel->setFrameShape(QFrame::StyledPanel);
  StatusLabel->setMinimumHeight(StatusLabel->fontMetrics().height() * 2 + 6);
  StatusLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  SaveBtn = Named<QPushButton>(this, "SaveBtn", "Als &PNG speichern...");
  CloseBtn = Named<QPushButton>(this, "CloseBtn", "&Schließen");
}

QWidget* TCoverageDlg::CreateLegend() {
  auto* legend = new QWidget(PicturePanel);
  auto* row = new QHBoxLayout(legend);
  row->setContentsMargins(0, 0, 0, 0);
  const std::pair<TSlotState, const char*> items[] = {
      {TSlotState::Covered, "abgedeckt"},
      {TSlotState::Gap, "Lücke"},
      {TSlotState::SpecialOnly, "nur Sondertarif (von der Überprüfung nicht berücksichtigt)"},
  };
  for (const auto& [state, text] : items) {
    auto* swatch = new QLabel(legend);
    swatch->setPixmap(QPixmap::fromImage(Swatch(state)));
    row->addWidget(swatch);
    row->addWidget(new QLabel(text, legend));
    row->addSpacing(12);
  }
  row->addStretch();
  return legend;
}

void TCoverageDlg::CreateLayout() {
  auto* pictures = new QVBoxLayout(PicturePanel);
  pictures->addWidget(new QLabel(QString::fromStdString(DayClassName(TDayClass::Werktag)), PicturePanel));
  pictures->addWidget(WerktagView, 1);
  pictures->addWidget(new QLabel(QString::fromStdString(DayClassName(TDayClass::SaSo)), PicturePanel));
  pictures->addWidget(SaSoView, 1);
  pictures->addWidget(CreateLegend());
  auto* hint = new QLabel(
      "Zeigen Sie auf einen Zeitpunkt (oder wählen Sie ihn mit den Pfeiltasten), um den gültigen Tarif zu "
      "sehen; ein Doppelklick oder die Eingabetaste wählt ihn in der Tarifliste aus.",
      this);
  hint->setWordWrap(true);
  auto* main = new QVBoxLayout(this);
  main->addWidget(PicturePanel, 1);
  main->addWidget(StatusLabel);
  main->addWidget(hint);
  main->addLayout(ButtonRow(this, nullptr, {SaveBtn, CloseBtn}));
}

void TCoverageDlg::ConnectSignals() {
  connect(SaveBtn, &QPushButton::clicked, this, &TCoverageDlg::SaveBtnClick);
  connect(CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
}

bool TCoverageDlg::SavePicture(const QString& fileName) {
  return PicturePanel->grab().save(fileName, "PNG");
}

void TCoverageDlg::SaveBtnClick() {
  QFileDialog dialog(this, "Bild speichern", QDir::home().filePath("Tarifabdeckung.png"), "PNG-Bild (*.png)");
  dialog.setObjectName("SaveDialog");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix("png");
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString fileName = dialog.selectedFiles().constFirst();
  if (!SavePicture(fileName)) {
    ShowMessageBox("Das Bild konnte nicht gespeichert werden: " + fileName.toStdString(), {}, mkFehler, mbOK);
  }
}

TCommandResult CoverageCommand(TCommandHost& host) {
  const int zoneIndex = host.CurrentZone();
  const TTarifFile& document = host.Document();
  if (zoneIndex < 0 || static_cast<std::size_t>(zoneIndex) >= document.Zones.size()) {
    ShowMessageBox(kNoZoneMessage, CheckCaption(), mkFehler, mbOK);
    return TCommandResult::None();
  }
  TCoverageDlg dialog(
      document.Zones[static_cast<std::size_t>(zoneIndex)],
      [&host](TDayClass dayClass, int row) { host.SelectEntryRow(dayClass, row); }, host.Window());
  RunModal(dialog);
  return TCommandResult::None();
}

}  // namespace dudode
