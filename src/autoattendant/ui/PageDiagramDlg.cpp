#include "autoattendant/ui/PageDiagramDlg.h"

#include "app/Help.h"
#include "app/MainFrame.h"
#include "app/QelApp.h"
#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "app/SvgView.h"
#include "autoattendant/CallFlowRender.h"
#include "autoattendant/Texts.h"
#include "document/DocCommands.h"
#include "document/MessageSink.h"
#include "document/QelDoc.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace kiv {

namespace {

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(ToQString(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(button->text());
    return button;
}

} // namespace

CPageDiagramDlg::CPageDiagramDlg(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent,
                                 const Render& render)
    : QDialog(parent), doc_(doc), dialogs_(dialogs) {
    setObjectName("pageDiagramDlg");
    setWindowTitle(ToQString(autoatt::texts::kDiagramTitle));
    setSizeGripEnabled(true);
    InstallHelpKey(this, "diagramma_pagine");
    resize(900, 640);

    auto* layout = new QVBoxLayout(this);
    std::string error;
    bool drawn = render ? render(doc, svg_, error)
                        : autoatt::RenderCallFlow(doc, autoatt::DiagramFormat::Svg, svg_, error);
    if (drawn) {
        view_ = new CSvgView(this);
        // A drawing the SVG reader refuses would show an empty view.
        drawn = view_->SetSvg(svg_);
        if (!drawn) {
            error = "svg: unreadable drawing";
            delete std::exchange(view_, nullptr);
        }
    }
    if (drawn) {
        view_->setObjectName("diagramView");
        view_->setAccessibleName(windowTitle());
        view_->viewport()->setAccessibleName(windowTitle());
        layout->addWidget(view_, 1);
    } else {
        svg_.clear();
        auto* reason = new QLabel(
            ToQString(autoatt::texts::kDiagramFailed) + "\n" + QString::fromStdString(error), this);
        reason->setObjectName("diagramError");
        reason->setWordWrap(true);
        layout->addWidget(reason, 1);
        dialogs_.Sink().Show(autoatt::texts::kDiagramFailed, MsgIcon::Error);
    }

    auto* buttons = new QHBoxLayout;
    QPushButton* zoomIn = Button(autoatt::texts::kZoomIn, "zoomInButton", this);
    QPushButton* zoomOut = Button(autoatt::texts::kZoomOut, "zoomOutButton", this);
    QPushButton* fit = Button(autoatt::texts::kZoomFit, "zoomFitButton", this);
    QPushButton* exportButton = Button(autoatt::texts::kExport, "exportButton", this);
    QPushButton* close = Button(autoatt::texts::kClose, "closeButton", this);
    for (QPushButton* b : {zoomIn, zoomOut, fit, exportButton}) {
        b->setEnabled(HasDrawing());
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(zoomIn, &QPushButton::clicked, this, &CPageDiagramDlg::ZoomIn);
    connect(zoomOut, &QPushButton::clicked, this, &CPageDiagramDlg::ZoomOut);
    connect(fit, &QPushButton::clicked, this, &CPageDiagramDlg::ZoomToFit);
    connect(exportButton, &QPushButton::clicked, this, [this] { Export(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

double CPageDiagramDlg::Zoom() const {
    return view_ ? view_->Zoom() : 1.0;
}

void CPageDiagramDlg::ZoomIn() {
    if (view_) view_->ZoomIn();
}

void CPageDiagramDlg::ZoomOut() {
    if (view_) view_->ZoomOut();
}

void CPageDiagramDlg::ZoomToFit() {
    if (view_) view_->ZoomToFit();
}

bool CPageDiagramDlg::Export() {
    if (!HasDrawing()) return false;
    const QString base = QFileInfo(FromNativePath(doc_.title)).completeBaseName();
    const auto chosen = dialogs_.SaveFileName(this, ToQString(autoatt::texts::kExportFilter),
                                              FromNativePath(doc_.currentDir), base + ".svg");
    if (!chosen) return false;
    std::string path = NativePath(*chosen);
    auto format = autoatt::DiagramFormatOfFileName(path);
    if (!format) {
        path += ".svg";
        format = autoatt::DiagramFormat::Svg;
    }
    std::string drawing;
    std::string error;
    bool ok = *format == autoatt::DiagramFormat::Svg
                  ? (drawing = svg_, true)
                  : autoatt::RenderCallFlow(doc_, *format, drawing, error);
    ok = ok && WriteFileReplacing(path, drawing);
    if (!ok) dialogs_.Sink().Show(texts::kCannotOpenOutput, MsgIcon::Error);
    return ok;
}

void InstallPageDiagramCommand(CQelApp& app) {
    app.StartupHooks().frameCreated.push_back([](CQelApp& a) {
        CMainFrame* f = a.Frame();
        f->SetCommand("actionPageDiagram", [f] {
            CPageDiagramDlg dlg(f->Doc(), f->Dialogs(), f);
            f->Dialogs().Exec(dlg);
        });
    });
}

} // namespace kiv
