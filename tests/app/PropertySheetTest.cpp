// The property sheet and page base the editors are built on.
#include "AppTestSupport.h"

#include "app/PropertyPage.h"
#include "app/PropertySheet.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

namespace kiv::test {
namespace {

// A page with one field that must hold a number from 1 to 9.
class DigitPage : public CPropertyPage {
  public:
    explicit DigitPage(const QString& title, const QString& text) : CPropertyPage(title) {
        edit = new QLineEdit(text, this);
        (new QVBoxLayout(this))->addWidget(edit);
    }
    void OnSetActive() override { ++activations; }
    bool OnKillActive() override {
        ++checks;
        bool ok = false;
        const int v = edit->text().toInt(&ok);
        if (!ok || v < 1 || v > 9) return FailField(edit);
        return true;
    }
    void OnOK() override { stored = edit->text(); }
    void OnCancel() override { cancelled = true; }

    QLineEdit* edit;
    int activations = 0;
    int checks = 0;
    QString stored;
    bool cancelled = false;
};

class PropertySheetTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        sheet = std::make_unique<CPropertySheet>("Prova", dialogs);
        first = new DigitPage("Uno", "5");
        second = new DigitPage("Due", "7");
        sheet->AddPage(first);
        sheet->AddPage(second);
    }
    std::unique_ptr<CPropertySheet> sheet;
    DigitPage* first = nullptr;
    DigitPage* second = nullptr;
};

TEST_F(PropertySheetTest, FailedLeaveCheckKeepsThePageOnTabChange) {
    sheet->show();
    QApplication::setActiveWindow(sheet.get());
    first->edit->setText("12");
    EXPECT_FALSE(sheet->SetActivePage(1));
    EXPECT_EQ(sheet->ActiveIndex(), 0);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Errore inserimento"});
    EXPECT_TRUE(first->edit->hasFocus());
    EXPECT_EQ(first->edit->selectedText(), "12");

    // A click on the tab bar goes through the same check.
    sheet->Tabs()->setCurrentIndex(1);
    EXPECT_EQ(sheet->ActiveIndex(), 0);
    EXPECT_EQ(sink.messages.size(), 2u);

    first->edit->setText("3");
    EXPECT_TRUE(sheet->SetActivePage(1));
    EXPECT_EQ(second->activations, 1);
    EXPECT_EQ(first->activations, 1);
}

TEST_F(PropertySheetTest, OkChecksTheActivePageThenStoresEveryPage) {
    sheet->show();
    ASSERT_TRUE(sheet->SetActivePage(1));
    second->edit->setText("x");
    sheet->OkButton()->click();
    EXPECT_TRUE(sheet->isVisible()) << "a failed check keeps the sheet open";
    EXPECT_EQ(sheet->result(), QDialog::Rejected);
    EXPECT_TRUE(first->stored.isEmpty());

    second->edit->setText("4");
    sheet->OkButton()->click();
    EXPECT_EQ(sheet->result(), QDialog::Accepted);
    EXPECT_EQ(first->stored, "5");
    EXPECT_EQ(second->stored, "4");
    EXPECT_FALSE(first->cancelled);
}

TEST_F(PropertySheetTest, CancelStoresNothingAndSkipsTheChecks) {
    sheet->show();
    first->edit->setText("bad");
    sheet->CancelButton()->click();
    EXPECT_EQ(sheet->result(), QDialog::Rejected);
    EXPECT_TRUE(first->cancelled);
    EXPECT_TRUE(first->stored.isEmpty());
    EXPECT_EQ(first->checks, 0);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PropertySheetTest, FailFieldWithAnotherMessageAndOtherFieldKinds) {
    auto* spin = new QSpinBox(first);
    spin->setRange(0, 999);
    spin->setValue(250);
    sheet->show();
    QApplication::setActiveWindow(sheet.get());
    EXPECT_FALSE(first->FailField(spin, QString::fromUtf8("Il numero è già usato")));
    EXPECT_EQ(sink.Texts().back(), "Il numero \xE8 gi\xE0 usato") << "sent in code page 1252";
    EXPECT_EQ(sink.messages.back().icon, MsgIcon::Warning);
    EXPECT_TRUE(spin->hasFocus());
}

TEST_F(PropertySheetTest, HelpWithoutAPageShowsANote) {
    sheet->HelpButton()->click();
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(sheet->HelpButton()->text(), "Aiuto");
}

} // namespace
} // namespace kiv::test
