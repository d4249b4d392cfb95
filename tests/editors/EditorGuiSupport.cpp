#include "EditorGuiSupport.h"

#include "app/PropertySheet.h"
#include "editors/MboxList.h"

#include <QApplication>
#include <QPushButton>

namespace kiv::test {

int CScriptedShell::Exec(QDialog& dialog) {
    opened.push_back(dialog.objectName());
    if (handlers.empty()) return QDialog::Rejected;
    Handler handler = std::move(handlers.front());
    handlers.pop_front();
    ShowActive(dialog);
    const int result = handler(dialog);
    dialog.hide();
    return result;
}

int PressOk(QDialog& sheet) {
    auto* propertySheet = qobject_cast<CPropertySheet*>(&sheet);
    EXPECT_NE(propertySheet, nullptr);
    propertySheet->OkButton()->click();
    return sheet.isVisible() ? int(QDialog::Rejected) : sheet.result();
}

int PressCancel(QDialog& sheet) {
    auto* propertySheet = qobject_cast<CPropertySheet*>(&sheet);
    EXPECT_NE(propertySheet, nullptr);
    propertySheet->CancelButton()->click();
    return sheet.result();
}

std::unique_ptr<CQelDoc> MakeDoc(int productType, const std::vector<std::string>& numbers,
                                 int extDigits) {
    auto doc = std::make_unique<CQelDoc>();
    doc->SetProductType(productType);
    doc->extDigits = extDigits;
    doc->mboxCount = 0;
    for (const std::string& number : numbers) {
        MboxRecord r = editors::NewMboxTemplate();
        r.number = number;
        r.slot = static_cast<std::uint8_t>(doc->mboxCount);
        doc->mailboxes[static_cast<std::size_t>(doc->mboxCount++)] = r;
    }
    return doc;
}

void ShowActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
}

} // namespace kiv::test

// One QApplication for the whole run.
int main(int argc, char** argv) {
    // Test discovery runs without the test environment: stay offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
