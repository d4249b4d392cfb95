#include "autoattendant/ui/PageDiagramDlg.h"

#include "app/Help.h"
#include "app/MainFrame.h"
#include "app/QelApp.h"
#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "autoattendant/CallFlowRender.h"
#include "autoattendant/Texts.h"
#include "document/DocCommands.h"
#include "document/MessageSink.h"
#include "document/QelDoc.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsSvgItem>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <utility>

namespace kiv {

namespace {

constexpr double kZoomStep = 1.25;
constexpr double kMinZoom = 0.05;
constexpr double kMaxZoom = 8.0;

QPushButton* Button(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(ToQString(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(button->text());
    return button;
}

} // namespace

CPageDiagramDlg::CPageDiagramDlg(const CQelDoc& doc, CShellDialogs& dialogs, QWidget* parent)
    : QDialog(parent), doc_(doc), dialogs_(dialogs) {
    setObjectName("pageDiagramDlg");
    setWindowTitle(ToQString(autoatt::texts::kDiagramTitle));
    setSizeGripEnabled(true);
    InstallHelpKey(this, "diagramma_pagine");
    resize(900, 640);

    auto* layout = new QVBoxLayout(this);
    std::string error;
    if (autoatt::RenderCallFlow(doc, autoatt::DiagramFormat::Svg, svg_, error)) {
        scene_ = new QGraphicsScene(this);
        renderer_ = std::make_unique<QSvgRenderer>(QByteArray::fromStdString(svg_));
        auto* item = new QGraphicsSvgItem();
        item->setSharedRenderer(renderer_.get());
        scene_->addItem(item);
        scene_->setSceneRect(item->boundingRect());
        view_ = new QGraphicsView(scene_, this);
        view_->setObjectName("diagramView");
        view_->setAccessibleName(windowTitle());
        view_->viewport()->setAccessibleName(windowTitle());
        view_->setDragMode(QGraphicsView::ScrollHandDrag);
        view_->setRenderHint(QPainter::Antialiasing);
        view_->setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
        view_->viewport()->installEventFilter(this);
        layout->addWidget(view_, 1);
    } else {
        svg_.clear();
        auto* reason = new QLabel(QString::fromStdString(error), this);
        reason->setObjectName("diagramError");
        reason->setWordWrap(true);
        layout->addWidget(reason, 1);
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

CPageDiagramDlg::~CPageDiagramDlg() {
    // The item draws with the renderer: the view and the scene go first, and
    // the view's events no longer reach this half-destroyed window.
    if (view_) view_->viewport()->removeEventFilter(this);
    delete std::exchange(view_, nullptr);
    delete std::exchange(scene_, nullptr);
}

double CPageDiagramDlg::Zoom() const {
    return view_ ? view_->transform().m11() : 1.0;
}

void CPageDiagramDlg::ZoomIn() {
    if (view_ && Zoom() * kZoomStep <= kMaxZoom) view_->scale(kZoomStep, kZoomStep);
}

void CPageDiagramDlg::ZoomOut() {
    if (view_ && Zoom() / kZoomStep >= kMinZoom) view_->scale(1 / kZoomStep, 1 / kZoomStep);
}

void CPageDiagramDlg::ZoomToFit() {
    if (view_) view_->fitInView(scene_->sceneRect(), Qt::KeepAspectRatio);
}

bool CPageDiagramDlg::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl + wheel zooms; the plain wheel scrolls.
    if (view_ && watched == view_->viewport() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            wheel->angleDelta().y() > 0 ? ZoomIn() : ZoomOut();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
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
