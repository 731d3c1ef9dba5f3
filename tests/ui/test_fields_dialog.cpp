// The eyepiece-fields dialog as a user drives it: fields added, changed and
// removed, a refused field reported, OK and Cancel.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <memory>

#include "sky/sky_doc.h"
#include "tests/ui/dialog_fixture.h"
#include "ui/fields_dialog.h"

namespace {

class FieldsDialogTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    if (NotStarted()) return;
    doc_->Settings().Fields.clear();
    doc_->Settings().EyepieceFields = 0;
  }
  // The main window owns its dialogs: they go before it.
  void TearDown() override {
    dialog_.reset();
    DialogTest::TearDown();
  }
  void Open() {
    dialog_ = std::make_unique<CFieldsDialog>(*doc_, *view_, messages_, frame_);
    ShowActive(dialog_.get());
  }
  // Types `text` over what box `name` holds.
  void Type(const char* name, const char* text) {
    QLineEdit* box = Child<QLineEdit>(dialog_.get(), name);
    box->selectAll();
    QTest::keyClicks(box, QString::fromUtf8(text));
  }
  void Click(const char* name) { Child<QPushButton>(dialog_.get(), name)->click(); }
  QListWidget* List() { return Child<QListWidget>(dialog_.get(), "FieldList"); }
  std::string Row(int row) { return List()->item(row)->text().toStdString(); }

  std::unique_ptr<CFieldsDialog> dialog_;
};

TEST_F(FieldsDialogTest, AddChangeRemoveThenOkKeepsTheListAndShowsIt) {
  Open();
  Type("FieldName", "A");  // a 52-degree 25 mm eyepiece on 1000 mm, as the boxes start
  EXPECT_EQ(Child<QLabel>(dialog_.get(), "FieldSize")->text().toStdString(), "1.30\u00b0");
  Click("AddField");
  Child<QComboBox>(dialog_.get(), "FieldKind")->setCurrentIndex(0);  // a circle
  Type("FieldName", "B");
  Type("Diameter", "30");
  Click("AddField");
  ASSERT_EQ(List()->count(), 2);
  EXPECT_EQ(Row(0), "A  (1.30\u00b0)");
  EXPECT_EQ(Row(1), "B  (30.0')");

  List()->setCurrentRow(0);
  EXPECT_EQ(Child<QLineEdit>(dialog_.get(), "FieldName")->text().toStdString(), "A");
  EXPECT_EQ(Child<QLineEdit>(dialog_.get(), "TelescopeFocal")->text().toStdString(), "1000");
  Type("EyepieceFocal", "10");
  Click("ChangeField");
  EXPECT_EQ(Row(0), "A  (31.2')");
  List()->setCurrentRow(1);
  Click("RemoveField");
  ASSERT_EQ(List()->count(), 1);
  QCheckBox* onTelescope = Child<QCheckBox>(dialog_.get(), "FieldsOnTelescope");
  EXPECT_TRUE(onTelescope->isChecked()) << "as the settings start";
  onTelescope->click();

  Button(dialog_.get(), QDialogButtonBox::Ok)->click();
  EXPECT_FALSE(dialog_->isVisible());
  ASSERT_EQ(doc_->Settings().Fields.size(), 1u);
  EXPECT_EQ(doc_->Settings().Fields[0].Name, "A");
  EXPECT_EQ(doc_->Settings().Fields[0].EyepieceFocal, 10);
  EXPECT_EQ(doc_->Settings().EyepieceFields, 1) << "the fields just defined are shown";
  EXPECT_EQ(doc_->Settings().FieldsOnTelescope, 0);
  EXPECT_TRUE(messages_.Lines.empty());
}

TEST_F(FieldsDialogTest, ARefusedFieldIsReportedAndCancelKeepsNothing) {
  Open();
  Type("FieldName", "Wide");
  Type("TelescopeFocal", "10");
  Type("EyepieceFocal", "200");
  Type("ApparentField", "100");
  EXPECT_EQ(Child<QLabel>(dialog_.get(), "FieldSize")->text().toStdString(), "-");
  // OK with a field typed but not added adds it first: here it is refused.
  Button(dialog_.get(), QDialogButtonBox::Ok)->click();
  EXPECT_TRUE(dialog_->isVisible());
  ASSERT_EQ(messages_.Lines.size(), 1u);
  EXPECT_EQ(messages_.Lines[0].rfind("exclamation: This field would be 2000.00", 0), 0u)
      << messages_.Lines[0];
  Type("TelescopeFocal", "1000");  // 20 degrees
  Click("AddField");
  EXPECT_EQ(List()->count(), 1);
  Child<QCheckBox>(dialog_.get(), "FieldsOnTelescope")->click();
  Button(dialog_.get(), QDialogButtonBox::Cancel)->click();
  EXPECT_EQ(doc_->Settings().FieldsOnTelescope, 1);
  EXPECT_TRUE(doc_->Settings().Fields.empty());
  EXPECT_EQ(doc_->Settings().EyepieceFields, 0);
}

}  // namespace
