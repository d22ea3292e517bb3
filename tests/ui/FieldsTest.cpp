// The shared number, time and date fields and the dialog mechanics.
#include <gtest/gtest.h>

#include <QDialog>
#include <QPushButton>
#include <QTest>

#include "core/MessageBox.h"
#include "support/ModalScript.h"
#include "support/ScriptedMessageBoxes.h"
#include "ui/DateEdit.h"
#include "ui/DialogMechanics.h"
#include "ui/NumberEdit.h"
#include "ui/TimeEdit.h"

namespace dudode {
namespace {

TEST(NumberEditTest, RefusedKeysSayWhyAndAValueBeyondTheRangeWaitsForTheConfirmButton) {
  QDialog dlg;
  auto* edit = new TNumberEdit(&dlg, "PriceEdit", 2, 100);
  auto* other = new QPushButton(&dlg);
  dlg.show();
  QApplication::setActiveWindow(&dlg);
  test::TScriptedMessageBoxes boxes;
  boxes.Expect("Höchstens 2 Nachkommastellen erlaubt.").Expect("Nur Ziffern und , erlaubt.");
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, "1.234x");
  EXPECT_EQ(QStringLiteral("1,23"), edit->text());
  edit->selectAll();
  QTest::keyClicks(edit, "101");
  other->setFocus();
  EXPECT_EQ(QStringLiteral("101"), edit->text());
  boxes.Expect("Bitte geben Sie eine Zahl von 0 bis 100 mit höchstens 2 Nachkommastellen ein.");
  EXPECT_FALSE(CheckTypedFields(dlg));
  EXPECT_EQ(edit, QApplication::focusWidget());
  QTest::keyClicks(edit, "12,5");
  other->setFocus();
  EXPECT_EQ(QStringLiteral("12,50"), edit->text());
  EXPECT_TRUE(CheckTypedFields(dlg));
  // Pasted garbage keeps the last value.
  edit->setText(QStringLiteral("4x5"));
  EXPECT_DOUBLE_EQ(12.5, edit->Value());
  edit->setText(QStringLiteral("12,5"));
  // A name the data files cannot hold is refused at the confirm button too.
  auto* name = new QLineEdit(&dlg);
  name->show();
  name->setFocus();
  QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QStringLiteral("Ω"), Qt::NoModifier);
  QTest::keyClicks(name, "mega");
  other->setFocus();
  boxes.Expect("Das Zeichen Ω kann nicht gespeichert werden. Bitte ersetzen Sie es.");
  EXPECT_FALSE(CheckTypedFields(dlg));
  EXPECT_EQ(name, QApplication::focusWidget());
}

TEST(TimeEditTest, ShowsReadsAndTakesTypedDigits) {
  QDialog dlg;
  auto* edit = new TTimeEdit(&dlg);
  auto* other = new QPushButton(&dlg);
  edit->SetSeconds(8 * 3600 + 30 * 60 + 59);
  EXPECT_EQ("08:30", edit->TimeText());
  bool valid = false;
  EXPECT_EQ(8u * 3600 + 30 * 60 + 59, edit->Seconds(59, &valid));
  EXPECT_TRUE(valid);
  dlg.show();
  QApplication::setActiveWindow(&dlg);
  other->setFocus();
  edit->clear();
  QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() * 2 / 3, edit->height() / 2));
  QTest::keyClicks(edit, "0800");
  EXPECT_EQ("08:00", edit->TimeText());
  edit->clear();
  QTest::keyClicks(edit, "2360");
  EXPECT_EQ("23:60", edit->TimeText());
  edit->Seconds(0, &valid);
  EXPECT_FALSE(valid);
}

TEST(DateEditTest, DayAndMonthWithoutYear) {
  TDateEdit edit;
  edit.SetDdmm("2412");
  EXPECT_EQ(std::pair(QStringLiteral("24.12."), std::string("2412")), std::pair(edit.text(), edit.Ddmm()));
  const std::pair<const char*, bool> cases[] = {{"2902", true},  {"3112", true},  {"0101", true},
                                                {"3002", false}, {"3104", false}, {"0013", false},
                                                {"0001", false}};
  for (const auto& [ddmm, valid] : cases) {
    edit.SetDdmm(ddmm);
    EXPECT_EQ(valid, edit.IsValidDate()) << ddmm;
  }
}

TEST(DialogMechanicsTest, ChecksOnLeaveWithOneCheckAtATime) {
  test::TScriptedMessageBoxes boxes;
  boxes.Expect("kein x");
  QDialog dlg;
  auto* first = new QLineEdit(&dlg);
  auto* second = new QLineEdit(&dlg);
  auto* ok = new QPushButton(QStringLiteral("OK"), &dlg);
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dlg, &QDialog::accept);
  auto* mechanics = new TDialogMechanics(&dlg);
  for (QLineEdit* edit : {first, second}) mechanics->EnterMovesFocus(edit);
  int firstChecks = 0, secondChecks = 0;
  // The first field refuses "x"; while its message is up, leaving the second field checks nothing.
  mechanics->CheckOnLeave(first, [&] {
    ++firstChecks;
    if (first->text() != QStringLiteral("x")) return true;
    ShowMessageBox("kein x");
    test::Leave(second);
    return false;
  });
  mechanics->CheckOnLeave(second, [&] { return ++secondChecks, true; });
  dlg.show();
  QApplication::setActiveWindow(&dlg);
  first->setFocus();
  QTest::keyClicks(first, "x");
  QTest::keyClick(first, Qt::Key_Return);  // moves on, and so leaves the field
  EXPECT_FALSE(dlg.result() == QDialog::Accepted);
  EXPECT_EQ(1, firstChecks);
  EXPECT_EQ(0, secondChecks) << "no check while another one shows its message";
  QApplication::processEvents();
  EXPECT_EQ(first, QApplication::focusWidget()) << "the focus comes back to the refused field";
}

}  // namespace
}  // namespace dudode
