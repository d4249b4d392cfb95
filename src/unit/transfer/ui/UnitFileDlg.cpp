#include "unit/transfer/ui/UnitFileDlg.h"

#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "document/QelDoc.h"
#include "document/Texts.h"
#include "unit/transfer/Texts.h"

#include <QDir>
#include <QLineEdit>

namespace kiv {

CUnitFileDlg::CUnitFileDlg(const Kind& kind, CQelDoc& doc, MessageSink& sink,
                           CShellDialogs& dialogs, EngineFactory factory, QWidget* parent)
    : CTransferDlg(ToQString(kind.caption), kind.helpTopic, sink, parent), kind_(kind), doc_(doc),
      messages_(sink, this), factory_(std::move(factory)) {
    QLineEdit* field =
        AddFileRow(ToQString(texts::fileNameLabel), [this, &dialogs](const QString& current) {
            const QString filter = CShellDialogs::Filter(ToQString(kind_.filterCaption),
                                                         QString::fromLatin1(kind_.pattern));
            const QString folder = FromNativePath(doc_.fileLocation[kind_.folder]);
            return kind_.saving ? dialogs.SaveFileName(this, filter, folder, current)
                                : dialogs.OpenFileName(this, filter, folder);
        });
    if (kind_.lastFile) field->setText(FromNativePath(doc_.*kind_.lastFile));

    SetCheck([this] {
        typed_ = NativePath(FileField()->text());
        if (!typed_.empty()) return true;
        messages_.Show(texts::kInputError);
        FileField()->setFocus();
        return false;
    });
    SetJob([this] {
        engine_ = factory_(messages_, Ui(), typed_, NativePath(QDir::currentPath()));
        engine_->Run();
    });
    SetStayOpen([this] {
        // The name as typed presets the next use of the window.
        if (kind_.lastFile && engine_ && !engine_->Path().empty()) doc_.*kind_.lastFile = typed_;
        return !engine_ || !engine_->Succeeded();
    });
}

} // namespace kiv
